// Program-wide state: every module reads and writes these directly, from the one thread.
#pragma once
#include "app/win32.h"
#include "app/geometry.h"
#include "app/limits.h"

// One catalogued application window and its mirror.
struct WinEntry {
    HWND hwTarget;     // the window shown through this entry
    HWND hwMir;        // its mirror; created once per index, never destroyed
    MSG msgMir;        // the main loop's fetch buffer for the mirror
    int mirGetResult;  // result of the last fetch; kept, never read
    int shown;         // 1 while the mirror is meant to be visible
};

// One checklist row; row i always stands for win_table[i].
struct CheckRow {
    HWND hwCheck;
    int checked;
};

extern MonitorArea main_area;
extern MonitorArea ext_area;

extern WinEntry win_table[MAX_WINDOWS];
extern CheckRow check_rows[MAX_WINDOWS];
// Title last ticked in each row, or " " after it was unticked; outlives catalogue rebuilds.
extern char sel_titles[MAX_WINDOWS][TEXT_LEN];

extern int win_num;      // running count of one enumeration pass
extern int win_count;    // catalogued entries
extern int monitor_num;  // monitors found by the last display set-up
extern int time_count;   // completed main-loop iterations

// Switches, toggled from the checklist's window menu.
extern int mouse_limit;
extern int set_mousepointer;
extern int set_wp;

// The three single-instance windows, each with its fetch buffer and last fetch result.
extern HWND hwChecklist;
extern MSG msgChecklist;
extern int checklistGetResult;
extern HWND hwButton;
extern MSG msgButton;
extern int buttonGetResult;
extern HWND hwWallPaper;
extern MSG msgWallPaper;
extern int wallPaperGetResult;

extern HWND hwDesktop;
extern HWND hwFore;      // foreground window of this iteration; may be null
extern int fore_index;   // entry of the last catalogued foreground window
extern POINT cursor_pos;
extern SYSTEMTIME start_time;
extern SYSTEMTIME now_time;
extern HINSTANCE hInst;
