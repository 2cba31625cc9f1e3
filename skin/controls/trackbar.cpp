#include "skin/controls/trackbar.h"

#include <algorithm>
#include <cmath>
#include <commctrl.h>
#include <span>
#include <utility>

#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "skin/controls/containers.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/family.h"
#include "skin/window/colour.h"
#include "skin/window/primitives.h"
#include "win/window.h"

namespace skin {

namespace {

constexpr Argb kPanelEdge = 0x1E000000;
constexpr Argb kPanelTop = 0xA0FFFFFF;
constexpr Argb kPanelBottom = 0x1E000000;
constexpr Argb kChannelNear = 0x32000000;
constexpr Argb kChannelFar = 0x28000000;
constexpr Argb kSelectionEdge = 0xC8FFFFFF;
constexpr Argb kThumbFace = 0xFFFFFFFF;
constexpr Argb kThumbCentre = 0x20FFFFFF;
constexpr Argb kThumbShade = 0x3C000000;
constexpr int kTravelledAlpha = 200;
constexpr int kSelectionThickness = 4;
constexpr float kLargeThumb = 11, kSmallThumb = 6;
// At the maximum the small thumb and the travelled line reach further than
// the system's thumb rectangle says.
constexpr int kSmallThumbAtMaximum = 8, kTravelledAtMaximum = 10;

// ---- Geometry helpers -------------------------------------------------------------

float f(long v) { return static_cast<float>(v); }

// A rectangle with a negative extent outlines the same pixels as the one
// it reaches back to.
gfx::RectF normalised(float x, float y, float w, float h) {
    if (w < 0) x += w, w = -w;
    if (h < 0) y += h, h = -h;
    return gfx::RectF{x, y, w, h};
}

// Along-track and cross-track coordinates to client coordinates.
gfx::RectF placed(bool vertical, float along, float cross, float length, float thickness) {
    return vertical ? normalised(cross, along, thickness, length) : normalised(along, cross, length, thickness);
}

// An exact fraction of the channel length, rounded to the nearest pixel;
// 64 bits hold any product of a 32-bit range and a channel length.
long long scaled(long long part, long long length, long long whole) {
    return std::llround(static_cast<double>(part) * static_cast<double>(length) / static_cast<double>(whole));
}

// ---- Drawing helpers --------------------------------------------------------------

gfx::GraphicsPath roundRectPath(const gfx::RectF& r, float d) {
    gfx::GraphicsPath path = gfx::GraphicsPath::create();
    addRoundRect(path, r.x, r.y, r.width, r.height, d);
    return path;
}

// The rectangle's outline as a closed figure of four lines: a rectangle of
// no width still strokes its two long sides, as one line.
void outline(gfx::Graphics& g, Argb colour, const gfx::RectF& r) {
    gfx::GraphicsPath path = gfx::GraphicsPath::create();
    const float right = r.x + r.width, bottom = r.y + r.height;
    path.addLine(r.x, r.y, right, r.y);
    path.addLine(right, r.y, right, bottom);
    path.addLine(right, bottom, r.x, bottom);
    path.closeFigure();
    g.drawPath(gfx::Pen::create(colour, 1), path);
}

void drawPanel(gfx::Graphics& g, const RECT& rc, bool vertical) {
    const float x = f(rc.left), y = f(rc.top), w = f(win::width(rc)), h = f(win::height(rc));
    g.drawPath(gfx::Pen::create(kPanelEdge, 1), roundRectPath({x, y, w - 1, h - 1}, 5));
    const gfx::PointF to = vertical ? gfx::PointF{x + w - 1, y} : gfx::PointF{x, y + h - 1};
    g.fillPath(gfx::LinearGradientBrush::create({x, y}, to, kPanelTop, kPanelBottom),
               roundRectPath({x + 1, y + 1, w - 2, h - 2}, 3));
}

// The channel's gradient runs across its thickness.
void drawChannel(gfx::Graphics& g, const gfx::RectF& c, bool vertical) {
    const gfx::PointF from{c.x, c.y};
    const gfx::PointF to = vertical ? gfx::PointF{c.x + c.width, c.y} : gfx::PointF{c.x, c.y + c.height};
    g.fillPath(gfx::LinearGradientBrush::create(from, to, kChannelNear, kChannelFar), roundRectPath(c, 1));
}

void drawThumb(gfx::Graphics& g, const gfx::RectF& t) {
    gfx::GraphicsPath circle = gfx::GraphicsPath::create();
    circle.addEllipse(t.x, t.y, t.width, t.height);
    g.fillPath(gfx::SolidBrush::create(kThumbFace), circle);
    gfx::PathGradientBrush shade = gfx::PathGradientBrush::fromPath(circle);
    shade.setCenterColour(kThumbCentre);
    shade.setSurroundColours(std::span(&kThumbShade, 1));
    g.fillPath(shade, circle);
    g.drawPath(gfx::Pen::create(kThumbShade, 1), circle);
}

// ---- Reading a trackbar ------------------------------------------------------------

std::optional<ControlRef<TrackbarItem>> trackbarRefOf(HWND trackbar) {
    return controlRefOf(trackbar, &WindowRecord::trackbars);
}

int ask(const ControlQuery& query, UINT msg) { return static_cast<int>(query(msg)); }

RECT askRect(const ControlQuery& query, UINT msg) {
    RECT r{};
    query(msg, 0, &r);
    return r;
}

// Read past the skin procedure: a hover reads seven values.
TrackbarState trackbarStateOf(const TrackbarItem& item) {
    const ControlQuery trackbar(item);
    TrackbarState s;
    s.vertical = item.vertical;
    s.tickPlacement = item.tickPlacement;
    s.selectionRange = item.selectionRange;
    s.hovered = item.hovered;
    s.position = ask(trackbar, TBM_GETPOS);
    s.rangeMin = ask(trackbar, TBM_GETRANGEMIN);
    s.rangeMax = ask(trackbar, TBM_GETRANGEMAX);
    if (s.selectionRange) {
        s.selectionStart = ask(trackbar, TBM_GETSELSTART);
        s.selectionEnd = ask(trackbar, TBM_GETSELEND);
    }
    s.channel = askRect(trackbar, TBM_GETCHANNELRECT);
    s.thumb = askRect(trackbar, TBM_GETTHUMBRECT);
    return s;
}

TrackbarLook trackbarLookOf(const TrackbarItem& item) {
    return TrackbarLook{settings().trackbarPanel != 0, settings().accentColour, trackbarLayout(trackbarStateOf(item))};
}

void paintTrackbarWindow(HWND trackbar, const TrackbarItem& item) {
    const RECT window = win::windowRect(trackbar);
    const RECT rc{0, 0, win::width(window), win::height(window)};
    // A hidden trackbar shows nothing, so it publishes nothing either.
    if (rc.right <= 0 || rc.bottom <= 0 || !IsWindowVisible(trackbar)) return;
    const TrackbarLook look = trackbarLookOf(item);
    const HBITMAP picture =
        keptOrPainted(trackbar, rc, look, [&](HDC canvas, const RECT& r) { paintTrackbar(canvas, r, look); });
    if (!picture) return;
    const KeptCanvas canvas(picture);
    // Published where the screen shows it: the canvas is the window rectangle.
    publishControlImage(trackbar, canvas.get(), false, true);
    win::WindowDc dc(trackbar, true);
    BitBlt(dc.get(), 0, 0, rc.right, rc.bottom, canvas.get(), 0, 0, SRCCOPY);
}

// ---- The skin procedure's handlers ----------------------------------------------------

LRESULT paintAndValidate(HWND hwnd, const TrackbarItem& item) {
    win::PaintDc paint(hwnd);
    paintTrackbarWindow(hwnd, item);
    return 0;
}

LRESULT eraseBackground(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    return 1;
}

void trackTrackbarHover(HWND hwnd, ControlRef<TrackbarItem>& ref) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    if (!pointAt(ref.record, ref.slot, kTrackbarKind)) return;
    ref.item.hovered = true;
    paintTrackbarWindow(hwnd, ref.item);
}

// The system posts the leave of a control only after the move onto the next
// one has been handled; the hot mark is then the next control's and stays.
void leaveTrackbarHover(HWND hwnd, ControlRef<TrackbarItem>& ref) {
    if (ref.record.hotSlot == ref.slot && ref.record.hotKindCode == kTrackbarKind) leaveHot(ref.record);
    ref.item.hovered = false;
    paintTrackbarWindow(hwnd, ref.item);
}

}  // namespace

