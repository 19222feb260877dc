// Which windows are listed, in which rows and order, and which rows a rebuild ticks.
#include "catalogue/catalogue_rules.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TEST(Exclusion, EachRuleOnItsEdge)
{
    const struct {
        const char *class_name;
        const char *title;
        bool excluded;
    } cases[] = {
        {"X", "VantoscopeCheck", true},
        {"X", "CAMDEN", true},               // excluded parts match anywhere, inside words too
        {"X", "\x83\x58\x83\x5E\x81\x5B\x83\x67", true},  // スタート
        {"X", "VantoscopeButton 2", true},
        {"Mirror3", "A title", true},
        {"X", "\x83\x5C\x83\x74\x83\x67", false},           // ソフト: trail byte 5C
    };
    for (const auto &c : cases)
        EXPECT_EQ(is_excluded(c.class_name, c.title), c.excluded) << c.class_name << " / " << c.title;
}

std::vector<int> listed(const std::vector<bool> &remembered)
{
    bool flags[64];
    for (size_t i = 0; i < remembered.size(); ++i)
        flags[i] = remembered[i];
    int chosen[MAX_WINDOWS];
    int n = choose_listed(flags, (int)remembered.size(), chosen);
    return std::vector<int>(chosen, chosen + n);
}

TEST(ChooseListed, RememberedWindowsKeepTheirRowsAtTheLimit)
{
    std::vector<bool> forty(40, false);
    EXPECT_EQ(listed(forty).back(), 29);  // the first 30 in enumeration order
    forty[35] = forty[39] = true;
    std::vector<int> rows = listed(forty);
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows[27], 27);              // 28 others, then the two remembered ones
    EXPECT_EQ(rows[28], 35);
    EXPECT_EQ(rows[29], 39);
    EXPECT_EQ(listed({false, true, false}), (std::vector<int>{0, 1, 2}));
}

std::vector<std::string> ordered(std::vector<std::string> titles)
{
    const char *p[MAX_WINDOWS];
    int order[MAX_WINDOWS];
    for (size_t i = 0; i < titles.size(); ++i) {
        p[i] = titles[i].c_str();
        order[i] = (int)i;
    }
    order_by_title(p, (int)titles.size(), order);
    std::vector<std::string> out;
    for (size_t k = 0; k < titles.size(); ++k)
        out.push_back(titles[order[k]]);
    return out;
}

TEST(TitleOrder, OneExchangePassNotAFullSort)
{
    typedef std::vector<std::string> T;
    EXPECT_EQ(ordered({"Cherry", "Banana", "Apple"}), (T{"Banana", "Apple", "Cherry"}));
    EXPECT_EQ(ordered({"D", "C", "B", "A"}), (T{"C", "B", "A", "D"}));
    EXPECT_EQ(ordered({"Apple", ""}), (T{"", "Apple"}));  // a closed window's empty title first
}

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

TEST(Ticks, ATickBelongsToItsWindow)
{
    typedef std::vector<bool> B;
    // Two windows titled alike: only the one that was ticked (window 2) is ticked again.
    EXPECT_EQ(plan({"Untitled", "Untitled"}, {{"Untitled", 2, true}}).ticked, (B{false, true}));
    // A ticked window whose title changed keeps its tick.
    EXPECT_EQ(plan({"*report.txt", "Other"}, {{"report.txt", 1, true}}).ticked, (B{true, false}));
    // Unticked rows (" ", no window) and never-ticked ones ("") tick nothing.
    EXPECT_EQ(plan({" ", "A"}, {{" ", 0, false}, {"", 0, false}}).ticked, (B{false, false}));
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
    // Only the first title_slots ticks are looked up by title.
    EXPECT_EQ(plan({"Doc"}, {{"X", 8, false}, {"Doc", 9, false}}, 1).ticked, (B{false}));
}

TEST(Ticks, ATickTickedOverIsMovedNotLost)
{
    // Slot 2 remembers window 7, which lives and now sits in another row; ticking row 2 moves it
    // to a slot that remembers no living window: an empty one before one whose window has gone.
    const RememberedTick ticks[4] = {{"A", 5, true}, {"Gone", 6, false}, {"Moved", 7, true}, {"", 0, false}};
    EXPECT_EQ(new_home_for_displaced_tick(ticks, 4, 2, 9), 3);
    EXPECT_EQ(new_home_for_displaced_tick(ticks, 3, 2, 9), 1);
    EXPECT_EQ(new_home_for_displaced_tick(ticks, 4, 2, 7), -1);  // ticking the same window again
    EXPECT_EQ(new_home_for_displaced_tick(ticks, 4, 1, 9), -1);  // nothing living to move
}

} // namespace
