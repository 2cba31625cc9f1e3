#include "skin/controls/button.h"

#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "gfx/text.h"
#include "skin/controls/containers.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/family.h"
#include "skin/window/primitives.h"
#include "skin/window/property_keys.h"
#include "win/props.h"
#include "win/resources.h"
#include "win/window.h"

namespace skin {

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kFaceShade = RGB(128, 128, 128);
constexpr COLORREF kDisabledFace = RGB(192, 192, 192);
constexpr COLORREF kFocusGlow = RGB(34, 202, 221);
constexpr float kCornerDiameter = 5;

// ---- Registration ---------------------------------------------------------------

void registerButton(int index, HWND child, ButtonKind kind) {
    registerControl(index, &WindowRecord::buttons, child, buttonSkinProc, [&](ButtonItem& item) {
        item.kind = kind;
        item.caption = win::windowText(child);
        const ControlFont font = queryControlFont(child);
        item.fontFace = font.face;
        item.fontSize = font.size;
        item.fontStyle = font.style;
    });
}

// Registers every direct button child that the entry's rule accepts and that
// the window's list does not hold yet: a second registration would keep the
// skin procedure as its own previous procedure.
template <class KindOf, class After>
void skinButtons(int index, HWND parent, KindOf&& kindOf, After&& after) {
    if (!controlSkinningEnabled() || !validIndex(index)) return;
    for (HWND child : win::children(parent, "BUTTON")) {
        const std::optional<ButtonKind> kind = kindOf(win::style(child));
        if (!kind || isRegistered(record(index).buttons, child)) continue;
        registerButton(index, child, *kind);
        after(child);
    }
}

// ---- Drawing helpers ----------------------------------------------------------------

gfx::GraphicsPath roundRectPath(float x, float y, float w, float h, float d) {
    gfx::GraphicsPath path = gfx::GraphicsPath::create();
    addRoundRect(path, x, y, w, h, d);
    return path;
}

gfx::GraphicsPath ellipsePath(float x, float y, float w, float h) {
    gfx::GraphicsPath path = gfx::GraphicsPath::create();
    path.addEllipse(x, y, w, h);
    return path;
}

gfx::SolidBrush solid(COLORREF colour, int alpha = 255) { return gfx::SolidBrush::create(toArgb(colour, alpha)); }

gfx::Pen pen(COLORREF colour, int alpha, float width = 1) { return gfx::Pen::create(toArgb(colour, alpha), width); }

gfx::LinearGradientBrush gradient(gfx::PointF from, gfx::PointF to, Argb fromColour, Argb toColour) {
    return gfx::LinearGradientBrush::create(from, to, fromColour, toColour);
}

// Outlines the path with ever wider pens; with the surface clipped to the
// path only their inner halves show, so the edge darkens inwards.
void drawInnerGlow(gfx::Graphics& g, const gfx::GraphicsPath& path, int n, COLORREF colour, int alpha) {
    for (int i = 1; i <= n; ++i) g.drawPath(pen(colour, alpha, static_cast<float>(i)), path);
}

// The halo of a hot indicator, in the ring that the clip leaves around it:
// a white glow and an accent glow, both fading outwards.
void fillHotRing(gfx::Graphics& g, const gfx::GraphicsPath& ring, COLORREF accent) {
    const Argb clear = toArgb(kWhite, 0);
    struct Glow {
        Argb centre;
        float focus;
    };
    for (const Glow glow : {Glow{toArgb(kWhite), 0.4f}, Glow{toArgb(accent), 0.3f}}) {
        gfx::PathGradientBrush brush = gfx::PathGradientBrush::fromPath(ring);
        brush.setCenterColour(glow.centre);
        brush.setSurroundColours(std::span(&clear, 1));
        brush.setFocusScales(glow.focus, glow.focus);
        g.fillPath(brush, ring);
    }
}

void drawCaption(gfx::Graphics& g, const ButtonText& text, const gfx::RectF& layout, gfx::StringAlignment alignment,
                 gfx::Unit unit) {
    if (text.caption.empty()) return;
    gfx::Font font =
        gfx::Font::fromFamilyName(text.font.face, static_cast<float>(text.font.size), text.font.style, unit);
    // No hotkey prefix is set: an ampersand is drawn as it is.
    gfx::StringFormat format = gfx::StringFormat::create(0);
    format.setAlignment(alignment);
    format.setLineAlignment(gfx::StringAlignment::Center);
    g.drawString(text.caption, font, solid(text.colour), layout, format);
}

// The indicator's vertical place: centred, and not rounded.
float indicatorTop(const RECT& rc) { return static_cast<float>(rc.top) + (win::height(rc) - 12) / 2.0f; }

void drawIndicatorCaption(gfx::Graphics& g, const RECT& rc, const IndicatorLook& look) {
    const gfx::RectF layout{static_cast<float>(rc.left) + 15, 2, static_cast<float>(win::width(rc)),
                            static_cast<float>(win::height(rc))};
    drawCaption(g, look.text, layout, gfx::StringAlignment::Near, gfx::Unit::Pixel);
}

// ---- Reading a button ---------------------------------------------------------------

std::optional<ControlRef<ButtonItem>> buttonRefOf(HWND button) { return controlRefOf(button, &WindowRecord::buttons); }

ButtonText buttonTextOf(HWND button, const ButtonItem& item) {
    return ButtonText{item.caption, ControlFont{item.fontFace, item.fontSize, item.fontStyle},
                      win::prop<COLORREF>(button, keys::kTextColour)};
}

bool isChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

IndicatorLook indicatorLookOf(HWND button, const ButtonItem& item, UINT drawState) {
    return indicatorLook(drawState, isChecked(button), settings().accentColour, buttonTextOf(button, item));
}

void paintIndicator(HDC canvas, const RECT& rc, int kind, const IndicatorLook& look) {
    if (kind == kRadioButton) paintRadioButton(canvas, rc, look);
    else paintCheckBox(canvas, rc, look);
}

// ---- The skin procedure's handlers ------------------------------------------------------

// WM_PAINT of a check box or radio button: the skin's look, never the system's.
LRESULT paintIndicatorWindow(HWND hwnd, const ButtonItem& item) {
    const IndicatorLook look = indicatorLookOf(hwnd, item, 0);
    const int kind = item.kind;
    return paintOverBackdrop(hwnd, [&](HDC canvas, const RECT& rc) { paintIndicator(canvas, rc, kind, look); });
}

// The system paints a check box or radio button itself on many messages
// (focus changes with their dotted rectangle, state, check, enabling, text);
// the skin paints over it right after.  Push buttons are owner-drawn and
// come back through the parent's WM_DRAWITEM.  The forwarded message may end
// the window, so the button is looked up again.
LRESULT forwardAndRepaint(HWND hwnd, int kind, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT result = forwardToPrevious(hwnd, msg, wp, lp);
    if (kind != kPushButton) redrawButton(hwnd, false);
    return result;
}

void trackButtonHover(HWND hwnd, ControlRef<ButtonItem>& ref) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    if (pointAt(ref.record, ref.slot, kPushButtonKind)) redrawButton(hwnd, true);
}

