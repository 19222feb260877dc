// The audience's monitor, monitor changes, the modes and the areas after them (no test desktop moves one), mappings.
#include "display/audience_rules.h"
#include "display/mapping_rules.h"
#include "display/monitor_rules.h"
#include "rows.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(CommonResolution, OnEqualWidthsTheExternalOnesAndHeightsNeverCompare)
{
    EXPECT_EQ(choose_common_resolution({0, 0, 1280, 1024}, {1280, 0, 1280, 720}).height, 720);
    Resolution taller = choose_common_resolution({0, 0, 1024, 1280}, {1024, 0, 1280, 720});
    EXPECT_EQ((Ints{taller.width, taller.height}), (Ints{1024, 1280}));
}

// Three monitors as a dock gives them: the primary enumerated second.
const MonitorFound DOCK[] = {{{-1920, 0, 1920, 1080}, false, "\\\\.\\DISPLAY2"},
                             {{0, 0, 1920, 1080}, true, "\\\\.\\DISPLAY1"},
                             {{1920, 0, 1280, 720}, false, "\\\\.\\DISPLAY3"}};

// The dock once the main monitor and the audience's have 1280 x 720: the audience's moves with the main one's edge.
const MonitorFound DOCK_AFTER[] = {DOCK[0], {{0, 0, 1280, 720}, true, "\\\\.\\DISPLAY1"},
                                   {{1280, 0, 1280, 720}, false, "\\\\.\\DISPLAY3"}};

// A set-up on the dock, its monitors where the modes asked for put them: those modes, the main and audience's areas.
struct Asked { std::vector<std::string> modes; Ints areas; };

Asked set_up(DisplayMatch match, bool may_change_modes)
{
    static std::vector<std::string> modes;
    modes.clear();
    MonitorPlatform platform = {
        [](MonitorFound *out, void *) { return (int)(std::copy_n(modes.empty() ? DOCK : DOCK_AFTER, 3, out) - out); },
        [](const MonitorFound *, int, const MonitorChoice &, void *) {},
        [](const char *device, Resolution r, void *) { modes.push_back(device + (" " + std::to_string(r.width))); },
        NULL};
    MonitorSetup setup = {};
    set_up_monitors(platform, {match, {ExternalRequest::NONE, 0, ""}, "", may_change_modes}, &setup);
    Ints areas = ints(setup.main_area), ext = ints(setup.ext_area);
    areas.insert(areas.end(), ext.begin(), ext.end());
    return {modes, areas};
}

TEST(SetUp, TheMainAndTheAudiencesMonitorGetTheCommonModeThenTheirAreasAreReadAsTheyMoved)
{
    typedef std::vector<std::string> Modes;
    Asked changed = set_up(MATCH_RESOLUTION, true);
    EXPECT_EQ(changed.modes, (Modes{"\\\\.\\DISPLAY1 1280", "\\\\.\\DISPLAY3 1280"}));
    EXPECT_EQ(changed.areas, (Ints{0, 0, 1280, 720, 1280, 0, 1280, 720}));
    // Matched by scale, or set up because the monitors merely moved: no mode, the areas as found.
    for (Asked unchanged : {set_up(MATCH_SCALE, true), set_up(MATCH_RESOLUTION, false)}) {
        EXPECT_EQ(unchanged.modes, Modes{});
        EXPECT_EQ(unchanged.areas, (Ints{0, 0, 1920, 1080, 1920, 0, 1280, 720}));
    }
}

TEST(Changes, OnlyMonitorsThatCameOrWentOrAnotherPickedMayChangeModes)
{
    MonitorFound moved[] = {DOCK[0], DOCK[1], DOCK[2]};
    moved[2].area.height = 1024;  // turned, or given another resolution
    const DisplayChange changes[] = {display_change(DOCK, 3, DOCK, 3, false, false), display_change(DOCK, 3, moved, 3, false, false),
                                     display_change(DOCK, 3, DOCK, 3, false, true), display_change(DOCK, 3, DOCK, 2, false, false),
                                     display_change(DOCK, 3, DOCK, 3, true, false)};
    Ints kinds, may_change;
    for (DisplayChange c : changes)
        kinds.push_back(c), may_change.push_back(may_change_modes_after(c));
    EXPECT_EQ(kinds, (Ints{DISPLAYS_SAME, DISPLAYS_MOVED, DISPLAYS_MOVED, DISPLAYS_CAME_OR_WENT, DISPLAYS_CAME_OR_WENT}));
    EXPECT_EQ(may_change, (Ints{false, false, false, true, true}));
}

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

Ints mapped(const Mapping &m, const ScreenRect &r) { return ints(map_rect(m, r)); }

