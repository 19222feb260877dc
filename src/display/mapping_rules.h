// Where the main monitor's picture lands on the external one, on plain values: 1:1 or fitted, points and
// rectangles through the mapping and back, and the part of a window that a mirror cut to the external
// monitor shows.
#pragma once
#include "base/geometry.h"

// 1:1 at the external monitor's top left, for monitors given the same resolution; or the part `shown` of the
// main monitor (all of it, or one window's bounds) as large as the external monitor holds with its
// proportions kept, centred. monitors_mapping: the whole main monitor, 1:1 or fitted (scale).
Mapping one_to_one(const MonitorArea &main, const MonitorArea &ext);
Mapping fitted(const ScreenRect &shown, const MonitorArea &main, const MonitorArea &ext);
Mapping monitors_mapping(bool scale, const MonitorArea &main, const MonitorArea &ext);

// The zoom: the region of the main monitor around the pointer, the main monitor's size divided by the factor,
// centred on the pointer and kept inside the main monitor (at its edges the region stops and the pointer moves
// off centre), magnified to fill the place where `base` puts the whole main monitor's picture.
Mapping zoomed(const Mapping &base, const MonitorArea &main, ScreenPoint pointer, double factor);

// [DISPLAY] ZOOM_FACTOR: a number from 1.25 to 8, with a decimal point if need be ("2.5"); an empty or missing
// value is 2. Anything else reads as 2, and the function returns false so that it can be reported.
enum { ZOOM_BY_DEFAULT = 2 };
bool read_zoom_factor(const char *value, double *factor);

// Points and rectangles through a mapping. A rectangle is mapped edge by edge, each edge rounded the
// same way, so that windows that touch on the main monitor touch on the external one. unmap_point takes
// a point of the external monitor back to the main one.
ScreenPoint map_point(const Mapping &m, ScreenPoint p);
ScreenRect map_rect(const Mapping &m, const ScreenRect &r);
ScreenPoint unmap_point(const Mapping &m, ScreenPoint p);

// The part of a mirror that the external monitor shows, in the mirror's own coordinates:
// whole, or cut so that nothing of it lies on another monitor.
struct MirrorClip {
    bool whole;
    ScreenRect part;
};
MirrorClip mirror_clip(const Box &box, const MonitorArea &ext);

// The part of a window that a mirror cut to the external monitor shows, and where: a thumbnail
// mirror, or a pop-up mirror however it paints. The mirror stands at the window's visible bounds
// mapped onto the external monitor, cut to that monitor, and shows the same part of the window in the
// whole mirror (pixel for pixel at 1:1). window_rect includes any invisible resize borders;
// visible_bounds are the bounds the compositor draws (the window rectangle itself where it does not say).
struct MirrorGeometry {
    bool empty;              // nothing of the window falls on the external monitor
    Box box;                 // the mirror window
    ScreenRect source;       // in the window's coordinates: its window rectangle's top left is (0, 0)
    ScreenRect destination;  // in the mirror's client coordinates
};
MirrorGeometry mirror_geometry(const ScreenRect &window_rect, const ScreenRect &visible_bounds, const MonitorArea &ext,
                               const Mapping &mapping);
