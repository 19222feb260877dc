// The curtain and the windows of others on the external monitor: each pass looks at the windows that the
// catalogue's pass met (a window's rectangle when it first comes, then a few a pass in turn), and with the
// curtain on walks the Z order down to the wallpaper, which is short: only topmost windows stand above it.
#include "backdrop/curtain.h"
#include "backdrop/backdrop_rules.h"
#include "base/platform.h"
#include "base/settings.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/met_windows.h"
#include "display/displays.h"

enum { MOST_ABOVE = 256 };  // windows above the wallpaper looked at

static bool curtain;

void start_curtain(void)
{
    read_setting_with(TXT_SECTION_DISPLAY, TXT_KEY_CURTAIN, read_curtain_setting, &curtain, TXT_TR_CURTAIN_UNREADABLE);
    trace(TXT_TR_CURTAIN, curtain ? TXT_YES : TXT_NO);
}

bool curtain_on(void)
{
    return curtain;
}

// The windows of others that lay on the external monitor after the last pass, and where this pass's turn of
// rectangle reads starts.
static WindowId on_external[MAX_MET];
static int on_external_count;
static int next_turn;

static bool lies_on_external(HWND window)
{
    ScreenRect r;
    return read_window_rect(window, &r) && lies_on(r, ext_area);
}

static void name_window(HWND window)
{
    char class_name[TEXT_LEN], title[TEXT_LEN];
    window_class(window, class_name);
    window_title(window, title);
    trace(TXT_TR_ON_EXTERNAL, class_name, title);
}

// Names each window of others that has come to lie on the external monitor, once while it stays there: a
// window's rectangle is read when the catalogue first meets it, then a few a pass in turn. True when one came
// in this pass.
static bool note_windows_on_external(void)
{
    static ExternalLook looks[MAX_MET];
    static WindowId now_on[MAX_MET];
    static bool named[MAX_MET];
    int count = 0;
    const MetWindow *met = windows_met(&count);
    for (int i = 0; i < count; ++i) {
        ExternalLook &w = looks[i];
        w = {met[i].window, !met[i].ours && !met[i].traits.desktop, false, false};
        w.looked = w.theirs && (met[i].first_met || read_in_turn(i, next_turn, count));
        if (w.looked)
            w.lies = lies_on_external((HWND)w.window);
    }
    on_external_count = follow_windows_on_external(looks, count, on_external, on_external_count, now_on, named);
    bool came = false;
    for (int i = 0; i < count; ++i) {
        if (named[i])
            name_window((HWND)looks[i].window);
        came = came || named[i];
    }
    for (int i = 0; i < on_external_count; ++i)
        on_external[i] = now_on[i];
    next_turn = next_turn_start(next_turn, count);
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
static void restack(HWND wallpaper, const HWND *audience, int count)
{
    SetWindowPos(wallpaper, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    raise_to_top(wallpaper);
    for (int i = 0; i < count; ++i)
        raise_to_top(audience[i]);
}

static void keep_curtain(HWND wallpaper, bool window_came, const HWND *audience, int audience_count)
{
    if (wallpaper == NULL || !IsWindowVisible(wallpaper))
        return;
    WindowId audience_ids[MOST_AUDIENCE];
    for (int i = 0; i < audience_count && i < MOST_AUDIENCE; ++i)
        audience_ids[i] = (WindowId)audience[i];
    static AboveWallpaper above[MOST_ABOVE];
    int above_count = 0;
    HWND w = GetTopWindow(NULL);
    for (; w != NULL && w != wallpaper && above_count < MOST_ABOVE; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!IsWindowVisible(w))
            continue;
        AboveWallpaper &a = above[above_count++];
        a.window = (WindowId)w;
        a.ours = window_is_ours(w);
        a.on_external = !a.ours && lies_on_external(w);
    }
    // A window shown on the external monitor may stand above the curtain on the screen whatever the Z order
    // says (Wine's X11 driver puts every window it shows on top): raised anew then, harmless elsewhere.
    if (!window_came && w == wallpaper && curtain_holds(above, above_count, audience_ids, audience_count))
        return;
    restack(wallpaper, audience, audience_count);
}

void keep_audience_screen(HWND wallpaper, const HWND *audience, int count)
{
    bool came = note_windows_on_external();
    if (curtain)
        keep_curtain(wallpaper, came, audience, count < MOST_AUDIENCE ? count : MOST_AUDIENCE);
}
