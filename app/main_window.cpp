#include "app/main_window.h"

#include <commctrl.h>
#include <memory>

#include "app/app_icon.h"
#include "app/controls.h"
#include "app/features.h"
#include "app/help_window.h"
#include "app/layout.h"
#include "app/lifetime.h"
#include "app/notice_text.h"
#include "app/picture_box.h"
#include "app/web_browser.h"
#include "app/web_pages.h"
#include "app/window_class.h"
#include "skin/controls/dispatch.h"
#include "win/handles.h"
#include "win/resources.h"
#include "win/window.h"

namespace app {

namespace {

struct MainWindowState {
    FontSet fonts;
    win::OwnedMenu skinMenu;
    COLORREF editorText = 0x000000;
};

MainWindowState* stateOf(HWND hwnd) {
    return reinterpret_cast<MainWindowState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

win::OwnedMenu buildSkinMenu() {
    win::OwnedMenu bar(CreateMenu());
    HMENU items = CreatePopupMenu();
    for (const MenuEntry& e : skinMenuEntries()) AppendMenuA(items, MF_STRING, e.command, e.text);
    AppendMenuA(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(items), kSkinMenuTitle);
    return bar;
}

void createTabControl(HWND hwnd, MainWindowState& state, const ControlSpec& spec) {
    ControlContext context{hwnd, &state.fonts, RECT{}, RECT{}};
    HWND tab = createControl(context, spec, true);
    int index = 0;
    for (const char* title : pageTitles()) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(title);
        SendMessageA(tab, TCM_INSERTITEMA, index++, reinterpret_cast<LPARAM>(&item));
    }
}

void createControls(HWND hwnd, MainWindowState& state) {
    auto specs = mainWindowControls();
    createTabControl(hwnd, state, specs.front());
    HWND tab = GetDlgItem(hwnd, ctl::转换框);

    ControlContext context{hwnd, &state.fonts, win::rectInParent(tab), RECT{}};
    // The display area below the headers is where page positions start.
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&context.pageArea));

    for (const ControlSpec& spec : specs.subspan(1)) {
        HWND child = createControl(context, spec, spec.page <= 1);
        if (spec.id == ctl::分组框1) context.groupRect = win::rectInParent(child);
        if (spec.kind == ControlKind::Browser) clipBrowserHost(child, context.pageArea);
    }

    SetWindowTextA(GetDlgItem(hwnd, ctl::公告框), noticeText());
    watchSongNameKeys(GetDlgItem(hwnd, ctl::歌名框));
    // Before the skin engine subclasses the buttons: this subclass stays beneath its procedure.
    watchButtonRelease(GetDlgItem(hwnd, ctl::皮肤更换));
    setPicture(GetDlgItem(hwnd, ctl::头像), win::carriedBytes("AVATAR"));

    // The containers lie behind the controls they place; the player notice
    // lies in front of the player.
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(GetDlgItem(hwnd, ctl::启用提示), HWND_TOP, 0, 0, 0, 0, flags);
    SetWindowPos(GetDlgItem(hwnd, ctl::分组框1), HWND_BOTTOM, 0, 0, 0, 0, flags);
    SetWindowPos(tab, HWND_BOTTOM, 0, 0, 0, 0, flags);
}

LRESULT onControlColour(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto dc = reinterpret_cast<HDC>(wp);
    auto control = reinterpret_cast<HWND>(lp);
    const ControlSpec* spec = findControlSpec(GetDlgCtrlID(control));
    if (msg == WM_CTLCOLOREDIT && spec && spec->background == 0xFFFFFF) {
        if (spec->id == ctl::编辑器) SetTextColor(dc, stateOf(hwnd)->editorText);
        SetBkColor(dc, 0xFFFFFF);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void onCommand(HWND hwnd, WPARAM wp) {
    if (runBoundHandler(hwnd, LOWORD(wp), HIWORD(wp))) return;
    if (HIWORD(wp) != BN_CLICKED) return;
    switch (LOWORD(wp)) {
    case ctl::背景音乐帮助: openHelpPicture(); break;
    case ctl::激活网页酷狗: activateKugouPlayer(hwnd); break;
    case ctl::歌词搜索按钮: searchLyrics(hwnd); break;
    }
}

LRESULT onNotify(HWND hwnd, WPARAM wp, LPARAM lp) {
    const auto* header = reinterpret_cast<const NMHDR*>(lp);
    if (header->idFrom == ctl::转换框 && header->code == TCN_SELCHANGE) {
        int selected = static_cast<int>(SendMessageA(header->hwndFrom, TCM_GETCURSEL, 0, 0));
        showPage(hwnd, selected + 1);
    }
    return DefWindowProcA(hwnd, WM_NOTIFY, wp, lp);
}

LRESULT CALLBACK mainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    MainWindowState* state = stateOf(hwnd);
    // clang-format off
    switch (msg) {
    case WM_CREATE:
        state = new MainWindowState;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        state->skinMenu = buildSkinMenu();
        giveApplicationIcon(hwnd);
        createControls(hwnd, *state);
        ownWindowCreated();
        return 0;
    case WM_COMMAND:        onCommand(hwnd, wp); return 0;
    case WM_NOTIFY:         return onNotify(hwnd, wp, lp);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: if (state) return onControlColour(hwnd, msg, wp, lp); break;
    case WM_DESTROY:        ownWindowDestroyed(); return 0;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    }
    // clang-format on
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

bool registerMainWindowClass(HINSTANCE instance) {
    if (!registerControlClasses(instance) || !registerHelpWindowClass(instance)) return false;
    return registerWindowClass(instance, WindowClass{kMainWindowClass, mainWindowProc, CS_DBLCLKS, true,
                                                     reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
}

HWND createMainWindow(HINSTANCE instance) {
    POINT origin = centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), kMainWidth, kMainHeight);
    // No caption, border or system menu: the skin engine draws the frame.
    return CreateWindowExA(WS_EX_APPWINDOW, kMainWindowClass, kMainTitle, WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX,
                           origin.x, origin.y, kMainWidth, kMainHeight, nullptr, nullptr, instance, nullptr);
}

void showPage(HWND mainWindow, int page) {
    HWND tab = GetDlgItem(mainWindow, ctl::转换框);
    if (static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)) != page - 1)
        SendMessageA(tab, TCM_SETCURSEL, page - 1, 0);
    for (const ControlSpec& spec : mainWindowControls()) {
        if (spec.page == 0) continue;
        // Controls that have been removed (the player notice) stay removed.
        if (HWND child = GetDlgItem(mainWindow, spec.id)) ShowWindow(child, spec.page == page ? SW_SHOWNA : SW_HIDE);
    }
}

void setEditorTextColour(HWND mainWindow, COLORREF colour) {
    if (MainWindowState* state = stateOf(mainWindow)) state->editorText = colour;
    skin::setControlTextColour(GetDlgItem(mainWindow, ctl::编辑器), colour);
}

HMENU skinMenu(HWND mainWindow) {
    MainWindowState* state = stateOf(mainWindow);
    return state ? state->skinMenu.get() : nullptr;
}

}  // namespace app
