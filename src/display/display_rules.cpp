// Which monitor is which, whether they moved, the common resolution, how the monitors are matched and
// where the main monitor's picture lands on the external one.
#include "display/display_rules.h"
#include "base/byte_text.h"
#include "base/settings_rules.h"
#include "base/texts.h"
#include <string.h>

static bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

static bool is_letter_or_digit(char c)
{
    return is_digit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool read_external_setting(const char *value, ExternalRequest *request)
{
    *request = {};
    request->kind = ExternalRequest::NONE;
    size_t length = strlen(value);
    if (length == 0)
        return true;
    // A number of one or two digits: no desk has more monitors.
    if (length <= 2 && is_digit(value[0]) && (length == 1 || is_digit(value[1]))) {
        int number = length == 1 ? value[0] - '0' : 10 * (value[0] - '0') + (value[1] - '0');
        if (number == 0)
            return false;
        request->kind = ExternalRequest::NUMBER;
        request->number = number;
        return true;
    }
    // A device name as the platform writes it: \\.\ and a name of letters and digits.
    bool device = length > 4 && length < DEVICE_LEN && strncmp(value, "\\\\.\\", 4) == 0;
    for (size_t i = 4; i < length && device; ++i)
        device = is_letter_or_digit(value[i]);
    if (!device)
        return false;
    request->kind = ExternalRequest::DEVICE;
    memcpy(request->device, value, length + 1);
    return true;
}

static int main_monitor(const MonitorFound *monitors, int count)
{
    for (int i = 0; i < count; ++i)
        if (monitors[i].primary)
            return i;
    for (int i = 0; i < count; ++i)
        if (monitors[i].area.x == 0 && monitors[i].area.y == 0)
            return i;
    return count > 0 ? 0 : -1;
}

static int monitor_named(const MonitorFound *monitors, int count, const char *device)
{
    for (int i = 0; i < count && device != NULL && device[0] != '\0'; ++i)
        if (same_text_ignoring_ascii_case(monitors[i].device, device))
            return i;
    return -1;
}

MonitorChoice choose_monitors(const MonitorFound *monitors, int count, const ExternalRequest &setting,
                              const char *picked_device)
{
    MonitorChoice c = {main_monitor(monitors, count), -1, EXTERNAL_NONE, REQUEST_KEPT, false};
    for (int i = 0; i < count; ++i)
        if (i != c.main)
            c.external = i, c.reason = EXTERNAL_LAST_FOUND;
    if (c.external < 0)
        return c;
    int wanted = -1;
    if (setting.kind == ExternalRequest::NUMBER)
        wanted = setting.number >= 1 && setting.number <= count ? setting.number - 1 : -1;
    else if (setting.kind == ExternalRequest::DEVICE)
        wanted = monitor_named(monitors, count, setting.device);
    if (setting.kind != ExternalRequest::NONE)
        c.setting = wanted < 0 ? REQUEST_NO_SUCH_MONITOR : wanted == c.main ? REQUEST_NAMES_MAIN : REQUEST_KEPT;
    if (c.setting == REQUEST_KEPT && wanted >= 0)
        c.external = wanted, c.reason = EXTERNAL_BY_SETTING;
    if (picked_device != NULL && picked_device[0] != '\0') {
        int picked = monitor_named(monitors, count, picked_device);
        c.picked_gone = picked < 0 || picked == c.main;
        if (!c.picked_gone)
            c.external = picked, c.reason = EXTERNAL_PICKED;
    }
    return c;
}

static bool same_area(const MonitorArea &a, const MonitorArea &b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

bool same_arrangement(const MonitorFound *a, int a_count, const MonitorFound *b, int b_count)
{
    if (a_count != b_count)
        return false;
    for (int i = 0; i < a_count; ++i)
        if (!same_area(a[i].area, b[i].area))
            return false;
    return true;
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

bool should_change_display_modes(int monitor_count, DisplayMatch match, bool may_change_modes)
{
    return match == MATCH_RESOLUTION && monitor_count >= 2 && may_change_modes;
}

Mapping one_to_one(const MonitorArea &main, const MonitorArea &ext)
{
    Mapping m = {1.0, (double)ext.x, (double)ext.y, main.x, main.y};
    return m;
}

Mapping fitted(const ScreenRect &shown, const MonitorArea &main, const MonitorArea &ext)
{
    double width = shown.right - shown.left, height = shown.bottom - shown.top;
    if (width <= 0 || height <= 0)
        return one_to_one(main, ext);
    double across = ext.width / width, down = ext.height / height;
    double s = across < down ? across : down;
    // Centred: the bands left over are shared out evenly on both sides.
    Mapping m;
    m.scale = s;
    m.main_x = main.x;
    m.main_y = main.y;
    m.origin_x = ext.x + (ext.width - s * width) / 2 - s * (shown.left - main.x);
    m.origin_y = ext.y + (ext.height - s * height) / 2 - s * (shown.top - main.y);
    return m;
}

// Every coordinate is rounded the same way, half up, so that equal edges stay equal.
static int round_half_up(double v)
{
    double f = (double)(long long)v;
    if (f > v)
        f -= 1;  // the floor for negative values too
    return (int)(v - f >= 0.5 ? f + 1 : f);
}

static int map_x(const Mapping &m, int x)
{
    return round_half_up(m.origin_x + m.scale * (x - m.main_x));
}

static int map_y(const Mapping &m, int y)
{
    return round_half_up(m.origin_y + m.scale * (y - m.main_y));
}

static int unmap_x(const Mapping &m, int x)
{
    return round_half_up(m.main_x + (x - m.origin_x) / m.scale);
}

static int unmap_y(const Mapping &m, int y)
{
    return round_half_up(m.main_y + (y - m.origin_y) / m.scale);
}

ScreenPoint map_point(const Mapping &m, ScreenPoint p)
{
    ScreenPoint q = {map_x(m, p.x), map_y(m, p.y)};
    return q;
}

ScreenRect map_rect(const Mapping &m, const ScreenRect &r)
{
    ScreenRect q = {map_x(m, r.left), map_y(m, r.top), map_x(m, r.right), map_y(m, r.bottom)};
    return q;
}

ScreenPoint unmap_point(const Mapping &m, ScreenPoint p)
{
    ScreenPoint q = {unmap_x(m, p.x), unmap_y(m, p.y)};
    return q;
}

Mapping monitors_mapping(DisplayMatch match, const MonitorArea &main, const MonitorArea &ext)
{
    ScreenRect whole_main = {main.x, main.y, main.x + main.width, main.y + main.height};
    return match == MATCH_SCALE ? fitted(whole_main, main, ext) : one_to_one(main, ext);
}
