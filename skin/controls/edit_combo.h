#pragma once
#include <optional>
#include <string>
#include <vector>
#include <windows.h>

#include "gfx/graphics.h"
#include "skin/window/colour.h"
#include "skin/window/settings.h"

// Edit boxes and combo boxes keep all their native behaviour but not their
// look.  An edit's ring (border and scroll bar area) shows the skin under the
// veil with a thin outline that follows the edit's state, its client area the
// same veiled skin, and its system scroll bars are covered by simulated ones.
// A combo box is painted whole by the skin, leaving the places of its child
// windows out through a magenta key.
namespace skin {

inline constexpr COLORREF kKeyColour = RGB(255, 0, 255);

// Registers and subclasses the direct edits, then the direct combo boxes
// (and, with the transparent lists, each combo box's edit field) of the
// parent.  Nothing is registered twice.
void skinEditsAndComboBoxes(int index, HWND parent);

LRESULT CALLBACK editSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK comboSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// ---- Veil ------------------------------------------------------------------------------------

// A control's veil: its own colour and alpha when its own veil is on,
// otherwise white at the engine's veil alpha.
Argb veilColour(bool ownVeil, COLORREF ownColour, int ownAlpha, int engineAlpha);
Argb veilColourOf(HWND control);

// What lies behind the control's client area under its veil, drawn into dc
// at (0, 0), or as a new bitmap the caller owns.
void paintVeiledBackdrop(HWND control, HDC dc);
HBITMAP makeVeiledBackdropBitmap(HWND control);

// The answer to a control colour message with a pattern brush of the veiled
// backdrop: the control's text colour, a transparent background, the pair
// handed out before deleted, the new brush and bitmap stored on the control
// (and deleted when the control goes).  Returns the brush.
HBRUSH answerWithVeiledBrush(HWND control, HDC dc);

// Deletes the brush and bitmap last handed out for a control and forgets them.
void deleteHandedOutBrush(HWND control);

// ---- Edit frame ------------------------------------------------------------------------------

struct EditFrameLook {
    SIZE window{};   // the window rectangle's size
    RECT inner{};    // the client area inside it
    int border = 0;  // borderKind
    bool focused = false;
    bool hot = false;
    bool veiled = true;  // the transparent lists: the ring lies under the veil, else opaque white
    Argb veil = toArgb(0xFFFFFF, 160);
    COLORREF accent = kDefaultAccent;
    bool operator==(const EditFrameLook& o) const {
        return window.cx == o.window.cx && window.cy == o.window.cy && EqualRect(&inner, &o.inner) &&
               border == o.border && focused == o.focused && hot == o.hot && veiled == o.veiled && veil == o.veil &&
               accent == o.accent;
    }
};

// Fills the ring between the window rectangle and the client area and draws
// the outline over it; the client area of the canvas is left as it was.
void paintEditRing(HDC canvas, const RECT& rc, const EditFrameLook& look);

// The outline: black a80, accent a180 while focused, and while the pointer
// is over an edit with an edge extended style a two-pixel accent highlight.
void drawEditOutline(gfx::Graphics& g, const EditFrameLook& look);

// Repaints a registered edit's ring and outline at once; focused absent: as
// the item has it.
void paintEditFrame(HWND edit, std::optional<bool> focused, bool hot);

// Repaints the simulated scroll bars of an edit that shows them.
void repaintLiveBars(HWND edit);

// ---- Combo box -------------------------------------------------------------------------------

struct ComboLook {
    SIZE window{};
    RECT button{};  // the drop button in the combo box's client coordinates
    bool dropButton = false;
    bool showsText = false;
    std::vector<RECT> keyedOut;  // places of the child windows, left to themselves
    bool hot = false;
    bool focused = false;
    Argb background = toArgb(0xFFFFFF, 160);
    COLORREF accent = kDefaultAccent;
    std::string text;
    COLORREF textColour = 0;
    bool operator==(const ComboLook& o) const;
};

// The face of a combo box: background, keyed-out children, frame, drop
// button with its arrow, text.
void paintComboFace(HDC canvas, const RECT& rc, const ComboLook& look);

// A registered combo box's look as it is now.
ComboLook comboLookOf(HWND combo, bool hot, bool focused);

// Where the drop button's arrow glyph goes (not rounded).
gfx::PointF dropArrowAt(const RECT& button, SIZE glyph);

// Repaints a registered combo box at once; focused absent: as the item has it.
void paintComboBox(int index, int slot, bool hot, std::optional<bool> focused);

// A child's window rectangle relative to its parent's window rectangle (not
// its client area); the zero rectangle for a skinned top-level window.
RECT childRectInParentWindow(HWND child);

}  // namespace skin
