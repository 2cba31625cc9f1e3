#include "skin/controls/up_down.h"

#include <commctrl.h>

#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "skin/controls/containers.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/family.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/window/primitives.h"
#include "win/handles.h"
#include "win/window.h"

namespace skin {

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr float kCornerDiameter = 3;

Argb white(int alpha) { return toArgb(kWhite, alpha); }

SIZE windowSize(HWND w) {
    const RECT r = win::windowRect(w);
    return SIZE{win::width(r), win::height(r)};
}

gfx::GraphicsPath roundRect(float x, float y, float w, float h) {
    gfx::GraphicsPath path = gfx::GraphicsPath::create();
    addRoundRect(path, x, y, w, h, kCornerDiameter);
    return path;
}

ArrowGlyph glyphOf(bool horizontal, int half) {
    if (horizontal) return half == 0 ? ArrowGlyph::Left : ArrowGlyph::Right;
    return half == 0 ? ArrowGlyph::Up : ArrowGlyph::Down;
}

// One half: its gradient tile, its arrow centred at natural size, its outline.
void paintHalf(gfx::Graphics& g, const RECT& rc, SIZE size, const UpDownLook& look, int half) {
    const SIZE s = upDownHalfSize(size, look.horizontal);
    const RECT box = upDownHalfBox(size, look.horizontal, half);
    const float x0 = static_cast<float>(rc.left), y0 = static_cast<float>(rc.top);
    const float left = x0 + static_cast<float>(box.left), top = y0 + static_cast<float>(box.top);
    const float L = static_cast<float>(s.cx), M = static_cast<float>(s.cy);
    const UpDownHalfColours colours = upDownHalfColours(look, half);

    gfx::GraphicsPath path = roundRect(left, top, L - 1, M - 1);
    // The gradient runs along the split: the first half's over the half, the
    // second half's on to the control's far edge.
    gfx::PointF from, to;
    if (look.horizontal) {
        from = {left, y0};
        to = {half == 0 ? left + L - 1 : x0 + static_cast<float>(size.cx), y0};
    } else {
        from = {x0, top};
        to = {x0, half == 0 ? top + M - 1 : y0 + static_cast<float>(size.cy)};
    }
    g.fillPath(gfx::LinearGradientBrush::create(from, to, colours.from, colours.to), path);
    if (const gfx::Image* arrow = arrowGlyph(glyphOf(look.horizontal, half)))
        g.drawImage(*arrow, left + (L - static_cast<float>(arrow->width())) / 2,
                    top + (M - static_cast<float>(arrow->height())) / 2);
    g.drawPath(gfx::Pen::create(colours.outline, 1), path);
}

// ---- The skin procedure's handlers ---------------------------------------------------

using UpDownRef = ControlRef<UpDownItem>;

std::optional<UpDownRef> upDownRefOf(HWND control) { return controlRefOf(control, &WindowRecord::upDowns); }

// The pointer moved over the control: a repaint when it came from another
// control or crossed into the other half.
void trackUpDownHover(HWND hwnd, UpDownRef& ref, LPARAM lp) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    UpDownItem& item = ref.item;
    WindowRecord& r = ref.record;
    r.pointedSlot = ref.slot;
    const int half = upDownHalfAt(windowSize(hwnd), item.horizontal, win::mousePoint(lp));
    if (r.hotSlot == ref.slot && r.hotKindCode == kUpDownKind && half == item.lastHotHalf) return;
    if (ref.slot >= 1) {
        paintUpDown(hwnd, true, item.pressed, win::mousePoint(lp));
        item.hovered = true;
    }
    r.hotSlot = ref.slot;
    r.hotKindCode = kUpDownKind;
    item.lastHotHalf = half;
}

void leaveUpDownHover(HWND hwnd, UpDownRef& ref) {
    leaveHot(ref.record);
    ref.item.hovered = false;
    paintUpDown(hwnd, false);
}

// The control never paints itself: the skin's face is the only one, and the
// system's WM_PAINT only validates.
LRESULT paintAndValidate(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    paintUpDown(hwnd);
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void press(UpDownItem& item, bool down, LPARAM lp) {
    item.pressed = down;
    item.lastPoint = lp;
}

}  // namespace

// ---- Registration -----------------------------------------------------------------------

void skinUpDowns(int index, HWND parent) {
    if (!controlSkinningEnabled() || !validIndex(index)) return;
    for (HWND child : win::children(parent, UPDOWN_CLASSA))
        registerControl(index, &WindowRecord::upDowns, child, upDownSkinProc,
                        [&](UpDownItem& item) { item.horizontal = (win::style(child) & UDS_HORZ) != 0; });
}

// ---- Geometry -------------------------------------------------------------------------------

SIZE upDownHalfSize(SIZE control, bool horizontal) {
    return horizontal ? SIZE{control.cx / 2, control.cy} : SIZE{control.cx, control.cy / 2};
}

