// Which monitor the audience sees and when the monitors have changed, the common resolution on equal widths
// and on heights (which the test desktops never differ in), no mode changed when the monitors are matched by
// scale or merely moved, and where the main monitor's picture lands.
#include "display/display_rules.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(CommonResolution, OnEqualWidthsTheExternalOnesAndHeightsNeverCompare)
{
    Resolution equal = choose_common_resolution({0, 0, 1280, 1024}, {1280, 0, 1280, 720});
    EXPECT_EQ(equal.height, 720);
    Resolution taller = choose_common_resolution({0, 0, 1024, 1280}, {1024, 0, 1280, 720});
    EXPECT_EQ(taller.width, 1024);
    EXPECT_EQ(taller.height, 1280);
}

TEST(Match, MatchingByScaleNeverChangesAMode)
{
    EXPECT_TRUE(should_change_display_modes(2, MATCH_RESOLUTION, true));
    EXPECT_FALSE(should_change_display_modes(2, MATCH_SCALE, true) || should_change_display_modes(1, MATCH_RESOLUTION, true));
    EXPECT_FALSE(should_change_display_modes(2, MATCH_RESOLUTION, false));  // the monitors moved: the user's doing
}

typedef std::vector<int> Ints;

// Three monitors as a dock gives them: the primary enumerated second.
const MonitorFound DOCK[] = {{{-1920, 0, 1920, 1080}, false, "\\\\.\\DISPLAY2"},
                             {{0, 0, 1920, 1080}, true, "\\\\.\\DISPLAY1"},
                             {{1920, 0, 1280, 720}, false, "\\\\.\\DISPLAY3"}};

Ints choice(const char *setting, const char *picked = "", int count = 3)
{
    ExternalRequest request;
    bool readable = read_external_setting(setting, &request);
    MonitorChoice c = choose_monitors(DOCK, count, request, picked);
    return Ints{readable, c.main, c.external, c.reason, c.setting, c.picked_gone};
}

TEST(Monitors, TheAudiencesMonitorByNumberByNameOrPickedElseTheLastFound)
{
    EXPECT_EQ(choice(""), (Ints{true, 1, 2, EXTERNAL_LAST_FOUND, REQUEST_KEPT, false}));
    EXPECT_EQ(choice("1"), (Ints{true, 1, 0, EXTERNAL_BY_SETTING, REQUEST_KEPT, false}));
    EXPECT_EQ(choice("\\\\.\\display1"), (Ints{true, 1, 2, EXTERNAL_LAST_FOUND, REQUEST_NAMES_MAIN, false}));
    EXPECT_EQ(choice("4"), (Ints{true, 1, 2, EXTERNAL_LAST_FOUND, REQUEST_NO_SUCH_MONITOR, false}));
    EXPECT_EQ(choice("\\\\.\\DISPLAY9"), (Ints{true, 1, 2, EXTERNAL_LAST_FOUND, REQUEST_NO_SUCH_MONITOR, false}));
    EXPECT_EQ(choice("1", "\\\\.\\DISPLAY3"), (Ints{true, 1, 2, EXTERNAL_PICKED, REQUEST_KEPT, false}));
    EXPECT_EQ(choice("1", "\\\\.\\DISPLAY3", 2), (Ints{true, 1, 0, EXTERNAL_BY_SETTING, REQUEST_KEPT, true}));
    EXPECT_EQ(choice("3", "", 2), (Ints{true, 1, 0, EXTERNAL_LAST_FOUND, REQUEST_NO_SUCH_MONITOR, false}));  // gone
    EXPECT_EQ(choice("", "", 1), (Ints{true, 0, -1, EXTERNAL_NONE, REQUEST_KEPT, false}));
    for (const char *unreadable : {"0", "two", "DISPLAY3", "\\\\.\\DISPLAY 3", "\x01\x02", "123"})
        EXPECT_EQ(choice(unreadable)[0], false) << unreadable;
    EXPECT_FALSE(choice(std::string(1000, '7').c_str())[0]);
}

// A rectangle of the main monitor on the external one.
Ints mapped(const Mapping &m, const ScreenRect &r)
{
    ScreenRect q = map_rect(m, r);
    return Ints{q.left, q.top, q.right, q.bottom};
}

TEST(Mapping, OneToOneOrFittedCentredEdgeByEdge)
{
    const struct {
        MonitorArea main, ext;
        bool fit;
        ScreenRect window;
        Ints lands;
    } cases[] = {
        {{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}, false, {100, 50, 900, 650}, {2020, 50, 2820, 650}},
        // 0.8, bands of 64 above and below
        {{0, 0, 1280, 800}, {1280, 0, 1024, 768}, true, {100, 50, 600, 450}, {1360, 104, 1760, 424}},
        // 1.40625, bands of 240 left and right
        {{0, 0, 1024, 768}, {1024, 0, 1920, 1080}, true, {0, 0, 1024, 768}, {1264, 0, 2704, 1080}},
        // left of the main monitor: 2/3, bands of 152 above and below; above it: 0.75, bands of 32 beside
        {{0, 0, 1920, 1080}, {-1280, 0, 1280, 1024}, true, {0, 0, 1920, 1080}, {-1280, 152, 0, 872}},
        {{0, 0, 1280, 1024}, {0, -768, 1024, 768}, true, {0, 0, 1280, 1024}, {32, -768, 992, 0}},
    };
    for (const auto &c : cases) {
        ScreenRect whole = {c.main.x, c.main.y, c.main.x + c.main.width, c.main.y + c.main.height};
        EXPECT_EQ(mapped(c.fit ? fitted(whole, c.main, c.ext) : one_to_one(c.main, c.ext), c.window), c.lands);
    }
    // Windows that touch still touch: each edge is rounded, not each width.
    Mapping m = fitted({0, 0, 1280, 800}, {0, 0, 1280, 800}, {1280, 0, 1024, 768});
    EXPECT_EQ(mapped(m, {3, 0, 336, 500})[2], mapped(m, {336, 0, 700, 500})[0]);
}

TEST(Mapping, TheSpotlightFitsAWindowOfAnyShapeCentred)
{
    const MonitorArea main = {0, 0, 1024, 768}, ext = {1024, 0, 1024, 768};
    const struct {
        ScreenRect window;
        Ints lands;
    } cases[] = {
        {{100, 100, 300, 250}, {1024, 0, 2048, 768}},  // small: scaled up to the whole monitor
        {{0, 300, 1000, 500}, {1024, 282, 2048, 486}},  // wide: the whole width, centred in height
        {{500, 0, 700, 768}, {1436, 0, 1636, 768}},     // tall: the whole height, centred in width
    };
    for (const auto &c : cases)
        EXPECT_EQ(mapped(fitted(c.window, main, ext), c.window), c.lands);
}

} // namespace
