// Placement, visibility, clipping, thumbnails and the marker's box.
#include "mirror/mirror_rules.h"
#include "base/byte_text.h"
#include "base/texts.h"

static Box mirror_box(const ScreenRect &target, const MonitorArea &ext)
{
    Box b = {target.left + ext.x, target.top + ext.y, target.right - target.left, target.bottom - target.top};
    return b;
}

static bool same_box(const Box &a, const Box &b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

PlacementPlan plan_placement(const PlacementView *views, int count, bool fore_button_or_none, const MonitorArea &ext)
{
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
        if (v.target_rect_known && v.thumbnail) {
            s.thumbnail = mirror_geometry(v.target_rect, v.visible_bounds, ext);
            s.thumbnail_known = true;
            s.box = s.thumbnail.box;
        } else if (v.target_rect_known) {
            s.box = mirror_box(v.target_rect, ext);
            s.clip = mirror_clip(s.box, ext);
            s.clip_known = true;
        }
        if (v.target_is_foreground) {
            if (v.target_rect_known)
                s.action = MIRROR_PLACED_UNDER_TARGET;
        } else if (fore_button_or_none) {
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
        s.action = v.blank ? MIRROR_HIDE : MIRROR_SHOW;
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

MirrorGeometry mirror_geometry(const ScreenRect &window_rect, const ScreenRect &visible_bounds,
                                     const MonitorArea &ext)
{
    Box whole = mirror_box(visible_bounds, ext);
    MirrorClip cut = mirror_clip(whole, ext);
    const ScreenRect &p = cut.part;
    MirrorGeometry g;
    g.box = {whole.x + p.left, whole.y + p.top, p.right - p.left, p.bottom - p.top};
    g.empty = g.box.width <= 0 || g.box.height <= 0;
    // The visible bounds lie inside the window rectangle, which is where the source's origin is.
    int dx = visible_bounds.left - window_rect.left;
    int dy = visible_bounds.top - window_rect.top;
    g.source = {dx + p.left, dy + p.top, dx + p.right, dy + p.bottom};
    g.destination = {0, 0, g.box.width, g.box.height};
    return g;
}

bool read_mirror_method(const char *value, MirrorMethod *method)
{
    *method = METHOD_AUTO;
    if (value[0] == '\0' || same_text_ignoring_ascii_case(value, TXT_METHOD_AUTO))
        return true;
    if (same_text_ignoring_ascii_case(value, TXT_METHOD_COPY)) {
        *method = METHOD_COPY;
        return true;
    }
    return false;
}

ThumbnailAction plan_thumbnail(const ThumbnailView &v)
{
    if (v.registered)
        return v.thumbnails_on && v.wanted && v.same_target ? THUMBNAIL_KEEP : THUMBNAIL_RELEASE;
    if (!v.thumbnails_on || !v.wanted || (v.refused && v.same_target))
        return THUMBNAIL_KEEP;
    return THUMBNAIL_REGISTER;
}

MarkerOverlay plan_marker_overlay(bool switch_on, bool fore_thumbnail_shown, ScreenPoint cursor,
                                  const MonitorArea &ext, const Box &mirror_box)
{
    MarkerOverlay m = {};
    if (!switch_on || !fore_thumbnail_shown)
        return m;
    Box disc = {cursor.x + ext.x - 10, cursor.y + ext.y - 10, 20, 20};
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

ScreenRect marker_box(bool maximised, bool chrome_class, int x, int y, int normal_left, int normal_top)
{
    int px = maximised ? x : x - normal_left;
    int py = maximised ? y : y - normal_top;
    ScreenRect r;
    if (chrome_class) {
        r.left = px - 10;
        r.top = py - 10;
        r.right = px + 10;
        r.bottom = py + 10;
    } else {
        // Framed mirrors start their client area below the caption: lift the disc to match.
        r.left = px - 20;
        r.top = py - 40;
        r.right = px;
        r.bottom = py - 20;
    }
    return r;
}

bool takes_owner_chrome(const char *class_name)
{
    return same_text(class_name, TXT_CHROME_CLASS);
}

bool takes_owner_mozilla(const char *class_name)
{
    return same_text(class_name, TXT_OWNER_CLASS_MOZILLA);
}
