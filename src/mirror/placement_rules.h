// The mirrors' placement and visibility, on plain values: where each catalogued mirror stands and how it is
// cut, which ones show, how the shown ones are stacked, and what the toggle button is told about the window in
// front.
#pragma once
#include "base/geometry.h"
#include "base/limits.h"
#include "display/mapping_rules.h"

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
};

enum PlacementAction {
    MIRROR_LEFT_ALONE,
    MIRROR_MOVED,               // moved and sized, Z order unchanged
    MIRROR_PLACED_UNDER_TARGET  // moved, sized and stacked right below its target
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

// Exactly the ticked entries whose target is there and not minimised show their mirror, and none
// while the screen is blank, nor while the spotlight is on another window (such an entry stays
// mirrored: it shows again when the blank is lifted or the spotlight ends). The one place that
// decides whether a minimised target's mirror shows.
VisibilityAction plan_visibility(const VisibilityView &view);

// The shown mirrors' order on the audience's screen, the lowest first: as their windows stood when the
// catalogue's last pass met them (met: front to back); a mirror whose window it has not met yet, in front,
// and those in their entries' order. targets: the shown mirrors' windows; writes into order the indices into
// targets, bottom up.
void stack_mirrors(const WindowId *targets, int count, const WindowId *met, int met_count, int *order);
