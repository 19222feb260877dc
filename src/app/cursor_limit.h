// Which cursor moves keep the pointer on the main monitor.
#pragma once
#include "app/geometry.h"

struct CursorMoves {
    int count;
    ScreenPoint to[4];
};

// The four edge tests all use the position as captured, so when two edges are crossed
// the later move puts the other coordinate back; the next iteration finishes the job.
CursorMoves cursor_limit_moves(ScreenPoint pos, int main_width, int main_height);
