// Thumbnail registrations, the compositor's functions found at run time, one registration per mirror
// with its properties set only when they change; and the copy.
#include "capture/capture.h"
#include "base/compositor.h"
#include "base/limits.h"
#include "base/platform.h"
#include "base/settings.h"
#include "base/texts.h"
#include "base/trace.h"
#include <dwmapi.h>

typedef HRESULT(WINAPI *RegisterFn)(HWND, HWND, PHTHUMBNAIL);
typedef HRESULT(WINAPI *UpdateFn)(HTHUMBNAIL, const DWM_THUMBNAIL_PROPERTIES *);
typedef HRESULT(WINAPI *UnregisterFn)(HTHUMBNAIL);

// The benchmark's trade of sharpness and cost: HALFTONE averaged its copies twice as faithfully but
// cost two and a half times as much (README, "Measure it"); the copy is the fallback to thumbnails.
enum { STRETCH_MODE = COLORONCOLOR };

static RegisterFn register_thumbnail;
static UpdateFn update_thumbnail;
static UnregisterFn unregister_thumbnail;
static bool thumbnails_on;

// Registrations are kept by mirror: a pop-up mirror's source changes from one pass to the next.
struct Registration {
    HWND mirror;             // null for a free slot
    HTHUMBNAIL id;           // null while none is live
    HWND target;             // the source it was made for, or last refused for
    MirrorGeometry geometry;
    MirrorGeometry told_geometry;  // what the compositor was last told, with told_visible
    bool told;
    bool told_visible;
    bool fallback_traced;    // once per mirror for the whole run
    bool refused;
    bool shown;
    bool geometry_known;
};
static Registration registrations[MAX_WINDOWS + MAX_POPUPS];  // one per mirror of either kind

// The mirror's slot; a mirror seen for the first time takes a free one. There are never more
// mirrors than slots.
static Registration &slot_of(const HWND__ *mirror)
{
    for (Registration &r : registrations)
        if (r.mirror == mirror)
            return r;
    for (Registration &r : registrations) {
        if (r.mirror == NULL) {
            r.mirror = (HWND)mirror;
            return r;
        }
    }
    return registrations[0];
}

void start_capture(void)
{
    MirrorMethod method = METHOD_AUTO;
    read_setting_with(TXT_SECTION_MIRROR, TXT_KEY_METHOD, read_mirror_method, &method, TXT_TR_METHOD_UNREADABLE);
    if (method == METHOD_COPY) {
        trace(TXT_TR_METHOD, TXT_METHOD_COPY);
        return;
    }
    HMODULE compositor = compositor_module();
    if (compositor != NULL) {
        register_thumbnail = function_in<RegisterFn>(compositor, "DwmRegisterThumbnail");
        update_thumbnail = function_in<UpdateFn>(compositor, "DwmUpdateThumbnailProperties");
        unregister_thumbnail = function_in<UnregisterFn>(compositor, "DwmUnregisterThumbnail");
    }
    thumbnails_on = register_thumbnail != NULL && update_thumbnail != NULL && unregister_thumbnail != NULL;
    if (thumbnails_on)
        trace(TXT_TR_METHOD, TXT_METHOD_AUTO);
    else
        trace_line(TXT_TR_METHOD_NO_COMPOSITOR);
}

static void release(Registration &r)
{
    unregister_thumbnail(r.id);
    Registration kept = {};
    kept.mirror = r.mirror;
    kept.fallback_traced = r.fallback_traced;
    r = kept;
}

static void try_register(Registration &r, HWND source, CaptureChange &change)
{
    HTHUMBNAIL id = NULL;
    // A thumbnail is drawn into a top-level window: a mirror that is a child has it drawn into its top-level
    // window, at the mirror's place there.
    HRESULT result = register_thumbnail(GetAncestor(r.mirror, GA_ROOT), source, &id);
    r.target = source;
    r.refused = FAILED(result) || id == NULL;
    if (!r.refused) {
        r.id = id;
        return;
    }
    change.refused = !r.fallback_traced;
    change.result = (unsigned long)result;
    r.fallback_traced = true;
}

CaptureChange capture_follows(HWND mirror, HWND source)
{
    CaptureChange change = {false, false, 0};
    if (mirror == NULL)
        return change;
    Registration &r = slot_of(mirror);
    bool had_thumbnail = r.id != NULL;
    // A release may leave the mirror wanting a thumbnail of its new source: then one more step.
    for (int step = 0; step < 2; ++step) {
        ThumbnailView v = {thumbnails_on, source != NULL, r.id != NULL, r.target == source, r.refused};
        ThumbnailAction action = plan_thumbnail(v);
        if (action == THUMBNAIL_RELEASE)
            release(r);
        else if (action == THUMBNAIL_REGISTER)
            try_register(r, source, change);
        if (action != THUMBNAIL_RELEASE)
            break;
    }
    change.method_changed = (r.id != NULL) != had_thumbnail;
    return change;
}

