#include "skin/window/primitives.h"

#include <algorithm>

#include "gfx/brushes.h"
#include "gfx/image.h"
#include "gfx/text.h"
#include "skin/window/memory_dc.h"
#include "skin/window/window_record.h"
#include "win/window.h"

namespace skin {

void addRoundRect(gfx::GraphicsPath& path, float x, float y, float w, float h, float d) {
    d = std::clamp(d, 1.0f, 100.0f);
    path.addArc(x + w - d, y, d, d, 270, 90);
    path.addArc(x + w - d - 1, y + h - d - 1, d + 1, d + 1, 0, 90);
    path.addArc(x, y + h - d, d, d, 90, 90);
    path.addArc(x, y, d, d, 180, 90);
    path.closeFigure();
}

void addTopRoundRect(gfx::GraphicsPath& path, float x, float y, float w, float h, float d) {
    path.addLine(x, y + h, x, y + d);
    path.addArc(x, y, d, d, 180, 90);
    path.addLine(x + d, y, x + w - d, y);
    path.addArc(x + w - d, y, d, d, 270, 90);
    path.addLine(x + w, y + d, x + w, y + h);
}

void addCornerRoundRect(gfx::GraphicsPath& path, float x, float y, float w, float h, float d) {
    path.addLine(x, y + h, x, y);
    path.addLine(x, y, x + w - d, y);
    path.addArc(x + w - d, y, d, d, 270, 90);
    path.addLine(x + w, y + d, x + w, y + h);
}

HDC newArgbCanvas(int w, int h) {
    HBITMAP bitmap = nullptr;
    {
        gfx::Bitmap argb = gfx::Bitmap::create(w, h, gfx::PixelFormat32bppARGB);
        bitmap = argb.toHbitmap(0x00000000);
    }
    if (!bitmap) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(bitmap);
        return nullptr;
    }
    HGDIOBJ previous = SelectObject(dc, bitmap);
    rememberMemoryDc(dc, bitmap, previous);
    return dc;
}

bool updateLayered(HWND window, HDC source, int alpha, std::optional<LayeredPlacement> placement) {
    if (!source) {
        int index = windowIndexOf(window);
        if (!index) return false;
        source = record(index).caches.backgroundSurface;
    }
    LayeredPlacement p{};
    if (placement) {
        p = *placement;
    } else {
        const RECT r = win::windowRect(window);
        p = {r.left, r.top, win::width(r), win::height(r)};
    }
    POINT position{p.x, p.y}, origin{0, 0};
    SIZE size{p.w, p.h};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), AC_SRC_ALPHA};
    return UpdateLayeredWindow(window, nullptr, &position, &size, source, &origin, 0, &blend, ULW_ALPHA) != 0;
}

namespace {

gfx::StringFormat textFormat(const TextStyle& style) {
    int flags = gfx::StringFormatFlagsLineLimit;
    if (style.noWrap) flags |= gfx::StringFormatFlagsNoWrap;
    gfx::StringFormat format = gfx::StringFormat::create(flags);
    if (style.ellipsis) format.setTrimming(gfx::StringTrimming::EllipsisCharacter);
    format.setAlignment(static_cast<gfx::StringAlignment>(style.alignment));
    format.setLineAlignment(static_cast<gfx::StringAlignment>(style.lineAlignment));
    return format;
}

gfx::Font textFont(const TextStyle& style, float defaultSize) {
    return gfx::Font::fromFamilyName(style.face, style.size.value_or(defaultSize),
                                     style.bold ? gfx::FontStyleBold : gfx::FontStyleRegular, gfx::Unit::World);
}

gfx::RectF offsetRect(const FloatRect& r, float dx, float dy) { return {r.x + dx, r.y + dy, r.w, r.h}; }

}  // namespace

void drawHaloText(gfx::Graphics& g, std::string_view text, const FloatRect& rect, COLORREF textColour,
                  COLORREF haloColour, float offset, const TextStyle& style) {
    gfx::Font font = textFont(style, 13.0f);
    gfx::StringFormat format = textFormat(style);
    gfx::SolidBrush halo = gfx::SolidBrush::create(toArgb(haloColour, 150));
    const float o = offset;
    for (auto [dx, dy] : {std::pair{o, 0.0f}, {-o, 0.0f}, {0.0f, o}, {0.0f, -o}})
        g.drawString(text, font, halo, offsetRect(rect, dx, dy), format);
    gfx::SolidBrush plain = gfx::SolidBrush::create(toArgb(textColour));
    g.drawString(text, font, plain, offsetRect(rect, 0, 0), format);
}

