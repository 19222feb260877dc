// Placement, visibility, clipping, thumbnails, the marker's box and the spotlight.
#include "mirror/mirror_rules.h"
#include "base/byte_text.h"
#include "base/settings_rules.h"
#include "base/texts.h"

static Box mirror_box(const ScreenRect &target, const Mapping &mapping)
{
    ScreenRect r = map_rect(mapping, target);
    Box b = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    return b;
}

static bool same_box(const Box &a, const Box &b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

PlacementPlan plan_placement(const PlacementView *views, int count, bool fore_button_or_none, const Screens &screens,
                             bool curtain)
{
    const MonitorArea &ext = screens.ext;
    PlacementPlan plan = {};
    plan.fore_index = -1;
    plan.face = FACE_UNCHANGED;
    for (int i = 0; i < count && i < MAX_WINDOWS; ++i) {
        const PlacementView &v = views[i];
        PlacementStep &s = plan.steps[i];
        s.action = MIRROR_LEFT_ALONE;
        // A minimised target's mirror is hidden by the visibility pass; this one leaves it be.
        if (!v.has_mirror || v.target_minimised)
            continue;
        if (v.target_is_foreground) {
            plan.fore_index = i;
            plan.face = v.shown ? FACE_MIRRORED : FACE_NOT_MIRRORED;
        }
        // An unticked entry's mirror is hidden: it needs no place until it is ticked, and is placed
        // in the pass that follows the tick, before it shows.
        if (!v.ticked)
            continue;
        // In the spotlight, what the audience would see of the window fills their screen.
        s.mapping = screens.mapping;
        if (v.spotlit && v.target_rect_known)
            s.mapping = fitted(v.thumbnail ? v.visible_bounds : v.target_rect, screens.main, ext);
        if (v.target_rect_known && v.thumbnail) {
            s.thumbnail = mirror_geometry(v.target_rect, v.visible_bounds, ext, s.mapping);
            s.thumbnail_known = true;
            s.box = s.thumbnail.box;
        } else if (v.target_rect_known) {
            s.box = mirror_box(v.target_rect, s.mapping);
            s.clip = mirror_clip(s.box, ext);
            s.clip_known = true;
        }
        if (v.target_is_foreground && !curtain) {
            if (v.target_rect_known)
                s.action = MIRROR_PLACED_UNDER_TARGET;
        } else if (fore_button_or_none && !v.target_is_foreground) {
            s.clip_known = s.thumbnail_known = false;
        } else if (v.target_rect_known && !(v.mirror_placed && same_box(v.mirror_box, s.box))) {
            // Moving a window to where it was last put changes nothing on the screen but costs a
            // full round of position messages.
            s.action = MIRROR_MOVED;
        }
    }
    return plan;
}

VisibilityStep plan_visibility(const VisibilityView &v)
{
    VisibilityStep s = {MIRROR_KEPT, -1};
    // An unticked entry's mirror is hidden whatever its target does: the target is not looked at.
    if (!v.ticked) {
        if (v.has_mirror) {
            s.action = MIRROR_HIDE;
            s.shown = 0;
        }
        return s;
    }
    // A target that has closed since the last rebuild has nothing left to show: its mirror
    // would keep the closed window's last picture on the external monitor.
    if (v.target_gone) {
        if (v.has_mirror)
            s.action = MIRROR_HIDE;
        return s;
    }
    if (!v.has_mirror) {
        s.action = MIRROR_MISSING;
        return s;
    }
    if (!v.target_minimised) {
        s.action = v.blank || v.outside_spotlight ? MIRROR_HIDE : MIRROR_SHOW;
        s.shown = 1;
        return s;
    }
    // A minimised window in front parks the button: the button's own pass sees to that.
    s.action = MIRROR_HIDE;
    s.shown = 0;
    return s;
}

static int max_of(int a, int b)
{
    return a > b ? a : b;
}

static int min_of(int a, int b)
{
    return a < b ? a : b;
}

MirrorClip mirror_clip(const Box &box, const MonitorArea &ext)
{
    MirrorClip c = {};
    int left = max_of(box.x, ext.x);
    int top = max_of(box.y, ext.y);
    int right = min_of(box.x + box.width, ext.x + ext.width);
    int bottom = min_of(box.y + box.height, ext.y + ext.height);
    c.whole = left == box.x && top == box.y && right == box.x + box.width && bottom == box.y + box.height;
    if (right < left)
        right = left;
    if (bottom < top)
        bottom = top;
    c.part.left = left - box.x;
    c.part.top = top - box.y;
    c.part.right = right - box.x;
    c.part.bottom = bottom - box.y;
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

bool read_mirror_method(const char *value, MirrorMethod *method)
{
    bool copy = false;
    bool readable = read_either(value, TXT_METHOD_AUTO, TXT_METHOD_COPY, &copy);
    *method = copy ? METHOD_COPY : METHOD_AUTO;
    return readable;
}

ThumbnailAction plan_thumbnail(const ThumbnailView &v)
{
    if (v.registered)
        return v.thumbnails_on && v.wanted && v.same_target ? THUMBNAIL_KEEP : THUMBNAIL_RELEASE;
    if (!v.thumbnails_on || !v.wanted || (v.refused && v.same_target))
        return THUMBNAIL_KEEP;
    return THUMBNAIL_REGISTER;
}

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
    int left = max_of(disc.x, mirror_box.x);
    int top = max_of(disc.y, mirror_box.y);
    int right = min_of(disc.x + disc.width, mirror_box.x + mirror_box.width);
    int bottom = min_of(disc.y + disc.height, mirror_box.y + mirror_box.height);
    if (right <= left || bottom <= top)
        return m;
    m.shown = true;
    m.box = {left, top, right - left, bottom - top};
    m.disc = {disc.x - left, disc.y - top, disc.x - left + disc.width, disc.y - top + disc.height};
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

bool takes_owner_chrome(const char *class_name)
{
    return same_text(class_name, TXT_CHROME_CLASS);
}

bool takes_owner_mozilla(const char *class_name)
{
    return same_text(class_name, TXT_OWNER_CLASS_MOZILLA);
}

SpotlightPress press_spotlight(bool on, bool front_mirrored)
{
    if (on)
        return SPOTLIGHT_ENDS;
    return front_mirrored ? SPOTLIGHT_STARTS : SPOTLIGHT_REFUSED;
}

bool spotlight_holds(bool listed, bool ticked, bool minimised)
{
    return listed && ticked && !minimised;
}
