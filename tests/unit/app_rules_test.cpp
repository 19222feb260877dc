// The shell's rules and the byte tests on raw code-page-932 text.
#include "app/app_rules.h"
#include "app/byte_text.h"
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(CursorLimit, EachEdgeAndTheTwoEdgesAtOnce)
{
    const struct {
        ScreenPoint at;
        int moves;
        ScreenPoint first, second;
    } cases[] = {
        {{500, 300}, 0, {}, {}},
        {{1910, 300}, 0, {}, {}},              // the margin is 10 pixels, not 11
        {{1915, 300}, 1, {1910, 300}, {}},
        {{-5, 300}, 1, {0, 300}, {}},
        {{500, 1075}, 1, {500, 1070}, {}},
        {{-5, -5}, 2, {0, -5}, {-5, 0}},       // each move keeps the other coordinate as captured
    };
    for (const auto &c : cases) {
        CursorMoves m = cursor_limit_moves(c.at, 1920, 1080);
        ASSERT_EQ(m.count, c.moves) << c.at.x << "," << c.at.y;
        if (m.count > 0) {
            EXPECT_EQ(std::make_pair(m.to[0].x, m.to[0].y), std::make_pair(c.first.x, c.first.y));
        }
        if (m.count > 1) {
            EXPECT_EQ(std::make_pair(m.to[1].x, m.to[1].y), std::make_pair(c.second.x, c.second.y));
        }
    }
}

TEST(Elapsed, BorrowsAcrossMinutesHoursAndMidnight)
{
    const struct {
        int start[3], now[3], seconds, minutes, hours;
    } cases[] = {
        {{10, 0, 0}, {11, 2, 3}, 3, 2, 1},
        {{10, 59, 30}, {11, 0, 10}, 40, 0, 0},
        {{23, 59, 50}, {0, 0, 5}, 15, 0, 0},
        {{10, 30, 59}, {10, 31, 0}, 1, 0, 0},
    };
    for (const auto &c : cases) {
        Elapsed e = elapsed_between(c.start[0], c.start[1], c.start[2], c.now[0], c.now[1], c.now[2]);
        EXPECT_EQ(e.seconds, c.seconds);
        EXPECT_EQ(e.minutes, c.minutes);
        EXPECT_EQ(e.hours, c.hours);
    }
}

TEST(SettingsPath, FitsExactlyOrNotAtAll)
{
    char out[260];
    ASSERT_TRUE(build_settings_path("C:\\", out, sizeof out));
    EXPECT_STREQ(out, "C:\\\\Vantoscope.ini");  // a drive's root keeps its own backslash
    std::string longest(244, 'd');             // + "\" + "Vantoscope.ini" + NUL = 260
    EXPECT_TRUE(build_settings_path(longest.c_str(), out, sizeof out));
    std::string too_long(245, 'd');
    EXPECT_FALSE(build_settings_path(too_long.c_str(), out, sizeof out));
    EXPECT_STREQ(out, "");
}

TEST(SettingsValue, TheValueAsTheFileHoldsIt)
{
    const char *ini = "\xEF\xBB\xBF; comment\r\n[WPNAME]\r\nFILENAME = \xE5\xA3\x81.bmp \r\n"
                      "[btnname]\nfilename=\"a b.bmp\"\n[BTNNAME2]\n;FILENAME=x.bmp\n";
    char out[64];
    EXPECT_TRUE(settings_value(ini, "WPNAME", "FILENAME", out, sizeof out));
    EXPECT_STREQ(out, "\xE5\xA3\x81.bmp");
    EXPECT_TRUE(settings_value(ini, "BTNNAME", "FILENAME", out, sizeof out));  // names ignore case
    EXPECT_STREQ(out, "a b.bmp");
    EXPECT_FALSE(settings_value(ini, "BTNNAME2", "FILENAME", out, sizeof out));  // commented out
    EXPECT_FALSE(settings_value(ini, "OTHER", "FILENAME", out, sizeof out));
    EXPECT_STREQ(out, "");
}

TEST(ByteText, UnsignedOrderAndMatchesAcrossCharacterBoundaries)
{
    EXPECT_LT(compare_titles("Zebra", "apple"), 0);         // upper case first
    EXPECT_LT(compare_titles("zzz", "\x83\x5C\x83\x74"), 0);  // ASCII before double-byte
    EXPECT_GT(compare_titles("\x83\x41", "\x82\xA0"), 0);   // lead bytes compare unsigned
    EXPECT_LT(compare_titles("\x83\x41", "\x83\x42"), 0);   // then trail bytes
    EXPECT_LT(compare_titles("App", "Apple"), 0);
    EXPECT_TRUE(contains_bytes("\x83\x41\x4D\x44", "AMD"));  // a trail byte and the next byte
    EXPECT_FALSE(contains_bytes("mirror", "Mirror"));
}

TEST(ByteText, Utf8BeyondAscii)
{
    EXPECT_TRUE(is_utf8_beyond_ascii("\xE5\xA3\x81\xE7\xB4\x99.bmp"));  // 壁紙.bmp in UTF-8
    EXPECT_FALSE(is_utf8_beyond_ascii("wallpaper.bmp"));                // ASCII needs no second try
    EXPECT_FALSE(is_utf8_beyond_ascii("\x95\xC7\x8E\x86.bmp"));          // 壁紙.bmp in code page 932
    EXPECT_FALSE(is_utf8_beyond_ascii("\xE5\xA3"));                      // cut short
    EXPECT_FALSE(is_utf8_beyond_ascii("\xC0\xAF"));                      // overlong
}

} // namespace