void drawGlowText(gfx::Graphics& g, std::string_view text, const FloatRect& rect, COLORREF textColour,
                  COLORREF glowColour, float blur, const TextStyle& style) {
    gfx::Font font = textFont(style, 12.0f);
    gfx::StringFormat format = textFormat(style);
    const int w = static_cast<int>(rect.w), h = static_cast<int>(rect.h);
    const int smallW = static_cast<int>(w / blur), smallH = static_cast<int>(h / blur);

    // The glow: the text drawn small and scaled up again blurs it.
    gfx::Bitmap sharp = gfx::Bitmap::create(w, h, gfx::PixelFormat32bppARGB);
    {
        gfx::Graphics onSharp = gfx::Graphics::fromImage(sharp);
        gfx::SolidBrush glow = gfx::SolidBrush::create(toArgb(glowColour));
        onSharp.drawString(text, font, glow, gfx::RectF{0, 0, static_cast<float>(w), static_cast<float>(h)}, format);
    }
    gfx::Bitmap small = gfx::Bitmap::create(smallW, smallH, gfx::PixelFormat32bppARGB);
    {
        gfx::Graphics onSmall = gfx::Graphics::fromImage(small);
        onSmall.setInterpolationMode(gfx::InterpolationMode::HighQualityBicubic);
        onSmall.setCompositingQuality(gfx::CompositingQuality::HighQuality);
        onSmall.setPixelOffsetMode(gfx::PixelOffsetMode::None);
        onSmall.drawImage(sharp, 0, 0, static_cast<float>(smallW), static_cast<float>(smallH));
    }
    gfx::Bitmap blurred = gfx::Bitmap::create(w, h, gfx::PixelFormat32bppARGB);
    {
        gfx::Graphics onBlurred = gfx::Graphics::fromImage(blurred);
        onBlurred.setCompositingQuality(gfx::CompositingQuality::GammaCorrected);
        onBlurred.setInterpolationMode(gfx::InterpolationMode::HighQualityBicubic);
        onBlurred.setSmoothingMode(gfx::SmoothingMode::AntiAlias);
        onBlurred.drawImage(small, 1, 1, static_cast<float>(w), static_cast<float>(h));
    }
    g.drawImage(blurred, rect.x, rect.y);

    gfx::SolidBrush faint = gfx::SolidBrush::create(toArgb(glowColour, 60));
    for (auto [dx, dy] : {std::pair{0.0f, 1.0f}, {2.0f, 1.0f}, {1.0f, 0.0f}, {1.0f, 2.0f}})
        g.drawString(text, font, faint, offsetRect(rect, dx, dy), format);
    gfx::SolidBrush plain = gfx::SolidBrush::create(toArgb(textColour));
    g.drawString(text, font, plain, offsetRect(rect, 1, 1), format);
}

namespace {

template <typename... Args>
int callWith(void* routine, bool callerCleans, Args... args) {
    if (callerCleans) return reinterpret_cast<int(__cdecl*)(Args...)>(routine)(args...);
    return reinterpret_cast<int(__stdcall*)(Args...)>(routine)(args...);
}

}  // namespace

int invokeCallback(const Callback& callback, const std::vector<int>& a, bool callerCleans) {
    if (!callback) return 0;
    void* f = callback.routine;
    switch (a.size()) {
    case 0: return callWith(f, callerCleans);
    case 1: return callWith(f, callerCleans, a[0]);
    case 2: return callWith(f, callerCleans, a[0], a[1]);
    case 3: return callWith(f, callerCleans, a[0], a[1], a[2]);
    case 4: return callWith(f, callerCleans, a[0], a[1], a[2], a[3]);
    case 5: return callWith(f, callerCleans, a[0], a[1], a[2], a[3], a[4]);
    case 6: return callWith(f, callerCleans, a[0], a[1], a[2], a[3], a[4], a[5]);
    case 7: return callWith(f, callerCleans, a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
    case 8: return callWith(f, callerCleans, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
    default: return 0;
    }
}

}  // namespace skin
