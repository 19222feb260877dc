// The main loop: one filtered fetch per program window, then the per-tick work.
#pragma once

// Fetches and dispatches one message of each program window in turn. Returns -1 when the
// checklist's fetch ends the program (quit message, or the checklist is gone), else 0.
int pump_messages(void);

// Writes the run time since start-up: seconds, then minutes, then hours.
void print_elapsed(void);

// Runs iterations until the checklist's fetch ends the loop; returns the exit code.
int run_main_loop(void);
