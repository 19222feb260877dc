// Every text of the program. This file is written in UTF-8 and compiled to code page 932,
// the bytes the program shows and writes (-fexec-charset=CP932, /execution-charset:.932).
#include "base/texts.h"

// window classes and titles
const char TXT_CHECKLIST_CLASS[] = "Checklist";
const char TXT_CHECKLIST_TITLE[] = "VantoscopeCheck";
const char TXT_ROW_CLASS[] = "BUTTON";
const char TXT_ROW_PLACEHOLDER[] = "黑";
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
const char TXT_MENU_BLANK[] = "BLANK ON/OFF";
// settings file
const char TXT_SETTINGS_FILE[] = "Vantoscope.ini";
const char TXT_SETTINGS_PATH_FMT[] = "%s\\%s";
const char TXT_SECTION_WALLPAPER[] = "WPNAME";
const char TXT_SECTION_BUTTON1[] = "BTNNAME";
const char TXT_SECTION_BUTTON2[] = "BTNNAME2";
const char TXT_KEY_FILENAME[] = "FILENAME";
const char TXT_SECTION_MIRROR[] = "MIRROR";
const char TXT_KEY_METHOD[] = "METHOD";
const char TXT_METHOD_AUTO[] = "auto";
const char TXT_METHOD_COPY[] = "copy";
const char TXT_SECTION_HOTKEYS[] = "HOTKEYS";
const char TXT_KEY_TOGGLE[] = "TOGGLE";
const char TXT_KEY_BLANK[] = "BLANK";
const char TXT_DEFAULT_TOGGLE[] = "Ctrl+Alt+F9";
const char TXT_DEFAULT_BLANK[] = "Ctrl+Alt+F10";
// catalogue rules
const char TXT_EXCL_PROGRAM_MANAGER[] = "Program Manager";
const char TXT_EXCL_CLICK[] = "ClickVantoscope";
const char TXT_EXCL_SPLITTER[] = "SplitterResizePreviewWindow";
const char TXT_PART_AMD[] = "AMD";
const char TXT_PART_START[] = "スタート";
const char TXT_MIRROR_PART[] = "Mirror";
const char TXT_CLASS_MOZILLA[] = "MozillaWindowClass";
const char TXT_TITLE_MOZILLA[] = "Mozilla";
const char TXT_CLASS_PART_FEEDBACK[] = "FeedBack";
const char TXT_CHROME_CLASS[] = "Chrome_WidgetWin_";
const char TXT_OWNER_CLASS_MOZILLA[] = "MozillaWindowinclass";
const char TXT_CLASS_PART_PROGMAN[] = "Progman";
const char TXT_HELPER_OWNER_CLASS[] = "VantoscopeOwner";
const char TXT_MARKER_CLASS[] = "VantoscopeMarker";
const char TXT_COMPOSITOR_DLL[] = "dwmapi.dll";
const char TXT_SINGLE_INSTANCE_MUTEX[] = "Local\\Vantoscope.SingleInstance";
// message boxes
const char TXT_BOX_CAPTION[] = "エラー";
const char TXT_BOX_NO_EXTERNAL[] = "外部ディスプレイが接続されていません．接続してからVantoscopeを立ち上げなおしてください．";
const char TXT_BOX_MODE_FAILED[] = "外部ディスプレイ解像度の変更に失敗しました";
const char TXT_BOX_BUTTON1_FAILED[] = "ビットマップのロードに失敗しました1";
const char TXT_BOX_BUTTON2_FAILED[] = "ビットマップのロードに失敗しました2";
// trace lines
const char TXT_TR_LINE[] = "%s\n";
const char TXT_TR_MONITOR[] = "%d番目のモニタ: %d x %d解像度: %d  x %d　";
const char TXT_TR_MAIN_MONITOR[] = "メインモニタ";
const char TXT_TR_EXT_MONITOR[] = "外部モニタ";
const char TXT_TR_MONITOR_COUNT[] = "%d個のモニタがありました\n";
const char TXT_TR_MODE_RESTART[] = "設定の変更を有効にするには\n再起動が必要です";
const char TXT_TR_MODE_FAILED[] = "設定の変更に失敗しました";
const char TXT_TR_TIME_COUNT[] = "time_count:%d\n";
const char TXT_TR_RUN_TIME[] = "実行時間";
const char TXT_TR_ELAPSED_SECONDS[] = "%d";
const char TXT_TR_ELAPSED_MINUTES[] = ":%d:";
const char TXT_TR_ELAPSED_HOURS[] = "%d\n";
const char TXT_TR_CLASS[] = "Class:%s\n";
const char TXT_TR_APP_END[] = "App end";
const char TXT_TR_CHECKLIST_FAILED[] = "Checklist window could not be created";
const char TXT_TR_ALREADY_RUNNING[] = "Vantoscope is already running: its checklist is brought to the front";
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
const char TXT_TR_BITMAP_FAILED[] = "ビットマップのロードに失敗しました";
const char TXT_TR_METHOD[] = "MIRROR_METHOD:%s\n";
const char TXT_TR_METHOD_NO_COMPOSITOR[] = "MIRROR_METHOD:copy (no dwmapi.dll)";
const char TXT_TR_METHOD_UNREADABLE[] = "MIRROR_METHOD unreadable, auto is used: %s\n";
const char TXT_TR_MIRROR_COPIES[] = "hwMir[%d] copies its window: no thumbnail (0x%08lX)\n";
const char TXT_TR_BLANK[] = "SET_BLANK:%d\n";
const char TXT_TR_HOTKEY_UNREADABLE[] = "HOTKEY %s unreadable, the key is off: %s\n";
const char TXT_TR_HOTKEY_TAKEN[] = "HOTKEY %s %s is taken by another program, the key is off\n";
const char TXT_TR_HOTKEY_NOT_LISTED[] = "HOTKEY TOGGLE: the window in front is not listed";
