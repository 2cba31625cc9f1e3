#pragma once
// Picture files for tests: flat pictures in every format GDI+ encodes, and
// the kinds it does not (icons, animated GIFs, metafiles, broken files),
// written by hand.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pictures {

using Bytes = std::vector<unsigned char>;

// A picture of one colour encoded by GDI+ in a format given as GUID text
// (gfx::format::Png, ...).  GDI+ must have been started.
Bytes flat(int width, int height, COLORREF colour, const char* format);
// A PNG whose header declares width x height over a few bytes of data.
Bytes pngDeclaring(std::uint32_t width, std::uint32_t height);
// A BMP header declaring width x height, without the pixels.
Bytes bmpDeclaring(std::int32_t width, std::int32_t height);
// A looping GIF of two frames, each of one colour.
Bytes animatedGif(int width, int height, COLORREF first, COLORREF second);
// An icon of one opaque 32-bit image of one colour.
Bytes icon(int size, COLORREF colour);
// A metafile that fills width x height with one colour: enhanced, the
// plain (non-placeable) Windows form, and the placeable one.
Bytes enhancedMetafile(int width, int height, COLORREF colour);
Bytes plainMetafile(int width, int height, COLORREF colour);
Bytes placeableMetafile(int width, int height, COLORREF colour);

bool write(const std::string& path, const Bytes& bytes);

// A fresh folder under the temporary folder, removed with its files when
// the owner goes.  Its path ends in a backslash.
class Folder {
public:
    explicit Folder(const std::string& name);
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + name; }
    // Writes a file of the folder and returns its path.
    std::string add(const std::string& name, const Bytes& bytes) const;

private:
    std::string path_;
};

}  // namespace pictures
