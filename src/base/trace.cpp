// Trace output: whole lines go into a bounded queue, which a thread writes to standard output.
#include "base/trace.h"
#include "base/limits.h"
#include "base/trace_queue.h"
#include "base/win32.h"
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const DWORD EXIT_WAIT_MS = 2000;
// The writer writes what has come every so often, in one piece: a wake-up and a write for each line would
// cost the program more than the line itself. It is woken early when the queue fills past half.
static const DWORD WRITE_EVERY_MS = 40;
static const size_t CHUNK = 4096;

// Shared with the writer thread, under the lock: the queue, and whether the writer waits for a wake-up.
static CRITICAL_SECTION lock;
static TraceQueue queue;
static bool writer_idle;
static HANDLE wake;  // auto-reset: set when the queue fills past half while the writer waits, and at exit
static HANDLE writer;
static HANDLE output;

// The line that the calls so far have begun (a monitor's line ends in a second call): the main thread's.
static char pending[4 * TEXT_LEN];
static size_t pending_length;

static DWORD WINAPI write_out(void *)
{
    static char chunk[CHUNK];
    for (;;) {
        EnterCriticalSection(&lock);
        const char *front = NULL;
        size_t n = trace_queue_front(queue, &front);
        n = n < CHUNK ? n : CHUNK;
        memcpy(chunk, front, n);
        writer_idle = n == 0;
        LeaveCriticalSection(&lock);
        // cppcheck-suppress knownConditionTrueFalse ; it takes the queue, which the main thread fills, for empty
        if (n == 0) {
            WaitForSingleObject(wake, WRITE_EVERY_MS);
            continue;
        }
        // Here the writer may wait as long as the reader likes; the program goes on.
        DWORD written = 0;
        if (!WriteFile(output, chunk, (DWORD)n, &written, NULL) || written == 0)
            written = (DWORD)n;  // the output has gone: these bytes have nowhere to go
        EnterCriticalSection(&lock);
        trace_queue_take(queue, written);
        LeaveCriticalSection(&lock);
    }
}

// Whole lines into the queue, each line end written as the C runtime's text mode writes it ("\r\n").
static void commit(const char *text, size_t length)
{
    static char lines[2 * sizeof pending];
    size_t n = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == '\n')
            lines[n++] = '\r';
        lines[n++] = text[i];
    }
    if (writer == NULL) {  // no thread: written here, as best it can be
        DWORD written = 0;
        WriteFile(output, lines, (DWORD)n, &written, NULL);
        return;
    }
    EnterCriticalSection(&lock);
    bool wake_writer = trace_queue_put(queue, lines, n) && writer_idle && queue.size > TRACE_QUEUE_BYTES / 2;
    LeaveCriticalSection(&lock);
    if (wake_writer)
        SetEvent(wake);
}

// Adds text to the line begun; what ends in a line end goes out.
static void add(const char *text, size_t length)
{
    if (length > sizeof pending - pending_length) {  // a line longer than any the program writes
        commit(pending, pending_length);
        pending_length = 0;
        length = length < sizeof pending ? length : sizeof pending;
    }
    memcpy(pending + pending_length, text, length);
    pending_length += length;
    size_t whole = pending_length;
    while (whole > 0 && pending[whole - 1] != '\n')
        --whole;
    if (whole == 0)
        return;
    commit(pending, whole);
    memmove(pending, pending + whole, pending_length - whole);
    pending_length -= whole;
}

// At exit: what waits is written out, unless the reader stays stuck.
static void flush_at_exit(void)
{
    if (pending_length > 0)
        commit(pending, pending_length);
    pending_length = 0;
    if (writer != NULL)
        SetEvent(wake);
    for (DWORD waited = 0; writer != NULL && waited < EXIT_WAIT_MS; waited += 10) {
        EnterCriticalSection(&lock);
        bool empty = queue.size == 0;
        LeaveCriticalSection(&lock);
        if (empty)
            return;
        Sleep(10);
    }
}

// Only a console of the program's own: one that other programs share is theirs to set.
static void quick_edit_off_in_own_console(void)
{
    DWORD processes[2];
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleProcessList(processes, 2) != 1 || !GetConsoleMode(input, &mode))
        return;
    SetConsoleMode(input, (mode & ~(DWORD)ENABLE_QUICK_EDIT_MODE) | ENABLE_EXTENDED_FLAGS);
}

void start_trace(void)
{
    output = GetStdHandle(STD_OUTPUT_HANDLE);
    quick_edit_off_in_own_console();
    InitializeCriticalSection(&lock);
    wake = CreateEventA(NULL, FALSE, FALSE, NULL);
    if (wake != NULL)
        writer = CreateThread(NULL, 0, write_out, NULL, 0, NULL);
    atexit(flush_at_exit);
}

void trace(const char *format, ...)
{
    char line[2 * TEXT_LEN + 256];
    va_list args;
    va_start(args, format);
    int length = vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (length > 0)
        add(line, (size_t)length < sizeof line ? (size_t)length : sizeof line - 1);
}

void trace_line(const char *text)
{
    add(text, strlen(text));
    add("\n", 1);
}
