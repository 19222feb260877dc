// Finds the monitors and chooses the main and the audience's, gives the two one common resolution or
// leaves their modes alone, notices when they change, and says where the main monitor's picture lands
// on the external one.
#include "display/displays.h"
#include "base/settings.h"
#include "base/settings_rules.h"
#include "base/state.h"
#include "base/texts.h"
#include "base/trace.h"
#include <string.h>

struct Enumerated {
    MonitorFound monitors[MOST_MONITORS];
    int count;
    bool described;
};
static Enumerated last;  // as the last set-up left them, after its mode changes
static MonitorChoice chosen = {-1, -1, EXTERNAL_NONE, REQUEST_KEPT, false};
static Mapping mapping = {1.0, 0.0, 0.0, 0, 0};
static char picked_device[DEVICE_LEN];  // picked in the window menu for this run, or empty
static bool picked_now;                 // picked since the last set-up
static bool change_noted;
static bool setting_up;
static DEVMODEA display_mode;

// With data's `described` set, each monitor's description too (its device, whether it is the primary): a
// read of its own per monitor, which the check on every pass, comparing places alone, does without.
static BOOL CALLBACK add_monitor(HMONITOR monitor, HDC, LPRECT rect, LPARAM data)
{
    Enumerated &found = *(Enumerated *)data;
    if (found.count >= MOST_MONITORS)
        return FALSE;
    MonitorFound &m = found.monitors[found.count++];
    m = {};
    m.area = {rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top};
    MONITORINFOEXA info = {};
    info.cbSize = sizeof info;
    if (found.described && GetMonitorInfoA(monitor, &info)) {
        m.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
        memcpy(m.device, info.szDevice, DEVICE_LEN - 1);
    }
    return TRUE;
}

static Enumerated enumerate(bool described)
{
    Enumerated found = {};
    found.described = described;
    EnumDisplayMonitors(NULL, NULL, add_monitor, (LPARAM)&found);
    return found;
}

static void change_mode(const char *device)
{
    LONG result = ChangeDisplaySettingsExA(device, &display_mode, NULL, CDS_FULLSCREEN, NULL);
    if (result == DISP_CHANGE_SUCCESSFUL)
        return;
    if (result == DISP_CHANGE_RESTART) {
        trace_line(TXT_TR_MODE_RESTART);
        return;
    }
    MessageBoxA(hwChecklist, TXT_BOX_MODE_FAILED, TXT_BOX_CAPTION, MB_OK | MB_ICONWARNING);
    trace_line(TXT_TR_MODE_FAILED);
}

// The settings, read once, at the first set-up: they are read at start only.
struct DisplaySettings {
    DisplayMatch match;
    ExternalRequest external;
    char external_value[TEXT_LEN];
};

static const DisplaySettings &settings(void)
{
    static bool read;
    static DisplaySettings s;
    if (read)
        return s;
    read = true;
    char value[TEXT_LEN];
    read_setting(TXT_SECTION_DISPLAY, TXT_KEY_MATCH, value);
    if (!read_display_match(value, &s.match))
        trace(TXT_TR_MATCH_UNREADABLE, value);
    read_setting(TXT_SECTION_DISPLAY, TXT_KEY_EXTERNAL, value);
    excerpt_for_trace(value, s.external_value, sizeof s.external_value);
    if (!read_external_setting(value, &s.external))
        trace(TXT_TR_EXTERNAL_UNREADABLE, s.external_value);
    return s;
}

static void trace_monitors(const Enumerated &found, int main_index)
{
    for (int i = 0; i < found.count; ++i) {
        const MonitorArea &a = found.monitors[i].area;
        trace(TXT_TR_MONITOR, i + 1, a.x, a.y, a.width, a.height);
        trace_line(i == main_index ? TXT_TR_MAIN_MONITOR : TXT_TR_EXT_MONITOR);
    }
    trace(TXT_TR_MONITOR_COUNT, found.count);
}