// The system posts the leave of a control only after the move onto the next
// one has been handled; the hot mark is then the next control's and stays.
void leaveButtonHover(HWND hwnd, ControlRef<ButtonItem>& ref) {
    if (ref.record.hotSlot == ref.slot && ref.record.hotKindCode == kPushButtonKind) leaveHot(ref.record);
    redrawButton(hwnd, false);
}

LRESULT eraseBackground(HWND hwnd, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    return static_cast<LRESULT>(SetTextColor(dc, win::prop<COLORREF>(hwnd, keys::kTextColour)));
}

void takeCaption(ButtonItem& item, LPARAM text) { item.caption = text ? reinterpret_cast<const char*>(text) : ""; }

// The pressed flag goes with the mouse: when the capture is lost without a
// release, the system's own BM_SETSTATE(FALSE) must get through.
void losePress(ButtonItem& item) { item.pressed = false; }

}  // namespace

// ---- Registration ---------------------------------------------------------------------

std::optional<ButtonKind> pushButtonKindOf(LONG style) {
    switch (style & 0xF) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_USERBUTTON: return kPushButton;
    default: return std::nullopt;
    }
}

std::optional<ButtonKind> checkButtonKindOf(LONG style) {
    switch (style & 0xF) {
    case BS_AUTORADIOBUTTON: return kRadioButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_PUSHBOX: return kCheckBox;
    default: return std::nullopt;
    }
}

void skinPushButtons(int index, HWND parent) {
    skinButtons(index, parent, pushButtonKindOf,
                [](HWND child) { SetWindowLongA(child, GWL_STYLE, win::style(child) | BS_OWNERDRAW); });
}

void skinCheckButtons(int index, HWND parent) {
    skinButtons(index, parent, checkButtonKindOf, [](HWND) {});
}

// ---- Looks -----------------------------------------------------------------------------

