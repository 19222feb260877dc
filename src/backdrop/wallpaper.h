// The wallpaper window: a picture over the whole external monitor, behind the mirrors.
#pragma once
#include "base/win32.h"

// Registers the class and creates the window, loading the picture.
void create_wallpaper(void);

// The window, or null when it could not be made.
HWND wallpaper_window(void);

// The switch, toggled from the window menu: the picture behind the mirrors.
bool wallpaper_switch_on(void);
void set_wallpaper_switch(bool on);

// Shows the window without activating it and lays it over the external monitor, at the
// bottom of the Z order (above every other window, as a curtain), disabled so that it never takes input.
void show_wallpaper(void);

// Shows the window without activating it, or hides it, as the switch (or the blank) says.
void set_wallpaper_visible(bool visible);
