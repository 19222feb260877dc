// The preview's place and picture, and its status line.
#include "controls/preview_rules.h"
#include "base/dpi_rules.h"
#include "base/settings_rules.h"
#include "base/texts.h"
#include <stdio.h>
#include <string.h>

bool read_preview_setting(const char *value, bool *show)
{
    return read_either(value, TXT_NO, TXT_YES, show);
}

Box preview_place(const MonitorArea &main, const MonitorArea &ext, unsigned dpi, int frame_width, int frame_height)
{
    int width = scale_to_dpi(PREVIEW_WIDTH, dpi);
    int height = ext.width > 0 ? (int)((long long)width * ext.height / ext.width) : width * 3 / 4;
    Box b = {0, main.y, width + frame_width, height + scale_to_dpi(STATUS_HEIGHT, dpi) + frame_height};
    b.x = main.x + main.width - b.width;
    return b;
}

Box preview_picture(int client_width, int client_height, int status_height, const MonitorArea &ext)
{
    int room = client_height - status_height;
    Box p = {0, 0, 0, 0};
    if (client_width <= 0 || room <= 0 || ext.width <= 0 || ext.height <= 0)
        return p;
    // As wide as the client area where that leaves the height room, else as high as the room.
    p.width = client_width;
    p.height = (int)((long long)client_width * ext.height / ext.width);
    if (p.height > room) {
        p.height = room;
        p.width = (int)((long long)room * ext.width / ext.height);
    }
    p.x = (client_width - p.width) / 2;
    p.y = (room - p.height) / 2;
    return p;
}

static int scaled(int v, int from, int to)
{
    return from > 0 ? (int)((long long)v * to / from) : 0;
}

ScreenRect in_picture(const Box &on_ext, const MonitorArea &ext, const Box &picture)
{
    Box cut = box_of(overlap(on_ext, box_of(ext)));
    ScreenRect r = {picture.x + scaled(cut.x - ext.x, ext.width, picture.width),
                    picture.y + scaled(cut.y - ext.y, ext.height, picture.height),
                    picture.x + scaled(cut.x + cut.width - ext.x, ext.width, picture.width),
                    picture.y + scaled(cut.y + cut.height - ext.y, ext.height, picture.height)};
    return r;
}

static int clamp(int v, int low, int high)
{
    return v < low ? low : v > high ? high : v;
}

bool keep_off_external(const Box &window, const MonitorArea &main, const MonitorArea &ext, Box *moved)
{
    ScreenRect on_ext = overlap(window, box_of(ext));
    if (on_ext.right == on_ext.left || on_ext.bottom == on_ext.top)
        return false;
    Box b = window;
    b.width = b.width < main.width ? b.width : main.width;
    b.height = b.height < main.height ? b.height : main.height;
    b.x = clamp(b.x, main.x, main.x + main.width - b.width);
    b.y = clamp(b.y, main.y, main.y + main.height - b.height);
    *moved = b;
    return true;
}

void preview_status(char *out, int size, int monitor_number, const MonitorArea &ext, bool blank, bool spotlight,
                    bool zoom, bool curtain)
{
    if (monitor_number <= 0 && monitor_number != AUDIENCE_IN_WINDOW) {
        snprintf(out, (size_t)size, "%s", TXT_STATUS_NO_EXTERNAL);
        return;
    }
    int n = monitor_number == AUDIENCE_IN_WINDOW
                ? snprintf(out, (size_t)size, TXT_STATUS_AUDIENCE_WINDOW_FMT, ext.width, ext.height)
                : snprintf(out, (size_t)size, TXT_STATUS_MONITOR_FMT, monitor_number, ext.width, ext.height);
    const struct {
        bool on;
        const char *text;
    } modes[] = {{blank, TXT_STATUS_BLANK}, {spotlight, TXT_STATUS_SPOTLIGHT}, {zoom, TXT_STATUS_ZOOM},
                 {curtain, TXT_STATUS_CURTAIN}};
    for (const auto &m : modes)
        if (m.on && n >= 0 && n < size)
            n += snprintf(out + n, (size_t)(size - n), "%s", m.text);
}
