#pragma once
#include <optional>
#include <span>
#include <string>
#include <windows.h>

#include "skin/controls/control_font.h"
#include "skin/window/button_item.h"
#include "skin/window/colour.h"
#include "skin/window/settings.h"
#include "skin/window/skin_types.h"

// Skinned buttons: push buttons become owner-drawn and are painted when
// their parent is asked to draw them; check boxes and automatic radio
// buttons keep their styles and are painted by their skin procedure.  Every
// button is drawn over what lies behind it in the skinned window.
namespace skin {

// ---- Registration ------------------------------------------------------------

// The first two entries of the dispatch, in this order: push buttons
// (BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_USERBUTTON), made owner-drawn; then
// check boxes (BS_CHECKBOX, BS_AUTOCHECKBOX, BS_PUSHBOX) and automatic radio
// buttons.  A button already in the window's list is left as it is.
void skinPushButtons(int index, HWND parent);
void skinCheckButtons(int index, HWND parent);

// The kind a button of this style is skinned as by each entry; nothing for
// the types that keep the system's look.
std::optional<ButtonKind> pushButtonKindOf(LONG style);
std::optional<ButtonKind> checkButtonKindOf(LONG style);

LRESULT CALLBACK buttonSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// ---- Looks -------------------------------------------------------------------

// The owner-draw state bits a button is painted from.
inline constexpr UINT kDrawSelected = ODS_SELECTED;  // pressed
inline constexpr UINT kDrawDisabled = ODS_DISABLED;
inline constexpr UINT kDrawFocused = ODS_FOCUS;
inline constexpr UINT kDrawHot = ODS_HOTLIGHT;  // the pointer is over the button

// The state a button is repainted in outside the system's WM_DRAWITEM,
// taken from the button itself.
UINT buttonBaseState(bool enabled, bool focused, bool pushed);

// The one edge a push button shows besides its face.
enum class ButtonEdge { Plain, Hot, Focused };

struct ButtonText {
    std::string caption;  // drawn as it is: "&" is no mnemonic prefix
    ControlFont font;
    COLORREF colour = 0;
    bool operator==(const ButtonText&) const = default;
};

struct PushButtonLook {
    bool disabled = false;  // overrides everything else
    ButtonEdge edge = ButtonEdge::Plain;
    bool selected = false;
    COLORREF accent = kDefaultAccent;
    ButtonText text;
    bool operator==(const PushButtonLook&) const = default;
};

// Check boxes and radio buttons show only plain or hot, checked or not.
struct IndicatorLook {
    bool hot = false;
    bool checked = false;
    COLORREF accent = kDefaultAccent;
    ButtonText text;
};

// Disabled wins; otherwise the first of hot, focused and plain is the edge.
PushButtonLook pushButtonLook(UINT drawState, COLORREF accent, ButtonText text);
IndicatorLook indicatorLook(UINT drawState, bool checked, COLORREF accent, ButtonText text);

// ---- Painters ------------------------------------------------------------------
// They draw on a canvas that already holds the backdrop, inside the given
// rectangle of it, and ask no window anything.

void paintPushButton(HDC canvas, const RECT& rc, const PushButtonLook& look);
void paintRadioButton(HDC canvas, const RECT& rc, const IndicatorLook& look);
void paintCheckBox(HDC canvas, const RECT& rc, const IndicatorLook& look);

// ---- Painting a registered button ------------------------------------------------

// A push button into a context (the parent's WM_DRAWITEM, or a redraw) in
// the given draw state, over its backdrop; the context stays the caller's.
void paintPushButton(HWND button, HDC dc, UINT drawState, const RECT& rect);
// A radio button or check box onto its own window at once; of the draw
// state only hot counts.
void paintRadioButton(HWND button, UINT drawState);
void paintCheckBox(HWND button, UINT drawState);
// A registered button at once, by its kind, in the state the button is in
// (disabled, focused, pushed), hot or not.
void redrawButton(HWND button, bool hot);

// ---- The tick ----------------------------------------------------------------------

// One pixel of the tick recoloured with the accent colour: the colour scaled
// by the accent channel by channel, the alpha the inverse of its brightness.
// Pure white pixels are left as they are (nothing).
std::optional<Argb> tintTickPixel(COLORREF accent, Argb pixel);

// The tick picture (PNG bytes) recoloured, as PNG bytes; empty when the
// picture cannot be read.
Bytes tintGlyph(std::span<const BYTE> png, COLORREF accent);
// The carried tick in the given accent colour, or in the skin's.
Bytes tintGlyph(COLORREF accent);
Bytes tintGlyph();

}  // namespace skin
