// The switch items in the checklist's window menu, read back from the real menu.
#include "catalogue/checklist.h"
#include <gtest/gtest.h>
#include <string>

namespace {

HWND make_window(void)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = "MenuTestWindow";
        RegisterClassA(&wc);
        registered = true;
    }
    return CreateWindowExA(0, "MenuTestWindow", "menu test", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, NULL, NULL,
                           GetModuleHandleA(NULL), NULL);
}

struct Item {
    UINT id;
    std::string text;
    UINT type;
    UINT state;
};

Item item_at(HMENU menu, int position)
{
    char text[256] = "";
    MENUITEMINFOA mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_ID | MIIM_TYPE | MIIM_STATE;
    mii.dwTypeData = text;
    mii.cch = sizeof text;
    EXPECT_TRUE(GetMenuItemInfoA(menu, (UINT)position, TRUE, &mii));
    return Item{mii.wID, text, mii.fType, mii.fState};
}

TEST(WindowMenu, SwitchItemsComeFirstInPickOrder)
{
    HWND w = make_window();
    ASSERT_NE(w, (HWND)NULL);
    int before = GetMenuItemCount(GetSystemMenu(w, FALSE));
    add_menu_items(w);
    HMENU menu = GetSystemMenu(w, FALSE);
    ASSERT_EQ(GetMenuItemCount(menu), before + 3);

    Item first = item_at(menu, 0), second = item_at(menu, 1), third = item_at(menu, 2);
    EXPECT_EQ(first.id, 1021u);
    EXPECT_EQ(first.text, "WallPaper ON/OFF");
    EXPECT_EQ(second.id, 1020u);
    EXPECT_EQ(second.text, "MOUSE_POINTER ON/OFF");
    EXPECT_EQ(third.id, 1012u);
    EXPECT_EQ(third.text, "MOUSE_LIMIT ON/OFF");
    for (const Item &i : {first, second, third}) {
        EXPECT_EQ(i.type, (UINT)MFT_STRING);
        EXPECT_EQ(i.state & (MFS_CHECKED | MFS_DISABLED | MFS_GRAYED), 0u);
    }
    // The platform's own items follow, and no separator was added.
    Item fourth = item_at(menu, 3);
    EXPECT_NE(fourth.type & MFT_SEPARATOR, (UINT)MFT_SEPARATOR);
    DestroyWindow(w);
}

TEST(WindowMenu, TheWindowMenuIsNotMadeTheMenuBar)
{
    HWND w = make_window();
    add_menu_items(w);
    EXPECT_EQ(GetMenu(w), (HMENU)NULL);
    DestroyWindow(w);
}

TEST(WindowMenu, NullWindowDoesNothing)
{
    add_menu_items(NULL);  // must not touch any menu or crash
    HWND w = make_window();
    int count = GetMenuItemCount(GetSystemMenu(w, FALSE));
    add_menu_items(NULL);
    EXPECT_EQ(GetMenuItemCount(GetSystemMenu(w, FALSE)), count);
    DestroyWindow(w);
}

} // namespace
