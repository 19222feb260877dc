// The main-to-external mapping, and a window's part cut to the external monitor.
#include "display/mapping_rules.h"

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

static double clamped(double v, double low, double high)
{
    return v < low ? low : v > high ? high : v;
}

Mapping zoomed(const Mapping &base, const MonitorArea &main, ScreenPoint pointer, double factor)
{
    double width = main.width / factor, height = main.height / factor;
    double left = clamped(pointer.x - width / 2, main.x, main.x + main.width - width);
    double top = clamped(pointer.y - height / 2, main.y, main.y + main.height - height);
    // The region's top left lands where the main monitor's does; the mapping's own origin is a whole pixel of
    // the main monitor, and the rest of the region's place goes into where it lands.
    Mapping m;
    m.scale = base.scale * factor;
    m.main_x = (int)left;
    m.main_y = (int)top;
    m.origin_x = base.origin_x + base.scale * (main.x - base.main_x) - m.scale * (left - m.main_x);
    m.origin_y = base.origin_y + base.scale * (main.y - base.main_y) - m.scale * (top - m.main_y);
    return m;
}

bool read_zoom_factor(const char *value, double *factor)
{
    *factor = ZOOM_BY_DEFAULT;
    if (value[0] == '\0')
        return true;
    // Digits with at most one point between them, nothing else (no sign, no comma, no exponent), read as a whole
    // number of the last place, so that the limits compare exactly.
    long long whole = 0, place = 1;
    int digits = 0;
    bool point = false;
    for (const char *p = value; *p != '\0'; ++p) {
        if (*p == '.' && !point && digits > 0) {
            point = true;
            continue;
        }
        if (*p < '0' || *p > '9' || ++digits > 9)
            return false;
        whole = whole * 10 + (*p - '0');
        place *= point ? 10 : 1;
    }
    if ((point && place == 1) || whole * 100 < 125 * place || whole > 8 * place)
        return false;
    *factor = (double)whole / (double)place;
    return true;
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

Mapping monitors_mapping(bool scale, const MonitorArea &main, const MonitorArea &ext)
{
    ScreenRect whole_main = {main.x, main.y, main.x + main.width, main.y + main.height};
    return scale ? fitted(whole_main, main, ext) : one_to_one(main, ext);
}

MirrorClip mirror_clip(const Box &box, const MonitorArea &ext)
{
    ScreenRect seen = overlap(box, ext);
    MirrorClip c;
    c.whole = same_box(box_of(seen), box);
    c.part = {seen.left - box.x, seen.top - box.y, seen.right - box.x, seen.bottom - box.y};
    return c;
}

MirrorGeometry mirror_geometry(const ScreenRect &window_rect, const ScreenRect &visible_bounds, const MonitorArea &ext,
                               const Mapping &mapping)
{
    ScreenRect mapped = map_rect(mapping, visible_bounds);
    Box whole = {mapped.left, mapped.top, mapped.right - mapped.left, mapped.bottom - mapped.top};
    MirrorClip cut = mirror_clip(whole, ext);
    const ScreenRect &p = cut.part;
    MirrorGeometry g;
    g.box = {whole.x + p.left, whole.y + p.top, p.right - p.left, p.bottom - p.top};
    g.empty = g.box.width <= 0 || g.box.height <= 0;
    // The source is the part of the window that lands in the box: an edge that was not cut is the
    // visible bounds' own, exactly; a cut edge is taken back through the mapping. The visible bounds
    // lie inside the window rectangle, which is where the source's origin is.
    ScreenRect in_main = visible_bounds;
    ScreenPoint top_left = unmap_point(mapping, {g.box.x, g.box.y});
    ScreenPoint bottom_right = unmap_point(mapping, {g.box.x + g.box.width, g.box.y + g.box.height});
    if (p.left > 0)
        in_main.left = top_left.x;
    if (p.top > 0)
        in_main.top = top_left.y;
    if (p.right < whole.width)
        in_main.right = bottom_right.x;
    if (p.bottom < whole.height)
        in_main.bottom = bottom_right.y;
    g.source = {in_main.left - window_rect.left, in_main.top - window_rect.top, in_main.right - window_rect.left,
                in_main.bottom - window_rect.top};
    g.destination = {0, 0, g.box.width, g.box.height};
    return g;
}
