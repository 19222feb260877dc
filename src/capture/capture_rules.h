// How mirrors get their picture, on plain values: the method the settings ask for, when a mirror asks
// the compositor for a thumbnail of its window or gives one up, and what a copy takes.
#pragma once
#include "base/geometry.h"

// How mirrors get their picture, from the settings: a thumbnail where the compositor gives one,
// else a copy (auto), or always a copy. An empty or missing value means auto; any other value
// reads as auto, and read_mirror_method returns false so that it can be reported.
enum MirrorMethod { METHOD_AUTO, METHOD_COPY };
bool read_mirror_method(const char *value, MirrorMethod *method);

// What the main loop sees of one entry's thumbnail registration.
struct ThumbnailView {
    bool thumbnails_on;  // the method is auto and the compositor's functions were found
    bool wanted;         // the entry is catalogued and ticked, and its target is a window
    bool registered;     // a registration is live
    bool same_target;    // that registration, or the last refused one, was for the target it has now
    bool refused;        // the last registration tried for this entry was refused
};

enum ThumbnailAction { THUMBNAIL_KEEP, THUMBNAIL_REGISTER, THUMBNAIL_RELEASE };

// A ticked entry asks for a thumbnail of its target once; refused, its mirror paints by copy until
// the entry's target changes. A registration is released as soon as the entry is unticked, drops
// out of the catalogue or changes its target (its window closed, or another window took the row).
ThumbnailAction plan_thumbnail(const ThumbnailView &view);

// A copy: the part of the source's window picture (in its window coordinates), drawn width x height into the
// mirror's window from its top left corner.
struct CopyPart {
    ScreenRect part;
    int width;
    int height;
};

// What a window's mirror copies of its target. At another scale than 1:1 (scaled), the target's whole window
// (target_rect: its rectangle, none where it could not be read) stretched to the mirror's size; at 1:1, its top
// left as large as the mirror (mirror_rect) and at most the main monitor's size: the rest would be clipped
// anyway, and every pixel read costs a read back from the display.
CopyPart copy_part(const ScreenRect &mirror_rect, const ScreenRect &target_rect, bool scaled,
                   const MonitorArea &main);

// A plain block copy where the part is as large as the drawing; stretched otherwise.
bool copy_stretches(const CopyPart &copy);