UINT buttonBaseState(bool enabled, bool focused, bool pushed) {
    UINT state = 0;
    if (!enabled) state |= kDrawDisabled;
    if (focused) state |= kDrawFocused;
    if (pushed) state |= kDrawSelected;
    return state;
}

PushButtonLook pushButtonLook(UINT drawState, COLORREF accent, ButtonText text) {
    PushButtonLook look;
    look.disabled = (drawState & kDrawDisabled) != 0;
    look.edge = (drawState & kDrawHot)       ? ButtonEdge::Hot
                : (drawState & kDrawFocused) ? ButtonEdge::Focused
                                             : ButtonEdge::Plain;
    look.selected = (drawState & kDrawSelected) != 0;
    look.accent = accent;
    look.text = std::move(text);
    return look;
}

IndicatorLook indicatorLook(UINT drawState, bool checked, COLORREF accent, ButtonText text) {
    return IndicatorLook{(drawState & kDrawHot) != 0, checked, accent, std::move(text)};
}

// ---- Painters ---------------------------------------------------------------------------

void paintPushButton(HDC canvas, const RECT& rc, const PushButtonLook& look) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    const float x0 = static_cast<float>(rc.left), y0 = static_cast<float>(rc.top);
    const float w = static_cast<float>(win::width(rc)), h = static_cast<float>(win::height(rc));
    auto accentAt = [&](int alpha) { return toArgb(look.accent, alpha); };

    gfx::GraphicsPath face = roundRectPath(x0, y0, w - 1, h - 1, kCornerDiameter);
    g.fillPath(solid(kWhite, 120), face);
    if (look.disabled) {
        g.fillRectangle(solid(kDisabledFace), x0, y0, w, h);
        g.drawPath(pen(kBlack, 80), face);
    } else {
        const gfx::PointF top{x0, y0}, bottom{x0, y0 + h - 1};
        g.fillPath(gradient(top, bottom, toArgb(kWhite, 0), toArgb(kFaceShade, 60)), face);
        gfx::GraphicsPath gloss = gfx::GraphicsPath::create();
        addTopRoundRect(gloss, x0, y0, w - 1, h * 0.5f, kCornerDiameter);
        g.fillPath(gradient(top, {x0, y0 + h * 0.5f}, toArgb(kWhite, 50), toArgb(kWhite, 10)), gloss);

        switch (look.edge) {
        case ButtonEdge::Hot:
            g.fillPath(gradient(top, bottom, accentAt(60), toArgb(kWhite, 80)), face);
            g.fillPath(gradient(top, bottom, toArgb(kWhite, 100), accentAt(30)), face);
            g.drawPath(pen(kBlack, 150), face);
            g.drawPath(pen(look.accent, 100), face);
            break;
        case ButtonEdge::Focused:
            g.setClip(face, gfx::CombineMode::Replace);
            drawInnerGlow(g, face, 3, kFocusGlow, 120);
            g.resetClip();
            g.drawPath(pen(kBlack, 80), face);
            break;
        case ButtonEdge::Plain: g.drawPath(pen(kBlack, 120), face); break;
        }

        if (look.selected) {
            gfx::GraphicsPath pressed = roundRectPath(x0 + 2, y0 + 2, w - 3, h - 3, kCornerDiameter);
            g.fillPath(gradient({x0 + 2, y0 + 2}, {x0 + 2, y0 + h - 2}, accentAt(60), toArgb(kWhite, 100)), pressed);
        }
    }
    drawCaption(g, look.text, gfx::RectF{x0, y0 + 2, w, h}, gfx::StringAlignment::Center, gfx::Unit::World);
}

void paintRadioButton(HDC canvas, const RECT& rc, const IndicatorLook& look) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    g.setSmoothingMode(gfx::SmoothingMode::AntiAlias);
    const float x = static_cast<float>(rc.left), y = static_cast<float>(rc.top), top = indicatorTop(rc);
    const float h = static_cast<float>(win::height(rc));

    gfx::GraphicsPath dot = ellipsePath(x + 2, top, 12, 12);
    g.fillPath(solid(kWhite), dot);
    g.fillPath(gradient({x + 3, top + 1}, {x + 10, top + 11}, toArgb(kBlack, 100), toArgb(kBlack, 0)), dot);
    if (look.hot) {
        // The halo circle shares the indicator's centre.
        gfx::GraphicsPath halo = ellipsePath(x - 1, top - 3, 18, 18);
        g.setClip(dot, gfx::CombineMode::Replace);
        g.setClip(halo, gfx::CombineMode::Xor);
        fillHotRing(g, halo, look.accent);
        g.resetClip();
        g.fillPath(gradient({x + 3, top + 1}, {x + 11, top + 12}, toArgb(look.accent, 100), toArgb(kBlack, 0)), dot);
    }
    g.drawPath(pen(kBlack, 200), dot);
    g.drawPath(pen(kWhite, 255), ellipsePath(x + 3, y + (h - 11) / 2 + 1, 9, 9));
    if (look.checked) {
        gfx::GraphicsPath mark = ellipsePath(x + 5, top + 3, 6, 6);
        gfx::PathGradientBrush fill = gfx::PathGradientBrush::fromPath(mark);
        const Argb surround = toArgb(look.accent);
        fill.setCenterColour(toArgb(kWhite, 80));
        fill.setSurroundColours(std::span(&surround, 1));
        g.drawPath(pen(kBlack, 150), mark);
        g.drawPath(pen(look.accent, 150), mark);
        g.fillPath(fill, mark);
    }
    drawIndicatorCaption(g, rc, look);
}

