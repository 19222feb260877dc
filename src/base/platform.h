// Small platform operations that several parts of the program share.
#pragma once
#include "base/geometry.h"
#include "base/limits.h"
#include "base/win32.h"

// Every class and window of the program is registered and created with it: set once, at start.
extern HINSTANCE hInst;

// The owner of the program's helper windows (the button, the wallpaper, the mirrors, the marker). It is never
// shown, and windows with an owner get no taskbar button or Alt+Tab entry of their own. Made once, at start;
// null until then, or when it could not be made.
void create_helper_owner(void);
HWND helper_owner(void);

// Title and class name of a window into a TEXT_LEN buffer; empty for a null or vanished window.
void window_title(HWND window, char *out);
void window_class(HWND window, char *out);

// A window's rectangle on the screen, frame included; false for a window that has gone.
inline ScreenRect screen_rect(const RECT &r)
{
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}
bool read_window_rect(HWND window, ScreenRect *rect);

// A function of a module found by its name at run time, or null: for functions that older systems lack.
template <typename Fn> Fn function_in(HMODULE module, const char *name)
{
    // The usual cast for GetProcAddress: the function is called only with its own signature.
    return module != NULL ? reinterpret_cast<Fn>(reinterpret_cast<void (*)(void)>(GetProcAddress(module, name))) : NULL;
}

// Whether a window belongs to this program (its process).
bool window_is_ours(HWND window);

// Sets a window's text unless it already reads so: setting a text redraws and, for a
// top-level window, tells the window system, even when nothing changes.
void set_text_if_changed(HWND window, const char *text);

// Asks another program's window to repaint, giving up after a short wait so that a window
// that has stopped answering cannot hold up the program.
void nudge_paint(HWND target);

// Registers a window class with the program's usual members: redrawn on any resize, the
// stock application icon (large and small), the given stock cursor, a white background brush.
// 0 when it fails, as it does for a name already registered.
ATOM register_window_class(const char *name, WNDPROC procedure, HINSTANCE instance, const char *cursor);

// Every program window repaints on a 30 ms timer, id REPAINT_TIMER; it also guarantees that each
// of the main loop's window-filtered fetches returns within one period.
enum { REPAINT_TIMER = 1 };
void start_repaint_timer(HWND window);

// The main loop's fetch for one window: waits for one of its messages, then translates and dispatches it.
// Only for a window with a timer, which guarantees a message within one period.
void fetch_and_dispatch(HWND window);

// Dispatches what has reached a window without waiting: for a helper with no timer, whose fetch could wait for ever.
void dispatch_waiting(HWND window);

// Invalidates a window and paints it before returning.
void repaint_now(HWND window);

// Hands what the thread has painted to the screen now rather than at its next wait for messages: a look
// for a message that never comes. Windows shows a paint at once and only looks; Wine's X11 driver keeps
// a window's paints in its surface until the thread finds its queue empty.
void show_painted_now(void);

// Moves, sizes and re-stacks one of the program's windows without activating it. Activation
// would take the foreground from the user's window, and an activated window goes on top of
// its group whatever place in the Z order was asked for.
void place_window(HWND window, HWND insert_after, int x, int y, int width, int height);

// Places a topmost window on top of everything, at the given position and size. It leaves the
// topmost group for an instant first: a window system that raises every activated window above
// the topmost ones (Wine's X11 driver without a window manager) would otherwise keep it under
// the foreground window, since a window that already heads the Z order is not restacked.
void place_on_top(HWND window, int x, int y, int width, int height);
