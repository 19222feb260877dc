// Elapsed-time trace values and the cursor limit's moves.
#include "app/cursor_limit.h"
#include "app/elapsed.h"
#include <gtest/gtest.h>

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

TEST(CursorLimit, LeavesAPointerInsideTheMainMonitorAlone)
{
    EXPECT_EQ(cursor_limit_moves({500, 400}, 1920, 1080).count, 0);
    EXPECT_EQ(cursor_limit_moves({0, 0}, 1920, 1080).count, 0);
    EXPECT_EQ(cursor_limit_moves({1910, 1070}, 1920, 1080).count, 0);
}

TEST(CursorLimit, KeepsTenPixelsFromTheRightAndBottomEdges)
{
    CursorMoves m = cursor_limit_moves({1915, 500}, 1920, 1080);
    ASSERT_EQ(m.count, 1);
    EXPECT_EQ(m.to[0].x, 1910);
    EXPECT_EQ(m.to[0].y, 500);

    m = cursor_limit_moves({300, 1071}, 1920, 1080);
    ASSERT_EQ(m.count, 1);
    EXPECT_EQ(m.to[0].x, 300);
    EXPECT_EQ(m.to[0].y, 1070);
}

TEST(CursorLimit, PullsBackFromTheExternalMonitor)
{
    CursorMoves m = cursor_limit_moves({1500, 300}, 1024, 768);
    ASSERT_EQ(m.count, 1);
    EXPECT_EQ(m.to[0].x, 1014);
    EXPECT_EQ(m.to[0].y, 300);
}

TEST(CursorLimit, TwoCrossedEdgesEachCarryTheCapturedOtherCoordinate)
{
    CursorMoves m = cursor_limit_moves({-5, -5}, 1024, 768);
    ASSERT_EQ(m.count, 2);
    EXPECT_EQ(m.to[0].x, 0);
    EXPECT_EQ(m.to[0].y, -5);
    EXPECT_EQ(m.to[1].x, -5);
    EXPECT_EQ(m.to[1].y, 0);
    // The next iteration finds (-5, 0) and finishes the job.
    m = cursor_limit_moves({-5, 0}, 1024, 768);
    ASSERT_EQ(m.count, 1);
    EXPECT_EQ(m.to[0].x, 0);
    EXPECT_EQ(m.to[0].y, 0);
}

TEST(CursorLimit, OppositeCornerCrossesRightAndBottom)
{
    CursorMoves m = cursor_limit_moves({2000, 900}, 1024, 768);
    ASSERT_EQ(m.count, 2);
    EXPECT_EQ(m.to[0].x, 1014);
    EXPECT_EQ(m.to[0].y, 900);
    EXPECT_EQ(m.to[1].x, 2000);
    EXPECT_EQ(m.to[1].y, 758);
}

} // namespace
