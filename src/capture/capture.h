// How a mirror of either kind, a window's or a pop-up's, gets its picture: the compositor's live
// thumbnail of its source window where the system gives one, else a copy that the mirror paints
// itself. At most one registration per mirror; nothing here knows which kind of mirror it serves.
#pragma once
#include "base/win32.h"
#include "capture/capture_rules.h"
#include "display/mapping_rules.h"

// Reads the method from the settings and, for auto, loads the compositor's functions at run time
// (the program starts where they are missing); traces the method in use.
void start_capture(void);

// What keeping a mirror's registration in step changed.
struct CaptureChange {
    bool method_changed;   // the mirror now shows a thumbnail where it copied, or the other way
    bool refused;          // a registration was refused, for the first time for this mirror
    unsigned long result;  // the refusal's code
};

// Keeps the mirror's registration in step with the window it should show now (null: none): made for
// a new source, released when the source changes or the mirror should show nothing. A refused
// registration leaves the mirror copying until its source changes.
CaptureChange capture_follows(HWND mirror, HWND source);

// True while the mirror shows a thumbnail; false while it paints by copy.
bool shows_thumbnail(HWND mirror);

// The bounds of the window as the compositor draws it, without invisible resize borders; the
// window rectangle where the compositor does not say.
ScreenRect visible_bounds_of(HWND window, const ScreenRect &window_rect);

// What the thumbnail draws where, and whether: told to the compositor only when something changed.
void set_thumbnail_geometry(HWND mirror, const MirrorGeometry &geometry);
void set_thumbnail_shown(HWND mirror, bool shown);

// The copy, straight from one window DC to the other (see CopyPart).
void copy_picture(HWND mirror, HWND source, const CopyPart &copy);

// The same copy into any device context, from its origin: a picture asked to print itself.
void copy_picture_into(HDC dc, HWND source, const CopyPart &copy);

// What a thumbnail mirror shows, copied from its source into dc at the thumbnail's place in the mirror: a
// mirror asked to print itself, whose thumbnail only the compositor draws. False for a mirror that copies.
bool print_thumbnail(HWND mirror, HDC dc);

// Releases every registration: at exit, and when the mirrors move to another top-level window.
void release_capture(void);
