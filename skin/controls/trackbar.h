#pragma once
#include <optional>
#include <windows.h>

#include "gfx/types.h"
#include "skin/window/bar_items.h"
#include "skin/window/settings.h"

// Skinned trackbars keep their own logic (position, range, keyboard and
// mouse dragging) and none of their look: over the skinned window's
// background the skin draws an optional soft panel, a dark translucent
// channel, a thin accent line from the start of the channel to the thumb,
// the selection range when there is one, and a round thumb that grows while
// the pointer is over the control.  Tick marks are not drawn.
namespace skin {

// ---- Registration ------------------------------------------------------------

// The fourth entry of the dispatch: every direct "msctls_trackbar32" child,
// with its orientation, tick placement and selection range from its style.
void skinTrackbars(int index, HWND parent);

// Where the style puts the ticks: no ticks first, then top or left, then
// both, else bottom or right.
int tickPlacementOf(LONG style);

LRESULT CALLBACK trackbarSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// ---- Geometry ------------------------------------------------------------------

// What a trackbar reports about itself, as it reports it.
struct TrackbarState {
    bool vertical = false;
    int tickPlacement = kTicksBottomOrRight;
    bool selectionRange = false;
    bool hovered = false;
    int position = 0, rangeMin = 0, rangeMax = 0;
    int selectionStart = 0, selectionEnd = 0;
    RECT channel{};  // TBM_GETCHANNELRECT
    RECT thumb{};    // TBM_GETTHUMBRECT, in client coordinates
};

// The channel rectangle along the track: left and right along it, top and
// bottom across it.  One system reports a vertical trackbar's channel with
// the axes exchanged, another in client coordinates; the channel is always
// longer than it is thick, which tells the two apart.
RECT channelAlongTrack(const RECT& reported, bool vertical);

// Where the skin draws a trackbar's parts, in client coordinates.  The
// selection and the travelled line are outlined rectangles; the thumb is the
// bounding square of a circle.
struct TrackbarLayout {
    bool vertical = false;
    gfx::RectF channel;
    std::optional<gfx::RectF> selection;  // none without a selection range, or when nothing is selected
    std::optional<gfx::RectF> travelled;  // none while the thumb stands at the start
    gfx::RectF thumb;
    bool largeThumb = false;
    bool operator==(const TrackbarLayout&) const = default;
};

TrackbarLayout trackbarLayout(const TrackbarState& s);

// ---- Looks and painter -------------------------------------------------------------

struct TrackbarLook {
    bool panel = false;  // the soft panel behind the channel (engine switch)
    COLORREF accent = kDefaultAccent;
    TrackbarLayout layout;
    bool operator==(const TrackbarLook&) const = default;
};

// Draws on a canvas that already holds the backdrop; rc is the control's
// rectangle on it.  Asks no window anything.
void paintTrackbar(HDC canvas, const RECT& rc, const TrackbarLook& look);

// ---- Painting a registered trackbar --------------------------------------------------

// Reads the trackbar, draws it over its backdrop, publishes the image into
// the window's composition cache and copies it onto the control.
void paintTrackbar(int index, int slot);

}  // namespace skin
