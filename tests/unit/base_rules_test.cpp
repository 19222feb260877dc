// The settings file, two-way settings, byte tests on code-page-932 text: cases no end-to-end run meets.
#include "backdrop/backdrop_rules.h"
#include "base/byte_text.h"
#include "base/dpi_rules.h"
#include "base/settings_rules.h"
#include "base/trace_queue.h"
#include "capture/capture_rules.h"
#include "controls/preview_rules.h"
#include "display/monitor_rules.h"
#include "popups/popup_rules.h"
#include "rows.h"
#include <gtest/gtest.h>
#include <string.h>
#include <string>

namespace {

TEST(Settings, ThePathFitsExactlyOrNotAtAll)
{
    char out[260];
    EXPECT_TRUE(build_settings_path(std::string(244, 'd').c_str(), out, sizeof out));  // + "\Vantoscope.ini" + NUL
    EXPECT_FALSE(build_settings_path(std::string(245, 'd').c_str(), out, sizeof out));
    EXPECT_STREQ(out, "");
}

TEST(Settings, TheValueAsTheFileHoldsIt)
{
    const char *ini = "\xEF\xBB\xBF; comment\r\n[WPNAME]\r\nFILENAME = \xE5\xA3\x81.bmp \r\n"
                      "[btnname]\nfilename=\"a b.bmp\"\n[BTNNAME2]\n;FILENAME=x.bmp\n";
    char out[64];
    EXPECT_TRUE(settings_value(ini, "WPNAME", "FILENAME", out, sizeof out));
    EXPECT_STREQ(out, "\xE5\xA3\x81.bmp");
    EXPECT_TRUE(settings_value(ini, "BTNNAME", "FILENAME", out, sizeof out));  // names ignore case
    EXPECT_STREQ(out, "a b.bmp");
    EXPECT_FALSE(settings_value(ini, "BTNNAME2", "FILENAME", out, sizeof out));  // commented out
    EXPECT_STREQ(out, "");
}

// A reader of a setting of two named values, as a reader of yes and no: is it the second value?
template <typename Value, bool (*read)(const char *, Value *), Value first, Value second>
bool reads_second(const char *text, bool *is_second)
{
    Value value = *is_second ? second : first;
    bool readable = read(text, &value);
    *is_second = value == second;
    return readable;
}

TEST(Settings, EachTwoWaySettingInAnyCaseItsDefaultWhenEmptyOrUnreadable)
{
    const std::string long_yes(1000, 'y');
    const auto method_is_copy = reads_second<MirrorMethod, read_mirror_method, METHOD_AUTO, METHOD_COPY>;
    const auto match_is_scale = reads_second<DisplayMatch, read_display_match, MATCH_RESOLUTION, MATCH_SCALE>;
    const struct { bool (*read)(const char *, bool *); const char *value; bool readable, read_as; } rows[] = {
        {read_curtain_setting, "", true, false}, {read_curtain_setting, "YES", true, true},
        {read_curtain_setting, "No", true, false}, {read_curtain_setting, "maybe", false, false},
        {read_preview_setting, "", true, false}, {read_preview_setting, "Yes", true, true},
        {read_preview_setting, long_yes.c_str(), false, false}, {read_preview_setting, "\x01\xFF", false, false},
        {read_popups_setting, "", true, true}, {read_popups_setting, "no", true, false},
        {read_popups_setting, "YES", true, true}, {read_popups_setting, "off", false, true},
        {method_is_copy, "", true, false}, {method_is_copy, "Copy", true, true},
        {method_is_copy, "AUTO", true, false}, {method_is_copy, "copies", false, false},
        {match_is_scale, "", true, false}, {match_is_scale, "Scale", true, true},
        {match_is_scale, "RESOLUTION", true, false}, {match_is_scale, "scaled", false, false},
    };
    for (const auto &r : rows) {
        bool read_as = !r.read_as;  // a reader that leaves it as it was fails
        bool readable = r.read(r.value, &read_as);
        EXPECT_EQ((Ints{readable, read_as}), (Ints{r.readable, r.read_as})) << &r - rows;
    }
}

TEST(Settings, AValueInATraceLineCutAfter40BytesItsControlBytesShownAsQuestionMarks)
{
    const struct { std::string value; int out_size; std::string shown; } rows[] = {
        {std::string(40, 'a'), 64, std::string(40, 'a')}, {std::string(41, 'a'), 64, std::string(40, 'a') + "..."},
        {"\x01y\x7F\ts\x83\x41", 64, "?y??s\x83\x41"}, {"", 64, ""},
        {"abcdefghij", 8, "abcd..."}};  // as much as the buffer holds
    for (const auto &r : rows) {
        char out[64];
        excerpt_for_trace(r.value.c_str(), out, r.out_size);
        EXPECT_EQ(out, r.shown);
    }
}

TEST(ByteText, UnsignedOrderAndMatchesAcrossCharacterBoundaries)
{
    EXPECT_LT(compare_titles("zzz", "\x83\x5C\x83\x74"), 0);  // ASCII before double-byte
    EXPECT_GT(compare_titles("\x83\x41", "\x82\xA0"), 0);     // lead bytes compare unsigned
    EXPECT_LT(compare_titles("\x83\x41", "\x83\x42"), 0);     // then trail bytes
    EXPECT_TRUE(contains_bytes("\x83\x41\x4D\x44", "AMD"));    // a trail byte and the next byte
    EXPECT_TRUE(is_utf8_beyond_ascii("\xE5\xA3\x81\xE7\xB4\x99.bmp"));  // 壁紙.bmp in UTF-8
    EXPECT_FALSE(is_utf8_beyond_ascii("\x95\xC7\x8E\x86.bmp"));          // 壁紙.bmp in code page 932
    EXPECT_FALSE(is_utf8_beyond_ascii("\xE5\xA3"));                      // cut short
}

TEST(ByteText, BlanksTrimmedAtEitherEndAndAsciiCaseOnly)
{
    struct Row { const char *text, *trimmed; } rows[] = {
        {" \tCtrl + Alt\t ", "Ctrl + Alt"}, {"F9", "F9"}, {" \t ", ""},
        {"\x81\x40", "\x81\x40"}};  // the last: a double-byte space, not a blank
    for (const Row &r : rows) {
        const char *begin = r.text, *end = r.text + strlen(r.text);
        trim_blanks(begin, end);
        EXPECT_EQ(std::string(begin, end), r.trimmed) << r.text;
    }
    EXPECT_EQ(std::string() + ascii_lower('Q') + ascii_lower('q') + ascii_lower('@') + ascii_lower('\x83'), "qq@\x83");
    EXPECT_EQ(std::string() + ascii_upper('z') + ascii_upper('Z') + ascii_upper('{') + ascii_upper('\xE1'), "ZZ{\xE1");
}

TEST(Dpi, SizesScaledAndRoundedOnlyForAUsableDpi)
{
    EXPECT_EQ(scale_to_dpi(31, 120), 39);  // 38.75
    EXPECT_EQ(scale_to_dpi(-5, 144), -8);  // -7.5: halves away from zero, as the system's font heights
    EXPECT_EQ(scale_to_dpi(30, 384), 120);
    EXPECT_EQ(scale_to_dpi(30, 480), 30);  // past every scale: unusable
    EXPECT_FALSE(dpi_usable(0) || dpi_usable(72));
}

std::string taken(TraceQueue &q)
{
    std::string out;
    const char *front = NULL;
    for (size_t n = trace_queue_front(q, &front); n > 0; n = trace_queue_front(q, &front)) {
        out.append(front, n);
        trace_queue_take(q, n);
    }
    return out;
}

TEST(TraceQueue, WholeLinesInOrderThoseThatDoNotFitDroppedAndCounted)
{
    static TraceQueue q;
    q.start = TRACE_QUEUE_BYTES - 10;  // lines wrap around the ring's end
    std::string all;
    for (int i = 0; trace_queue_put(q, (std::string(1022, 'a' + i % 26) + "\r\n").c_str(), 1024); ++i)
        all += std::string(1022, 'a' + i % 26) + "\r\n";
    EXPECT_EQ(all.size(), (size_t)TRACE_QUEUE_BYTES);
    EXPECT_FALSE(trace_queue_put(q, "a\r\nb\r\n", 6));  // two more lines dropped, three in all
    EXPECT_EQ(q.dropped, 3UL);
    EXPECT_TRUE(taken(q) == all);
    EXPECT_TRUE(trace_queue_put(q, "Class:Notepad\r\n", 15));
    EXPECT_EQ(taken(q), "TRACE: 3 lines dropped while the output was blocked\r\nClass:Notepad\r\n");
    EXPECT_EQ(q.dropped, 0UL);
}

} // namespace
