#pragma once
#include <optional>
#include <windows.h>

#include "gfx/types.h"
#include "skin/window/bar_items.h"
#include "skin/window/settings.h"

// Skinned progress bars keep their range and position and none of their
// look: over the skinned window's background the skin draws a thin rounded
// outline, a soft translucent trough and a rounded bar in the accent colour
// whose length follows the position (from the left, or from the bottom for
// a vertical bar).  A progress bar has no hover state.
namespace skin {

// ---- Registration ------------------------------------------------------------

// The fifth entry of the dispatch: every direct "msctls_progress32" child,
// with its orientation from its style.
void skinProgressBars(int index, HWND parent);

LRESULT CALLBACK progressSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// ---- Geometry ------------------------------------------------------------------

// The filled length of a bar `length` pixels long: the position's share of
// the range, truncated.  The position is held inside the range, and a range
// whose high end is not above its low end fills nothing.
int progressFill(int position, int low, int high, int length);

// The accent bar of a control of the given size whose filled length is
// `filled`: its rounded rectangle, inset by one pixel on the leading sides
// and two on the trailing ones, and the ends of its gradient.  None when
// nothing is filled or the filled area is too small to hold the insets.
struct ProgressBarShape {
    gfx::RectF bar;
    gfx::PointF from, to;
};
std::optional<ProgressBarShape> progressBarShape(SIZE size, bool vertical, int filled);

// ---- Looks and painter -------------------------------------------------------------

struct ProgressLook {
    bool vertical = false;
    int filled = 0;  // along the bar, in pixels
    COLORREF accent = kDefaultAccent;
};

// Draws on a canvas that already holds the backdrop; rc is the control's
// rectangle on it.  Asks no window anything.
void paintProgressBar(HDC canvas, const RECT& rc, const ProgressLook& look);

// ---- Painting a registered progress bar ----------------------------------------------

// Reads the bar, draws it over its backdrop, publishes the image into the
// window's composition cache and copies it onto the given context (which
// stays the caller's), or onto the control's own window context.
void paintProgressBar(int index, int slot, HDC dc = nullptr);

}  // namespace skin
