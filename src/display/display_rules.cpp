// Monitor roles and the common resolution.
#include "display/display_rules.h"

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

bool should_change_display_modes(int monitor_count)
{
    return monitor_count >= 2;
}
