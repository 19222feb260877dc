// Button box and wallpaper height.
#include "overlay/overlay_geometry.h"
#include "app/texts.h"
#include "catalogue/text_rules.h"

Box button_box(int left, int top, int width)
{
    Box b = {left + width - 140, top, BUTTON_WIDTH, BUTTON_HEIGHT};
    return b;
}

bool button_ignores_class(const char *class_name)
{
    return contains_bytes(class_name, TXT_MIRROR_PART) ||
           contains_bytes(class_name, TXT_CLASS_PART_PROGMAN);
}

int wallpaper_picture_height(int monitor_width)
{
    // Divide first, then multiply, in double precision: 1792 gives 979, not 980.
    return (int)(monitor_width / 1280.0 * 700.0);
}
