// Finds the monitors and chooses the main and the audience's, gives the two one common resolution or
// leaves their modes alone, notices when they change, and says where the main monitor's picture lands
// on the external one.
#include "display/displays.h"
#include "display/audience_window.h"
#include "base/limits.h"
#include "base/settings.h"
#include "base/texts.h"
#include "base/trace.h"
#include "display/mapping_rules.h"
#include <string.h>

MonitorArea main_area;
MonitorArea ext_area;

struct Enumerated {
    MonitorFound *monitors;
    int count;
    bool described;
};
static MonitorSetup last;  // as the last set-up left the monitors, after its mode changes
static Mapping mapping = {1.0, 0.0, 0.0, 0, 0};
static HWND box_owner;  // the warnings' owner: null while the program's windows are being made
static char picked_device[DEVICE_LEN];  // picked in the window menu for this run, or empty
static bool picked_now;                 // picked since the last set-up
static bool change_noted;
static bool setting_up;
static AudienceKind audience_kind;  // asked for: by the setting at start, then by the window menu or the window
static AudienceKind set_up_kind;    // as the last set-up left the audience
static SurfaceSize set_up_size;     // the window's client size at the last set-up, while it is the audience's
static bool audience_traced;

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

static int enumerate(MonitorFound *monitors, bool described)
{
    Enumerated found = {monitors, 0, described};
    EnumDisplayMonitors(NULL, NULL, add_monitor, (LPARAM)&found);
    return found.count;
}

static int enumerate_described(MonitorFound *monitors, void *)
{
    return enumerate(monitors, true);
}

static void change_mode(const char *device, Resolution mode, void *)
{
    DEVMODEA display_mode = {};
    display_mode.dmSize = sizeof display_mode;
    display_mode.dmPelsWidth = (DWORD)mode.width;
    display_mode.dmPelsHeight = (DWORD)mode.height;
    display_mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    LONG result = ChangeDisplaySettingsExA(device, &display_mode, NULL, CDS_FULLSCREEN, NULL);
    if (result == DISP_CHANGE_SUCCESSFUL)
        return;
    if (result == DISP_CHANGE_RESTART) {
        trace_line(TXT_TR_MODE_RESTART);
        return;
    }
    MessageBoxA(box_owner, TXT_BOX_MODE_FAILED, TXT_BOX_CAPTION, MB_OK | MB_ICONWARNING);
    trace_line(TXT_TR_MODE_FAILED);
}

// The settings, read once, at the first set-up: they are read at start only.
struct DisplaySettings {
    DisplayMatch match;
    ExternalRequest external;
    char external_value[TEXT_LEN];
    AudienceKind audience;
    SurfaceSize audience_size;
};

static const DisplaySettings &settings(void)
{
    static bool read;
    static DisplaySettings s;
    if (read)
        return s;
    read = true;
    read_setting_with(TXT_SECTION_DISPLAY, TXT_KEY_MATCH, read_display_match, &s.match, TXT_TR_MATCH_UNREADABLE);
    read_setting_shown_with(TXT_SECTION_DISPLAY, TXT_KEY_EXTERNAL, read_external_setting, &s.external,
                            s.external_value, TXT_TR_EXTERNAL_UNREADABLE);
    read_setting_with(TXT_SECTION_DISPLAY, TXT_KEY_AUDIENCE, read_audience_setting, &s.audience,
                      TXT_TR_AUDIENCE_UNREADABLE);
    read_setting_with(TXT_SECTION_DISPLAY, TXT_KEY_AUDIENCE_SIZE, read_audience_size, &s.audience_size,
                      TXT_TR_AUDIENCE_SIZE_UNREADABLE);
    audience_kind = s.audience;
    return s;
}

static void trace_monitors(const MonitorFound *monitors, int count, int main_index)
{
    for (int i = 0; i < count; ++i) {
        const MonitorArea &a = monitors[i].area;
        trace(TXT_TR_MONITOR, i + 1, a.x, a.y, a.width, a.height);
        trace_line(i == main_index ? TXT_TR_MAIN_MONITOR : TXT_TR_EXT_MONITOR);
    }
    trace(TXT_TR_MONITOR_COUNT, count);
}

