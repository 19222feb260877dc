// Reading the settings file through the platform's profile functions.
#include "app/limits.h"
#include "app/settings.h"
#include "app/win32.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <string>

namespace {

// A scratch directory made the working directory for one test, and left again after it.
class SettingsDir : public ::testing::Test {
protected:
    char previous[MAX_PATH] = "";
    std::string dir;

    void SetUp() override
    {
        GetCurrentDirectoryA(MAX_PATH, previous);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        dir = std::string(temp) + "vantoscope_settings_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(dir.c_str(), NULL);
        ASSERT_TRUE(SetCurrentDirectoryA(dir.c_str()));
    }

    void TearDown() override
    {
        SetCurrentDirectoryA(previous);
        DeleteFileA((dir + "\\Vantoscope.ini").c_str());
        RemoveDirectoryA(dir.c_str());
    }

    void write_settings(const std::string &text)
    {
        FILE *f = fopen((dir + "\\Vantoscope.ini").c_str(), "wb");
        ASSERT_NE(f, (FILE *)NULL);
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    }
};

std::string read(const char *section)
{
    char value[TEXT_LEN];
    memset(value, 'x', sizeof value);
    read_setting_filename(section, value);
    return value;
}

TEST_F(SettingsDir, ReadsEachSectionsFilename)
{
    write_settings("[WPNAME]\r\nFILENAME=wall.bmp\r\n[BTNNAME]\r\nFILENAME=b1.bmp\r\n[BTNNAME2]\r\nFILENAME=C:\\pics\\b2.bmp\r\n");
    EXPECT_EQ(read("WPNAME"), "wall.bmp");
    EXPECT_EQ(read("BTNNAME"), "b1.bmp");
    EXPECT_EQ(read("BTNNAME2"), "C:\\pics\\b2.bmp");
}

TEST_F(SettingsDir, MissingFileSectionOrKeyReadsEmpty)
{
    EXPECT_EQ(read("WPNAME"), "");
    write_settings("[WPNAME]\r\nOTHER=x\r\n[BTNNAME]\r\n");
    EXPECT_EQ(read("WPNAME"), "");
    EXPECT_EQ(read("BTNNAME"), "");
    EXPECT_EQ(read("BTNNAME2"), "");
}

TEST_F(SettingsDir, LongValueIsCutToTheBuffer)
{
    std::string long_value(3000, 'v');
    write_settings("[WPNAME]\r\nFILENAME=" + long_value + "\r\n");
    std::string got = read("WPNAME");
    EXPECT_EQ(got.size(), (size_t)TEXT_LEN - 1);
    EXPECT_EQ(got, long_value.substr(0, TEXT_LEN - 1));
}

TEST_F(SettingsDir, BinaryGarbageDoesNotBreakTheReader)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += (char)((i * 7919) & 0xFF);
    write_settings(garbage);
    std::string got = read("WPNAME");
    EXPECT_LT(got.size(), (size_t)TEXT_LEN);
}

} // namespace
