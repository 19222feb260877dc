// The blank and the spotlight, each kept here and traced as it changes.
#include "mirror/screen_modes.h"
#include "base/compositor.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "catalogue/picks.h"
#include "mirror/screen_mode_rules.h"

static bool blank;
static HWND spotlit;

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

void press_spotlight_key(void)
{
    HWND front = GetForegroundWindow();
    int i = entry_of(front);
    bool mirrored = i >= 0 && row_ticked(i) && !window_out_of_view(front);
    switch (press_spotlight(spotlit != NULL, mirrored)) {
    case SPOTLIGHT_STARTS:
        set_spotlight(front);
        break;
    case SPOTLIGHT_ENDS:
        set_spotlight(NULL);
        break;
    case SPOTLIGHT_REFUSED:
        trace_line(TXT_TR_SPOTLIGHT_REFUSED);
        break;
    }
}

void check_spotlight(void)
{
    if (spotlit == NULL)
        return;
    int i = entry_of(spotlit);
    if (!spotlight_holds(i >= 0 && IsWindow(spotlit), row_ticked(i), window_out_of_view(spotlit)))
        set_spotlight(NULL);
}
