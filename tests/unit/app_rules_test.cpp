// The shell's rules: the cases no end-to-end run meets (a clock crossing a minute or midnight,
// every way of writing a key).
#include "app/app_rules.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(Elapsed, BorrowsAcrossMinutesHoursAndMidnight)
{
    const struct {
        int start[3], now[3], seconds, minutes, hours;
    } cases[] = {
        {{10, 0, 0}, {11, 2, 3}, 3, 2, 1},
        {{10, 59, 30}, {11, 0, 10}, 40, 0, 0},
        {{23, 59, 50}, {0, 0, 5}, 15, 0, 0},
    };
    for (const auto &c : cases) {
        Elapsed e = elapsed_between(c.start[0], c.start[1], c.start[2], c.now[0], c.now[1], c.now[2]);
        EXPECT_EQ((std::vector<int>{e.seconds, e.minutes, e.hours}), (std::vector<int>{c.seconds, c.minutes, c.hours}));
    }
}

TEST(HotKeys, ModifiersKeysBlanksCaseAndWhatCannotBeRead)
{
    const struct {
        const char *value;
        HotKeyReading reading;
        unsigned modifiers, key;
    } cases[] = {
        {"Ctrl+Alt+F9", HOTKEY_SET, HOTKEY_CTRL | HOTKEY_ALT, 0x78},
        {" shift + WIN + f1 ", HOTKEY_SET, HOTKEY_SHIFT | HOTKEY_WIN, 0x70},
        {"F24", HOTKEY_SET, 0, 0x87},
        {"Alt+a", HOTKEY_SET, HOTKEY_ALT, 'A'},
        {"Ctrl+Z", HOTKEY_SET, HOTKEY_CTRL, 'Z'},
        {"Win+0", HOTKEY_SET, HOTKEY_WIN, '0'},
        {"Ctrl+Shift+9", HOTKEY_SET, HOTKEY_CTRL | HOTKEY_SHIFT, '9'},
        {"", HOTKEY_OFF, 0, 0},
        {"F25", HOTKEY_UNREADABLE, 0, 0},
        {"F0", HOTKEY_UNREADABLE, 0, 0},
        {"Ctrl+Alt", HOTKEY_UNREADABLE, 0, 0},
        {"Ctrl++F9", HOTKEY_UNREADABLE, 0, 0},
        {"Control+F9", HOTKEY_UNREADABLE, 0, 0},
        {"Ctrl+Esc", HOTKEY_UNREADABLE, 0, 0},
        {"Shift+A", HOTKEY_UNREADABLE, 0, 0},  // that is typing
        {"7", HOTKEY_UNREADABLE, 0, 0},
    };
    for (const auto &c : cases) {
        HotKey key;
        HotKeyReading reading = read_hotkey(c.value, &key);
        EXPECT_EQ(reading, c.reading) << c.value;
        if (reading == HOTKEY_SET) {
            EXPECT_EQ((std::vector<unsigned>{key.modifiers, key.key}), (std::vector<unsigned>{c.modifiers, c.key}))
                << c.value;
        }
    }
}

} // namespace
