// Finds the main and the external monitor and gives both one common resolution.
#include "display/displays.h"
#include "base/state.h"
#include "base/texts.h"
#include "base/trace.h"
#include "display/display_rules.h"
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

void setup_displays(void)
{
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

    if (!should_change_display_modes(monitor_num))
        return;
    change_mode(first_monitor_info.szDevice);
    change_mode(last_monitor_info.szDevice);
}
