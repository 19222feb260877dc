// Decisions of the display set-up that need no platform: which monitor is the main one and which the
// audience's, whether the monitors have changed since the last set-up and whether that may change modes,
// the common resolution, the area mirrors use without an external monitor, how the monitors are matched,
// and the set-up's sequence itself.
#pragma once
#include "base/geometry.h"

enum { MOST_MONITORS = 16, DEVICE_LEN = 32 };

// One monitor as an enumeration found it; its number is its place in that enumeration, from 1.
struct MonitorFound {
    MonitorArea area;
    bool primary;
    char device[DEVICE_LEN];  // "\\.\DISPLAY2"
};

// What [DISPLAY] EXTERNAL asks for: nothing (empty or missing), a monitor's number as the trace's monitor
// lines give it, or a device name. read_external_setting returns false for anything else (it then asks for
// nothing), so that it can be reported.
struct ExternalRequest {
    enum Kind { NONE, NUMBER, DEVICE } kind;
    int number;
    char device[DEVICE_LEN];
};
bool read_external_setting(const char *value, ExternalRequest *request);

// Which monitor is which, and why. The main monitor is the primary one (the one at the origin where none
// says so). The audience's is the one picked in the window menu while it is there, else the one the
// setting names, else the last one found that is not the main one.
enum ExternalReason { EXTERNAL_NONE, EXTERNAL_LAST_FOUND, EXTERNAL_BY_SETTING, EXTERNAL_PICKED };
enum RequestRefusal { REQUEST_KEPT, REQUEST_NO_SUCH_MONITOR, REQUEST_NAMES_MAIN };
struct MonitorChoice {
    int main;      // index into the monitors found, or -1 when none was found
    int external;  // -1 when there is no other monitor
    ExternalReason reason;
    RequestRefusal setting;  // what became of the setting's request
    bool picked_gone;        // a monitor was picked in the menu and is no longer there
};
MonitorChoice choose_monitors(const MonitorFound *monitors, int count, const ExternalRequest &setting,
                              const char *picked_device);

// Whether two enumerations found as many monitors at the same places, in the same order. (The primary
// monitor is the one at the origin: another primary moves every monitor.)
bool same_arrangement(const MonitorFound *a, int a_count, const MonitorFound *b, int b_count);

// The narrower monitor's width and height; on equal widths the external monitor's. Heights are
// never compared.
struct Resolution {
    int width;
    int height;
};
Resolution choose_common_resolution(const MonitorArea &main_area, const MonitorArea &ext_area);

// With a single monitor the mirrors go to an area of its size just left of it, on no screen.
MonitorArea off_screen_area(const MonitorArea &main_area);

// How a window and its mirror are made to match ([DISPLAY] MATCH): both monitors set to the
// narrower one's resolution (the default, also for an empty or missing value), or no mode ever
// changed and the main monitor's picture scaled to fit the external one. Any other value reads as
// resolution, and read_display_match returns false so that it can be reported.
enum DisplayMatch { MATCH_RESOLUTION, MATCH_SCALE };
bool read_display_match(const char *value, DisplayMatch *match);

// Modes are changed only when matching by resolution, only by a set-up that may change them (at start, when
// monitors come or go, when another monitor is picked: not when the monitors merely moved, which is the
// user's own change), and only when a main and an external monitor were both found: with one monitor there is
// nothing to match, and with none the device names would be empty, which the platform takes as the primary.
bool should_change_display_modes(int monitor_count, DisplayMatch match, bool may_change_modes);

// What has changed since the last set-up (last: the monitors it left), by an enumeration cheap enough for every
// pass (their places alone): nothing; a monitor moved, turned or changed its size or scale, or the system said
// the display changed (noted); or a monitor came or went, or another was picked in the window menu (picked).
enum DisplayChange {
    DISPLAYS_SAME,
    DISPLAYS_MOVED,         // the areas are read again
    DISPLAYS_CAME_OR_WENT,  // set up as at start
};
DisplayChange display_change(const MonitorFound *last, int last_count, const MonitorFound *now, int now_count,
                             bool picked, bool noted);

// Only a set-up for monitors that came or went, or for another monitor picked, may change modes: a monitor
// that the user merely moved, turned or gave another resolution is the user's own doing, which no mode undoes.
bool may_change_modes_after(DisplayChange change);

// The platform's side of a set-up, handed in so that the sequence is a rule of its own: the monitors as an
// enumeration finds them now (at most MOST_MONITORS), what the set-up found before it changes anything (for
// the trace and the warnings), and one monitor's mode change (a refusal is the platform's to report).
struct MonitorPlatform {
    int (*enumerate)(MonitorFound *monitors, void *context);
    void (*found)(const MonitorFound *monitors, int count, const MonitorChoice &choice, void *context);
    void (*change_mode)(const char *device, Resolution mode, void *context);
    void *context;
};

struct MonitorRequest {
    DisplayMatch match;
    ExternalRequest external;  // [DISPLAY] EXTERNAL
    const char *picked_device;  // picked in the window menu, or empty
    bool may_change_modes;
};

// Where a set-up leaves the monitors. main_area is kept from the set-up before when no monitor is found.
struct MonitorSetup {
    MonitorFound monitors[MOST_MONITORS];  // as the set-up leaves them: after its mode changes
    int count;
    MonitorChoice choice;
    MonitorArea main_area;
    MonitorArea ext_area;  // with no external monitor, an area of the main one's size on no screen
};

// Enumerates, chooses and says what it found; where modes should change, sets the main and the audience's
// monitor (no other) to the narrower one's resolution, then enumerates and chooses again: a new mode moves the
// monitors, and their areas are those they have afterwards. A picked monitor that is gone is not asked for again.
void set_up_monitors(const MonitorPlatform &platform, const MonitorRequest &request, MonitorSetup *setup);
