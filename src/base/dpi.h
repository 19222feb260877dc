// The DPI of the monitor a window stands on, and the system's metrics and fonts at a DPI, through the
// per-monitor functions of Windows 10 found at run time; older systems answer with the system's DPI.
#pragma once
#include "base/win32.h"

// The window's DPI as the system gives it to a per-monitor-aware program: the DPI of the monitor the
// window stands on. 96 for an unusable reading (0 for a window that has gone, or a DPI past every
// scale), said once in the trace.
unsigned window_dpi(HWND window);

// The height of the frame above and below the client area of a window of this style at this DPI, and the
// width of the frame left and right of it.
int frame_height_for_dpi(DWORD style, DWORD ex_style, unsigned dpi);
int frame_width_for_dpi(DWORD style, DWORD ex_style, unsigned dpi);

// The font the system shows messages and dialogs in, at this DPI. The caller deletes it.
HFONT create_message_font(unsigned dpi);
