#pragma once
#include <cstdint>
#include <windows.h>

namespace skin {

using Argb = std::uint32_t;

// COLORREF (0x00BBGGRR) to ARGB (0xAARRGGBB); only the low three bytes of the
// colour are read.
constexpr Argb toArgb(COLORREF c, int alpha = 255) {
    return (static_cast<Argb>(alpha & 0xFF) << 24) | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

// ARGB back to COLORREF; the alpha comes back separately.
constexpr COLORREF toColorref(Argb v, int* alpha = nullptr) {
    if (alpha) *alpha = static_cast<int>(v >> 24);
    return ((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16);
}

}  // namespace skin
