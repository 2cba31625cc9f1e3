#include "skin/controls/control_font.h"

#include <cmath>

#include "gfx/text.h"
#include "win/fonts.h"
#include "win/handles.h"

namespace skin {

ControlFont queryControlFont(HWND control) {
    ControlFont result{win::kDefaultFace, 12, 0};
    const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (!font) return result;
    // The font is built from the control's own font handle, not from
    // whatever the context happens to hold.
    win::WindowDc dc(control);
    gfx::Font drawn = gfx::Font::fromDc(dc.get(), font);
    if (!drawn) return result;
    const float size = drawn.size();
    result.size = static_cast<int>(std::lround(std::fabs(size) <= 0.0000001f ? 12.0f : size));
    result.style = drawn.style();
    const std::string face = drawn.family().name();
    if (!face.empty()) result.face = face;
    return result;
}

}  // namespace skin
