#include "app/help_window.h"

#include "app/app_icon.h"
#include "app/controls.h"
#include "app/layout.h"
#include "app/lifetime.h"
#include "app/picture_box.h"
#include "app/window_class.h"
#include "win/resources.h"

namespace app {

namespace {

HWND helpWindow = nullptr;

struct HelpWindowState {
    FontSet fonts;
};

LRESULT CALLBACK helpWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<HelpWindowState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_CREATE: {
        state = new HelpWindowState;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        giveApplicationIcon(hwnd);
        ControlContext context{hwnd, &state->fonts, RECT{}, RECT{}};
        for (const ControlSpec& spec : helpWindowControls()) createControl(context, spec, true);
        setPicture(GetDlgItem(hwnd, ctl::图片框1), win::carriedBytes("HELP_PICTURE"));
        // The link lies on the picture: keep it in front.
        SetWindowPos(GetDlgItem(hwnd, ctl::窗口关闭), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ownWindowCreated();
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == ctl::窗口关闭 && HIWORD(wp) == STN_CLICKED) closeHelpPicture();
        return 0;
    case WM_DESTROY:
        if (helpWindow == hwnd) helpWindow = nullptr;
        ownWindowDestroyed();
        return 0;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool registerHelpWindowClass(HINSTANCE instance) {
    return registerWindowClass(
        instance, WindowClass{kHelpWindowClass, helpWindowProc, 0, true, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
}

HWND openHelpPicture() {
    if (!helpWindow) {
        POINT origin =
            centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kHelpWidth, kHelpHeight);
        helpWindow =
            CreateWindowExA(WS_EX_APPWINDOW, kHelpWindowClass, "", WS_POPUP | WS_CLIPCHILDREN, origin.x, origin.y,
                            kHelpWidth, kHelpHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    if (helpWindow) {
        ShowWindow(helpWindow, SW_SHOW);
        SetForegroundWindow(helpWindow);
    }
    return helpWindow;
}

void closeHelpPicture() {
    if (helpWindow) DestroyWindow(helpWindow);
}

}  // namespace app
