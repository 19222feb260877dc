// The settings file "Vantoscope.ini" in the current working directory, and the bitmaps it names.
#pragma once
#include "base/limits.h"
#include "base/trace.h"
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

// Says in the trace that a setting could not be read: `unreadable` is the line, whose values are `before` and
// then the setting's value as read, `shown` (cut short, no control bytes).
template <typename... Before> void trace_unreadable(const char *unreadable, const char *shown, Before... before)
{
    trace(unreadable, before..., shown);
}

// Reads a setting and hands its value to `parse`, which fills *out; where parse cannot read it (false), says so
// in the trace (see trace_unreadable), *out then being what parse left there. `shown`, a TEXT_LEN buffer, keeps
// the value as the trace shows it. Returns what parse returned.
template <typename T, typename... Before>
bool read_setting_shown_with(const char *section, const char *key, bool (*parse)(const char *, T *), T *out,
                             char *shown, const char *unreadable, Before... before)
{
    char value[TEXT_LEN];
    read_setting(section, key, value, shown);
    if (parse(value, out))
        return true;
    trace_unreadable(unreadable, shown, before...);
    return false;
}

// The same, for a caller that has no use for the value as shown.
template <typename T, typename... Before>
bool read_setting_with(const char *section, const char *key, bool (*parse)(const char *, T *), T *out,
                       const char *unreadable, Before... before)
{
    char shown[TEXT_LEN];
    return read_setting_shown_with(section, key, parse, out, shown, unreadable, before...);
}
