// The button's place and the wallpaper picture's size.
#include "overlay/overlay_rules.h"
#include "base/byte_text.h"
#include "base/dpi_rules.h"
#include "base/settings_rules.h"
#include "base/texts.h"

// Bounds that a caption can hold: inside the window, and not empty.
static bool usable_caption_buttons(const ForegroundView &fore)
{
    const ScreenRect &b = fore.caption_buttons;
    int width = fore.rect.right - fore.rect.left, height = fore.rect.bottom - fore.rect.top;
    return fore.caption_buttons_known && b.left >= 0 && b.top >= 0 && b.right <= width && b.bottom <= height &&
           b.left < b.right && b.top < b.bottom;
}

// Left of the caption buttons, with a gap, centred in their height; shrunk, keeping its proportions, where
// the caption is lower than the button.
static Box left_of_caption_buttons(const ForegroundView &fore, int width, int height)
{
    const ScreenRect &b = fore.caption_buttons;
    int room = b.bottom - b.top;
    if (height > room) {
        width = (width * room + height / 2) / height;
        height = room;
    }
    int gap = scale_to_dpi(4, fore.dpi);
    Box box = {fore.rect.left + b.left - gap - width, fore.rect.top + b.top + (room - height) / 2, width, height};
    return box;
}

ButtonPlacement place_for_foreground(const ForegroundView &fore)
{
    ButtonPlacement p = {BUTTON_STAYS, {0, 0, 0, 0}};
    if (fore.none || fore.program_window)
        return p;
    if (contains_bytes(fore.class_name, TXT_MIRROR_PART) || contains_bytes(fore.class_name, TXT_CLASS_PART_PROGMAN))
        return p;
    if (fore.minimised) {
        p.move = BUTTON_PARKED;
        p.box = {0, 0, 1, 1};
        return p;
    }
    if (!fore.rect_known)
        return p;
    p.move = BUTTON_ON_WINDOW;
    int button_width = scale_to_dpi(BUTTON_WIDTH, fore.dpi), button_height = scale_to_dpi(BUTTON_HEIGHT, fore.dpi);
    if (usable_caption_buttons(fore)) {
        p.box = left_of_caption_buttons(fore, button_width, button_height);
        return p;
    }
    int left = fore.rect.left;
    int top = fore.rect.top;
    int width = fore.rect.right - fore.rect.left;
    if (fore.maximised) {
        top += 6;
        width -= 4;
    }
    p.box = {left + width - 140, top, button_width, button_height};
    return p;
}

PictureSize wallpaper_picture_size(int monitor_width)
{
    PictureSize s = {monitor_width, (int)(monitor_width / 1280.0 * 700.0)};
    return s;
}

bool read_curtain_setting(const char *value, bool *on)
{
    return read_either(value, TXT_NO, TXT_YES, on);
}

bool lies_on(const ScreenRect &window, const MonitorArea &monitor)
{
    return window.left < monitor.x + monitor.width && monitor.x < window.right &&
           window.top < monitor.y + monitor.height && monitor.y < window.bottom;
}

bool is_desktop_class(const char *class_name)
{
    return contains_bytes(class_name, TXT_CLASS_PART_PROGMAN) || contains_bytes(class_name, TXT_CLASS_PART_WORKERW);
}

static bool listed_in(WindowId window, const WindowId *windows, int count)
{
    for (int i = 0; i < count; ++i)
        if (windows[i] == window)
            return true;
    return false;
}

bool curtain_holds(const AboveWallpaper *above, int above_count, const WindowId *ours_bottom_up, int ours_count)
{
    int next = ours_count - 1;  // the audience's window that should come next, front to back
    for (int i = 0; i < above_count; ++i) {
        const AboveWallpaper &w = above[i];
        if (!w.ours && w.on_external)
            return false;
        if (!w.ours || !listed_in(w.window, ours_bottom_up, ours_count))
            continue;
        if (next < 0 || ours_bottom_up[next] != w.window)
            return false;
        --next;
    }
    return next < 0;
}
