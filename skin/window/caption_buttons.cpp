#include "skin/window/caption_buttons.h"

#include <algorithm>
#include <cmath>

#include "gfx/brushes.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "skin/window/colour.h"
#include "skin/window/compose.h"
#include "skin/window/primitives.h"
#include "skin/window/settings.h"
#include "skin/window/skin_layout.h"

namespace skin {

namespace {

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kCloseRed = 0x0000FF;
// The close button sits in the window's rounded top-right corner.
constexpr float kCloseCornerDiameter = 5.0f;

// A window's device context for one copy to the screen.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

int rounded(float v) { return static_cast<int>(std::lround(v)); }

RECT pixelRect(float x, float y, float w, float h) {
    return {rounded(x), rounded(y), rounded(x + w), rounded(y + h)};
}

void copyToWindow(const WindowRecord& r, const FloatRect& f) {
    WindowDc dc(r.hwnd);
    if (!dc.get()) return;
    RECT p = pixelRect(f.x, f.y, f.w, f.h);
    BitBlt(dc.get(), p.left, p.top, p.right - p.left, p.bottom - p.top, r.backgroundSurface, p.left, p.top, SRCCOPY);
}

gfx::LinearGradientBrush verticalGradient(float x, float top, float bottom, Argb from, Argb to) {
    return gfx::LinearGradientBrush::create({x, top}, {x, bottom}, from, to);
}

bool validButton(int index, int n) {
    return validIndex(index) && n >= 1 && n <= static_cast<int>(record(index).captionButtons.size());
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

HoverState hoverStateOf(const WindowRecord& r) {
    return {r.hoveredButton, r.fadeIn, r.fadeOut, r.hoverTimerRunning, r.mouseInside};
}

void applyHoverUpdate(int index, const HoverUpdate& u) {
    WindowRecord& r = record(index);
    r.hoveredButton = u.state.hoveredButton;
    r.fadeIn = u.state.fadeIn;
    r.fadeOut = u.state.fadeOut;
    r.hoverTimerRunning = u.state.hoverTimerRunning;
    r.mouseInside = u.state.mouseInside;
    HWND window = r.hwnd;
    if (u.trackMouse) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, window, 1};
        TrackMouseEvent(&track);
    }
    // The animation timer's identifier is the window handle itself.
    const UINT_PTR timerId = reinterpret_cast<UINT_PTR>(window);
    if (u.startTimer) SetTimer(window, timerId, kFadeTickMs, nullptr);
    for (const HoverDraw& d : u.draws) drawCaptionButton(index, d.button, nullptr, false, false, d.alpha);
    if (u.stopTimer) KillTimer(window, timerId);
}

bool framedRecord(int index) { return validIndex(index) && record(index).framed; }

}  // namespace

// ---- Glyphs ---------------------------------------------------------------

Bytes loadGlyph(const char* resourceName) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, resourceName, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const BYTE* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!data) return {};
    return Bytes(data, data + SizeofResource(module, found));
}

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

void attachCaptionGlyphs(std::vector<CaptionButton>& buttons) {
    for (CaptionButton& b : buttons) {
        if (const char* name = glyphNameOf(b.kind)) b.glyph = loadGlyph(name);
        if (b.kind == kMaximiseButton) b.alternateGlyph = loadGlyph(kRestoreGlyph);
    }
}

void buildCaptionButtons(WindowRecord& r, int clientWidth) {
    CaptionButtonSet present;
    present.help = r.hasHelpButton != 0;
    present.menu = r.hasMenuButton != 0;
    present.minimise = r.hasMinButton != 0;
    present.maximise = r.hasMaxButton != 0;
    present.close = r.hasCloseButton != 0;
    r.captionButtons = captionButtonsFor(present);
    attachCaptionGlyphs(r.captionButtons);
    r.buttonBlockWidth = captionBlockWidth(r.captionButtons);
    r.buttonBlockHeight = kButtonBlockHeight;
    r.buttonBlockY = 0;
    r.buttonBlockX = initialButtonBlockX(clientWidth, r.buttonBlockWidth);
}

