#include "skin/controls/scroll_overlay.h"

#include <array>
#include <cmath>

#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "skin/controls/backdrop.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/family.h"
#include "skin/window/colour.h"
#include "skin/window/memory_dc.h"
#include "skin/window/primitives.h"
#include "skin/window/property_keys.h"
#include "skin/window/window_record.h"
#include "win/handles.h"
#include "win/props.h"
#include "win/resources.h"
#include "win/window.h"

namespace skin {

namespace {

constexpr Argb kWhite = 0xFFFFFF;

Argb white(int alpha) { return toArgb(kWhite, alpha); }
Argb black(int alpha) { return toArgb(0, alpha); }

// Halves go to the even neighbour (the default rounding mode).
LONG roundEven(double v) { return static_cast<LONG>(std::nearbyint(v)); }

// A cover is drawn once, along and across its bar: a vertical cover's x runs
// across, a horizontal one's along.
struct Axes {
    bool vertical;
    float ox, oy;  // the canvas rectangle's origin
    gfx::RectF rect(float along, float across, float alongLength, float acrossLength) const {
        return vertical ? gfx::RectF{ox + across, oy + along, acrossLength, alongLength}
                        : gfx::RectF{ox + along, oy + across, alongLength, acrossLength};
    }
    gfx::PointF point(float along, float across) const {
        return vertical ? gfx::PointF{ox + across, oy + along} : gfx::PointF{ox + along, oy + across};
    }
};

int lengthAlong(const ScrollCoverLook& k) { return k.vertical ? k.height : k.width; }

// The start of the second arrow's button along the bar, as its outline is drawn.
float secondArrowStart(const ScrollCoverLook& k) { return static_cast<float>(lengthAlong(k) - k.arrowLength); }

gfx::GraphicsPath roundRect(const gfx::RectF& r, float d) {
    gfx::GraphicsPath path = gfx::GraphicsPath::create();
    addRoundRect(path, r.x, r.y, r.width, r.height, d);
    return path;
}

void fillGradient(gfx::Graphics& g, const gfx::GraphicsPath& path, gfx::PointF from, gfx::PointF to, Argb a, Argb b) {
    gfx::LinearGradientBrush brush = gfx::LinearGradientBrush::create(from, to, a, b);
    g.fillPath(brush, path);
}

void outline(gfx::Graphics& g, const gfx::GraphicsPath& path, Argb colour) {
    gfx::Pen pen = gfx::Pen::create(colour, 1);
    g.drawPath(pen, path);
}

// Every cover paint draws two glyphs, and decoding one costs as much as the
// rest of the paint.  The images are never destroyed by themselves: at exit
// the graphics library may already be shut down.
std::array<gfx::Image, 4>& decodedArrows() {
    static auto* images = new std::array<gfx::Image, 4>;
    return *images;
}

// One arrow button: the highlight when it is the hot part, the outline, the
// inner highlight line, the glyph.
void paintArrow(gfx::Graphics& g, const Axes& ax, const ScrollCoverLook& k, float start, float innerStart, int part,
                ArrowGlyph glyphName, POINT (*glyphAt)(const ScrollCoverLook&, SIZE)) {
    const float b = static_cast<float>(k.thickness), a = static_cast<float>(k.arrowLength);
    gfx::GraphicsPath button = roundRect(ax.rect(start, 1, a - 2, b - 3), 5);
    if (k.hotPart == part && k.arrowsLive)
        fillGradient(g, button, ax.point(start, 1), ax.point(start, b - 2), white(100), toArgb(k.accent, 150));
    outline(g, button, black(60));
    outline(g, roundRect(ax.rect(innerStart, 2, a - 5, b - 5), 3), white(150));
    const gfx::Image* glyph = arrowGlyph(glyphName);
    if (!glyph) return;
    const POINT at = glyphAt(k, SIZE{glyph->width(), glyph->height()});
    g.drawImage(*glyph, ax.ox + static_cast<float>(at.x), ax.oy + static_cast<float>(at.y));
}

}  // namespace

const gfx::Image* arrowGlyph(ArrowGlyph which) {
    static constexpr const char* kNames[] = {"ARROW_UP", "ARROW_DOWN", "ARROW_LEFT", "ARROW_RIGHT"};
    gfx::Image& image = decodedArrows()[static_cast<size_t>(which)];
    if (!image) image = gfx::Image::fromBytes(win::carriedBytes(kNames[static_cast<size_t>(which)]));
    return image ? &image : nullptr;
}

void releaseArrowGlyphImages() {
    for (gfx::Image& image : decodedArrows()) image.dispose();
}

// ---- Geometry (pure) -------------------------------------------------------------------

ScrollBarParts scrollCoverParts(const ScrollCoverLook& k) {
    const int w = k.width, h = k.height, a = k.arrowLength, b = k.thickness;
    if (k.vertical)
        return ScrollBarParts{RECT{1, 1, w - 2, a}, RECT{1, h - a, w - 2, h - 1},
                              RECT{1, k.thumbStart, b + 1, k.thumbEnd}};
    return ScrollBarParts{RECT{1, 1, a, h - 2}, RECT{w - a, 1, w - 4, h - 1}, RECT{k.thumbStart, 1, k.thumbEnd, b + 1}};
}

int scrollPartAt(const ScrollBarParts& parts, POINT p) {
    auto inside = [&](const RECT& r) { return r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom; };
    if (inside(parts.firstArrow)) return kScrollFirstArrow;
    if (inside(parts.secondArrow)) return kScrollSecondArrow;
    if (inside(parts.thumb)) return kScrollThumb;
    return kScrollTrack;
}

POINT firstArrowGlyphAt(const ScrollCoverLook& k, SIZE glyph) {
    const double button = k.arrowLength - 2;  // the arrow button's drawn length
    if (k.vertical) return POINT{roundEven((k.thickness - glyph.cx) / 2.0), roundEven((button - glyph.cy) / 2 + 2)};
    return POINT{roundEven((button - glyph.cx) / 2 + 2), roundEven((k.thickness - glyph.cy) / 2.0)};
}

POINT secondArrowGlyphAt(const ScrollCoverLook& k, SIZE glyph) {
    const double button = k.arrowLength - 2;
    // The down glyph is placed from the inner highlight's start, the right
    // glyph from the button outline's start.
    if (k.vertical)
        return POINT{roundEven((k.thickness - glyph.cx) / 2.0), roundEven(k.height - button + (button - glyph.cy) / 2)};
    return POINT{roundEven(k.width - k.arrowLength + (button - glyph.cx) / 2),
                 roundEven((k.thickness - glyph.cy) / 2.0)};
}

ScrollCoverLook scrollCoverLook(const SCROLLBARINFO& info, SIZE cover, bool vertical, int hotPart, SIZE metrics,
                                COLORREF accent) {
    ScrollCoverLook k;
    k.vertical = vertical;
    k.width = cover.cx;
    k.height = cover.cy;
    k.thickness = metrics.cx;
    k.arrowLength = metrics.cy;
    k.thumbStart = info.xyThumbTop;
    k.thumbEnd = info.xyThumbBottom;
    // The state is a set of bits (a bar can be unavailable and pressed at
    // once): an unavailable, hidden or off-screen bar shows no thumb, and an
    // unavailable one lights no arrow.
    const DWORD state = info.rgstate[0];
    k.arrowsLive = !(state & STATE_SYSTEM_UNAVAILABLE);
    k.thumbShown = !(state & (STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
    k.hotPart = hotPart;
    k.accent = accent;
    return k;
}

RECT clientRectInWindowRect(SIZE window, SIZE client, LONG style, int verticalBarWidth, int horizontalBarHeight) {
    const int vertical = (style & WS_VSCROLL) ? verticalBarWidth : 0;
    const int horizontal = (style & WS_HSCROLL) ? horizontalBarHeight : 0;
    const int left = static_cast<int>(std::floor((window.cx - client.cx - vertical) / 2.0));
    const int top = static_cast<int>(std::floor((window.cy - client.cy - horizontal) / 2.0));
    return RECT{left, top, left + client.cx, top + client.cy};
}

int borderKind(LONG style, LONG exStyle) {
    if (style & WS_BORDER) return 1;
    if (exStyle & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME)) return 2;
    return 0;
}

// ---- Painter ----------------------------------------------------------------------------

void paintScrollCover(HDC canvas, const RECT& rc, const ScrollCoverLook& k) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    if (!g) return;
    const Axes ax{k.vertical, static_cast<float>(rc.left), static_cast<float>(rc.top)};
    const float b = static_cast<float>(k.thickness), across = static_cast<float>(k.vertical ? k.width : k.height);
    const float along = static_cast<float>(lengthAlong(k));

    // Track: across the bar from a faint accent to white.
    {
        gfx::GraphicsPath track = gfx::GraphicsPath::create();
        const gfx::RectF t = ax.rect(0, 0, along, across);
        track.addRectangle(t.x, t.y, t.width, t.height);
        fillGradient(g, track, ax.point(0, 0), ax.point(0, across), toArgb(k.accent, 40), white(255));
    }

    if (k.thumbShown) {
        const float t0 = static_cast<float>(k.thumbStart), length = static_cast<float>(k.thumbEnd - k.thumbStart);
        gfx::GraphicsPath thumb = roundRect(ax.rect(t0, (across - b) / 2 + 1, length - 1, b - 3), 5);
        if (k.hotPart == kScrollThumb) {
            gfx::SolidBrush hot = gfx::SolidBrush::create(white(180));
            g.fillPath(hot, thumb);
        }
        fillGradient(g, thumb, ax.point(t0, 1), ax.point(t0, b - 2), white(150), toArgb(k.accent, 150));
        fillGradient(g, thumb, ax.point(t0, 1), ax.point(t0, b - 2), white(0), white(150));
        outline(g, thumb, black(100));
    }

    paintArrow(g, ax, k, 1, 2, kScrollFirstArrow, k.vertical ? ArrowGlyph::Up : ArrowGlyph::Left, firstArrowGlyphAt);
    const float second = secondArrowStart(k);
    paintArrow(g, ax, k, second, second + 2, kScrollSecondArrow, k.vertical ? ArrowGlyph::Down : ArrowGlyph::Right,
               secondArrowGlyphAt);
}

// ---- The covered control ----------------------------------------------------------------------

namespace {

// The covers an item keeps, when its family keeps any.
template <class Item>
ScrollCovers* coversIn(HWND control, ControlList<Item> WindowRecord::*list) {
    if constexpr (requires(Item & item) { item.covers; }) {
        auto ref = controlRefOf(control, list);
        return ref ? &ref->item.covers : nullptr;
    } else {
        return nullptr;
    }
}

SCROLLBARINFO barInfo(HWND control, bool vertical) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(control, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
    return info;
}

// The real bar's rectangle in the parent's client coordinates.
RECT barRectInParent(HWND control, const SCROLLBARINFO& info) {
    RECT r = info.rcScrollBar;
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

ScrollCoverLook coverLookOf(HWND control, HWND cover, bool vertical, int hotPart) {
    const RECT r = win::clientRect(cover);
    // The thickness and the arrows come from the system's metrics: the bar
    // information's line-button field is not the arrow size on every system.
    return scrollCoverLook(barInfo(control, vertical), SIZE{win::width(r), win::height(r)}, vertical, hotPart,
                           SIZE{systemBarThickness(vertical), systemArrowLength(vertical)}, settings().accentColour);
}

bool isVerticalCover(HWND cover) {
    const auto control = win::prop<HWND>(cover, keys::kScrollOwner);
    const ScrollCovers* covers = scrollCoversOf(control);
    return !covers || covers->vertical == cover;
}

void placeOverBar(HWND cover, const RECT& r) {
    SetWindowPos(cover, HWND_TOP, r.left, r.top, win::width(r), win::height(r), SWP_NOACTIVATE);
}

}  // namespace

ScrollCovers* scrollCoversOf(HWND control) {
    if (!control) return nullptr;
    return win::isClass(control, "Edit") ? coversIn(control, &WindowRecord::edits)
                                         : coversIn(control, &WindowRecord::listLike);
}

int systemBarThickness(bool vertical) { return GetSystemMetrics(vertical ? SM_CXVSCROLL : SM_CYHSCROLL); }
int systemArrowLength(bool vertical) { return GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL); }

RECT clientRectInWindowRect(HWND control) {
    return clientRectInWindowRect(SIZE{win::width(win::windowRect(control)), win::height(win::windowRect(control))},
                                  win::clientSize(control), win::style(control), systemBarThickness(true),
                                  systemBarThickness(false));
}

int borderKind(HWND control) { return borderKind(win::style(control), win::exStyle(control)); }

HWND createScrollOverlay(HWND control, bool vertical, bool shown) {
    const HWND parent = GetParent(control);
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_DISABLED;
    RECT r{0, 0, 10, 10};
    if (shown) {
        style |= WS_VISIBLE;
        r = barRectInParent(control, barInfo(control, vertical));
    }
    const HWND cover = CreateWindowExA(0, "Static", "", style, r.left, r.top, win::width(r), win::height(r), parent,
                                       nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!cover) return nullptr;
    win::setProp(cover, keys::kScrollOwner, control);
    win::setProp(cover, keys::kOwnerIndex, findSkinnedWindow(cover));
    const LONG_PTR previous = SetWindowLongPtrA(cover, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&scrollOverlayProc));
    win::setProp(cover, keys::kPreviousProc, previous);
    placeOverBar(cover, r);
    return cover;
}

