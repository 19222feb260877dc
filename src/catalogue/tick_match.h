// Finding a window's remembered tick after the catalogue was rebuilt.
#pragma once
#include "app/limits.h"

// The first of slots 0 .. slot_count - 1 that remembers exactly this title, or -1.
// An empty title matches nothing: empty slots were never ticked, and a vanished window
// has an empty title.
int remembered_slot(const char *title, const char (*slots)[TEXT_LEN], int slot_count);
