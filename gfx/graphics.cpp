#include "gfx/graphics.h"

#include <string>

#include "gfx/brushes.h"
#include "gfx/flat.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "gfx/region.h"
#include "gfx/text.h"
#include "gfx/wide.h"

namespace gfx {

using detail::record;

Graphics Graphics::fromHdc(HDC dc, HANDLE device) {
    Graphics g;
    record(device ? flat::GdipCreateFromHDC2(dc, device, g.graphics_.out())
                  : flat::GdipCreateFromHDC(dc, g.graphics_.out()));
    return g;
}

Graphics Graphics::fromHwnd(HWND window, bool useIcm) {
    Graphics g;
    record(useIcm ? flat::GdipCreateFromHWNDICM(window, g.graphics_.out())
                  : flat::GdipCreateFromHWND(window, g.graphics_.out()));
    return g;
}

Graphics Graphics::fromImage(Image& image) {
    Graphics g;
    record(flat::GdipGetImageGraphicsContext(image.handle(), g.graphics_.out()));
    return g;
}

bool Graphics::setCompositingMode(CompositingMode mode) {
    return record(flat::GdipSetCompositingMode(handle(), static_cast<int>(mode)));
}

bool Graphics::setCompositingQuality(CompositingQuality quality) {
    return record(flat::GdipSetCompositingQuality(handle(), static_cast<int>(quality)));
}

bool Graphics::setSmoothingMode(SmoothingMode mode) {
    return record(flat::GdipSetSmoothingMode(handle(), static_cast<int>(mode)));
}

SmoothingMode Graphics::smoothingMode() const {
    int mode = 0;
    return record(flat::GdipGetSmoothingMode(handle(), &mode)) ? static_cast<SmoothingMode>(mode)
                                                               : SmoothingMode::Default;
}

bool Graphics::setInterpolationMode(InterpolationMode mode) {
    return record(flat::GdipSetInterpolationMode(handle(), static_cast<int>(mode)));
}

bool Graphics::setPixelOffsetMode(PixelOffsetMode mode) {
    return record(flat::GdipSetPixelOffsetMode(handle(), static_cast<int>(mode)));
}

bool Graphics::setTextRenderingHint(TextRenderingHint hint) {
    return record(flat::GdipSetTextRenderingHint(handle(), static_cast<int>(hint)));
}

bool Graphics::clear(ARGB colour) { return record(flat::GdipGraphicsClear(handle(), colour)); }

bool Graphics::drawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
    return record(flat::GdipDrawLine(handle(), pen.handle(), x1, y1, x2, y2));
}

bool Graphics::drawRectangle(const Pen& pen, float x, float y, float width, float height) {
    return record(flat::GdipDrawRectangle(handle(), pen.handle(), x, y, width, height));
}

bool Graphics::fillRectangle(const Brush& brush, float x, float y, float width, float height) {
    return record(flat::GdipFillRectangle(handle(), brush.handle(), x, y, width, height));
}

bool Graphics::fillRectangle(const Brush& brush, const RectF& rect) {
    return fillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

bool Graphics::drawEllipse(const Pen& pen, float x, float y, float width, float height) {
    return record(flat::GdipDrawEllipse(handle(), pen.handle(), x, y, width, height));
}

bool Graphics::fillEllipse(const Brush& brush, float x, float y, float width, float height) {
    return record(flat::GdipFillEllipse(handle(), brush.handle(), x, y, width, height));
}

bool Graphics::drawPath(const Pen& pen, const GraphicsPath& path) {
    return record(flat::GdipDrawPath(handle(), pen.handle(), path.handle()));
}

bool Graphics::fillPath(const Brush& brush, const GraphicsPath& path) {
    return record(flat::GdipFillPath(handle(), brush.handle(), path.handle()));
}

bool Graphics::fillRegion(const Brush& brush, const Region& region) {
    return record(flat::GdipFillRegion(handle(), brush.handle(), region.handle()));
}

// ---- Text ----

namespace {

bool drawWide(GpGraphics* g, const std::wstring& text, const Font& font, const Brush& brush, const RectF& layout,
              GpStringFormat* format) {
    return record(flat::GdipDrawString(g, text.c_str(), static_cast<INT>(text.size()), font.handle(), &layout, format,
                                       brush.handle()));
}

bool measureWide(GpGraphics* g, const std::wstring& text, const Font& font, const RectF& layout, GpStringFormat* format,
                 RectF& box) {
    RectF measured;
    if (!record(flat::GdipMeasureString(g, text.c_str(), static_cast<INT>(text.size()), font.handle(), &layout, format,
                                        &measured, nullptr, nullptr)))
        return false;
    box = measured;
    return true;
}

}  // namespace

bool Graphics::drawString(std::string_view text, const Font& font, const Brush& brush, const RectF& layout) {
    return drawWide(handle(), detail::widen(text), font, brush, layout, nullptr);
}

bool Graphics::drawString(std::string_view text, const Font& font, const Brush& brush, const RectF& layout,
                          const StringFormat& format) {
    return drawWide(handle(), detail::widen(text), font, brush, layout, format.handle());
}

bool Graphics::drawString(std::wstring_view text, const Font& font, const Brush& brush, const RectF& layout,
                          const StringFormat& format) {
    // Up to the first terminator, as lstrlenW would count it.
    return drawWide(handle(), std::wstring(text.substr(0, text.find(L'\0'))), font, brush, layout, format.handle());
}

bool Graphics::measureString(std::string_view text, const Font& font, const RectF& layout, RectF& box) {
    return measureWide(handle(), detail::widen(text), font, layout, nullptr, box);
}

bool Graphics::measureString(std::string_view text, const Font& font, const RectF& layout, const StringFormat& format,
                             RectF& box) {
    return measureWide(handle(), detail::widen(text), font, layout, format.handle(), box);
}

bool Graphics::measureString(std::wstring_view text, const Font& font, const RectF& layout, const StringFormat& format,
                             RectF& box) {
    return measureWide(handle(), std::wstring(text.substr(0, text.find(L'\0'))), font, layout, format.handle(), box);
}

// ---- Pictures ----

bool Graphics::drawImage(const Image& image, float x, float y) {
    return record(flat::GdipDrawImage(handle(), image.handle(), x, y));
}

bool Graphics::drawImage(const Image& image, float x, float y, float width, float height, Unit sourceUnit) {
    RectF source{0, 0, static_cast<float>(image.width()), static_cast<float>(image.height())};
    return drawImage(image, RectF{x, y, width, height}, source, sourceUnit);
}

bool Graphics::drawImage(const Image& image, const RectF& destination, const RectF& source, Unit sourceUnit) {
    return record(flat::GdipDrawImageRectRect(handle(), image.handle(), destination.x, destination.y, destination.width,
                                              destination.height, source.x, source.y, source.width, source.height,
                                              static_cast<int>(sourceUnit), nullptr, nullptr, nullptr));
}

// ---- Clipping ----

bool Graphics::setClip(const GraphicsPath& path, CombineMode mode) {
    return record(flat::GdipSetClipPath(handle(), path.handle(), static_cast<int>(mode)));
}

bool Graphics::setClip(float x, float y, float width, float height, CombineMode mode) {
    return record(flat::GdipSetClipRect(handle(), x, y, width, height, static_cast<int>(mode)));
}

bool Graphics::setClip(const Region& region, CombineMode mode) {
    return record(flat::GdipSetClipRegion(handle(), region.handle(), static_cast<int>(mode)));
}

bool Graphics::resetClip() { return record(flat::GdipResetClip(handle())); }

}  // namespace gfx
