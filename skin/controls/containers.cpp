#include "skin/controls/containers.h"

#include <commctrl.h>

#include <string>

#include "skin/controls/backdrop.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/edit_combo.h"
#include "skin/controls/owner_draw.h"
#include "skin/window/child_messages.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "win/props.h"
#include "win/window.h"

namespace skin {

namespace {

LRESULT forward(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return forwardToPrevious(hwnd, msg, wp, lp); }

// The nearest ancestor that paints its own background for its children, or 0.
HWND nearestSelfPainter(HWND container) {
    for (HWND w = GetParent(container); w; w = GetParent(w))
        if (win::prop<int>(w, keys::kContainerSelfPaint) == 1) return w;
    return nullptr;
}

bool controlColoursActive() {
    const SkinSettings& s = settings();
    return s.controlSkinning && s.transparentLists;
}

// ---- The children's messages ------------------------------------------------------------

void onDrawItem(HWND hwnd, LPARAM lp) {
    if (!lp) return;
    const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    dispatchOwnerDraw(win::prop<int>(hwnd, keys::kOwnerIndex), item);
}

void onNotify(LPARAM lp) {
    if (!lp) return;
    const NMHDR header = *reinterpret_cast<const NMHDR*>(lp);
    if (repaintsOnNotify(header.code)) InvalidateRect(header.hwndFrom, nullptr, TRUE);
    if (header.code == static_cast<UINT>(TCN_SELCHANGING)) {
        if (ContainerItem* tab = containerItemOf(header.hwndFrom)) tab->dirty = true;
    }
    if (header.code == static_cast<UINT>(UDN_DELTAPOS)) {
        const HWND parent = GetParent(header.hwndFrom);
        if (ContainerItem* tab = containerItemOf(parent); tab && win::isClass(parent, WC_TABCONTROLA))
            tab->dirty = true;
    }
}

void onCommand(WPARAM wp, LPARAM lp) {
    const auto child = reinterpret_cast<HWND>(lp);
    if (!child || !controlColoursActive()) return;
    const std::string cls = win::className(child);
    if (repaintsOnCommand(cls, HIWORD(wp))) InvalidateRect(child, nullptr, TRUE);
    // A changed text may have moved the edit's scroll bars.
    if (HIWORD(wp) == EN_CHANGE && win::sameClassName(cls, "Edit")) repaintLiveBars(child);
}

HBRUSH answerWithHollowBrush(HWND child, HDC dc) {
    SetTextColor(dc, win::prop<COLORREF>(child, keys::kTextColour));
    SetBkMode(dc, TRANSPARENT);
    DeleteObject(win::prop<HGDIOBJ>(child, keys::kControlBrush));
    const auto brush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    win::setProp(child, keys::kControlBrush, brush);
    return brush;
}

std::optional<LRESULT> onControlColour(UINT msg, WPARAM wp, LPARAM lp) {
    if (!controlColoursActive()) return std::nullopt;
    const auto child = reinterpret_cast<HWND>(lp);
    const auto dc = reinterpret_cast<HDC>(wp);
    switch (colourAnswerFor(msg, win::className(child), win::style(child), win::className(GetParent(child)))) {
    case ColourAnswer::PatternBrush: return reinterpret_cast<LRESULT>(answerWithVeiledBrush(child, dc));
    case ColourAnswer::HollowBrush: return reinterpret_cast<LRESULT>(answerWithHollowBrush(child, dc));
    case ColourAnswer::PassOn: break;
    }
    return std::nullopt;
}

// The container goes: the procedure it had is put back and its item leaves
// the list before the message goes on.
LRESULT onNcDestroy(HWND hwnd, WPARAM wp, LPARAM lp) {
    const auto previous = win::prop<WNDPROC>(hwnd, keys::kPreviousProc);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    const int index = win::prop<int>(hwnd, keys::kOwnerIndex);
    if (containerItemOf(hwnd)) removeContainerItem(record(index).containers, win::prop<int>(hwnd, keys::kIndex));
    return previous ? CallWindowProcA(previous, hwnd, WM_NCDESTROY, wp, lp)
                    : DefWindowProcA(hwnd, WM_NCDESTROY, wp, lp);
}

LRESULT onShowWindow(HWND hwnd, WPARAM wp, LPARAM lp) {
    forward(hwnd, WM_SHOWWINDOW, wp, lp);
    return DefWindowProcA(hwnd, WM_SHOWWINDOW, wp, lp);
}

}  // namespace

void registerContainer(HWND container, int mode, int option, std::optional<int> alpha, std::optional<COLORREF> colour) {
    const int index = findSkinnedWindow(container);
    if (!index || isRegistered(record(index).containers, container)) return;
    const SIZE client = win::clientSize(container);
    // The children first: they are the window's controls as much as its own.
    skinChildControls(index, container);
    registerControl(index, &WindowRecord::containers, container, containerSkinProc, [&](ContainerItem& item) {
        item.option = option;
        item.alpha = alpha.value_or(255);
        item.colour = colour.value_or(0);
        item.mode = mode;
        item.clientWidth = client.cx;
        item.clientHeight = client.cy;
        item.dirty = true;
    });
    win::setProp(container, keys::kNearestSelfPainter, nearestSelfPainter(container));
}

void markContainerForRedraw(HWND control) {
    if (ContainerItem* container = containerItemOf(GetParent(control))) container->recompose = true;
}

void removeContainerItem(ControlList<ContainerItem>& list, int slot) {
    if (slot < 1 || slot > static_cast<int>(list.size())) return;
    list.erase(list.begin() + (slot - 1));
    if (list.empty()) list.emplace_back();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].hwnd) win::setProp(list[i].hwnd, keys::kIndex, static_cast<int>(i) + 1);
}

LRESULT CALLBACK containerSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    ContainerItem* item = containerItemOf(hwnd);
    if (!item) return forward(hwnd, msg, wp, lp);
    // clang-format off
    switch (msg) {
    case WM_SIZE:              item->dirty = true; break;
    case WM_ERASEBKGND:        SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT); return 1;
    case WM_SHOWWINDOW:        if (wp == 1) return onShowWindow(hwnd, wp, lp); break;
    case WM_DRAWITEM:          onDrawItem(hwnd, lp); break;
    case WM_WINDOWPOSCHANGING: markContainerForRedraw(hwnd); break;
    case WM_NOTIFY:            onNotify(lp); break;
    case WM_COMMAND:           onCommand(wp, lp); break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:       if (auto brush = onControlColour(msg, wp, lp)) return *brush; break;
    case WM_NCDESTROY:         return onNcDestroy(hwnd, wp, lp);
    default:                   break;
    }
    // clang-format on
    return forward(hwnd, msg, wp, lp);
}

}  // namespace skin
