#include "tests/support/screen.h"

#include <cstdlib>
#include <cstring>

namespace screen {

Shot::Shot(const RECT& area) : area_(area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    pixels_.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    HDC desktop = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(desktop);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(desktop, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, desktop, area.left, area.top, SRCCOPY);
    GdiFlush();
    if (bits) std::memcpy(pixels_.data(), bits, pixels_.size() * 4);
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, desktop);
}

COLORREF Shot::at(int x, int y) const {
    if (x < area_.left || x >= area_.right || y < area_.top || y >= area_.bottom) return CLR_INVALID;
    DWORD p = pixels_[static_cast<size_t>(y - area_.top) * static_cast<size_t>(area_.right - area_.left) +
                      static_cast<size_t>(x - area_.left)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

COLORREF Shot::mean(const RECT& r) const {
    long red = 0, green = 0, blue = 0, n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            COLORREF c = at(x, y);
            if (c == CLR_INVALID) continue;
            red += GetRValue(c);
            green += GetGValue(c);
            blue += GetBValue(c);
            ++n;
        }
    if (!n) return CLR_INVALID;
    return RGB(red / n, green / n, blue / n);
}

int distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

}  // namespace screen
