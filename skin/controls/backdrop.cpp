#include "skin/controls/backdrop.h"

#include "skin/controls/family.h"

#include <array>
#include <cmath>
#include <unordered_map>

#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/window_dc.h"
#include "skin/window/window_record.h"
#include "win/props.h"
#include "win/window.h"

namespace skin {

namespace {

// The record a control publishes into: its owner index, or, for a skinned
// top-level window itself, its own index.
int publishingIndex(HWND hwnd, bool toolbarKeys) {
    int index = win::prop<int>(hwnd, toolbarKeys ? keys::kToolbarOwnerIndex : keys::kOwnerIndex);
    if (index == 0) index = win::prop<int>(hwnd, keys::kIndex);
    return validIndex(index) ? index : 0;
}

void excludeVisibleChildren(HWND hwnd, HDC target) {
    for (HWND c : win::children(hwnd)) {
        if (!IsWindowVisible(c) || (win::exStyle(c) & WS_EX_TRANSPARENT)) continue;
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

RECT controlRectInWindow(HWND hwnd) {
    int index = findSkinnedWindow(hwnd);
    const RECT a = win::windowRect(hwnd);
    const RECT b = index ? win::windowRect(record(index).hwnd) : a;
    return RECT{a.left - b.left, a.top - b.top, a.right - b.left, a.bottom - b.top};
}

RECT nonClientInsets(HWND hwnd) {
    const RECT a = win::windowRect(hwnd);
    const int width = win::width(a), height = win::height(a);
    const SIZE c = win::clientSize(hwnd);
    int contentW = c.cx, contentH = c.cy;

    SCROLLBARINFO vertical{}, horizontal{};
    vertical.cbSize = horizontal.cbSize = sizeof(SCROLLBARINFO);
    GetScrollBarInfo(hwnd, OBJID_VSCROLL, &vertical);
    GetScrollBarInfo(hwnd, OBJID_HSCROLL, &horizontal);
    const LONG style = win::style(hwnd);
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
    const int index = findSkinnedWindow(hwnd);
    if (!index || !record(index).caches.backgroundSurface) return canvas;
    POINT offset{0, 0};
    if (record(index).hwnd != hwnd) {
        const RECT r = controlRectInWindow(hwnd);
        offset = POINT{r.left, r.top};
    }
    BitBlt(canvas, 0, 0, w, h, record(index).caches.backgroundSurface, offset.x + rect.left, offset.y + rect.top,
           SRCCOPY);
    return canvas;
}

BackdropStamp backdropStamp(HWND hwnd, const RECT& rect) {
    BackdropStamp stamp;
    stamp.source = rect;
    const int index = findSkinnedWindow(hwnd);
    if (!index || !record(index).caches.backgroundSurface) return stamp;
    stamp.window = record(index).hwnd;
    stamp.generation = record(index).caches.generation;
    if (stamp.window != hwnd) {
        const RECT r = controlRectInWindow(hwnd);
        OffsetRect(&stamp.source, r.left, r.top);
    }
    return stamp;
}

namespace {

std::unordered_map<HWND, std::array<KeptPaint, 2>>& keptPaints() {
    // Never destroyed by itself: each entry goes with its control.
    static auto* kept = new std::unordered_map<HWND, std::array<KeptPaint, 2>>;
    return *kept;
}

}  // namespace

HBITMAP keptPaint(HWND control, const BackdropStamp& backdrop, const std::function<bool(const std::any&)>& sameLook) {
    const auto found = keptPaints().find(control);
    if (found == keptPaints().end()) return nullptr;
    for (const KeptPaint& k : found->second)
        if (k.picture && k.backdrop == backdrop && sameLook(k.look)) return k.picture.get();
    return nullptr;
}

void keepPaint(HWND control, const BackdropStamp& backdrop, std::any look, HDC canvas, int w, int h) {
    std::array<KeptPaint, 2>& kept = keptPaints()[control];
    // The newer of the two moves to the front; the older makes way.
    kept[1] = std::move(kept[0]);
    kept[0].backdrop = backdrop;
    kept[0].look = std::move(look);
    kept[0].picture = win::OwnedBitmap(CreateCompatibleBitmap(canvas, w, h));
    if (!kept[0].picture) return;
    win::OwnedMemoryDc copy(CreateCompatibleDC(nullptr));
    win::SelectedObject into(copy.get(), kept[0].picture.get());
    BitBlt(copy.get(), 0, 0, w, h, canvas, 0, 0, SRCCOPY);
}

void forgetKeptPaints(HWND control) { keptPaints().erase(control); }

void publishControlImage(HWND hwnd, HDC canvas, bool toolbarKeys, bool wholeWindow) {
    int index = publishingIndex(hwnd, toolbarKeys);
    if (!index) return;
    HDC cache = record(index).caches.compositionCache;
    if (!cache) return;
    RECT r = wholeWindow ? controlRectInWindow(hwnd) : controlClientRectInWindow(hwnd);
    excludeVisibleChildren(hwnd, cache);
    BitBlt(cache, r.left, r.top, r.right - r.left, r.bottom - r.top, canvas, 0, 0, SRCCOPY);
    SelectClipRgn(cache, nullptr);
}

void publishControlImageKeyed(HWND hwnd, HDC canvas, COLORREF keyColour, bool toolbarKeys) {
    int index = publishingIndex(hwnd, toolbarKeys);
    if (!index) return;
    HDC cache = record(index).caches.compositionCache;
    if (!cache) return;
    RECT r = controlRectInWindow(hwnd);
    int w = r.right - r.left, h = r.bottom - r.top;
    excludeVisibleChildren(hwnd, cache);
    TransparentBlt(cache, r.left, r.top, w, h, canvas, 0, 0, w, h, keyColour);
    SelectClipRgn(cache, nullptr);
}

void excludePlainChildrenFromClip(HWND control, HDC dc) {
    for (HWND c : win::children(control)) {
        if (!IsWindowVisible(c) || GetPropA(c, keys::kOwnerIndex)) continue;
        const RECT r = win::rectInParent(c);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

win::WindowDc getDCExcludingPlainChildren(HWND control) {
    win::WindowDc dc(control);
    if (dc) excludePlainChildrenFromClip(control, dc.get());
    return dc;
}

void paintControlFromCache(HWND control, bool toolbarKeys, HDC dc, bool excludePlainChildren) {
    const int index = publishingIndex(control, toolbarKeys);
    if (!index || !record(index).caches.compositionCache) return;
    const RECT source = controlClientRectInWindow(control);
    win::WindowDc own;
    if (!dc) {
        own = win::WindowDc(control);
        dc = own.get();
    }
    if (!dc) return;
    // A given context keeps its clip: the exclusions are undone afterwards.
    win::SavedDcState saved(dc);
    if (excludePlainChildren) excludePlainChildrenFromClip(control, dc);
    else excludeChildrenFromClip(control, dc);
    BitBlt(dc, 0, 0, win::width(source), win::height(source), record(index).caches.compositionCache, source.left,
           source.top, SRCCOPY);
}

}  // namespace skin
