// The cursor limit's moves, on plain values.
#pragma once
#include "base/geometry.h"

// The cursor moves that keep the pointer on the main monitor. The four edge tests all use the
// position as captured, so when two edges are crossed the later move puts the other coordinate
// back; the next iteration finishes the job. Left and top limits are 0; right and bottom keep
// a 10-pixel margin.
struct CursorMoves {
    int count;
    ScreenPoint to[4];
};
CursorMoves cursor_limit_moves(ScreenPoint pos, int main_width, int main_height);
