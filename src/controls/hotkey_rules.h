// The presenter's keys as the settings write them, on plain values.
#pragma once

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
