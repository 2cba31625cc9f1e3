#include "picker/picture_file.h"

#include <algorithm>

#include "gfx/graphics.h"
#include "gfx/status.h"
#include "win/handles.h"

namespace picker {

namespace {

// Reading a pixel makes GDI+ decode a picture it has only looked at so far;
// a picture whose data is broken fails here.
bool pixelsReadable(const gfx::Bitmap& bitmap) {
    const int w = bitmap.width(), h = bitmap.height();
    if (!withinPixelLimit(static_cast<std::uint64_t>(std::max(w, 0)), static_cast<std::uint64_t>(std::max(h, 0))))
        return false;
    for (POINT p : {POINT{w / 2, h / 2}, POINT{w - 1, h - 1}}) {
        bitmap.getPixel(p.x, p.y);
        if (gfx::lastStatus() != gfx::Status::Ok) return false;
    }
    return true;
}

std::optional<gfx::Bytes> rasterisedMetafile(const gfx::Bytes& bytes) {
    gfx::Image picture = gfx::Image::fromBytes(bytes);
    const int w = picture ? picture.width() : 0, h = picture ? picture.height() : 0;
    if (!withinPixelLimit(static_cast<std::uint64_t>(std::max(w, 0)), static_cast<std::uint64_t>(std::max(h, 0))))
        return std::nullopt;
    // Without an alpha channel: played into one, a metafile leaves its
    // pixels transparent.
    gfx::Bitmap canvas = gfx::Bitmap::create(w, h, gfx::PixelFormat24bppRGB);
    {
        gfx::Graphics g = gfx::Graphics::fromImage(canvas);
        if (!g || !g.clear(0xFFFFFFFF) || !g.drawImage(picture, 0, 0, static_cast<float>(w), static_cast<float>(h)))
            return std::nullopt;
    }
    gfx::Bytes png = canvas.saveToBytes(gfx::format::Png);
    if (png.empty()) return std::nullopt;
    return png;
}

}  // namespace

std::optional<std::uint64_t> fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::optional<gfx::Bytes> readFileBytes(const std::string& path, std::uint64_t maxBytes) {
    auto file = win::adoptFileHandle<win::OwnedHandle>(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
    const std::uint64_t wanted = std::min<std::uint64_t>(static_cast<std::uint64_t>(size.QuadPart), maxBytes);
    gfx::Bytes bytes(static_cast<size_t>(wanted));
    size_t got = 0;
    while (got < bytes.size()) {
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - got, 1 << 20));
        if (!ReadFile(file.get(), bytes.data() + got, chunk, &n, nullptr)) return std::nullopt;
        if (n == 0) break;  // the file has become shorter
        got += n;
    }
    bytes.resize(got);
    return bytes;
}

PictureFile inspectPictureFile(const std::string& path) {
    PictureFile file;
    file.size = fileSize(path);
    // A file that grows between the two reads is still bounded: one byte
    // more than the limit is enough to refuse it.
    const bool whole = file.size && *file.size <= kMaxPictureFileBytes;
    std::optional<gfx::Bytes> bytes = readFileBytes(path, whole ? kMaxPictureFileBytes + 1 : kHeadBytes);
    if (!bytes) return file;
    file.declared = readDeclaredPicture(*bytes);
    const std::optional<std::uint64_t> size = whole ? std::optional<std::uint64_t>(bytes->size()) : file.size;
    file.verdict = judgePicture(size, file.declared);
    if (file.verdict == Verdict::Decode) file.bytes = std::move(*bytes);
    return file;
}

PictureFormat imageFormat(const gfx::Image& image) {
    return image ? formatOfRawFormat(image.rawFormat()) : PictureFormat::Unknown;
}

std::optional<gfx::Bytes> loadPictureFile(const std::string& path) {
    PictureFile file = inspectPictureFile(path);
    if (file.verdict != Verdict::Decode) return std::nullopt;
    if (gfx::Bitmap bitmap = gfx::Bitmap::fromBytes(file.bytes)) {
        if (!pixelsReadable(bitmap)) return std::nullopt;
        return std::move(file.bytes);
    }
    if (isMetafile(file.declared->format)) return rasterisedMetafile(file.bytes);
    return std::nullopt;
}

}  // namespace picker
