// The elapsed time of the trace: a clock crossing a minute, an hour or midnight, which no end-to-end run meets.
#include "app/run_time_rules.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(Elapsed, BorrowsAcrossMinutesHoursAndMidnight)
{
    const struct { int start[3], now[3], seconds, minutes, hours; } cases[] = {
        {{10, 0, 0}, {11, 2, 3}, 3, 2, 1}, {{10, 59, 30}, {11, 0, 10}, 40, 0, 0}, {{23, 59, 50}, {0, 0, 5}, 15, 0, 0},
    };
    for (const auto &c : cases) {
        Elapsed e = elapsed_between(c.start[0], c.start[1], c.start[2], c.now[0], c.now[1], c.now[2]);
        EXPECT_EQ((std::vector<int>{e.seconds, e.minutes, e.hours}), (std::vector<int>{c.seconds, c.minutes, c.hours}));
    }
}

} // namespace
