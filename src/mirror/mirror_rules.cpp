// Mirror styles, geometry and the pointer marker's box.
#include "mirror/mirror_rules.h"
#include "app/texts.h"
#include "catalogue/text_rules.h"

bool is_chrome_class(const char *class_name)
{
    return contains_bytes(class_name, TXT_CHROME_CLASS);
}

unsigned long mirror_style_for_class(const char *class_name)
{
    return is_chrome_class(class_name) ? MIRROR_STYLE_CHROME : MIRROR_STYLE_FRAMED;
}

Box mirror_box(const ScreenRect &target, int ext_x, int ext_y)
{
    Box b = {target.left + ext_x, target.top + ext_y, target.right - target.left, target.bottom - target.top};
    return b;
}

ScreenRect marker_box(bool maximised, bool chrome_class, int x, int y, int normal_left, int normal_top)
{
    int px = maximised ? x : x - normal_left;
    int py = maximised ? y : y - normal_top;
    ScreenRect r;
    if (chrome_class) {
        r.left = px - 10;
        r.top = py - 10;
        r.right = px + 10;
        r.bottom = py + 10;
    } else {
        // Framed mirrors start their client area below the caption: lift the disc to match.
        r.left = px - 20;
        r.top = py - 40;
        r.right = px;
        r.bottom = py - 20;
    }
    return r;
}

bool takes_owner_chrome(const char *class_name)
{
    return same_text(class_name, TXT_CHROME_CLASS);
}

bool takes_owner_mozilla(const char *class_name)
{
    return same_text(class_name, TXT_OWNER_CLASS_MOZILLA);
}
