// Elapsed-time trace values and the cursor limit's moves.
#include "app/cursor_limit.h"
#include "app/elapsed.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

void expect_elapsed(Elapsed e, int seconds, int minutes, int hours)
{
    EXPECT_EQ(e.seconds, seconds);
    EXPECT_EQ(e.minutes, minutes);
    EXPECT_EQ(e.hours, hours);
}

TEST(Elapsed, CountsSecondsMinutesHoursWithoutBorrow)
{
    expect_elapsed(elapsed_between(10, 0, 0, 11, 2, 3), 3, 2, 1);
    expect_elapsed(elapsed_between(9, 30, 10, 9, 42, 15), 5, 12, 0);
}

TEST(Elapsed, BorrowsAcrossAnHour)
{
    // 10:59:30 to 11:00:10 is 40 seconds, not 40 seconds and an hour.
    expect_elapsed(elapsed_between(10, 59, 30, 11, 0, 10), 40, 0, 0);
}

TEST(Elapsed, WrapsAtMidnight)
{
    expect_elapsed(elapsed_between(23, 59, 50, 0, 0, 5), 15, 0, 0);
    expect_elapsed(elapsed_between(22, 0, 0, 1, 30, 0), 0, 30, 3);
}

TEST(Elapsed, ZeroAtStart)
{
    expect_elapsed(elapsed_between(12, 34, 56, 12, 34, 56), 0, 0, 0);
}

struct Move {
    int x, y;
};

void expect_moves(ScreenPoint from, int width, int height, std::vector<Move> expected)
{
    CursorMoves m = cursor_limit_moves(from, width, height);
    ASSERT_EQ(m.count, (int)expected.size()) << from.x << "," << from.y;
    for (int i = 0; i < m.count; ++i) {
        EXPECT_EQ(m.to[i].x, expected[i].x);
        EXPECT_EQ(m.to[i].y, expected[i].y);
    }
}

TEST(CursorLimit, OnlyCrossedEdgesMoveThePointer)
{
    expect_moves({500, 400}, 1920, 1080, {});
    expect_moves({0, 0}, 1920, 1080, {});
    expect_moves({1910, 1070}, 1920, 1080, {});             // the 10-pixel margin itself is allowed
    expect_moves({1915, 500}, 1920, 1080, {{1910, 500}});
    expect_moves({300, 1071}, 1920, 1080, {{300, 1070}});
    expect_moves({1500, 300}, 1024, 768, {{1014, 300}});    // back from the external monitor
}

TEST(CursorLimit, TwoCrossedEdgesEachCarryTheCapturedOtherCoordinate)
{
    expect_moves({-5, -5}, 1024, 768, {{0, -5}, {-5, 0}});
    expect_moves({-5, 0}, 1024, 768, {{0, 0}});             // the next iteration finishes the job
    expect_moves({2000, 900}, 1024, 768, {{1014, 900}, {2000, 758}});
}

} // namespace
