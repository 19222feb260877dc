// Mirror windows: one per catalogue entry (mirror_of(i) for entry i), each showing its target's whole window
// image, frame and caption included. Made as the catalogue first fills an entry, kept for the whole run.
#pragma once
#include "base/geometry.h"
#include "base/win32.h"

// Entry i's mirror, or null when it has none (not yet made, or its making failed).
HWND mirror_of(int index);

// As the catalogue fills entry `index`: makes the entry's mirror, named "Mirror<index>" and owned by the helpers'
// owner, if it has none, and hides it until the placement shows it.
void make_entry_mirror(int index);

// After a rebuild: each catalogued mirror gets the frame its target's own caption calls for (none while it
// shows a thumbnail).
void apply_mirror_styles(void);

// After a rebuild: the mirrors past the catalogue are no longer placed or shown by the main loop. One left
// visible there would freeze on the external monitor (a window that closed or was minimised), or show a
// listed window a second time in its old place.
void hide_mirrors_past_catalogue(void);

// The frame again, when the way the mirror paints changes.
void restyle_mirror(HWND mirror);

// The mirror's title follows its window's: the window's title and a blank.
void label_mirror(int index, const char *title);

// Keeps entry `index`'s mirror up to date on the checklist's timer: a shown mirror that paints by
// copy asks its target to paint and copies it; a hidden one or a thumbnail needs neither.
void refresh_mirror(int index);

// Shows a mirror without activating it, or hides it. Only a shown mirror has its 30 ms repaint
// timer and is pumped by the main loop: a hidden one has nothing to paint.
void show_mirror(HWND mirror, bool shown);

// How the mirror's target lands on the external monitor, as the placement last decided (the monitors'
// own mapping until then): a copy at any other scale than 1:1 is stretched, and its disc put at the
// pointer's place there; the marker window and the window's pop-ups follow it too.
void set_mirror_mapping(int index, const Mapping &mapping);
Mapping mirror_mapping(const HWND__ *mirror);

// Fetches and dispatches one message of each shown mirror of the entries 0 .. win_count, the entry just past
// the catalogue included: it still holds a mirror after a shrink. A hidden mirror has no timer, so its fetch
// could wait for ever, and nothing to paint: what others may post to it waits until it is shown.
void pump_entry_mirrors(void);
