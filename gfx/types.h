#pragma once
// The vocabulary of the graphics object library: native handle types, values
// and the enumerations that the drawing operations take.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace gfx {

// Opaque native objects of gdiplus.dll.  A Bitmap is an image and every
// brush kind is a brush, so one type each is enough.
struct GpGraphics;
struct GpImage;
struct GpPen;
struct GpBrush;
struct GpPath;
struct GpStringFormat;
struct GpFont;
struct GpFontFamily;
struct GpRegion;
struct GpFontCollection;

using ARGB = std::uint32_t;  // 0xAARRGGBB
using Bytes = std::vector<unsigned char>;

// Laid out as the native PointF / SizeF / RectF records.
struct PointF {
    float x = 0;
    float y = 0;
};
struct SizeF {
    float width = 0;
    float height = 0;
};
struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    bool operator==(const RectF&) const = default;
};
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum class Status : int {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20,
};

enum class Unit : int { World = 0, Display = 1, Pixel = 2, Point = 3, Inch = 4, Document = 5, Millimeter = 6 };

enum class FillMode : int { Alternate = 0, Winding = 1 };
enum class WrapMode : int { Tile = 0, TileFlipX = 1, TileFlipY = 2, TileFlipXY = 3, Clamp = 4 };
enum class CombineMode : int { Replace = 0, Intersect = 1, Union = 2, Xor = 3, Exclude = 4, Complement = 5 };

enum class CompositingMode : int { SourceOver = 0, SourceCopy = 1 };
enum class CompositingQuality : int {
    Default = 0,
    HighSpeed = 1,
    HighQuality = 2,
    GammaCorrected = 3,
    AssumeLinear = 4
};
enum class SmoothingMode : int { Default = 0, HighSpeed = 1, HighQuality = 2, None = 3, AntiAlias = 4 };
enum class InterpolationMode : int {
    Default = 0,
    LowQuality = 1,
    HighQuality = 2,
    Bilinear = 3,
    Bicubic = 4,
    NearestNeighbor = 5,
    HighQualityBilinear = 6,
    HighQualityBicubic = 7,
};
enum class PixelOffsetMode : int { Default = 0, HighSpeed = 1, HighQuality = 2, None = 3, Half = 4 };
enum class TextRenderingHint : int {
    SystemDefault = 0,
    SingleBitPerPixelGridFit = 1,
    SingleBitPerPixel = 2,
    AntiAliasGridFit = 3,
    AntiAlias = 4,
    ClearTypeGridFit = 5,
};

enum class StringAlignment : int { Near = 0, Center = 1, Far = 2 };
enum class StringTrimming : int {
    None = 0,
    Character = 1,
    Word = 2,
    EllipsisCharacter = 3,
    EllipsisWord = 4,
    EllipsisPath = 5,
};

// Bits, combined with |.
enum FontStyle : int {
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleBoldItalic = 3,
    FontStyleUnderline = 4,
    FontStyleStrikeout = 8,
};

enum StringFormatFlags : int {
    StringFormatFlagsDirectionRightToLeft = 0x0001,
    StringFormatFlagsDirectionVertical = 0x0002,
    StringFormatFlagsNoFitBlackBox = 0x0004,
    StringFormatFlagsDisplayFormatControl = 0x0020,
    StringFormatFlagsNoFontFallback = 0x0400,
    StringFormatFlagsMeasureTrailingSpaces = 0x0800,
    StringFormatFlagsNoWrap = 0x1000,
    StringFormatFlagsLineLimit = 0x2000,
    StringFormatFlagsNoClip = 0x4000,
};

using PixelFormat = int;
inline constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
inline constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
inline constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
inline constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;

// Image formats as GUID text, the form rawFormat() returns and the save
// operations take.
namespace format {
inline constexpr const char* Bmp = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* Emf = "{B96B3CAC-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* Wmf = "{B96B3CAD-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* Jpeg = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* Png = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* Gif = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* Tiff = "{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* Icon = "{B96B3CB5-0728-11D3-9D7B-0000F81EF32E}";
}  // namespace format

}  // namespace gfx
