// Eligibility, the rows' choice and order, and the owner steps.
#include "catalogue/catalogue_rules.h"
#include "base/byte_text.h"
#include "base/texts.h"

// Several entries are the program's own windows, by their titles: the checklist, the
// wallpaper, the preview, the audience's window, the toggle button, and every mirror by its class name.
static const char *const excluded_titles[] = {
    TXT_EXCL_PROGRAM_MANAGER, TXT_EXCL_CLICK, TXT_CHECKLIST_TITLE, TXT_WALLPAPER_TITLE, TXT_EXCL_SPLITTER,
    TXT_PREVIEW_TITLE, TXT_AUDIENCE_TITLE,
};

static const char *const excluded_title_parts[] = {
    TXT_PART_AMD, TXT_PART_START, TXT_MIRROR_PART, TXT_BUTTON_TITLE,
};

bool is_excluded_by_title(const char *title)
{
    if (title[0] == '\0')
        return true;
    for (const char *excluded : excluded_titles)
        if (same_text(title, excluded))
            return true;
    for (const char *part : excluded_title_parts)
        if (contains_bytes(title, part))
            return true;
    return false;
}

ClassTraits class_traits(const char *class_name)
{
    ClassTraits t;
    t.mozilla_main = same_text(class_name, TXT_CLASS_MOZILLA);
    t.excluded = contains_bytes(class_name, TXT_MIRROR_PART) || contains_bytes(class_name, TXT_CLASS_PART_FEEDBACK);
    t.desktop = contains_bytes(class_name, TXT_CLASS_PART_PROGMAN) || contains_bytes(class_name, TXT_CLASS_PART_WORKERW);
    return t;
}

bool is_excluded(const ClassTraits &window_class, const char *title)
{
    if (is_excluded_by_title(title))
        return true;
    if (window_class.mozilla_main && !contains_bytes(title, TXT_TITLE_MOZILLA))
        return true;
    return window_class.excluded;
}

int entries_with_next(int win_count)
{
    if (win_count < 0)
        return 0;
    return win_count + 1 < MAX_WINDOWS ? win_count + 1 : MAX_WINDOWS;
}

bool same_windows(const WindowId *a, int a_count, const WindowId *b, int b_count)
{
    if (a_count != b_count)
        return false;
    for (int i = 0; i < a_count; ++i) {
        bool in_b = false;
        for (int j = 0; j < b_count && !in_b; ++j)
            in_b = a[i] == b[j];
        if (!in_b)
            return false;
    }
    return true;
}

int choose_listed(const bool *remembered, int count, int *chosen)
{
    int kept = 0;
    for (int i = 0; i < count; ++i)
        if (remembered[i])
            kept++;
    int room_for_others = kept < MAX_WINDOWS ? MAX_WINDOWS - kept : 0;
    int listed = 0;
    for (int i = 0; i < count && listed < MAX_WINDOWS; ++i) {
        if (remembered[i]) {
            chosen[listed++] = i;
        } else if (room_for_others > 0) {
            chosen[listed++] = i;
            room_for_others--;
        }
    }
    return listed;
}

void order_by_title(const char *const *titles, int count, int *order)
{
    for (int i = 0; i + 1 < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (compare_titles(titles[order[i]], titles[order[j]]) > 0) {
                int t = order[i];
                order[i] = order[j];
                order[j] = t;
                break;
            }
        }
    }
}

bool takes_owner_chrome(const char *class_name)
{
    return same_text(class_name, TXT_CHROME_CLASS);
}

bool takes_owner_mozilla(const char *class_name)
{
    return same_text(class_name, TXT_OWNER_CLASS_MOZILLA);
}
