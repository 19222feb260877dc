// The steps of a pass of the loop timed for the benchmark, when VANTOSCOPE_STEP_TIMES is set; nothing otherwise.
#pragma once

enum TimedStep { STEP_POINTER_READ, STEP_PLACEMENT, STEP_MOVE, STEP_REPAINT, TIMED_STEPS };

// Reads the variable once, at start.
void start_step_times(void);

// Marks the start of a step.
void step_begins(void);

// Adds the time since the last mark to the step, and marks again.
void step_ends(TimedStep step);

// At the end of a pass in which a mirror moved: one trace line with each step's time in microseconds.
void trace_step_times(void);
