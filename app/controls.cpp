#include "app/controls.h"

#include <commctrl.h>

#include "app/label.h"
#include "app/page_area.h"
#include "app/picture_box.h"
#include "app/web_browser.h"
#include "skin/controls/backdrop.h"
#include "skin/window/memory_dc.h"
#include "skin/window/window_record.h"

namespace app {

namespace {

struct KindClass {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

KindClass classOf(ControlKind kind) {
    // clang-format off
    switch (kind) {
    case ControlKind::Tab:          return {WC_TABCONTROLA, WS_TABSTOP, 0};
    case ControlKind::PictureBox:   return {kPictureBoxClass, 0, 0};
    case ControlKind::Label:
    case ControlKind::Hyperlink:    return {kLabelClass, 0, 0};
    case ControlKind::Edit:         return {"EDIT", WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Button:       return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::CheckBox:     return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::GroupBox:     return {"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::DropDownList: return {"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::Browser:      return {kBrowserHostClass, 0, 0};
    }
    // clang-format on
    return {"STATIC", 0, 0};
}

// Height of the list that drops below a drop-down list box.
constexpr int kDroppedListHeight = 200;

// A group box draws only its frame and caption; with the parent clipping its
// children, nothing else would paint the area inside the frame.  Over a skin
// the inside shows the skin as it lies there (the caption keeps the veiled
// brush it is given).
LRESULT CALLBACK groupBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT rc;
        GetClientRect(hwnd, &rc);
        const auto dc = reinterpret_cast<HDC>(wp);
        if (!paintSkinBehind(hwnd, dc, rc)) fillWithParentBackground(hwnd, dc, rc);
        return 1;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, groupBoxProc, 0); break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

void fillList(HWND combo, const ControlSpec& spec) {
    for (const char* item : listItems(spec.id)) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    // The closed box is exactly as high as the layout says: the selection
    // field's height plus the 3-pixel frame above and below it.
    SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), spec.height - 6);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

}  // namespace

void fillWithParentBackground(HWND control, HDC dc, const RECT& rc) {
    HWND parent = GetParent(control);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    if (!brush) brush = GetSysColorBrush(COLOR_BTNFACE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    FillRect(dc, &rc, brush);
}

bool isOverSkin(HWND control) {
    const int index = skin::findSkinnedWindow(control);
    return index && skin::record(index).caches.backgroundSurface;
}

bool paintSkinBehind(HWND control, HDC dc, const RECT& rc) {
    if (!isOverSkin(control) || rc.right <= rc.left || rc.bottom <= rc.top) return false;
    skin::Canvas canvas(skin::paintControlBackdrop(control, rc));
    if (!canvas) return false;
    BitBlt(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, canvas.get(), 0, 0, SRCCOPY);
    return true;
}

bool registerControlClasses(HINSTANCE instance) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    return registerLabelClass(instance) && registerPictureBoxClass(instance) && registerBrowserHostClass(instance);
}

HWND createControl(const ControlContext& context, const ControlSpec& spec, bool visible) {
    KindClass kc = classOf(spec.kind);
    RECT rc = controlRect(spec, context.pageArea, context.groupRect);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kc.style | spec.style;
    if (visible) style |= WS_VISIBLE;
    if (!spec.enabled) style |= WS_DISABLED;
    int height = rc.bottom - rc.top;
    if (spec.kind == ControlKind::DropDownList) height += kDroppedListHeight;

    HWND hwnd = CreateWindowExA(kc.exStyle, kc.className, spec.caption, style, rc.left, rc.top, rc.right - rc.left,
                                height, context.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return nullptr;
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(context.fonts->get(spec.face, spec.fontHeight)), FALSE);

    // clang-format off
    switch (spec.kind) {
    case ControlKind::Label:        setLabelColours(hwnd, spec.textColour, spec.background); break;
    case ControlKind::Hyperlink:
        setLabelColours(hwnd, spec.textColour, spec.background);
        makeHyperlink(hwnd, kLinkColours);
        break;
    case ControlKind::DropDownList: fillList(hwnd, spec); break;
    case ControlKind::GroupBox:     SetWindowSubclass(hwnd, groupBoxProc, 0, 0); break;
    case ControlKind::Tab:          showSkinBehindPages(hwnd); break;
    default:                        break;
    }
    // clang-format on
    return hwnd;
}

}  // namespace app
