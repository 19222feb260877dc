// Bounds that keep every table index between 0 and MAX_WINDOWS - 1.
#include "app/limits.h"

int entries_with_next(int win_count)
{
    if (win_count < 0)
        return 0;
    return win_count + 1 < MAX_WINDOWS ? win_count + 1 : MAX_WINDOWS;
}
