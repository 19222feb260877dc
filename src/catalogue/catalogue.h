// Window discovery: which top-level windows are listed, and the window table's contents.
#pragma once
#include "app/win32.h"

// EnumWindows callback of the counting pass: one more in win_num per eligible window.
BOOL CALLBACK count_proc(HWND window, LPARAM data);

// EnumWindows callback of the collecting pass: fills entry win_num with the window, gives
// the entry a mirror if it has none, hides that mirror and moves on to the next entry.
BOOL CALLBACK collect_proc(HWND window, LPARAM data);

// Orders the first win_count entries by title (one exchange pass) and relabels the rows
// and mirrors.
void sort_by_title(void);

// Gives the mirror of every catalogued entry the style its target's class calls for.
void apply_mirror_styles(void);