void paintCheckBox(HDC canvas, const RECT& rc, const IndicatorLook& look) {
    gfx::Graphics g = gfx::Graphics::fromHdc(canvas);
    const float x = static_cast<float>(rc.left), y = static_cast<float>(rc.top), top = indicatorTop(rc);
    const float h = static_cast<float>(win::height(rc));

    g.fillRectangle(solid(kWhite), x + 3, top + 1, 11, 11);
    g.fillRectangle(gradient({x, top}, {x, top + 12}, toArgb(kBlack, 70), toArgb(kWhite)), x + 3, top + 1, 11, 11);
    if (look.hot) {
        gfx::GraphicsPath halo = roundRectPath(x - 1, top - 3, 18, 18, 6);
        g.setClip(x + 2, top, 12, 12, gfx::CombineMode::Replace);
        g.setClip(halo, gfx::CombineMode::Xor);
        fillHotRing(g, halo, look.accent);
        g.resetClip();
        const float shadeTop = y + (h - 11) / 2;
        g.fillRectangle(gradient({x, shadeTop}, {x + 12, shadeTop + 12}, toArgb(look.accent, 90), toArgb(kWhite, 30)),
                        x + 2, top, 12, 12);
    }
    g.drawRectangle(pen(kBlack, 150), x + 2, top, 12, 12);
    g.drawRectangle(pen(kWhite, 255), x + 4, top + 1, 9, 10);
    if (look.checked) {
        // Recoloured afresh on every paint; drawn twice, which deepens the
        // tick's half-transparent pixels.
        gfx::Image tick = gfx::Image::fromBytes(tintGlyph(look.accent));
        g.drawImage(tick, x + 2, top);
        g.drawImage(tick, x + 2, top);
    }
    drawIndicatorCaption(g, rc, look);
}

// ---- Painting a registered button -----------------------------------------------------------

void paintPushButton(HWND button, HDC dc, UINT drawState, const RECT& rect) {
    auto ref = buttonRefOf(button);
    if (!ref) return;
    const PushButtonLook look = pushButtonLook(drawState, settings().accentColour, buttonTextOf(button, ref->item));
    paintOverBackdropKept(button, dc, rect, look,
                          [&](HDC canvas, const RECT& rc) { paintPushButton(canvas, rc, look); });
}

void paintRadioButton(HWND button, UINT drawState) {
    auto ref = buttonRefOf(button);
    if (!ref) return;
    const IndicatorLook look = indicatorLookOf(button, ref->item, drawState);
    repaintOverBackdrop(button, [&](HDC canvas, const RECT& rc) { paintRadioButton(canvas, rc, look); });
}

void paintCheckBox(HWND button, UINT drawState) {
    auto ref = buttonRefOf(button);
    if (!ref) return;
    const IndicatorLook look = indicatorLookOf(button, ref->item, drawState);
    repaintOverBackdrop(button, [&](HDC canvas, const RECT& rc) { paintCheckBox(canvas, rc, look); });
}

void redrawButton(HWND button, bool hot) {
    auto ref = buttonRefOf(button);
    if (!ref) return;
    // The state comes from the button, not from the message that asks for
    // the redraw: a button that disabled itself while the pointer was on it
    // is repainted disabled when the pointer leaves.
    const bool pushed = (ControlQuery(ref->item)(BM_GETSTATE) & BST_PUSHED) != 0;
    UINT state = buttonBaseState(IsWindowEnabled(button) != 0, ref->item.focused, pushed);
    if (hot) state |= kDrawHot;
    switch (ref->item.kind) {
    case kPushButton: {
        win::WindowDc dc(button);
        paintPushButton(button, dc.get(), state, win::clientRect(button));
        break;
    }
    case kRadioButton: paintRadioButton(button, state); break;
    case kCheckBox: paintCheckBox(button, state); break;
    default: break;
    }
}

