#pragma once
#include <string>
#include <vector>

#include "win/handles.h"

namespace app {

// The fonts of one window's controls, created once per face and height and
// deleted with the window.  Faces are GBK; nullptr means the default face.
class FontSet {
public:
    HFONT get(const char* face, int height);

private:
    struct Entry {
        std::string face;
        int height;
        win::OwnedFont font;
    };
    std::vector<Entry> fonts_;
};

// A GB2312 font of the given face and character height in pixels.
HFONT createControlFont(const char* face, int height);

}  // namespace app
