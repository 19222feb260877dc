// Decisions of the application shell that need no platform: the cursor limit and the elapsed
// run time of the trace.
#pragma once
#include "base/geometry.h"

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
