// The bounded queue of trace lines and its count of dropped lines.
#include "base/trace_queue.h"
#include "base/texts.h"
#include <stdio.h>
#include <string.h>

static void append(TraceQueue &q, const char *text, size_t length)
{
    for (size_t done = 0; done < length;) {
        size_t end = (q.start + q.size) % TRACE_QUEUE_BYTES;
        size_t room = end >= q.start ? TRACE_QUEUE_BYTES - end : q.start - end;
        size_t n = length - done < room ? length - done : room;
        memcpy(q.bytes + end, text + done, n);
        q.size += n;
        done += n;
    }
}

static unsigned long lines_in(const char *text, size_t length)
{
    unsigned long lines = 0;
    for (size_t i = 0; i < length; ++i)
        lines += text[i] == '\n';
    return lines > 0 ? lines : 1;
}

bool trace_queue_put(TraceQueue &q, const char *text, size_t length)
{
    char owed[64] = "";
    size_t owed_length = 0;
    if (q.dropped > 0)
        owed_length = (size_t)snprintf(owed, sizeof owed, TXT_TR_LINES_DROPPED, q.dropped);
    if (owed_length + length > TRACE_QUEUE_BYTES - q.size) {
        q.dropped += lines_in(text, length);
        return false;
    }
    append(q, owed, owed_length);
    append(q, text, length);
    q.dropped = 0;
    return true;
}

size_t trace_queue_front(const TraceQueue &q, const char **front)
{
    size_t to_end = TRACE_QUEUE_BYTES - q.start;
    *front = q.bytes + q.start;
    return q.size < to_end ? q.size : to_end;
}

void trace_queue_take(TraceQueue &q, size_t n)
{
    if (n > q.size)
        n = q.size;
    q.start = (q.start + n) % TRACE_QUEUE_BYTES;
    q.size -= n;
}
