// The settings file "Vantoscope.ini" in the current working directory, and the bitmaps it names.
#pragma once
#include "base/win32.h"

// Loads, at its own size, the bitmap file that the "FILENAME" value of one section names;
// null when there is none or it cannot be loaded. Read through the platform's profile
// functions, the value is in the system code page; a name that a UTF-8 editor saved is tried
// once more, read from the file as written and converted to the system code page.
HBITMAP load_setting_bitmap(const char *section);

// A value of the settings file into a TEXT_LEN buffer, blanks around it dropped. False, leaving
// it empty, when the file, the section or the key is missing; an empty value is found. `shown`,
// a TEXT_LEN buffer when given, gets the value as a trace line may print it: cut short, no control bytes.
bool read_setting(const char *section, const char *key, char *value, char *shown = NULL);
