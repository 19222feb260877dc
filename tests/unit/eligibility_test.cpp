// Which windows the catalogue leaves out, tested on raw code-page-932 bytes.
#include "catalogue/eligibility.h"
#include "catalogue/text_rules.h"
#include <gtest/gtest.h>

namespace {

// "スタート" and a few double-byte titles, as code page 932 bytes.
const char START[] = "\x83\x58\x83\x5E\x81\x5B\x83\x67";
const char SO_TITLE[] = "\x83\x5C\x83\x74\x83\x67";   // ソフト: the first trail byte is '\'
const char HYOU_TITLE[] = "\x95\x5C\x8E\xA6";          // 表示: trail byte '\'
const char PIPE_TITLE[] = "\x83\x7C\x83\x43\x83\x93";  // ポイン: trail byte '|'

TEST(TextRules, SubstringAnywhereCaseSensitive)
{
    EXPECT_TRUE(contains_bytes("abcMirror", "Mirror"));
    EXPECT_TRUE(contains_bytes("Mirror", "Mirror"));
    EXPECT_FALSE(contains_bytes("mirror", "Mirror"));
    EXPECT_FALSE(contains_bytes("Mirro", "Mirror"));
    EXPECT_TRUE(contains_bytes("anything", ""));
    EXPECT_FALSE(contains_bytes("", "a"));
}

TEST(TextRules, SubstringIgnoresDoubleByteBoundaries)
{
    // The trail byte of one character and the lead byte of the next can form a match.
    EXPECT_TRUE(contains_bytes("\x83\x41\x4D\x44", "AMD"));
    EXPECT_TRUE(contains_bytes(SO_TITLE, "\\"));
    EXPECT_TRUE(contains_bytes(PIPE_TITLE, "|"));
}

TEST(TextRules, TitlesCompareAsUnsignedBytes)
{
    EXPECT_LT(compare_titles("Apple", "Banana"), 0);
    EXPECT_LT(compare_titles("Zebra", "apple"), 0);   // upper case before lower case
    EXPECT_LT(compare_titles("zzz", SO_TITLE), 0);     // ASCII before double-byte
    EXPECT_LT(compare_titles("App", "Apple"), 0);      // a leading part first
    EXPECT_EQ(compare_titles("Same", "Same"), 0);
    EXPECT_LT(compare_titles("", "A"), 0);
    EXPECT_GT(compare_titles("\xFC\x4B", "\x83\x41"), 0);
}

TEST(Exclusion, EmptyTitleIsNeverListed)
{
    EXPECT_TRUE(is_excluded("Notepad", ""));
}

TEST(Exclusion, ExcludedTitlesMatchExactlyOnly)
{
    EXPECT_TRUE(is_excluded("Whatever", "WallPaper"));
    EXPECT_FALSE(is_excluded("Whatever", "WallPaper 2"));
    EXPECT_FALSE(is_excluded("Whatever", "wallpaper"));
    EXPECT_TRUE(is_excluded("Progman", "Program Manager"));
    EXPECT_TRUE(is_excluded("Checklist", "VantoscopeCheck"));
    EXPECT_FALSE(is_excluded("Checklist", "VantoscopeCheck list"));
    EXPECT_TRUE(is_excluded("X", "ClickVantoscope"));
    EXPECT_TRUE(is_excluded("X", "SplitterResizePreviewWindow"));
}

TEST(Exclusion, ExcludedPartsMatchAnywhere)
{
    EXPECT_TRUE(is_excluded("X", "Mirror of mine"));
    EXPECT_FALSE(is_excluded("X", "mirror of mine"));
    EXPECT_TRUE(is_excluded("X", "RADEON AMDGPU"));
    EXPECT_TRUE(is_excluded("X", "CAMDEN"));
    EXPECT_FALSE(is_excluded("X", "Amd"));
    EXPECT_TRUE(is_excluded("X", START));
    EXPECT_TRUE(is_excluded("X", "VantoscopeButton"));
}

TEST(Exclusion, MozillaMainWindowNeedsMozillaInItsTitle)
{
    EXPECT_TRUE(is_excluded("MozillaWindowClass", "Some page"));
    EXPECT_FALSE(is_excluded("MozillaWindowClass", "Some page - Mozilla Firefox"));
    EXPECT_FALSE(is_excluded("MozillaWindowClassX", "Some page"));
}

TEST(Exclusion, MirrorAndFeedbackClassesAreLeftOut)
{
    EXPECT_TRUE(is_excluded("Mirror3", "A title"));
    EXPECT_TRUE(is_excluded("MyFeedBackHost", "A title"));
    EXPECT_FALSE(is_excluded("mirror", "A title"));
    EXPECT_FALSE(is_excluded("Feedback", "A title"));
}

TEST(Exclusion, DoubleByteTitlesWithBackslashOrBarTrailBytesAreListed)
{
    EXPECT_FALSE(is_excluded("X", SO_TITLE));
    EXPECT_FALSE(is_excluded("X", HYOU_TITLE));
    EXPECT_FALSE(is_excluded("X", PIPE_TITLE));
}

} // namespace
