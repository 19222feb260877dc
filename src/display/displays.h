// Monitor discovery and resolution matching.
#pragma once
#include "base/win32.h"

// Counts the monitors, records main_area and ext_area, warns when there is no external
// display, and sets both monitors to the narrower one's resolution.
void setup_displays(void);

// True when the platform's monitor count differs from the one the last set-up found.
bool monitor_count_changed(void);

// EnumDisplayMonitors callback: records one monitor.
BOOL CALLBACK monitor_enum_proc(HMONITOR monitor, HDC dc, LPRECT rect, LPARAM data);
