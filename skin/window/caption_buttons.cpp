#include "skin/window/caption_buttons.h"

#include <algorithm>
#include <cmath>

#include "gfx/brushes.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "skin/window/colour.h"
#include "skin/window/compose.h"
#include "skin/window/primitives.h"
#include "skin/window/settings.h"
#include "skin/window/skin_layout.h"
#include "win/resources.h"
#include "win/window.h"

namespace skin {

namespace {

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kCloseRed = 0x0000FF;
// The close button sits in the window's rounded top-right corner.
constexpr float kCloseCornerDiameter = 5.0f;

int rounded(float v) { return static_cast<int>(std::lround(v)); }

RECT pixelRect(float x, float y, float w, float h) { return {rounded(x), rounded(y), rounded(x + w), rounded(y + h)}; }

gfx::LinearGradientBrush verticalGradient(float x, float top, float bottom, Argb from, Argb to) {
    return gfx::LinearGradientBrush::create({x, top}, {x, bottom}, from, to);
}

bool validButton(const WindowRecord& r, int n) {
    return n >= 1 && n <= static_cast<int>(r.caption.captionButtons.size());
}

const CaptionButton& buttonAt(const WindowRecord& r, int n) {
    return r.caption.captionButtons[static_cast<size_t>(n) - 1];
}

// Decoded glyphs, by their bytes.  A hover fade redraws two buttons every
// 20 ms, and decoding a glyph costs about as much as drawing the button.  The
// cache is never destroyed by itself: at exit GDI+ may already be shut down.
struct DecodedGlyph {
    Bytes bytes;
    gfx::Image image;
};
constexpr size_t kMaxDecodedGlyphs = 16;

std::vector<DecodedGlyph>& decodedGlyphs() {
    static auto* cache = new std::vector<DecodedGlyph>;
    return *cache;
}

const gfx::Image* decoded(const Bytes& bytes) {
    if (bytes.empty()) return nullptr;
    std::vector<DecodedGlyph>& cache = decodedGlyphs();
    for (const DecodedGlyph& d : cache)
        if (d.bytes == bytes) return d.image ? &d.image : nullptr;
    if (cache.size() >= kMaxDecodedGlyphs) cache.clear();
    cache.push_back({bytes, gfx::Image::fromBytes(bytes)});
    return cache.back().image ? &cache.back().image : nullptr;
}

// The picture a button shows: the maximise button of a maximised window shows
// the restore glyph.
const gfx::Image* glyphOf(const WindowRecord& r, const CaptionButton& b) {
    const bool restore = b.kind == kMaximiseButton && r.maximisedFlag && !b.alternateGlyph.empty();
    return decoded(restore ? b.alternateGlyph : b.glyph);
}

void attachCaptionGlyphs(std::vector<CaptionButton>& buttons) {
    for (CaptionButton& b : buttons) {
        if (const char* name = glyphNameOf(b.kind)) b.glyph = win::carriedCopy(name);
        if (b.kind == kMaximiseButton) b.alternateGlyph = win::carriedCopy(kRestoreGlyph);
    }
}

void applyHoverUpdate(WindowRecord& r, const HoverUpdate& u) {
    r.hover = u.state;
    const HWND window = r.hwnd;
    if (u.trackMouse) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, window, 1};
        TrackMouseEvent(&track);
    }
    // The animation timer's identifier is the window handle itself.
    const UINT_PTR timerId = reinterpret_cast<UINT_PTR>(window);
    if (u.startTimer) SetTimer(window, timerId, kFadeTickMs, nullptr);
    for (const HoverDraw& d : u.draws) redrawCaptionButton(r, d.button, false, d.alpha);
    if (u.stopTimer) KillTimer(window, timerId);
}

int hitAt(const WindowRecord& r, LPARAM lParam) {
    const POINT p = win::mousePoint(lParam);
    return hitTestCaptionButtons(r.caption.captionButtons, r.caption.buttonBlockX, r.caption.buttonBlockY,
                                 r.caption.buttonBlockHeight, p.x, p.y);
}

}  // namespace

// ---- Glyphs ---------------------------------------------------------------

