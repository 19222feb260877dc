// Placement and visibility of the catalogued mirrors. Geometry and visibility are applied
// afresh on every pass; nothing is remembered between iterations.
#include "mirror/placement.h"
#include "app/platform.h"
#include "app/state.h"
#include "app/texts.h"
#include "app/trace.h"
#include "mirror/mirror_rules.h"

// The target's rectangle on the external monitor; false when the target can no longer be
// read (it has gone), in which case its mirror keeps its place.
static bool mirror_box_of(HWND target, Box *box)
{
    RECT r;
    if (target == NULL || !GetWindowRect(target, &r))
        return false;
    ScreenRect rect = {r.left, r.top, r.right, r.bottom};
    *box = mirror_box(rect, ext_area.x, ext_area.y);
    return true;
}

// Moving a window to where it already is changes nothing on the screen, but costs a full
// round of position messages; with every mirror on every pass that adds up.
static bool window_has_box(HWND window, const Box &b)
{
    RECT r;
    return GetWindowRect(window, &r) && r.left == b.x && r.top == b.y && r.right - r.left == b.width &&
           r.bottom - r.top == b.height;
}

void place_mirrors(void)
{
    for (int i = 0; i < win_count; ++i) {
        WinEntry &e = win_table[i];
        if (e.hwMir == NULL)
            continue;
        if (IsIconic(e.hwTarget)) {
            ShowWindow(e.hwMir, SW_HIDE);
            continue;
        }
        Box b;
        if (e.hwTarget == hwFore && hwFore != NULL) {
            fore_index = i;
            SendMessageA(hwButton, e.shown ? BTN_STATE_ON : BTN_STATE_OFF, 0, 0);
            if (mirror_box_of(e.hwTarget, &b))
                place_window(e.hwMir, e.hwTarget, b.x, b.y, b.width, b.height);
        } else if (hwFore == hwButton || hwFore == NULL) {
            continue;
        } else if (mirror_box_of(e.hwTarget, &b) && !window_has_box(e.hwMir, b)) {
            MoveWindow(e.hwMir, b.x, b.y, b.width, b.height, TRUE);
        }
    }
}

// Two browser classes show their content in an owned window; follow the owner instead.
static void substitute_owner(WinEntry &e)
{
    char class_name[TEXT_LEN];
    window_class(e.hwTarget, class_name);
    if (takes_owner_chrome(class_name))
        e.hwTarget = GetWindow(e.hwTarget, GW_OWNER);
    window_class(e.hwTarget, class_name);
    if (takes_owner_mozilla(class_name))
        e.hwTarget = GetWindow(e.hwTarget, GW_OWNER);
}

void update_mirror_visibility(void)
{
    for (int i = 0; i < win_count; ++i) {
        WinEntry &e = win_table[i];
        // A target that has closed since the last rebuild (another window opened in the same
        // tick, so the count did not change) has nothing left to show: its mirror would keep
        // the closed window's last picture on the external monitor.
        if (e.hwTarget == NULL || !IsWindow(e.hwTarget)) {
            if (e.hwMir != NULL)
                ShowWindow(e.hwMir, SW_HIDE);
            continue;
        }
        substitute_owner(e);
        if (check_rows[i].checked) {
            if (e.hwMir == NULL) {
                trace(TXT_TR_MIRROR_NULL, i);
                continue;
            }
            if (!IsIconic(e.hwTarget)) {
                ShowWindow(e.hwMir, SW_SHOWNOACTIVATE);
                e.shown = 1;
            } else {
                if (e.hwTarget == hwFore)
                    place_window(hwButton, HWND_TOPMOST, 0, 0, 1, 1);
                ShowWindow(e.hwMir, SW_HIDE);
                e.shown = 0;
            }
        } else if (e.hwMir != NULL) {
            ShowWindow(e.hwMir, SW_HIDE);
            e.shown = 0;
        }
    }
}
