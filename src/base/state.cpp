// Definitions of the shared state; everything starts at zero but two switches.
#include "base/state.h"

MonitorArea main_area;
MonitorArea ext_area;

WinEntry win_table[MAX_WINDOWS];
int win_count;

int mouse_limit = 0;
int set_mousepointer = 1;
int set_wp = 1;
int set_blank = 0;

HWND hwChecklist;
HWND hwButton;
HWND hwWallPaper;
HWND hwHelperOwner;

HWND hwFore;
POINT cursor_pos;
HINSTANCE hInst;
