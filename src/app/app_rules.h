// Decisions of the application shell that need no platform: the cursor limit, the elapsed
// run time of the trace, and the settings file's path.
#pragma once
#include "app/geometry.h"

// The cursor moves that keep the pointer on the main monitor. The four edge tests all use the
// position as captured, so when two edges are crossed the later move puts the other coordinate
// back; the next iteration finishes the job. Left and top limits are 0; right and bottom keep
// a 10-pixel margin.
struct CursorMoves {
    int count;
    ScreenPoint to[4];
};
CursorMoves cursor_limit_moves(ScreenPoint pos, int main_width, int main_height);

// Run time between two clock readings (hour, minute, second), subtracted with borrow. Only the
// time of day counts: spans of a day or more wrap around.
struct Elapsed {
    int seconds;
    int minutes;
    int hours;
};
Elapsed elapsed_between(int start_hour, int start_minute, int start_second, int now_hour, int now_minute,
                        int now_second);

// Writes "<directory>\Vantoscope.ini" into out. Returns false, leaving out empty, when the
// path does not fit in out_size characters; the caller then reads no settings at all.
bool build_settings_path(const char *directory, char *out, int out_size);

// The value of key in section of a settings file's text, with its bytes as the file holds
// them: section and key names match without regard to ASCII case, blanks around them and the
// value are dropped, and a value in double quotes loses them. A UTF-8 byte-order mark at the
// start is skipped. False, leaving out empty, when the section or the key is missing.
bool settings_value(const char *text, const char *section, const char *key, char *out, int out_size);
