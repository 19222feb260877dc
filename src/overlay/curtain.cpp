// The curtain and the windows of others on the external monitor: each pass looks at the windows that the
// catalogue's pass met (a window's rectangle when it first comes, then a few a pass in turn), and with the
// curtain on walks the Z order down to the wallpaper, which is short: only topmost windows stand above it.
#include "overlay/curtain.h"
#include "base/platform.h"
#include "base/settings.h"
#include "base/state.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "mirror/placement.h"
#include "overlay/overlay_rules.h"

enum {
    RECTS_PER_PASS = 4,  // windows met before whose rectangle a pass reads again: all of 300 in three seconds
    MOST_ABOVE = 256,     // windows above the wallpaper looked at
    MOST_AUDIENCE = MAX_WINDOWS + MAX_POPUPS + 1
};

static bool curtain;

void start_curtain(void)
{
    char value[TEXT_LEN];
    read_setting(TXT_SECTION_DISPLAY, TXT_KEY_CURTAIN, value);
    if (!read_curtain_setting(value, &curtain))
        trace(TXT_TR_CURTAIN_UNREADABLE, value);
    trace(TXT_TR_CURTAIN, curtain ? TXT_YES : TXT_NO);
}

bool curtain_on(void)
{
    return curtain;
}

// What the passes know of each window the catalogue met: whose it is never changes, where it lies may.
struct Seen {
    WindowId window;
    bool ours;
    bool desktop;  // the shell's desktop, behind everything on every monitor
    bool lies;     // lies on the external monitor, as last read
};
static Seen seen[MAX_MET], now_seen[MAX_MET];
static int seen_count;
static int next_turn;  // where this pass's turn of rectangle reads starts

static const Seen *seen_before(WindowId window, int place)
{
    if (place < seen_count && seen[place].window == window)
        return &seen[place];
    for (int i = 0; i < seen_count; ++i)
        if (seen[i].window == window)
            return &seen[i];
    return NULL;
}

static Seen first_look(HWND window)
{
    Seen s = {(WindowId)window, false, false, false};
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    s.ours = process == GetCurrentProcessId();
    char class_name[TEXT_LEN];
    window_class(window, class_name);
    s.desktop = is_desktop_class(class_name);
    return s;
}

static bool lies_on_external(HWND window)
{
    RECT r;
    return GetWindowRect(window, &r) && lies_on({r.left, r.top, r.right, r.bottom}, ext_area);
}

static void name_window(HWND window)
{
    char class_name[TEXT_LEN], title[TEXT_LEN];
    window_class(window, class_name);
    window_title(window, title);
    trace(TXT_TR_ON_EXTERNAL, class_name, title);
}

// Names each window of others that has come to lie on the external monitor, once while it stays there;
// true when one came in this pass.
static bool note_windows_on_external(void)
{
    int count = 0;
    const MetWindow *met = windows_met(&count);
    bool came = false;
    for (int i = 0; i < count; ++i) {
        HWND window = (HWND)met[i].window;
        const Seen *before = seen_before(met[i].window, i);
        Seen s = before != NULL ? *before : first_look(window);
        bool in_turn = (i - next_turn + count) % count < RECTS_PER_PASS;
        if (!s.ours && !s.desktop && (before == NULL || in_turn)) {
            bool lies = lies_on_external(window);
            if (lies && !s.lies) {
                name_window(window);
                came = true;
            }
            s.lies = lies;
        }
        now_seen[i] = s;
    }
    for (int i = 0; i < count; ++i)
        seen[i] = now_seen[i];
    seen_count = count;
    next_turn = count > 0 ? (next_turn + RECTS_PER_PASS) % count : 0;
    return came;
}

static void raise_to_top(HWND window)
{
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The wallpaper on top of everything, then the audience's windows above it, the lowest first. The wallpaper
// leaves the topmost group for an instant first: a window system that stacks windows by their showing and
// raising alone (Wine's X11 driver without a window manager) does not restack a window that already heads
// the Z order, where a window shown later may stand above it.
static void restack(const HWND *audience, int count)
{
    SetWindowPos(hwWallPaper, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    raise_to_top(hwWallPaper);
    for (int i = 0; i < count; ++i)
        raise_to_top(audience[i]);
}

static void keep_curtain(bool window_came)
{
    if (hwWallPaper == NULL || !IsWindowVisible(hwWallPaper))
        return;
    HWND audience[MOST_AUDIENCE];
    WindowId audience_ids[MOST_AUDIENCE];
    int audience_count = audience_windows(audience, MOST_AUDIENCE);
    for (int i = 0; i < audience_count; ++i)
        audience_ids[i] = (WindowId)audience[i];
    static AboveWallpaper above[MOST_ABOVE];
    int above_count = 0;
    HWND w = GetTopWindow(NULL);
    for (; w != NULL && w != hwWallPaper && above_count < MOST_ABOVE; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!IsWindowVisible(w))
            continue;
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        AboveWallpaper &a = above[above_count++];
        a.window = (WindowId)w;
        a.ours = process == GetCurrentProcessId();
        a.on_external = !a.ours && lies_on_external(w);
    }
    // A window shown on the external monitor may stand above the curtain on the screen whatever the Z order
    // says (Wine's X11 driver puts every window it shows on top): raised anew then, harmless elsewhere.
    if (!window_came && w == hwWallPaper && curtain_holds(above, above_count, audience_ids, audience_count))
        return;
    restack(audience, audience_count);
}

void keep_audience_screen(void)
{
    bool came = note_windows_on_external();
    if (curtain)
        keep_curtain(came);
}
