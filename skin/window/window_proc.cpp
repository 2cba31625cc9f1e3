#include "skin/window/window_proc.h"

#include <cmath>
#include <optional>
#include <string>

#include <commctrl.h>

#include "gfx/startup.h"
#include "skin/controls/backdrop.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/menu_table.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/compose.h"
#include "skin/window/memory_dc.h"
#include "skin/window/primitives.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/skin_layout.h"
#include "skin/window/window_dc.h"
#include "skin/window/window_record.h"

namespace skin {

namespace {

void (*deactivationHandler)() = nullptr;

// The first WM_SIZE of any skinned window in the process comes with its
// creation and leaves the image as it is; every later one makes it stale.
bool firstSizeSeen = false;

LRESULT passOn(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return forwardToPrevious(hwnd, msg, wp, lp); }

RECT clientRect(HWND w) {
    RECT rc{};
    GetClientRect(w, &rc);
    return rc;
}

short xOf(LPARAM lp) { return static_cast<short>(LOWORD(lp)); }
short yOf(LPARAM lp) { return static_cast<short>(HIWORD(lp)); }

// ---- Closing --------------------------------------------------------------

void playCloseEffect(HWND window, bool pulse) {
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    RECT client = clientRect(window);
    const int w = client.right, h = client.bottom;
    HDC screen = GetDC(window);
    HDC snapshot = newArgbCanvas(w, h);
    HDC frame = newArgbCanvas(w, h);
    BitBlt(snapshot, 0, 0, w, h, screen, 0, 0, SRCCOPY);

    RECT wr{};
    GetWindowRect(window, &wr);
    double x = wr.left, y = wr.top, W = wr.right - wr.left, H = wr.bottom - wr.top;
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    const double scale = pulse ? 0.02 : 0.1;
    const double dx = std::lround(W * scale), dy = std::lround(H * scale);
    int alpha = 255;
    for (int i = 1; i <= 10; ++i) {
        alpha -= 25;
        const bool grow = pulse && i > 5;
        x = std::lround(grow ? x - dx / 2 : x + dx / 2);
        y = std::lround(grow ? y - dy / 2 : y + dy / 2);
        W = std::lround(grow ? W + dx : W - dx);
        H = std::lround(grow ? H + dy : H - dy);
        const int fw = static_cast<int>(W), fh = static_cast<int>(H);
        StretchBlt(frame, 0, 0, fw, fh, snapshot, 0, 0, w, h, SRCCOPY);
        updateLayered(window, frame, alpha, LayeredPlacement{static_cast<int>(x), static_cast<int>(y), fw, fh});
        Sleep(static_cast<DWORD>(pulse ? 20 - 2 * i : 20 - i));
    }
    ReleaseDC(window, screen);
    releaseMemoryDc(snapshot);
    releaseMemoryDc(frame);
}

LRESULT onClose(HWND hwnd, int index, WPARAM wp, LPARAM lp) {
    WindowRecord& r = record(index);
    if (r.closeQueryCallback && invokeCallback(r.closeQueryCallback, {}) != 1) return 0;
    if (r.closeEffect == 2) playPulseFade(hwnd);
    else if (r.closeEffect == 1) playShrinkFade(hwnd);
    return passOn(hwnd, WM_CLOSE, wp, lp);
}

// ---- Showing and painting ---------------------------------------------------

void emptyPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
}

void onShowWindow(HWND hwnd, int index, WPARAM shown) {
    WindowRecord& r = record(index);
    if (shown == 1 && !r.hiddenFlag) {
        emptyPaint(hwnd);
        composeWindowSkin(index, true);
        emptyPaint(hwnd);
        record(index).shownFlag = 1;
        record(index).needsCompose = 0;
        record(index).hiddenFlag = 0;
    } else {
        r.hiddenFlag = 1;
        r.shownFlag = 0;
    }
}

void onEraseBackground(HWND hwnd, int index, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    WindowRecord& r = record(index);
    if (r.needsCompose && !r.sizingFlag && !r.shownFlag && !r.erasedFlag && r.compositionCache) {
        paintControlFromCache(hwnd, false, nullptr, true);
        r.erasedFlag = 1;
    }
}

LRESULT onPaint(HWND hwnd, int index, WPARAM wp, LPARAM lp) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    WindowRecord& r = record(index);
    if (r.minimisedFlag) {
        r.needsCompose = 0;
        EndPaint(hwnd, &ps);
        return DefWindowProcA(hwnd, WM_PAINT, wp, lp);
    }
    if (r.needsCompose) {
        composeWindowSkin(index, true);
        WindowRecord& after = record(index);
        after.restoredFlag = 0;
        EndPaint(hwnd, &ps);
        after.erasedFlag = 0;
        after.shownFlag = 0;
        return DefWindowProcA(hwnd, WM_PAINT, wp, lp);
    }
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    if (r.shownFlag) {
        EndPaint(hwnd, &ps);
        HDC dc = getWindowDcExcludingChildren(hwnd);
        BitBlt(dc, 0, 0, wr.right - wr.left, wr.bottom - wr.top, r.backgroundSurface, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, dc);
    } else {
        getWindowDcExcludingChildren(hwnd, ps.hdc);
        BitBlt(ps.hdc, 0, 0, wr.right - wr.left, wr.bottom - wr.top, r.backgroundSurface, 0, 0, SRCCOPY);
        EndPaint(hwnd, &ps);
    }
    // The copy painted over the children that let it show through.
    for (HWND c = FindWindowExA(hwnd, nullptr, nullptr, nullptr); c; c = FindWindowExA(hwnd, c, nullptr, nullptr))
        if (GetWindowLongA(c, GWL_EXSTYLE) & WS_EX_TRANSPARENT) InvalidateRect(c, nullptr, FALSE);
    r.needsCompose = 0;
    return DefWindowProcA(hwnd, WM_PAINT, wp, lp);
}

