// The backdrop's decisions, on plain values: whether the wallpaper shows and the size of its picture, whether
// the curtain holds, whose rectangles a pass reads, and which windows of others to name as they come to lie on
// the external monitor.
#pragma once
#include "base/geometry.h"

// [DISPLAY] CURTAIN: "no" (the default, also empty or missing: the wallpaper at the bottom of the
// external monitor's windows) or "yes" (the wallpaper above every window that is not the program's);
// any other value reads as no, and the function returns false so that it can be reported.
bool read_curtain_setting(const char *value, bool *on);

// A window lies on the external monitor when any part of it does.
bool lies_on(const ScreenRect &window, const MonitorArea &monitor);

// Each pass reads the rectangles of a few of the windows met before, in turn: all of 300 in three seconds.
// turn_start: where this pass's turn starts, as the pass before handed it on; windows that closed since may
// leave it at or past the count, and then it starts again from the first. read_in_turn tells whether the
// window at `index` of the `count` met is read in this turn; next_turn_start, where the next turn starts (below
// count, or 0 when none is met).
enum { RECTS_PER_PASS = 4 };
bool read_in_turn(int index, int turn_start, int count);
int next_turn_start(int turn_start, int count);

// One window that the catalogue's pass met, as the naming sees it on this pass.
struct ExternalLook {
    WindowId window;
    bool theirs;  // neither the program's nor the shell's desktop (which spans every monitor, behind everything)
    bool looked;  // its rectangle was read on this pass
    bool lies;    // as read: it lies on the external monitor
};

// Which of the windows met lie on the external monitor now: those looked at, as read; the others as they lay
// after the pass before (on_before). Writes them into on_now and returns how many; named[i] is set for each
// window of others that has come there since: each is named once while it stays, however often it is looked at.
int follow_windows_on_external(const ExternalLook *looks, int count, const WindowId *on_before, int before_count,
                               WindowId *on_now, bool *named);

// A window that the Z order puts above the wallpaper, front to back.
struct AboveWallpaper {
    WindowId window;
    bool ours;         // one of the program's windows
    bool on_external;  // lies on the external monitor (for a window that is not ours)
};

// The curtain holds when no window that is not ours and lies on the external monitor stands above the
// wallpaper, and the audience's windows (ours_bottom_up: the mirrors, the pop-up mirrors, the marker, as
// they should stand, the lowest first) all stand above it in that order. Other windows of ours (the
// button, hidden mirrors) may stand anywhere.
bool curtain_holds(const AboveWallpaper *above, int above_count, const WindowId *ours_bottom_up, int ours_count);

// The wallpaper shows while its switch is on; and whatever the switch says, while the audience's screen is
// blank, one window is in the spotlight or the zoom is on: the audience then sees the picture around the
// windows shown, not the desktop.
bool wallpaper_shows(bool switch_on, bool blank, bool spotlight, bool zoom);

// The picture covers the monitor's width and a fixed 1280 : 700 proportion of it, whatever
// its own proportions. Divided first, then multiplied, in double precision: 1792 gives 979.
struct PictureSize {
    int width;
    int height;
};
PictureSize wallpaper_picture_size(int monitor_width);
