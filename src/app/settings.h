// The settings file "Vantoscope.ini" in the current working directory, and the bitmaps it names.
#pragma once
#include "app/win32.h"

// Reads the "FILENAME" value of one section into value (TEXT_LEN characters). A missing
// file, section or key, or a working directory too long for the path, gives "".
void read_setting_filename(const char *section, char *value);

// Loads the bitmap file a settings value names, at its own size; null when it cannot. A name
// that a UTF-8 editor wrote is tried once more in the system code page.
HBITMAP load_bitmap_file(const char *name);
