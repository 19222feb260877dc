// The cursor limit's switch and its moves.
#include "controls/cursor_limit.h"
#include "controls/cursor_rules.h"
#include "display/displays.h"

static int mouse_limit = 0;

bool mouse_limit_on(void)
{
    return mouse_limit != 0;
}

void set_mouse_limit(bool on)
{
    mouse_limit = on ? 1 : 0;
}

void apply_cursor_limit(POINT cursor)
{
    if (!mouse_limit)
        return;
    ScreenPoint pos = {cursor.x, cursor.y};
    CursorMoves moves = cursor_limit_moves(pos, main_area.width, main_area.height);
    for (int i = 0; i < moves.count; ++i)
        SetCursorPos(moves.to[i].x, moves.to[i].y);
}