static void trace_choice(const MonitorFound *monitors, const MonitorChoice &c, const DisplaySettings &s)
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
    trace(TXT_TR_EXTERNAL, c.external + 1, monitors[c.external].device, why);
}

// What the set-up found, before it changes any mode: each monitor, the warning when there is no external
// display, and which one the audience sees, and why.
static void tell_found(const MonitorFound *monitors, int count, const MonitorChoice &c, void *)
{
    trace_monitors(monitors, count, c.main);
    // In the window the audience needs no second monitor: nothing to warn about.
    if (count == 1 && audience_kind == AUDIENCE_MONITOR)
        MessageBoxA(box_owner, TXT_BOX_NO_EXTERNAL, TXT_BOX_CAPTION, MB_OK | MB_ICONWARNING);
    trace_choice(monitors, c, settings());
    if (c.picked_gone)
        picked_device[0] = '\0';  // gone for good: a monitor plugged in later is not taken for it
}

void setup_displays(bool may_change_modes, HWND owner)
{
    const DisplaySettings &s = settings();
    static const MonitorPlatform platform = {enumerate_described, tell_found, change_mode, NULL};
    bool window = audience_kind == AUDIENCE_WINDOW;
    // In the window no monitor is touched: no mode is changed for it.
    MonitorRequest request = {s.match, s.external, picked_device, may_change_modes && !window};
    setting_up = true;
    box_owner = owner;
    set_up_monitors(platform, request, &last);
    main_area = last.main_area;
    host_audience(window, main_area, s.audience_size);
    window = audience_host() != NULL;  // a window that could not be made leaves the audience on the monitor
    AudienceKind kind = window ? AUDIENCE_WINDOW : AUDIENCE_MONITOR;
    SurfaceSize client = audience_client_size();
    AudienceScreen screen = audience_screen(kind, s.match == MATCH_SCALE, main_area, last.ext_area, client);
    ext_area = screen.area;
    picked_now = false;
    change_noted = false;
    setting_up = false;
    mapping = screen.mapping;
    trace(TXT_TR_MATCH, s.match == MATCH_SCALE ? TXT_MATCH_SCALE : TXT_MATCH_RESOLUTION, mapping.scale);
    bool resized = window && (client.width != set_up_size.width || client.height != set_up_size.height);
    if (!audience_traced || kind != set_up_kind || resized) {
        if (window)
            trace(TXT_TR_AUDIENCE_WINDOW, client.width, client.height);
        else
            trace(TXT_TR_AUDIENCE_MONITOR);
    }
    audience_traced = true;
    audience_kind = set_up_kind = kind;
    set_up_size = window ? client : SurfaceSize{0, 0};
}

DisplayChange displays_changed(void)
{
    if (audience_close_asked())
        audience_kind = AUDIENCE_MONITOR;
    // The audience moved between the monitor and the window: set up as at start. The window sized anew: the
    // surface is read again, and the picture follows.
    if (audience_kind != set_up_kind)
        return DISPLAYS_CAME_OR_WENT;
    if (set_up_kind == AUDIENCE_WINDOW) {
        SurfaceSize now = audience_client_size();
        if (now.width != set_up_size.width || now.height != set_up_size.height)
            return DISPLAYS_MOVED;
    }
    MonitorFound now[MOST_MONITORS];
    int count = picked_now ? 0 : enumerate(now, false);  // a pick needs no look
    return display_change(last.monitors, last.count, now, count, picked_now, change_noted);
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
    *main_index = last.choice.main;
    *external_index = last.choice.external;
    return last.count;
}

void pick_external_monitor(int number)
{
    if (number < 1 || number > last.count || number - 1 == last.choice.main)
        return;
    memcpy(picked_device, last.monitors[number - 1].device, DEVICE_LEN);
    picked_now = number - 1 != last.choice.external;  // the one in use is kept for the run, as it stands
}

bool audience_in_window(void)
{
    return audience_kind == AUDIENCE_WINDOW;
}

void move_audience_to_window(bool window)
{
    audience_kind = window ? AUDIENCE_WINDOW : AUDIENCE_MONITOR;
}