// ---- Registration ---------------------------------------------------------------------

int tickPlacementOf(LONG style) {
    if (style & TBS_NOTICKS) return kNoTicks;
    if (style & TBS_TOP) return kTicksTopOrLeft;  // TBS_LEFT is the same bit
    if (style & TBS_BOTH) return kTicksBoth;
    return kTicksBottomOrRight;
}

void skinTrackbars(int index, HWND parent) {
    if (!controlSkinningEnabled() || !validIndex(index)) return;
    for (HWND child : win::children(parent, TRACKBAR_CLASSA)) {
        if (isRegistered(record(index).trackbars, child)) continue;
        registerControl(index, &WindowRecord::trackbars, child, trackbarSkinProc, [&](TrackbarItem& item) {
            const LONG style = win::style(child);
            item.vertical = (style & TBS_VERT) != 0;
            item.tickPlacement = tickPlacementOf(style);
            item.selectionRange = (style & TBS_ENABLESELRANGE) != 0;
        });
    }
}

// ---- Geometry ---------------------------------------------------------------------------

RECT channelAlongTrack(const RECT& reported, bool vertical) {
    const RECT& r = reported;
    if (!vertical || win::width(r) >= win::height(r)) return r;
    return RECT{r.top, r.left, r.bottom, r.right};
}