void createCaptionTips(int index) {
    if (!validIndex(index)) return;
    WindowRecord& r = record(index);
    r.captionTips.create(r.hwnd, false);
    for (size_t i = 0; i < r.captionButtons.size(); ++i)
        r.captionTips.addTool(toolRectOf(r.captionButtons[i].rect), r.captionButtons[i].tipText, i + 1);
}

// ---- Drawing ----------------------------------------------------------------

FloatRect buttonFace(const WindowRecord& r, int n) {
    const CaptionButton& b = r.captionButtons[static_cast<size_t>(n) - 1];
    return {b.rect.x - 1, static_cast<float>(r.buttonBlockY + 1), static_cast<float>(b.width),
            static_cast<float>(b.height)};
}

void drawHoverHighlight(gfx::Graphics& g, int index, int n, int alpha) {
    if (!validButton(index, n)) return;
    const WindowRecord& r = record(index);
    const CaptionButton& b = r.captionButtons[static_cast<size_t>(n) - 1];
    const auto [x, y, w, h] = buttonFace(r, n);
    restoreFromCaptionCache(index, pixelRect(x - 1, y, w + 2, h + 1));
    alpha = std::clamp(alpha, 0, 255);
    // At alpha 0 every layer below is fully transparent: the restored caption
    // is already the normal look.
    if (alpha == 0) return;
    const bool close = b.kind == kCloseButton;

    gfx::GraphicsPath top = gfx::GraphicsPath::create();
    addTopRoundRect(top, x, y, w, h, 1);
    g.fillPath(verticalGradient(x, y, y + h + 1, toArgb(kBlack, rounded(alpha / 5.0f)), toArgb(kWhite, 0)), top);

    gfx::GraphicsPath corner;
    if (close) {
        corner = gfx::GraphicsPath::create();
        addCornerRoundRect(corner, x, y, w, h, kCloseCornerDiameter);
    }
    const COLORREF tint = close ? kCloseRed : settings().accentColour;
    g.fillPath(verticalGradient(x, y, y + h + 1, toArgb(tint, alpha), toArgb(kWhite, 0)), close ? corner : top);

    // A light edge along the top of the highlight, fading downwards.
    const float edgeHeight = h * 0.8f;
    gfx::GraphicsPath edge = gfx::GraphicsPath::create();
    if (close)
        addCornerRoundRect(edge, x, y, w - 1, edgeHeight, kCloseCornerDiameter);
    else
        addTopRoundRect(edge, x, y, w - 1, edgeHeight, 1);
    gfx::Pen pen = gfx::Pen::fromBrush(
        verticalGradient(x, y, y + edgeHeight, toArgb(kWhite, rounded(alpha * 0.8f)), toArgb(kWhite, 0)), 1.0f);
    g.drawPath(pen, edge);
}

void drawButtonSeparators(int index, int n, gfx::Graphics& g) {
    if (!validButton(index, n)) return;
    const WindowRecord& r = record(index);
    const float top = static_cast<float>(r.buttonBlockY);
    const float blockHeight = static_cast<float>(r.buttonBlockHeight);
    auto line = [&](float x, int alpha) {
        gfx::Pen pen =
            gfx::Pen::fromBrush(verticalGradient(x, top, top + blockHeight - 3, toArgb(kBlack, alpha), toArgb(kBlack, 0)),
                                1.0f);
        g.drawLine(pen, x, top + 1, x, top + blockHeight - 4);
    };
    // The line left of the first button is the darker edge of the whole block.
    line(r.captionButtons[static_cast<size_t>(n) - 1].rect.x - 2, n == 1 ? 100 : 60);
    if (n < static_cast<int>(r.captionButtons.size())) line(r.captionButtons[static_cast<size_t>(n)].rect.x - 2, 60);
}

