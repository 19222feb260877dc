// The settings path, and values found in the settings file's text.
#include "base/settings_rules.h"
#include "base/byte_text.h"
#include "base/texts.h"
#include <stdio.h>
#include <string.h>

bool build_settings_path(const char *directory, char *out, int out_size)
{
    if (out_size <= 0)
        return false;
    int needed = snprintf(out, (size_t)out_size, TXT_SETTINGS_PATH_FMT, directory, TXT_SETTINGS_FILE);
    if (needed < 0 || needed >= out_size) {
        out[0] = '\0';
        return false;
    }
    return true;
}

// True when [begin, end) holds name, blanks around it aside, without regard to ASCII case.
static bool names(const char *begin, const char *end, const char *name)
{
    trim_blanks(begin, end);
    size_t length = strlen(name);
    if ((size_t)(end - begin) != length)
        return false;
    for (size_t k = 0; k < length; ++k)
        if (ascii_lower(begin[k]) != ascii_lower(name[k]))
            return false;
    return true;
}

bool settings_value(const char *text, const char *section, const char *key, char *out, int out_size)
{
    out[0] = '\0';
    if (strncmp(text, "\xEF\xBB\xBF", 3) == 0)
        text += 3;
    bool in_section = false;
    for (const char *line = text; *line != '\0';) {
        const char *end = line + strcspn(line, "\r\n");
        const char *p = line;
        while (p < end && is_blank(*p))
            ++p;
        if (p < end && *p == '[') {
            const char *close = (const char *)memchr(p, ']', (size_t)(end - p));
            in_section = close != NULL && names(p + 1, close, section);
        } else if (in_section && p < end && *p != ';') {
            const char *equals = (const char *)memchr(p, '=', (size_t)(end - p));
            if (equals != NULL && names(p, equals, key)) {
                const char *v = equals + 1;
                const char *v_end = end;
                trim_blanks(v, v_end);
                int length = (int)(v_end - v);
                if (length >= 2 && v[0] == '"' && v[length - 1] == '"') {
                    ++v;
                    length -= 2;
                }
                if (length > out_size - 1)
                    length = out_size - 1;
                memcpy(out, v, (size_t)length);
                out[length] = '\0';
                return true;
            }
        }
        line = end;
        while (*line == '\r' || *line == '\n')
            ++line;
    }
    return false;
}

bool read_either(const char *value, const char *first, const char *second, bool *is_second)
{
    *is_second = same_text_ignoring_ascii_case(value, second);
    return *is_second || value[0] == '\0' || same_text_ignoring_ascii_case(value, first);
}

void excerpt_for_trace(const char *value, char *out, int out_size)
{
    enum { SHOWN = 40 };
    int n = 0;
    for (const char *p = value; *p != '\0' && n < SHOWN && n < out_size - 4; ++p)
        out[n++] = (unsigned char)*p < 0x20 || *p == 0x7F ? '?' : *p;
    if (value[n] != '\0' && n + 4 <= out_size)
        out[n++] = '.', out[n++] = '.', out[n++] = '.';
    out[n] = '\0';
}
