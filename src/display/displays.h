// Monitor discovery and resolution matching.
#pragma once
#include "app/win32.h"

// Counts the monitors into monitor_num, records main_area and ext_area, warns when there is
// no external display, and sets both monitors to the narrower one's resolution.
void setup_displays(void);

// EnumDisplayMonitors callback: records one monitor.
BOOL CALLBACK monitor_enum_proc(HMONITOR monitor, HDC dc, LPRECT rect, LPARAM data);
