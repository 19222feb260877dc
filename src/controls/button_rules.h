// Where the toggle button goes for the window in front, on plain values.
#pragma once
#include "base/geometry.h"

// The button's size at 96 DPI; it follows the DPI of the monitor it stands on.
enum { BUTTON_WIDTH = 30, BUTTON_HEIGHT = 20 };

// What the main loop sees of the foreground window.
struct ForegroundView {
    bool none;           // there is no foreground window
    bool program_window; // the button, the checklist, the wallpaper or the desktop
    const char *class_name;
    bool minimised;
    bool maximised;
    bool rect_known;
    ScreenRect rect;
    bool caption_buttons_known;  // the compositor gave the bounds of the window's caption buttons
    ScreenRect caption_buttons;  // in the window's coordinates: its rectangle's top left is (0, 0)
    unsigned dpi;                // of the monitor the button stands on
};

enum ButtonMove {
    BUTTON_STAYS,
    BUTTON_PARKED,   // 1 x 1 at the screen's top-left corner, topmost
    BUTTON_ON_WINDOW // on the window's caption, on top
};

struct ButtonPlacement {
    ButtonMove move;
    Box box;
};

// The button never follows the program's own windows, its mirrors or the desktop's shell window.
// Where the compositor gives the caption buttons' bounds (and they lie inside the window), the button
// stands left of them with a small gap, centred in their height, and no taller than they are: a click
// meant for Minimise must never tick a window. Elsewhere it stands 140 pixels left of the window's
// right edge at its top, and on a maximised window, whose frame hangs over the screen edge, 4 pixels
// further in and 6 down. Its size is 30 x 20 at 96 DPI, scaled to the DPI.
ButtonPlacement place_for_foreground(const ForegroundView &fore);