void syncScrollOverlays(HWND control) {
    const ScrollCovers* covers = scrollCoversOf(control);
    if (!covers) return;
    const LONG style = win::style(control);
    const bool edit = win::isClass(control, "Edit");
    const bool visible = IsWindowVisible(control) != 0;
    auto show = [&](HWND cover, LONG barStyle) {
        if (!cover) return;
        if (edit) ShowWindow(cover, (style & barStyle) && (style & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
        else if (style & barStyle) ShowWindow(cover, visible ? SW_SHOWNA : SW_HIDE);
    };
    show(covers->vertical, WS_VSCROLL);
    show(covers->horizontal, WS_HSCROLL);
    if (!visible) return;
    for (bool vertical : {true, false})
        if (HWND cover = covers->cover(vertical))
            placeOverBar(cover, barRectInParent(control, barInfo(control, vertical)));
}

void paintScrollOverlay(HWND control, bool vertical, int hotPart) {
    ScrollCovers* covers = scrollCoversOf(control);
    const HWND cover = covers ? covers->cover(vertical) : nullptr;
    if (!cover) return;
    const ScrollCoverLook look = coverLookOf(control, cover, vertical, hotPart);
    if (look.width <= 0 || look.height <= 0) return;
    covers->parts(vertical) = scrollCoverParts(look);
    const RECT rc{0, 0, look.width, look.height};
    Canvas canvas(paintControlBackdrop(cover, rc));
    if (!canvas) return;
    paintScrollCover(canvas.get(), rc, look);
    publishControlImage(cover, canvas.get(), false, false);
    win::WindowDc dc(cover);
    BitBlt(dc.get(), 0, 0, look.width, look.height, canvas.get(), 0, 0, SRCCOPY);
}

int scrollOverlayPartAt(HWND control, bool vertical, LPARAM screenPoint) {
    const ScrollCovers* covers = scrollCoversOf(control);
    const HWND cover = covers ? covers->cover(vertical) : nullptr;
    if (!cover) return kScrollTrack;
    const RECT o = win::windowRect(cover);
    const POINT p = win::mousePoint(screenPoint);
    return scrollPartAt(covers->parts(vertical), POINT{p.x - o.left, p.y - o.top});
}

LRESULT CALLBACK scrollOverlayProc(HWND cover, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        {
            win::PaintDc paint(cover);
            paintScrollOverlay(win::prop<HWND>(cover, keys::kScrollOwner), isVerticalCover(cover), kScrollTrack);
        }
        break;
    }
    // The mouse goes on to the real bar beneath, whatever the system does
    // with a disabled window under the pointer.
    case WM_NCHITTEST: return HTTRANSPARENT;
    default: break;
    }
    return forwardToPrevious(cover, msg, wp, lp);
}

}  // namespace skin
