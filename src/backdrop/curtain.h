// The audience's screen kept to what was picked: the curtain (the wallpaper above every window that is not
// the program's, [DISPLAY] CURTAIN=yes), and a trace line for each window of others that comes to lie on the
// external monitor, either way.
#pragma once
#include "base/limits.h"
#include "base/win32.h"

// Reads the setting and traces it.
void start_curtain(void);
bool curtain_on(void);

// The most windows the audience sees: every mirror, every pop-up mirror and the marker.
enum { MOST_AUDIENCE = MAX_WINDOWS + MAX_POPUPS + 1 };

// Once a pass, after the mirrors, their pop-ups and the marker are placed: names each window of others that
// has come to lie on the external monitor, and with the curtain on puts the wallpaper (its window, null when
// it could not be made) back above them, the audience's windows (audience: as they should stand, the lowest
// first) above it in their order, wherever the Z order has let either slip.
void keep_audience_screen(HWND wallpaper, const HWND *audience, int count);
