// The checklist window keeps the catalogue's clock: it builds the catalogue on creation, refreshes
// captions and mirror titles every 30 ms, rebuilds it when the eligible windows change, and turns row
// clicks into picks. Each row shows its entry's title and tick.
#include "controls/checklist.h"
#include "base/dpi.h"
#include "base/platform.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_rules.h"
#include "catalogue/picks.h"
#include "controls/checklist_rules.h"
#include "controls/window_menu.h"
#include "display/displays.h"
#include "mirror/mirror_window.h"

// WS_THICKFRAME on the rows is kept from the window's first design: it gives each row a
// raised edge that sets the rows apart.
static const DWORD CHECKLIST_STYLE = WS_VISIBLE | WS_OVERLAPPEDWINDOW;
static const DWORD ROW_STYLE = WS_CHILD | WS_VISIBLE | WS_THICKFRAME | BS_CHECKBOX;

static HWND hwChecklist;

// The DPI of the monitor the checklist stands on, and the rows' font at it.
static unsigned checklist_dpi;
static HFONT row_font;

// One checkbox per row; row i always stands for win_table[i].
static HWND hwCheck[MAX_WINDOWS];

static LRESULT CALLBACK checklist_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HWND create_checklist(void)
{
    if (register_window_class(TXT_CHECKLIST_CLASS, checklist_proc, hInst, IDC_ARROW) == 0)
        return NULL;
    hwChecklist = CreateWindowExA(0, TXT_CHECKLIST_CLASS, TXT_CHECKLIST_TITLE, CHECKLIST_STYLE, 0, 0, CHECKLIST_WIDTH,
                                  0, NULL, NULL, hInst, NULL);
    return hwChecklist;
}

HWND checklist_window(void)
{
    return hwChecklist;
}

static ChecklistSize size_now(void)
{
    return checklist_size(win_count, checklist_dpi, frame_height_for_dpi(CHECKLIST_STYLE, 0, checklist_dpi));
}

// Rows, their font and the window follow the DPI of the monitor the checklist stands on.
static void follow_dpi(HWND window)
{
    unsigned dpi = window_dpi(window);
    if (dpi == checklist_dpi && row_font != NULL)
        return;
    checklist_dpi = dpi;
    HFONT font = create_message_font(dpi);
    ChecklistSize size = size_now();
    for (int i = 0; i < MAX_WINDOWS; ++i) {
        MoveWindow(hwCheck[i], 0, size.row_height * i, size.width, size.row_height, FALSE);
        SendMessageA(hwCheck[i], WM_SETFONT, (WPARAM)font, FALSE);
    }
    // The rows no longer use the old font: it can go.
    if (row_font != NULL)
        DeleteObject(row_font);
    row_font = font;
    if (hwChecklist != NULL)  // null while the window is being created
        pin_checklist();
}

