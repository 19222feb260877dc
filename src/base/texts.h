// Every text of the program: window names, settings keys, message boxes and trace lines.
// Japanese texts are code-page-932 bytes in the program (texts.cpp is compiled to that code page).
#pragma once

// window classes and titles
extern const char TXT_CHECKLIST_CLASS[];
extern const char TXT_CHECKLIST_TITLE[];
extern const char TXT_ROW_CLASS[];
extern const char TXT_ROW_PLACEHOLDER[];
extern const char TXT_WALLPAPER_CLASS[];
extern const char TXT_WALLPAPER_TITLE[];
extern const char TXT_BUTTON_CLASS[];
extern const char TXT_BUTTON_TITLE[];
extern const char TXT_MIRROR_NAME_FMT[];
extern const char TXT_MIRROR_TITLE_FMT[];
// window menu items
extern const char TXT_MENU_MOUSE_LIMIT[];
extern const char TXT_MENU_MOUSE_POINTER[];
extern const char TXT_MENU_WALLPAPER[];
extern const char TXT_MENU_BLANK[];
// settings file
extern const char TXT_SETTINGS_FILE[];
extern const char TXT_SETTINGS_PATH_FMT[];
extern const char TXT_SECTION_WALLPAPER[];
extern const char TXT_SECTION_BUTTON1[];
extern const char TXT_SECTION_BUTTON2[];
extern const char TXT_KEY_FILENAME[];
extern const char TXT_SECTION_MIRROR[];
extern const char TXT_KEY_METHOD[];
extern const char TXT_METHOD_AUTO[];
extern const char TXT_METHOD_COPY[];
extern const char TXT_SECTION_HOTKEYS[];
extern const char TXT_KEY_TOGGLE[];
extern const char TXT_KEY_BLANK[];
extern const char TXT_DEFAULT_TOGGLE[];
extern const char TXT_DEFAULT_BLANK[];
// catalogue rules
extern const char TXT_EXCL_PROGRAM_MANAGER[];
extern const char TXT_EXCL_CLICK[];
extern const char TXT_EXCL_SPLITTER[];
extern const char TXT_PART_AMD[];
extern const char TXT_PART_START[];
extern const char TXT_MIRROR_PART[];
extern const char TXT_CLASS_MOZILLA[];
extern const char TXT_TITLE_MOZILLA[];
extern const char TXT_CLASS_PART_FEEDBACK[];
extern const char TXT_CHROME_CLASS[];
extern const char TXT_OWNER_CLASS_MOZILLA[];
extern const char TXT_CLASS_PART_PROGMAN[];
extern const char TXT_HELPER_OWNER_CLASS[];
extern const char TXT_MARKER_CLASS[];
extern const char TXT_COMPOSITOR_DLL[];
extern const char TXT_SINGLE_INSTANCE_MUTEX[];
// message boxes
extern const char TXT_BOX_CAPTION[];
extern const char TXT_BOX_NO_EXTERNAL[];
extern const char TXT_BOX_MODE_FAILED[];
extern const char TXT_BOX_BUTTON1_FAILED[];
extern const char TXT_BOX_BUTTON2_FAILED[];
// trace lines
extern const char TXT_TR_LINE[];
extern const char TXT_TR_MONITOR[];
extern const char TXT_TR_MAIN_MONITOR[];
extern const char TXT_TR_EXT_MONITOR[];
extern const char TXT_TR_MONITOR_COUNT[];
extern const char TXT_TR_MODE_RESTART[];
extern const char TXT_TR_MODE_FAILED[];
extern const char TXT_TR_TIME_COUNT[];
extern const char TXT_TR_RUN_TIME[];
extern const char TXT_TR_ELAPSED_SECONDS[];
extern const char TXT_TR_ELAPSED_MINUTES[];
extern const char TXT_TR_ELAPSED_HOURS[];
extern const char TXT_TR_CLASS[];
extern const char TXT_TR_APP_END[];
extern const char TXT_TR_CHECKLIST_FAILED[];
extern const char TXT_TR_ALREADY_RUNNING[];
extern const char TXT_TR_WIN_NUM[];
extern const char TXT_TR_WIN_NUM_CHANGED[];
extern const char TXT_TR_MIRROR_CREATED[];
extern const char TXT_TR_MIRROR_NULL[];
extern const char TXT_TR_CHECK_ID[];
extern const char TXT_TR_MOUSE_LIMIT[];
extern const char TXT_TR_MOUSE_POINTER[];
extern const char TXT_TR_WALLPAPER[];
extern const char TXT_TR_PLACEMENT_FAILED[];
extern const char TXT_TR_LBUTTONDOWN[];
extern const char TXT_TR_BITMAP_FAILED[];
extern const char TXT_TR_METHOD[];
extern const char TXT_TR_METHOD_NO_COMPOSITOR[];
extern const char TXT_TR_METHOD_UNREADABLE[];
extern const char TXT_TR_MIRROR_COPIES[];
extern const char TXT_TR_BLANK[];
extern const char TXT_TR_HOTKEY_UNREADABLE[];
extern const char TXT_TR_HOTKEY_TAKEN[];
extern const char TXT_TR_HOTKEY_NOT_LISTED[];
