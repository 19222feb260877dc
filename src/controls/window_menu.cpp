// The window menu's items, and what picking each changes: each switch lives where it takes effect.
#include "controls/window_menu.h"
#include "backdrop/wallpaper.h"
#include "base/limits.h"
#include "base/texts.h"
#include "base/trace.h"
#include "controls/cursor_limit.h"
#include "controls/preview.h"
#include "display/displays.h"
#include "mirror/marker.h"
#include "mirror/screen_modes.h"
#include <stdio.h>

static const struct {
    const char *item;
    const char *line;   // traced with the new value; null for the preview, which says so itself
    bool (*on)(void);
    void (*set)(bool);
    UINT id;
    bool marked;        // the item's check mark shows the state
} switches[] = {  // in the menu's order
    {TXT_MENU_WALLPAPER, TXT_TR_WALLPAPER, wallpaper_switch_on, set_wallpaper_switch, ID_WALLPAPER, false},
    {TXT_MENU_MOUSE_POINTER, TXT_TR_MOUSE_POINTER, marker_switch_on, set_marker_switch, ID_MOUSE_POINTER, false},
    {TXT_MENU_MOUSE_LIMIT, TXT_TR_MOUSE_LIMIT, mouse_limit_on, set_mouse_limit, ID_MOUSE_LIMIT, false},
    {TXT_MENU_BLANK, TXT_TR_BLANK, audience_blank, set_audience_blank, ID_BLANK, true},
    {TXT_MENU_PREVIEW, NULL, preview_open, set_preview_open, ID_PREVIEW, true},
    // Traced by the set-up that moves the audience, on the next pass.
    {TXT_MENU_AUDIENCE_WINDOW, NULL, audience_in_window, move_audience_to_window, ID_AUDIENCE_WINDOW, true},
};

static void insert_item(HMENU menu, UINT position, UINT id, const char *text, UINT type, UINT state)
{
    char copy[TEXT_LEN];
    snprintf(copy, sizeof copy, "%s", text);
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE;
    mii.fType = type;
    mii.fState = state;
    mii.wID = id;
    mii.dwTypeData = copy;
    InsertMenuItemA(menu, position, TRUE, &mii);
}

void add_menu_items(HWND window)
{
    if (window == NULL)
        return;
    // The items go into the window menu only. Shown as a menu bar as well, the whole window
    // menu would wrap over several lines of the 300-pixel window, whose height has room for
    // the caption and the rows alone, and hide the rows. Each goes in at the top, the last first.
    HMENU menu = GetSystemMenu(window, FALSE);
    for (int k = (int)(sizeof switches / sizeof switches[0]) - 1; k >= 0; --k)
        insert_item(menu, 0, switches[k].id, switches[k].item, MFT_STRING, MFS_ENABLED);
    list_monitors_in_menu(window);
    mark_menu_items(window);
}

void list_monitors_in_menu(HWND window)
{
    enum { FIRST_PLACE = 6 };  // below the switches, the blank, the preview and the audience's window
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu == NULL)
        return;
    // Moved by the window's own close button too: marked after each set-up.
    mark_menu_item(window, ID_AUDIENCE_WINDOW, audience_in_window());
    for (int id = ID_MONITORS; id <= ID_MONITORS + MOST_MONITORS; ++id)
        DeleteMenu(menu, (UINT)id, MF_BYCOMMAND);
    const MonitorFound *monitors = NULL;
    int main_index = -1, external_index = -1;
    int count = monitors_found(&monitors, &main_index, &external_index);
    if (count < 2)
        return;
    UINT place = FIRST_PLACE;
    insert_item(menu, place++, ID_MONITORS, "", MFT_SEPARATOR, MFS_ENABLED);
    for (int i = 0; i < count; ++i) {
        if (i == main_index)
            continue;
        const MonitorArea &a = monitors[i].area;
        char text[TEXT_LEN];
        snprintf(text, sizeof text, TXT_MENU_MONITOR_FMT, i + 1, a.width, a.height, a.x, a.y);
        insert_item(menu, place++, (UINT)(ID_MONITORS + i + 1), text, MFT_STRING,
                    i == external_index ? MFS_CHECKED : MFS_UNCHECKED);
    }
}

bool on_menu_command(HWND window, WPARAM command)
{
    if (command > ID_MONITORS && command <= ID_MONITORS + MOST_MONITORS) {
        pick_external_monitor((int)(command - ID_MONITORS));
        return true;
    }
    for (const auto &s : switches) {
        if (command != s.id)
            continue;
        s.set(!s.on());
        if (s.line != NULL)
            trace(s.line, s.on() ? 1 : 0);
        mark_menu_items(window);
        return true;
    }
    return false;
}

void mark_menu_item(HWND window, UINT id, bool on)
{
    CheckMenuItem(GetSystemMenu(window, FALSE), id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void mark_menu_items(HWND window)
{
    for (const auto &s : switches)
        if (s.marked)
            mark_menu_item(window, s.id, s.on());
}
