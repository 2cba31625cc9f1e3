// The gallery's skinned toolbars driven with the real mouse from another
// process: hot, pressed and checked buttons, the drop-down mark, the combo
// box on the container toolbar, and no GDI object left behind by a long
// session over them; and, in this process, the system's look while the
// control skin is off.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "gfx/startup.h"
#include "skin/window/settings.h"
#include "tests/support/gdi_count.h"
#include "tests/e2e/running_gallery.h"
#include "tests/support/remote.h"
#include "tests/support/screen.h"
#include "tools/gallery/gallery_window.h"
#include "tools/gallery/layout.h"
#include "tools/gallery/skin_setup.h"

namespace {

using namespace gallery;
using screen::distance;

constexpr COLORREF kSeaBlue = RGB(113, 179, 193);

LRESULT send(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageA(w, msg, wp, lp); }

COLORREF pixelAt(HWND w, POINT p) {
    ClientToScreen(w, &p);
    return screen::Shot(RECT{p.x, p.y, p.x + 1, p.y + 1}).at(p.x, p.y);
}

int brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

void mouseButton(DWORD flag) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flag;
    SendInput(1, &in, sizeof in);
}

class GalleryToolbars : public gallerytest::RunningGallery {
protected:
    void SetUp() override { park(); }

    // The pointer away from every control, over the bare skin.
    static void park() {
        POINT p = kBackdropSample;
        ClientToScreen(window, &p);
        remote::moveMouse(p.x, p.y);
    }
    static HWND toolbar() { return GetDlgItem(window, id::Toolbar); }
    static HWND container() { return GetDlgItem(window, id::ContainerToolbar); }
    static RECT buttonRect(HWND t, int index) {
        remote::RemoteBuffer buffer(program->handle(), sizeof(RECT));
        send(t, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.address()));
        RECT r{};
        buffer.read(&r, sizeof r);
        return r;
    }
    static POINT screenPoint(HWND t, POINT p) {
        ClientToScreen(t, &p);
        return p;
    }
    // A point of a button that neither its icon nor its caption covers.
    static POINT faceSample(const RECT& b) { return POINT{b.left + 4, (b.top + b.bottom) / 2}; }
    static void hover(HWND t, const RECT& b) {
        const POINT p = screenPoint(t, POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2});
        remote::moveMouse(p.x, p.y);
    }
    static void clickButton(HWND t, const RECT& b) {
        const POINT p = screenPoint(t, POINT{(b.left + b.right) / 2, (b.top + b.bottom) / 2});
        remote::click(p.x, p.y);
    }
    static bool becomes(HWND t, POINT p, const std::function<bool(COLORREF)>& condition) {
        return remote::waitUntil([&] { return condition(pixelAt(t, p)); });
    }
};

TEST_F(GalleryToolbars, HoveringAButtonLightsItAndLeavingItPutsTheSkinBack) {
    const RECT b = buttonRect(toolbar(), 0);
    const POINT face = faceSample(b);
    const COLORREF plain = pixelAt(toolbar(), face);
    hover(toolbar(), b);
    EXPECT_TRUE(becomes(toolbar(), face, [&](COLORREF c) { return brightness(c) > brightness(plain) + 60; }))
        << std::hex << plain << " " << pixelAt(toolbar(), face);
    park();
    EXPECT_TRUE(becomes(toolbar(), face, [&](COLORREF c) { return distance(c, plain) <= 6; }))
        << std::hex << plain << " " << pixelAt(toolbar(), face);
}

TEST_F(GalleryToolbars, APressedButtonDarkensAtTheTopAndACheckButtonStaysLitOnceChecked) {
    const RECT pressed = buttonRect(toolbar(), 0);
    const POINT top{pressed.left + 6, pressed.top + 2};
    const COLORREF plainTop = pixelAt(toolbar(), top);
    hover(toolbar(), pressed);
    mouseButton(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(becomes(toolbar(), top, [&](COLORREF c) { return brightness(c) < brightness(plainTop) - 30; }))
        << std::hex << plainTop << " " << pixelAt(toolbar(), top);
    mouseButton(MOUSEEVENTF_LEFTUP);
    remote::waitUntilIdle(window);

    HWND t = toolbar();
    const RECT check = buttonRect(t, 1);
    const POINT face = faceSample(check);
    const COLORREF plain = pixelAt(t, face);
    ASSERT_FALSE(send(t, TB_ISBUTTONCHECKED, command::Bold));
    clickButton(t, check);
    park();
    EXPECT_TRUE(send(t, TB_ISBUTTONCHECKED, command::Bold));
    EXPECT_TRUE(becomes(t, face, [&](COLORREF c) { return brightness(c) > brightness(plain) + 60; }))
        << std::hex << plain << " " << pixelAt(t, face);
    clickButton(t, check);
    park();
    EXPECT_FALSE(send(t, TB_ISBUTTONCHECKED, command::Bold));
    EXPECT_TRUE(becomes(t, face, [&](COLORREF c) { return distance(c, plain) <= 6; }));
}

TEST_F(GalleryToolbars, DropDownButtonsShowTheirArrowBesideTheSplit) {
    for (int index : {7, 8}) {  // a drop-down and a whole drop-down
        const RECT b = buttonRect(toolbar(), index);
        POINT arrow{b.right - 8, b.top + (b.bottom - b.top - 4) / 2};
        ClientToScreen(toolbar(), &arrow);
        const screen::Shot shot(RECT{arrow.x, arrow.y, arrow.x + 7, arrow.y + 4});
        const COLORREF skin = pixelAt(toolbar(), POINT{b.right - 10, b.top + 2});
        int marked = 0;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 7; ++x)
                if (distance(shot.at(arrow.x + x, arrow.y + y), skin) > 90) ++marked;
        // rows of 7, 5, 3 and 1
        EXPECT_GE(marked, 12) << index;
    }
}

