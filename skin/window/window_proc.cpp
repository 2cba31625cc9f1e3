#include "skin/window/window_proc.h"

#include <commctrl.h>

#include <optional>
#include <string>

#include "skin/controls/backdrop.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/edit_combo.h"
#include "skin/controls/menu_table.h"
#include "skin/controls/owner_draw.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/child_messages.h"
#include "skin/window/close_effect.h"
#include "skin/window/compose.h"
#include "skin/window/engine.h"
#include "skin/window/primitives.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/skin_layout.h"
#include "skin/window/window_dc.h"
#include "skin/window/window_record.h"
#include "win/handles.h"
#include "win/props.h"
#include "win/window.h"

namespace skin {

namespace {

void (*deactivationHandler)() = nullptr;

// The first WM_SIZE of any skinned window in the process comes with its
// creation and leaves the image as it is; every later one makes it stale.
bool firstSizeSeen = false;

LRESULT passOn(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return forwardToPrevious(hwnd, msg, wp, lp); }

// ---- Closing --------------------------------------------------------------

LRESULT onClose(WindowRecord& r, WPARAM wp, LPARAM lp) {
    const HWND hwnd = r.hwnd;
    if (r.closeQueryCallback && invokeCallback(r.closeQueryCallback, {}) != 1) return 0;
    if (r.closeEffect == 2) playPulseFade(hwnd);
    else if (r.closeEffect == 1) playShrinkFade(hwnd);
    return passOn(hwnd, WM_CLOSE, wp, lp);
}

// ---- Showing and painting ---------------------------------------------------

void emptyPaint(HWND hwnd) { win::PaintDc paint(hwnd); }

void onShowWindow(WindowRecord& r, WPARAM shown) {
    if (shown == 1 && !r.hiddenFlag) {
        emptyPaint(r.hwnd);
        composeWindowSkin(r, true);
        emptyPaint(r.hwnd);
        r.shownFlag = true;
        r.needsCompose = false;
    } else {
        r.hiddenFlag = true;
        r.shownFlag = false;
    }
}

void onEraseBackground(WindowRecord& r, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    if (r.needsCompose && !r.sizingFlag && !r.shownFlag && !r.erasedFlag && r.caches.compositionCache) {
        paintControlFromCache(r.hwnd, false, nullptr, true);
        r.erasedFlag = true;
    }
}

// While the window comes back from minimised its list views paint nothing;
// whichever paint ends that repaints them, so none stays blank.
void endRestore(WindowRecord& r) {
    if (!r.restoredFlag) return;
    r.restoredFlag = false;
    for (ListItem& item : r.listLike) {
        if (!item.hwnd || !win::isClass(item.hwnd, "SysListView32")) continue;
        item.dirty = true;
        InvalidateRect(item.hwnd, nullptr, TRUE);
    }
}

LRESULT onPaint(WindowRecord& r, WPARAM wp, LPARAM lp) {
    const HWND hwnd = r.hwnd;
    win::PaintDc paint(hwnd);
    if (r.minimisedFlag) {
        r.needsCompose = false;
    } else if (r.needsCompose) {
        composeWindowSkin(r, true);
        endRestore(r);
        paint.end();
        r.erasedFlag = false;
        r.shownFlag = false;
    } else {
        const RECT wr = win::windowRect(hwnd);
        if (r.shownFlag) {
            // Right after the show the whole image goes up, not only the
            // update region that the paint's context is clipped to.
            paint.end();
            win::WindowDc dc = getWindowDcExcludingChildren(hwnd);
            BitBlt(dc.get(), 0, 0, win::width(wr), win::height(wr), r.caches.backgroundSurface, 0, 0, SRCCOPY);
        } else {
            getWindowDcExcludingChildren(hwnd, paint.get());
            BitBlt(paint.get(), 0, 0, win::width(wr), win::height(wr), r.caches.backgroundSurface, 0, 0, SRCCOPY);
            paint.end();
        }
        // The copy painted over the children that let it show through.
        for (HWND c : win::children(hwnd))
            if (win::exStyle(c) & WS_EX_TRANSPARENT) InvalidateRect(c, nullptr, FALSE);
        r.needsCompose = false;
        endRestore(r);
    }
    paint.end();
    return DefWindowProcA(hwnd, WM_PAINT, wp, lp);
}

// ---- Size and position --------------------------------------------------------

void onGetMinMaxInfo(const WindowRecord& r, LPARAM lp) {
    SIZE limit{r.limits.maxTrackWidth, r.limits.maxTrackHeight};
    if (r.maximisedFlag) limit = workAreaSize();
    auto* info = reinterpret_cast<MINMAXINFO*>(lp);
    info->ptMinTrackSize = POINT{r.limits.minTrackWidth, r.limits.minTrackHeight};
    info->ptMaxTrackSize = POINT{limit.cx, limit.cy};
}

void onWindowPosChanged(WindowRecord& r) {
    const SIZE client = win::clientSize(r.hwnd);
    if (r.caption.hasMaxButton && client.cx == GetSystemMetrics(SM_CXSCREEN) &&
        client.cy == GetSystemMetrics(SM_CYSCREEN)) {
        // The system maximised the borderless window over the whole screen:
        // keep it to the work area.
        const SIZE area = workAreaSize();
        r.maximisedFlag = true;
        SetWindowPos(r.hwnd, nullptr, 0, 0, area.cx, area.cy, SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
    layoutCaptionButtons(r);
    if (r.bar.barHeight > 0) layoutBottomBar(r);
}

void onSize(WindowRecord& r) {
    if (r.minimisedFlag) return;
    markChildCachesStale(r.hwnd, false);
    r.hover.hoveredButton = 0;
    r.needsCompose = firstSizeSeen;
    firstSizeSeen = true;
}

void onSysCommand(WindowRecord& r, WPARAM command) {
    // clang-format off
    switch (command) {
    case SC_MAXIMIZE: r.maximisedFlag = true; r.needsCompose = true; break;
    case SC_RESTORE:  r.needsCompose = true; r.minimisedFlag = false; break;
    case SC_MINIMIZE: r.needsCompose = true; r.minimisedFlag = true; break;
    default: break;
    }
    // clang-format on
}

void onQueryOpen(WindowRecord& r) {
    r.minimisedFlag = false;
    r.restoredFlag = true;
}

void onSetText(WindowRecord& r, LPARAM lp) {
    if (r.caption.showTitle && r.framed && lp) drawCaptionTitle(r, reinterpret_cast<const char*>(lp));
}

void onActivateApp(WindowRecord& r, WPARAM active) {
    r.activeFlag = active != 0;
    if (!active && deactivationHandler) deactivationHandler();
}

// ---- Mouse -----------------------------------------------------------------------

void runBarCallback(const WindowRecord& r, const Callback& callback, LPARAM lp) {
    const int item = hitTestBarItems(r, win::mouseX(lp), win::mouseY(lp));
    if (item && callback) invokeCallback(callback, {item});
}

void onMouseMove(WindowRecord& r, LPARAM lp) {
    captionHoverMouseMove(r, lp);
    if (r.framed && !r.maximisedFlag) setResizeCursor(r, lp);
}

void onLeftButtonDown(WindowRecord& r, LPARAM lp) {
    r.hover.fadeIn.button = 0;
    if (r.framed) {
        const HWND hwnd = r.hwnd;
        if (!r.maximisedFlag && !r.minimisedFlag) beginMoveOrResize(r, lp);
        // The system's move loop has run in between; the window may be gone.
        if (recordOf(hwnd) != &r) return;
        pressCaptionButton(r, lp);
    }
    runBarCallback(r, r.bar.barClickCallback, lp);
}

void onLeftButtonUp(WindowRecord& r) {
    if (r.framed) releaseCaptionButton(r);
}

void onLeftButtonDoubleClick(WindowRecord& r, LPARAM lp) {
    if (hitTestBarItems(r, win::mouseX(lp), win::mouseY(lp))) {
        runBarCallback(r, r.bar.barDoubleClickCallback, lp);
        return;
    }
    if (win::mouseY(lp) <= r.caption.captionHeight && r.resizable) {
        if (int button = findMaximiseButton(r)) captionButtonClick(r, button);
    }
}

// ---- Children ----------------------------------------------------------------------

bool controlColoursActive() {
    const SkinSettings& s = settings();
    return s.controlSkinning && s.transparentLists;
}

std::optional<LRESULT> onControlColour(UINT msg, WPARAM wp, LPARAM lp) {
    if (!controlColoursActive()) return std::nullopt;
    const auto control = reinterpret_cast<HWND>(lp);
    const auto dc = reinterpret_cast<HDC>(wp);
    const ColourAnswer answer =
        colourAnswerFor(msg, win::className(control), win::style(control), win::className(GetParent(control)));
    if (answer == ColourAnswer::PatternBrush) return reinterpret_cast<LRESULT>(answerWithVeiledBrush(control, dc));
    if (answer != ColourAnswer::HollowBrush) return std::nullopt;
    SetTextColor(dc, win::prop<COLORREF>(control, keys::kTextColour));
    SetBkMode(dc, TRANSPARENT);
    DeleteObject(win::prop<HGDIOBJ>(control, keys::kControlBrush));
    HGDIOBJ brush = GetStockObject(NULL_BRUSH);
    win::setProp(control, keys::kControlBrush, brush);
    return reinterpret_cast<LRESULT>(brush);
}

void onCommand(WPARAM wp, LPARAM lp) {
    if (isMenuCommand(wp, lp)) {
        const MenuCommand command = decodeMenuCommand(static_cast<unsigned>(wp));
        if (MenuTableEntry* entry = menuEntry(command.menu); entry && entry->callback)
            invokeCallback(entry->callback, {static_cast<int>(command.item)});
    }
    const auto control = reinterpret_cast<HWND>(lp);
    if (!control || !controlColoursActive()) return;
    const std::string cls = win::className(control);
    if (repaintsOnCommand(cls, HIWORD(wp))) InvalidateRect(control, nullptr, TRUE);
    // A changed text may have moved the edit's scroll bars.
    if (HIWORD(wp) == EN_CHANGE && win::sameClassName(cls, "Edit")) repaintLiveBars(control);
}

// The item is handed on as a copy of the system's structure.
void onDrawItem(const WindowRecord& r, LPARAM lp) {
    if (!lp) return;
    const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    dispatchOwnerDraw(indexOfRecord(r), item);
}

// A tab control that is a registered container redraws itself when its
// page changes, also when an up-down on it turns the page.
void markTabContainer(HWND tab) {
    if (ContainerItem* container = containerItemOf(tab)) container->recompose = true;
}

void onNotify(LPARAM lp) {
    const auto* header = reinterpret_cast<const NMHDR*>(lp);
    if (repaintsOnNotify(header->code)) InvalidateRect(header->hwndFrom, nullptr, TRUE);
    if (header->code == static_cast<UINT>(TCN_SELCHANGING)) markTabContainer(header->hwndFrom);
    if (header->code == static_cast<UINT>(UDN_DELTAPOS) && win::isClass(GetParent(header->hwndFrom), WC_TABCONTROLA))
        markTabContainer(GetParent(header->hwndFrom));
}

void onNcDestroy(HWND hwnd) {
    releaseWindowSkin(hwnd);
    KillTimer(hwnd, reinterpret_cast<UINT_PTR>(hwnd));
}

}  // namespace

void setDeactivationHandler(void (*handler)()) { deactivationHandler = handler; }

void measureMenuItem(MEASUREITEMSTRUCT* item) {
    MenuTableEntry* entry = menuEntry(decodeMenuCommand(item->itemID).menu);
    if (!entry && item->itemData > 999)
        entry = menuEntry(decodeMenuCommand(static_cast<unsigned>(item->itemData)).menu);
    if (!entry) return;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP | MIIM_FTYPE;
    GetMenuItemInfoA(entry->menu, item->itemID, FALSE, &info);
    item->itemWidth = static_cast<UINT>(entry->itemWidth);
    item->itemHeight = static_cast<UINT>((info.fType & MFT_SEPARATOR) ? 12 : entry->itemHeight);
}

void releaseWindowSkin(HWND window) {
    const int index = findWindowRecord(window);
    if (!index) return;
    WindowRecord& r = record(index);
    DestroyMenu(win::prop<HMENU>(window, keys::kWindowMenu));
    for (const EditItem& edit : r.edits)
        if (edit.hwnd) deleteHandedOutBrush(edit.hwnd);
    releaseRecordSurfaces(r);
    SetWindowLongPtrA(window, GWLP_WNDPROC, win::prop<LONG_PTR>(window, keys::kPreviousProc));
    removeWindowRecord(index);
}

LRESULT CALLBACK skinnedWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    WindowRecord* found = recordOf(hwnd);
    if (!found) return passOn(hwnd, msg, wp, lp);
    WindowRecord& r = *found;
    // A handler that can destroy the window (close, caption and bar clicks,
    // system commands, menu commands) is the last to touch the record.
    // clang-format off
    switch (msg) {
    case WM_MEASUREITEM:      if (wp == 0) measureMenuItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lp)); break;
    // A GetMessage loop never hands WM_QUIT to a window procedure; the
    // application stops the engine after its loop.
    case WM_QUIT:             stopSkinEngine(); break;
    case WM_CLOSE:            return onClose(r, wp, lp);
    case WM_NCDESTROY:        onNcDestroy(hwnd); break;
    case WM_SIZING:           r.sizingFlag = true; break;
    case WM_MOVING:           r.movingFlag = true; break;
    case WM_EXITSIZEMOVE:     r.movingFlag = r.sizingFlag = false; break;
    case WM_SHOWWINDOW:       onShowWindow(r, wp); break;
    case WM_ERASEBKGND:       onEraseBackground(r, reinterpret_cast<HDC>(wp)); return 1;
    case WM_PAINT:            return onPaint(r, wp, lp);
    case WM_MOUSEMOVE:        onMouseMove(r, lp); break;
    case WM_MOUSEHOVER:       captionHoverMouseHover(r); break;
    case WM_MOUSELEAVE:       captionHoverMouseLeave(r); break;
    case WM_TIMER:            captionHoverTimer(r, wp); break;
    case WM_GETMINMAXINFO:    onGetMinMaxInfo(r, lp); break;
    case WM_WINDOWPOSCHANGED: onWindowPosChanged(r); break;
    case WM_SIZE:             onSize(r); break;
    case WM_LBUTTONDOWN:      onLeftButtonDown(r, lp); break;
    case WM_LBUTTONUP:        onLeftButtonUp(r); break;
    case WM_LBUTTONDBLCLK:    onLeftButtonDoubleClick(r, lp); break;
    case WM_RBUTTONDOWN:      runBarCallback(r, r.bar.barRightClickCallback, lp); break;
    case WM_SYSCOMMAND:       onSysCommand(r, wp); break;
    case WM_QUERYOPEN:        onQueryOpen(r); break;
    case WM_SETTEXT:          onSetText(r, lp); break;
    case WM_DRAWITEM:         onDrawItem(r, lp); break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:  if (auto brush = onControlColour(msg, wp, lp)) return *brush; break;
    case WM_ACTIVATEAPP:      onActivateApp(r, wp); break;
    case WM_ACTIVATE:         r.activeFlag = wp >= 1; break;
    case WM_COMMAND:          onCommand(wp, lp); break;
    case WM_NOTIFY:           onNotify(lp); break;
    default:                  break;
    }
    // clang-format on
    return passOn(hwnd, msg, wp, lp);
}

}  // namespace skin