bool shows_thumbnail(HWND mirror)
{
    return mirror != NULL && slot_of(mirror).id != NULL;
}

ScreenRect visible_bounds_of(HWND window, const ScreenRect &window_rect)
{
    ScreenRect bounds;
    return extended_frame_bounds(window, &bounds) ? bounds : window_rect;
}

// Tells the compositor what to draw where, and whether, when any of it changed. Nothing is
// drawn until the first call: a registration starts invisible.
static void apply(Registration &r)
{
    if (r.id == NULL || !r.geometry_known)
        return;
    MirrorGeometry g = r.geometry;
    HWND root = GetAncestor(r.mirror, GA_ROOT);
    if (root != NULL && root != r.mirror) {
        POINT at = {0, 0};
        MapWindowPoints(r.mirror, root, &at, 1);
        g.destination = {g.destination.left + at.x, g.destination.top + at.y, g.destination.right + at.x,
                         g.destination.bottom + at.y};
    }
    bool visible = r.shown && !g.empty;
    if (r.told && same_rect(g.destination, r.told_geometry.destination) && same_rect(g.source, r.told_geometry.source) &&
        visible == r.told_visible)
        return;
    DWM_THUMBNAIL_PROPERTIES p = {};
    p.dwFlags = DWM_TNP_RECTDESTINATION | DWM_TNP_RECTSOURCE | DWM_TNP_OPACITY | DWM_TNP_VISIBLE |
                DWM_TNP_SOURCECLIENTAREAONLY;
    p.rcDestination = {g.destination.left, g.destination.top, g.destination.right, g.destination.bottom};
    p.rcSource = {g.source.left, g.source.top, g.source.right, g.source.bottom};
    p.opacity = 255;
    p.fVisible = visible;
    p.fSourceClientAreaOnly = FALSE;
    if (SUCCEEDED(update_thumbnail(r.id, &p))) {
        r.told = true;
        r.told_geometry = g;
        r.told_visible = visible;
    }
}

void set_thumbnail_geometry(HWND mirror, const MirrorGeometry &geometry)
{
    Registration &r = slot_of(mirror);
    r.geometry = geometry;
    r.geometry_known = true;
    apply(r);
}

void set_thumbnail_shown(HWND mirror, bool shown)
{
    Registration &r = slot_of(mirror);
    r.shown = shown;
    apply(r);
}

void copy_picture(HWND mirror, HWND source, const CopyPart &copy)
{
    HDC mirror_dc = GetWindowDC(mirror);
    copy_picture_into(mirror_dc, source, copy);
    ReleaseDC(mirror, mirror_dc);
}

void copy_picture_into(HDC mirror_dc, HWND source, const CopyPart &copy)
{
    HDC source_dc = GetWindowDC(source);
    const ScreenRect &part = copy.part;
    if (!copy_stretches(copy)) {
        BitBlt(mirror_dc, 0, 0, copy.width, copy.height, source_dc, part.left, part.top, SRCCOPY);
    } else {
        int previous = SetStretchBltMode(mirror_dc, STRETCH_MODE);
        StretchBlt(mirror_dc, 0, 0, copy.width, copy.height, source_dc, part.left, part.top, part.right - part.left,
                   part.bottom - part.top, SRCCOPY);
        SetStretchBltMode(mirror_dc, previous);
    }
    ReleaseDC(source, source_dc);
}

bool print_thumbnail(HWND mirror, HDC dc)
{
    if (mirror == NULL)
        return false;
    const Registration &r = slot_of(mirror);
    if (r.id == NULL || r.target == NULL)
        return false;
    if (r.geometry_known && r.shown && !r.geometry.empty) {
        const ScreenRect &d = r.geometry.destination;
        int saved = SaveDC(dc);
        OffsetViewportOrgEx(dc, d.left, d.top, NULL);
        copy_picture_into(dc, r.target, {r.geometry.source, d.right - d.left, d.bottom - d.top});
        RestoreDC(dc, saved);
    }
    return true;
}

void release_capture(void)
{
    for (Registration &r : registrations)
        if (r.id != NULL)
            release(r);
}
