// The settings of the home page on the running program: the skin menu from
// its button and its link, the three skins, transparency and always on top.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/layout.h"
#include "tests/e2e/toolbox.h"
#include "tests/support/remote.h"

namespace {

using namespace app;
using toolbox::pressKey;

void sendLeftButton(DWORD flag) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flag;
    SendInput(1, &in, sizeof in);
}

class Features : public toolbox::OnScreen {
protected:
    POINT centreOf(int id) const {
        RECT rc;
        GetWindowRect(item(id), &rc);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    // The menu opened by the last action, checked to sit at the cursor
    // offset by (3, 3).
    HWND menuAtCursor() const {
        HWND menu = nullptr;
        EXPECT_TRUE(remote::waitUntil([&] { return (menu = openMenu()) != nullptr; }, 5000));
        if (!menu) return nullptr;
        POINT cursor;
        GetCursorPos(&cursor);
        RECT rc;
        GetWindowRect(menu, &rc);
        EXPECT_EQ(rc.left, cursor.x + 3);
        EXPECT_EQ(rc.top, cursor.y + 3);
        return menu;
    }
    // Releases the mouse over 皮肤更换 and chooses the menu's item (0-based)
    // with a click in its third of the menu.
    void chooseFromSkinButton(int index) {
        POINT button = centreOf(ctl::皮肤更换);
        remote::click(button.x, button.y);
        HWND menu = menuAtCursor();
        ASSERT_NE(menu, nullptr);
        RECT rc;
        GetWindowRect(menu, &rc);
        const int third = (rc.bottom - rc.top) / 3;
        remote::click((rc.left + rc.right) / 2, rc.top + third * index + third / 2);
        ASSERT_TRUE(remote::waitUntil([&] { return openMenu() == nullptr; }, 5000));
    }
    void chooseTransparency(int index) {
        clickControl(ctl::透明度组合框);  // drops the list down
        pressKey(VK_HOME);
        for (int i = 0; i < index; ++i) pressKey(VK_DOWN);
        pressKey(VK_RETURN);
        ASSERT_TRUE(remote::waitUntil(
            [&] { return SendMessageA(item(ctl::透明度组合框), CB_GETCURSEL, 0, 0) == index; }, 5000));
        settle();
    }
};

TEST_F(Features, TheSkinMenuOpensWhenTheMouseIsReleasedOverTheSkinButton) {
    const POINT button = centreOf(ctl::皮肤更换);
    remote::moveMouse(button.x, button.y);
    sendLeftButton(MOUSEEVENTF_LEFTDOWN);
    // The button has taken the press: no menu yet.
    ASSERT_TRUE(remote::waitUntil(
        [&] { return (SendMessageA(item(ctl::皮肤更换), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }, 5000));
    settle();
    EXPECT_EQ(openMenu(), nullptr);
    sendLeftButton(MOUSEEVENTF_LEFTUP);
    ASSERT_NE(menuAtCursor(), nullptr);
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(remote::waitUntil([&] { return openMenu() == nullptr; }, 5000));

    // A release elsewhere opens nothing.
    remote::drag(button.x, button.y, button.x + 150, button.y);
    settle();
    EXPECT_EQ(openMenu(), nullptr);
}

TEST_F(Features, TheSkinMenuOpensWhenTheMouseIsPressedOverTheLinkOnTheEditorPage) {
    HWND tab = item(ctl::转换框);
    remote::clickClientRect(tab, remote::tabItemRect(program.handle(), tab, 2));
    ASSERT_TRUE(remote::waitUntil([&] { return IsWindowVisible(item(ctl::超级链接框1)) != 0; }, 5000));
    // The link reaches below the window's bottom edge: pressed in its upper part.
    RECT rc;
    GetWindowRect(item(ctl::超级链接框1), &rc);
    remote::moveMouse((rc.left + rc.right) / 2, rc.top + 3);
    sendLeftButton(MOUSEEVENTF_LEFTDOWN);
    HWND menu = menuAtCursor();  // while the button is still down
    sendLeftButton(MOUSEEVENTF_LEFTUP);
    ASSERT_NE(menu, nullptr);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(remote::waitUntil([&] { return openMenu() == nullptr; }, 5000));
}

TEST_F(Features, EachMenuItemStretchesItsSkinOverTheWindow) {
    // Every pop-up is built afresh: the menu works each time.
    chooseFromSkinButton(1);  // 金色麦田
    EXPECT_TRUE(waitForSkin(toolbox::kGolden));
    chooseFromSkinButton(2);  // 黑色幽默
    EXPECT_TRUE(remote::waitUntil([&] { return skinIsNearBlack(); }));
    chooseFromSkinButton(0);  // 海蓝格调
    EXPECT_TRUE(waitForSkin(toolbox::kSeaBlue));
    chooseFromSkinButton(1);
    EXPECT_TRUE(waitForSkin(toolbox::kGolden));
}

TEST_F(Features, TransparencyMakesTheWindowLayeredWithItsAlphaAndKeepsItsOtherStyles) {
    const LONG before = GetWindowLongA(main, GWL_EXSTYLE);
    EXPECT_FALSE(before & WS_EX_LAYERED);
    struct Case {
        int index;
        BYTE alpha;
    } cases[] = {{3, 75}, {2, 150}, {1, 225}, {0, 255}};
    for (const Case& c : cases) {
        chooseTransparency(c.index);
        const LONG ex = GetWindowLongA(main, GWL_EXSTYLE);
        EXPECT_TRUE(ex & WS_EX_LAYERED) << c.index;
        EXPECT_EQ(ex & before, before) << c.index;  // nothing dropped
        BYTE alpha = 0;
        DWORD flags = 0;
        COLORREF key = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(main, &key, &alpha, &flags)) << c.index;
        EXPECT_EQ(alpha, c.alpha) << c.index;
        EXPECT_EQ(flags & LWA_ALPHA, static_cast<DWORD>(LWA_ALPHA)) << c.index;
    }
}

TEST_F(Features, AlwaysOnTopTogglesTheTopmostBandWithoutMovingTheWindow) {
    RECT before;
    GetWindowRect(main, &before);
    clickControl(ctl::总在最前选择框);
    ASSERT_TRUE(remote::waitUntil([&] { return (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 5000));
    RECT after;
    GetWindowRect(main, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    // A second press at the same place this soon would be a double click,
    // which a skinned button takes as no second click: press elsewhere on it.
    remote::clickClientRect(item(ctl::总在最前选择框), RECT{6, 6, 10, 10});
    ASSERT_TRUE(remote::waitUntil([&] { return (GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0; }, 5000));
    GetWindowRect(main, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(Features, AlwaysOnTopDoesNotActivateTheWindow) {
    HWND other =
        CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(remote::waitUntil([&] { return GetForegroundWindow() == other; }, 5000));
    // The check box's own state and its notification, without a click that
    // would activate the window by itself.
    HWND box = item(ctl::总在最前选择框);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(ctl::总在最前选择框, BN_CLICKED), reinterpret_cast<LPARAM>(box));
    EXPECT_TRUE(GetWindowLongA(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    settle();
    EXPECT_EQ(GetForegroundWindow(), other);
    DestroyWindow(other);
}

}  // namespace
