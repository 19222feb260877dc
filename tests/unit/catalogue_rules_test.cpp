// Picks through ticks and rebuilds in orders no story stages; the desktop's class; asking; title order; rows.
#include "catalogue/catalogue_rules.h"
#include "catalogue/pick_rules.h"
#include "catalogue/responding_rules.h"
#include "rows.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace {

// A desktop for the picks: the rows of the list (window, title), which windows live, the picks.
struct Desk {
    Picks picks{};
    std::vector<std::pair<WindowId, std::string>> rows;
    std::vector<WindowId> gone;

    const bool *alive()
    {
        static bool lives[MAX_WINDOWS];
        for (int j = 0; j < MAX_WINDOWS; ++j)
            lives[j] = picks.slots[j].window != 0 && std::count(gone.begin(), gone.end(), picks.slots[j].window) == 0;
        return lives;
    }
    bool flip(int row) { return flip_pick(picks, row, rows[row].first, rows[row].second.c_str(), alive()); }
    // The list rebuilt into these rows; `appeared` says which windows are new since the last rebuild.
    std::vector<bool> rebuild(const std::vector<std::pair<WindowId, std::string>> &now, std::vector<bool> appeared = {})
    {
        rows = now;
        PickRow r[MAX_WINDOWS];
        for (size_t i = 0; i < rows.size(); ++i)
            r[i] = {rows[i].first, rows[i].second.c_str(), appeared.empty() || appeared[i]};
        restore_picks(picks, r, (int)rows.size(), alive());
        return std::vector<bool>(picks.ticked, picks.ticked + rows.size());
    }
};
typedef std::vector<bool> B;

TEST(Picks, ATickStaysWithItsWindowThroughTicksUnticksAndRebuilds)
{
    Desk d;
    d.rebuild({{1, "Banana"}, {2, "Cherry"}});
    EXPECT_EQ((Ints{d.flip(0), d.flip(1)}), (Ints{true, true}));
    // Apple opens above them: the rows move, both ticks follow their windows.
    EXPECT_EQ(d.rebuild({{3, "Apple"}, {1, "Banana"}, {2, "Cherry"}}, {true, false, false}), (B{false, true, true}));
    // Banana, now in row 1, is unticked: its slot 0 is freed, Cherry's slot 1 is left alone.
    EXPECT_FALSE(d.flip(1));
    EXPECT_EQ(d.rebuild({{3, "Apple"}, {1, "Banana"}, {2, "Cherry"}, {4, "Date"}}, {false, false, false, true}),
              (B{false, false, true, false}));
    EXPECT_EQ(d.rebuild({{3, "Apple"}, {2, "Cherry"}}), (B{false, true}));  // Banana closed
    EXPECT_EQ(d.picks.slots[0].window, 0u);
}

TEST(Picks, ATickMadeWhereAnotherLivingWindowsTickIsRememberedMovesThatTickFirst)
{
    Desk d;
    d.rebuild({{1, "Banana"}, {2, "Cherry"}});
    d.flip(0);  // Banana's tick in slot 0
    d.rebuild({{3, "Apple"}, {1, "Banana"}, {2, "Cherry"}}, {true, false, false});
    d.flip(0);  // Apple ticked in row 0: Banana's tick moves to the first empty slot
    EXPECT_EQ((Ints{(int)d.picks.slots[0].window, (int)d.picks.slots[1].window}), (Ints{3, 1}));
    EXPECT_EQ(d.rebuild({{1, "Banana"}, {2, "Cherry"}, {3, "Apple"}}), (B{true, false, true}));
    // With every slot taken by a living window's tick but one of a window that has gone, that one gives way.
    Desk full;
    for (int j = 0; j < MAX_WINDOWS; ++j)
        full.picks.slots[j] = {"T", WindowId(100 + j)};
    full.gone = {WindowId(120)}, full.rows = {{7, "New"}};
    full.flip(0);
    EXPECT_EQ((Ints{(int)full.picks.slots[0].window, (int)full.picks.slots[20].window}), (Ints{7, 100}));
}