TEST(Mapping, OneToOneOrFittedCentredEdgeByEdge)
{
    const struct { MonitorArea main, ext; bool fit; ScreenRect window; Ints lands; } cases[] = {
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
    const struct { ScreenRect window; Ints lands; } cases[] = {
        {{100, 100, 300, 250}, {1024, 0, 2048, 768}},  // small: scaled up to the whole monitor
        {{0, 300, 1000, 500}, {1024, 282, 2048, 486}},  // wide: the whole width, centred in height
        {{500, 0, 700, 768}, {1436, 0, 1636, 768}},     // tall: the whole height, centred in width
    };
    for (const auto &c : cases)
        EXPECT_EQ(mapped(fitted(c.window, main, ext), c.window), c.lands);
}

TEST(Mapping, TheZoomMagnifiesTheRegionAroundThePointerKeptOnTheMainMonitor)
{
    const MonitorArea main = {0, 0, 1024, 768}, ext = {1024, 0, 1024, 768}, laptop = {0, 0, 1280, 800};
    const Mapping one = one_to_one(main, ext), fit = fitted({0, 0, 1280, 800}, laptop, {1280, 0, 1024, 768});
    const struct {
        Mapping base; MonitorArea main; ScreenPoint pointer; double factor; ScreenRect window; Ints lands;
    } cases[] = {
        {one, main, {512, 384}, 2, {300, 250, 500, 400}, {1112, 116, 1512, 416}},
        {one, main, {100, 100}, 2, {300, 250, 500, 400}, {1624, 500, 2024, 800}},  // the region stops at the corner
        {one, main, {512, 384}, 4, {400, 300, 500, 400}, {1088, 48, 1488, 448}},
        {one, main, {512, 384}, 1.25, {512, 384, 512, 384}, {1536, 384, 1536, 384}},  // its middle in the middle
        // Matched by scale (0.8, bands of 64): the region fills the fitted picture, not the whole monitor.
        {fit, laptop, {640, 400}, 2, {320, 200, 960, 600}, {1280, 64, 2304, 704}},
        {fit, laptop, {1270, 790}, 2, {640, 400, 1280, 800}, {1280, 64, 2304, 704}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(mapped(zoomed(c.base, c.main, c.pointer, c.factor), c.window), c.lands);
    double factor = 0;
    for (const char *readable : {"", "2", "2.5", "1.25", "8", "08.0"})
        EXPECT_TRUE(read_zoom_factor(readable, &factor)) << readable;
    EXPECT_EQ(factor, 8.0);
    for (const char *unreadable : {"1", "9", "0", "-2", "2,5", "two", "\x01\x02", "1.2", "8.01", "2.", ".5", "2 "}) {
        EXPECT_FALSE(read_zoom_factor(unreadable, &factor)) << unreadable;
        EXPECT_EQ(factor, 2.0);
    }
    EXPECT_FALSE(read_zoom_factor(std::string(1000, '7').c_str(), &factor));
}

TEST(Thumbnail, MirrorAtTheVisibleBoundsCutToTheExternalMonitorPixelForPixel)
{
    // box: x, y, width, height; source: left, top, right, bottom.
    const struct { ScreenRect window, visible; MonitorArea ext; Ints box, source; } cases[] = {
        // Invisible borders of 7 left, right and below: the source starts 7 in.
        {{100, 50, 900, 650}, {107, 50, 893, 643}, {1920, 0, 1920, 1080}, {2027, 50, 786, 593}, {7, 0, 793, 593}},
        // Past the main monitor's left and top edges: cut where the external monitor starts.
        {{-207, -20, 193, 280}, {-200, -20, 186, 273}, {1024, 0, 1024, 768}, {1024, 0, 186, 273}, {207, 20, 393, 293}},
        // Past the far and lower edges of an external monitor lower than the main one; one higher; one left of it.
        {{900, 700, 1300, 1000}, {900, 700, 1300, 1000}, {1024, 200, 1024, 768}, {1924, 900, 124, 68}, {0, 0, 124, 68}},
        {{10, 10, 110, 60}, {10, 10, 110, 60}, {1920, -300, 1280, 1024}, {1930, -290, 100, 50}, {0, 0, 100, 50}},
        {{-8, -8, 1928, 1048}, {0, 0, 1920, 1040}, {-1280, 0, 1280, 1024}, {-1280, 0, 1280, 1024}, {8, 8, 1288, 1032}},
    };
    for (const auto &c : cases) {
        MirrorGeometry g = mirror_geometry(c.window, c.visible, c.ext, one_to_one({0, 0, 1920, 1080}, c.ext));
        EXPECT_EQ(ints(g.box), c.box);
        EXPECT_EQ(ints(g.source), c.source);
        EXPECT_EQ(ints(g.destination), (Ints{0, 0, c.box[2], c.box[3]}));
        EXPECT_FALSE(g.empty);
    }
    // A window on neither monitor leaves nothing to draw.
    const MonitorArea ext = {1024, 0, 1024, 768};
    EXPECT_TRUE(mirror_geometry({-900, 0, -100, 600}, {-900, 0, -100, 600}, ext, one_to_one({0, 0, 1024, 768}, ext)).empty);
}

TEST(Mapping, AScaledMirrorIsCutToTheExternalMonitorAndShowsTheMatchingPart)
{
    const MonitorArea main = {0, 0, 1280, 800}, ext = {1280, 0, 1024, 768};
    Mapping m = fitted({0, 0, 1280, 800}, main, ext);
    // Past the main monitor's left and bottom edges: (1200, 624)-(1520, 784) before the cut.
    MirrorGeometry g = mirror_geometry({-100, 700, 300, 900}, {-100, 700, 300, 900}, ext, m);
    EXPECT_EQ(ints(g.box), (Ints{1280, 624, 240, 144}));
    EXPECT_EQ(ints(g.source), (Ints{100, 0, 400, 180}));
}

TEST(Audience, TheMonitorOrTheWindowInAnyCaseAndBlanksAnythingElseTheMonitor)
{
    const struct { std::string value; bool readable; AudienceKind kind; } rows[] = {
        {"", true, AUDIENCE_MONITOR},          {"monitor", true, AUDIENCE_MONITOR}, {"window", true, AUDIENCE_WINDOW},
        {"WINDOW", true, AUDIENCE_WINDOW},     {" Window\t", true, AUDIENCE_WINDOW}, {"MONITOR ", true, AUDIENCE_MONITOR},
        {"windows", false, AUDIENCE_MONITOR},  {"win dow", false, AUDIENCE_MONITOR}, {"win\x01dow", false, AUDIENCE_MONITOR},
        {"\xFF\xFE", false, AUDIENCE_MONITOR}, {"1", false, AUDIENCE_MONITOR},
        {std::string(996, ' ') + "window", true, AUDIENCE_WINDOW}, {std::string(1000, 'w'), false, AUDIENCE_MONITOR},
    };
    for (const auto &r : rows) {
        AudienceKind kind = AUDIENCE_WINDOW;
        EXPECT_EQ(read_audience_setting(r.value.c_str(), &kind), r.readable) << r.value;
        EXPECT_EQ(kind, r.kind) << r.value;
    }
}

TEST(Audience, TheWindowsSizeWithinItsLimitsAnythingElse1280x720)
{
    const struct { std::string value; bool readable; Ints size; } rows[] = {
        {"", true, {1280, 720}},          {"1280x720", true, {1280, 720}},  {"1920X1080", true, {1920, 1080}},
        {" 800 x 600 ", true, {800, 600}}, {"320x180", true, {320, 180}},   {"3840x2160", true, {3840, 2160}},
        {"319x180", false, {1280, 720}},  {"320x179", false, {1280, 720}},  {"3841x2160", false, {1280, 720}},
        {"0x0", false, {1280, 720}},      {"99999x99999", false, {1280, 720}}, {"1280*720", false, {1280, 720}},
        {"1280x", false, {1280, 720}},    {"x720", false, {1280, 720}},     {"-1280x720", false, {1280, 720}},
        {"1280x720x2", false, {1280, 720}}, {"12 80x720", false, {1280, 720}}, {"\x01\xFFx\x02", false, {1280, 720}},
        {"000001280x720", false, {1280, 720}}, {std::string(1000, '9'), false, {1280, 720}},
        {std::string(500, '1') + "x" + std::string(499, '1'), false, {1280, 720}},
    };
    for (const auto &r : rows) {
        SurfaceSize size = {1, 1};
        EXPECT_EQ(read_audience_size(r.value.c_str(), &size), r.readable) << r.value;
        EXPECT_EQ((Ints{size.width, size.height}), r.size) << r.value;
    }
}

TEST(Audience, TheSurfaceIsTheMonitorOrTheWindowsClientAreaTheMainMonitorFittedInIt)
{
    const MonitorArea main = {0, 0, 1024, 768}, ext = {1024, 0, 1024, 768}, laptop = {0, 0, 1920, 1200};
    // area: the surface; window: where a window at (100, 100)-(300, 200) lands on it.
    const struct { AudienceKind kind; bool scale; MonitorArea main; SurfaceSize client; Ints area, window; } rows[] = {
        {AUDIENCE_MONITOR, false, main, {1280, 720}, {1024, 0, 1024, 768}, {1124, 100, 1324, 200}},
        {AUDIENCE_MONITOR, true, main, {1280, 720}, {1024, 0, 1024, 768}, {1124, 100, 1324, 200}},
        // Bands left and right, whatever MATCH says: the window has no mode to match.
        {AUDIENCE_WINDOW, false, main, {1280, 720}, {0, 0, 1280, 720}, {254, 94, 441, 188}},
        // A 16:10 main monitor: narrower bands.
        {AUDIENCE_WINDOW, true, laptop, {1280, 720}, {0, 0, 1280, 720}, {124, 60, 244, 120}},
        {AUDIENCE_WINDOW, true, main, {320, 180}, {0, 0, 320, 180}, {63, 23, 110, 47}},
        // A client area sized to nothing is a surface of one pixel.
        {AUDIENCE_WINDOW, true, main, {0, -5}, {0, 0, 1, 1}, {0, 0, 0, 0}},
    };
    for (const auto &r : rows) {
        AudienceScreen s = audience_screen(r.kind, r.scale, r.main, ext, r.client);
        EXPECT_EQ((Ints{s.area.x, s.area.y, s.area.width, s.area.height}), r.area);
        EXPECT_EQ(ints(map_rect(s.mapping, {100, 100, 300, 200})), r.window);
    }
}

} // namespace
