#include "tests/e2e/toolbox.h"

#include "app/main_window.h"

namespace toolbox {

void OnScreen::SetUp() {
    ASSERT_TRUE(program.start());
    main = program.waitForWindow(app::kMainWindowClass);
    ASSERT_NE(main, nullptr);
    SetForegroundWindow(main);
    ASSERT_TRUE(waitForSkin(kSeaBlue));
    settle();
}

POINT OnScreen::onScreen(int x, int y) const { return toScreen(main, x, y); }

COLORREF OnScreen::pixel(int x, int y) const { return clientPixel(main, x, y); }

bool OnScreen::skinShows(COLORREF colour, int tolerance) const { return toolbox::skinShows(main, colour, tolerance); }

bool OnScreen::skinIsNearBlack() const { return toolbox::skinIsNearBlack(main); }

bool OnScreen::waitForSkin(COLORREF colour) const { return toolbox::waitForSkin(main, colour); }

void OnScreen::settle() const { toolbox::settle(main); }

void OnScreen::clickControl(int id) const { remote::clickWindow(item(id)); }

HWND OnScreen::openMenu() const { return toolbox::openMenu(program.id()); }

void pressKey(WORD key) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
}

}  // namespace toolbox
