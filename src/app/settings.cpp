// Settings reads, one per value, each building the path afresh; bitmap loads from their names.
#include "app/settings.h"
#include "app/app_rules.h"
#include "app/byte_text.h"
#include "app/limits.h"
#include "app/texts.h"

void read_setting_filename(const char *section, char *value)
{
    char directory[PATH_LEN];
    char ini_path[PATH_LEN];
    value[0] = '\0';
    DWORD length = GetCurrentDirectoryA(PATH_LEN, directory);
    // A directory that does not fit leaves the buffer undefined: treat it as no settings.
    if (length == 0 || length >= PATH_LEN)
        return;
    if (!build_settings_path(directory, ini_path, PATH_LEN))
        return;
    GetPrivateProfileStringA(section, TXT_KEY_FILENAME, NULL, value, TEXT_LEN, ini_path);
}

// The name in the system code page; false when it is not UTF-8 or has characters that code
// page cannot hold.
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

static HBITMAP load_bitmap_as_named(const char *name)
{
    return (HBITMAP)LoadImageA(NULL, name, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
}

HBITMAP load_bitmap_file(const char *name)
{
    HBITMAP bitmap = load_bitmap_as_named(name);
    // Editors save UTF-8 today while the profile functions read the system code page, so a
    // name with Japanese characters arrives as UTF-8 bytes that name no file.
    if (bitmap != NULL || !is_utf8_beyond_ascii(name))
        return bitmap;
    char converted[TEXT_LEN];
    if (!utf8_to_system_code_page(name, converted))
        return NULL;
    return load_bitmap_as_named(converted);
}
