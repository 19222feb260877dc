// The catalogue's ordering by title: one exchange pass, not a full sort.
#pragma once
#include "app/limits.h"

// Writes the current title of entry `index` into out (TEXT_LEN characters).
typedef void (*TitleOf)(int index, char *out, void *context);
// Exchanges two whole entries.
typedef void (*SwapEntries)(int a, int b, void *context);

// Step i of the pass over `count` entries: exchange entry i with the first later entry whose
// title sorts before entry i's, if there is one. Titles are read afresh for every comparison.
// Returns the index exchanged with, or -1.
int exchange_step(int i, int count, TitleOf title_of, SwapEntries swap, void *context);
