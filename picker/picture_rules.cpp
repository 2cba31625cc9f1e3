#include "picker/picture_rules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "gfx/types.h"

namespace picker {

namespace {

// The GDI+ format identifiers in the order they are compared.
constexpr std::array<std::pair<const char*, PictureFormat>, 8> kRawFormats{{
    {gfx::format::Bmp, PictureFormat::Bmp},
    {gfx::format::Jpeg, PictureFormat::Jpeg},
    {gfx::format::Gif, PictureFormat::Gif},
    {gfx::format::Emf, PictureFormat::Emf},
    {gfx::format::Wmf, PictureFormat::Wmf},
    {gfx::format::Tiff, PictureFormat::Tiff},
    {gfx::format::Png, PictureFormat::Png},
    {gfx::format::Icon, PictureFormat::Icon},
}};

// Reading integers from a byte run that may end early: every read says
// whether the bytes were there.
class ByteReader {
public:
    explicit ByteReader(std::span<const BYTE> b) : b_(b) {}
    size_t size() const { return b_.size(); }
    bool has(size_t at, size_t n) const { return at <= b_.size() && n <= b_.size() - at; }
    std::optional<std::uint32_t> u8(size_t at) const {
        if (!has(at, 1)) return std::nullopt;
        return b_[at];
    }
    std::optional<std::uint32_t> le16(size_t at) const {
        if (!has(at, 2)) return std::nullopt;
        return b_[at] | (b_[at + 1] << 8);
    }
    std::optional<std::uint32_t> be16(size_t at) const {
        if (!has(at, 2)) return std::nullopt;
        return (b_[at] << 8) | b_[at + 1];
    }
    std::optional<std::uint32_t> le32(size_t at) const {
        if (!has(at, 4)) return std::nullopt;
        return b_[at] | (b_[at + 1] << 8) | (b_[at + 2] << 16) | (static_cast<std::uint32_t>(b_[at + 3]) << 24);
    }
    std::optional<std::uint32_t> be32(size_t at) const {
        if (!has(at, 4)) return std::nullopt;
        return (static_cast<std::uint32_t>(b_[at]) << 24) | (b_[at + 1] << 16) | (b_[at + 2] << 8) | b_[at + 3];
    }
    bool startsWith(size_t at, std::string_view text) const {
        return has(at, text.size()) && std::memcmp(b_.data() + at, text.data(), text.size()) == 0;
    }
    std::span<const BYTE> from(size_t at) const { return at <= b_.size() ? b_.subspan(at) : std::span<const BYTE>{}; }

private:
    std::span<const BYTE> b_;
};

using Size = std::pair<std::optional<std::uint32_t>, std::optional<std::uint32_t>>;

constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

Size pngSize(const ByteReader& b) { return {b.be32(16), b.be32(20)}; }

// Signed 32-bit field whose magnitude is the size (a BMP's height is negative
// for top-down rows).
std::optional<std::uint32_t> magnitude(std::optional<std::uint32_t> field) {
    if (!field) return std::nullopt;
    const auto value = static_cast<std::int64_t>(static_cast<std::int32_t>(*field));
    return static_cast<std::uint32_t>(value < 0 ? -value : value);
}

Size bmpSize(const ByteReader& b) {
    auto header = b.le32(14);
    if (!header) return {};
    if (*header == 12) return {b.le16(18), b.le16(20)};
    return {magnitude(b.le32(18)), magnitude(b.le32(22))};
}

// The first frame's extent counts as well as the logical screen: a frame
// may reach beyond it.
Size gifSize(const ByteReader& b) {
    auto w = b.le16(6), h = b.le16(8), flags = b.u8(10);
    if (!w || !h || !flags) return {w, h};
    size_t at = 13 + ((*flags & 0x80) ? 3u * (2u << (*flags & 7)) : 0u);
    while (auto tag = b.u8(at)) {
        if (*tag == 0x2C) {
            auto left = b.le16(at + 1), top = b.le16(at + 3), fw = b.le16(at + 5), fh = b.le16(at + 7);
            if (left && top && fw && fh) return {std::max(*w, *left + *fw), std::max(*h, *top + *fh)};
            break;
        }
        if (*tag != 0x21) break;
        at += 2;  // introducer and label, then sub-blocks up to an empty one
        while (auto length = b.u8(at)) {
            at += 1 + *length;
            if (*length == 0) break;
        }
    }
    return {w, h};
}

// Walks the markers up to the first frame header; a scan or the end before
// it leaves the size unknown.
Size jpegSize(const ByteReader& b) {
    size_t at = 2;
    for (;;) {
        auto ff = b.u8(at);
        if (!ff || *ff != 0xFF) return {};
        auto marker = b.u8(at + 1);
        while (marker && *marker == 0xFF) marker = b.u8(++at + 1);  // fill bytes
        if (!marker) return {};
        at += 2;
        const std::uint32_t m = *marker;
        if (m == 0x01 || m == 0xD8 || (m >= 0xD0 && m <= 0xD7)) continue;  // no length
        if (m == 0xD9 || m == 0xDA) return {};
        auto length = b.be16(at);
        if (!length || *length < 2) return {};
        if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) return {b.be16(at + 5), b.be16(at + 3)};
        at += *length;
    }
}

Size tiffSize(const ByteReader& b) {
    const bool little = b.startsWith(0, "II");
    auto u16 = [&](size_t at) { return little ? b.le16(at) : b.be16(at); };
    auto u32 = [&](size_t at) { return little ? b.le32(at) : b.be32(at); };
    auto ifd = u32(4);
    if (!ifd) return {};
    auto count = u16(*ifd);
    if (!count) return {};
    Size size;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const size_t entry = *ifd + 2 + 12 * static_cast<size_t>(i);
        auto tag = u16(entry), type = u16(entry + 2);
        if (!tag || !type) break;
        if (*tag != 256 && *tag != 257) continue;
        auto value = *type == 3 ? u16(entry + 8) : *type == 4 ? u32(entry + 8) : std::nullopt;
        (*tag == 256 ? size.first : size.second) = value;
    }
    return size;
}

