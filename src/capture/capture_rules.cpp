// The capture method, the thumbnail registrations' steps and the part a copy takes.
#include "capture/capture_rules.h"
#include "base/settings_rules.h"
#include "base/texts.h"

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

CopyPart copy_part(const ScreenRect &mirror_rect, const ScreenRect &target_rect, bool scaled,
                   const MonitorArea &main)
{
    int mirror_width = mirror_rect.right - mirror_rect.left, mirror_height = mirror_rect.bottom - mirror_rect.top;
    if (scaled) {
        CopyPart whole = {{0, 0, target_rect.right - target_rect.left, target_rect.bottom - target_rect.top},
                          mirror_width, mirror_height};
        return whole;
    }
    int width = main.width < mirror_width ? main.width : mirror_width;
    int height = main.height < mirror_height ? main.height : mirror_height;
    CopyPart corner = {{0, 0, width, height}, width, height};
    return corner;
}

bool copy_stretches(const CopyPart &c)
{
    return c.part.right - c.part.left != c.width || c.part.bottom - c.part.top != c.height;
}
