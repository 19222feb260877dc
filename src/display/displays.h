// Monitor discovery, the audience's monitor, the common resolution, and where the main monitor's picture
// lands on the external one.
#pragma once
#include "base/geometry.h"
#include "base/win32.h"
#include "display/monitor_rules.h"

// The main and the external monitor's places, as the last set-up found them: written here only, read wherever
// something is put on a monitor.
extern MonitorArea main_area;
extern MonitorArea ext_area;

// Finds the monitors, records main_area and ext_area, warns when there is no external display (the warnings
// owned by box_owner), and traces each monitor and which one the audience sees, and why. Where the monitors are
// matched by resolution and this set-up may change modes, it sets the main and the audience's monitor (no
// other) to the narrower one's resolution, then reads the areas again.
void setup_displays(bool may_change_modes, HWND box_owner);

// What has changed since the last set-up, by a check cheap enough for every pass.
DisplayChange displays_changed(void);

// The system said the display changed (WM_DISPLAYCHANGE): the next check reads the areas again, whatever
// it finds. Said during a set-up (of its own mode changes), it is not noted.
void note_display_change(void);

// The main monitor's picture on the external one, as the last set-up decided; the mirrors ask for it.
Mapping main_to_external(void);

// The monitors the last set-up found (numbered from 1 in that order), and which are the main and the
// audience's; for the window menu.
int monitors_found(const MonitorFound **monitors, int *main_index, int *external_index);

// The audience's monitor, picked by its number for the rest of the run; the next pass sets up again.
void pick_external_monitor(int number);

// Where the audience's screen is: true while it is, or is about to be, the window "VantoscopeAudience" (the
// setting at start, the window menu's item, the window's close button). move_audience_to_window asks for one
// or the other; the next pass sets up as at start, and the set-up traces where the audience is.
bool audience_in_window(void);
void move_audience_to_window(bool window);
