#pragma once
// The preview of one picture file: the four value texts of the panel and the
// picture drawn into the preview box.
#include <string>

#include "gfx/graphics.h"

namespace picker {

struct PreviewFacts {
    std::string size;   // "1.1 MB"; empty when the size cannot be read
    std::string type;   // "PNG 图片"
    std::string width;  // "100 像素"
    std::string height;
};

// Clears the box (boxWidth x boxHeight at the origin of g) to opaque white
// and draws the file's picture into it: at its natural size and centred when
// it is smaller than the box both ways, else stretched over the box (a
// metafile from the source rectangle of its header).  A file that is refused
// before decoding keeps the box white and shows what its header declares; a
// file that GDI+ cannot load shows "未知" and 0 x 0.
PreviewFacts drawPictureFile(gfx::Graphics& g, const std::string& path, float boxWidth, float boxHeight);

}  // namespace picker
