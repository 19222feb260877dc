// The presenter's preview: the audience's screen as it is, read from the external monitor's pixels a few times
// a second and shown small on the main monitor, with a status line, the places of picked windows that do not
// answer marked. One of the program's helper windows: never listed, never mirrored, no task-bar button.
#pragma once
#include "base/win32.h"

// Reads [PREVIEW] SHOW and opens the preview where it says yes.
void start_preview(void);

// Opens the preview (made the first time, at the main monitor's top-right corner; afterwards where the
// presenter left it) or closes it, traced. Closed, it costs nothing.
bool preview_open(void);
void set_preview_open(bool open);

// The window, or null before it is first opened.
HWND preview_window(void);

// Dispatches what has reached the window, without waiting.
void pump_preview(void);

// Once a pass while open: kept off the external monitor, its status line up to date, and a new picture
// when one is due.
void follow_preview(void);
