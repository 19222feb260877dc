// The settings file's path and values, read from its text as written: no platform needed.
#pragma once

// Writes "<directory>\Vantoscope.ini" into out. Returns false, leaving out empty, when the
// path does not fit in out_size characters; the caller then reads no settings at all.
bool build_settings_path(const char *directory, char *out, int out_size);

// The value of key in section of a settings file's text, with its bytes as the file holds
// them: section and key names match without regard to ASCII case, blanks around them and the
// value are dropped, and a value in double quotes loses them. A UTF-8 byte-order mark at the
// start is skipped. False, leaving out empty, when the section or the key is missing.
bool settings_value(const char *text, const char *section, const char *key, char *out, int out_size);

// A setting of two values, in any case: the first one also when the value is empty or missing. Any
// other value reads as the first, and the function returns false so that it can be reported.
// *second tells which was read.
bool read_either(const char *value, const char *first, const char *second, bool *is_second);

// A value as a trace line may show it: control bytes as "?", and cut after 40 bytes with "...".
void excerpt_for_trace(const char *value, char *out, int out_size);
