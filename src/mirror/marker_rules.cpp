// Where the red disc goes, over a thumbnail and in a copy.
#include "mirror/marker_rules.h"
#include "base/byte_text.h"
#include "base/texts.h"
#include "display/mapping_rules.h"

// A disc of this size centred on a point.
static ScreenRect disc_around(int x, int y, int size)
{
    ScreenRect r = {x - size / 2, y - size / 2, x - size / 2 + size, y - size / 2 + size};
    return r;
}

MarkerOverlay plan_marker_overlay(bool switch_on, bool fore_thumbnail_shown, ScreenPoint cursor,
                                  const Mapping &mapping, const Box &mirror_box, int disc_size)
{
    MarkerOverlay m = {};
    if (!switch_on || !fore_thumbnail_shown)
        return m;
    ScreenPoint at = map_point(mapping, cursor);
    ScreenRect around = disc_around(at.x, at.y, disc_size);
    Box disc = {around.left, around.top, disc_size, disc_size};
    ScreenRect seen = overlap(disc, mirror_box);
    if (seen.right == seen.left || seen.bottom == seen.top)
        return m;
    m.shown = true;
    m.box = box_of(seen);
    m.disc = {disc.x - seen.left, disc.y - seen.top, disc.x - seen.left + disc.width, disc.y - seen.top + disc.height};
    return m;
}

bool is_chrome_class(const char *class_name)
{
    return contains_bytes(class_name, TXT_CHROME_CLASS);
}

ScreenRect marker_box(const Mapping &m, bool maximised, bool chrome_class, ScreenPoint cursor,
                      ScreenPoint normal_origin, ScreenPoint client_origin, int disc_size)
{
    if (m.scale != 1.0) {
        ScreenPoint at = map_point(m, cursor);
        return disc_around(at.x - client_origin.x, at.y - client_origin.y, disc_size);
    }
    int px = maximised ? cursor.x : cursor.x - normal_origin.x;
    int py = maximised ? cursor.y : cursor.y - normal_origin.y;
    // Framed mirrors start their client area below the caption: lift the disc to match.
    return chrome_class ? disc_around(px, py, disc_size) : disc_around(px - 10, py - 30, disc_size);
}
