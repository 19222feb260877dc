// The window table the collecting pass fills: the rows' choice, the title order, which entries are new,
// and the owner steps.
#include "catalogue/catalogue.h"
#include "base/platform.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/met_windows.h"
#include <string.h>

WinEntry win_table[MAX_WINDOWS];
int win_count;

struct Found {
    WindowId windows[MAX_FOUND];
    int count;
};
static Found found;           // by the latest pass
static Found previous_found;  // by the pass that the catalogue was last built from

bool collect_eligible(void)
{
    found.count = meet_windows();
    memcpy(found.windows, eligible_windows(), found.count * sizeof found.windows[0]);
    return !same_windows(found.windows, found.count, previous_found.windows, previous_found.count);
}

static bool is_remembered(WindowId window, const WindowId *remembered, int remembered_count)
{
    for (int j = 0; j < remembered_count; ++j)
        if (remembered[j] == window)
            return true;
    return false;
}

static void fill_entry(int index, HWND window)
{
    win_table[index].hwTarget = window;
    char text[TEXT_LEN];
    window_class(window, text);
    trace(TXT_TR_LINE, text);
    window_title(window, text);
    trace(TXT_TR_LINE, text);
}

void read_entry_titles(int count, char (*titles)[TEXT_LEN], const char **title_of)
{
    for (int i = 0; i < count; ++i) {
        window_title(win_table[i].hwTarget, titles[i]);
        title_of[i] = titles[i];
    }
}

static void sort_by_title(int count)
{
    static char titles[MAX_WINDOWS][TEXT_LEN];
    const char *title_of[MAX_WINDOWS];
    int order[MAX_WINDOWS];
    WinEntry before[MAX_WINDOWS];
    read_entry_titles(count, titles, title_of);
    for (int i = 0; i < count; ++i) {
        order[i] = i;
        before[i] = win_table[i];
    }
    order_by_title(title_of, count, order);
    for (int k = 0; k < count; ++k)
        win_table[k] = before[order[k]];
}

// Which entries were not among the eligible windows of the rebuild before.
static bool appeared[MAX_WINDOWS];

static bool was_found(const Found &list, const HWND__ *window)
{
    return is_remembered((WindowId)window, list.windows, list.count);
}

bool entry_appeared(int index)
{
    return appeared[index];
}

int build_catalogue(const WindowId *remembered, int remembered_count, void (*filled)(int index))
{
    bool kept[MAX_FOUND];
    int chosen[MAX_WINDOWS];
    for (int i = 0; i < found.count; ++i)
        kept[i] = is_remembered(found.windows[i], remembered, remembered_count);
    int count = choose_listed(kept, found.count, chosen);
    for (int k = 0; k < count; ++k) {
        fill_entry(k, (HWND)found.windows[chosen[k]]);
        filled(k);
    }
    win_count = count;
    sort_by_title(count);
    for (int k = 0; k < MAX_WINDOWS; ++k)
        appeared[k] = k < count && !was_found(previous_found, win_table[k].hwTarget);
    previous_found = found;
    return count;
}

int entry_of(const HWND__ *window)
{
    for (int i = 0; i < win_count; ++i)
        if (window != NULL && win_table[i].hwTarget == window)
            return i;
    return -1;
}

// A window that has gone has no class: its target stays.
void take_owners(void)
{
    char class_name[TEXT_LEN];
    for (int i = 0; i < win_count; ++i) {
        WinEntry &e = win_table[i];
        if (e.owner_checked == e.hwTarget)
            continue;
        window_class(e.hwTarget, class_name);
        if (takes_owner_chrome(class_name))
            e.hwTarget = GetWindow(e.hwTarget, GW_OWNER);
        window_class(e.hwTarget, class_name);
        if (takes_owner_mozilla(class_name))
            e.hwTarget = GetWindow(e.hwTarget, GW_OWNER);
        e.owner_checked = e.hwTarget;
    }
}
