// The elapsed time, subtracted with borrow.
#include "app/run_time_rules.h"

Elapsed elapsed_between(int start_hour, int start_minute, int start_second, int now_hour, int now_minute,
                        int now_second)
{
    Elapsed e;
    int borrow = 0;
    e.seconds = now_second - start_second;
    if (e.seconds < 0) {
        e.seconds += 60;
        borrow = 1;
    }
    e.minutes = now_minute - start_minute - borrow;
    borrow = 0;
    if (e.minutes < 0) {
        e.minutes += 60;
        borrow = 1;
    }
    e.hours = now_hour - start_hour - borrow;
    if (e.hours < 0)
        e.hours += 24;
    return e;
}
