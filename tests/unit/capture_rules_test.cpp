// When a mirror asks for a thumbnail or gives one up, and what a copy takes of its window.
#include "capture/capture_rules.h"
#include "rows.h"
#include <gtest/gtest.h>

namespace {

TEST(Thumbnail, AskedForOnceReleasedWhenUntickedOrItsTargetChanges)
{
    const struct { ThumbnailView v; ThumbnailAction action; } rows[] = {  // v: on, wanted, registered, same, refused
        {{true, true, false, false, false}, THUMBNAIL_REGISTER}, {{false, true, false, false, false}, THUMBNAIL_KEEP},
        {{true, true, false, true, true}, THUMBNAIL_KEEP},  // refused: it copies until its target changes
        {{true, true, false, false, true}, THUMBNAIL_REGISTER}, {{true, false, false, false, false}, THUMBNAIL_KEEP},
        {{true, true, true, true, false}, THUMBNAIL_KEEP}, {{true, true, true, false, false}, THUMBNAIL_RELEASE},
        {{true, false, true, true, false}, THUMBNAIL_RELEASE}, {{false, true, true, true, false}, THUMBNAIL_RELEASE},
    };
    for (const auto &r : rows)
        EXPECT_EQ(plan_thumbnail(r.v), r.action) << &r - rows;
}

TEST(Copy, AtOneToOneTheMirrorsSizeAtMostTheMainMonitorsOtherwiseTheWholeWindowStretched)
{
    const MonitorArea main = {0, 0, 1024, 768};
    const struct { ScreenRect mirror, target; bool scaled; Ints copied; } rows[] = {
        {{1100, 50, 1500, 350}, {}, false, {0, 0, 400, 300, 400, 300, false}},
        {{1000, -10, 2200, 900}, {}, false, {0, 0, 1024, 768, 1024, 768, false}},  // larger than the main monitor
        {{1100, 50, 1300, 200}, {100, 100, 500, 400}, true, {0, 0, 400, 300, 200, 150, true}},  // at half
        {{1100, 50, 1300, 200}, {}, true, {0, 0, 0, 0, 200, 150, true}},  // the window's rectangle not read
        {{1100, 50, 1500, 351}, {100, 100, 500, 400}, true, {0, 0, 400, 300, 400, 301, true}},  // one side rounded
    };
    for (const auto &r : rows) {
        CopyPart c = copy_part(r.mirror, r.target, r.scaled, main);
        EXPECT_EQ((Ints{c.part.left, c.part.top, c.part.right, c.part.bottom, c.width, c.height, copy_stretches(c)}),
                  r.copied)
            << &r - rows;
    }
}

} // namespace
