#pragma once
// Rules about picture files that are values in, values out: the texts the
// picker's panel shows, the formats, what a file's header declares and which
// pictures the program refuses to decode.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace picker {

// The formats the picker names, in the order their GDI+ format identifiers
// are compared.
enum class PictureFormat { Bmp, Jpeg, Gif, Emf, Wmf, Tiff, Png, Icon, Unknown };

// "BMP", "JPEG", "GIF", "EMF", "WMF", "TIFF", "PNG", "ICO"; "未知" for an unknown format.
const char* formatName(PictureFormat format);
// The format of a GDI+ raw format identifier given as GUID text ("{B96B3CAF-...}").
PictureFormat formatOfRawFormat(std::string_view guidText);
inline bool isMetafile(PictureFormat f) { return f == PictureFormat::Emf || f == PictureFormat::Wmf; }

// The file size as the panel shows it: megabytes above 1 MB, kilobytes up to
// it, rounded half away from zero to one decimal, no trailing zeros ("1024 KB",
// "1.1 MB", "0 KB").
std::string sizeText(std::uint64_t bytes);
// A picture dimension: "%.6g 像素".
std::string dimensionText(float pixels);
// The type caption: "PNG 图片".
std::string typeText(PictureFormat format);

// What a file's first bytes declare.  Rasters give their width and height
// (the largest frame or icon entry that the bytes show); metafiles and rasters
// whose header ends early give no size.
struct DeclaredPicture {
    PictureFormat format = PictureFormat::Unknown;
    std::optional<std::uint32_t> width, height;
};
// Nothing when the bytes begin no format the picker knows.
std::optional<DeclaredPicture> readDeclaredPicture(std::span<const BYTE> head);

// The largest file the program reads and the most pixels it decodes: a
// picture's decoded pixels take 4 bytes each, and a 32-bit process cannot
// hold a 30000 x 30000 picture that a PNG of a few kilobytes can declare.
inline constexpr std::uint64_t kMaxPictureFileBytes = 32ull * 1024 * 1024;
inline constexpr std::uint64_t kMaxPicturePixels = 4096ull * 4096;
// How much of a file is read to learn what it declares when the whole file
// is not read.
inline constexpr std::size_t kHeadBytes = 64 * 1024;

enum class Verdict {
    Decode,         // within the limits: let GDI+ decode it
    NotAPicture,    // unreadable, empty, of no format the picker knows, or a raster without a size
    FileTooLarge,   // above kMaxPictureFileBytes
    TooManyPixels,  // declares more than kMaxPicturePixels
};
// Whether a file of this size that declares this may be decoded.  A raster
// must declare a width and height of at least 1; a metafile is drawn, not
// decoded into pixels, so its size is learnt from GDI+ afterwards.
Verdict judgePicture(std::optional<std::uint64_t> fileSize, const std::optional<DeclaredPicture>& declared);
// The same for pixel dimensions known after loading (a metafile drawn into
// a bitmap, or what GDI+ reports for a raster).
bool withinPixelLimit(std::uint64_t width, std::uint64_t height);

// A path counts as a folder when its attributes say so or it does not exist
// (INVALID_FILE_ATTRIBUTES).
constexpr bool countsAsFolder(DWORD attributes) { return (attributes & 0x37 & FILE_ATTRIBUTE_DIRECTORY) != 0; }

}  // namespace picker
