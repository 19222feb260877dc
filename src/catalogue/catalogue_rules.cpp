// Eligibility, the rows' choice and order, and the ticks after a rebuild.
#include "catalogue/catalogue_rules.h"
#include "base/dpi_rules.h"
#include "base/byte_text.h"
#include "base/texts.h"

// Several entries are the program's own windows, by their titles: the checklist, the
// wallpaper, the toggle button, and every mirror by its class name.
static const char *const excluded_titles[] = {
    TXT_EXCL_PROGRAM_MANAGER, TXT_EXCL_CLICK, TXT_CHECKLIST_TITLE, TXT_WALLPAPER_TITLE, TXT_EXCL_SPLITTER,
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

static int tick_of_window(WindowId window, const RememberedTick *ticks, int tick_count)
{
    if (window == 0)
        return -1;
    for (int j = 0; j < tick_count; ++j)
        if (ticks[j].window == window)
            return j;
    return -1;
}

void plan_ticks(const WindowId *row_windows, const char *const *row_titles, const bool *row_appeared, int row_count,
                const RememberedTick *ticks, int tick_count, int title_slots, bool *ticked, int *claimed)
{
    for (int j = 0; j < tick_count; ++j)
        claimed[j] = -1;
    for (int i = 0; i < row_count; ++i)
        ticked[i] = tick_of_window(row_windows[i], ticks, tick_count) >= 0;
    for (int i = 0; i < row_count; ++i) {
        // An empty title matches nothing: never-ticked slots are empty, and a window that has
        // gone has an empty title.
        if (ticked[i] || !row_appeared[i] || row_titles[i][0] == '\0')
            continue;
        for (int j = 0; j < title_slots && j < tick_count; ++j) {
            const RememberedTick &t = ticks[j];
            // A tick whose window is unknown (an unticked row) or still alive claims no other window.
            if (t.window == 0 || t.window_alive || claimed[j] >= 0 || !same_text(row_titles[i], t.title))
                continue;
            ticked[i] = true;
            claimed[j] = i;
            break;
        }
    }
}

static bool remembers_living_window(const RememberedTick &t)
{
    return t.window != 0 && t.window_alive;
}

int new_home_for_displaced_tick(const RememberedTick *ticks, int tick_count, int row, WindowId ticked_window)
{
    const RememberedTick &here = ticks[row];
    if (!remembers_living_window(here) || here.window == ticked_window)
        return -1;
    // An empty or unticked slot first; else one whose window has gone, giving up that title.
    for (int pass = 0; pass < 2; ++pass)
        for (int j = 0; j < tick_count; ++j)
            if (j != row && (pass == 0 ? ticks[j].window == 0 : !remembers_living_window(ticks[j])))
                return j;
    return -1;
}

int row_of_window(const WindowId *row_windows, int count, WindowId window)
{
    for (int i = 0; i < count; ++i)
        if (window != 0 && row_windows[i] == window)
            return i;
    return -1;
}

ChecklistSize checklist_size(int catalogue_size, unsigned dpi, int frame_height)
{
    ChecklistSize size;
    size.width = scale_to_dpi(CHECKLIST_WIDTH, dpi);
    size.row_height = scale_to_dpi(ROW_HEIGHT, dpi);
    int rows_fit = frame_height + catalogue_size * size.row_height;
    int as_ever = scale_to_dpi(31 * (catalogue_size + 1), dpi);
    size.height = rows_fit > as_ever ? rows_fit : as_ever;
    return size;
}