TrackbarLayout trackbarLayout(const TrackbarState& s) {
    TrackbarLayout k;
    k.vertical = s.vertical;
    const RECT c = channelAlongTrack(s.channel, s.vertical);
    const int length = c.right - c.left;
    const int span = c.bottom - c.top;
    const int thickness = s.selectionRange ? kSelectionThickness : span;
    // The cross origin X of the channel; a selection channel is centred.
    const int x = s.selectionRange ? static_cast<int>(c.top + std::lround((span - kSelectionThickness) / 2.0)) : c.top;
    k.channel = placed(s.vertical, f(c.left), f(x), f(length), f(thickness));

    const long long range = static_cast<long long>(s.rangeMax) - s.rangeMin;
    if (s.selectionRange && range > 0) {
        auto clamp = [&](int v) { return std::clamp<long long>(v, s.rangeMin, s.rangeMax); };
        const long long start = clamp(s.selectionStart), end = clamp(s.selectionEnd);
        if (end > start) {
            const float at = f(static_cast<long>(c.left + scaled(start - s.rangeMin, length, range) - 1));
            const float n = f(static_cast<long>(scaled(end - start, length, range)));
            k.selection = s.vertical ? normalised(f(x) + 3, at, -2, n) : normalised(at + 2, f(x) + 1, n - 3, 1);
        }
    }

    const bool atMaximum = s.position == s.rangeMax;
    const int thumbAlong = s.vertical ? s.thumb.top : s.thumb.left;
    const int reach = thumbAlong - c.left + (atMaximum ? kTravelledAtMaximum : 0);
    if (s.vertical && reach - 1 > 0) k.travelled = normalised(f(x) + 2, f(c.left), 0, f(reach - 1));
    if (!s.vertical && reach - 2 > 0) k.travelled = normalised(f(c.left) + 1, f(x) + 1, f(reach - 2), 1);

    k.largeThumb = s.hovered;
    if (s.hovered) {
        const int further = s.tickPlacement == kTicksBoth ? 1 : s.tickPlacement == kTicksTopOrLeft ? 2 : 0;
        k.thumb = placed(s.vertical, f(thumbAlong), f(x - 4 + further), kLargeThumb, kLargeThumb);
    } else {
        const int along = thumbAlong + (atMaximum ? kSmallThumbAtMaximum : 0);
        k.thumb = placed(s.vertical, f(along), f(x) - 1.5f, kSmallThumb, kSmallThumb);
    }
    return k;
}

// ---- Painter -------------------------------------------------------------------------------

void paintTrackbar(HDC canvas, const RECT& rc, const TrackbarLook& look) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    if (!g) return;
    const TrackbarLayout& k = look.layout;
    // The layout is in the control's coordinates; rc places the control.
    auto at = [&](const gfx::RectF& r) { return gfx::RectF{r.x + f(rc.left), r.y + f(rc.top), r.width, r.height}; };
    if (look.panel) drawPanel(g, rc, k.vertical);
    drawChannel(g, at(k.channel), k.vertical);
    if (k.selection) outline(g, kSelectionEdge, at(*k.selection));
    if (k.travelled) outline(g, toArgb(look.accent, kTravelledAlpha), at(*k.travelled));
    drawThumb(g, at(k.thumb));
}

// ---- Painting a registered trackbar ----------------------------------------------------------

void paintTrackbar(int index, int slot) {
    if (!validIndex(index)) return;
    ControlList<TrackbarItem>& list = record(index).trackbars;
    if (slot < 1 || slot > static_cast<int>(list.size())) return;
    const TrackbarItem& item = list[static_cast<size_t>(slot) - 1];
    if (item.hwnd) paintTrackbarWindow(item.hwnd, item);
}

// ---- Skin procedure ----------------------------------------------------------------------------

LRESULT CALLBACK trackbarSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto ref = trackbarRefOf(hwnd);
    if (!ref) return forwardToPrevious(hwnd, msg, wp, lp);
    // clang-format off
    switch (msg) {
    case WM_DESTROY:           forgetKeptPaints(hwnd); break;
    case WM_MOVE:              paintTrackbarWindow(hwnd, ref->item); break;
    case WM_PAINT:             return paintAndValidate(hwnd, ref->item);
    case WM_ERASEBKGND:        return eraseBackground(reinterpret_cast<HDC>(wp));
    case WM_WINDOWPOSCHANGING: markContainerForRedraw(hwnd); break;
    case WM_NCPAINT:           paintTrackbarWindow(hwnd, ref->item); return 1;
    case WM_MOUSEMOVE:         trackTrackbarHover(hwnd, *ref); break;
    case WM_MOUSELEAVE:        leaveTrackbarHover(hwnd, *ref); break;
    default:                   break;
    }
    // clang-format on
    return forwardToPrevious(hwnd, msg, wp, lp);
}

}  // namespace skin
