// The capture method and the thumbnail registrations' steps.
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
