#include "app/skin_setup.h"

#include "app/trim_tool.h"
#include "skin/window/apply_skin.h"
#include "skin/window/engine.h"
#include "skin/window/global_skin.h"
#include "skin/window/memory_dc.h"
#include "skin/window/settings.h"
#include "skin/window/window_proc.h"
#include "win/resources.h"

namespace app {

namespace {

LRESULT CALLBACK shadowWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool registerShadowWindowClass(HICON icon) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = shadowWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = icon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszMenuName = "";
    wc.lpszClassName = "yinyWindow";
    return RegisterClassExA(&wc) != 0;
}

void initSkinModule() {
    skin::startSkinEngine();
    HINSTANCE module = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(module, MAKEINTRESOURCEA(129));
    if (!icon) icon = LoadIconA(module, "DEFAULT_ICON");
    skin::setApplicationIcon(icon);
    registerShadowWindowClass(icon);
}

void setUpMainWindowSkin(HWND mainWindow) {
    skin::releaseMemoryDc(reinterpret_cast<HDC>(mainWindow));
    skin::setSkinOptions(1, 100, 0);

    skin::SkinOptions options;
    options.resizable = 0;
    options.helpButton = 0;
    options.menuButton = 0;
    options.captionGloss = 1;
    options.barHeight = 25;
    options.barItems = std::vector<skin::BarItem>(4);
    skin::applyWindowSkin(mainWindow, options);

    skin::setCloseEffect(mainWindow, 1);
    skin::BarTextStyle bar;
    bar.inverse = 0;
    bar.glow = 1;
    bar.textColour = 0xFFFFFF;
    bar.glowColour = 0;
    skin::setBarTextStyle(mainWindow, bar);

    skin::setDeactivationHandler(trimWorkingSet);
    skin::setGlobalSkin("", win::carriedCopy("SKIN_SEA_BLUE"));
}

void exitSkinModule() { skin::stopSkinEngine(); }

}  // namespace app
