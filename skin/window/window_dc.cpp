#include "skin/window/window_dc.h"

#include <algorithm>

#include "skin/window/window_record.h"
#include "win/window.h"

namespace skin {

void excludeChildrenFromClip(HWND window, HDC dc) {
    if (!dc) return;
    bool bounded = false;
    int boundW = 0, boundH = 0;
    if (int index = findWindowRecord(window)) {
        bounded = true;
        boundW = record(index).caches.composedWidth;
        boundH = record(index).caches.composedHeight;
    } else if (const ContainerItem* container = containerItemOf(window)) {
        bounded = true;
        boundW = container->clientWidth;
        boundH = container->clientHeight;
    }
    for (HWND child : win::children(window)) {
        if (!IsWindowVisible(child) || (win::exStyle(child) & WS_EX_TRANSPARENT)) continue;
        RECT r = win::rectInParent(child);
        r.left = std::max<LONG>(r.left, 0);
        r.top = std::max<LONG>(r.top, 0);
        if (bounded) {
            r.right = std::min<LONG>(r.right, boundW);
            r.bottom = std::min<LONG>(r.bottom, boundH);
        }
        r.right = std::max(r.right, r.left);
        r.bottom = std::max(r.bottom, r.top);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

win::WindowDc getWindowDcExcludingChildren(HWND window) {
    win::WindowDc dc(window);
    excludeChildrenFromClip(window, dc.get());
    return dc;
}

HDC getWindowDcExcludingChildren(HWND window, HDC dc) {
    excludeChildrenFromClip(window, dc);
    return dc;
}

}  // namespace skin
