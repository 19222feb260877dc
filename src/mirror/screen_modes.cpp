// The blank and the spotlight, each kept here and traced as it changes.
#include "mirror/screen_modes.h"
#include "base/compositor.h"
#include "base/settings.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "catalogue/picks.h"
#include "display/displays.h"
#include "display/mapping_rules.h"
#include "mirror/screen_mode_rules.h"

static bool blank;
static HWND spotlit;
static bool zoom;
static double zoom_factor = ZOOM_BY_DEFAULT;

bool audience_blank(void)
{
    return blank;
}

void set_audience_blank(bool on)
{
    blank = on;
}

HWND spotlit_window(void)
{
    return spotlit;
}

static void set_spotlight(HWND window)
{
    spotlit = window;
    trace(TXT_TR_SPOTLIGHT, window != NULL ? 1 : 0);
}

static void set_zoom(bool on)
{
    zoom = on;
    trace(TXT_TR_ZOOM, on ? 1 : 0);
}

void press_spotlight_key(void)
{
    HWND front = GetForegroundWindow();
    int i = entry_of(front);
    bool mirrored = i >= 0 && row_ticked(i) && !window_out_of_view(front);
    ScreenModes now = {spotlit != NULL, zoom};
    ScreenModes next = spotlight_key_pressed(now, mirrored);
    if (next.zoom != now.zoom)
        set_zoom(next.zoom);
    if (next.spotlight != now.spotlight)
        set_spotlight(next.spotlight ? front : NULL);
    else if (!next.spotlight)
        trace_line(TXT_TR_SPOTLIGHT_REFUSED);
}

void check_spotlight(void)
{
    if (spotlit == NULL)
        return;
    int i = entry_of(spotlit);
    if (!spotlight_holds(i >= 0 && IsWindow(spotlit), row_ticked(i), window_out_of_view(spotlit)))
        set_spotlight(NULL);
}

void start_zoom(void)
{
    read_setting_with(TXT_SECTION_DISPLAY, TXT_KEY_ZOOM_FACTOR, read_zoom_factor, &zoom_factor,
                      TXT_TR_ZOOM_FACTOR_UNREADABLE, (int)ZOOM_BY_DEFAULT);
}

void press_zoom_key(void)
{
    ScreenModes now = {spotlit != NULL, zoom};
    ScreenModes next = zoom_key_pressed(now);
    if (next.spotlight != now.spotlight)
        set_spotlight(NULL);
    set_zoom(next.zoom);
}

bool zoom_on(void)
{
    return zoom;
}

Mapping audience_mapping(POINT pointer)
{
    Mapping base = main_to_external();
    return zoom ? zoomed(base, main_area, {pointer.x, pointer.y}, zoom_factor) : base;
}
