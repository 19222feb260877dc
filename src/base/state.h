// The state that several modules share, each item with the reason it is shared. Everything
// else lives file-static in the one module that uses it. One thread touches all of it.
#pragma once
#include "base/win32.h"
#include "base/geometry.h"
#include "base/limits.h"

// One catalogued application window and its mirror.
struct WinEntry {
    HWND hwTarget;  // the window shown through this entry
    HWND hwMir;     // its mirror; created once per index, never destroyed
    int shown;      // 1 while the mirror is meant to be visible
};

// Written by the display set-up; read by the cursor limit, the mirrors' copy and placement,
// and the wallpaper.
extern MonitorArea main_area;
extern MonitorArea ext_area;

// Filled by the catalogue; pumped and placed by the main loop, painted from by each mirror,
// and clicked through by the toggle button.
extern WinEntry win_table[MAX_WINDOWS];
extern int win_count;

// Switches, toggled from the checklist's window menu and read where they take effect.
extern int mouse_limit;       // the main loop's cursor limit
extern int set_mousepointer;  // the mirrors' pointer marker
extern int set_wp;            // the main loop's wallpaper visibility
extern int set_blank;         // the audience sees the wallpaper alone: no mirror shows

// The program's single-instance windows: created at start-up, pumped by the main loop and
// recognised by the button, which never sits on them. Null when their creation failed.
extern HWND hwChecklist;
extern HWND hwButton;
extern HWND hwWallPaper;

// Owner of the button, the wallpaper and every mirror. It is never shown, and windows with
// an owner get no taskbar button or Alt+Tab entry of their own.
extern HWND hwHelperOwner;

// Captured by the main loop on every iteration, read by the mirrors when they paint the marker.
extern HWND hwFore;  // may be null
extern POINT cursor_pos;

// Every class and window of the program is registered and created with it.
extern HINSTANCE hInst;
