// The preview's place and picture, its status line, and the parts of the external monitor it reads.
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
    Box cut = box_of(overlap(on_ext, ext));
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
    ScreenRect on_ext = overlap(window, ext);
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

bool same_modes(const PreviewScene &a, const PreviewScene &b)
{
    return same_box(a.ext, b.ext) && a.blank == b.blank && a.spotlight == b.spotlight &&
           a.zoom == b.zoom && a.curtain == b.curtain && a.wallpaper == b.wallpaper &&
           a.not_responding == b.not_responding;
}

bool same_scene(const PreviewScene &a, const PreviewScene &b)
{
    if (!same_modes(a, b) || a.place_count != b.place_count)
        return false;
    for (int i = 0; i < a.place_count && i < PREVIEW_MOST_PLACES; ++i)
        if (!same_box(a.places[i], b.places[i]))
            return false;
    return true;
}

PreviewRead plan_preview_read(const PreviewScene &before, const PreviewScene &now, const PreviewClock &clock)
{
    PreviewRead read = {};
    read.whole = !clock.have_picture || !same_scene(before, now) || clock.since_change_ms < PREVIEW_SETTLE_MS ||
                 clock.since_whole_ms >= PREVIEW_WHOLE_EVERY_MS || now.place_count > PREVIEW_MOST_PLACES;
    if (read.whole)
        return read;
    long long area = 0;
    for (int i = 0; i < now.place_count; ++i) {
        Box cut = box_of(overlap(now.places[i], now.ext));
        if (cut.width == 0 || cut.height == 0)
            continue;
        read.boxes[read.count++] = cut;
        area += (long long)cut.width * cut.height;
    }
    if (2 * area >= (long long)now.ext.width * now.ext.height) {
        read.whole = true;
        read.count = 0;
    }
    return read;
}
