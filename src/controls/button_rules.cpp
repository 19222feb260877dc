// The button's place on the window in front: beside its caption buttons, or where it always stood.
#include "controls/button_rules.h"
#include "base/byte_text.h"
#include "base/dpi_rules.h"
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
