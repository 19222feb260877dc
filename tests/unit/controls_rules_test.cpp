// The presenter's controls: the button's place, every way of writing a key, the checklist's size, the preview.
#include "controls/button_rules.h"
#include "controls/checklist_rules.h"
#include "controls/hotkey_rules.h"
#include "controls/preview_rules.h"
#include "rows.h"
#include <gtest/gtest.h>

namespace {

ButtonMove move_for(const char *class_name, bool program_window = false, bool minimised = false)
{
    ForegroundView f = {};
    f.class_name = class_name, f.program_window = program_window, f.minimised = minimised;
    f.rect_known = true, f.rect = {0, 0, 300, 200};
    return place_for_foreground(f).move;
}

TEST(Button, InsideAMaximisedCaptionParkedForAMinimisedWindowStaysForItsOwn)
{
    ForegroundView maximised = {};
    maximised.class_name = "Notepad", maximised.maximised = maximised.rect_known = true;
    maximised.rect = {-8, -8, 1928, 1048};
    ButtonPlacement p = place_for_foreground(maximised);
    EXPECT_EQ((Ints{p.move, p.box.x, p.box.y}), (Ints{BUTTON_ON_WINDOW, 1784, -2}));
    EXPECT_EQ((Ints{move_for("Notepad", false, true), move_for("Notepad", true), move_for("Mirror3"),
                    move_for("Progman")}),
              (Ints{BUTTON_PARKED, BUTTON_STAYS, BUTTON_STAYS, BUTTON_STAYS}));
}

// The button's box beside the compositor's caption buttons: 3 x 46 x 30 at 96 DPI in a 7-pixel border, scaled.
Ints on_caption(ScreenRect window, ScreenRect buttons, unsigned dpi, bool maximised = false)
{
    ForegroundView f = {};
    f.class_name = "Notepad", f.rect_known = f.caption_buttons_known = true, f.maximised = maximised;
    f.rect = window, f.caption_buttons = buttons, f.dpi = dpi;
    return ints(place_for_foreground(f).box);
}

TEST(Button, LeftOfTheCaptionButtonsWithinTheirHeightAtEveryScale)
{
    EXPECT_EQ(on_caption({100, 50, 900, 650}, {655, 1, 793, 31}, 96), (Ints{721, 56, 30, 20}));
    EXPECT_EQ(on_caption({100, 50, 900, 650}, {586, 1, 793, 46}, 144), (Ints{635, 58, 45, 30}));
    EXPECT_EQ(on_caption({-8, -8, 1928, 1048}, {1652, 8, 1928, 52}, 192, true), (Ints{1576, 2, 60, 40}));
    EXPECT_EQ(on_caption({0, 0, 400, 300}, {200, 0, 380, 14}, 96), (Ints{175, 0, 21, 14}));  // a low caption
    // Bounds that no caption holds (a minimised or hidden window's): the place of old.
    EXPECT_EQ(on_caption({100, 50, 900, 650}, {655, 1, 900, 31}, 144), (Ints{760, 50, 45, 30}));
    EXPECT_EQ(on_caption({100, 50, 900, 650}, {0, 0, 0, 0}, 0), (Ints{760, 50, 30, 20}));
}

TEST(HotKeys, ModifiersKeysBlanksCaseAndWhatCannotBeRead)
{
    const struct { const char *value; HotKeyReading reading; unsigned modifiers, key; } cases[] = {
        {"Ctrl+Alt+F9", HOTKEY_SET, HOTKEY_CTRL | HOTKEY_ALT, 0x78}, {"F24", HOTKEY_SET, 0, 0x87},
        {" shift + WIN + f1 ", HOTKEY_SET, HOTKEY_SHIFT | HOTKEY_WIN, 0x70}, {"Alt+a", HOTKEY_SET, HOTKEY_ALT, 'A'},
        {"Ctrl+Z", HOTKEY_SET, HOTKEY_CTRL, 'Z'}, {"Win+0", HOTKEY_SET, HOTKEY_WIN, '0'},
        {"Ctrl+Shift+9", HOTKEY_SET, HOTKEY_CTRL | HOTKEY_SHIFT, '9'}, {"", HOTKEY_OFF, 0, 0},
        {"F25", HOTKEY_UNREADABLE, 0, 0}, {"F0", HOTKEY_UNREADABLE, 0, 0}, {"Ctrl+Alt", HOTKEY_UNREADABLE, 0, 0},
        {"Ctrl++F9", HOTKEY_UNREADABLE, 0, 0}, {"Control+F9", HOTKEY_UNREADABLE, 0, 0},
        {"Ctrl+Esc", HOTKEY_UNREADABLE, 0, 0}, {"7", HOTKEY_UNREADABLE, 0, 0},
        {"Shift+A", HOTKEY_UNREADABLE, 0, 0},  // that is typing
    };
    for (const auto &c : cases) {
        HotKey key;
        HotKeyReading reading = read_hotkey(c.value, &key);
        EXPECT_EQ(reading, c.reading) << c.value;
        if (reading == HOTKEY_SET) {
            EXPECT_EQ((Ints{(int)key.modifiers, (int)key.key}), (Ints{(int)c.modifiers, (int)c.key})) << c.value;
        }
    }
}

TEST(Checklist, EveryRowInsideTheClientAreaAtEveryScale)
{
    auto size = [](int rows, unsigned dpi, int frame) {
        ChecklistSize s = checklist_size(rows, dpi, frame);
        return Ints{s.width, s.height, s.row_height};
    };
    EXPECT_EQ(size(3, 96, 27), (Ints{300, 124, 30}));  // 31 per row and one, as ever
    EXPECT_EQ(size(2, 96, 39), (Ints{300, 99, 30}));   // a frame of 39 would cut the last of 93
    EXPECT_EQ(size(3, 144, 38), (Ints{450, 186, 45}));
    EXPECT_EQ(size(1, 192, 130), (Ints{600, 190, 60}));
    EXPECT_EQ(size(3, 0, 27), (Ints{300, 124, 30}));  // a DPI that cannot be used: the sizes of 96
}

TEST(Preview, AtTheMainMonitorsCornerInTheAudiencesProportionsAndNeverOnTheirMonitor)
{
    const MonitorArea main = {0, 0, 1920, 1080}, ext = {1920, 0, 1024, 768}, none = {-1920, 0, 1920, 1080};
    EXPECT_EQ(ints(preview_place(main, ext, 96, 16, 39)), (Ints{1584, 0, 336, 299}));  // 320 x 240, 20 for the status
    EXPECT_EQ(ints(preview_place(main, ext, 144, 22, 45)), (Ints{1418, 0, 502, 435}));
    EXPECT_EQ(ints(preview_picture(400, 260, 20, ext)), (Ints{40, 0, 320, 240}));  // wider than the picture asks
    EXPECT_EQ(ints(preview_picture(320, 400, 20, ext)), (Ints{0, 70, 320, 240}));
    EXPECT_EQ(ints(in_picture({2020, -10, 300, 200}, ext, {0, 0, 512, 384})), (Ints{50, 0, 200, 95}));  // cut
    Box moved = {};
    EXPECT_FALSE(keep_off_external({1584, 0, 336, 299}, main, ext, &moved));
    EXPECT_TRUE(keep_off_external({1800, 100, 336, 299}, main, ext, &moved));  // reaching onto it
    EXPECT_EQ(ints(moved), (Ints{1584, 100, 336, 299}));
    EXPECT_TRUE(keep_off_external({2500, 900, 336, 299}, main, ext, &moved) == false);  // below it: on no monitor
    EXPECT_TRUE(keep_off_external({2500, 900, 336, 299}, main, {1920, 0, 1024, 1080}, &moved) && moved.y == 781);
    EXPECT_TRUE(keep_off_external({-50, 0, 336, 299}, main, none, &moved) && moved.x == 0);  // one monitor
    char status[64];
    preview_status(status, sizeof status, 2, ext, true, false, true, true);
    EXPECT_STREQ(status, "Monitor 2: 1024 \x81\x7E 768, blank, zoom, curtain");
    preview_status(status, sizeof status, 0, none, true, true, true, true);
    EXPECT_STREQ(status, "No external monitor");
    preview_status(status, sizeof status, AUDIENCE_IN_WINDOW, {0, 0, 1280, 720}, true, false, false, false);
    EXPECT_STREQ(status, "Audience window: 1280 \x81\x7E 720, blank");
}

// A 1024 x 768 external monitor right of a 1920-wide main one: a mirror at (2020, 100), one past its bottom edge.
PreviewScene two_places()
{
    PreviewScene s = {};
    s.ext = {1920, 0, 1024, 768}, s.wallpaper = true, s.place_count = 2;
    s.places[0] = {2020, 100, 300, 200}, s.places[1] = {2500, 700, 200, 200};
    return s;
}

TEST(Preview, ReadsOnlyThePlacesWhileTheSceneStaysAndTheWholeMonitorOtherwise)
{
    const PreviewClock settled = {true, 5000, 500};
    // seen_before: the refresh before already read the changed scene.
    struct Row { const char *what; void (*change)(PreviewScene &s); bool seen_before; PreviewClock clock; bool whole; };
    const Row rows[] = {
        {"the same scene: the places", [](PreviewScene &) {}, false, settled, false},
        {"no picture yet", [](PreviewScene &) {}, false, {false, 5000, 500}, true},
        {"a whole read due", [](PreviewScene &) {}, false, {true, 5000, 2000}, true},
        {"settling after a change", [](PreviewScene &) {}, false, {true, 999, 500}, true},
        {"settled", [](PreviewScene &) {}, false, {true, 1000, 1999}, false},
        {"blank", [](PreviewScene &s) { s.blank = true; }, false, settled, true},
        {"spotlight", [](PreviewScene &s) { s.spotlight = true; }, false, settled, true},
        {"zoom", [](PreviewScene &s) { s.zoom = true; }, false, settled, true},
        {"curtain", [](PreviewScene &s) { s.curtain = true; }, false, settled, true},
        {"wallpaper hidden", [](PreviewScene &s) { s.wallpaper = false; }, false, settled, true},
        {"a window marked", [](PreviewScene &s) { s.not_responding = 4; }, false, settled, true},
        {"the monitor", [](PreviewScene &s) { s.ext.width = 1280; }, false, settled, true},
        {"a place moved", [](PreviewScene &s) { s.places[0].x++; }, false, settled, true},
        {"a place gone", [](PreviewScene &s) { s.place_count = 1; }, false, settled, true},
        {"a place came", [](PreviewScene &s) { s.places[s.place_count++] = {1920, 0, 10, 10}; }, false, settled, true},
        {"blank, settled", [](PreviewScene &s) { s.blank = true; }, true, settled, false},
        {"too many places", [](PreviewScene &s) { s.place_count = PREVIEW_MOST_PLACES + 1; }, true, settled, true},
        {"half the monitor", [](PreviewScene &s) { s.places[0] = {1920, 0, 1024, 384}; }, true, settled, true},
        {"a little less", [](PreviewScene &s) { s.places[0] = {1920, 0, 1024, 300}; }, true, settled, false},
    };
    for (const Row &row : rows) {
        PreviewScene now = two_places();
        row.change(now);
        PreviewRead read = plan_preview_read(row.seen_before ? now : two_places(), now, row.clock);
        EXPECT_EQ(read.whole, row.whole) << row.what;
        EXPECT_EQ(read.count, row.whole ? 0 : 2) << row.what;
    }
    PreviewRead read = plan_preview_read(two_places(), two_places(), settled);
    ASSERT_EQ(read.count, 2);
    EXPECT_EQ(ints(read.boxes[0]), (Ints{2020, 100, 300, 200}));
    EXPECT_EQ(ints(read.boxes[1]), (Ints{2500, 700, 200, 68}));  // cut to the monitor
}

} // namespace