// ---- Size and position --------------------------------------------------------

void onGetMinMaxInfo(int index, LPARAM lp) {
    const WindowRecord& r = record(index);
    SIZE limit{r.maxTrackWidth, r.maxTrackHeight};
    if (r.maximisedFlag) limit = workAreaSize();
    auto* info = reinterpret_cast<MINMAXINFO*>(lp);
    info->ptMinTrackSize = POINT{r.minTrackWidth, r.minTrackHeight};
    info->ptMaxTrackSize = POINT{limit.cx, limit.cy};
}

void onWindowPosChanged(HWND hwnd, int index) {
    WindowRecord& r = record(index);
    RECT client = clientRect(hwnd);
    if (r.hasMaxButton && client.right == GetSystemMetrics(SM_CXSCREEN) &&
        client.bottom == GetSystemMetrics(SM_CYSCREEN)) {
        // The system maximised the borderless window over the whole screen:
        // keep it to the work area.
        SIZE area = workAreaSize();
        r.maximisedFlag = 1;
        SetWindowPos(hwnd, nullptr, 0, 0, area.cx, area.cy, SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
    layoutCaptionButtons(index);
    if (record(index).barHeight > 0) layoutBottomBar(index);
}

void onSize(HWND hwnd, int index) {
    if (record(index).minimisedFlag) return;
    markChildCachesStale(hwnd, false);
    WindowRecord& r = record(index);
    r.hoveredButton = 0;
    r.needsCompose = firstSizeSeen ? 1 : 0;
    firstSizeSeen = true;
    relayoutAnchoredChildren(index);
}

void onSysCommand(int index, WPARAM command) {
    WindowRecord& r = record(index);
    switch (command) {
    case SC_MAXIMIZE: r.maximisedFlag = 1; r.needsCompose = 1; break;
    case SC_RESTORE:  r.needsCompose = 1; r.minimisedFlag = 0; break;
    case SC_MINIMIZE: r.needsCompose = 1; r.minimisedFlag = 1; break;
    default: break;
    }
}

// ---- Mouse -----------------------------------------------------------------------

void runBarCallback(int index, const Callback& callback, LPARAM lp) {
    int item = hitTestBarItems(index, xOf(lp), yOf(lp));
    if (item && callback) invokeCallback(callback, {item});
}

void onLeftButtonDown(HWND hwnd, int index, LPARAM lp) {
    record(index).fadeIn.button = 0;
    if (record(index).framed) {
        if (!record(index).maximisedFlag && !record(index).minimisedFlag) beginMoveOrResize(index, lp, clientRect(hwnd));
        // The system's move loop may have run in between; look the record up again.
        index = windowIndexOf(hwnd);
        if (!index) return;
        pressCaptionButton(index, lp);
    }
    runBarCallback(index, record(index).barClickCallback, lp);
}

void onLeftButtonDoubleClick(int index, LPARAM lp) {
    const WindowRecord& r = record(index);
    if (hitTestBarItems(index, xOf(lp), yOf(lp))) {
        runBarCallback(index, r.barDoubleClickCallback, lp);
        return;
    }
    if (yOf(lp) <= r.captionHeight && r.resizable) {
        if (int button = findMaximiseButton(index)) captionButtonClick(index, button);
    }
}

// ---- Children ----------------------------------------------------------------------

std::optional<LRESULT> onControlColour(UINT msg, WPARAM wp, LPARAM lp) {
    const SkinSettings& s = settings();
    if (!s.controlSkinning || !s.transparentLists) return std::nullopt;
    auto control = reinterpret_cast<HWND>(lp);
    // Edits and statics are answered with the veiled picture behind them
    // once the edit family paints; until then they keep their own colours.
    bool hollow = msg == WM_CTLCOLORBTN ||
                  (msg == WM_CTLCOLORLISTBOX && windowClassName(control) == "ListBox" &&
                   !(GetWindowLongA(control, GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)));
    if (!hollow) return std::nullopt;
    auto dc = reinterpret_cast<HDC>(wp);
    SetTextColor(dc, static_cast<COLORREF>(reinterpret_cast<INT_PTR>(GetPropA(control, keys::kTextColour))));
    SetBkMode(dc, TRANSPARENT);
    DeleteObject(static_cast<HGDIOBJ>(GetPropA(control, keys::kControlBrush)));
    HGDIOBJ brush = GetStockObject(NULL_BRUSH);
    SetPropA(control, keys::kControlBrush, brush);
    return reinterpret_cast<LRESULT>(brush);
}

void onCommand(WPARAM wp, LPARAM lp) {
    if (isMenuCommand(wp, lp)) {
        MenuCommand command = decodeMenuCommand(static_cast<unsigned>(wp));
        if (MenuTableEntry* entry = menuEntry(command.menu); entry && entry->callback)
            invokeCallback(entry->callback, {static_cast<int>(command.item)});
    }
    const SkinSettings& s = settings();
    if (!lp || !s.controlSkinning || !s.transparentLists) return;
    auto control = reinterpret_cast<HWND>(lp);
    const std::string cls = windowClassName(control);
    const WORD code = HIWORD(wp);
    bool repaint = (cls == "Edit" && (code == EN_HSCROLL || code == EN_VSCROLL || code == EN_UPDATE || code == EN_CHANGE)) ||
                   (cls == "ListBox" && (code == LBN_SELCHANGE || code == LBN_SELCANCEL)) ||
                   (cls == "ComboBox" && (code == CBN_SELCHANGE || code == CBN_KILLFOCUS));
    if (repaint) InvalidateRect(control, nullptr, TRUE);
}

void onNotify(LPARAM lp) {
    const auto* header = reinterpret_cast<const NMHDR*>(lp);
    if (header->code == TVN_ITEMEXPANDINGA || header->code == TVN_ITEMEXPANDEDA)
        InvalidateRect(header->hwndFrom, nullptr, TRUE);
}

}  // namespace

void setDeactivationHandler(void (*handler)()) { deactivationHandler = handler; }

void playShrinkFade(HWND window) { playCloseEffect(window, false); }
void playPulseFade(HWND window) { playCloseEffect(window, true); }

void relayoutAnchoredChildren(int index) {
    const WindowRecord& r = record(index);
    RECT client = clientRect(r.hwnd);
    for (const AnchoredChild& a : r.anchoredChildren) {
        if (!a.child) continue;
        if (a.fill) {
            MoveWindow(a.child, 2, a.top, client.right - 4, client.bottom - a.top - r.barHeight - 4, TRUE);
        } else {
            RECT own{};
            GetWindowRect(a.child, &own);
            MoveWindow(a.child, client.right - a.rightOffset - 2, a.top, own.right - own.left, own.bottom - own.top, TRUE);
        }
    }
}

void measureMenuItem(MEASUREITEMSTRUCT* item) {
    MenuTableEntry* entry = menuEntry(decodeMenuCommand(item->itemID).menu);
    if (!entry && item->itemData > 999) entry = menuEntry(decodeMenuCommand(static_cast<unsigned>(item->itemData)).menu);
    if (!entry) return;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP | MIIM_FTYPE;
    GetMenuItemInfoA(entry->menu, item->itemID, FALSE, &info);
    item->itemWidth = static_cast<UINT>(entry->itemWidth);
    item->itemHeight = static_cast<UINT>((info.fType & MFT_SEPARATOR) ? 12 : entry->itemHeight);
}

void releaseWindowSkin(HWND window) {
    int index = findWindowRecord(window);
    if (!index) return;
    DestroyMenu(static_cast<HMENU>(GetPropA(window, keys::kWindowMenu)));
    for (const ControlItem& edit : record(index).edits) {
        if (!edit.hwnd) continue;
        DeleteObject(static_cast<HGDIOBJ>(GetPropA(edit.hwnd, keys::kControlBitmap)));
        DeleteObject(static_cast<HGDIOBJ>(GetPropA(edit.hwnd, keys::kControlBrush)));
    }
    releaseRecordSurfaces(index);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropA(window, keys::kPreviousProc)));
    removeWindowRecord(index);
}

