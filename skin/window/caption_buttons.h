#pragma once
#include <vector>
#include <windows.h>

#include "gfx/graphics.h"
#include "skin/window/skin_types.h"
#include "skin/window/window_record.h"

// The caption buttons of a skinned window: rectangles of its caption drawn
// into the background surface (normal, hovered with a fading highlight,
// pressed), their glyphs, tooltips and clicks, and the 20 ms hover animation.
namespace skin {

// ---- Glyphs ---------------------------------------------------------------

// RCDATA resources of the executable, white pictograms on a transparent
// ground: 26 x 18, the close glyph 38 x 18.
inline constexpr const char* kCloseGlyph = "CAPTION_CLOSE";
inline constexpr const char* kMinimiseGlyph = "CAPTION_MINIMISE";
inline constexpr const char* kMaximiseGlyph = "CAPTION_MAXIMISE";
inline constexpr const char* kRestoreGlyph = "CAPTION_RESTORE";
inline constexpr const char* kMenuGlyph = "CAPTION_MENU";
inline constexpr const char* kHelpGlyph = "CAPTION_HELP";

// The bytes of an RCDATA resource of the executable; empty when missing.
Bytes loadGlyph(const char* resourceName);

// The resource name of a kind's glyph (the maximise button's normal one);
// null for buttons that carry their own.
const char* glyphNameOf(int kind);

// Drawing keeps every glyph it has decoded for later redraws.  This frees
// them; call it before GDI+ is shut down.
void releaseCaptionGlyphImages();

// Gives each button its glyph, and the maximise button its restore glyph.
void attachCaptionGlyphs(std::vector<CaptionButton>& buttons);

// Builds the record's caption buttons from its presence flags (help, main
// menu, minimise, maximise, close), with glyphs, and places the block at
// its initial position for a client area of the given width.
void buildCaptionButtons(WindowRecord& r, int clientWidth);

// Creates the tooltip window of the record's caption buttons and one tool
// per button, numbered 1, 2, ... from the left, with its tip text and its
// current rectangle.
void createCaptionTips(int index);

// ---- Drawing ----------------------------------------------------------------

// Where button n (1-based) is drawn: one pixel left of its hit rectangle,
// one below the block's top, its nominal width and height.
FloatRect buttonFace(const WindowRecord& r, int n);

// Draws button n.  Composing: g is the compose's graphics on the background
// surface and nothing reaches the screen.  Otherwise the button's rectangle
// is redrawn in the background surface (over what the caption cache holds)
// and copied to the window.  Not pressed, alpha 0 is the normal look and
// alpha up to 240 the hovered one.
void drawCaptionButton(int index, int n, gfx::Graphics* g, bool composing, bool pressed, int alpha);

// The hover highlight of button n at alpha 0..240: the accent colour (red
// for the close button) fading downwards, with a light gloss edge.
void drawHoverHighlight(gfx::Graphics& g, int index, int n, int alpha);

// The shaded lines left of button n and, unless it is the last, left of the
// next one.
void drawButtonSeparators(int index, int n, gfx::Graphics& g);

// What a click on button n does: close, maximise or restore, minimise, or
// the main-menu, help or button's own callback.  Numbers out of range do
// nothing.
void captionButtonClick(int index, int n);

// ---- Hover animation -------------------------------------------------------------

// The fields of a window record that the hover animation reads and writes.
struct HoverState {
    int hoveredButton = 0;
    FadeState fadeIn, fadeOut;
    int hoverTimerRunning = 0;
    int mouseInside = 0;
};

// One button redrawn at an alpha.
struct HoverDraw {
    int button = 0;
    int alpha = 0;
    bool operator==(const HoverDraw&) const = default;
};

// The new state and what to do about it, in this order: track the mouse,
// start the timer, the draws, stop the timer.
struct HoverUpdate {
    HoverState state;
    std::vector<HoverDraw> draws;
    bool trackMouse = false;
    bool startTimer = false;
    bool stopTimer = false;
};

// A fade lasts eight ticks: in at 30, 60, ... 240; out at 210, 180, ... 0.
inline constexpr int kFadeSteps = 8;
inline constexpr int kFadeAlphaStep = 30;
inline constexpr UINT kFadeTickMs = 20;

// The pointer moved to (near the block or not) over button `hit` (0: none).
// The button left starts fading out and the one entered fading in; a button
// still fading out when a third is entered drops to alpha 0 at once.
HoverUpdate hoverOnMouseMove(const HoverState& s, bool nearButtons, int hit);

// The pointer left the window: the hovered button fades out.
HoverUpdate hoverOnMouseLeave(const HoverState& s);

// One tick: each running fade moves one step.  Once the fade-out is over and
// the pointer is outside the window or away from the block, the timer stops
// and the animation state clears.
HoverUpdate hoverOnTimer(const HoverState& s);

// ---- Entry points for the window procedure -------------------------------------
// Each does nothing for an index without a record or a window that is not
// framed.

// WM_MOUSEMOVE (lParam as received).  Also sets the process-wide hovered
// caption button.
void captionHoverMouseMove(int index, LPARAM lParam);
// WM_MOUSEHOVER.
void captionHoverMouseHover(int index);
// WM_MOUSELEAVE.
void captionHoverMouseLeave(int index);
// WM_TIMER; only the window's own animation timer (id = the window) counts.
void captionHoverTimer(int index, WPARAM timerId);

// WM_LBUTTONDOWN, after the move or size handling: the button under the
// point becomes the process-wide hovered caption button and is drawn
// pressed.
void pressCaptionButton(int index, LPARAM lParam);

// WM_LBUTTONUP: clicks the process-wide hovered caption button when it is
// one of this window's.
void releaseCaptionButton(int index);

}  // namespace skin
