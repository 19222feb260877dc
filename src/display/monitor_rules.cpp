// Which monitor is which, whether they moved, the common resolution, how the monitors are matched, and the
// set-up's sequence.
#include "display/monitor_rules.h"
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

bool same_arrangement(const MonitorFound *a, int a_count, const MonitorFound *b, int b_count)
{
    if (a_count != b_count)
        return false;
    for (int i = 0; i < a_count; ++i)
        if (!same_box(a[i].area, b[i].area))
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

DisplayChange display_change(const MonitorFound *last, int last_count, const MonitorFound *now, int now_count,
                             bool picked, bool noted)
{
    if (picked || now_count != last_count)
        return DISPLAYS_CAME_OR_WENT;
    if (noted || !same_arrangement(now, now_count, last, last_count))
        return DISPLAYS_MOVED;
    return DISPLAYS_SAME;
}

bool may_change_modes_after(DisplayChange change)
{
    return change == DISPLAYS_CAME_OR_WENT;
}

static void choose(MonitorSetup *setup, const MonitorRequest &request, const char *picked_device)
{
    MonitorChoice &c = setup->choice;
    c = choose_monitors(setup->monitors, setup->count, request.external, picked_device);
    if (c.main >= 0)
        setup->main_area = setup->monitors[c.main].area;
    setup->ext_area = c.external >= 0 ? setup->monitors[c.external].area : off_screen_area(setup->main_area);
}

void set_up_monitors(const MonitorPlatform &platform, const MonitorRequest &request, MonitorSetup *setup)
{
    setup->count = platform.enumerate(setup->monitors, platform.context);
    choose(setup, request, request.picked_device);
    platform.found(setup->monitors, setup->count, setup->choice, platform.context);
    if (!should_change_display_modes(setup->count, request.match, request.may_change_modes) || setup->choice.external < 0)
        return;
    // The devices' names are copied: the enumeration again writes over them.
    char main_device[DEVICE_LEN], ext_device[DEVICE_LEN];
    memcpy(main_device, setup->monitors[setup->choice.main].device, DEVICE_LEN);
    memcpy(ext_device, setup->monitors[setup->choice.external].device, DEVICE_LEN);
    bool picked_gone = setup->choice.picked_gone;
    Resolution common = choose_common_resolution(setup->main_area, setup->ext_area);
    platform.change_mode(main_device, common, platform.context);
    platform.change_mode(ext_device, common, platform.context);
    setup->count = platform.enumerate(setup->monitors, platform.context);
    choose(setup, request, picked_gone ? "" : request.picked_device);
    setup->choice.picked_gone = picked_gone;
}