// Every entry of the directory, and the picture inside it when the bytes
// show it (a PNG, or a bitmap whose height counts the mask rows too).
Size iconSize(const ByteReader& b) {
    auto count = b.le16(4);
    if (!count || *count == 0) return {};
    std::uint32_t w = 0, h = 0;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const size_t entry = 6 + 16 * static_cast<size_t>(i);
        auto ew = b.u8(entry), eh = b.u8(entry + 1), offset = b.le32(entry + 12);
        if (!ew || !eh || !offset) return {};
        w = std::max(w, *ew ? *ew : 256u);
        h = std::max(h, *eh ? *eh : 256u);
        ByteReader inner(b.from(*offset));
        if (inner.startsWith(0, kPngSignature)) {
            auto [pw, ph] = pngSize(inner);
            w = std::max(w, pw.value_or(0));
            h = std::max(h, ph.value_or(0));
        } else if (inner.le32(0) == 40u) {
            w = std::max(w, magnitude(inner.le32(4)).value_or(0));
            h = std::max(h, magnitude(inner.le32(8)).value_or(0) / 2);
        }
    }
    return {w, h};
}

}  // namespace

const char* formatName(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp: return "BMP";
    case PictureFormat::Jpeg: return "JPEG";
    case PictureFormat::Gif: return "GIF";
    case PictureFormat::Emf: return "EMF";
    case PictureFormat::Wmf: return "WMF";
    case PictureFormat::Tiff: return "TIFF";
    case PictureFormat::Png: return "PNG";
    case PictureFormat::Icon: return "ICO";
    case PictureFormat::Unknown: break;
    }
    return "未知";
}

PictureFormat formatOfRawFormat(std::string_view guidText) {
    auto same = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
               });
    };
    for (const auto& [guid, format] : kRawFormats)
        if (same(guidText, guid)) return format;
    return PictureFormat::Unknown;
}

std::string sizeText(std::uint64_t bytes) {
    const double kb = static_cast<double>(bytes) / 1024;
    const double mb = kb / 1024;
    const bool megabytes = mb - 1 > 1e-7;
    // std::round rounds halves away from zero.
    const double shown = std::round((megabytes ? mb : kb) * 10) / 10;
    char text[64];
    std::snprintf(text, sizeof text, "%.13g%s", shown, megabytes ? " MB" : " KB");
    return text;
}

std::string dimensionText(float pixels) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g 像素", static_cast<double>(pixels));
    return text;
}

std::string typeText(PictureFormat format) { return std::string(formatName(format)) + " 图片"; }

std::optional<DeclaredPicture> readDeclaredPicture(std::span<const BYTE> head) {
    const ByteReader b(head);
    auto declared = [](PictureFormat format, Size size = {}) {
        return DeclaredPicture{format, size.first, size.second};
    };
    if (b.startsWith(0, kPngSignature)) return declared(PictureFormat::Png, pngSize(b));
    if (b.startsWith(0, "GIF87a") || b.startsWith(0, "GIF89a")) return declared(PictureFormat::Gif, gifSize(b));
    if (b.startsWith(0, "BM")) return declared(PictureFormat::Bmp, bmpSize(b));
    if (b.startsWith(0, "\xFF\xD8")) return declared(PictureFormat::Jpeg, jpegSize(b));
    if (b.startsWith(0, std::string_view("II*\0", 4)) || b.startsWith(0, std::string_view("MM\0*", 4)))
        return declared(PictureFormat::Tiff, tiffSize(b));
    if (b.startsWith(0, std::string_view("\0\0\1\0", 4))) return declared(PictureFormat::Icon, iconSize(b));
    if (b.le32(0) == 1u && b.le32(40) == 0x464D4520u) return declared(PictureFormat::Emf);  // " EMF"
    if (b.le32(0) == 0x9AC6CDD7u) return declared(PictureFormat::Wmf);                      // placeable
    auto type = b.le16(0), headerWords = b.le16(2), version = b.le16(4);
    if (type && (*type == 1 || *type == 2) && headerWords == 9u && (version == 0x100u || version == 0x300u))
        return declared(PictureFormat::Wmf);
    return std::nullopt;
}

bool withinPixelLimit(std::uint64_t width, std::uint64_t height) {
    return width >= 1 && height >= 1 && width * height <= kMaxPicturePixels;
}

Verdict judgePicture(std::optional<std::uint64_t> fileSize, const std::optional<DeclaredPicture>& declared) {
    if (!fileSize || *fileSize == 0) return Verdict::NotAPicture;
    if (*fileSize > kMaxPictureFileBytes) return Verdict::FileTooLarge;
    if (!declared) return Verdict::NotAPicture;
    if (isMetafile(declared->format)) return Verdict::Decode;
    if (!declared->width || !declared->height || *declared->width == 0 || *declared->height == 0)
        return Verdict::NotAPicture;
    return withinPixelLimit(*declared->width, *declared->height) ? Verdict::Decode : Verdict::TooManyPixels;
}

}  // namespace picker
