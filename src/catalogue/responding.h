// Whether the picked windows' programs answer: each asked without waiting, at most once a second, and each
// window that stops answering named once in the trace, and again when it answers. The program never waits
// on one: what the audience sees of it does not change.
#pragma once

// One look, on each pass, at the picked windows due for it.
void check_responding(void);

// Whether entry i's window, picked, did not answer when last asked.
bool entry_not_responding(int i);
