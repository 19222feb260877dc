// How mirrors get their picture, on plain values: the method the settings ask for, and when a mirror asks
// the compositor for a thumbnail of its window or gives one up.
#pragma once

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
