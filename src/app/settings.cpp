// Settings reads, one per value, each building the path afresh as the readers expect.
#include "app/settings.h"
#include "app/limits.h"
#include "app/settings_path.h"
#include "app/texts.h"
#include "app/win32.h"

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
