#include "skin/window/window_dc.h"

#include <algorithm>

#include "skin/window/window_record.h"

namespace skin {

RECT childRectInParent(HWND child) {
    RECT rc;
    GetWindowRect(child, &rc);
    POINT origin{0, 0};
    ClientToScreen(GetParent(child), &origin);
    OffsetRect(&rc, -origin.x, -origin.y);
    return rc;
}

HDC getWindowDcExcludingChildren(HWND window, HDC dc) {
    if (!dc) dc = GetDC(window);
    if (!dc) return nullptr;
    bool bounded = false;
    int boundW = 0, boundH = 0;
    if (int index = findWindowRecord(window)) {
        bounded = true;
        boundW = record(index).composedWidth;
        boundH = record(index).composedHeight;
    }
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(window, child, nullptr, nullptr)) {
        if (!IsWindowVisible(child) || (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)) continue;
        RECT r = childRectInParent(child);
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
    return dc;
}

}  // namespace skin
