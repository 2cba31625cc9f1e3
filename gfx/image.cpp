#include "gfx/image.h"

#include <objbase.h>

#include <cstring>
#include <vector>

#include "gfx/flat.h"
#include "gfx/status.h"
#include "gfx/wide.h"

namespace gfx {

namespace {

// The CLSID of the first installed encoder for the format; all zero when
// there is none, which the save call then rejects.
CLSID encoderFor(std::string_view formatText) {
    CLSID clsid{};
    GUID format{};
    if (!detail::parseGuid(formatText, format)) return clsid;
    UINT count = 0;
    UINT size = 0;
    if (!detail::record(flat::GdipGetImageEncodersSize(&count, &size)) || count == 0 ||
        size < count * sizeof(flat::ImageCodecInfo))
        return clsid;
    std::vector<flat::ImageCodecInfo> buffer(size / sizeof(flat::ImageCodecInfo) + 1);
    if (!detail::record(flat::GdipGetImageEncoders(count, size, buffer.data()))) return clsid;
    for (UINT i = 0; i < count; ++i)
        if (IsEqualGUID(buffer[i].formatId, format)) return buffer[i].clsid;
    return clsid;
}

}  // namespace

// ---- Image ----

Image& Image::operator=(Image&& o) noexcept {
    if (this != &o) {
        dispose();
        image_ = std::move(o.image_);
        source_ = std::move(o.source_);
    }
    return *this;
}

template <typename Load>
bool Image::loadFromBytes(Image& target, std::span<const BYTE> bytes, Load load) {
    IStream* stream = target.source_.fromBytes(bytes);
    if (!stream) return detail::record(Status::OutOfMemory);
    if (detail::record(load(stream, target.out()))) return true;
    target.source_.release();
    return false;
}

Image Image::fromFile(std::string_view fileName, bool useIcm) {
    return fromFile(std::wstring_view(detail::widen(fileName)), useIcm);
}

Image Image::fromFile(std::wstring_view fileName, bool useIcm) {
    Image image;
    std::wstring name(fileName);
    detail::record(useIcm ? flat::GdipLoadImageFromFileICM(name.c_str(), image.out())
                          : flat::GdipLoadImageFromFile(name.c_str(), image.out()));
    return image;
}

Image Image::fromBytes(std::span<const BYTE> bytes, bool useIcm) {
    Image image;
    loadFromBytes(image, bytes, useIcm ? flat::GdipLoadImageFromStreamICM : flat::GdipLoadImageFromStream);
    return image;
}

bool Image::dispose() {
    // The native image may still read from its stream while it goes, so the
    // stream is released only afterwards.
    bool disposed = image_.dispose();
    source_.release();
    return disposed;
}

int Image::width() const {
    UINT w = 0;
    return detail::record(flat::GdipGetImageWidth(handle(), &w)) ? static_cast<int>(w) : 0;
}

int Image::height() const {
    UINT h = 0;
    return detail::record(flat::GdipGetImageHeight(handle(), &h)) ? static_cast<int>(h) : 0;
}

SizeF Image::dimension() const {
    SizeF size;
    if (!detail::record(flat::GdipGetImageDimension(handle(), &size.width, &size.height))) size = {};
    return size;
}

std::string Image::rawFormat() const {
    GUID format{};
    if (!detail::record(flat::GdipGetImageRawFormat(handle(), &format))) return {};
    return detail::guidText(format);
}

bool Image::saveToFile(std::string_view fileName, std::optional<std::string_view> format) const {
    std::string own = format ? std::string() : rawFormat();
    CLSID encoder = encoderFor(format ? *format : own);
    std::wstring name = detail::widen(fileName);
    return detail::record(flat::GdipSaveImageToFile(handle(), name.c_str(), &encoder, nullptr));
}

Bytes Image::saveToBytes(std::optional<std::string_view> format) const {
    std::string own = format ? std::string() : rawFormat();
    CLSID encoder = encoderFor(format ? *format : own);
    MemoryStream out;
    IStream* stream = out.fromBytes({});
    if (!stream) {
        detail::record(Status::OutOfMemory);
        return {};
    }
    if (!detail::record(flat::GdipSaveImageToStream(handle(), stream, &encoder, nullptr))) return {};
    return out.toBytes();
}

// ---- Bitmap ----

Bitmap Bitmap::create(int width, int height, PixelFormat format) {
    Bitmap bitmap;
    detail::record(flat::GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, bitmap.out()));
    return bitmap;
}

Bitmap Bitmap::fromFile(std::string_view fileName, bool useIcm) {
    return fromFile(std::wstring_view(detail::widen(fileName)), useIcm);
}

Bitmap Bitmap::fromFile(std::wstring_view fileName, bool useIcm) {
    Bitmap bitmap;
    std::wstring name(fileName);
    detail::record(useIcm ? flat::GdipCreateBitmapFromFileICM(name.c_str(), bitmap.out())
                          : flat::GdipCreateBitmapFromFile(name.c_str(), bitmap.out()));
    return bitmap;
}

Bitmap Bitmap::fromBytes(std::span<const BYTE> bytes, bool useIcm) {
    Bitmap bitmap;
    loadFromBytes(bitmap, bytes, useIcm ? flat::GdipCreateBitmapFromStreamICM : flat::GdipCreateBitmapFromStream);
    return bitmap;
}

Bitmap Bitmap::fromIcon(HICON icon) {
    Bitmap bitmap;
    detail::record(flat::GdipCreateBitmapFromHICON(icon, bitmap.out()));
    return bitmap;
}

HBITMAP Bitmap::toHbitmap(ARGB background) const {
    HBITMAP result = nullptr;
    if (!detail::record(flat::GdipCreateHBITMAPFromBitmap(handle(), &result, background))) return nullptr;
    return result;
}

bool Image::isRaster() const {
    constexpr UINT kRaster = 1;
    UINT type = 0;
    return image_.get() && detail::record(flat::GdipGetImageType(handle(), &type)) && type == kRaster;
}

ARGB Image::pixel(int x, int y) const {
    if (!isRaster()) return 0;
    ARGB colour = 0;
    return detail::record(flat::GdipBitmapGetPixel(handle(), x, y, &colour)) ? colour : 0;
}

ARGB Bitmap::getPixel(int x, int y) const {
    ARGB colour = 0;
    return detail::record(flat::GdipBitmapGetPixel(handle(), x, y, &colour)) ? colour : 0;
}

bool Bitmap::setPixel(int x, int y, ARGB colour) {
    return detail::record(flat::GdipBitmapSetPixel(handle(), x, y, colour));
}

// ---- Metafiles ----

std::optional<Rect> metafileBounds(std::string_view fileName) {
    flat::MetafileHeaderBytes header{};
    std::wstring name = detail::widen(fileName);
    if (!detail::record(flat::GdipGetMetafileHeaderFromFile(name.c_str(), &header))) return std::nullopt;
    INT fields[4];
    std::memcpy(fields, header.bytes + 24, sizeof fields);
    return Rect{fields[0], fields[1], fields[2], fields[3]};
}

}  // namespace gfx