LRESULT CALLBACK skinnedWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const int index = windowIndexOf(hwnd);
    if (!index) return passOn(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_MEASUREITEM:
        if (wp == 0) measureMenuItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
        break;
    case WM_QUIT:
        releaseCaptionGlyphImages();
        gfx::shutdown(settings().graphicsToken);
        break;
    case WM_CLOSE:          return onClose(hwnd, index, wp, lp);
    case WM_NCDESTROY:
        releaseWindowSkin(hwnd);
        KillTimer(hwnd, reinterpret_cast<UINT_PTR>(hwnd));
        break;
    case WM_SIZING:         record(index).sizingFlag = 1; break;
    case WM_MOVING:         record(index).movingFlag = 1; break;
    case WM_EXITSIZEMOVE:   record(index).movingFlag = record(index).sizingFlag = 0; break;
    case WM_SHOWWINDOW:     onShowWindow(hwnd, index, wp); break;
    case WM_ERASEBKGND:     onEraseBackground(hwnd, index, reinterpret_cast<HDC>(wp)); return 1;
    case WM_PAINT:          return onPaint(hwnd, index, wp, lp);
    case WM_MOUSEMOVE:
        captionHoverMouseMove(index, lp);
        if (record(index).framed && !record(index).maximisedFlag) setResizeCursor(index, lp, clientRect(hwnd));
        break;
    case WM_MOUSEHOVER:     captionHoverMouseHover(index); break;
    case WM_MOUSELEAVE:     captionHoverMouseLeave(index); break;
    case WM_TIMER:          captionHoverTimer(index, wp); break;
    case WM_GETMINMAXINFO:  onGetMinMaxInfo(index, lp); break;
    case WM_WINDOWPOSCHANGED: onWindowPosChanged(hwnd, index); break;
    case WM_SIZE:           onSize(hwnd, index); break;
    case WM_LBUTTONDOWN:    onLeftButtonDown(hwnd, index, lp); break;
    case WM_LBUTTONUP:
        if (record(index).framed) releaseCaptionButton(index);
        break;
    case WM_LBUTTONDBLCLK:  onLeftButtonDoubleClick(index, lp); break;
    case WM_RBUTTONDOWN:    runBarCallback(index, record(index).barRightClickCallback, lp); break;
    case WM_SYSCOMMAND:     onSysCommand(index, wp); break;
    case WM_QUERYOPEN:
        record(index).minimisedFlag = 0;
        record(index).restoredFlag = 1;
        break;
    case WM_SETTEXT:
        if (record(index).showTitle && record(index).framed && lp)
            drawCaptionTitle(index, nullptr, false, std::string(reinterpret_cast<const char*>(lp)));
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (auto brush = onControlColour(msg, wp, lp)) return *brush;
        break;
    case WM_ACTIVATEAPP:
        record(index).activeFlag = wp ? 1 : 0;
        if (!wp && deactivationHandler) deactivationHandler();
        break;
    case WM_ACTIVATE:       record(index).activeFlag = wp >= 1 ? 1 : 0; break;
    case WM_COMMAND:        onCommand(wp, lp); break;
    case WM_NOTIFY:         onNotify(lp); break;
    default:                break;
    }
    return passOn(hwnd, msg, wp, lp);
}

}  // namespace skin