RECT upDownHalfBox(SIZE control, bool horizontal, int half) {
    const SIZE s = upDownHalfSize(control, horizontal);
    const int left = horizontal && half == 1 ? s.cx : 0;
    const int top = !horizontal && half == 1 ? s.cy : 0;
    return RECT{left, top, left + s.cx, top + s.cy};
}

int upDownHalfAt(SIZE control, bool horizontal, POINT p) {
    const SIZE s = upDownHalfSize(control, horizontal);
    return (horizontal ? p.x > s.cx : p.y > s.cy) ? 1 : 0;
}

// ---- Looks ------------------------------------------------------------------------------------

UpDownLook upDownLook(SIZE control, bool horizontal, bool hovered, bool pressed, POINT point, COLORREF accent) {
    UpDownLook look;
    look.horizontal = horizontal;
    look.litHalf = hovered ? upDownHalfAt(control, horizontal, point) : kNoHalf;
    look.pressed = pressed;
    look.accent = accent;
    return look;
}

UpDownHalfColours upDownHalfColours(const UpDownLook& look, int half) {
    const Argb outline = toArgb(look.accent, 200);
    if (half == look.litHalf) {
        if (look.pressed) return {toArgb(look.accent, 100), white(150), outline};
        return {white(100), toArgb(look.accent, 150), outline};
    }
    // The upper half of a vertical control starts brighter.
    const int start = !look.horizontal && half == 0 ? 60 : 20;
    return {white(start), toArgb(look.accent, 100), toArgb(0, 100)};
}

// ---- Painters -----------------------------------------------------------------------------------

void paintUpDown(HDC canvas, const RECT& rc, const UpDownLook& look) {
    const SIZE size{win::width(rc), win::height(rc)};
    if (size.cx <= 0 || size.cy <= 0) return;
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    g.setSmoothingMode(gfx::SmoothingMode::AntiAlias);
    g.setCompositingQuality(gfx::CompositingQuality::HighQuality);
    const float x0 = static_cast<float>(rc.left), y0 = static_cast<float>(rc.top);
    g.fillPath(gfx::SolidBrush::create(white(160)),
               roundRect(x0, y0, static_cast<float>(size.cx - 1), static_cast<float>(size.cy - 1)));
    paintHalf(g, rc, size, look, 0);
    paintHalf(g, rc, size, look, 1);
}

void paintUpDown(HWND control, std::optional<bool> hovered, std::optional<bool> pressed, std::optional<POINT> point) {
    auto ref = upDownRefOf(control);
    if (!ref) return;
    const UpDownItem& item = ref->item;
    const SIZE size = windowSize(control);
    if (size.cx <= 0 || size.cy <= 0) return;
    const bool isPressed = pressed.value_or(item.pressed);
    UpDownLook look = upDownLook(size, item.horizontal, hovered.value_or(item.hovered), isPressed,
                                 point.value_or(win::mousePoint(item.lastPoint)), settings().accentColour);
    // The control invalidates itself as the pointer crosses from one arrow to
    // the other: unless a press holds its arrow, the lit half stays the one
    // under the pointer, not the one last pressed.
    if (!point && !isPressed && look.litHalf != kNoHalf) look.litHalf = item.lastHotHalf;
    const HBITMAP picture = keptOrPainted(control, RECT{0, 0, size.cx, size.cy}, look,
                                          [&](HDC canvas, const RECT& rc) { paintUpDown(canvas, rc, look); });
    if (!picture) return;
    const KeptCanvas canvas(picture);
    publishControlImage(control, canvas.get(), false, false);
    win::WindowDc dc(control, true);
    BitBlt(dc.get(), 0, 0, size.cx, size.cy, canvas.get(), 0, 0, SRCCOPY);
}

// ---- Skin procedure ---------------------------------------------------------------------------------

LRESULT CALLBACK upDownSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto ref = upDownRefOf(hwnd);
    if (!ref) return forwardToPrevious(hwnd, msg, wp, lp);
    UpDownItem& item = ref->item;
    // clang-format off
    switch (msg) {
    case WM_DESTROY:           forgetKeptPaints(hwnd); break;
    case WM_MOVE:              paintUpDown(hwnd); break;
    case WM_PAINT:             return paintAndValidate(hwnd, msg, wp, lp);
    case WM_ERASEBKGND:        SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT); return 1;
    case WM_NCPAINT:           return 1;
    case WM_WINDOWPOSCHANGING: markContainerForRedraw(hwnd); break;
    case WM_MOUSEMOVE:         trackUpDownHover(hwnd, *ref, lp); break;
    case WM_LBUTTONDOWN:       press(item, true, lp); break;
    case WM_LBUTTONUP:         press(item, false, lp); break;
    case WM_MOUSELEAVE:        leaveUpDownHover(hwnd, *ref); break;
    default:                   break;
    }
    // clang-format on
    return forwardToPrevious(hwnd, msg, wp, lp);
}

}  // namespace skin
