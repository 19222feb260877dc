// Which pop-ups follow a ticked window onto the external monitor, on plain values: menus, drop-down
// lists, tooltips and the like are top-level windows of their own, which no thumbnail or copy of the
// window contains. Anything that was not picked never follows.
#pragma once
#include "base/geometry.h"
#include "base/limits.h"

// A ticked window whose mirror shows in this pass.
struct PopupTarget {
    WindowId window;
    unsigned thread;
    bool in_front;  // the foreground window
    ScreenRect rect;
};

// A top-level window as the pass met it, front to back.
struct PopupCandidate {
    WindowId window;
    WindowId owners[MAX_OWNER_CHAIN];  // its owner, that one's owner, ...
    int owner_count;
    unsigned thread;
    ScreenRect rect;
    bool rect_known;
    bool visible;
    bool minimised;
    bool cloaked;   // kept off the screen by the compositor
    bool ours;      // one of the program's own windows
    bool listable;  // the checklist would list it: it is shown by its own tick alone
};

struct PopupFollow {
    int candidate;
    int target;
};

// The pop-ups that follow, front-most first, at most MAX_POPUPS; more is set when others would too.
struct PopupPlan {
    PopupFollow follows[MAX_POPUPS];
    int count;
    bool more;
};

// A visible, not minimised, not cloaked window that is neither ours nor listable follows target T when
//   (a) T owns it, directly or through a chain of owners (menus, most drop-downs and tooltips), or
//   (b) it has no owner, runs on T's thread, T is in front, and it touches T's rectangle or a pop-up
//       that follows T (a combo box's list, the sub-menu next to its menu). Browsers run all their
//       windows on one thread: without the last two conditions, what another, unpicked window of that
//       thread opens would reach the audience.
// Nothing else follows: no window of another thread by (b), no window of another process unless T
// owns it.
PopupPlan plan_popups(const PopupTarget *targets, int target_count, const PopupCandidate *candidates,
                      int candidate_count);

// Rectangles that overlap or share an edge.
bool rects_touch(const ScreenRect &a, const ScreenRect &b);

// [MIRROR] POPUPS: "yes" (also empty or missing) or "no", in any case; any other value reads as yes,
// and the function returns false so that it can be reported.
bool read_popups_setting(const char *value, bool *on);
