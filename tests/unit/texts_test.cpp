// Every text of the program against its UTF-8 original, converted to code page 932 by iconv:
// a wrong byte in a hand-written escape shows up here.
#include "app/texts.h"
#include <gtest/gtest.h>
#include <iconv.h>
#include <string>

namespace {

std::string to_cp932(const std::string &utf8)
{
    iconv_t cd = iconv_open("CP932", "UTF-8");
    EXPECT_NE(cd, (iconv_t)-1);
    std::string in = utf8;
    std::string out(in.size() * 2 + 8, '\0');
    char *src = &in[0];
    char *dst = &out[0];
    size_t in_left = in.size();
    size_t out_left = out.size();
    size_t done = iconv(cd, &src, &in_left, &dst, &out_left);
    iconv_close(cd);
    EXPECT_NE(done, (size_t)-1) << "iconv cannot convert " << utf8;
    out.resize(out.size() - out_left);
    return out;
}

std::string hex(const std::string &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
        out += ' ';
    }
    return out;
}

struct Original {
    const char *program_text;
    const char *utf8;
    const char *name;
};

const Original originals[] = {
    {TXT_CHECKLIST_CLASS, u8"Checklist", "TXT_CHECKLIST_CLASS"},
    {TXT_CHECKLIST_TITLE, u8"VantoscopeCheck", "TXT_CHECKLIST_TITLE"},
    {TXT_ROW_CLASS, u8"BUTTON", "TXT_ROW_CLASS"},
    {TXT_ROW_PLACEHOLDER, u8"黑", "TXT_ROW_PLACEHOLDER"},
    {TXT_WALLPAPER_CLASS, u8"WallPaper", "TXT_WALLPAPER_CLASS"},
    {TXT_WALLPAPER_TITLE, u8"WallPaper", "TXT_WALLPAPER_TITLE"},
    {TXT_BUTTON_CLASS, u8"VantoscopeButton", "TXT_BUTTON_CLASS"},
    {TXT_BUTTON_TITLE, u8"VantoscopeButton", "TXT_BUTTON_TITLE"},
    {TXT_MIRROR_NAME_FMT, u8"Mirror%d", "TXT_MIRROR_NAME_FMT"},
    {TXT_MIRROR_TITLE_FMT, u8"%s ", "TXT_MIRROR_TITLE_FMT"},
    {TXT_MENU_MOUSE_LIMIT, u8"MOUSE_LIMIT ON/OFF", "TXT_MENU_MOUSE_LIMIT"},
    {TXT_MENU_MOUSE_POINTER, u8"MOUSE_POINTER ON/OFF", "TXT_MENU_MOUSE_POINTER"},
    {TXT_MENU_WALLPAPER, u8"WallPaper ON/OFF", "TXT_MENU_WALLPAPER"},
    {TXT_SETTINGS_FILE, u8"Vantoscope.ini", "TXT_SETTINGS_FILE"},
    {TXT_SETTINGS_PATH_FMT, u8"%s\\%s", "TXT_SETTINGS_PATH_FMT"},
    {TXT_SECTION_WALLPAPER, u8"WPNAME", "TXT_SECTION_WALLPAPER"},
    {TXT_SECTION_BUTTON1, u8"BTNNAME", "TXT_SECTION_BUTTON1"},
    {TXT_SECTION_BUTTON2, u8"BTNNAME2", "TXT_SECTION_BUTTON2"},
    {TXT_KEY_FILENAME, u8"FILENAME", "TXT_KEY_FILENAME"},
    {TXT_EXCL_PROGRAM_MANAGER, u8"Program Manager", "TXT_EXCL_PROGRAM_MANAGER"},
    {TXT_EXCL_CLICK, u8"ClickVantoscope", "TXT_EXCL_CLICK"},
    {TXT_EXCL_SPLITTER, u8"SplitterResizePreviewWindow", "TXT_EXCL_SPLITTER"},
    {TXT_PART_AMD, u8"AMD", "TXT_PART_AMD"},
    {TXT_PART_START, u8"スタート", "TXT_PART_START"},
    {TXT_MIRROR_PART, u8"Mirror", "TXT_MIRROR_PART"},
    {TXT_CLASS_MOZILLA, u8"MozillaWindowClass", "TXT_CLASS_MOZILLA"},
    {TXT_TITLE_MOZILLA, u8"Mozilla", "TXT_TITLE_MOZILLA"},
    {TXT_CLASS_PART_FEEDBACK, u8"FeedBack", "TXT_CLASS_PART_FEEDBACK"},
    {TXT_CHROME_CLASS, u8"Chrome_WidgetWin_", "TXT_CHROME_CLASS"},
    {TXT_OWNER_CLASS_MOZILLA, u8"MozillaWindowinclass", "TXT_OWNER_CLASS_MOZILLA"},
    {TXT_CLASS_PART_PROGMAN, u8"Progman", "TXT_CLASS_PART_PROGMAN"},
    {TXT_BOX_CAPTION, u8"エラー", "TXT_BOX_CAPTION"},
    {TXT_BOX_NO_EXTERNAL, u8"外部ディスプレイが接続されていません．接続してからVantoscopeを立ち上げなおしてください．", "TXT_BOX_NO_EXTERNAL"},
    {TXT_BOX_MODE_FAILED, u8"外部ディスプレイ解像度の変更に失敗しました", "TXT_BOX_MODE_FAILED"},
    {TXT_BOX_BUTTON1_FAILED, u8"ビットマップのロードに失敗しました1", "TXT_BOX_BUTTON1_FAILED"},
    {TXT_BOX_BUTTON2_FAILED, u8"ビットマップのロードに失敗しました2", "TXT_BOX_BUTTON2_FAILED"},
    {TXT_TR_LINE, u8"%s\n", "TXT_TR_LINE"},
    {TXT_TR_MONITOR, u8"%d番目のモニタ: %d x %d解像度: %d  x %d　", "TXT_TR_MONITOR"},
    {TXT_TR_MAIN_MONITOR, u8"メインモニタ", "TXT_TR_MAIN_MONITOR"},
    {TXT_TR_EXT_MONITOR, u8"外部モニタ", "TXT_TR_EXT_MONITOR"},
    {TXT_TR_MONITOR_COUNT, u8"%d個のモニタがありました\n", "TXT_TR_MONITOR_COUNT"},
    {TXT_TR_MODE_RESTART, u8"設定の変更を有効にするには\n再起動が必要です", "TXT_TR_MODE_RESTART"},
    {TXT_TR_MODE_FAILED, u8"設定の変更に失敗しました", "TXT_TR_MODE_FAILED"},
    {TXT_TR_TIME_COUNT, u8"time_count:%d\n", "TXT_TR_TIME_COUNT"},
    {TXT_TR_RUN_TIME, u8"実行時間", "TXT_TR_RUN_TIME"},
    {TXT_TR_ELAPSED_SECONDS, u8"%d", "TXT_TR_ELAPSED_SECONDS"},
    {TXT_TR_ELAPSED_MINUTES, u8":%d:", "TXT_TR_ELAPSED_MINUTES"},
    {TXT_TR_ELAPSED_HOURS, u8"%d\n", "TXT_TR_ELAPSED_HOURS"},
    {TXT_TR_CLASS, u8"Class:%s\n", "TXT_TR_CLASS"},
    {TXT_TR_APP_END, u8"App end", "TXT_TR_APP_END"},
    {TXT_TR_CHECKLIST_FAILED, u8"Checklist window could not be created", "TXT_TR_CHECKLIST_FAILED"},
    {TXT_TR_WIN_NUM, u8"win_num: %d\n", "TXT_TR_WIN_NUM"},
    {TXT_TR_WIN_NUM_CHANGED, u8"win_num changed! %d\n", "TXT_TR_WIN_NUM_CHANGED"},
    {TXT_TR_MIRROR_CREATED, u8"hwMir[%d] created\n", "TXT_TR_MIRROR_CREATED"},
    {TXT_TR_MIRROR_NULL, u8"hwMir[%d] null\n", "TXT_TR_MIRROR_NULL"},
    {TXT_TR_CHECK_ID, u8"check ID: %d\n", "TXT_TR_CHECK_ID"},
    {TXT_TR_MOUSE_LIMIT, u8"MOUSE_LIMIT:%d\n", "TXT_TR_MOUSE_LIMIT"},
    {TXT_TR_MOUSE_POINTER, u8"SET_MOUSEPOINTER:%d\n", "TXT_TR_MOUSE_POINTER"},
    {TXT_TR_WALLPAPER, u8"SET_WP:%d\n", "TXT_TR_WALLPAPER"},
    {TXT_TR_PLACEMENT_FAILED, u8"get sizeerror window ", "TXT_TR_PLACEMENT_FAILED"},
    {TXT_TR_LBUTTONDOWN, u8"LBUTTONDOWN\n", "TXT_TR_LBUTTONDOWN"},
    {TXT_TR_BITMAP_FAILED, u8"ビットマップのロードに失敗しました", "TXT_TR_BITMAP_FAILED"},
};

TEST(Texts, EveryTextIsItsOriginalInCodePage932)
{
    for (const Original &o : originals) {
        std::string expected = to_cp932(reinterpret_cast<const char *>(o.utf8));
        EXPECT_EQ(hex(o.program_text), hex(expected)) << o.name;
    }
}

TEST(Texts, RowPlaceholderIsTheTwoBytesFC4B)
{
    EXPECT_EQ(hex(TXT_ROW_PLACEHOLDER), "FC 4B ");
}

TEST(Texts, MonitorLineEndsInFullWidthSpaceWithoutLineEnd)
{
    std::string line = TXT_TR_MONITOR;
    ASSERT_GE(line.size(), 2u);
    EXPECT_EQ(hex(line.substr(line.size() - 2)), "81 40 ");
}

} // namespace
