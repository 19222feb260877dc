// The exclusion lists. Several entries are the program's own windows, by their titles: the
// checklist, the wallpaper, the toggle button, and every mirror by its class name.
#include "catalogue/eligibility.h"
#include "app/texts.h"
#include "catalogue/text_rules.h"

static const char *const excluded_titles[] = {
    TXT_EXCL_PROGRAM_MANAGER, TXT_EXCL_CLICK, TXT_CHECKLIST_TITLE, TXT_WALLPAPER_TITLE, TXT_EXCL_SPLITTER,
};

static const char *const excluded_title_parts[] = {
    TXT_PART_AMD, TXT_PART_START, TXT_MIRROR_PART, TXT_BUTTON_TITLE,
};

bool is_excluded(const char *class_name, const char *title)
{
    if (title[0] == '\0')
        return true;
    for (const char *excluded : excluded_titles)
        if (same_text(title, excluded))
            return true;
    for (const char *part : excluded_title_parts)
        if (contains_bytes(title, part))
            return true;
    if (same_text(class_name, TXT_CLASS_MOZILLA) && !contains_bytes(title, TXT_TITLE_MOZILLA))
        return true;
    if (contains_bytes(class_name, TXT_MIRROR_PART))
        return true;
    if (contains_bytes(class_name, TXT_CLASS_PART_FEEDBACK))
        return true;
    return false;
}
