// The mirrors' decisions, on plain values: where each catalogued mirror stands, which ones show, what
// the toggle button is told, how much of a mirror the external monitor shows, which mirrors show the
// compositor's thumbnail and what part of the window it draws where, the pointer marker's box, the
// spotlight and the two browser classes followed through their owners. Where the main monitor's picture
// lands on the external one is the monitors' geometry (display_rules.h).
#pragma once
#include "base/geometry.h"
#include "base/limits.h"
#include "display/display_rules.h"

// The part of a window that a mirror cut to the external monitor shows, and where: a thumbnail
// mirror, or a pop-up mirror however it paints. The mirror stands at the window's visible bounds
// mapped onto the external monitor, cut to that monitor, and shows the same part of the window in the
// whole mirror (pixel for pixel at 1:1).
struct MirrorGeometry {
    bool empty;              // nothing of the window falls on the external monitor
    Box box;                 // the mirror window
    ScreenRect source;       // in the window's coordinates: its window rectangle's top left is (0, 0)
    ScreenRect destination;  // in the mirror's client coordinates
};

// window_rect includes any invisible resize borders; visible_bounds are the bounds the compositor
// draws (the window rectangle itself where the compositor does not say).
MirrorGeometry mirror_geometry(const ScreenRect &window_rect, const ScreenRect &visible_bounds, const MonitorArea &ext,
                               const Mapping &mapping);

// What the main loop sees of one catalogued entry before placing its mirror.
struct PlacementView {
    bool has_mirror;
    bool ticked;                // the entry's row is ticked
    bool thumbnail;             // the mirror shows a thumbnail of its target, not a copy
    bool target_minimised;
    bool target_is_foreground;  // the target is this iteration's foreground window
    bool target_rect_known;     // false when the target has gone or is null
    bool mirror_placed;         // the mirror has been given a box before
    bool spotlit;               // the spotlight is on this entry's window: it fills the external monitor
    ScreenRect target_rect;
    ScreenRect visible_bounds;  // for a thumbnail mirror
    Box mirror_box;             // the box it was last given
    int shown;
};

enum PlacementAction {
    MIRROR_LEFT_ALONE,
    MIRROR_MOVED,               // moved and sized, Z order unchanged
    MIRROR_PLACED_UNDER_TARGET  // moved, sized and stacked right below its target
};

// The part of a mirror that the external monitor shows, in the mirror's own coordinates:
// whole, or cut so that nothing of it lies on another monitor.
struct MirrorClip {
    bool whole;
    ScreenRect part;
};

struct PlacementStep {
    PlacementAction action;
    Mapping mapping;  // how the mirror's window lands on the external monitor
    Box box;
    bool clip_known;  // the box, and with it the clip, could be worked out (a copy mirror's)
    MirrorClip clip;
    bool thumbnail_known;  // the same for a thumbnail mirror, which is cut by its box
    MirrorGeometry thumbnail;
};

enum ButtonFace { FACE_UNCHANGED, FACE_MIRRORED, FACE_NOT_MIRRORED };

struct PlacementPlan {
    PlacementStep steps[MAX_WINDOWS];
    int fore_index;  // entry of the foreground window, or -1 when none is catalogued
    ButtonFace face;
};

// The two monitors and where the main one's picture lands on the external one.
struct Screens {
    MonitorArea main;
    MonitorArea ext;
    Mapping mapping;
};

// Every ticked entry's mirror over the external monitor at its target's rectangle mapped there (a
// thumbnail mirror: its visible bounds, cut); the spotlit entry's window fitted to the whole external
// monitor instead; a minimised target's mirror is left as it is. While the foreground window is the
// button, or there is none, mirrors stay where they are. fore_button_or_none: that case. A view of an
// unticked entry that is not in the foreground needs nothing but has_mirror and ticked. The foreground
// window's mirror is stacked right under its window, unless the mirrors stand above a curtain (curtain):
// then their order is kept with the curtain's.
PlacementPlan plan_placement(const PlacementView *views, int count, bool fore_button_or_none, const Screens &screens,
                             bool curtain);

// What the main loop sees of one catalogued entry before showing or hiding its mirror. Of an
// unticked entry only ticked and has_mirror count.
struct VisibilityView {
    bool target_gone;  // null, or no longer a window
    bool has_mirror;
    bool ticked;
    bool target_minimised;
    bool blank;              // the audience's screen is blank
    bool outside_spotlight;  // the spotlight is on another window
};

enum VisibilityAction { MIRROR_KEPT, MIRROR_SHOW, MIRROR_HIDE, MIRROR_MISSING };

struct VisibilityStep {
    VisibilityAction action;
    int shown;  // the entry's new flag, or -1 to keep it
};

// Exactly the ticked entries whose target is there and not minimised show their mirror, and none
// while the screen is blank, nor while the spotlight is on another window (such an entry stays
// mirrored: it shows again when the blank is lifted or the spotlight ends). The one place that
// decides whether a minimised target's mirror shows.
VisibilityStep plan_visibility(const VisibilityView &view);

MirrorClip mirror_clip(const Box &box, const MonitorArea &ext);

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

// The red disc's diameter at 96 DPI; it follows the DPI of the monitor the mirror stands on.
enum { DISC_SIZE = 20 };

// The red disc over a thumbnail mirror: disc_size across, centred on the pointer's place on the external
// monitor (a thumbnail mirror is a bare popup, whose disc is centred), cut to the mirror, which the
// thumbnail covers whole. Shown only while the switch is on and the foreground window's mirror
// shows a thumbnail; disc is in the overlay window's own coordinates.
struct MarkerOverlay {
    bool shown;
    Box box;
    ScreenRect disc;
};
MarkerOverlay plan_marker_overlay(bool switch_on, bool fore_thumbnail_shown, ScreenPoint cursor,
                                  const Mapping &mapping, const Box &mirror_box, int disc_size);

// A target whose class contains "Chrome_WidgetWin_" draws its own caption: its mirror is a
// bare popup and its pointer disc is centred on the pointer.
bool is_chrome_class(const char *class_name);

// The red disc's bounding box in a copying mirror's client coordinates, disc_size across. At 1:1 it
// follows the target: cursor is in screen coordinates, normal_origin the target's normal-position
// origin, used only when the target is not maximised; a framed mirror's disc is lifted to match its
// caption (centred 10 pixels left of and 30 above the pointer). At any other scale the disc is centred
// on the pointer's place on the external monitor; client_origin is where the mirror's client area
// starts there.
ScreenRect marker_box(const Mapping &m, bool maximised, bool chrome_class, ScreenPoint cursor,
                      ScreenPoint normal_origin, ScreenPoint client_origin, int disc_size);

// The spotlight key ends a spotlight that is on, wherever it is pressed; otherwise it puts the
// spotlight on the window in front when that window's mirror is meant to show (ticked, not
// minimised), and is refused over any other window.
enum SpotlightPress { SPOTLIGHT_STARTS, SPOTLIGHT_ENDS, SPOTLIGHT_REFUSED };
SpotlightPress press_spotlight(bool on, bool front_mirrored);

// A spotlight holds while its window is listed, ticked and not minimised; it ends by itself when the
// window closes, is minimised or unticked, or leaves the list.
bool spotlight_holds(bool listed, bool ticked, bool minimised);

// The two owner steps, each on the whole class name.
bool takes_owner_chrome(const char *class_name);
bool takes_owner_mozilla(const char *class_name);
