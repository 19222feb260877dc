// Monitor roles, the common resolution and how the monitors are matched.
#include "display/display_rules.h"
#include "base/settings_rules.h"
#include "base/texts.h"

bool is_main_monitor(int left, int top)
{
    return left == 0 && top == 0;
}

Resolution choose_common_resolution(const MonitorArea &main_area, const MonitorArea &ext_area)
{
    const MonitorArea &narrower = main_area.width < ext_area.width ? main_area : ext_area;
    Resolution r = {narrower.width, narrower.height};
    return r;
}

MonitorArea off_screen_area(const MonitorArea &main_area)
{
    MonitorArea a = {-main_area.width, 0, main_area.width, main_area.height};
    return a;
}

bool read_display_match(const char *value, DisplayMatch *match)
{
    bool scale = false;
    bool readable = read_either(value, TXT_MATCH_RESOLUTION, TXT_MATCH_SCALE, &scale);
    *match = scale ? MATCH_SCALE : MATCH_RESOLUTION;
    return readable;
}

bool should_change_display_modes(int monitor_count, DisplayMatch match)
{
    return match == MATCH_RESOLUTION && monitor_count >= 2;
}
