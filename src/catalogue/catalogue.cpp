// The collecting pass over the top-level windows, and the window table it fills: the rows'
// choice, the title order and the mirrors' styles.
#include "catalogue/catalogue.h"
#include "base/compositor.h"
#include "base/platform.h"
#include "base/state.h"
#include "base/texts.h"
#include "base/trace.h"
#include "mirror/mirror_rules.h"
#include "mirror/mirror_window.h"

// Enough for any desktop a person works on; windows past it are simply not listed.
enum { MAX_FOUND = 512 };

struct Found {
    WindowId windows[MAX_FOUND];
    int count;
};
static Found found;           // by the latest pass
static Found previous_found;  // by the pass that the catalogue was last built from

// The class traits of the windows whose class the last pass looked at, and of those this pass
// does. A window that closes is gone from the next pass's list before its handle could come back
// for another window.
struct KnownClass {
    WindowId window;
    ClassTraits traits;
};
static KnownClass known[MAX_FOUND], now_known[MAX_FOUND];
static int known_count, now_known_count;

static ClassTraits traits_of(HWND window)
{
    ClassTraits traits = {};
    bool seen = false;
    for (int i = 0; i < known_count && !seen; ++i)
        if (known[i].window == (WindowId)window)
            traits = known[i].traits, seen = true;
    if (!seen) {
        char class_name[TEXT_LEN];
        window_class(window, class_name);
        traits = class_traits(class_name);
    }
    if (now_known_count < MAX_FOUND)
        now_known[now_known_count++] = {(WindowId)window, traits};
    return traits;
}

// Every read of another program's window is a round trip to the window system, and this pass
// meets every top-level window on every tick: the visible and minimised bits come from one read
// of the style (for a top-level window the same answers as IsWindowVisible and IsIconic), the
// class is looked at only for a title that the title rules let through, and read only once.
static bool shows(HWND window)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    return (style & WS_VISIBLE) != 0 && (style & WS_MINIMIZE) == 0;
}

// The compositor is asked whether a window is cloaked (kept off the screen: a suspended app, a window
// of another virtual desktop) only for a window that the title rules let through: a call per window.
static bool passes_exclusions(HWND window)
{
    char title[TEXT_LEN];
    window_title(window, title);
    if (is_excluded_by_title(title))
        return false;
    return !is_excluded(traits_of(window), title) && !window_cloaked(window);
}

bool window_listable(HWND window)
{
    return shows(window) && passes_exclusions(window);
}

static MetWindow met[MAX_MET];
static int met_count;

const MetWindow *windows_met(int *count)
{
    *count = met_count;
    return met;
}

BOOL CALLBACK collect_proc(HWND window, LPARAM data)
{
    Found *list = (Found *)data;
    if (!shows(window))
        return TRUE;
    bool eligible = passes_exclusions(window);
    if (met_count < MAX_MET)
        met[met_count++] = {(WindowId)window, eligible};
    if (eligible)
        list->windows[list->count++] = (WindowId)window;
    return list->count < MAX_FOUND;
}

bool collect_eligible(void)
{
    found.count = now_known_count = met_count = 0;
    EnumWindows(collect_proc, (LPARAM)&found);
    for (int i = 0; i < now_known_count; ++i)
        known[i] = now_known[i];
    known_count = now_known_count;
    return !same_windows(found.windows, found.count, previous_found.windows, previous_found.count);
}

static bool is_remembered(HWND window, const WindowId *remembered, int remembered_count)
{
    for (int j = 0; j < remembered_count; ++j)
        if (remembered[j] == (WindowId)window)
            return true;
    return false;
}

// Entry `index` shows `window`; a new index gets its mirror, and every mirror stays hidden
// until the placement shows it.
static void fill_entry(int index, HWND window)
{
    WinEntry &e = win_table[index];
    e.hwTarget = window;
    char text[TEXT_LEN];
    window_class(window, text);
    trace(TXT_TR_LINE, text);
    window_title(window, text);
    trace(TXT_TR_LINE, text);
    if (e.hwMir == NULL) {
        e.hwMir = create_mirror(index);
        if (e.hwMir != NULL)
            trace(TXT_TR_MIRROR_CREATED, index);
    }
    EnableWindow(e.hwMir, FALSE);
    show_mirror(e.hwMir, false);
    UpdateWindow(e.hwMir);
}

static void sort_by_title(int count)
{
    static char titles[MAX_WINDOWS][TEXT_LEN];
    const char *title_of[MAX_WINDOWS];
    int order[MAX_WINDOWS];
    WinEntry before[MAX_WINDOWS];
    for (int i = 0; i < count; ++i) {
        window_title(win_table[i].hwTarget, titles[i]);
        title_of[i] = titles[i];
        order[i] = i;
        before[i] = win_table[i];
    }
    order_by_title(title_of, count, order);
    // Whole entries move: each mirror and its flag travel with their target.
    for (int k = 0; k < count; ++k)
        win_table[k] = before[order[k]];
}

static void apply_mirror_styles(int count)
{
    char class_name[TEXT_LEN];
    for (int k = 0; k < count; ++k) {
        window_class(win_table[k].hwTarget, class_name);
        style_mirror_for(win_table[k].hwMir, is_chrome_class(class_name));
    }
}

// Which entries were not among the eligible windows of the rebuild before.
static bool appeared[MAX_WINDOWS];

static bool was_found(const Found &list, const HWND__ *window)
{
    for (int i = 0; i < list.count; ++i)
        if (list.windows[i] == (WindowId)window)
            return true;
    return false;
}

bool entry_appeared(int index)
{
    return appeared[index];
}

int build_catalogue(const WindowId *remembered, int remembered_count)
{
    bool kept[MAX_FOUND];
    int chosen[MAX_WINDOWS];
    for (int i = 0; i < found.count; ++i)
        kept[i] = is_remembered((HWND)found.windows[i], remembered, remembered_count);
    int count = choose_listed(kept, found.count, chosen);
    for (int k = 0; k < count; ++k)
        fill_entry(k, (HWND)found.windows[chosen[k]]);

    win_count = count;
    sort_by_title(count);
    apply_mirror_styles(count);
    for (int k = 0; k < MAX_WINDOWS; ++k)
        appeared[k] = k < count && !was_found(previous_found, win_table[k].hwTarget);
    previous_found = found;
    return count;
}
