// Restoring ticks by remembered title after a rebuild.
#include "catalogue/tick_match.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

TEST(TickMatch, FindsTheFirstSlotWithTheSameBytesWithinRange)
{
    char slots[MAX_WINDOWS][TEXT_LEN] = {};
    strcpy(slots[0], " ");                                // unticked
    strcpy(slots[1], "Editor");
    strcpy(slots[2], "editor");
    strcpy(slots[3], "Editor");
    strcpy(slots[4], "Late");
    strcpy(slots[5], "\x83\x5C\x83\x74\x83\x67");        // ソフト, trail byte '\'
    const struct {
        const char *title;
        int slot_count;
        int found;
    } cases[] = {
        {"Editor", 30, 1},
        {"Editor ", 30, -1},
        {"EDITOR", 30, -1},
        {"Late", 4, -1},                                  // only slots 0 .. count - 1
        {"Late", 5, 4},
        {" x", 30, -1},
        {"\x83\x5C\x83\x74\x83\x67", 30, 5},
        {"\x83\x5C\x83\x74", 30, -1},
        {"", 30, -1},                                     // never-ticked slots are empty: no match
    };
    for (const auto &c : cases)
        EXPECT_EQ(remembered_slot(c.title, slots, c.slot_count), c.found) << "'" << c.title << "'";
}

} // namespace