static void trace_choice(const Enumerated &found, const MonitorChoice &c, const DisplaySettings &s)
{
    if (c.setting == REQUEST_NO_SUCH_MONITOR)
        trace(TXT_TR_EXTERNAL_NO_SUCH, s.external_value);
    else if (c.setting == REQUEST_NAMES_MAIN)
        trace(TXT_TR_EXTERNAL_MAIN, s.external_value);
    if (c.picked_gone)
        trace(TXT_TR_EXTERNAL_PICK_GONE, picked_device);
    if (c.external < 0)
        return;
    const char *why = c.reason == EXTERNAL_PICKED ? TXT_EXTERNAL_PICKED
                      : c.reason == EXTERNAL_BY_SETTING ? TXT_EXTERNAL_BY_SETTING : TXT_EXTERNAL_LAST_FOUND;
    trace(TXT_TR_EXTERNAL, c.external + 1, found.monitors[c.external].device, why);
}

// The areas of the monitors chosen; with no other monitor, an area of the main one's size on no screen.
static void record_areas(const Enumerated &found, const MonitorChoice &c)
{
    if (c.main >= 0)
        main_area = found.monitors[c.main].area;
    ext_area = c.external >= 0 ? found.monitors[c.external].area : off_screen_area(main_area);
}

void setup_displays(bool may_change_modes)
{
    const DisplaySettings &s = settings();
    setting_up = true;
    Enumerated found = enumerate(true);
    MonitorChoice c = choose_monitors(found.monitors, found.count, s.external, picked_device);
    trace_monitors(found, c.main);
    if (found.count == 1)
        MessageBoxA(hwChecklist, TXT_BOX_NO_EXTERNAL, TXT_BOX_CAPTION, MB_OK | MB_ICONWARNING);
    trace_choice(found, c, s);
    if (c.picked_gone)
        picked_device[0] = '\0';  // gone for good: a monitor plugged in later is not taken for it
    record_areas(found, c);

    if (should_change_display_modes(found.count, s.match, may_change_modes) && c.external >= 0) {
        memset(&display_mode, 0, sizeof display_mode);
        display_mode.dmSize = sizeof display_mode;
        Resolution common = choose_common_resolution(main_area, ext_area);
        display_mode.dmPelsWidth = (DWORD)common.width;
        display_mode.dmPelsHeight = (DWORD)common.height;
        display_mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        change_mode(found.monitors[c.main].device);
        change_mode(found.monitors[c.external].device);
        // The modes moved the monitors: the areas as they are now.
        found = enumerate(true);
        c = choose_monitors(found.monitors, found.count, s.external, picked_device);
        record_areas(found, c);
    }
    last = found;
    chosen = c;
    picked_now = false;
    change_noted = false;
    setting_up = false;
    mapping = monitors_mapping(s.match, main_area, ext_area);
    trace(TXT_TR_MATCH, s.match == MATCH_SCALE ? TXT_MATCH_SCALE : TXT_MATCH_RESOLUTION, mapping.scale);
}

DisplayChange displays_changed(void)
{
    if (picked_now)
        return DISPLAYS_CAME_OR_WENT;
    Enumerated now = enumerate(false);
    if (now.count != last.count)
        return DISPLAYS_CAME_OR_WENT;
    if (change_noted || !same_arrangement(now.monitors, now.count, last.monitors, last.count))
        return DISPLAYS_MOVED;
    return DISPLAYS_SAME;
}

void note_display_change(void)
{
    if (!setting_up)
        change_noted = true;
}

Mapping main_to_external(void)
{
    return mapping;
}

int monitors_found(const MonitorFound **monitors, int *main_index, int *external_index)
{
    *monitors = last.monitors;
    *main_index = chosen.main;
    *external_index = chosen.external;
    return last.count;
}

void pick_external_monitor(int number)
{
    if (number < 1 || number > last.count || number - 1 == chosen.main)
        return;
    memcpy(picked_device, last.monitors[number - 1].device, DEVICE_LEN);
    picked_now = number - 1 != chosen.external;  // the one in use is kept for the run, as it stands
}
