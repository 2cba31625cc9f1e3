#include "skin/window/compose.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

#include "gfx/brushes.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "gfx/text.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/colour.h"
#include "skin/window/memory_dc.h"
#include "skin/window/picture_cache.h"
#include "skin/window/primitives.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/window_dc.h"
#include "skin/window/window_record.h"
#include "win/props.h"
#include "win/window.h"

namespace skin {

namespace {

// The size of the bitmap selected into a memory context; zero when none
// can be read.
SIZE selectedBitmapSize(HDC dc) {
    BITMAP bm{};
    if (!dc || !GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm)) return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

bool holdsBitmapOfSize(HDC dc, int w, int h) {
    const SIZE s = selectedBitmapSize(dc);
    return s.cx == w && s.cy == h;
}

// A cache of one strip of the composed image: its context keeps the bitmap
// it replaced and the one selected, both in the record.  A strip of the same
// size keeps its bitmap: the copy overwrites every pixel of it.
void replaceStripCache(HDC& dc, HBITMAP& oldBitmap, HBITMAP& bitmap, HDC surface, int x, int y, int w, int h) {
    if (dc && !(bitmap && holdsBitmapOfSize(dc, w, h))) {
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
        dc = nullptr;
    }
    if (!dc) {
        dc = CreateCompatibleDC(nullptr);
        bitmap = createDib32(w, h);
        oldBitmap = static_cast<HBITMAP>(SelectObject(dc, bitmap));
    }
    BitBlt(dc, 0, 0, w, h, surface, x, y, SRCCOPY);
}

void releaseStripCache(HDC& dc, HBITMAP& oldBitmap, HBITMAP& bitmap) {
    if (!dc) return;
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    dc = nullptr;
    oldBitmap = bitmap = nullptr;
}

// Stretched over the whole client area, from the layer kept for this size.
void drawStretched(gfx::Graphics& g, DecodedPicture& decoded, int w, int h) {
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    if (const gfx::Bitmap* layer = stretchedLayer(decoded, w, h)) g.drawImage(*layer, 0, 0, fw, fh);
}

void drawPicture(gfx::Graphics& g, const Bytes& bytes, int mode, int w, int h) {
    DecodedPicture* decoded = decodedPicture(bytes);
    if (!decoded || !decoded->image) return;
    if (mode == kPlaceMirroredTiles) {
        // Every second copy mirrored, across the whole width, one picture
        // high.  Wine's TileFlipX texture fill costs about 25 ms for an
        // 810-pixel width; the copies drawn side by side give the same pixels
        // in a small part of that.
        const gfx::Bitmap* copies = mirroredTiles(*decoded);
        if (!copies) return;
        const int pw = copies[0].width();
        const float fpw = static_cast<float>(pw), ph = static_cast<float>(copies[0].height());
        for (int x = 0, n = 0; x < w; x += pw, ++n) g.drawImage(copies[n % 2], static_cast<float>(x), 0, fpw, ph);
        return;
    }
    const gfx::Image& picture = decoded->image;
    const float pw = static_cast<float>(picture.width()), ph = static_cast<float>(picture.height());
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    // clang-format off
    switch (mode) {
    case kPlaceTopLeft:   g.drawImage(picture, 0, 0, pw, ph); break;
    case kPlaceTopRight:  g.drawImage(picture, fw - pw, 0, pw, ph); break;
    case kPlaceCentred:   g.drawImage(picture, (fw - pw) / 2, (fh - ph) / 2, pw, ph); break;
    case kPlaceStretched: drawStretched(g, *decoded, w, h); break;
    default:              break;
    }
    // clang-format on
}

FloatRect titleRect(const WindowRecord& r, int clientWidth) {
    return FloatRect{kTitleX, kTitleY,
                     static_cast<float>(clientWidth - r.caption.buttonBlockWidth - 10 - 2 * kFrameInset),
                     static_cast<float>(kTitleHeight)};
}

void drawTitleText(gfx::Graphics& g, const TitleLook& look) {
    const FloatRect& rect = look.rect;
    TextStyle style;
    style.face = look.fontName;
    style.bold = look.bold;
    style.size = static_cast<float>(look.fontSize);
    if (look.haloColour == -1) {
        gfx::SolidBrush brush = gfx::SolidBrush::create(toArgb(look.colour));
        gfx::Font font =
            gfx::Font::fromFamilyName(look.fontName, static_cast<float>(look.fontSize),
                                      look.bold ? gfx::FontStyleBold : gfx::FontStyleRegular, gfx::Unit::World);
        gfx::StringFormat format = gfx::StringFormat::create(0);
        g.drawString(look.text, font, brush, gfx::RectF{rect.x, rect.y, rect.w, rect.h}, format);
    } else if (look.glow) {
        drawGlowText(g, look.text, rect, look.colour, static_cast<COLORREF>(look.haloColour), 4.0f, style);
    } else {
        drawHaloText(g, look.text, rect, look.colour, static_cast<COLORREF>(look.haloColour), 1.0f, style);
    }
}

}  // namespace

void applyRoundedRegion(HWND window) {
    SetWindowRgn(window, nullptr, TRUE);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
    const SIZE s = win::clientSize(window);
    // The window owns the region from here on.
    SetWindowRgn(window, CreateRoundRectRgn(0, 0, s.cx + 1, s.cy + 1, 5, 5), TRUE);
}

namespace {

gfx::ARGB backColour(const WindowRecord& r) {
    return toArgb(r.ownPicture.empty() ? settings().backgroundColour : r.ownBackColour);
}

// Fills a 32-bit DIB section with one opaque colour: the bytes GraphicsClear
// leaves (blue, green, red, 255), written directly instead of through Wine's
// GDI+, which spends about 5 ms on an 810 x 570 surface.  False when the
// bitmap is no 32-bit DIB section or the colour is not opaque.
bool fillDib(HBITMAP bitmap, gfx::ARGB colour) {
    DIBSECTION dib{};
    if ((colour >> 24) != 0xFF || GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits ||
        dib.dsBm.bmBitsPixel != 32)
        return false;
    GdiFlush();
    auto* pixels = static_cast<gfx::ARGB*>(dib.dsBm.bmBits);
    const size_t count = static_cast<size_t>(dib.dsBm.bmWidthBytes / 4) * static_cast<size_t>(dib.dsBm.bmHeight);
    std::fill_n(pixels, count, colour);
    return true;
}

// The layers of the background over the cleared surface: picture, tint, gloss.
void drawBackgroundLayers(gfx::Graphics& g, const WindowRecord& r) {
    const SkinSettings& s = settings();
    const SIZE size = win::clientSize(r.hwnd);
    if (!r.ownPicture.empty()) drawPicture(g, r.ownPicture, r.ownPictureMode, size.cx, size.cy);
    else if (!s.backgroundPicture.empty()) drawPicture(g, s.backgroundPicture, s.placementMode, size.cx, size.cy);

    const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
    const float caption = static_cast<float>(r.caption.captionHeight);
    if (r.tintColour != -1) {
        gfx::SolidBrush tint = gfx::SolidBrush::create(toArgb(static_cast<COLORREF>(r.tintColour), r.tintAlpha));
        if (r.caption.captionGloss) g.fillRectangle(tint, 0, caption, w, h - caption);
        else g.fillRectangle(tint, 0, 0, w, h);
    }
    if (r.caption.captionGloss) {
        gfx::ARGB top = toArgb(0xFFFFFF, 150), bottom = toArgb(0xFFFFFF, 0);
        if (r.tintColour >= 1) {
            top = toArgb(static_cast<COLORREF>(r.tintColour), static_cast<int>(r.tintAlpha * 0.2));
            bottom = toArgb(static_cast<COLORREF>(r.tintColour), r.tintAlpha);
        }
        auto gloss = gfx::LinearGradientBrush::create({0, 0}, {0, caption}, top, bottom);
        g.fillRectangle(gloss, 0, 0, w, caption);
    }
}

}  // namespace

void drawBackground(gfx::Graphics& g, const WindowRecord& r) {
    g.clear(backColour(r));
    drawBackgroundLayers(g, r);
}

namespace {

// The frame's lines touch no pixel more than four pixels in from the
// window's edges; each edge band is twice that deep.
constexpr float kFrameBand = 8;

// The parts of addRoundRect(x, y, w, h, d) that lie in the four edge bands
// of the window, as open figures over the same arcs and lines.  Each piece
// runs a few pixels past its band, so that its flat ends are clipped away
// and, inside the band, it strokes exactly the pixels the closed figure
// does.
struct RoundRectPieces {
    gfx::GraphicsPath top, bottom, left, right;
};

RoundRectPieces roundRectPieces(float x, float y, float w, float h, float d, float windowHeight) {
    RoundRectPieces p{gfx::GraphicsPath::create(), gfx::GraphicsPath::create(), gfx::GraphicsPath::create(),
                      gfx::GraphicsPath::create()};
    const float r = d / 2, rb = (d + 1) / 2;  // the bottom-right arc is one pixel larger
    const float belowTop = kFrameBand + 4, aboveBottom = windowHeight - kFrameBand - 4;
    p.top.addLine(x, belowTop, x, y + r);
    p.top.addArc(x, y, d, d, 180, 90);
    p.top.addArc(x + w - d, y, d, d, 270, 90);
    p.top.addLine(x + w, y + r, x + w, belowTop);
    p.right.addLine(x + w, y + r, x + w, y + h - rb);
    p.bottom.addLine(x + w, aboveBottom, x + w, y + h - rb);
    p.bottom.addArc(x + w - d - 1, y + h - d - 1, d + 1, d + 1, 0, 90);
    p.bottom.addArc(x, y + h - d, d, d, 90, 90);
    p.bottom.addLine(x, y + h - r, x, aboveBottom);
    p.left.addLine(x, y + h - r, x, y + r);
    return p;
}

}  // namespace

void drawFrame(const WindowRecord& r, gfx::Graphics& g) {
    const SIZE size = win::clientSize(r.hwnd);
    const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
    const gfx::Pen dark = gfx::Pen::create(toArgb(0x000000, 180), 2.0f);
    const gfx::Pen light = gfx::Pen::create(toArgb(0xFFFFFF, 180), 1.0f);
    if (w <= 5 * kFrameBand || h <= 5 * kFrameBand) {
        gfx::GraphicsPath outer = gfx::GraphicsPath::create();
        addRoundRect(outer, 0, 0, w - 1, h - 1, 7);
        g.drawPath(dark, outer);
        gfx::GraphicsPath inner = gfx::GraphicsPath::create();
        addRoundRect(inner, 1, 1, w - 3, h - 3, 6);
        g.drawPath(light, inner);
        return;
    }
    // Wine turns a whole stroked path into a region before it clips, so a
    // line around the window costs ~5 ms however little of it the clip lets
    // through.  Each edge band is stroked on its own with only the pieces
    // that cross it; the bands do not overlap, so every pixel is blended
    // once, as by the whole figure.  The graphics is left unclipped.
    const RoundRectPieces outer = roundRectPieces(0, 0, w - 1, h - 1, 7, h);
    const RoundRectPieces inner = roundRectPieces(1, 1, w - 3, h - 3, 6, h);
    const struct {
        gfx::RectF band;
        const gfx::GraphicsPath &outer, &inner;
    } bands[] = {
        {{0, 0, w, kFrameBand}, outer.top, inner.top},
        {{0, h - kFrameBand, w, kFrameBand}, outer.bottom, inner.bottom},
        {{0, kFrameBand, kFrameBand, h - 2 * kFrameBand}, outer.left, inner.left},
        {{w - kFrameBand, kFrameBand, kFrameBand, h - 2 * kFrameBand}, outer.right, inner.right},
    };
    for (const auto& b : bands) {
        g.setClip(b.band.x, b.band.y, b.band.width, b.band.height, gfx::CombineMode::Replace);
        g.drawPath(dark, b.outer);
        g.drawPath(light, b.inner);
    }
    g.resetClip();
}

void restoreFromCaptionCache(const WindowRecord& r, const RECT& area) {
    const SurfaceCaches& c = r.caches;
    if (!c.captionCacheDc || !c.backgroundSurface) return;
    BitBlt(c.backgroundSurface, area.left, area.top, win::width(area), win::height(area), c.captionCacheDc, area.left,
           area.top, SRCCOPY);
}

void restoreFromBarCache(const WindowRecord& r, const RECT& area) {
    const SurfaceCaches& c = r.caches;
    if (!c.barCacheDc || !c.backgroundSurface) return;
    BitBlt(c.backgroundSurface, area.left, area.top, win::width(area), win::height(area), c.barCacheDc,
           area.left - r.bar.barRect.x, area.top - r.bar.barRect.y, SRCCOPY);
}

namespace {

// One count for every surface, so that a record made later at the address,
// index or window of a removed one never repeats a generation of it.
unsigned nextSurfaceGeneration() {
    static unsigned generations = 0;
    return ++generations;
}

}  // namespace

void redrawStrip(WindowRecord& r, const StripRedraw& strip, const std::function<void(gfx::Graphics&)>& paint) {
    const HDC surface = r.caches.backgroundSurface;
    if (!surface) return;
    r.caches.generation = nextSurfaceGeneration();
    if (strip.cache == StripCache::Caption) restoreFromCaptionCache(r, strip.restore);
    else restoreFromBarCache(r, strip.restore);
    {
        gfx::Graphics g = gfx::Graphics::fromHdc(surface);
        if (strip.antiAlias) g.setSmoothingMode(gfx::SmoothingMode::AntiAlias);
        paint(g);
    }
    win::WindowDc dc = strip.aroundChildren ? getWindowDcExcludingChildren(r.hwnd) : win::WindowDc(r.hwnd);
    if (!dc) return;
    const RECT& c = strip.copy;
    BitBlt(dc.get(), c.left, c.top, win::width(c), win::height(c), surface, c.left, c.top, SRCCOPY);
}

// ---- Title --------------------------------------------------------------------

TitleLook titleLook(const WindowRecord& r, std::string text) {
    const CaptionState& c = r.caption;
    TitleLook look;
    look.text = std::move(text);
    look.rect = titleRect(r, win::clientSize(r.hwnd).cx);
    look.icon = settings().applicationIcon;
    look.colour = c.titleColour;
    look.haloColour = c.titleHaloColour;
    look.glow = c.titleGlow;
    look.fontName = c.titleFontName;
    look.fontSize = c.titleFontSize;
    look.bold = c.titleBold;
    return look;
}

void paintCaptionTitle(gfx::Graphics& g, HDC surface, const TitleLook& look) {
    if (look.icon) DrawIconEx(surface, kIconX, kIconY, look.icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    if (!look.text.empty()) drawTitleText(g, look);
}

void drawCaptionTitle(WindowRecord& r, std::string text) {
    const TitleLook look = titleLook(r, std::move(text));
    const int titleWidth = static_cast<int>(look.rect.w);
    StripRedraw strip;
    strip.cache = StripCache::Caption;
    strip.restore = RECT{kIconX, kIconY, kIconX + titleWidth, kIconY + kTitleHeight};
    strip.copy = RECT{kIconX, kTitleCopyY, kIconX + titleWidth, kTitleCopyY + kTitleHeight};
    strip.aroundChildren = true;
    const HDC surface = r.caches.backgroundSurface;
    redrawStrip(r, strip, [&](gfx::Graphics& g) { paintCaptionTitle(g, surface, look); });
}

// ---- Bottom bar ---------------------------------------------------------------------

BarItemLook barItemLook(const WindowRecord& r, int item) {
    const BarState& b = r.bar;
    const BarItem& bar = b.barItems[static_cast<size_t>(item) - 1];
    BarItemLook look;
    look.rect = b.barItemRects[static_cast<size_t>(item) - 1];
    look.text = bar.text;
    look.picture = &bar.picture;
    look.barHeight = b.barHeight;
    look.glow = b.barTextGlow;
    look.textColour = b.barTextInverse ? (~settings().backgroundColour & 0xFFFFFF) : bar.colour;
    look.glowTextColour = b.barTextColour;
    look.glowColour = b.barGlowColour;
    look.fontName = b.barFontName;
    look.fontSize = b.barFontSize;
    return look;
}

void paintBarItem(gfx::Graphics& g, const BarItemLook& look) {
    const IntRect& ir = look.rect;
    const float x = static_cast<float>(ir.x), y = static_cast<float>(ir.y);
    const float w = static_cast<float>(ir.w), h = static_cast<float>(ir.h);
    if (ir.w > 0 && ir.h > 0) {
        auto shade = gfx::LinearGradientBrush::create({x, y}, {x, y + h}, toArgb(0xFFFFFF, 60), toArgb(0xFFFFFF, 10));
        g.fillRectangle(shade, x, y, w, h);
    }

    FloatRect textRect{x + 3, y + 2, w - 3, h};
    if (look.picture && !look.picture->empty()) {
        gfx::Image picture = gfx::Image::fromBytes(*look.picture);
        float pw = picture ? static_cast<float>(picture.width()) : 0;
        float ph = picture ? static_cast<float>(picture.height()) : 0;
        if (ph >= look.barHeight) pw = ph = static_cast<float>(static_cast<int>(look.barHeight * 0.7 + 0.5));
        if (picture) g.drawImage(picture, x + 2, y + (h - ph) / 2, pw, ph);
        textRect = FloatRect{x + pw + 5, y + 2, w - pw - 5, h};
    }
    // An empty text draws nothing in either style.
    if (look.text.empty() || textRect.w <= 0) return;
    if (look.glow) {
        TextStyle style;
        style.face = look.fontName;
        style.size = static_cast<float>(look.fontSize);
        style.lineAlignment = 1;
        drawGlowText(g, look.text, textRect, look.glowTextColour, look.glowColour, 4.0f, style);
        return;
    }
    gfx::SolidBrush brush = gfx::SolidBrush::create(toArgb(look.textColour));
    gfx::Font font = gfx::Font::fromFamilyName(look.fontName, static_cast<float>(look.fontSize), gfx::FontStyleRegular,
                                               gfx::Unit::Pixel);
    gfx::StringFormat format = gfx::StringFormat::create(0);
    format.setAlignment(gfx::StringAlignment::Near);
    format.setLineAlignment(gfx::StringAlignment::Center);
    g.drawString(look.text, font, brush, gfx::RectF{textRect.x, textRect.y, textRect.w, textRect.h}, format);
}

void drawBarItem(WindowRecord& r, int item) {
    if (item < 1 || item > static_cast<int>(r.bar.barItemRects.size())) return;
    const BarItemLook look = barItemLook(r, item);
    const IntRect& ir = look.rect;
    StripRedraw strip;
    strip.cache = StripCache::Bar;
    strip.restore = strip.copy = RECT{ir.x, ir.y, ir.x + ir.w, ir.y + ir.h};
    redrawStrip(r, strip, [&](gfx::Graphics& g) { paintBarItem(g, look); });
}

// ---- Compose --------------------------------------------------------------------------

namespace {

// Everything the surface of a compose depends on up to its caption buttons
// (the bar items are drawn after them, afresh each time): two composes with
// equal inputs draw the same pixels there, and leave the same strip caches.
struct ComposeInputs {
    int w = 0, h = 0;
    unsigned picture = 0;  // the decoding of the picture drawn; 0 for none
    int mode = 0;
    gfx::ARGB back = 0;
    LONG tint = -1;
    int tintAlpha = 0;
    bool gloss = false, framed = false;
    int captionHeight = 0;
    int barX = 0, barY = 0, barW = 0, barH = 0;  // the band the bar cache takes
    std::optional<TitleLook> title;
    std::vector<CaptionButtonLook> buttons;
    bool operator==(const ComposeInputs&) const = default;
};

ComposeInputs composeInputs(const WindowRecord& r, int w, int h) {
    const SkinSettings& s = settings();
    const bool own = !r.ownPicture.empty();
    ComposeInputs in;
    in.w = w;
    in.h = h;
    if (const DecodedPicture* picture = decodedPicture(own ? r.ownPicture : s.backgroundPicture))
        in.picture = picture->serial;
    in.mode = own ? r.ownPictureMode : s.placementMode;
    in.back = backColour(r);
    in.tint = r.tintColour;
    in.tintAlpha = r.tintAlpha;
    in.gloss = r.caption.captionGloss;
    in.framed = r.framed;
    in.captionHeight = r.caption.captionHeight;
    in.barX = r.bar.barRect.x;
    in.barY = r.bar.barRect.y;
    in.barW = r.bar.barRect.w;
    in.barH = r.bar.barRect.h;
    if (r.framed) {
        if (r.caption.showTitle) in.title = titleLook(r, win::windowText(r.hwnd));
        for (int i = 1; i <= static_cast<int>(r.caption.captionButtons.size()); ++i)
            in.buttons.push_back(captionButtonLook(r, i, false, 0));
    }
    return in;
}

// The surface as the last full compose of a window left it before its bar
// items, with the inputs it was drawn from.  A window composed again with
// the same inputs (shown, restored, activated, its skin set again) copies
// it instead of drawing picture, tint, gloss, frame, title and buttons anew.
struct ComposeMemo {
    ComposeInputs inputs;
    HDC dc = nullptr;
    HBITMAP oldBitmap = nullptr, bitmap = nullptr;
};

std::unordered_map<HWND, ComposeMemo>& composeMemos() {
    // Never destroyed by itself: each entry goes with its window's surfaces.
    static auto* memos = new std::unordered_map<HWND, ComposeMemo>;
    return *memos;
}

// Picture, tint, gloss, frame, strip caches, title and caption buttons.
void drawUpToTheBarItems(WindowRecord& r, HBITMAP bitmap, int w) {
    SurfaceCaches& c = r.caches;
    const bool cleared = fillDib(bitmap, backColour(r));
    gfx::Graphics g = gfx::Graphics::fromHdc(c.backgroundSurface);
    if (cleared) drawBackgroundLayers(g, r);
    else drawBackground(g, r);
    if (r.framed) drawFrame(r, g);
    replaceStripCache(c.captionCacheDc, c.captionCacheOldBitmap, c.captionCacheBitmap, c.backgroundSurface, 0, 0, w,
                      r.caption.captionHeight);
    const IntRect& bar = r.bar.barRect;
    replaceStripCache(c.barCacheDc, c.barCacheOldBitmap, c.barCacheBitmap, c.backgroundSurface, bar.x, bar.y, bar.w,
                      bar.h);
    if (!r.framed) return;
    if (r.caption.showTitle) paintCaptionTitle(g, c.backgroundSurface, titleLook(r, win::windowText(r.hwnd)));
    for (int i = 1; i <= static_cast<int>(r.caption.captionButtons.size()); ++i) {
        const CaptionButtonLook look = captionButtonLook(r, i, false, 0);
        restoreFromCaptionCache(r, captionButtonRestoreArea(look));
        paintCaptionButton(g, look);
    }
}

}  // namespace

void composeWindowSkin(int index, bool copyToScreen) {
    if (validIndex(index)) composeWindowSkin(record(index), copyToScreen);
}

void composeWindowSkin(WindowRecord& r, bool copyToScreen) {
    const SIZE size = win::clientSize(r.hwnd);
    const int w = size.cx, h = size.cy;
    SurfaceCaches& c = r.caches;
    if (r.framed && copyToScreen) applyRoundedRegion(r.hwnd);

    if (!c.backgroundSurface) c.backgroundSurface = CreateCompatibleDC(nullptr);
    // The bitmap of the last compose is composed into again when the size
    // is the same (every pixel is cleared first); a new size takes a new one.
    auto bitmap = win::prop<HBITMAP>(r.hwnd, keys::kSurfaceBitmap);
    if (!bitmap || !holdsBitmapOfSize(c.backgroundSurface, w, h)) {
        bitmap = createDib32(w, h);
        HGDIOBJ replaced = SelectObject(c.backgroundSurface, bitmap);
        if (!win::prop<HGDIOBJ>(r.hwnd, keys::kSurfaceOriginalBitmap))
            win::setProp(r.hwnd, keys::kSurfaceOriginalBitmap, replaced);
        else DeleteObject(replaced);
        win::setProp(r.hwnd, keys::kSurfaceBitmap, bitmap);
    }

    c.generation = nextSurfaceGeneration();
    ComposeInputs inputs = composeInputs(r, w, h);
    ComposeMemo& memo = composeMemos()[r.hwnd];
    if (memo.dc && memo.inputs == inputs) {
        BitBlt(c.backgroundSurface, 0, 0, w, h, memo.dc, 0, 0, SRCCOPY);
    } else {
        drawUpToTheBarItems(r, bitmap, w);
        replaceStripCache(memo.dc, memo.oldBitmap, memo.bitmap, c.backgroundSurface, 0, 0, w, h);
        memo.inputs = std::move(inputs);
    }
    if (r.bar.barHeight > 0 && !r.bar.barItems.empty()) {
        gfx::Graphics g = gfx::Graphics::fromHdc(c.backgroundSurface);
        for (int i = 1; i <= static_cast<int>(r.bar.barItems.size()); ++i) paintBarItem(g, barItemLook(r, i));
    }

    if (!holdsBitmapOfSize(c.compositionCache, w, h)) {
        releaseMemoryDc(c.compositionCache);
        c.compositionCache = newMemoryCanvas(w, h);
    }
    BitBlt(c.compositionCache, 0, 0, w, h, c.backgroundSurface, 0, 0, SRCCOPY);

    if (copyToScreen) {
        win::WindowDc dc = getWindowDcExcludingChildren(r.hwnd);
        BitBlt(dc.get(), 0, 0, w, h, c.backgroundSurface, 0, 0, SRCCOPY);
    }
    r.needsCompose = false;
    c.composedWidth = w;
    c.composedHeight = h;
    if (copyToScreen) invalidateSkinnedChildren(r);
}

void invalidateSkinnedChildren(WindowRecord& r) {
    auto each = [&](const auto& list, auto&& action) {
        for (const auto& item : list)
            if (item.hwnd && GetParent(item.hwnd) == r.hwnd) action(item.hwnd);
    };
    each(r.listLike, [](HWND c) {
        InvalidateRect(c, nullptr, TRUE);
        for (HWND k : win::children(c))
            if (IsWindowVisible(k)) InvalidateRect(k, nullptr, TRUE);
    });
    each(r.edits, [](HWND c) { InvalidateRect(c, nullptr, TRUE); });
    each(r.comboBoxes, [](HWND c) { InvalidateRect(c, nullptr, TRUE); });
    for (const EditItem& edit : r.edits)
        edit.covers.forEachWindow([](HWND cover) { InvalidateRect(cover, nullptr, FALSE); });
    for (const ListItem& list : r.listLike)
        list.covers.forEachWindow([](HWND cover) { InvalidateRect(cover, nullptr, FALSE); });
    auto withoutErase = [](HWND c) { InvalidateRect(c, nullptr, FALSE); };
    each(r.buttons, withoutErase);
    each(r.trackbars, withoutErase);
    each(r.progressBars, withoutErase);
    each(r.upDowns, withoutErase);
}

void markChildCachesStale(HWND window, bool containersOnly) {
    WindowRecord* r = recordOf(window);
    if (r)
        for (ContainerItem& container : r->containers)
            if (container.hwnd) container.dirty = container.recompose = true;
    if (containersOnly) return;
    // The list-like controls compose their client area again on their next
    // paint instead of copying it from the composition cache, and a toolbar
    // paints itself afresh; the other families rebuild their background from
    // the invalidation below.
    if (r) {
        for (ListItem& list : r->listLike) list.dirty = true;
        for (ToolbarItem& toolbar : r->toolbars)
            if (toolbar.hwnd) toolbar.dirty = true;
    }
    for (HWND c : win::children(window))
        if (IsWindowVisible(c)) InvalidateRect(c, nullptr, TRUE);
}

void releaseRecordSurfaces(WindowRecord& r) {
    SurfaceCaches& c = r.caches;
    if (auto memo = composeMemos().find(r.hwnd); memo != composeMemos().end()) {
        releaseStripCache(memo->second.dc, memo->second.oldBitmap, memo->second.bitmap);
        composeMemos().erase(memo);
    }
    releaseStripCache(c.captionCacheDc, c.captionCacheOldBitmap, c.captionCacheBitmap);
    releaseStripCache(c.barCacheDc, c.barCacheOldBitmap, c.barCacheBitmap);
    releaseMemoryDc(c.compositionCache);
    c.compositionCache = nullptr;
    if (c.backgroundSurface) {
        if (HGDIOBJ original = win::prop<HGDIOBJ>(r.hwnd, keys::kSurfaceOriginalBitmap))
            DeleteObject(SelectObject(c.backgroundSurface, original));
        DeleteDC(c.backgroundSurface);
        c.backgroundSurface = nullptr;
    }
    win::removeProp(r.hwnd, keys::kSurfaceOriginalBitmap);
    win::removeProp(r.hwnd, keys::kSurfaceBitmap);
}

}  // namespace skin
