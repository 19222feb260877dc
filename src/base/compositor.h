// The desktop compositor's window attributes, through dwmapi.dll found at run time. Where there is no
// compositor, or it does not answer for a window (older Windows, a window that has just closed, Wine),
// a read says so and the caller keeps its own rule.
#pragma once
#include "base/geometry.h"
#include "base/win32.h"

// The compositor's module, loaded once from the system folder for the whole run; null where there is
// none. Only the system's own copy: a file of that name beside the program is never loaded.
HMODULE compositor_module(void);

// Whether the compositor keeps the window off the screen although its style says visible: a suspended
// app, the text-input host, a window of another virtual desktop. False where the compositor does not say.
bool window_cloaked(HWND window);

// A window the user cannot see: minimised, or cloaked by the compositor (on another virtual desktop, say).
bool window_out_of_view(HWND window);

// The caption buttons' bounds in the window's own coordinates (its window rectangle's top left is
// (0, 0)); false where the compositor does not give them.
bool caption_button_bounds(HWND window, ScreenRect *bounds);

// The bounds the compositor draws, without invisible resize borders, in screen coordinates; false
// where the compositor does not give them or they are empty.
bool extended_frame_bounds(HWND window, ScreenRect *bounds);
