// The elapsed run time that the trace shows, on plain values.
#pragma once

// Run time between two clock readings (hour, minute, second), subtracted with borrow. Only the
// time of day counts: spans of a day or more wrap around.
struct Elapsed {
    int seconds;
    int minutes;
    int hours;
};
Elapsed elapsed_between(int start_hour, int start_minute, int start_second, int now_hour, int now_minute,
                        int now_second);
