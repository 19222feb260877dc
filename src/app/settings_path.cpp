// Bounded formatting of the settings path.
#include "app/settings_path.h"
#include "app/texts.h"
#include <stdio.h>

bool build_settings_path(const char *directory, char *out, int out_size)
{
    if (out_size <= 0)
        return false;
    int needed = snprintf(out, (size_t)out_size, TXT_SETTINGS_PATH_FMT, directory, TXT_SETTINGS_FILE);
    if (needed < 0 || needed >= out_size) {
        out[0] = '\0';
        return false;
    }
    return true;
}
