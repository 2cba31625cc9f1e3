#pragma once
// Pictures: Image holds any decoded picture, Bitmap a raster one that can
// also be made empty, read and written pixel by pixel and handed to GDI.
#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gfx/native.h"
#include "gfx/stream.h"
#include "gfx/types.h"

namespace gfx {

class Image {
public:
    Image() = default;
    Image(Image&&) noexcept = default;
    Image& operator=(Image&& o) noexcept;
    ~Image() = default;  // the image goes before the stream it was read from

    // A picture file; the name is in the system code page or UTF-16.
    static Image fromFile(std::string_view fileName, bool useIcm = false);
    static Image fromFile(std::wstring_view fileName, bool useIcm = false);
    // An encoded picture.  The bytes are copied once into a stream that the
    // image keeps until it is disposed, so the caller's copy may go at once.
    static Image fromBytes(std::span<const BYTE> bytes, bool useIcm = false);

    GpImage* handle() const { return image_.get(); }
    explicit operator bool() const { return image_.get() != nullptr; }

    // Disposes the native image, then releases the stream it was read from.
    // False, and no call, when there is no image.
    bool dispose();

    int width() const;
    int height() const;
    SizeF dimension() const;
    // The format the picture was decoded from, as GUID text (see gfx::format);
    // empty when it cannot be read.
    std::string rawFormat() const;
    // Whether the picture is a raster one (not a metafile).
    bool isRaster() const;
    // One pixel of a raster picture, as Bitmap::getPixel reads it; 0 when it
    // cannot be read or the picture is a metafile.
    ARGB pixel(int x, int y) const;

    // Encodes with the installed encoder of the given format (GUID text), or
    // of the picture's own format when none is given.  A format without an
    // encoder fails.
    bool saveToFile(std::string_view fileName, std::optional<std::string_view> format = std::nullopt) const;
    // The encoded picture: the whole global block that received it, which
    // may run a few bytes past the encoder's output.  Empty on failure.
    Bytes saveToBytes(std::optional<std::string_view> format = std::nullopt) const;

protected:
    GpImage** out() { return image_.out(); }
    // For the stream-based constructors of Image and Bitmap.
    template <typename Load>
    static bool loadFromBytes(Image& target, std::span<const BYTE> bytes, Load load);

    // In this order, so that the image is destroyed before its stream.
    MemoryStream source_;
    detail::Native<GpImage, detail::disposeImage> image_;
};

class Bitmap : public Image {
public:
    Bitmap() = default;

    // A new bitmap of the given size, all pixels zero.  A size of 0 fails.
    static Bitmap create(int width, int height, PixelFormat format = PixelFormat32bppARGB);
    static Bitmap fromFile(std::string_view fileName, bool useIcm = false);
    static Bitmap fromFile(std::wstring_view fileName, bool useIcm = false);
    // As Image::fromBytes: the bitmap keeps its copy of the bytes.
    static Bitmap fromBytes(std::span<const BYTE> bytes, bool useIcm = false);
    static Bitmap fromIcon(HICON icon);

    // A new 32-bit GDI bitmap of the picture over the background colour; the
    // caller owns it.  0 on failure.
    HBITMAP toHbitmap(ARGB background) const;

    // 0 when the pixel cannot be read.
    ARGB getPixel(int x, int y) const;
    bool setPixel(int x, int y, ARGB colour);
};

// The bounds (X, Y, Width, Height) in the header of an EMF or WMF file;
// nothing when the header cannot be read.
std::optional<Rect> metafileBounds(std::string_view fileName);

}  // namespace gfx