void pin_checklist(void)
{
    // The size last asked for: the system may keep a window wider than asked (its least width for the
    // caption's buttons at a large DPI), and asking again on every pass would repaint it on every pass.
    static ChecklistSize asked;
    RECT r = {0, 0, 0, 0};
    GetWindowRect(hwChecklist, &r);
    ChecklistSize size = size_now();
    if (r.left == 0 && r.top == 0 && size.width == asked.width && size.height == asked.height)
        return;
    asked = size;
    MoveWindow(hwChecklist, 0, 0, size.width, size.height, TRUE);
    RedrawWindow(hwChecklist, NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// The mirror's title and the row's caption follow the target's title.
static void label_entry(int i, const char *title)
{
    label_mirror(i, title);
    set_text_if_changed(hwCheck[i], title);
}

// Rows of the catalogue and the one just past it show their entry's title; that last one
// holds nothing, or what a larger catalogue left there. Later rows show the placeholder.
static void relabel_rows(void)
{
    char title[TEXT_LEN];
    for (int i = 0; i < MAX_WINDOWS; ++i) {
        if (i > win_count) {
            set_text_if_changed(hwCheck[i], TXT_ROW_PLACEHOLDER);
            continue;
        }
        window_title(win_table[i].hwTarget, title);
        label_entry(i, title);
        trace(TXT_TR_LINE, title);
    }
}

// The mirrors are made as the catalogue fills its entries, and take their frames once it is ordered.
static void rebuild_catalogue(void)
{
    build_catalogue(picked_windows(), MAX_WINDOWS, make_entry_mirror);
    apply_mirror_styles();
    relabel_rows();
}

static void show_ticks(void)
{
    for (int i = 0; i < entries_with_next(win_count); ++i)
        SendMessageA(hwCheck[i], BM_SETCHECK, row_ticked(i) ? BST_CHECKED : BST_UNCHECKED, 0);
}

static void on_create(HWND window)
{
    for (int i = 0; i < MAX_WINDOWS; ++i)
        hwCheck[i] = CreateWindowExA(0, TXT_ROW_CLASS, TXT_ROW_PLACEHOLDER, ROW_STYLE, 0, ROW_HEIGHT * i,
                                     CHECKLIST_WIDTH, ROW_HEIGHT, window, (HMENU)(INT_PTR)i, hInst, NULL);
    follow_dpi(window);
    collect_eligible();
    rebuild_catalogue();
    trace(TXT_TR_WIN_NUM, win_count);
    start_repaint_timer(window);
}

// Both the row's own click and the toggle button (and its key) arrive here with the row index.
static void toggle_row(int id)
{
    trace(TXT_TR_CHECK_ID, id);
    // Only rows toggle: the window-menu ids (1012 and up) and ids between the rows and them end here.
    if (id >= MAX_WINDOWS)
        return;
    bool ticked = toggle_pick(id);
    SendMessageA(hwCheck[id], BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    refresh_mirror(id);
    if (ticked) {
        char text[TEXT_LEN];
        window_title(win_table[id].hwTarget, text);
        trace(TXT_TR_LINE, text);
        window_class(win_table[id].hwTarget, text);
        trace(TXT_TR_LINE, text);
    }
}

static void refresh_labels(void)
{
    char title[TEXT_LEN];
    for (int i = 0; i < win_count; ++i) {
        window_title(win_table[i].hwTarget, title);
        label_entry(i, title);
        refresh_mirror(i);
    }
}

static void after_rebuild(void)
{
    trace(TXT_TR_WIN_NUM_CHANGED, win_count);
    restore_checks();
    show_ticks();
    hide_mirrors_past_catalogue();
}

static void on_timer(HWND window)
{
    bool changed = collect_eligible();
    refresh_labels();
    if (changed) {
        rebuild_catalogue();
        after_rebuild();
    }
    InvalidateRect(window, NULL, TRUE);
}

static void on_sizing(RECT *drag)
{
    ChecklistSize size = size_now();
    drag->right = size.width;
    drag->bottom = size.height;
}

static void on_destroy(void)
{
    // Each row goes with the window before this message's end; none uses the font after it.
    for (HWND row : hwCheck)
        SendMessageA(row, WM_SETFONT, 0, FALSE);
    DeleteObject(row_font);
    row_font = NULL;
    PostQuitMessage(0);
}

static LRESULT CALLBACK checklist_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        on_create(window);
        return 0;
    case WM_DESTROY:
        on_destroy();
        return 0;
    case WM_DPICHANGED:
        follow_dpi(window);
        return 0;
    case WM_ERASEBKGND:
        return 0;
    case WM_COMMAND:
        toggle_row(LOWORD(wParam));
        return 0;
    case WM_INITMENUPOPUP:
        mark_menu_items(window);
        break;
    case WM_SYSCOMMAND:
        if (on_menu_command(window, wParam))
            return 0;
        break;
    case WM_TIMER:
        on_timer(window);
        break;
    case WM_SIZING:
        on_sizing((RECT *)lParam);
        break;
    case WM_DISPLAYCHANGE:
        note_display_change();
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
