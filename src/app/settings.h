// The settings file "Vantoscope.ini" in the current working directory.
#pragma once

// Reads the "FILENAME" value of one section into value (TEXT_LEN characters). A missing
// file, section or key, or a working directory too long for the path, gives "".
void read_setting_filename(const char *section, char *value);
