// Settings reads, one per value, each building the path afresh; bitmap loads from their names.
#include "base/settings.h"
#include "base/settings_rules.h"
#include "base/byte_text.h"
#include "base/limits.h"
#include "base/texts.h"
#include <string.h>

// The settings file's full path; false when the working directory is too long for it, which
// reads as no settings at all.
static bool settings_path(char *ini_path)
{
    char directory[PATH_LEN];
    DWORD length = GetCurrentDirectoryA(PATH_LEN, directory);
    // A directory that does not fit leaves the buffer undefined.
    if (length == 0 || length >= PATH_LEN)
        return false;
    return build_settings_path(directory, ini_path, PATH_LEN);
}

static HBITMAP load_bitmap_file(const char *name)
{
    return (HBITMAP)LoadImageA(NULL, name, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
}

// The value as the file holds it. The profile functions read the file in the system code page,
// and the round trip through it does not keep every byte of UTF-8 text.
static bool read_value_as_written(const char *ini_path, const char *section, char *value)
{
    enum { MAX_SETTINGS_BYTES = 64 * 1024 };
    static char text[MAX_SETTINGS_BYTES + 1];
    HANDLE file = CreateFileA(ini_path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD got = 0;
    BOOL read = ReadFile(file, text, MAX_SETTINGS_BYTES, &got, NULL);
    CloseHandle(file);
    text[read ? got : 0] = '\0';
    return settings_value(text, section, TXT_KEY_FILENAME, value, TEXT_LEN);
}

// The name in the system code page; false when it has characters that code page cannot hold.
static bool utf8_to_system_code_page(const char *name, char *out)
{
    WCHAR wide[TEXT_LEN];
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name, -1, wide, TEXT_LEN) == 0)
        return false;
    BOOL lossy = FALSE;
    if (WideCharToMultiByte(CP_ACP, 0, wide, -1, out, TEXT_LEN, NULL, &lossy) == 0)
        return false;
    return !lossy;
}

static bool read_setting_value(const char *section, const char *key, char *value)
{
    // No value that a person writes starts with this byte: it tells a missing key from an empty value.
    static const char MISSING[] = "\x01";
    char ini_path[PATH_LEN];
    value[0] = '\0';
    if (!settings_path(ini_path))
        return false;
    GetPrivateProfileStringA(section, key, MISSING, value, TEXT_LEN, ini_path);
    if (strcmp(value, MISSING) != 0)
        return true;
    value[0] = '\0';
    return false;
}

bool read_setting(const char *section, const char *key, char *value, char *shown)
{
    bool found = read_setting_value(section, key, value);
    if (shown != NULL)
        excerpt_for_trace(value, shown, TEXT_LEN);
    return found;
}

HBITMAP load_setting_bitmap(const char *section)
{
    char ini_path[PATH_LEN];
    char value[TEXT_LEN];
    if (!settings_path(ini_path))
        return NULL;
    GetPrivateProfileStringA(section, TXT_KEY_FILENAME, NULL, value, TEXT_LEN, ini_path);
    HBITMAP bitmap = load_bitmap_file(value);
    if (bitmap != NULL)
        return bitmap;
    // Editors save UTF-8 today: a name with Japanese characters then names no file as read.
    char converted[TEXT_LEN];
    if (!read_value_as_written(ini_path, section, value) || !is_utf8_beyond_ascii(value) ||
        !utf8_to_system_code_page(value, converted))
        return NULL;
    return load_bitmap_file(converted);
}
