#include "tools/gallery/gallery_window.h"

#include <windows.h>
#include <commctrl.h>

#include "tools/gallery/contents.h"
#include "tools/gallery/layout.h"
#include "tools/gallery/screenshot.h"
#include "tools/gallery/skin_setup.h"
#include "win/fonts.h"
#include "win/handles.h"
#include "win/window.h"

namespace gallery {

namespace {

struct GalleryState {
    win::OwnedFont font;
    ImageLists images;
    bool endsMessageLoop = false;
};

GalleryState* stateOf(HWND hwnd) { return reinterpret_cast<GalleryState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

HFONT createControlFont() {
    // A negative height asks for the character height, not the cell height.
    return CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, win::kDefaultFace);
}

void createControls(HWND hwnd, GalleryState& state) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const ControlSpec& spec : galleryControls()) {
        const DWORD style = WS_CHILD | spec.style | (spec.hidden ? 0 : WS_VISIBLE);
        HWND child = CreateWindowExA(spec.exStyle, spec.className, spec.caption, style, spec.x, spec.y, spec.width,
                                     spec.height + spec.dropHeight, hwnd,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(state.font.get()), FALSE);
    }
    fillControls(hwnd, state.images, state.font.get());
}

void toggleHiddenEdit(HWND hwnd) {
    HWND edit = GetDlgItem(hwnd, id::HiddenEdit);
    ShowWindow(edit, IsWindowVisible(edit) ? SW_HIDE : SW_SHOW);
}

void onCommand(HWND hwnd, WPARAM wp) {
    if (LOWORD(wp) == id::ToggleHiddenEdit && HIWORD(wp) == BN_CLICKED) toggleHiddenEdit(hwnd);
}

// The hidden skin menu: the built-in skins as the toolbox's skin menu offers
// them, at the pointer.
void popUpSkinMenu(HWND hwnd, LPARAM lp) {
    POINT at{win::mouseX(lp), win::mouseY(lp)};
    if (lp == -1) GetCursorPos(&at);
    win::OwnedMenu menu(CreatePopupMenu());
    int command = command::FirstSkin;
    for (const BuiltInSkin& skin : builtInSkins()) AppendMenuA(menu.get(), MF_STRING, command++, skin.menuText);
    const int chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
    const auto skins = builtInSkins();
    if (chosen >= command::FirstSkin && chosen < command::FirstSkin + static_cast<int>(skins.size()))
        chooseSkin(skins[static_cast<size_t>(chosen - command::FirstSkin)]);
}

bool isColourList(UINT type, UINT id) { return type == ODT_LISTBOX && id == static_cast<UINT>(id::OwnerDrawListBox); }

LRESULT onMeasureItem(HWND hwnd, WPARAM wp, LPARAM lp) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
    if (!isColourList(item->CtlType, item->CtlID)) return DefWindowProcA(hwnd, WM_MEASUREITEM, wp, lp);
    item->itemHeight = kOwnerDrawItemHeight;
    return TRUE;
}

LRESULT onDrawItem(HWND hwnd, WPARAM wp, LPARAM lp) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (!isColourList(item->CtlType, item->CtlID)) return DefWindowProcA(hwnd, WM_DRAWITEM, wp, lp);
    drawColourItem(*item);
    return TRUE;
}

// A toolbar lets its parent paint behind its buttons.  A skinned toolbar
// paints its whole face itself and never asks; while the control-skinning
// switch is off it paints as the system does and gets the system's face
// colour behind its buttons here.
LRESULT onNotify(HWND hwnd, WPARAM wp, LPARAM lp) {
    const auto* draw = reinterpret_cast<const NMCUSTOMDRAW*>(lp);
    if (draw->hdr.code == static_cast<UINT>(NM_CUSTOMDRAW) && draw->dwDrawStage == CDDS_PREERASE &&
        win::isClass(draw->hdr.hwndFrom, TOOLBARCLASSNAMEA)) {
        const RECT client = win::clientRect(draw->hdr.hwndFrom);
        FillRect(draw->hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return CDRF_SKIPDEFAULT;
    }
    return DefWindowProcA(hwnd, WM_NOTIFY, wp, lp);
}

void onDestroy(GalleryState& state) {
    if (state.endsMessageLoop) PostQuitMessage(0);
}

LRESULT CALLBACK galleryWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    GalleryState* state = stateOf(hwnd);
    // clang-format off
    switch (msg) {
    case WM_CREATE:
        state = new GalleryState;
        state->font = win::OwnedFont(createControlFont());
        state->endsMessageLoop = reinterpret_cast<const CREATESTRUCTA*>(lp)->lpCreateParams != nullptr;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
        createControls(hwnd, *state);
        return 0;
    case WM_COMMAND:     onCommand(hwnd, wp); return 0;
    case WM_NOTIFY:      return onNotify(hwnd, wp, lp);
    case WM_CONTEXTMENU: popUpSkinMenu(hwnd, lp); return 0;
    case WM_MEASUREITEM: return onMeasureItem(hwnd, wp, lp);
    case WM_DRAWITEM:    return onDrawItem(hwnd, wp, lp);
    case WM_DESTROY:     if (state) onDestroy(*state); return 0;
    case WM_NCDESTROY:
        // The children are gone by now: the font and the icons are free.
        delete state;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
    }
    // clang-format on
    return DefWindowProcA(hwnd, msg, wp, lp);
}

int runMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int takeScreenshots(HWND window, const Request& request) {
    bool saved = true;
    if (request.mode == Request::Mode::Shot) {
        settle(window);
        saved = saveScreenshot(window, request.path);
    } else {
        for (const BuiltInSkin& skin : builtInSkins()) {
            if (&skin != &builtInSkins().front()) chooseSkin(skin);
            settle(window);
            saved = saveScreenshot(window, skinShotPath(request.path, skin.name)) && saved;
        }
    }
    DestroyWindow(window);
    return saved ? 0 : 1;
}

}  // namespace

bool registerGalleryClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = galleryWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "DEFAULT_ICON");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND createGalleryWindow(HINSTANCE instance, bool endsMessageLoop) {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    // No caption, border or system menu: the skin engine draws the frame.
    return CreateWindowExA(WS_EX_APPWINDOW, kWindowClass, kTitle, WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX, x, y,
                           kWidth, kHeight, nullptr, nullptr, instance,
                           endsMessageLoop ? reinterpret_cast<void*>(1) : nullptr);
}

int runGallery(HINSTANCE instance, const Request& request) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    startSkinModule();
    int exitCode = 1;
    if (registerGalleryClass(instance)) {
        if (HWND window = createGalleryWindow(instance, true)) {
            skinGalleryWindow(window);
            // The pointer would light up whatever the window shows under it.
            if (request.mode != Request::Mode::Show) SetCursorPos(0, 0);
            ShowWindow(window, SW_SHOWNORMAL);
            UpdateWindow(window);
            exitCode = request.mode == Request::Mode::Show ? runMessageLoop() : takeScreenshots(window, request);
        }
    }
    stopSkinModule();
    return exitCode;
}

}  // namespace gallery
