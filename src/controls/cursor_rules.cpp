// The moves that keep the pointer on the main monitor.
#include "controls/cursor_rules.h"

static void add_move(CursorMoves &moves, int x, int y)
{
    moves.to[moves.count].x = x;
    moves.to[moves.count].y = y;
    moves.count++;
}

CursorMoves cursor_limit_moves(ScreenPoint pos, int main_width, int main_height)
{
    CursorMoves moves = {};
    if (pos.x < 0)
        add_move(moves, 0, pos.y);
    if (pos.y < 0)
        add_move(moves, pos.x, 0);
    if (pos.x > main_width - 10)
        add_move(moves, main_width - 10, pos.y);
    if (pos.y > main_height - 10)
        add_move(moves, pos.x, main_height - 10);
    return moves;
}
