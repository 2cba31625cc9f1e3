#pragma once
#include <optional>
#include <vector>
#include <windows.h>

#include "gfx/graphics.h"
#include "gfx/image.h"
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

// The resource name of a kind's glyph (the maximise button's normal one);
// null for buttons that carry their own.
const char* glyphNameOf(int kind);

// Drawing keeps every glyph it has decoded for later redraws.  This frees
// them; the engine's stop calls it before GDI+ is shut down.
void releaseCaptionGlyphImages();

// Builds the record's caption buttons from its presence flags (help, main
// menu, minimise, maximise, close), with glyphs, and places the block at
// its initial position for a client area of the given width.
void buildCaptionButtons(WindowRecord& r, int clientWidth);

// Creates the tooltip window of the record's caption buttons and one tool
// per button, numbered 1, 2, ... from the left, with its tip text and its
// current rectangle.
void createCaptionTips(WindowRecord& r);

// ---- Looks and the painter ----------------------------------------------------

// Where button n (1-based) is drawn: one pixel left of its hit rectangle,
// one below the block's top, its nominal width and height.
FloatRect buttonFace(const WindowRecord& r, int n);

// One caption button as it is to be drawn.
struct CaptionButtonLook {
    FloatRect face;
    bool close = false;                 // red highlight, rounded top-right corner
    const gfx::Image* glyph = nullptr;  // null: none
    bool pressed = false;
    int alpha = 0;  // hover highlight, 0 (normal) to 240
    COLORREF accent = 0;
    // The shaded line left of the button (darker for the first button) and,
    // unless it is the last, the one left of the next button; both span the
    // block's height.
    float separatorX = 0;
    int separatorAlpha = 60;
    std::optional<float> nextSeparatorX;
    float blockTop = 0, blockHeight = 22;
    bool operator==(const CaptionButtonLook&) const = default;
};

// The look of button n of a record, pressed or at a hover alpha.
CaptionButtonLook captionButtonLook(const WindowRecord& r, int n, bool pressed, int alpha);

// The caption area a redraw of the button restores first: the face when
// pressed, else the face grown by a pixel left, right and below (the
// highlight's and the separators' reach).
RECT captionButtonRestoreArea(const CaptionButtonLook& look);

// Draws a caption button over what is already there (the caller restores
// the area from the caption cache first).
void paintCaptionButton(gfx::Graphics& g, const CaptionButtonLook& look);

// Redraws button n of the window in its background surface, over the
// caption cache, and copies its face to the window.  Not pressed, alpha 0 is
// the normal look and alpha up to 240 the hovered one.
void redrawCaptionButton(WindowRecord& r, int n, bool pressed, int alpha);

// What a click on button n does: close, maximise or restore, minimise, or
// the main-menu, help or button's own callback.  Numbers out of range do
// nothing.  The window may be gone when it returns.
void captionButtonClick(WindowRecord& r, int n);

// ---- Hover animation -------------------------------------------------------------

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
// Each does nothing for a window that is not framed.

// WM_MOUSEMOVE (lParam as received).  Also sets the process-wide hovered
// caption button.
void captionHoverMouseMove(WindowRecord& r, LPARAM lParam);
// WM_MOUSEHOVER.
void captionHoverMouseHover(WindowRecord& r);
// WM_MOUSELEAVE.
void captionHoverMouseLeave(WindowRecord& r);
// WM_TIMER; only the window's own animation timer (id = the window) counts.
void captionHoverTimer(WindowRecord& r, WPARAM timerId);

// WM_LBUTTONDOWN, after the move or size handling: the button under the
// point becomes the process-wide hovered caption button and is drawn
// pressed.
void pressCaptionButton(WindowRecord& r, LPARAM lParam);

// WM_LBUTTONUP: clicks the process-wide hovered caption button when it is
// one of this window's.  The window may be gone when it returns.
void releaseCaptionButton(WindowRecord& r);

}  // namespace skin