TEST(Picks, ATitleTicksAnotherWindowOnlyAfterItsOwnHasGone)
{
    Desk d;
    d.rebuild({{9, "Doc"}});
    d.flip(0);
    EXPECT_EQ(d.rebuild({{9, "Doc"}, {10, "Doc"}}, {false, true}), (B{true, false}));  // its own window lives
    d.gone = {9};
    // Once: the first new row takes it, and the slot remembers that window from then on.
    EXPECT_EQ(d.rebuild({{10, "Doc"}, {11, "Doc"}}), (B{true, false}));
    EXPECT_EQ(d.picks.slots[0].window, 10u);
    // A window that sat on the desktop all along is not taken for the document opened again.
    d.gone = {9, 10};
    EXPECT_EQ(d.rebuild({{11, "Doc"}}, {false}), (B{false}));
    // Only the first row_count slots are looked up by title; a window's own tick counts in any slot.
    Desk six;
    six.picks.slots[1] = {"Doc", 9}, six.picks.slots[5] = {"B", 2}, six.gone = {9};
    EXPECT_EQ(six.rebuild({{2, "B"}}), (B{true}));
    EXPECT_EQ(six.rebuild({{8, "Doc"}}), (B{false}));
    // An unticked row's slot never ticks anything by title.
    Desk u;
    u.rebuild({{5, "Doc"}});
    u.flip(0), u.flip(0), u.gone = {5};
    EXPECT_EQ(u.rebuild({{6, "Doc"}}), (B{false}));
}

TEST(Classes, TheShellsDesktopWindowsAcrossEveryMonitorAreTheDesktop)
{
    EXPECT_TRUE(class_traits("Progman").desktop && class_traits("WorkerW").desktop);
    EXPECT_FALSE(class_traits("Notepad").desktop || class_traits("Chrome_WidgetWin_1").desktop);
}

TEST(Titles, OneExchangePassUnsignedBytesEqualTitlesNeverExchanged)
{
    const struct { std::vector<const char *> titles; Ints order; } rows[] = {
        {{"Cherry", "Banana", "Apple"}, {1, 2, 0}},  // Banana, Apple, Cherry: not a full sort
        {{"Apple", "Banana", "Cherry"}, {0, 1, 2}}, {{"Doc", "Doc"}, {0, 1}},
        {{"b", "Z", "", "\x83\x41"}, {1, 2, 0, 3}},  // a closed window's title is empty
    };
    for (const auto &r : rows) {
        int order[] = {0, 1, 2, 3};
        order_by_title(r.titles.data(), (int)r.titles.size(), order);
        EXPECT_EQ(Ints(order, order + r.titles.size()), r.order);
    }
}

TEST(Listed, EveryRememberedWindowKeepsARowTheOthersFillTheRestInTheirOrder)
{
    bool remembered[40] = {};
    remembered[0] = remembered[31] = remembered[33] = true;
    int chosen[MAX_WINDOWS];
    Ints expected(28);
    std::iota(expected.begin(), expected.end(), 0), expected.push_back(31), expected.push_back(33);
    EXPECT_EQ(Ints(chosen, chosen + choose_listed(remembered, 35, chosen)), expected);
    EXPECT_EQ(choose_listed(remembered + 1, 10, chosen), 10);  // all fit
    remembered[31] = remembered[33] = false;
    EXPECT_EQ((Ints{choose_listed(remembered, 40, chosen), chosen[29]}), (Ints{30, 29}));
}

TEST(Answers, AskedAtMostOnceASecondAcrossTheTicksWrapAndNamedOnlyAsTheyChange)
{
    Answering a = {false, false, 0};
    EXPECT_TRUE(ask_now(a, 4294966000u));
    std::vector<int> changes;
    const struct { unsigned now; bool hung; } answers[] = {
        {4294966000u, false}, {4294966999u, true}, {704u, true}, {1704u, true}, {2704u, false}};
    for (const auto &x : answers)
        changes.push_back(ask_now(a, x.now) ? record_answer(a, x.hung, x.now) : -1);
    // Not again within the second; past the wrap a second later; the hang said once; its end.
    EXPECT_EQ(changes, (std::vector<int>{ANSWER_SAME, -1, ANSWER_STOPPED, ANSWER_SAME, ANSWER_BACK}));
    Answering first = {false, false, 0};
    EXPECT_EQ(record_answer(first, true, 5), ANSWER_STOPPED);  // hung when first asked
}

} // namespace
