// Hot keys of the main thread, each with an id; WM_HOTKEY comes as a message of the thread.
#include "controls/hotkeys.h"
#include "base/settings.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "controls/checklist.h"
#include "controls/hotkey_rules.h"
#include "controls/window_menu.h"
#include "mirror/screen_modes.h"
#include <string.h>

#ifndef MOD_NOREPEAT
#define MOD_NOREPEAT 0x4000
#endif

enum { KEY_TOGGLE = 1, KEY_BLANK = 2, KEY_SPOTLIGHT = 3, KEY_ZOOM = 4 };

static const struct {
    int id;
    const char *name;       // the settings key and the name in the trace
    const char *by_default;
} keys[] = {{KEY_TOGGLE, TXT_KEY_TOGGLE, TXT_DEFAULT_TOGGLE},
            {KEY_BLANK, TXT_KEY_BLANK, TXT_DEFAULT_BLANK},
            {KEY_SPOTLIGHT, TXT_KEY_SPOTLIGHT, TXT_DEFAULT_SPOTLIGHT},
            {KEY_ZOOM, TXT_KEY_ZOOM, TXT_DEFAULT_ZOOM}};

static bool registered[5];  // by id

void register_hotkeys(void)
{
    for (const auto &k : keys) {
        char value[TEXT_LEN], shown[TEXT_LEN];
        if (!read_setting(TXT_SECTION_HOTKEYS, k.name, value, shown)) {
            strcpy(value, k.by_default);
            strcpy(shown, k.by_default);
        }
        HotKey key;
        HotKeyReading reading = read_hotkey(value, &key);
        if (reading == HOTKEY_UNREADABLE)
            trace_unreadable(TXT_TR_HOTKEY_UNREADABLE, shown, k.name);
        if (reading != HOTKEY_SET)
            continue;
        // Held down, a key repeats: without MOD_NOREPEAT one press could toggle many times.
        registered[k.id] = RegisterHotKey(NULL, k.id, key.modifiers | MOD_NOREPEAT, key.key) != 0;
        if (!registered[k.id])
            trace(TXT_TR_HOTKEY_TAKEN, k.name, value);
    }
}

static void toggle_window_in_front(void)
{
    int row = entry_of(GetForegroundWindow());
    if (row < 0)
        trace_line(TXT_TR_HOTKEY_NOT_LISTED);
    else
        SendMessageA(checklist_window(), WM_COMMAND, (WPARAM)row, 0);  // as the row's own click
}

void pump_hotkeys(void)
{
    // (HWND)-1: only the thread's own messages, which no window-filtered fetch of the loop takes.
    MSG msg;
    while (PeekMessageA(&msg, (HWND)-1, WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) {
        if (msg.wParam == KEY_TOGGLE)
            toggle_window_in_front();
        else if (msg.wParam == KEY_BLANK)
            SendMessageA(checklist_window(), WM_SYSCOMMAND, ID_BLANK, 0);  // as the menu item
        else if (msg.wParam == KEY_SPOTLIGHT)
            press_spotlight_key();
        else if (msg.wParam == KEY_ZOOM)
            press_zoom_key();
    }
}

void release_hotkeys(void)
{
    for (const auto &k : keys)
        if (registered[k.id])
            UnregisterHotKey(NULL, k.id);
}
