// The audience's screen: which kind, the window's size, and the surface with its mapping.
#include "display/audience_rules.h"
#include "base/limits.h"
#include "base/settings_rules.h"
#include "base/texts.h"
#include "display/mapping_rules.h"

static bool blank(char c)
{
    return c == ' ' || c == '\t';
}

bool read_audience_setting(const char *value, AudienceKind *kind)
{
    char trimmed[TEXT_LEN];
    int n = 0;
    while (blank(*value))
        ++value;
    for (; *value != '\0' && n < TEXT_LEN - 1; ++value)
        trimmed[n++] = *value;
    while (n > 0 && blank(trimmed[n - 1]))
        --n;
    trimmed[n] = '\0';
    bool window = false;
    bool readable = *value == '\0' && read_either(trimmed, TXT_AUDIENCE_MONITOR, TXT_AUDIENCE_WINDOW, &window);
    *kind = readable && window ? AUDIENCE_WINDOW : AUDIENCE_MONITOR;
    return readable;
}

// A number of at most five digits, blanks around it dropped; false for anything else.
static bool read_number(const char *&p, int *number)
{
    while (blank(*p))
        ++p;
    int digits = 0, n = 0;
    for (; *p >= '0' && *p <= '9'; ++p, ++digits)
        if (digits < 5)
            n = n * 10 + (*p - '0');
    while (blank(*p))
        ++p;
    *number = n;
    return digits > 0 && digits <= 5;
}

bool read_audience_size(const char *value, SurfaceSize *size)
{
    *size = {SURFACE_WIDTH_BY_DEFAULT, SURFACE_HEIGHT_BY_DEFAULT};
    const char *p = value;
    while (blank(*p))
        ++p;
    if (*p == '\0')
        return true;
    int width = 0, height = 0;
    if (!read_number(p, &width) || (*p != 'x' && *p != 'X'))
        return false;
    ++p;
    if (!read_number(p, &height) || *p != '\0')
        return false;
    if (width < SURFACE_MIN_WIDTH || width > SURFACE_MAX_WIDTH || height < SURFACE_MIN_HEIGHT ||
        height > SURFACE_MAX_HEIGHT)
        return false;
    *size = {width, height};
    return true;
}

SurfaceSize surface_size(int client_width, int client_height)
{
    return {client_width > 1 ? client_width : 1, client_height > 1 ? client_height : 1};
}

AudienceScreen audience_screen(AudienceKind kind, bool scale, const MonitorArea &main, const MonitorArea &ext,
                               SurfaceSize client)
{
    AudienceScreen s;
    if (kind == AUDIENCE_WINDOW) {
        SurfaceSize c = surface_size(client.width, client.height);
        s.area = {0, 0, c.width, c.height};
        s.mapping = monitors_mapping(true, main, s.area);
    } else {
        s.area = ext;
        s.mapping = monitors_mapping(scale, main, ext);
    }
    return s;
}
