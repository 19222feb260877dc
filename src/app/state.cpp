// Definitions of the program-wide state; everything starts at zero but two switches.
#include "app/state.h"

MonitorArea main_area;
MonitorArea ext_area;

WinEntry win_table[MAX_WINDOWS];
CheckRow check_rows[MAX_WINDOWS];
char sel_titles[MAX_WINDOWS][TEXT_LEN];

int win_num;
int win_count;
int monitor_num;
int time_count;

int mouse_limit = 0;
int set_mousepointer = 1;
int set_wp = 1;

HWND hwChecklist;
MSG msgChecklist;
int checklistGetResult;
HWND hwButton;
MSG msgButton;
int buttonGetResult;
HWND hwWallPaper;
MSG msgWallPaper;
int wallPaperGetResult;

HWND hwDesktop;
HWND hwFore;
int fore_index;
POINT cursor_pos;
SYSTEMTIME start_time;
SYSTEMTIME now_time;
HINSTANCE hInst;
