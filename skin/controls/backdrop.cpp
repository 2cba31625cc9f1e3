#include "skin/controls/backdrop.h"

#include <cmath>

#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/window_dc.h"
#include "skin/window/window_record.h"

namespace skin {

namespace {

int intProp(HWND w, const char* key) { return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(w, key))); }

// The record a control publishes into: its owner index, or, for a skinned
// top-level window itself, its own index.
int publishingIndex(HWND hwnd, bool toolbarKeys) {
    int index = intProp(hwnd, toolbarKeys ? keys::kToolbarOwnerIndex : keys::kOwnerIndex);
    if (index == 0) index = intProp(hwnd, keys::kIndex);
    return validIndex(index) ? index : 0;
}

RECT windowRectOf(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

void excludeVisibleChildren(HWND hwnd, HDC target) {
    for (HWND c = FindWindowExA(hwnd, nullptr, nullptr, nullptr); c; c = FindWindowExA(hwnd, c, nullptr, nullptr)) {
        if (!IsWindowVisible(c) || (GetWindowLongA(c, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
        RECT r = controlRectInWindow(c);
        ExcludeClipRect(target, r.left, r.top, r.right, r.bottom);
    }
}

}  // namespace

int findSkinnedWindow(HWND hwnd) {
    if (int own = findWindowRecord(hwnd)) return own;
    HWND root = GetAncestor(hwnd, GA_ROOTOWNER);
    for (HWND w = GetParent(hwnd); w; w = GetParent(w)) {
        if (int found = findWindowRecord(w)) return found;
        if (w == root) break;
    }
    return 0;
}

std::string windowClassName(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, 255);
    return name;
}

RECT controlRectInWindow(HWND hwnd) {
    int index = findSkinnedWindow(hwnd);
    RECT a = windowRectOf(hwnd);
    RECT b = index ? windowRectOf(record(index).hwnd) : a;
    return RECT{a.left - b.left, a.top - b.top, a.right - b.left, a.bottom - b.top};
}

RECT nonClientInsets(HWND hwnd) {
    RECT a = windowRectOf(hwnd);
    int width = a.right - a.left, height = a.bottom - a.top;
    RECT c{};
    GetClientRect(hwnd, &c);
    int contentW = c.right - c.left, contentH = c.bottom - c.top;

    SCROLLBARINFO vertical{}, horizontal{};
    vertical.cbSize = horizontal.cbSize = sizeof(SCROLLBARINFO);
    GetScrollBarInfo(hwnd, OBJID_VSCROLL, &vertical);
    GetScrollBarInfo(hwnd, OBJID_HSCROLL, &horizontal);
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    if (style & WS_VSCROLL) contentW += vertical.rcScrollBar.right - vertical.rcScrollBar.left;
    if (style & WS_HSCROLL) contentH += horizontal.rcScrollBar.bottom - horizontal.rcScrollBar.top;

    int left = static_cast<int>(std::floor((width - contentW) / 2.0));
    int top = static_cast<int>(std::floor((height - contentH) / 2.0));
    return RECT{left, top, left + contentW, top + contentH};
}

RECT controlClientRectInWindow(HWND hwnd) {
    RECT r = controlRectInWindow(hwnd);
    RECT i = nonClientInsets(hwnd);
    return RECT{r.left + i.left, r.top + i.top, r.right - i.left, r.bottom - i.top};
}

HDC paintControlBackdrop(HWND hwnd, const RECT& rect) {
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    HDC canvas = newMemoryCanvas(w, h);
    if (!canvas) return nullptr;
    int index = findSkinnedWindow(hwnd);
    if (!index || !record(index).backgroundSurface) return canvas;
    POINT offset{0, 0};
    if (record(index).hwnd != hwnd) {
        RECT r = controlRectInWindow(hwnd);
        offset = POINT{r.left, r.top};
    }
    BitBlt(canvas, 0, 0, w, h, record(index).backgroundSurface, offset.x + rect.left, offset.y + rect.top, SRCCOPY);
    return canvas;
}

void publishControlImage(HWND hwnd, HDC canvas, bool toolbarKeys, bool wholeWindow) {
    int index = publishingIndex(hwnd, toolbarKeys);
    if (!index) return;
    HDC cache = record(index).compositionCache;
    if (!cache) return;
    RECT r = wholeWindow ? controlRectInWindow(hwnd) : controlClientRectInWindow(hwnd);
    excludeVisibleChildren(hwnd, cache);
    BitBlt(cache, r.left, r.top, r.right - r.left, r.bottom - r.top, canvas, 0, 0, SRCCOPY);
    SelectClipRgn(cache, nullptr);
}

void publishControlImageKeyed(HWND hwnd, HDC canvas, COLORREF keyColour, bool toolbarKeys) {
    int index = publishingIndex(hwnd, toolbarKeys);
    if (!index) return;
    HDC cache = record(index).compositionCache;
    if (!cache) return;
    RECT r = controlRectInWindow(hwnd);
    int w = r.right - r.left, h = r.bottom - r.top;
    excludeVisibleChildren(hwnd, cache);
    TransparentBlt(cache, r.left, r.top, w, h, canvas, 0, 0, w, h, keyColour);
    SelectClipRgn(cache, nullptr);
}

HDC getDCExcludingPlainChildren(HWND control, HDC dc) {
    if (dc) ReleaseDC(control, dc);
    dc = GetDC(control);
    if (!dc) return nullptr;
    for (HWND c = FindWindowExA(control, nullptr, nullptr, nullptr); c;
         c = FindWindowExA(control, c, nullptr, nullptr)) {
        if (!IsWindowVisible(c) || GetPropA(c, keys::kOwnerIndex)) continue;
        RECT r = childRectInParent(c);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    return dc;
}

void paintControlFromCache(HWND control, bool toolbarKeys, HDC dc, bool excludePlainChildren) {
    int index = publishingIndex(control, toolbarKeys);
    if (!index || !record(index).compositionCache) return;
    RECT source = controlClientRectInWindow(control);
    HDC target = excludePlainChildren ? getDCExcludingPlainChildren(control, dc)
                                      : getWindowDcExcludingChildren(control, dc);
    if (!target) return;
    BitBlt(target, 0, 0, source.right - source.left, source.bottom - source.top, record(index).compositionCache,
           source.left, source.top, SRCCOPY);
    ReleaseDC(control, target);
}

}  // namespace skin
