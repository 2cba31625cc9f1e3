#include "app/features.h"

#include <commctrl.h>

#include <array>

#include "app/layout.h"
#include "app/lifetime.h"
#include "app/main_window.h"
#include "picker/picker.h"
#include "picker/picture_file.h"
#include "skin/window/global_skin.h"
#include "skin/window/settings.h"
#include "win/handles.h"
#include "win/resources.h"
#include "win/window.h"

namespace app {

namespace {

constexpr std::array<BYTE, 4> kTransparencyAlpha{255, 225, 150, 75};

// 默认 (none), 黑色, 红色, 蓝色, 绿色, 黄色, 白色, 紫色, 灰色.
constexpr std::array<std::optional<COLORREF>, 9> kEditorColours{std::nullopt, 0x000000, 0x0000FF, 0xFF0000, 0x00FF00,
                                                                0x00FFFF,     0xFFFFFF, 0xFF0090, 0x808080};

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// The picker's side panel is one of the program's own windows while the
// dialog runs: counted in before the call and out after it, so that the
// program neither ends under an open dialog nor outlives its last window.
class CountedWindow {
public:
    CountedWindow() { ownWindowCreated(); }
    CountedWindow(const CountedWindow&) = delete;
    CountedWindow& operator=(const CountedWindow&) = delete;
    ~CountedWindow() { ownWindowDestroyed(); }
};

LRESULT CALLBACK releaseWatchProc(HWND button, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    switch (msg) {
    case WM_LBUTTONUP: {
        const RECT client = win::clientRect(button);
        const bool inside = PtInRect(&client, win::mousePoint(lp)) != 0;
        const LRESULT result = DefSubclassProc(button, msg, wp, lp);
        // Posted, so that the button, and whatever procedure wraps it, has
        // finished with the release before the parent acts on it.
        if (inside)
            PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), kReleasedOver),
                         reinterpret_cast<LPARAM>(button));
        return result;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(button, releaseWatchProc, 0); break;
    }
    return DefSubclassProc(button, msg, wp, lp);
}

struct Binding {
    int id;
    int code;
    void (*handler)(HWND mainWindow);
};

constexpr Binding kBindings[] = {
    {ctl::编辑器文字颜色, CBN_SELCHANGE, applyEditorColour},
    {ctl::总在最前选择框, BN_CLICKED, applyAlwaysOnTop},
    {ctl::透明度组合框, CBN_SELCHANGE, applyTransparency},
    {ctl::皮肤更换, kReleasedOver, popUpSkinMenu},
    {ctl::超级链接框1, STN_CLICKED, popUpSkinMenu},
    {menu::海蓝格调, 0, [](HWND w) { chooseSkin(w, "SKIN_SEA_BLUE"); }},
    {menu::金色麦田, 0, [](HWND w) { chooseSkin(w, "SKIN_GOLDEN"); }},
    {menu::黑色幽默, 0, [](HWND w) { chooseSkin(w, "SKIN_BLACK"); }},
    {ctl::自定义背景图, BN_CLICKED, chooseCustomBackground},
};

}  // namespace

std::optional<BYTE> transparencyAlpha(int index) {
    if (index < 0 || index >= static_cast<int>(kTransparencyAlpha.size())) return std::nullopt;
    return kTransparencyAlpha[static_cast<size_t>(index)];
}

std::optional<COLORREF> editorColour(int index) {
    if (index < 0 || index >= static_cast<int>(kEditorColours.size())) return std::nullopt;
    return kEditorColours[static_cast<size_t>(index)];
}

void applyEditorColour(HWND mainWindow) {
    const auto index = static_cast<int>(SendDlgItemMessageA(mainWindow, ctl::编辑器文字颜色, CB_GETCURSEL, 0, 0));
    const std::optional<COLORREF> colour = editorColour(index);
    if (!colour) return;
    setEditorTextColour(mainWindow, *colour);
}

void applyAlwaysOnTop(HWND mainWindow) {
    const bool onTop = IsDlgButtonChecked(mainWindow, ctl::总在最前选择框) == BST_CHECKED;
    SetWindowPos(mainWindow, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void applyTransparency(HWND mainWindow) {
    const auto index = static_cast<int>(SendDlgItemMessageA(mainWindow, ctl::透明度组合框, CB_GETCURSEL, 0, 0));
    const std::optional<BYTE> alpha = transparencyAlpha(index);
    if (!alpha) return;
    // Looked up at each call: a system without layered windows lacks it.
    FARPROC found = GetProcAddress(GetModuleHandleA("user32.dll"), "SetLayeredWindowAttributes");
    if (!found) return;
    auto setAttributes = reinterpret_cast<SetLayeredWindowAttributesFn>(reinterpret_cast<void (*)()>(found));
    SetWindowLongA(mainWindow, GWL_EXSTYLE, win::exStyle(mainWindow) | WS_EX_LAYERED);
    setAttributes(mainWindow, 0, *alpha, LWA_ALPHA);
}

void popUpSkinMenu(HWND mainWindow) {
    HMENU hidden = skinMenu(mainWindow);
    HMENU items = hidden ? GetSubMenu(hidden, 0) : nullptr;
    if (!items) return;
    // A copy for this pop-up alone; the hidden menu stays for the next one.
    win::OwnedMenu popUp(CreatePopupMenu());
    const int count = GetMenuItemCount(items);
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        GetMenuStringA(items, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        AppendMenuA(popUp.get(), MF_STRING, GetMenuItemID(items, i), text);
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(popUp.get(), TPM_RIGHTBUTTON, cursor.x + 3, cursor.y + 3, 0, mainWindow, nullptr);
}

void chooseSkin(HWND, const char* pictureName) {
    skin::setGlobalSkin("", win::carriedCopy(pictureName), std::nullopt, std::nullopt, skin::kPlaceStretched);
}

void chooseCustomBackground(HWND mainWindow) {
    if (picker::isPickerOpen()) return;
    std::string path;
    {
        CountedWindow panel;
        path = picker::pickImageFile(mainWindow);
    }
    applyCustomBackground(path);
}

void applyCustomBackground(const std::string& path) {
    skin::Bytes picture;
    if (!path.empty()) picture = picker::loadPictureFile(path).value_or(skin::Bytes{});
    skin::setGlobalSkin("", picture, std::nullopt, std::nullopt, skin::kPlaceStretched);
}

void watchButtonRelease(HWND button) { SetWindowSubclass(button, releaseWatchProc, 0, 0); }

bool runBoundHandler(HWND mainWindow, int id, int code) {
    for (const Binding& b : kBindings) {
        if (b.id == id && b.code == code) {
            b.handler(mainWindow);
            return true;
        }
    }
    return false;
}

}  // namespace app
