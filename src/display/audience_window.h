// The window that is the audience's screen while the audience is not on a monitor: "VantoscopeAudience", a normal
// top-level window that a meeting app can share. The audience's windows (wallpaper, mirrors, pop-up mirrors,
// marker) join it as they are made: its children while it hosts the audience, so that it clips and composes them,
// else top-level windows as they were made. Its picture is its own: it paints it into any device context that asks.
#pragma once
#include "base/geometry.h"
#include "base/win32.h"
#include "display/audience_rules.h"

// One of the audience's windows, as it is made: it follows the surface from now on.
void join_audience_surface(HWND window);

// Makes the window once, shows it with this client size at the back of the Z order on the main monitor and takes
// every joined window into it; or (host false) hides it and gives every joined window back to the desktop, with
// the style, owner and stacking it had. Only a change does anything.
void host_audience(bool host, const MonitorArea &main, SurfaceSize client);

// The window while it hosts the audience, else null.
HWND audience_host(void);

// Its client area's size now (the presenter may size it); the setting's until it is made.
SurfaceSize audience_client_size(void);

// True once after each press of its close button: the audience goes back to the monitor.
bool audience_close_asked(void);

// The composed picture (each shown child's picture at its place, the lowest first) into dc, the client area's
// top left at dc's origin: what it answers to WM_PRINTCLIENT. The screen's pixels are never read for it.
void print_audience(HDC dc);

// Keeps its children in the audience's order: the wallpaper at the bottom, then the audience's windows as they
// should stand, the lowest first. Restacks only when the order has slipped.
void stack_on_surface(HWND wallpaper, const HWND *audience, int count);