const char* glyphNameOf(int kind) {
    switch (kind) {
    case kCloseButton: return kCloseGlyph;
    case kMaximiseButton: return kMaximiseGlyph;
    case kMinimiseButton: return kMinimiseGlyph;
    case kMenuButton: return kMenuGlyph;
    case kHelpButton: return kHelpGlyph;
    default: return nullptr;
    }
}

void releaseCaptionGlyphImages() { decodedGlyphs().clear(); }

void buildCaptionButtons(WindowRecord& r, int clientWidth) {
    CaptionState& c = r.caption;
    CaptionButtonSet present;
    present.help = c.hasHelpButton;
    present.menu = c.hasMenuButton;
    present.minimise = c.hasMinButton;
    present.maximise = c.hasMaxButton;
    present.close = c.hasCloseButton;
    c.captionButtons = captionButtonsFor(present);
    attachCaptionGlyphs(c.captionButtons);
    c.buttonBlockWidth = captionBlockWidth(c.captionButtons);
    c.buttonBlockHeight = kButtonBlockHeight;
    c.buttonBlockY = 0;
    c.buttonBlockX = initialButtonBlockX(clientWidth, c.buttonBlockWidth);
}

void createCaptionTips(WindowRecord& r) {
    CaptionState& c = r.caption;
    c.captionTips.create(r.hwnd, false);
    for (size_t i = 0; i < c.captionButtons.size(); ++i)
        c.captionTips.addTool(toolRectOf(c.captionButtons[i].rect), c.captionButtons[i].tipText, i + 1);
}

// ---- Looks and the painter ----------------------------------------------------

FloatRect buttonFace(const WindowRecord& r, int n) {
    const CaptionButton& b = buttonAt(r, n);
    return {b.rect.x - 1, static_cast<float>(r.caption.buttonBlockY + 1), static_cast<float>(b.width),
            static_cast<float>(b.height)};
}

CaptionButtonLook captionButtonLook(const WindowRecord& r, int n, bool pressed, int alpha) {
    const CaptionButton& b = buttonAt(r, n);
    const CaptionState& c = r.caption;
    CaptionButtonLook look;
    look.face = buttonFace(r, n);
    look.close = b.kind == kCloseButton;
    look.glyph = glyphOf(r, b);
    look.pressed = pressed;
    look.alpha = std::clamp(alpha, 0, 255);
    look.accent = settings().accentColour;
    // The line left of the first button is the darker edge of the whole block.
    look.separatorX = b.rect.x - 2;
    look.separatorAlpha = n == 1 ? 100 : 60;
    if (n < static_cast<int>(c.captionButtons.size())) look.nextSeparatorX = buttonAt(r, n + 1).rect.x - 2;
    look.blockTop = static_cast<float>(c.buttonBlockY);
    look.blockHeight = static_cast<float>(c.buttonBlockHeight);
    return look;
}

RECT captionButtonRestoreArea(const CaptionButtonLook& look) {
    const auto [x, y, w, h] = look.face;
    return look.pressed ? pixelRect(x, y, w, h) : pixelRect(x - 1, y, w + 2, h + 1);
}

namespace {

// The animated highlight at alpha b (1 to 240): the accent colour (red for
// the close button) fading downwards, with a light gloss edge.
void paintHoverHighlight(gfx::Graphics& g, const CaptionButtonLook& look) {
    const auto [x, y, w, h] = look.face;
    const int alpha = look.alpha;
    gfx::GraphicsPath top = gfx::GraphicsPath::create();
    addTopRoundRect(top, x, y, w, h, 1);
    g.fillPath(verticalGradient(x, y, y + h + 1, toArgb(kBlack, rounded(alpha / 5.0f)), toArgb(kWhite, 0)), top);

    gfx::GraphicsPath corner;
    if (look.close) {
        corner = gfx::GraphicsPath::create();
        addCornerRoundRect(corner, x, y, w, h, kCloseCornerDiameter);
    }
    const COLORREF tint = look.close ? kCloseRed : look.accent;
    g.fillPath(verticalGradient(x, y, y + h + 1, toArgb(tint, alpha), toArgb(kWhite, 0)), look.close ? corner : top);

    // A light edge along the top of the highlight, fading downwards.
    const float edgeHeight = h * 0.8f;
    gfx::GraphicsPath edge = gfx::GraphicsPath::create();
    if (look.close) addCornerRoundRect(edge, x, y, w - 1, edgeHeight, kCloseCornerDiameter);
    else addTopRoundRect(edge, x, y, w - 1, edgeHeight, 1);
    gfx::Pen pen = gfx::Pen::fromBrush(
        verticalGradient(x, y, y + edgeHeight, toArgb(kWhite, rounded(alpha * 0.8f)), toArgb(kWhite, 0)), 1.0f);
    g.drawPath(pen, edge);
}

void paintSeparators(gfx::Graphics& g, const CaptionButtonLook& look) {
    const float top = look.blockTop, blockHeight = look.blockHeight;
    auto line = [&](float x, int alpha) {
        gfx::Pen pen = gfx::Pen::fromBrush(
            verticalGradient(x, top, top + blockHeight - 3, toArgb(kBlack, alpha), toArgb(kBlack, 0)), 1.0f);
        g.drawLine(pen, x, top + 1, x, top + blockHeight - 4);
    };
    line(look.separatorX, look.separatorAlpha);
    if (look.nextSeparatorX) line(*look.nextSeparatorX, 60);
}

}  // namespace

