#pragma once
#include <string>
#include <windows.h>

// The face, size and style of a control's own font, for the families that
// draw a control's text with the graphics library in the control's font.
namespace skin {

struct ControlFont {
    std::string face;
    int size = 12;  // em size, whole units
    int style = 0;  // graphics library style bits: bold 1, italic 2, underline 4, strikeout 8
    bool operator==(const ControlFont&) const = default;
};

// The font the control was given (WM_GETFONT), read from its LOGFONT; the
// default face at 12 when it has none.  A size that reads as nothing becomes
// 12, an empty family name the default face.
ControlFont queryControlFont(HWND control);

}  // namespace skin
