// A key written as modifiers and one key, read.
#include "controls/hotkey_rules.h"
#include "base/byte_text.h"
#include <string.h>

// The key a part names: F1 to F24, A to Z or 0 to 9; 0 for none.
static unsigned key_of(const char *part)
{
    enum { VK_F1_CODE = 0x70 };
    size_t length = strlen(part);
    if (length == 1 && ((part[0] >= '0' && part[0] <= '9') || (ascii_upper(part[0]) >= 'A' && ascii_upper(part[0]) <= 'Z')))
        return (unsigned char)ascii_upper(part[0]);
    if ((length == 2 || length == 3) && ascii_upper(part[0]) == 'F' && part[1] >= '1' && part[1] <= '9') {
        unsigned n = (unsigned)(part[1] - '0');
        if (length == 3) {
            if (part[2] < '0' || part[2] > '9')
                return 0;
            n = n * 10 + (unsigned)(part[2] - '0');
        }
        return n >= 1 && n <= 24 ? VK_F1_CODE + n - 1 : 0;
    }
    return 0;
}

static unsigned modifier_of(const char *part)
{
    static const struct {
        const char *name;
        unsigned bit;
    } modifiers[] = {{"Ctrl", HOTKEY_CTRL}, {"Alt", HOTKEY_ALT}, {"Shift", HOTKEY_SHIFT}, {"Win", HOTKEY_WIN}};
    for (const auto &m : modifiers)
        if (same_text_ignoring_ascii_case(part, m.name))
            return m.bit;
    return 0;
}

HotKeyReading read_hotkey(const char *value, HotKey *key)
{
    key->modifiers = key->key = 0;
    const char *p = value;
    while (is_blank(*p))
        ++p;
    if (*p == '\0')
        return HOTKEY_OFF;
    for (;;) {
        // One part: up to the next "+" or the end, blanks around it dropped.
        const char *end = p + strcspn(p, "+");
        const char *last = end;
        trim_blanks(p, last);
        char part[8] = "";
        size_t length = last > p ? (size_t)(last - p) : 0;
        if (length == 0 || length >= sizeof part)
            return HOTKEY_UNREADABLE;
        memcpy(part, p, length);
        part[length] = '\0';
        if (*end == '\0') {
            key->key = key_of(part);
            bool typed = key->key < 0x70 && (key->modifiers & (HOTKEY_CTRL | HOTKEY_ALT | HOTKEY_WIN)) == 0;
            return key->key != 0 && !typed ? HOTKEY_SET : HOTKEY_UNREADABLE;
        }
        unsigned modifier = modifier_of(part);
        if (modifier == 0)
            return HOTKEY_UNREADABLE;
        key->modifiers |= modifier;
        p = end + 1;
    }
}
