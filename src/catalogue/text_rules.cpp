// Unsigned byte comparisons, independent of the C library's locale.
#include "catalogue/text_rules.h"

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
