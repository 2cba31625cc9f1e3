#pragma once
#include <windows.h>

#include "app/layout.h"

namespace app {

inline constexpr const char* kLabelClass = "LumoLabel";

// Style bit of a label whose text wraps at word ends; without it the text is
// one line (line breaks in the text still start new lines).
inline constexpr DWORD kLabelWordWrap = 0x0001;

// Registers the label class.  A label draws its text centred both ways (a hyperlink: left-aligned, centred vertically)
// in its own text colour.  Its background is its own colour when it has one, otherwise whatever the parent answers to
// WM_CTLCOLORSTATIC, so that a parent that paints its controls over a picture can hand labels that picture.
bool registerLabelClass(HINSTANCE instance);

// Colours of a plain label.  kDefaultColour for the text means the system's
// window text colour; kDefaultColour or kTransparent for the background means
// the parent's answer.
void setLabelColours(HWND label, COLORREF text, COLORREF background);

// Makes the label a hyperlink: link colours, hand cursor, hover tracking; a
// press of the left button marks it visited and sends the parent
// WM_COMMAND(MAKEWPARAM(id, STN_CLICKED), label).
void makeHyperlink(HWND label, const LinkColours& colours);

}  // namespace app