void paintCaptionButton(gfx::Graphics& g, const CaptionButtonLook& look) {
    const auto [x, y, w, h] = look.face;
    if (look.pressed) {
        gfx::GraphicsPath shape = gfx::GraphicsPath::create();
        if (look.close) addCornerRoundRect(shape, x, y, w, h, kCloseCornerDiameter);
        else shape.addRectangle(x, y, w, h);
        g.fillPath(look.close ? verticalGradient(x, y, y + h, toArgb(kCloseRed), toArgb(kWhite, 30))
                              : verticalGradient(x, y, y + h, toArgb(kBlack, 80), toArgb(kWhite, 5)),
                   shape);
        // One pixel narrower than the normal look: the glyph seems pushed in.
        if (look.glyph) g.drawImage(*look.glyph, x, y, w - 1, h);
        return;
    }
    // At alpha 0 every layer of the highlight is fully transparent: the
    // restored caption is already the normal look.
    if (look.alpha > 0) paintHoverHighlight(g, look);
    gfx::GraphicsPath gloss = gfx::GraphicsPath::create();
    gloss.addRectangle(x - 1, y, w + 1, h - 1);
    g.fillPath(verticalGradient(x, y, y + h, toArgb(kWhite, 50), toArgb(kBlack, 0)), gloss);
    if (look.glyph) g.drawImage(*look.glyph, x, y, w, h);
    paintSeparators(g, look);
}

void redrawCaptionButton(WindowRecord& r, int n, bool pressed, int alpha) {
    if (!validButton(r, n)) return;
    const CaptionButtonLook look = captionButtonLook(r, n, pressed, alpha);
    const auto [x, y, w, h] = look.face;
    StripRedraw strip;
    strip.cache = StripCache::Caption;
    strip.restore = captionButtonRestoreArea(look);
    strip.copy = pixelRect(x, y, w, h);
    strip.antiAlias = !pressed;
    redrawStrip(r, strip, [&](gfx::Graphics& g) { paintCaptionButton(g, look); });
}

