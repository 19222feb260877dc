// Monitor roles, the common resolution and how the monitors are matched.
#include "display/display_rules.h"
#include "base/byte_text.h"
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
    *match = MATCH_RESOLUTION;
    if (value[0] == '\0' || same_text_ignoring_ascii_case(value, TXT_MATCH_RESOLUTION))
        return true;
    if (same_text_ignoring_ascii_case(value, TXT_MATCH_SCALE)) {
        *match = MATCH_SCALE;
        return true;
    }
    return false;
}

bool should_change_display_modes(int monitor_count, DisplayMatch match)
{
    return match == MATCH_RESOLUTION && monitor_count >= 2;
}
