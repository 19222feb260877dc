// Restoring ticks by remembered title after a rebuild.
#include "catalogue/tick_match.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

struct Slots {
    char s[MAX_WINDOWS][TEXT_LEN] = {};
    void set(int i, const char *title) { strcpy(s[i], title); }
};

TEST(TickMatch, FindsTheFirstSlotWithTheSameBytes)
{
    Slots slots;
    slots.set(1, "Editor");
    slots.set(3, "Editor");
    EXPECT_EQ(remembered_slot("Editor", slots.s, 5), 1);
}

TEST(TickMatch, CaseAndTrailingBlanksMatter)
{
    Slots slots;
    slots.set(0, "editor");
    slots.set(1, "Editor ");
    EXPECT_EQ(remembered_slot("Editor", slots.s, 5), -1);
}

TEST(TickMatch, OnlySlotsWithinTheRangeAreConsulted)
{
    Slots slots;
    slots.set(4, "Editor");
    EXPECT_EQ(remembered_slot("Editor", slots.s, 4), -1);
    EXPECT_EQ(remembered_slot("Editor", slots.s, 5), 4);
    slots.set(25, "Late");
    EXPECT_EQ(remembered_slot("Late", slots.s, 25), -1);
}

TEST(TickMatch, UntickedSlotHoldsABlankThatMatchesNoRealTitle)
{
    Slots slots;
    slots.set(0, " ");
    EXPECT_EQ(remembered_slot("Editor", slots.s, 1), -1);
}

TEST(TickMatch, EmptyTitleMatchesNoSlot)
{
    // Never-ticked slots are empty; a vanished window's title is empty too.
    Slots slots;
    EXPECT_EQ(remembered_slot("", slots.s, 30), -1);
}

TEST(TickMatch, DoubleByteTitlesMatchByteForByte)
{
    Slots slots;
    slots.set(2, "\x83\x5C\x83\x74\x83\x67");
    EXPECT_EQ(remembered_slot("\x83\x5C\x83\x74\x83\x67", slots.s, 3), 2);
    EXPECT_EQ(remembered_slot("\x83\x5C\x83\x74", slots.s, 3), -1);
}

} // namespace
