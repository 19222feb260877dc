// Decisions of the application shell that need no platform: the cursor limit, the elapsed
// run time of the trace and the presenter's keys as the settings write them.
#pragma once
#include "base/geometry.h"

// The cursor moves that keep the pointer on the main monitor. The four edge tests all use the
// position as captured, so when two edges are crossed the later move puts the other coordinate
// back; the next iteration finishes the job. Left and top limits are 0; right and bottom keep
// a 10-pixel margin.
struct CursorMoves {
    int count;
    ScreenPoint to[4];
};
CursorMoves cursor_limit_moves(ScreenPoint pos, int main_width, int main_height);

// Run time between two clock readings (hour, minute, second), subtracted with borrow. Only the
// time of day counts: spans of a day or more wrap around.
struct Elapsed {
    int seconds;
    int minutes;
    int hours;
};
Elapsed elapsed_between(int start_hour, int start_minute, int start_second, int now_hour, int now_minute,
                        int now_second);

// A system-wide key as the settings write it: modifiers Ctrl, Alt, Shift and Win, then one key,
// F1 to F24, A to Z or 0 to 9, joined by "+"; case and blanks around the parts do not matter
// ("ctrl + alt + f9"). A letter or digit needs Ctrl, Alt or Win: alone or with Shift it is what
// the user types. The numbers are those the platform's hot keys take.
enum {
    HOTKEY_ALT = 0x1,  // MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN
    HOTKEY_CTRL = 0x2,
    HOTKEY_SHIFT = 0x4,
    HOTKEY_WIN = 0x8
};
struct HotKey {
    unsigned modifiers;
    unsigned key;  // the virtual-key code: VK_F1 (0x70) to VK_F24, 'A' to 'Z', '0' to '9'
};
enum HotKeyReading { HOTKEY_OFF, HOTKEY_SET, HOTKEY_UNREADABLE };

// An empty value turns the key off; a value that is not a key as above is unreadable (and off).
HotKeyReading read_hotkey(const char *value, HotKey *key);
