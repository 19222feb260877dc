// How a mirror gets its picture: the compositor's live thumbnail of its window where the system
// gives one, else the copy that the mirror paints itself. At most one registration per mirror.
#pragma once
#include "base/win32.h"
#include "mirror/mirror_rules.h"

// Reads the method from the settings and, for auto, loads the compositor's functions at run time
// (the program starts where they are missing); traces the method in use.
void start_thumbnails(void);

// Keeps the registration of entry `index`'s mirror in step with the entry: made when the mirror
// gets a ticked target, released when the entry is unticked, leaves the catalogue or changes its
// target. wanted: the entry is catalogued and ticked and its target is a window. A refused
// registration is traced once per mirror, and the mirror paints by copy.
void thumbnail_follows_entry(int index, bool wanted);

// True while the mirror shows a thumbnail; false while it paints by copy.
bool shows_thumbnail(HWND mirror);

// The bounds of the window as the compositor draws it, without invisible resize borders; the
// window rectangle where the compositor does not say.
ScreenRect visible_bounds_of(HWND window, const ScreenRect &window_rect);

// What the thumbnail draws where, and whether: set only when something changed.
void set_thumbnail_geometry(HWND mirror, const ThumbnailGeometry &geometry);
void set_thumbnail_shown(HWND mirror, bool shown);

// Releases every registration: at exit.
void release_thumbnails(void);
