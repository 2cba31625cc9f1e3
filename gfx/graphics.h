#pragma once
// A drawing surface over a device context, a window or a picture.
#include <windows.h>

#include <string_view>

#include "gfx/native.h"
#include "gfx/types.h"

namespace gfx {

class Image;
class Pen;
class Brush;
class GraphicsPath;
class Region;
class Font;
class StringFormat;

class Graphics {
public:
    Graphics() = default;

    // GdipCreateFromHDC, or GdipCreateFromHDC2 when a device handle is given.
    static Graphics fromHdc(HDC dc, HANDLE device = nullptr);
    static Graphics fromHwnd(HWND window, bool useIcm = false);
    // Draws into the picture, which must outlive this object.
    static Graphics fromImage(Image& image);

    GpGraphics* handle() const { return graphics_.get(); }
    explicit operator bool() const { return graphics_.get() != nullptr; }
    // GdipDeleteGraphics; false, and no call, when there is nothing to delete.
    bool dispose() { return graphics_.dispose(); }

    bool setCompositingMode(CompositingMode mode);
    bool setCompositingQuality(CompositingQuality quality);
    bool setSmoothingMode(SmoothingMode mode);
    SmoothingMode smoothingMode() const;
    bool setInterpolationMode(InterpolationMode mode);
    bool setPixelOffsetMode(PixelOffsetMode mode);
    bool setTextRenderingHint(TextRenderingHint hint);

    bool clear(ARGB colour);
    bool drawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    bool drawRectangle(const Pen& pen, float x, float y, float width, float height);
    bool fillRectangle(const Brush& brush, float x, float y, float width, float height);
    bool fillRectangle(const Brush& brush, const RectF& rect);
    bool drawEllipse(const Pen& pen, float x, float y, float width, float height);
    bool fillEllipse(const Brush& brush, float x, float y, float width, float height);
    bool drawPath(const Pen& pen, const GraphicsPath& path);
    bool fillPath(const Brush& brush, const GraphicsPath& path);
    bool fillRegion(const Brush& brush, const Region& region);

    // Text in the system code page or in UTF-16.  Without a string format
    // (or with an empty one) GDI+ lays the text out with its defaults.
    bool drawString(std::string_view text, const Font& font, const Brush& brush, const RectF& layout);
    bool drawString(std::string_view text, const Font& font, const Brush& brush, const RectF& layout,
                    const StringFormat& format);
    bool drawString(std::wstring_view text, const Font& font, const Brush& brush, const RectF& layout,
                    const StringFormat& format);
    // The bounding box of the text laid out in the rectangle; box is left
    // unchanged when measuring fails.
    bool measureString(std::string_view text, const Font& font, const RectF& layout, RectF& box);
    bool measureString(std::string_view text, const Font& font, const RectF& layout, const StringFormat& format,
                       RectF& box);
    bool measureString(std::wstring_view text, const Font& font, const RectF& layout, const StringFormat& format,
                       RectF& box);

    // The picture at its natural size.
    bool drawImage(const Image& image, float x, float y);
    // The whole picture stretched into the rectangle; the source rectangle
    // is the picture's width and height read in the given unit.
    bool drawImage(const Image& image, float x, float y, float width, float height, Unit sourceUnit = Unit::Pixel);
    // Part of the picture stretched into a rectangle.
    bool drawImage(const Image& image, const RectF& destination, const RectF& source, Unit sourceUnit = Unit::Pixel);

    bool setClip(const GraphicsPath& path, CombineMode mode);
    bool setClip(float x, float y, float width, float height, CombineMode mode);
    bool setClip(const Region& region, CombineMode mode);
    bool resetClip();

private:
    detail::Native<GpGraphics, detail::deleteGraphics> graphics_;
};

}  // namespace gfx
