// Trace output on standard output.
#include "base/trace.h"
#include <stdarg.h>
#include <stdio.h>

void start_trace(void)
{
    static char buffer[4096];
    setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
}

void trace(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    vfprintf(stdout, format, args);
    va_end(args);
    fflush(stdout);
}

void trace_line(const char *text)
{
    fputs(text, stdout);
    fputc('\n', stdout);
    fflush(stdout);
}
