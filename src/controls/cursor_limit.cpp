// The cursor limit's switch and its moves.
#include "controls/cursor_limit.h"
#include "controls/cursor_rules.h"
#include "display/displays.h"

static bool limit_switch = false;

bool mouse_limit_on(void)
{
    return limit_switch;
}

void set_mouse_limit(bool on)
{
    limit_switch = on;
}

void apply_cursor_limit(POINT cursor)
{
    if (!limit_switch)
        return;
    ScreenPoint pos = {cursor.x, cursor.y};
    CursorMoves moves = cursor_limit_moves(pos, main_area.width, main_area.height);
    for (int i = 0; i < moves.count; ++i)
        SetCursorPos(moves.to[i].x, moves.to[i].y);
}
