// Which windows the catalogue leaves out, tested on raw code-page-932 bytes.
#include "catalogue/eligibility.h"
#include "catalogue/text_rules.h"
#include <gtest/gtest.h>

namespace {

// Double-byte titles whose trail bytes are '\' (5C) or '|' (7C).
const char SO_TITLE[] = "\x83\x5C\x83\x74\x83\x67";   // ソフト
const char HYOU_TITLE[] = "\x95\x5C\x8E\xA6";          // 表示
const char PIPE_TITLE[] = "\x83\x7C\x83\x43\x83\x93";  // ポイン

TEST(TextRules, SubstringIsByteWiseCaseSensitiveAndIgnoresCharacterBoundaries)
{
    EXPECT_TRUE(contains_bytes("abcMirror", "Mirror"));
    EXPECT_FALSE(contains_bytes("mirror", "Mirror"));
    EXPECT_FALSE(contains_bytes("Mirro", "Mirror"));
    EXPECT_TRUE(contains_bytes("anything", ""));
    EXPECT_FALSE(contains_bytes("", "a"));
    // The trail byte of one character and the next byte can form a match.
    EXPECT_TRUE(contains_bytes("\x83\x41\x4D\x44", "AMD"));
    EXPECT_TRUE(contains_bytes(SO_TITLE, "\\"));
}

TEST(TextRules, TitlesCompareAsUnsignedBytes)
{
    EXPECT_LT(compare_titles("Apple", "Banana"), 0);
    EXPECT_LT(compare_titles("Zebra", "apple"), 0);  // upper case before lower case
    EXPECT_LT(compare_titles("zzz", SO_TITLE), 0);    // ASCII before double-byte
    EXPECT_LT(compare_titles("App", "Apple"), 0);     // a leading part first
    EXPECT_EQ(compare_titles("Same", "Same"), 0);
    EXPECT_GT(compare_titles("\xFC\x4B", "\x83\x41"), 0);
}

TEST(Exclusion, EachRuleOnItsEdge)
{
    const struct {
        const char *class_name;
        const char *title;
        bool excluded;
    } cases[] = {
        {"Notepad", "", true},                                     // no title
        {"X", "WallPaper", true},                                  // excluded titles match exactly
        {"X", "WallPaper 2", false},
        {"X", "wallpaper", false},
        {"Progman", "Program Manager", true},
        {"X", "VantoscopeCheck", true},
        {"X", "VantoscopeCheck list", false},
        {"X", "ClickVantoscope", true},
        {"X", "SplitterResizePreviewWindow", true},
        {"X", "My Mirror", true},                                  // excluded parts match anywhere
        {"X", "mirror of mine", false},
        {"X", "CAMDEN", true},
        {"X", "Amd", false},
        {"X", "\x83\x58\x83\x5E\x81\x5B\x83\x67", true},           // スタート
        {"X", "VantoscopeButton", true},
        {"MozillaWindowClass", "Some page", true},                 // Mozilla needs its name
        {"MozillaWindowClass", "Some page - Mozilla Firefox", false},
        {"MozillaWindowClassX", "Some page", false},
        {"Mirror3", "A title", true},                              // class name parts
        {"MyFeedBackHost", "A title", true},
        {"mirror", "A title", false},
        {"Feedback", "A title", false},
        {"X", SO_TITLE, false},                                    // double-byte titles with 5C / 7C
        {"X", HYOU_TITLE, false},
        {"X", PIPE_TITLE, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(is_excluded(c.class_name, c.title), c.excluded) << c.class_name << " / " << c.title;
}

} // namespace