void captionButtonClick(WindowRecord& r, int n) {
    if (!validButton(r, n)) return;
    CaptionButton& b = r.caption.captionButtons[static_cast<size_t>(n) - 1];
    const HWND window = r.hwnd;
    // Every field is written before the message or callback runs: either may
    // destroy the window and its record.
    switch (b.kind) {
    case kCloseButton: SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case kMaximiseButton:
        r.needsCompose = true;
        r.minimisedFlag = false;
        if (r.maximisedFlag) {
            r.maximisedFlag = false;
            b.tipText = "最大化";
            SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            r.maximisedFlag = true;
            b.tipText = "还原";
            SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        break;
    case kMinimiseButton:
        r.minimisedFlag = true;
        SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    case kMenuButton: invokeCallback(Callback(r.menuCallback), {}); break;
    case kHelpButton: invokeCallback(Callback(r.helpCallback), {}); break;
    case kCallbackButton: invokeCallback(Callback(b.callback), {}); break;
    default: break;
    }
}

// ---- Hover animation -------------------------------------------------------------

HoverUpdate hoverOnMouseMove(const HoverState& s, bool nearButtons, int hit) {
    HoverUpdate u;
    u.state = s;
    HoverState& t = u.state;
    u.trackMouse = !s.mouseInside;
    if (nearButtons) {
        u.startTimer = !s.hoverTimerRunning;
        t.hoverTimerRunning = true;
    } else {
        // The timer keeps running until the fade-out is over and then stops
        // itself.
        t.hoverTimerRunning = false;
    }
    if (s.hoveredButton >= 1 && s.hoveredButton != hit) {
        if (t.fadeOut.step < kFadeSteps && t.fadeOut.button >= 1) u.draws.push_back({t.fadeOut.button, 0});
        t.fadeOut = {s.hoveredButton, 0};
    }
    if (hit >= 1 && hit != s.hoveredButton) {
        t.fadeIn = {hit, 0};
        // A button entered again while it still fades out fades in instead;
        // letting both run would leave it unlit under the pointer.
        if (t.fadeOut.button == hit) t.fadeOut = {};
    }
    t.hoveredButton = hit;
    return u;
}

HoverUpdate hoverOnMouseLeave(const HoverState& s) {
    HoverUpdate u;
    u.state = s;
    HoverState& t = u.state;
    t.mouseInside = false;
    if (s.hoveredButton >= 1) {
        if (t.fadeOut.step < kFadeSteps && t.fadeIn.step < kFadeSteps) {
            if (t.fadeOut.button >= 1) u.draws.push_back({t.fadeOut.button, 0});
            t.fadeIn = {};
        }
        t.fadeOut = {s.hoveredButton, 0};
        t.hoveredButton = 0;
    }
    return u;
}

HoverUpdate hoverOnTimer(const HoverState& s) {
    HoverUpdate u;
    u.state = s;
    HoverState& t = u.state;
    if (t.fadeIn.button >= 1 && t.fadeIn.step < kFadeSteps) {
        ++t.fadeIn.step;
        u.draws.push_back({t.fadeIn.button, kFadeAlphaStep * t.fadeIn.step});
    }
    if (t.fadeOut.button >= 1 && t.fadeOut.step < kFadeSteps) {
        ++t.fadeOut.step;
        u.draws.push_back({t.fadeOut.button, kFadeAlphaStep * (kFadeSteps - t.fadeOut.step)});
    }
    const bool fadeOutOver = t.fadeOut.step >= kFadeSteps || t.fadeOut.button == 0;
    if ((!t.mouseInside || !t.hoverTimerRunning) && fadeOutOver) {
        u.stopTimer = true;
        t.hoverTimerRunning = false;
        t.hoveredButton = 0;
        t.fadeIn = {};
        t.fadeOut = {};
    }
    return u;
}

// ---- Entry points for the window procedure -------------------------------------

void captionHoverMouseMove(WindowRecord& r, LPARAM lParam) {
    if (!r.framed) return;
    const int hit = hitAt(r, lParam);
    const POINT p = win::mousePoint(lParam);
    const CaptionState& c = r.caption;
    const bool nearButtons = isNearCaptionButtons(c.buttonBlockX, c.buttonBlockWidth, c.buttonBlockHeight, p.x, p.y);
    HoverUpdate u = hoverOnMouseMove(r.hover, nearButtons, hit);
    settings().hoveredCaptionButton = hit;
    applyHoverUpdate(r, u);
}

void captionHoverMouseHover(WindowRecord& r) {
    if (r.framed) r.hover.mouseInside = true;
}

void captionHoverMouseLeave(WindowRecord& r) {
    if (r.framed) applyHoverUpdate(r, hoverOnMouseLeave(r.hover));
}

void captionHoverTimer(WindowRecord& r, WPARAM timerId) {
    if (!r.framed || timerId != reinterpret_cast<WPARAM>(r.hwnd)) return;
    applyHoverUpdate(r, hoverOnTimer(r.hover));
}

void pressCaptionButton(WindowRecord& r, LPARAM lParam) {
    if (!r.framed) return;
    const int n = hitAt(r, lParam);
    settings().hoveredCaptionButton = n;
    if (n >= 1) redrawCaptionButton(r, n, true, 0);
}

void releaseCaptionButton(WindowRecord& r) {
    if (!r.framed) return;
    const int n = settings().hoveredCaptionButton;
    if (validButton(r, n)) captionButtonClick(r, n);
}

}  // namespace skin
