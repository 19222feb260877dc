// The collecting pass over the top-level windows: the windows it meets with the facts kept about each, and
// which of them the catalogue may list.
#include "catalogue/met_windows.h"
#include "base/compositor.h"
#include "base/platform.h"

// The last pass's windows, and the pass's before it while it runs: kept in the order met.
static MetWindow met[MAX_MET], before[MAX_MET];
static int met_count, before_count;
static WindowId eligible[MAX_FOUND];
static int eligible_count;

// Every read of another program's window is a round trip to the window system, and this pass
// meets every top-level window on every tick: the visible and minimised bits come from one read
// of the style (for a top-level window the same answers as IsWindowVisible and IsIconic).
static bool shows(HWND window)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    return (style & WS_VISIBLE) != 0 && (style & WS_MINIMIZE) == 0;
}

// What never changes about a window: its class, its process and thread, its owners.
static MetWindow first_look(HWND window)
{
    MetWindow m = {};
    m.window = (WindowId)window;
    char class_name[TEXT_LEN];
    window_class(window, class_name);
    m.traits = class_traits(class_name);
    DWORD process = 0;
    m.thread = GetWindowThreadProcessId(window, &process);
    m.ours = process == GetCurrentProcessId();
    for (HWND owner = GetWindow(window, GW_OWNER); owner != NULL && m.owner_count < MAX_OWNER_CHAIN;
         owner = GetWindow(owner, GW_OWNER))
        m.owners[m.owner_count++] = (WindowId)owner;
    m.first_met = true;
    return m;
}

// Windows keep their places in the Z order from one pass to the next: the same place is tried first.
static const MetWindow *met_in(const MetWindow *list, int count, WindowId window, int place)
{
    if (place >= 0 && place < count && list[place].window == window)
        return &list[place];
    for (int i = 0; i < count; ++i)
        if (list[i].window == window)
            return &list[i];
    return NULL;
}

// The title is read afresh, a title can change; the compositor is asked whether a window is cloaked (kept off
// the screen: a suspended app, a window of another virtual desktop) only for a window that the title rules let
// through: a call per window.
static bool passes_exclusions(HWND window, const ClassTraits &traits)
{
    char title[TEXT_LEN];
    window_title(window, title);
    return !is_excluded(traits, title) && !window_cloaked(window);
}

static BOOL CALLBACK collect_proc(HWND window, LPARAM)
{
    if (!shows(window))
        return TRUE;
    const MetWindow *known = met_in(before, before_count, (WindowId)window, met_count);
    MetWindow w = known != NULL ? *known : first_look(window);
    w.first_met = known == NULL;
    w.listable = passes_exclusions(window, w.traits);
    if (met_count < MAX_MET)
        met[met_count++] = w;
    if (w.listable)
        eligible[eligible_count++] = (WindowId)window;
    return eligible_count < MAX_FOUND;
}

int meet_windows(void)
{
    for (int i = 0; i < met_count; ++i)
        before[i] = met[i];
    before_count = met_count;
    met_count = eligible_count = 0;
    EnumWindows(collect_proc, 0);
    return eligible_count;
}

const WindowId *eligible_windows(void)
{
    return eligible;
}

const MetWindow *windows_met(int *count)
{
    *count = met_count;
    return met;
}

MetWindow facts_of_window(HWND window, int place)
{
    const MetWindow *known = met_in(met, met_count, (WindowId)window, place);
    if (known != NULL)
        return *known;
    MetWindow w = first_look(window);
    w.listable = shows(window) && passes_exclusions(window, w.traits);
    return w;
}