TEST_F(GalleryToolbars, TheComboBoxOnTheContainerIsSkinnedWithTheWindowsIndexAndWorks) {
    HWND combo = GetDlgItem(container(), id::ToolbarCombo);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(combo, "Hw_FuID")), 1);
    EXPECT_GE(reinterpret_cast<INT_PTR>(GetPropA(combo, "Hw_lbID")), 1);
    EXPECT_NE(GetPropA(combo, "Hw_hProc"), nullptr);
    // The toolbar is a toolbar and a container of the same window.
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(container(), "Kj_FuID")), 1);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(container(), "Hw_FuID")), 1);
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(container(), "Hw_lbID")), 1);
    EXPECT_EQ(GetPropA(toolbar(), "Hw_lbID"), nullptr);

    const LRESULT first = send(combo, CB_GETCURSEL);
    remote::clickWindow(combo);
    EXPECT_TRUE(remote::waitUntil([&] { return send(combo, CB_GETDROPPEDSTATE) != 0; }));
    remote::pressKey(VK_DOWN);
    remote::pressKey(VK_RETURN);
    EXPECT_TRUE(remote::waitUntil([&] { return send(combo, CB_GETCURSEL) == first + 1; }));
    EXPECT_TRUE(remote::waitUntil([&] { return send(combo, CB_GETDROPPEDSTATE) == 0; }));
    send(combo, CB_SETCURSEL, static_cast<WPARAM>(first));
    remote::waitUntilIdle(window);
}

TEST_F(GalleryToolbars, ALongSessionOverTheToolbarsLeavesNoGdiObjectBehind) {
    HWND t = toolbar(), c = container();
    // Buttons that do nothing lasting when clicked: plain ones and drop-downs.
    const RECT targets[] = {buttonRect(t, 0), buttonRect(t, 7), buttonRect(t, 16), buttonRect(c, 2)};
    const HWND owners[] = {t, t, t, c};
    auto session = [&](int moves, int clicks) {
        for (int i = 0; i < moves; ++i) {
            const int k = i % 4;
            const RECT& b = targets[k];
            const POINT p = screenPoint(owners[k], POINT{b.left + 2 + (i * 7) % (b.right - b.left - 4),
                                                         b.top + 2 + (i * 3) % (b.bottom - b.top - 4)});
            SetCursorPos(p.x, p.y);
            if (i % 50 == 49) remote::waitUntilIdle(window);
        }
        for (int i = 0; i < clicks; ++i) clickButton(owners[i % 4], targets[i % 4]);
        park();
        remote::waitUntilIdle(window);
    };
    session(40, 8);  // the system's first-use caches fill once
    const int before = support::liveGdiObjectCount(program->handle());
    ASSERT_GT(before, 0);
    session(2000, 200);
    EXPECT_EQ(support::liveGdiObjectCount(program->handle()), before);
}

// ---- In this process ----------------------------------------------------------------------

void settle(HWND window) {
    for (int i = 0; i < 50; ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && !GetUpdateRect(window, nullptr, FALSE)) break;
    }
    GdiFlush();
}

// The screen shows what was drawn once the system has flushed it, while the
// thread looks for messages.
bool onScreenSoon(HWND window, const std::function<bool()>& condition) {
    for (int i = 0; i < 150; ++i) {
        settle(window);
        if (condition()) return true;
        Sleep(20);
    }
    return false;
}

TEST(GalleryToolbarsInProcess, WithTheControlSkinOffAToolbarPaintsAsTheSystemDoes) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    startSkinModule();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    registerGalleryClass(instance);
    HWND window = createGalleryWindow(instance);
    ASSERT_NE(window, nullptr);
    skinGalleryWindow(window);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    settle(window);
    HWND toolbar = GetDlgItem(window, id::Toolbar);
    const RECT area = [&] {
        RECT r;
        GetClientRect(toolbar, &r);
        return r;
    }();
    // Beyond the last button of the second row: the toolbar's bare face.
    const POINT bare{area.right - 4, area.bottom - 3};
    EXPECT_TRUE(
        onScreenSoon(window, [&] { return distance(pixelAt(toolbar, bare), GetSysColor(COLOR_BTNFACE)) > 30; }));

    skin::settings().controlSkinning = 0;
    InvalidateRect(toolbar, nullptr, TRUE);
    EXPECT_TRUE(onScreenSoon(window, [&] { return distance(pixelAt(toolbar, bare), GetSysColor(COLOR_BTNFACE)) <= 3; }))
        << std::hex << pixelAt(toolbar, bare);

    skin::settings().controlSkinning = 1;
    InvalidateRect(toolbar, nullptr, TRUE);
    EXPECT_TRUE(
        onScreenSoon(window, [&] { return distance(pixelAt(toolbar, bare), GetSysColor(COLOR_BTNFACE)) > 30; }));
    DestroyWindow(window);
    settle(window);
    stopSkinModule();
}

}  // namespace
