// The cursor limit and the elapsed time.
#include "app/app_rules.h"

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

Elapsed elapsed_between(int start_hour, int start_minute, int start_second, int now_hour, int now_minute,
                        int now_second)
{
    Elapsed e;
    int borrow = 0;
    e.seconds = now_second - start_second;
    if (e.seconds < 0) {
        e.seconds += 60;
        borrow = 1;
    }
    e.minutes = now_minute - start_minute - borrow;
    borrow = 0;
    if (e.minutes < 0) {
        e.minutes += 60;
        borrow = 1;
    }
    e.hours = now_hour - start_hour - borrow;
    if (e.hours < 0)
        e.hours += 24;
    return e;
}
