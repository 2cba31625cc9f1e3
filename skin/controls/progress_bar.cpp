#include "skin/controls/progress_bar.h"

#include <algorithm>
#include <commctrl.h>

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

constexpr Argb kOutline = 0x32000000;
constexpr Argb kTroughTop = 0xA0FFFFFF;
constexpr Argb kTroughBottom = 0x1E000000;
constexpr Argb kBarGleam = 0x5AFFFFFF;
constexpr int kBarEdgeAlpha = 150;

float f(long v) { return static_cast<float>(v); }

gfx::GraphicsPath roundRectPath(float x, float y, float w, float h, float d) {
    gfx::GraphicsPath path = gfx::GraphicsPath::create();
    addRoundRect(path, x, y, w, h, d);
    return path;
}

// ---- Reading a progress bar -----------------------------------------------------------

std::optional<ControlRef<ProgressItem>> progressRefOf(HWND bar) {
    return controlRefOf(bar, &WindowRecord::progressBars);
}

ProgressLook progressLookOf(HWND bar, const ProgressItem& item, SIZE size) {
    PBRANGE range{};
    SendMessageA(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    const int position = static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0));
    const int length = item.vertical ? size.cy : size.cx;
    return ProgressLook{item.vertical, progressFill(position, range.iLow, range.iHigh, length),
                        settings().accentColour};
}

void paintProgressWindow(HWND bar, const ProgressItem& item, HDC target) {
    const RECT window = win::windowRect(bar);
    const RECT rc{0, 0, win::width(window), win::height(window)};
    // A hidden bar shows nothing, so it publishes nothing either.
    if (rc.right <= 0 || rc.bottom <= 0 || !IsWindowVisible(bar)) return;
    const ProgressLook look = progressLookOf(bar, item, SIZE{rc.right, rc.bottom});
    Canvas canvas(paintControlBackdrop(bar, rc));
    if (!canvas) return;
    paintProgressBar(canvas.get(), rc, look);
    publishControlImage(bar, canvas.get(), false, true);
    win::WindowDc own;
    if (!target) {
        own = win::WindowDc(bar, true);
        target = own.get();
    }
    BitBlt(target, 0, 0, rc.right, rc.bottom, canvas.get(), 0, 0, SRCCOPY);
}

// ---- The skin procedure's handlers ----------------------------------------------------

LRESULT paintAndValidate(HWND hwnd, const ProgressItem& item) {
    win::PaintDc paint(hwnd);
    paintProgressWindow(hwnd, item, nullptr);
    return 0;
}

LRESULT eraseBackground(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    return 1;
}

}  // namespace

// ---- Registration ---------------------------------------------------------------------

void skinProgressBars(int index, HWND parent) {
    if (!controlSkinningEnabled() || !validIndex(index)) return;
    for (HWND child : win::children(parent, PROGRESS_CLASSA)) {
        if (isRegistered(record(index).progressBars, child)) continue;
        registerControl(index, &WindowRecord::progressBars, child, progressSkinProc,
                        [&](ProgressItem& item) { item.vertical = (win::style(child) & PBS_VERTICAL) != 0; });
    }
}

// ---- Geometry ---------------------------------------------------------------------------

int progressFill(int position, int low, int high, int length) {
    if (high <= low || length <= 0) return 0;
    const long long p = std::clamp(position, low, high);
    // 64 bits: a 32-bit range times the length does not fit in 32.
    return static_cast<int>((p - low) * length / (static_cast<long long>(high) - low));
}

std::optional<ProgressBarShape> progressBarShape(SIZE size, bool vertical, int filled) {
    if (filled <= 0) return std::nullopt;
    // The filled area: from the left, or up from the bottom.
    const RECT area = vertical ? RECT{0, size.cy - filled, size.cx, size.cy} : RECT{0, 0, filled, size.cy};
    const int w = win::width(area) - 3, h = win::height(area) - 3;
    if (w <= 0 || h <= 0) return std::nullopt;
    ProgressBarShape s;
    s.bar = gfx::RectF{f(area.left) + 1, f(area.top) + 1, f(w), f(h)};
    s.from = gfx::PointF{f(area.left), f(area.top)};
    s.to = vertical ? gfx::PointF{f(size.cx) - 1, f(area.top)} : gfx::PointF{0, f(size.cy) - 1};
    return s;
}

// ---- Painter -------------------------------------------------------------------------------

void paintProgressBar(HDC canvas, const RECT& rc, const ProgressLook& look) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    if (!g) return;
    const float x = f(rc.left), y = f(rc.top), w = f(win::width(rc)), h = f(win::height(rc));
    g.drawPath(gfx::Pen::create(kOutline, 1), roundRectPath(x, y, w - 1, h - 1, 5));
    const gfx::PointF troughEnd = look.vertical ? gfx::PointF{x + w - 1, y} : gfx::PointF{x, y + h - 1};
    g.fillPath(gfx::LinearGradientBrush::create({x, y}, troughEnd, kTroughTop, kTroughBottom),
               roundRectPath(x + 1, y + 1, w - 2, h - 2, 1));

    const auto shape = progressBarShape(SIZE{win::width(rc), win::height(rc)}, look.vertical, look.filled);
    if (!shape) return;
    const gfx::RectF& b = shape->bar;
    gfx::GraphicsPath bar = roundRectPath(x + b.x, y + b.y, b.width, b.height, 3);
    g.fillPath(gfx::LinearGradientBrush::create({x + shape->from.x, y + shape->from.y},
                                                {x + shape->to.x, y + shape->to.y}, kBarGleam, toArgb(look.accent)),
               bar);
    g.drawPath(gfx::Pen::create(toArgb(look.accent, kBarEdgeAlpha), 1), bar);
}

// ---- Painting a registered progress bar ----------------------------------------------------

void paintProgressBar(int index, int slot, HDC dc) {
    if (!validIndex(index)) return;
    ControlList<ProgressItem>& list = record(index).progressBars;
    if (slot < 1 || slot > static_cast<int>(list.size())) return;
    const ProgressItem& item = list[static_cast<size_t>(slot) - 1];
    if (item.hwnd) paintProgressWindow(item.hwnd, item, dc);
}

// ---- Skin procedure ----------------------------------------------------------------------------

LRESULT CALLBACK progressSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto ref = progressRefOf(hwnd);
    if (!ref) return forwardToPrevious(hwnd, msg, wp, lp);
    // clang-format off
    switch (msg) {
    case WM_MOVE:              paintProgressWindow(hwnd, ref->item, nullptr); break;
    case WM_PAINT:             return paintAndValidate(hwnd, ref->item);
    case WM_ERASEBKGND:        return eraseBackground(reinterpret_cast<HDC>(wp));
    case WM_WINDOWPOSCHANGING: markContainerForRedraw(hwnd); break;
    case WM_NCPAINT:           paintProgressWindow(hwnd, ref->item, nullptr); return 1;
    default:                   break;
    }
    // clang-format on
    return forwardToPrevious(hwnd, msg, wp, lp);
}

}  // namespace skin
