// The top-level windows that the collecting pass meets, front to back: whether each is listed, and what never
// changes about it while it lives, read once, when a pass first meets it. The pop-up mirrors and the curtain
// look among them without a pass of their own.
#pragma once
#include "base/limits.h"
#include "base/win32.h"
#include "catalogue/catalogue_rules.h"

enum {
    MAX_MET = 1024,   // windows met and kept: enough for any desktop a person works on
    MAX_FOUND = 512   // eligible windows; windows past it are simply not listed
};

struct MetWindow {
    WindowId window;
    WindowId owners[MAX_OWNER_CHAIN];  // its owner, that one's owner, ...
    int owner_count;
    unsigned thread;
    ClassTraits traits;  // of its class name
    bool ours;           // one of the program's own windows
    bool listable;       // the catalogue would list it
    bool first_met;      // the pass before did not meet it
};

// Meets every visible, not minimised top-level window now, keeping what the pass before read of those it met
// too (a window that closes is gone from the next pass before its handle can come back). Returns how many
// of them are eligible (at most MAX_FOUND).
int meet_windows(void);

// The eligible windows of the last pass, in enumeration order.
const WindowId *eligible_windows(void);

// The windows the last pass met, front to back.
const MetWindow *windows_met(int *count);

// What never changes about a window, and whether it is listable: as the last pass met it, or for a window it
// has not met (a pop-up opened since), read now. place: where to look first among the met windows.
MetWindow facts_of_window(HWND window, int place);
