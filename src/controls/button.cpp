// Toggle button window. Its two faces are loaded once, at creation, into memory DCs; each
// paint stretches the current face to the button's size (30 x 20 at 96 DPI).
#include "controls/button.h"
#include "base/compositor.h"
#include "base/dpi.h"
#include "base/limits.h"
#include "base/platform.h"
#include "base/settings.h"
#include "base/texts.h"
#include "base/trace.h"
#include "catalogue/catalogue.h"
#include "controls/button_rules.h"

// Private messages to the button, below WM_USER as they always were: the window in front is shown on the
// external monitor, or it is not.
enum { BTN_STATE_ON = 1014, BTN_STATE_OFF = 1015 };

// A bordered popup with a window menu; bit 0x80 has no meaning for this class and is kept so
// the style reads as it always has. Made hidden, then shown without activation by start-up.
static const DWORD BUTTON_STYLE = WS_POPUP | WS_BORDER | WS_SYSMENU | 0x00000080;

static HWND hwButton;

// The two faces, each loaded into a memory DC of its own: face 1 ([BTNNAME]) says the window in front is
// not shown on the external monitor, face 2 ([BTNNAME2]) that it is.
static HBITMAP bmpBtn1;
static HBITMAP bmpBtn2;
static HDC hdcBtn1;
static HDC hdcBtn2;
static HDC hdcBtnFace;  // the face drawn on every paint; null until both faces are loaded
static BITMAP bmBtn2;   // its size is the source size for either face
static int fore_index;  // entry of the last catalogued foreground window; 0 until there is one
static HWND clicks_to;  // the window that a click toggles the row in, with WM_COMMAND and the row's index
static int listed_before;  // the catalogue's count as the last pass saw it

static LRESULT CALLBACK button_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void create_button(HWND rows_window)
{
    clicks_to = rows_window;
    if (register_window_class(TXT_BUTTON_CLASS, button_proc, hInst, IDC_HAND) == 0)
        return;
    hwButton = CreateWindowExA(WS_EX_TOPMOST, TXT_BUTTON_CLASS, TXT_BUTTON_TITLE, BUTTON_STYLE, 0, 0, 1, 1,
                               helper_owner(), NULL, hInst, NULL);
}

HWND button_window(void)
{
    return hwButton;
}

// Loads one face from its file into a memory DC compatible with dc. When the file cannot be
// loaded, says which face failed in a warning box owned by the button and returns false.
static bool load_face(HWND window, HDC dc, const char *section, const char *failure, HBITMAP *bitmap, HDC *face)
{
    *bitmap = load_setting_bitmap(section);
    if (*bitmap == NULL) {
        MessageBoxA(window, failure, TXT_BOX_CAPTION, MB_ICONWARNING);
        return false;
    }
    *face = CreateCompatibleDC(dc);
    SelectObject(*face, *bitmap);
    return true;
}

static void on_create(HWND window)
{
    start_repaint_timer(window);
    HDC dc = GetDC(window);
    // The second face is tried only when the first has loaded.
    if (load_face(window, dc, TXT_SECTION_BUTTON1, TXT_BOX_BUTTON1_FAILED, &bmpBtn1, &hdcBtn1) &&
        load_face(window, dc, TXT_SECTION_BUTTON2, TXT_BOX_BUTTON2_FAILED, &bmpBtn2, &hdcBtn2)) {
        GetObjectA(bmpBtn2, sizeof bmBtn2, &bmBtn2);
        hdcBtnFace = hdcBtn1;
    }
    ReleaseDC(window, dc);
}

static void on_paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    // The face is stretched to the button's size, which follows its monitor's DPI.
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    // After a failed load there is no face, or no source size: leave the button blank.
    if (hdcBtnFace != NULL && bmBtn2.bmWidth > 0 && bmBtn2.bmHeight > 0)
        StretchBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, hdcBtnFace, 0, 0, bmBtn2.bmWidth, bmBtn2.bmHeight,
                   SRCCOPY);
    EndPaint(window, &ps);
}

static void on_click(void)
{
    trace(TXT_TR_LBUTTONDOWN);
    SendMessageA(clicks_to, WM_COMMAND, (WPARAM)fore_index, 0);
    SetForegroundWindow(win_table[fore_index].hwTarget);
}

// The main loop tells the face on every pass while a listed window is in front: repainted only
// when it changes.
static void show_face(HWND window, HDC face)
{
    if (face == hdcBtnFace)
        return;
    hdcBtnFace = face;
    repaint_now(window);
}

static void on_destroy(void)
{
    DeleteDC(hdcBtn1);
    DeleteDC(hdcBtn2);
    DeleteObject(bmpBtn1);
    DeleteObject(bmpBtn2);
    hdcBtn1 = hdcBtn2 = hdcBtnFace = NULL;
    bmpBtn1 = bmpBtn2 = NULL;
    PostQuitMessage(0);
}

static LRESULT CALLBACK button_proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        on_create(window);
        return 0;
    case WM_CLOSE:
        // The button lives as long as the program; Alt+F4 or another program must not take it.
        return 0;
    case WM_PAINT:
        on_paint(window);
        break;
    case WM_ERASEBKGND:
        return 0;
    case WM_TIMER:
        InvalidateRect(window, NULL, TRUE);
        return 0;
    case WM_MOUSEACTIVATE:
        // A click leaves the window in front active: its caption never blinks inactive, and
        // the keyboard stays with it (Wine's X11 driver could otherwise lose the focus to the
        // desktop when the activation is handed back at once).
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
        on_click();
        break;
    case BTN_STATE_ON:
        show_face(window, hdcBtn2);
        break;
    case BTN_STATE_OFF:
        show_face(window, hdcBtn1);
        break;
    case WM_DESTROY:
        on_destroy();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

static void place_button(const ButtonPlacement &placement)
{
    const Box &b = placement.box;
    if (placement.move == BUTTON_PARKED)
        park_button(HWND_TOPMOST);
    else if (placement.move == BUTTON_ON_WINDOW)
        place_on_top(hwButton, b.x, b.y, b.width, b.height);
}

void follow_foreground(HWND fore, const char *class_name)
{
    ForegroundView f = {};
    f.none = fore == NULL;
    // Of the program's other windows, only the checklist, the wallpaper and the preview can come in front: the
    // mirrors are left by their class, and the rest never take activation.
    f.program_window = fore == GetDesktopWindow() || (fore != NULL && window_is_ours(fore));
    f.class_name = class_name;
    f.minimised = IsIconic(fore) != 0;
    f.maximised = IsZoomed(fore) != 0;
    f.rect_known = read_window_rect(fore, &f.rect);
    f.caption_buttons_known = f.rect_known && caption_button_bounds(fore, &f.caption_buttons);
    f.dpi = window_dpi(hwButton);
    place_button(place_for_foreground(f));
}

void park_button(HWND insert_after)
{
    place_window(hwButton, insert_after, 0, 0, 1, 1);
}

void button_follows(int fore_entry, ButtonFace face)
{
    // When a rebuild has emptied the list, nothing is left to toggle: the button goes to the bottom, out of the way.
    if (win_count == 0 && listed_before != 0)
        park_button(HWND_BOTTOM);
    listed_before = win_count;
    if (fore_entry < 0)
        return;
    fore_index = fore_entry;
    if (face != FACE_UNCHANGED)
        SendMessageA(hwButton, face == FACE_MIRRORED ? BTN_STATE_ON : BTN_STATE_OFF, 0, 0);
}
