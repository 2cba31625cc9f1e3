#pragma once
// The colours a skinned button should show inside its shapes, worked out
// from the alphas of its layers over an opaque backdrop (source-over).  Used by
// the pixel tests on canvases and by the end-to-end tests on the screen.
#include <windows.h>

#include <cmath>
#include <cstdint>

namespace looks {

struct Layer {
    double a, r, g, b;  // alpha 0..255, straight colour
};

inline Layer layer(COLORREF c, double alpha) {
    return Layer{alpha, 1.0 * GetRValue(c), 1.0 * GetGValue(c), 1.0 * GetBValue(c)};
}

// The gradient from one layer to another at t (0..1); the colours are
// interpolated premultiplied by their alphas, so a transparent end adds no
// colour of its own.
inline Layer mix(const Layer& from, const Layer& to, double t) {
    const double a = from.a + (to.a - from.a) * t;
    if (a <= 0) return Layer{0, 0, 0, 0};
    auto channel = [&](double f, double g) { return (f * from.a * (1 - t) + g * to.a * t) / a; };
    return Layer{a, channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

struct Colour {
    double r, g, b;
    COLORREF rgb() const {
        auto c = [](double v) { return static_cast<BYTE>(std::lround(v < 0 ? 0 : v > 255 ? 255 : v)); };
        return RGB(c(r), c(g), c(b));
    }
};

inline Colour colour(COLORREF c) { return Colour{1.0 * GetRValue(c), 1.0 * GetGValue(c), 1.0 * GetBValue(c)}; }

inline Colour over(const Colour& below, const Layer& l) {
    const double k = l.a / 255.0;
    return Colour{l.r * k + below.r * (1 - k), l.g * k + below.g * (1 - k), l.b * k + below.b * (1 - k)};
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// ---- Push buttons of height h, at row y of the interior (away from the
// outline, the corners and the caption).

// White a120, the grey shade and, in the upper half, the gloss.
inline Colour pushFace(COLORREF backdrop, int y, int h) {
    Colour c = over(colour(backdrop), layer(kWhite, 120));
    c = over(c, mix(layer(kWhite, 0), layer(RGB(128, 128, 128), 60), y / (h - 1.0)));
    if (y < h / 2) c = over(c, mix(layer(kWhite, 50), layer(kWhite, 10), y / (h * 0.5)));
    return c;
}

// The face with the two accent washes of the hot edge.
inline Colour hotFace(COLORREF backdrop, COLORREF accent, int y, int h) {
    const double t = y / (h - 1.0);
    Colour c = pushFace(backdrop, y, h);
    c = over(c, mix(layer(accent, 60), layer(kWhite, 80), t));
    return over(c, mix(layer(kWhite, 100), layer(accent, 30), t));
}

// A face with the pressed overlay over it (rows 3 to h - 3).
inline Colour selected(const Colour& face, COLORREF accent, int y, int h) {
    return over(face, mix(layer(accent, 60), layer(kWhite, 100), (y - 2) / (h - 4.0)));
}

// ---- Check boxes of height h: the indicator's inside at (x, y), away from
// its white inner outline.

inline double indicatorTop(int h) { return (h - 12) / 2.0; }

inline Colour checkBoxInside(int y, int h) {
    const double top = indicatorTop(h);
    return over(colour(kWhite), mix(layer(kBlack, 70), layer(kWhite, 255), (y - top) / 12.0));
}

inline Colour hotCheckBoxInside(COLORREF accent, int x, int y, int h) {
    const double shadeTop = (h - 11) / 2.0;
    const double t = ((x - 0.0) * 12 + (y - shadeTop) * 12) / (2.0 * 144);
    return over(checkBoxInside(y, h), mix(layer(accent, 90), layer(kWhite, 30), t));
}

// The tick's pixel (RRGGBB as the picture holds it) tinted with the accent,
// drawn twice over what lies below it.
inline Layer tintedTick(COLORREF accent, std::uint32_t rrggbb) {
    const int r = (rrggbb >> 16) & 0xFF, g = (rrggbb >> 8) & 0xFF, b = rrggbb & 0xFF;
    auto scale = [](int a, int c) { return std::round(a * c / 255.0); };
    return Layer{255 - std::round((r + g + b) / 3.0), scale(GetRValue(accent), r), scale(GetGValue(accent), g),
                 scale(GetBValue(accent), b)};
}

inline Colour withTick(const Colour& below, COLORREF accent, std::uint32_t rrggbb) {
    const Layer tick = tintedTick(accent, rrggbb);
    return over(over(below, tick), tick);
}

// ---- Radio buttons of height h: the indicator's inside at (x, y), away from
// its outlines and its mark.

inline Colour radioInside(int x, int y, int h) {
    const double top = indicatorTop(h);
    const double t = ((x - 3) * 7 + (y - (top + 1)) * 10) / 149.0;
    return over(colour(kWhite), mix(layer(kBlack, 100), layer(kBlack, 0), t));
}

inline Colour hotRadioInside(COLORREF accent, int x, int y, int h) {
    const double top = indicatorTop(h);
    const double t = ((x - 3) * 8 + (y - (top + 1)) * 11) / 185.0;
    return over(radioInside(x, y, h), mix(layer(accent, 100), layer(kBlack, 0), t));
}

// Sum of the absolute channel differences.
inline int distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

}  // namespace looks
