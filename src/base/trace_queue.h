// The trace's lines on their way out, on plain bytes: a bounded queue that the program puts whole lines
// into and the writer takes from, so that a reader that stops (a selection in the console, a pipe that
// nobody reads) never stops the program. Lines that do not fit are dropped and counted; the first that
// fits afterwards comes after one more line that says how many were dropped.
#pragma once
#include <stddef.h>

enum { TRACE_QUEUE_BYTES = 64 * 1024 };

struct TraceQueue {
    char bytes[TRACE_QUEUE_BYTES];  // a ring
    size_t start;                   // where the oldest byte is
    size_t size;                    // how many bytes wait
    unsigned long dropped;          // lines dropped since the last one that went in
};

// Puts text of this length, whole lines, or nothing of it when it does not fit (with the line about the
// lines dropped before it, where that is owed). Returns false when it was dropped.
bool trace_queue_put(TraceQueue &q, const char *text, size_t length);

// How many of the oldest waiting bytes lie in one piece from *front, without taking them.
size_t trace_queue_front(const TraceQueue &q, const char **front);

// Takes the oldest n bytes, once written.
void trace_queue_take(TraceQueue &q, size_t n);
