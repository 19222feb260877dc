// The catalogue's single exchange pass over titles.
#include "catalogue/title_order.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Table {
    std::vector<std::string> titles;
    int reads = 0;
};

void title_of(int index, char *out, void *context)
{
    Table *t = static_cast<Table *>(context);
    t->reads++;
    strncpy(out, t->titles[index].c_str(), TEXT_LEN - 1);
    out[TEXT_LEN - 1] = '\0';
}

void swap_entries(int a, int b, void *context)
{
    Table *t = static_cast<Table *>(context);
    std::swap(t->titles[a], t->titles[b]);
}

std::vector<std::string> one_pass(std::vector<std::string> titles)
{
    Table t{titles};
    int n = (int)titles.size();
    for (int i = 0; i + 1 < n; ++i)
        exchange_step(i, n, title_of, swap_entries, &t);
    return t.titles;
}

typedef std::vector<std::string> Titles;

TEST(TitleOrder, TakesTheFirstLaterSmallerTitleOncePerPosition)
{
    EXPECT_EQ(one_pass({"Cherry", "Banana", "Apple"}), (Titles{"Banana", "Apple", "Cherry"}));
    EXPECT_EQ(one_pass({"Banana", "Cherry", "Apple"}), (Titles{"Apple", "Banana", "Cherry"}));
}

TEST(TitleOrder, LeavesOrderedTitlesAlone)
{
    EXPECT_EQ(one_pass({"A", "B", "C", "D"}), (Titles{"A", "B", "C", "D"}));
}

TEST(TitleOrder, NeverExchangesEqualTitles)
{
    Table t{{"Same", "Same", "Same"}};
    EXPECT_EQ(exchange_step(0, 3, title_of, swap_entries, &t), -1);
    EXPECT_EQ(exchange_step(1, 3, title_of, swap_entries, &t), -1);
}

TEST(TitleOrder, IsNotAFullSort)
{
    EXPECT_EQ(one_pass({"D", "C", "B", "A"}), (Titles{"C", "B", "A", "D"}));
}

TEST(TitleOrder, UpperCaseAndAsciiSortFirst)
{
    EXPECT_EQ(one_pass({"apple", "Zebra"}), (Titles{"Zebra", "apple"}));
    EXPECT_EQ(one_pass({"\x83\x41", "zz"}), (Titles{"zz", "\x83\x41"}));
}

TEST(TitleOrder, ClosedWindowsEmptyTitleSortsFirst)
{
    EXPECT_EQ(one_pass({"Apple", ""}), (Titles{"", "Apple"}));
}

TEST(TitleOrder, ReadsTitlesAfreshForEveryComparison)
{
    Table t{{"C", "B", "A"}};
    exchange_step(0, 3, title_of, swap_entries, &t);
    EXPECT_EQ(t.reads, 2);  // one comparison, two reads: it stopped at the first smaller title
}

TEST(TitleOrder, LastPositionHasNothingToCompare)
{
    Table t{{"B", "A"}};
    EXPECT_EQ(exchange_step(1, 2, title_of, swap_entries, &t), -1);
    EXPECT_EQ(t.reads, 0);
}

} // namespace
