// Whether the wallpaper shows, its picture's size, the curtain, the turns of rectangle reads, and the windows
// of others on the external monitor.
#include "backdrop/backdrop_rules.h"
#include "base/settings_rules.h"
#include "base/texts.h"

PictureSize wallpaper_picture_size(int monitor_width)
{
    PictureSize s = {monitor_width, (int)(monitor_width / 1280.0 * 700.0)};
    return s;
}

bool wallpaper_shows(bool switch_on, bool blank, bool spotlight, bool zoom)
{
    return switch_on || blank || spotlight || zoom;
}

bool read_curtain_setting(const char *value, bool *on)
{
    return read_either(value, TXT_NO, TXT_YES, on);
}

bool lies_on(const ScreenRect &window, const MonitorArea &monitor)
{
    return window.left < monitor.x + monitor.width && monitor.x < window.right &&
           window.top < monitor.y + monitor.height && monitor.y < window.bottom;
}

static bool listed_in(WindowId window, const WindowId *windows, int count)
{
    for (int i = 0; i < count; ++i)
        if (windows[i] == window)
            return true;
    return false;
}

bool curtain_holds(const AboveWallpaper *above, int above_count, const WindowId *ours_bottom_up, int ours_count)
{
    int next = ours_count - 1;  // the audience's window that should come next, front to back
    for (int i = 0; i < above_count; ++i) {
        const AboveWallpaper &w = above[i];
        if (!w.ours && w.on_external)
            return false;
        if (!w.ours || !listed_in(w.window, ours_bottom_up, ours_count))
            continue;
        if (next < 0 || ours_bottom_up[next] != w.window)
            return false;
        --next;
    }
    return next < 0;
}

static int turn_from(int turn_start, int count)
{
    return turn_start >= 0 && turn_start < count ? turn_start : 0;
}

bool read_in_turn(int index, int turn_start, int count)
{
    return index >= 0 && index < count && (index - turn_from(turn_start, count) + count) % count < RECTS_PER_PASS;
}

int next_turn_start(int turn_start, int count)
{
    return count > 0 ? (turn_from(turn_start, count) + RECTS_PER_PASS) % count : 0;
}

int follow_windows_on_external(const ExternalLook *looks, int count, const WindowId *on_before, int before_count,
                               WindowId *on_now, bool *named)
{
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const ExternalLook &w = looks[i];
        bool lay = listed_in(w.window, on_before, before_count);
        bool lies = w.theirs && (w.looked ? w.lies : lay);
        named[i] = lies && !lay;
        if (lies)
            on_now[n++] = w.window;
    }
    return n;
}
