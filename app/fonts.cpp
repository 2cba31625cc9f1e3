#include "app/fonts.h"

#include "win/fonts.h"

namespace app {

HFONT createControlFont(const char* face, int height) {
    // A negative height asks for the character height, not the cell height.
    return CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       face ? face : win::kDefaultFace);
}

HFONT FontSet::get(const char* face, int height) {
    std::string name = face ? face : win::kDefaultFace;
    for (auto& e : fonts_)
        if (e.face == name && e.height == height) return e.font.get();
    fonts_.push_back({name, height, win::OwnedFont(createControlFont(name.c_str(), height))});
    return fonts_.back().font.get();
}

}  // namespace app