// ---- The tick ----------------------------------------------------------------------------------

namespace {

// n / d rounded to the nearest integer, halves to even (n >= 0, d > 0).
int roundHalfEven(int n, int d) {
    int q = n / d;
    const int twice = 2 * (n % d);
    if (twice > d || (twice == d && (q & 1))) ++q;
    return q;
}

}  // namespace

std::optional<Argb> tintTickPixel(COLORREF accent, Argb pixel) {
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    if (r == 255 && g == 255 && b == 255) return std::nullopt;
    const int red = accent & 0xFF, green = (accent >> 8) & 0xFF, blue = (accent >> 16) & 0xFF;
    const int alpha = 255 - roundHalfEven(r + g + b, 3);
    return (static_cast<Argb>(alpha) << 24) | (static_cast<Argb>(roundHalfEven(red * r, 255)) << 16) |
           (static_cast<Argb>(roundHalfEven(green * g, 255)) << 8) | static_cast<Argb>(roundHalfEven(blue * b, 255));
}

Bytes tintGlyph(std::span<const BYTE> png, COLORREF accent) {
    gfx::Bitmap tick = gfx::Bitmap::fromBytes(png);
    if (!tick) return {};
    for (int y = 0; y < tick.height(); ++y)
        for (int x = 0; x < tick.width(); ++x)
            if (auto tinted = tintTickPixel(accent, tick.getPixel(x, y))) tick.setPixel(x, y, *tinted);
    return tick.saveToBytes(gfx::format::Png);
}

Bytes tintGlyph(COLORREF accent) { return tintGlyph(win::carriedBytes("TICK"), accent); }

Bytes tintGlyph() { return tintGlyph(settings().accentColour); }

// ---- Skin procedure -------------------------------------------------------------------------------

LRESULT CALLBACK buttonSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto ref = buttonRefOf(hwnd);
    if (!ref) return forwardToPrevious(hwnd, msg, wp, lp);
    ButtonItem& item = ref->item;
    const int kind = item.kind;
    // clang-format off
    switch (msg) {
    case WM_DESTROY:           forgetKeptPaints(hwnd); break;
    case WM_MOVE:              InvalidateRect(hwnd, nullptr, TRUE); break;
    case WM_SETFOCUS:          item.focused = true; return forwardAndRepaint(hwnd, kind, msg, wp, lp);
    case WM_KILLFOCUS:         item.focused = false; losePress(item); return forwardAndRepaint(hwnd, kind, msg, wp, lp);
    case WM_ENABLE:            return forwardAndRepaint(hwnd, kind, msg, wp, lp);
    case WM_SETTEXT:           takeCaption(item, lp); return forwardAndRepaint(hwnd, kind, msg, wp, lp);
    case WM_PAINT:             if (kind != kPushButton) return paintIndicatorWindow(hwnd, item); break;
    case WM_ERASEBKGND:        return eraseBackground(hwnd, reinterpret_cast<HDC>(wp));
    case WM_WINDOWPOSCHANGING: markContainerForRedraw(hwnd); break;
    case WM_NCPAINT:           return 1;
    case BM_SETCHECK:          return forwardAndRepaint(hwnd, kind, msg, wp, lp);
    case BM_SETSTATE:          if (wp == 0 && item.pressed) return 0; return forwardAndRepaint(hwnd, kind, msg, wp, lp);
    case WM_KEYDOWN:           if (wp == VK_SPACE) return forwardAndRepaint(hwnd, kind, msg, wp, lp); break;
    case WM_MOUSEMOVE:         trackButtonHover(hwnd, *ref); break;
    case WM_LBUTTONDOWN:       item.pressed = true; return forwardAndRepaint(hwnd, kind, msg, wp, lp);
    case WM_LBUTTONUP:         item.pressed = false; leaveHot(ref->record); break;
    case WM_LBUTTONDBLCLK:     return 0;  // the second press of a double click is no second click
    case WM_MOUSELEAVE:        leaveButtonHover(hwnd, *ref); break;
    case WM_CAPTURECHANGED:    if (reinterpret_cast<HWND>(lp) != hwnd) losePress(item); break;
    case WM_CANCELMODE:        losePress(item); break;
    default:                   break;
    }
    // clang-format on
    return forwardToPrevious(hwnd, msg, wp, lp);
}

}  // namespace skin
