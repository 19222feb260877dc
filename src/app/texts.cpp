// Every text of the program, as the bytes it shows and writes (code page 932).
#include "app/texts.h"

// window classes and titles
const char TXT_CHECKLIST_CLASS[] = "Checklist";
const char TXT_CHECKLIST_TITLE[] = "VantoscopeCheck";
const char TXT_ROW_CLASS[] = "BUTTON";
const char TXT_ROW_PLACEHOLDER[] = "\xFC\x4B";  // 黑
const char TXT_WALLPAPER_CLASS[] = "WallPaper";
const char TXT_WALLPAPER_TITLE[] = "WallPaper";
const char TXT_BUTTON_CLASS[] = "VantoscopeButton";
const char TXT_BUTTON_TITLE[] = "VantoscopeButton";
const char TXT_MIRROR_NAME_FMT[] = "Mirror%d";
const char TXT_MIRROR_TITLE_FMT[] = "%s ";
// window menu items
const char TXT_MENU_MOUSE_LIMIT[] = "MOUSE_LIMIT ON/OFF";
const char TXT_MENU_MOUSE_POINTER[] = "MOUSE_POINTER ON/OFF";
const char TXT_MENU_WALLPAPER[] = "WallPaper ON/OFF";
// settings file
const char TXT_SETTINGS_FILE[] = "Vantoscope.ini";
const char TXT_SETTINGS_PATH_FMT[] = "%s\\%s";
const char TXT_SECTION_WALLPAPER[] = "WPNAME";
const char TXT_SECTION_BUTTON1[] = "BTNNAME";
const char TXT_SECTION_BUTTON2[] = "BTNNAME2";
const char TXT_KEY_FILENAME[] = "FILENAME";
// catalogue rules
const char TXT_EXCL_PROGRAM_MANAGER[] = "Program Manager";
const char TXT_EXCL_CLICK[] = "ClickVantoscope";
const char TXT_EXCL_SPLITTER[] = "SplitterResizePreviewWindow";
const char TXT_PART_AMD[] = "AMD";
const char TXT_PART_START[] = "\x83\x58\x83\x5E\x81\x5B\x83\x67";  // スタート
const char TXT_MIRROR_PART[] = "Mirror";
const char TXT_CLASS_MOZILLA[] = "MozillaWindowClass";
const char TXT_TITLE_MOZILLA[] = "Mozilla";
const char TXT_CLASS_PART_FEEDBACK[] = "FeedBack";
const char TXT_CHROME_CLASS[] = "Chrome_WidgetWin_";
const char TXT_OWNER_CLASS_MOZILLA[] = "MozillaWindowinclass";
const char TXT_CLASS_PART_PROGMAN[] = "Progman";
// message boxes
const char TXT_BOX_CAPTION[] = "\x83\x47\x83\x89\x81\x5B";  // エラー
const char TXT_BOX_NO_EXTERNAL[] = "\x8A\x4F\x95\x94\x83\x66\x83\x42\x83\x58\x83\x76\x83\x8C\x83\x43\x82\xAA\x90\xDA\x91\xB1\x82\xB3\x82\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x81\x44\x90\xDA\x91\xB1\x82\xB5\x82\xC4\x82\xA9\x82\xE7Vantoscope\x82\xF0\x97\xA7\x82\xBF\x8F\xE3\x82\xB0\x82\xC8\x82\xA8\x82\xB5\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2\x81\x44";  // 外部ディスプレイが接続されていません．接続してからVantoscopeを立ち上げなおしてください．
const char TXT_BOX_MODE_FAILED[] = "\x8A\x4F\x95\x94\x83\x66\x83\x42\x83\x58\x83\x76\x83\x8C\x83\x43\x89\xF0\x91\x9C\x93\x78\x82\xCC\x95\xCF\x8D\x58\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD";  // 外部ディスプレイ解像度の変更に失敗しました
const char TXT_BOX_BUTTON1_FAILED[] = "\x83\x72\x83\x62\x83\x67\x83\x7D\x83\x62\x83\x76\x82\xCC\x83\x8D\x81\x5B\x83\x68\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD" "1";  // ビットマップのロードに失敗しました1
const char TXT_BOX_BUTTON2_FAILED[] = "\x83\x72\x83\x62\x83\x67\x83\x7D\x83\x62\x83\x76\x82\xCC\x83\x8D\x81\x5B\x83\x68\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD" "2";  // ビットマップのロードに失敗しました2
// trace lines
const char TXT_TR_LINE[] = "%s\n";
const char TXT_TR_MONITOR[] = "%d\x94\xD4\x96\xDA\x82\xCC\x83\x82\x83\x6A\x83\x5E: %d x %d\x89\xF0\x91\x9C\x93\x78: %d  x %d\x81\x40";  // %d番目のモニタ: %d x %d解像度: %d  x %d　
const char TXT_TR_MAIN_MONITOR[] = "\x83\x81\x83\x43\x83\x93\x83\x82\x83\x6A\x83\x5E";  // メインモニタ
const char TXT_TR_EXT_MONITOR[] = "\x8A\x4F\x95\x94\x83\x82\x83\x6A\x83\x5E";  // 外部モニタ
const char TXT_TR_MONITOR_COUNT[] = "%d\x8C\xC2\x82\xCC\x83\x82\x83\x6A\x83\x5E\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB5\x82\xBD\n";  // %d個のモニタがありました\n
const char TXT_TR_MODE_RESTART[] = "\x90\xDD\x92\xE8\x82\xCC\x95\xCF\x8D\x58\x82\xF0\x97\x4C\x8C\xF8\x82\xC9\x82\xB7\x82\xE9\x82\xC9\x82\xCD\n\x8D\xC4\x8B\x4E\x93\xAE\x82\xAA\x95\x4B\x97\x76\x82\xC5\x82\xB7";  // 設定の変更を有効にするには\n再起動が必要です
const char TXT_TR_MODE_FAILED[] = "\x90\xDD\x92\xE8\x82\xCC\x95\xCF\x8D\x58\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD";  // 設定の変更に失敗しました
const char TXT_TR_TIME_COUNT[] = "time_count:%d\n";
const char TXT_TR_RUN_TIME[] = "\x8E\xC0\x8D\x73\x8E\x9E\x8A\xD4";  // 実行時間
const char TXT_TR_ELAPSED_SECONDS[] = "%d";
const char TXT_TR_ELAPSED_MINUTES[] = ":%d:";
const char TXT_TR_ELAPSED_HOURS[] = "%d\n";
const char TXT_TR_CLASS[] = "Class:%s\n";
const char TXT_TR_APP_END[] = "App end";
const char TXT_TR_CHECKLIST_FAILED[] = "Checklist window could not be created";
const char TXT_TR_WIN_NUM[] = "win_num: %d\n";
const char TXT_TR_WIN_NUM_CHANGED[] = "win_num changed! %d\n";
const char TXT_TR_MIRROR_CREATED[] = "hwMir[%d] created\n";
const char TXT_TR_MIRROR_NULL[] = "hwMir[%d] null\n";
const char TXT_TR_CHECK_ID[] = "check ID: %d\n";
const char TXT_TR_MOUSE_LIMIT[] = "MOUSE_LIMIT:%d\n";
const char TXT_TR_MOUSE_POINTER[] = "SET_MOUSEPOINTER:%d\n";
const char TXT_TR_WALLPAPER[] = "SET_WP:%d\n";
const char TXT_TR_PLACEMENT_FAILED[] = "get sizeerror window ";
const char TXT_TR_LBUTTONDOWN[] = "LBUTTONDOWN\n";
const char TXT_TR_BITMAP_FAILED[] = "\x83\x72\x83\x62\x83\x67\x83\x7D\x83\x62\x83\x76\x82\xCC\x83\x8D\x81\x5B\x83\x68\x82\xC9\x8E\xB8\x94\x73\x82\xB5\x82\xDC\x82\xB5\x82\xBD";  // ビットマップのロードに失敗しました
