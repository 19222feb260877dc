// The cursor limit: while its switch is on, the pointer is kept on the main monitor.
#pragma once
#include "base/win32.h"

bool mouse_limit_on(void);
void set_mouse_limit(bool on);

// With the switch on, moves the pointer, as captured on this pass, back onto the main monitor.
void apply_cursor_limit(POINT cursor);
