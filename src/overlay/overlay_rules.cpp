// The button's place and the wallpaper picture's size.
#include "overlay/overlay_rules.h"
#include "base/byte_text.h"
#include "base/texts.h"

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
    int left = fore.rect.left;
    int top = fore.rect.top;
    int width = fore.rect.right - fore.rect.left;
    if (fore.maximised) {
        top += 6;
        width -= 4;
    }
    p.move = BUTTON_ON_WINDOW;
    p.box = {left + width - 140, top, BUTTON_WIDTH, BUTTON_HEIGHT};
    return p;
}

PictureSize wallpaper_picture_size(int monitor_width)
{
    PictureSize s = {monitor_width, (int)(monitor_width / 1280.0 * 700.0)};
    return s;
}
