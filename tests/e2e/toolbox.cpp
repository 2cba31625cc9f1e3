#include "tests/e2e/toolbox.h"

#include "app/main_window.h"
#include "tests/support/screen.h"

namespace toolbox {

namespace {

// Client points in the frame region left and right of the tab control.
constexpr POINT kSkinPoints[] = {{806, 300}, {4, 200}};

}  // namespace

void OnScreen::SetUp() {
    ASSERT_TRUE(program.start());
    main = program.waitForWindow(app::kMainWindowClass);
    ASSERT_NE(main, nullptr);
    SetForegroundWindow(main);
    ASSERT_TRUE(waitForSkin(kSeaBlue));
    settle();
}

POINT OnScreen::onScreen(int x, int y) const {
    POINT p{x, y};
    ClientToScreen(main, &p);
    return p;
}

COLORREF OnScreen::pixel(int x, int y) const {
    POINT p = onScreen(x, y);
    return screen::Shot(RECT{p.x, p.y, p.x + 1, p.y + 1}).at(p.x, p.y);
}

bool OnScreen::skinShows(COLORREF colour, int tolerance) const {
    for (POINT p : kSkinPoints)
        if (screen::distance(pixel(p.x, p.y), colour) > tolerance) return false;
    return true;
}

bool OnScreen::skinIsNearBlack() const {
    for (POINT p : kSkinPoints) {
        COLORREF c = pixel(p.x, p.y);
        if (GetRValue(c) > 60 || GetGValue(c) > 60 || GetBValue(c) > 60) return false;
    }
    return true;
}

bool OnScreen::waitForSkin(COLORREF colour) const {
    return remote::waitUntil([&] { return skinShows(colour); });
}

void OnScreen::settle() const {
    SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
    remote::waitUntil([&] { return !GetUpdateRect(main, nullptr, FALSE); });
}

void OnScreen::clickControl(int id) const { remote::clickWindow(item(id)); }

HWND OnScreen::openMenu() const {
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32768", nullptr); w;
         w = FindWindowExA(nullptr, w, "#32768", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == program.id() && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

void pressKey(WORD key) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
}

}  // namespace toolbox
