// Elapsed run time from two clock readings (hour, minute, second), as the trace shows it.
#pragma once

struct Elapsed {
    int seconds;
    int minutes;
    int hours;
};

// Only the time of day counts: spans of a day or more wrap around.
Elapsed elapsed_between(int start_hour, int start_minute, int start_second,
                        int now_hour, int now_minute, int now_second);
