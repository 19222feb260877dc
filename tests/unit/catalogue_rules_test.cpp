// Which rows a rebuild ticks by a remembered title: the cases the end-to-end stories cannot
// stage (a tick claimed twice, the title slots' limit); the shell's desktop told by its class; the
// title order and which windows get the rows.
#include "catalogue/catalogue_rules.h"
#include "catalogue/pick_rules.h"
#include "catalogue/responding_rules.h"
#include "rows.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Rows hold windows 1, 2, 3 ... titled as given; ticks remember (title, window, alive).
struct Ticks {
    std::vector<bool> ticked;
    std::vector<int> claimed;
};

Ticks plan(const std::vector<std::string> &titles, const std::vector<RememberedTick> &ticks, int title_slots = 30,
           bool appeared = true)
{
    WindowId windows[MAX_WINDOWS];
    const char *p[MAX_WINDOWS];
    bool new_rows[MAX_WINDOWS];
    for (size_t i = 0; i < titles.size(); ++i) {
        windows[i] = 1 + i;
        p[i] = titles[i].c_str();
        new_rows[i] = appeared;
    }
    bool ticked[MAX_WINDOWS];
    int claimed[MAX_WINDOWS];
    plan_ticks(windows, p, new_rows, (int)titles.size(), ticks.data(), (int)ticks.size(), title_slots, ticked,
               claimed);
    return {std::vector<bool>(ticked, ticked + titles.size()), std::vector<int>(claimed, claimed + ticks.size())};
}

TEST(Ticks, ATitleTicksAnotherWindowOnlyAfterItsOwnHasGone)
{
    typedef std::vector<bool> B;
    Ticks t = plan({"Doc", "Doc"}, {{"Doc", 9, false}});
    EXPECT_EQ(t.ticked, (B{true, false}));  // once: the first row takes it
    EXPECT_EQ(t.claimed, (std::vector<int>{0}));
    EXPECT_EQ(plan({"Doc"}, {{"Doc", 9, true}}).ticked, (B{false}));
    // A window that sat on the desktop all along is not taken for the document opened again.
    EXPECT_EQ(plan({"Doc"}, {{"Doc", 9, false}}, 30, false).ticked, (B{false}));
    // Only the first title_slots ticks are looked up by title; a window's own tick, in any slot.
    EXPECT_EQ(plan({"Doc"}, {{"X", 8, false}, {"Doc", 9, false}}, 1).ticked, (B{false}));
    std::vector<RememberedTick> sixth(5, RememberedTick{"", 0, false});
    sixth.push_back({"B", 2, true});  // ticked in the last of six rows; now two rows are left
    EXPECT_EQ(plan({"A", "B"}, sixth, 2).ticked, (B{false, true}));
}


TEST(Classes, TheShellsDesktopWindowsAcrossEveryMonitorAreTheDesktop)
{
    EXPECT_TRUE(class_traits("Progman").desktop && class_traits("WorkerW").desktop);
    EXPECT_FALSE(class_traits("Notepad").desktop || class_traits("Chrome_WidgetWin_1").desktop);
}

TEST(Titles, OneExchangePassUnsignedBytesEqualTitlesNeverExchanged)
{
    const struct {
        std::vector<const char *> titles;
        Ints order;
    } rows[] = {
        {{"Cherry", "Banana", "Apple"}, {1, 2, 0}},  // Banana, Apple, Cherry: not a full sort
        {{"Apple", "Banana", "Cherry"}, {0, 1, 2}},
        {{"Doc", "Doc"}, {0, 1}},
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
    Ints expected;
    for (int i = 0; i <= 27; ++i)
        expected.push_back(i);
    expected.push_back(31), expected.push_back(33);
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
    const struct {
        unsigned now;
        bool hung;
    } answers[] = {{4294966000u, false}, {4294966999u, true}, {704u, true}, {1704u, true}, {2704u, false}};
    for (const auto &x : answers)
        changes.push_back(ask_now(a, x.now) ? record_answer(a, x.hung, x.now) : -1);
    // Not again within the second; past the wrap a second later; the hang said once; its end.
    EXPECT_EQ(changes, (std::vector<int>{ANSWER_SAME, -1, ANSWER_STOPPED, ANSWER_SAME, ANSWER_BACK}));
    Answering first = {false, false, 0};
    EXPECT_EQ(record_answer(first, true, 5), ANSWER_STOPPED);  // hung when first asked
}

} // namespace
