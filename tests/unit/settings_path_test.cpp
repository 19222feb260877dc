// The settings path, and working directories too long for it.
#include "app/limits.h"
#include "app/settings_path.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

TEST(SettingsPath, JoinsDirectoryAndFileWithOneBackslash)
{
    char out[PATH_LEN];
    ASSERT_TRUE(build_settings_path("C:\\Users\\me", out, PATH_LEN));
    EXPECT_STREQ(out, "C:\\Users\\me\\Vantoscope.ini");
}

TEST(SettingsPath, DriveRootKeepsItsOwnBackslash)
{
    char out[PATH_LEN];
    ASSERT_TRUE(build_settings_path("C:\\", out, PATH_LEN));
    EXPECT_STREQ(out, "C:\\\\Vantoscope.ini");
}

TEST(SettingsPath, LongestDirectoryThatFits)
{
    // 260 characters hold the directory, a backslash, 14 for the name and the terminator.
    std::string dir = "C:\\" + std::string(PATH_LEN - 16 - 3, 'd');
    char out[PATH_LEN];
    ASSERT_TRUE(build_settings_path(dir.c_str(), out, PATH_LEN));
    EXPECT_EQ(std::string(out), dir + "\\Vantoscope.ini");
}

TEST(SettingsPath, DirectoryOneCharacterTooLongGivesNoPath)
{
    std::string dir = "C:\\" + std::string(PATH_LEN - 16 - 2, 'd');
    char out[PATH_LEN];
    memset(out, 'x', sizeof out);
    EXPECT_FALSE(build_settings_path(dir.c_str(), out, PATH_LEN));
    EXPECT_STREQ(out, "");
}

TEST(SettingsPath, VeryLongDirectoryDoesNotOverrunTheBuffer)
{
    std::string dir(5000, 'x');
    char out[PATH_LEN + 8];
    memset(out, '#', sizeof out);
    EXPECT_FALSE(build_settings_path(dir.c_str(), out, PATH_LEN));
    for (int i = PATH_LEN; i < PATH_LEN + 8; ++i)
        EXPECT_EQ(out[i], '#');
}

} // namespace
