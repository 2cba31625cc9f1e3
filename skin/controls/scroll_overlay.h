#pragma once
#include <windows.h>

#include "gfx/image.h"
#include "skin/window/scroll_parts.h"
#include "skin/window/settings.h"

// Simulated scroll bars.  The system's scroll bars of edits and of the
// list-like controls cannot be restyled, so each is covered by a small
// disabled "Static" sibling kept exactly over it, on which the skin paints
// track, thumb and arrow buttons.  The mouse goes through the cover to the
// real bar, which keeps doing the scrolling; the control's skin procedure
// asks for a repaint whenever the position or the hot part may have changed.
namespace skin {

// What a cover shows, as values.  Lengths along the bar run down (vertical)
// or right (horizontal) from the bar's start.
struct ScrollCoverLook {
    bool vertical = true;
    int width = 0, height = 0;         // the cover, which is the real bar's rectangle
    int thickness = 17;                // across the bar (the system's bar width)
    int arrowLength = 17;              // along the bar, one arrow button
    int thumbStart = 0, thumbEnd = 0;  // along the bar
    bool thumbShown = true;            // false: the bar is unavailable, hidden or off screen
    bool arrowsLive = true;            // false: the bar is unavailable, arrows are never lit
    int hotPart = kScrollTrack;
    COLORREF accent = kDefaultAccent;
};

// The look of a cover from the real bar's information, the cover's size and
// the system's bar thickness and arrow length (metrics: cx across, cy along).
ScrollCoverLook scrollCoverLook(const SCROLLBARINFO& info, SIZE cover, bool vertical, int hotPart, SIZE metrics,
                                COLORREF accent);

// Where the parts of a cover lie (rectangles with their edges included).
// The right arrow's rectangle ends 4 pixels before the cover's right edge,
// so its last 3 pixels belong to no part.
ScrollBarParts scrollCoverParts(const ScrollCoverLook& look);

// The part under a point of the cover (its own coordinates): the arrows
// first, then the thumb, else the track.
int scrollPartAt(const ScrollBarParts& parts, POINT p);

// Paints a cover onto a canvas that already holds what lies behind it.
void paintScrollCover(HDC canvas, const RECT& rc, const ScrollCoverLook& look);

// Arrow glyph places, rounded to the nearest whole pixel (halves to even)
// as the cover paints them: first and second arrow.
POINT firstArrowGlyphAt(const ScrollCoverLook& look, SIZE glyph);
POINT secondArrowGlyphAt(const ScrollCoverLook& look, SIZE glyph);

// The carried arrow glyphs (7 x 4 up and down, 4 x 7 left and right),
// decoded once; null when the program does not carry them.  Released with
// the engine, while the graphics library still runs.
enum class ArrowGlyph { Up, Down, Left, Right };
const gfx::Image* arrowGlyph(ArrowGlyph which);
void releaseArrowGlyphImages();

// The covers of a registered control, from its item: an edit's in the edit
// list, any other control's in the list-like list (whose items carry covers
// once that family keeps them).  Null when the control's properties name no
// item, or its item keeps no covers.
ScrollCovers* scrollCoversOf(HWND control);

// Makes the cover of one bar of a control: a disabled "Static" child of the
// control's parent over the real bar when shown, else a hidden 10 x 10
// window.  It lies above the control.
HWND createScrollOverlay(HWND control, bool vertical, bool shown);

// Shows, hides and places both covers of a control.
void syncScrollOverlays(HWND control);

// Repaints one cover of a control with a part highlighted (0: none).  A
// control without that cover is left alone.
void paintScrollOverlay(HWND control, bool vertical, int hotPart);

// The part of a cover under a screen point packed as in WM_NCMOUSEMOVE.
int scrollOverlayPartAt(HWND control, bool vertical, LPARAM screenPoint);

// The window procedure of every cover.
LRESULT CALLBACK scrollOverlayProc(HWND cover, UINT msg, WPARAM wp, LPARAM lp);

// The client area of a control inside its window rectangle, the borders
// taken as equally thick on opposite sides and the scroll bars as wide as
// the system's own (system metrics).
RECT clientRectInWindowRect(SIZE window, SIZE client, LONG style, int verticalBarWidth, int horizontalBarHeight);
RECT clientRectInWindowRect(HWND control);

// 0 no border, 1 WS_BORDER, 2 an edge extended style (window edge, client
// edge, modal frame).
int borderKind(LONG style, LONG exStyle);
int borderKind(HWND control);

// The system's scroll bar thickness and arrow length of one orientation.
int systemBarThickness(bool vertical);
int systemArrowLength(bool vertical);

}  // namespace skin
