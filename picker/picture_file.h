#pragma once
// Picture files as the picker and the custom background read them: the
// size, what the header declares, and the bytes only of a file within the
// limits (picture_rules.h).
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "gfx/image.h"
#include "gfx/types.h"
#include "picker/picture_rules.h"

namespace picker {

// The file's size in bytes, all 64 bits of it; nothing when it cannot be read.
std::optional<std::uint64_t> fileSize(const std::string& path);

// At most maxBytes of the file from its start; nothing when it cannot be opened or read.
std::optional<gfx::Bytes> readFileBytes(const std::string& path, std::uint64_t maxBytes);

// What is known of a picture file before GDI+ sees it.  Only a file that may
// be decoded is read whole; of any other only the head is read.
struct PictureFile {
    std::optional<std::uint64_t> size;  // for the panel; empty when unreadable
    std::optional<DeclaredPicture> declared;
    Verdict verdict = Verdict::NotAPicture;
    gfx::Bytes bytes;  // the whole file when the verdict is Decode
};
PictureFile inspectPictureFile(const std::string& path);

// The format GDI+ decoded the picture from.
PictureFormat imageFormat(const gfx::Image& image);
inline const char* imageFormatName(const gfx::Image& image) { return formatName(imageFormat(image)); }

// The picture to use as a skin: the file's own bytes when it is within the
// limits and decodes into a bitmap of at least 1 x 1 whose pixels can be
// read; a metafile, which has no pixels of its own, drawn over white into a
// PNG of its pixel size.  Nothing for any other file.
std::optional<gfx::Bytes> loadPictureFile(const std::string& path);

}  // namespace picker
