// Step timing on the performance counter; one flag read at start keeps the passes untouched without it.
#include "base/step_times.h"
#include "base/texts.h"
#include "base/trace.h"
#include "base/win32.h"

static bool timing;
static LARGE_INTEGER frequency, mark;
static long long spent[TIMED_STEPS];  // counter ticks in this pass

void start_step_times(void)
{
    char value[8];
    timing = GetEnvironmentVariableA("VANTOSCOPE_STEP_TIMES", value, sizeof value) > 0 &&
             QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0;
}

void step_begins(void)
{
    if (timing)
        QueryPerformanceCounter(&mark);
}

void step_ends(TimedStep step)
{
    if (!timing)
        return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    spent[step] += now.QuadPart - mark.QuadPart;
    mark = now;
}

static int microseconds(long long ticks)
{
    return (int)(ticks * 1000000 / frequency.QuadPart);
}

void trace_step_times(void)
{
    if (!timing)
        return;
    if (spent[STEP_MOVE] > 0)
        trace(TXT_TR_STEP_TIMES, microseconds(spent[STEP_POINTER_READ]), microseconds(spent[STEP_PLACEMENT]),
              microseconds(spent[STEP_MOVE]), microseconds(spent[STEP_REPAINT]));
    for (long long &s : spent)
        s = 0;
}
