// Blanks, ASCII case, unsigned byte comparisons and the UTF-8 test, independent of the C library's locale.
#include "base/byte_text.h"

bool contains_bytes(const char *text, const char *part)
{
    for (const char *start = text;; ++start) {
        const char *t = start;
        const char *p = part;
        while (*p != '\0' && *t == *p) {
            ++t;
            ++p;
        }
        if (*p == '\0')
            return true;
        if (*start == '\0')
            return false;
    }
}

bool same_text(const char *a, const char *b)
{
    return compare_titles(a, b) == 0;
}

bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

void trim_blanks(const char *&begin, const char *&end)
{
    while (begin < end && is_blank(*begin))
        ++begin;
    while (end > begin && is_blank(end[-1]))
        --end;
}

char ascii_lower(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

char ascii_upper(char c)
{
    return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c;
}

bool same_text_ignoring_ascii_case(const char *a, const char *b)
{
    while (*a != '\0' && ascii_lower(*a) == ascii_lower(*b)) {
        ++a;
        ++b;
    }
    return ascii_lower(*a) == ascii_lower(*b);
}

int compare_titles(const char *a, const char *b)
{
    const unsigned char *x = (const unsigned char *)a;
    const unsigned char *y = (const unsigned char *)b;
    while (*x != 0 && *x == *y) {
        ++x;
        ++y;
    }
    return (int)*x - (int)*y;
}

// Length of the UTF-8 sequence that starts with lead, or 0 for a byte that cannot start one.
static int sequence_length(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool is_utf8_beyond_ascii(const char *text)
{
    bool beyond_ascii = false;
    const unsigned char *p = (const unsigned char *)text;
    while (*p != 0) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int length = sequence_length(*p);
        if (length == 0)
            return false;
        for (int k = 1; k < length; ++k)
            if ((p[k] & 0xC0) != 0x80)
                return false;
        // Overlong forms and surrogates are not UTF-8 that an editor writes.
        if ((p[0] == 0xE0 && p[1] < 0xA0) || (p[0] == 0xED && p[1] >= 0xA0) || (p[0] == 0xF0 && p[1] < 0x90) ||
            (p[0] == 0xF4 && p[1] >= 0x90))
            return false;
        beyond_ascii = true;
        p += length;
    }
    return beyond_ascii;
}
