// Diagnostic lines on standard output, each written out at once.
#pragma once

// Standard output is buffered per call and flushed after every trace, so a line is never
// held back when the output goes to a pipe or a file, nor lost if the process is killed.
void start_trace(void);

// A formatted trace, written as one piece.
void trace(const char *format, ...);

// A plain text followed by a line end.
void trace_line(const char *text);
