// Mirror windows: each shows its target's whole window image, frame and caption included.
#pragma once
#include "base/state.h"

// Creates the mirror for table entry `index`: its own class and a hidden window, both named
// "Mirror<index>", owned by the helper owner. Null when the class or the window cannot be created.
HWND create_mirror(int index);

// Gives a mirror the frame its target's own caption calls for, or none while it shows a
// thumbnail; restyle_mirror applies it again when the way the mirror paints changes.
void style_mirror_for(HWND mirror, bool chrome_class);
void restyle_mirror(HWND mirror);

// Keeps entry `index`'s mirror up to date on the checklist's timer: a shown mirror that paints by
// copy asks its target to paint and copies it; a hidden one or a thumbnail needs neither.
void refresh_mirror(int index);

// Shows a mirror without activating it, or hides it. Only a shown mirror has its 30 ms repaint
// timer and is pumped by the main loop: a hidden one has nothing to paint.
void show_mirror(HWND mirror, bool shown);

LRESULT CALLBACK mirror_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// How the mirror's target lands on the external monitor, as the placement last decided (the monitors'
// own mapping until then): a copy at any other scale than 1:1 is stretched, and its disc put at the
// pointer's place there; the marker window and the window's pop-ups follow it too.
void set_mirror_mapping(HWND mirror, const Mapping &mapping);
Mapping mirror_mapping(const HWND__ *mirror);

// Draws the red disc for the cursor at (x, y), screen coordinates, with the brush selected in dc
// (the mirror's paint DC), placed for the target window.
void draw_pointer_marker(HDC dc, HWND mirror, HWND target, int x, int y);
