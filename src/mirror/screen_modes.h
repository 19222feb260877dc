// The audience's screen as a whole: blank (the wallpaper alone, no mirror shows), one window in the spotlight
// (its mirror alone, fitted to the external monitor), or the zoom (the region around the pointer magnified).
// The blank wins over either; the spotlight and the zoom end each other.
#pragma once
#include "base/geometry.h"
#include "base/win32.h"

bool audience_blank(void);
void set_audience_blank(bool on);

// The spotlight key: ends the spotlight wherever it is pressed, or puts it on the window in front when that
// window's mirror is meant to show; over any other window it is refused. Each is traced.
void press_spotlight_key(void);

// The window in the spotlight, or null.
HWND spotlit_window(void);

// The spotlight ends by itself when its window closes, is minimised or unticked, or leaves the list.
void check_spotlight(void);

// Reads [DISPLAY] ZOOM_FACTOR: at start.
void start_zoom(void);

// The zoom key: the zoom on (ending the spotlight), or off where it is on. Traced.
void press_zoom_key(void);
bool zoom_on(void);

// Where the main monitor's picture lands on the external one now: the monitors' own mapping, or while the zoom
// is on, the region around the pointer magnified in its place.
Mapping audience_mapping(POINT pointer);
