// The real main window, created in the test's own process: what can only be
// read from inside (fonts, the hidden menu, z-order, the page switch).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <string>

#include "app/help_window.h"
#include "app/layout.h"
#include "app/lifetime.h"
#include "app/main_window.h"

namespace {

using namespace app;

std::string textOf(HWND w) {
    char buf[1024] = {};
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        ASSERT_TRUE(registerMainWindowClass(instance));
        main = createMainWindow(instance);
        ASSERT_NE(main, nullptr);
    }
    void TearDown() override {
        if (IsWindow(main)) DestroyWindow(main);
        closeHelpPicture();
        pump();
    }
    HWND item(int id) const { return GetDlgItem(main, id); }
    HWND main = nullptr;
};

TEST_F(MainWindowTest, ControlFontsHaveTheirFaceAndCharacterHeight) {
    struct Case {
        int id;
        const char* face;
        int height;
    } cases[] = {
        {ctl::转换框, "宋体", 12},           {ctl::标题文本, "宋体", 16},
        {ctl::激活网页酷狗, "宋体", 15},     {ctl::IP地址标签, "方正卡通简体", 16},
        {ctl::北京时间, "方正卡通简体", 14}, {ctl::总在最前选择框, "宋体", 13},
        {ctl::启用提示, "宋体", 20},         {ctl::编辑器文字颜色, "宋体", 15},
        {ctl::公告框, "宋体", 12},
    };
    for (const Case& c : cases) {
        auto font = reinterpret_cast<HFONT>(SendMessageA(item(c.id), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr) << c.id;
        LOGFONTA lf{};
        ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf)) << c.id;
        EXPECT_STREQ(lf.lfFaceName, c.face) << c.id;
        EXPECT_EQ(lf.lfHeight, -c.height) << c.id;
        EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET) << c.id;
    }
}

TEST_F(MainWindowTest, ContainersLieBehindTheirControlsAndTheNoticeInFrontOfThePlayer) {
    // GW_HWNDLAST is the bottom of the sibling z-order.
    HWND bottom = GetWindow(item(ctl::启用提示), GW_HWNDLAST);
    EXPECT_EQ(bottom, item(ctl::转换框));
    EXPECT_EQ(GetWindow(bottom, GW_HWNDPREV), item(ctl::分组框1));

    bool noticeAbove = false;
    for (HWND w = item(ctl::酷狗音乐); w; w = GetWindow(w, GW_HWNDPREV))
        if (w == item(ctl::启用提示)) noticeAbove = true;
    EXPECT_TRUE(noticeAbove);
}

TEST_F(MainWindowTest, PageSwitchHidesWithoutDestroying) {
    SetWindowTextA(item(ctl::编辑器), "kept");
    showPage(main, 3);
    EXPECT_EQ(SendMessageA(item(ctl::转换框), TCM_GETCURSEL, 0, 0), 2);
    for (const ControlSpec& s : mainWindowControls()) {
        bool visible = (GetWindowLongA(item(s.id), GWL_STYLE) & WS_VISIBLE) != 0;
        EXPECT_EQ(visible, s.page == 0 || s.page == 3) << s.id;
    }
    showPage(main, 1);
    EXPECT_FALSE(GetWindowLongA(item(ctl::编辑器), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(textOf(item(ctl::编辑器)), "kept");

    // A removed control stays removed when its page comes back.
    DestroyWindow(item(ctl::启用提示));
    showPage(main, 2);
    EXPECT_EQ(item(ctl::启用提示), nullptr);
    EXPECT_TRUE(GetWindowLongA(item(ctl::酷狗音乐), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(MainWindowTest, CreationStyleLeavesFrameAndCaptionToTheSkin) {
    LONG style = GetWindowLongA(main, GWL_STYLE);
    // (The system adds WS_CLIPSIBLINGS to every top-level window.)
    EXPECT_EQ(style & ~(WS_VISIBLE | WS_CLIPSIBLINGS), static_cast<LONG>(WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX));
}

// The width and height of an icon's image; 0 x 0 when it is no icon.
SIZE iconSize(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return SIZE{0, 0};
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return SIZE{colour.bmWidth, colour.bmHeight};
}

TEST_F(MainWindowTest, BothWindowsCarryTheApplicationIconLargeAndSmall) {
    const SIZE largeSize{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    const SIZE smallSize{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    ASSERT_NE(largeSize.cx, smallSize.cx);
    HWND help = openHelpPicture();
    ASSERT_NE(help, nullptr);
    for (HWND w : {main, help}) {
        struct Case {
            HICON icon;
            SIZE size;
        } cases[] = {
            {reinterpret_cast<HICON>(GetClassLongPtrA(w, GCLP_HICON)), largeSize},
            {reinterpret_cast<HICON>(GetClassLongPtrA(w, GCLP_HICONSM)), smallSize},
            {reinterpret_cast<HICON>(SendMessageA(w, WM_GETICON, ICON_BIG, 0)), largeSize},
            {reinterpret_cast<HICON>(SendMessageA(w, WM_GETICON, ICON_SMALL, 0)), smallSize},
            {reinterpret_cast<HICON>(SendMessageA(w, WM_GETICON, ICON_SMALL2, 0)), smallSize},
        };
        for (const Case& c : cases) {
            SIZE got = iconSize(c.icon);
            EXPECT_EQ(got.cx, c.size.cx) << (&c - cases);
            EXPECT_EQ(got.cy, c.size.cy) << (&c - cases);
        }
    }
}

TEST_F(MainWindowTest, HiddenSkinMenuHoldsTheThreeSkins) {
    EXPECT_EQ(GetMenu(main), nullptr);
    HMENU bar = skinMenu(main);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    char title[32] = {};
    GetMenuStringA(bar, 0, title, sizeof title, MF_BYPOSITION);
    EXPECT_STREQ(title, "换肤");
    HMENU items = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(items), 3);
    const char* expected[] = {"海蓝格调", "金色麦田", "黑色幽默"};
    for (int i = 0; i < 3; ++i) {
        char text[32] = {};
        GetMenuStringA(items, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, expected[i]);
    }
}

TEST_F(MainWindowTest, BrowsersStartBlankAndKeepTheAddressAssigned) {
    EXPECT_EQ(textOf(item(ctl::酷狗音乐)), "");
    EXPECT_EQ(textOf(item(ctl::歌词网页)), "");
    SetWindowTextA(item(ctl::歌词网页), "http://127.0.0.1:9/s?w=歌");
    EXPECT_EQ(textOf(item(ctl::歌词网页)), "http://127.0.0.1:9/s?w=歌");
}

TEST_F(MainWindowTest, OwnWindowsKeepTheLoopAliveUntilTheLastOneGoes) {
    int before = ownWindowCount();
    HWND help = openHelpPicture();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(openHelpPicture(), help);  // a second press shows the same window
    EXPECT_EQ(ownWindowCount(), before + 1);
    RECT rc;
    GetWindowRect(help, &rc);
    EXPECT_EQ(rc.right - rc.left, kHelpWidth);
    EXPECT_EQ(rc.bottom - rc.top, kHelpHeight);
    EXPECT_FALSE(GetWindowLongA(help, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongA(help, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    DestroyWindow(main);
    EXPECT_EQ(ownWindowCount(), before);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    closeHelpPicture();
    EXPECT_EQ(ownWindowCount(), before - 1);
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
