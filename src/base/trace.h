// Diagnostic lines on standard output, written out by a thread of their own: the program never waits
// for a reader that has stopped (a selection in the console, a pipe that nobody reads).
#pragma once

// Starts the writer. A console that the program opened itself (one started by a double-click, not one
// it was started from) gets its quick-edit selection switched off: a click into it would start a
// selection, and every write waits while one lasts. At exit the lines still waiting are written out,
// for a moment at most.
void start_trace(void);

// A formatted trace. Only whole lines leave: a line may be written by several calls.
void trace(const char *format, ...);

// A plain text followed by a line end.
void trace_line(const char *text);
