// The mirrors' decisions, on plain values: where each catalogued mirror stands, which ones
// show, what the toggle button is told, how much of a mirror the external monitor shows, the
// pointer marker's box and the two browser classes followed through their owners.
#pragma once
#include "base/geometry.h"
#include "base/limits.h"

// What the main loop sees of one catalogued entry before placing its mirror.
struct PlacementView {
    bool has_mirror;
    bool target_minimised;
    bool target_is_foreground;  // the target is this iteration's foreground window
    bool target_rect_known;     // false when the target has gone or is null
    ScreenRect target_rect;
    bool mirror_placed;         // the mirror has been given a box before
    Box mirror_box;             // the box it was last given
    int shown;
};

enum PlacementAction {
    MIRROR_LEFT_ALONE,
    MIRROR_HIDDEN,
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
    Box box;
    bool clip_known;  // the box, and with it the clip, could be worked out
    MirrorClip clip;
};

enum ButtonFace { FACE_UNCHANGED, FACE_MIRRORED, FACE_NOT_MIRRORED };

struct PlacementPlan {
    PlacementStep steps[MAX_WINDOWS];
    int fore_index;  // entry of the foreground window, or -1 when none is catalogued
    ButtonFace face;
};

// Every catalogued mirror over the external monitor at its target's rectangle moved by the
// monitor's origin. While the foreground window is the button, or there is none, mirrors stay
// where they are. fore_button_or_none: that case.
PlacementPlan plan_placement(const PlacementView *views, int count, bool fore_button_or_none, const MonitorArea &ext);

// What the main loop sees of one catalogued entry before showing or hiding its mirror.
struct VisibilityView {
    bool target_gone;  // null, or no longer a window
    bool has_mirror;
    bool ticked;
    bool target_minimised;
    bool target_is_foreground;
};

enum VisibilityAction { MIRROR_KEPT, MIRROR_SHOW, MIRROR_HIDE, MIRROR_MISSING };

struct VisibilityStep {
    VisibilityAction action;
    bool park_button;  // the ticked foreground window was minimised: the button goes too
    int shown;         // the entry's new flag, or -1 to keep it
};

// Exactly the ticked entries whose target is there and not minimised show their mirror.
VisibilityStep plan_visibility(const VisibilityView &view);

MirrorClip mirror_clip(const Box &box, const MonitorArea &ext);

// A target whose class contains "Chrome_WidgetWin_" draws its own caption: its mirror is a
// bare popup and its pointer disc is centred on the pointer.
bool is_chrome_class(const char *class_name);

// The red disc's bounding box in the mirror's client coordinates. (x, y) is the cursor in
// screen coordinates; (normal_left, normal_top) the target's normal-position origin, used
// only when the target is not maximised.
ScreenRect marker_box(bool maximised, bool chrome_class, int x, int y, int normal_left, int normal_top);

// The two owner steps, each on the whole class name.
bool takes_owner_chrome(const char *class_name);
bool takes_owner_mozilla(const char *class_name);
