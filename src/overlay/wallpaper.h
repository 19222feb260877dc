// The wallpaper window: a picture over the whole external monitor, behind the mirrors.
#pragma once
#include "base/win32.h"

// Registers the class and creates the window, loading the picture. Null on failure.
HWND create_wallpaper(HINSTANCE instance);

LRESULT CALLBACK wallpaper_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the window without activating it and lays it over the external monitor, at the
// bottom of the Z order (above every other window, as a curtain), disabled so that it never takes input.
void show_wallpaper(void);

// Shows the window without activating it, or hides it, as the switch (or the blank) says.
void set_wallpaper_visible(bool visible);