void drawCaptionButton(int index, int n, gfx::Graphics* g, bool composing, bool pressed, int alpha) {
    if (!validButton(index, n)) return;
    const WindowRecord& r = record(index);
    if (!r.backgroundSurface) return;
    const CaptionButton& b = r.captionButtons[static_cast<size_t>(n) - 1];
    const FloatRect face = buttonFace(r, n);
    const auto [x, y, w, h] = face;
    const bool close = b.kind == kCloseButton;

    gfx::Graphics own;
    if (!composing || !g) {
        own = gfx::Graphics::fromHdc(r.backgroundSurface);
        g = &own;
    }
    if (pressed) {
        restoreFromCaptionCache(index, pixelRect(x, y, w, h));
        gfx::GraphicsPath shape = gfx::GraphicsPath::create();
        if (close)
            addCornerRoundRect(shape, x, y, w, h, kCloseCornerDiameter);
        else
            shape.addRectangle(x, y, w, h);
        g->fillPath(close ? verticalGradient(x, y, y + h, toArgb(kCloseRed), toArgb(kWhite, 30))
                          : verticalGradient(x, y, y + h, toArgb(kBlack, 80), toArgb(kWhite, 5)),
                    shape);
        // One pixel narrower than the normal look: the glyph seems pushed in.
        if (const gfx::Image* glyph = glyphOf(r, b)) g->drawImage(*glyph, x, y, w - 1, h);
    } else {
        if (!composing) g->setSmoothingMode(gfx::SmoothingMode::AntiAlias);
        drawHoverHighlight(*g, index, n, alpha);
        gfx::GraphicsPath gloss = gfx::GraphicsPath::create();
        gloss.addRectangle(x - 1, y, w + 1, h - 1);
        g->fillPath(verticalGradient(x, y, y + h, toArgb(kWhite, 50), toArgb(kBlack, 0)), gloss);
        if (const gfx::Image* glyph = glyphOf(r, b)) g->drawImage(*glyph, x, y, w, h);
        drawButtonSeparators(index, n, *g);
    }
    if (!composing) {
        own.dispose();
        copyToWindow(r, face);
    }
}

void captionButtonClick(int index, int n) {
    if (!validButton(index, n)) return;
    WindowRecord& r = record(index);
    CaptionButton& b = r.captionButtons[static_cast<size_t>(n) - 1];
    const HWND window = r.hwnd;
    // Every field is written before the message or callback runs: either may
    // add or remove window records, which moves this one.
    switch (b.kind) {
    case kCloseButton: SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case kMaximiseButton:
        r.needsCompose = 1;
        r.minimisedFlag = 0;
        if (r.maximisedFlag) {
            r.maximisedFlag = 0;
            b.tipText = "最大化";
            SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            r.maximisedFlag = 1;
            b.tipText = "还原";
            SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        break;
    case kMinimiseButton:
        r.minimisedFlag = 1;
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
        t.hoverTimerRunning = 1;
    } else {
        // The timer keeps running until the fade-out is over and then stops
        // itself.
        t.hoverTimerRunning = 0;
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
    t.mouseInside = 0;
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
        t.hoverTimerRunning = 0;
        t.hoveredButton = 0;
        t.fadeIn = {};
        t.fadeOut = {};
    }
    return u;
}

// ---- Entry points for the window procedure -------------------------------------

void captionHoverMouseMove(int index, LPARAM lParam) {
    if (!framedRecord(index)) return;
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    const int hit = hitTestCaptionButtons(index, x, y);
    HoverUpdate u = hoverOnMouseMove(hoverStateOf(record(index)), isNearCaptionButtons(index, lParam), hit);
    settings().hoveredCaptionButton = hit;
    applyHoverUpdate(index, u);
}

void captionHoverMouseHover(int index) {
    if (framedRecord(index)) record(index).mouseInside = 1;
}

void captionHoverMouseLeave(int index) {
    if (!framedRecord(index)) return;
    applyHoverUpdate(index, hoverOnMouseLeave(hoverStateOf(record(index))));
}

void captionHoverTimer(int index, WPARAM timerId) {
    if (!framedRecord(index) || timerId != reinterpret_cast<WPARAM>(record(index).hwnd)) return;
    applyHoverUpdate(index, hoverOnTimer(hoverStateOf(record(index))));
}

void pressCaptionButton(int index, LPARAM lParam) {
    if (!framedRecord(index)) return;
    const int n = hitTestCaptionButtons(index, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    settings().hoveredCaptionButton = n;
    if (n >= 1) drawCaptionButton(index, n, nullptr, false, true, 0);
}

void releaseCaptionButton(int index) {
    if (!framedRecord(index)) return;
    const int n = settings().hoveredCaptionButton;
    if (n >= 1 && n <= static_cast<int>(record(index).captionButtons.size())) captionButtonClick(index, n);
}

}  // namespace skin
