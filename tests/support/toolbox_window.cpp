#include "tests/support/toolbox_window.h"

#include "tests/support/remote.h"
#include "tests/support/screen.h"

namespace toolbox {

namespace {

// Client points in the frame region left and right of the tab control.
constexpr POINT kSkinPoints[] = {{806, 300}, {4, 200}};

}  // namespace

POINT toScreen(HWND main, int x, int y) {
    POINT p{x, y};
    ClientToScreen(main, &p);
    return p;
}

COLORREF clientPixel(HWND main, int x, int y) {
    POINT p = toScreen(main, x, y);
    return screen::Shot(RECT{p.x, p.y, p.x + 1, p.y + 1}).at(p.x, p.y);
}

bool skinShows(HWND main, COLORREF colour, int tolerance) {
    for (POINT p : kSkinPoints)
        if (screen::distance(clientPixel(main, p.x, p.y), colour) > tolerance) return false;
    return true;
}

bool skinIsNearBlack(HWND main) {
    for (POINT p : kSkinPoints) {
        COLORREF c = clientPixel(main, p.x, p.y);
        if (GetRValue(c) > 60 || GetGValue(c) > 60 || GetBValue(c) > 60) return false;
    }
    return true;
}

bool waitForSkin(HWND main, COLORREF colour) {
    return remote::waitUntil([&] { return skinShows(main, colour); });
}

void settle(HWND main) {
    SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
    remote::waitUntil([&] { return !GetUpdateRect(main, nullptr, FALSE); });
}

HWND openMenu(DWORD processId) {
    for (HWND w = FindWindowExA(nullptr, nullptr, "#32768", nullptr); w;
         w = FindWindowExA(nullptr, w, "#32768", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

}  // namespace toolbox
