// Finds the main and the external monitor, gives both one common resolution or leaves their modes
// alone, and says where the main monitor's picture lands on the external one.
#include "display/displays.h"
#include "base/settings.h"
#include "base/state.h"
#include "base/texts.h"
#include "base/trace.h"
#include "display/display_rules.h"
#include "mirror/mirror_rules.h"
#include <string.h>

static int monitor_num;  // monitors found by the last set-up
static MONITORINFOEXA first_monitor_info;
static MONITORINFOEXA last_monitor_info;
static DEVMODEA display_mode;

BOOL CALLBACK monitor_enum_proc(HMONITOR monitor, HDC, LPRECT rect, LPARAM)
{
    monitor_num++;
    // The first monitor and the one enumerated last are the two whose modes are changed.
    MONITORINFOEXA *info = monitor_num == 1 ? &first_monitor_info : &last_monitor_info;
    info->cbSize = sizeof *info;
    GetMonitorInfoA(monitor, info);

    int left = rect->left;
    int top = rect->top;
    int width = rect->right - rect->left;
    int height = rect->bottom - rect->top;
    trace(TXT_TR_MONITOR, monitor_num, left, top, width, height);
    MonitorArea area = {left, top, width, height};
    if (is_main_monitor(left, top)) {
        trace_line(TXT_TR_MAIN_MONITOR);
        main_area = area;
    } else {
        trace_line(TXT_TR_EXT_MONITOR);
        ext_area = area;
    }
    return TRUE;
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

bool monitor_count_changed(void)
{
    return GetSystemMetrics(SM_CMONITORS) != monitor_num;
}

// Read once, at the first set-up: the settings are read at start only.
static DisplayMatch read_match(void)
{
    char value[TEXT_LEN];
    DisplayMatch match = MATCH_RESOLUTION;
    read_setting(TXT_SECTION_DISPLAY, TXT_KEY_MATCH, value);
    if (!read_display_match(value, &match))
        trace(TXT_TR_MATCH_UNREADABLE, value);
    return match;
}

// Where the main monitor's picture lands on the external one, and the trace that names it.
static void set_mapping(DisplayMatch match)
{
    ScreenRect whole_main = {main_area.x, main_area.y, main_area.x + main_area.width, main_area.y + main_area.height};
    main_to_ext = match == MATCH_SCALE ? fitted(whole_main, main_area, ext_area) : one_to_one(main_area, ext_area);
    trace(TXT_TR_MATCH, match == MATCH_SCALE ? TXT_MATCH_SCALE : TXT_MATCH_RESOLUTION, main_to_ext.scale);
}

void setup_displays(void)
{
    static bool match_read;
    static DisplayMatch match;
    if (!match_read)
        match = read_match();
    match_read = true;
    monitor_num = 0;
    EnumDisplayMonitors(NULL, NULL, monitor_enum_proc, 0);
    trace(TXT_TR_MONITOR_COUNT, monitor_num);

    if (monitor_num == 1) {
        MessageBoxA(hwChecklist, TXT_BOX_NO_EXTERNAL, TXT_BOX_CAPTION, MB_OK | MB_ICONWARNING);
        ext_area = off_screen_area(main_area);
    }

    memset(&display_mode, 0, sizeof display_mode);
    display_mode.dmSize = sizeof display_mode;
    Resolution common = choose_common_resolution(main_area, ext_area);
    display_mode.dmPelsWidth = (DWORD)common.width;
    display_mode.dmPelsHeight = (DWORD)common.height;
    display_mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;

    if (should_change_display_modes(monitor_num, match)) {
        change_mode(first_monitor_info.szDevice);
        change_mode(last_monitor_info.szDevice);
    }
    set_mapping(match);
}
