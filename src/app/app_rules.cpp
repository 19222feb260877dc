// The cursor limit, the elapsed time and the presenter's keys.
#include "app/app_rules.h"
#include "base/byte_text.h"
#include <string.h>

static void add_move(CursorMoves &moves, int x, int y)
{
    moves.to[moves.count].x = x;
    moves.to[moves.count].y = y;
    moves.count++;
}

CursorMoves cursor_limit_moves(ScreenPoint pos, int main_width, int main_height)
{
    CursorMoves moves = {};
    if (pos.x < 0)
        add_move(moves, 0, pos.y);
    if (pos.y < 0)
        add_move(moves, pos.x, 0);
    if (pos.x > main_width - 10)
        add_move(moves, main_width - 10, pos.y);
    if (pos.y > main_height - 10)
        add_move(moves, pos.x, main_height - 10);
    return moves;
}

Elapsed elapsed_between(int start_hour, int start_minute, int start_second, int now_hour, int now_minute,
                        int now_second)
{
    Elapsed e;
    int borrow = 0;
    e.seconds = now_second - start_second;
    if (e.seconds < 0) {
        e.seconds += 60;
        borrow = 1;
    }
    e.minutes = now_minute - start_minute - borrow;
    borrow = 0;
    if (e.minutes < 0) {
        e.minutes += 60;
        borrow = 1;
    }
    e.hours = now_hour - start_hour - borrow;
    if (e.hours < 0)
        e.hours += 24;
    return e;
}

static bool is_blank(char c)
{
    return c == ' ' || c == '\t';
}

static char ascii_upper(char c)
{
    return c >= 'a' && c <= 'z' ? (char)(c - 'a' + 'A') : c;
}

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
        while (is_blank(*p) && p < end)
            ++p;
        while (last > p && is_blank(last[-1]))
            --last;
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
