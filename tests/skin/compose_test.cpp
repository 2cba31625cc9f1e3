// The composed window image, read back from the record's background surface.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "gfx/startup.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/colour.h"
#include "skin/window/compose.h"
#include "skin/window/global_skin.h"
#include "skin/window/memory_dc.h"
#include "skin/window/picture_cache.h"
#include "skin/window/primitives.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/skin_picture.h"
#include "skin/window/window_record.h"
#include "tests/support/gdi_count.h"
#include "win/props.h"
#include "win/resources.h"
#include "win/window.h"

namespace {

using namespace skin;

constexpr int kW = 300, kH = 200;

Bytes carried(const char* name) { return win::carriedCopy(name); }

// A PNG whose left half is one colour and right half another, to tell a
// mirrored copy from a plain one.
Bytes twoColourPng(int w, int h, gfx::ARGB left, gfx::ARGB right) {
    gfx::Bitmap b = gfx::Bitmap::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.setPixel(x, y, x < w / 2 ? left : right);
    return b.saveToBytes(gfx::format::Png);
}

int distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

#define EXPECT_NEAR_COLOUR(actual, expected, tolerance) \
    EXPECT_LE(distance((actual), (expected)), (tolerance)) << std::hex << (actual) << " vs " << (expected)

// Every pixel of each column different, stored as a 24-bit picture.
Bytes gradientPng(int w, int h) {
    gfx::Bitmap b = gfx::Bitmap::create(w, h, gfx::PixelFormat24bppRGB);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y,
                       0xFF000000u | static_cast<gfx::ARGB>((x * 7 % 256) << 16 | (y * 11 % 256) << 8 | x * y % 256));
    return b.saveToBytes(gfx::format::Png);
}

// A 32-bit picture whose alpha runs through the whole range, fully
// transparent pixels keeping a colour of their own.
Bytes translucentPng(int w, int h) {
    gfx::Bitmap b = gfx::Bitmap::create(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const gfx::ARGB alpha = x % 5 == 0 ? 0 : x % 5 == 1 ? 255 : static_cast<gfx::ARGB>((x * 23 + y * 9) % 256);
            const gfx::ARGB rgb = static_cast<gfx::ARGB>((x * 9 % 256) << 16 | (200 - y * 3) << 8 | (x + y) % 256);
            b.setPixel(x, y, alpha << 24 | rgb);
        }
    return b.saveToBytes(gfx::format::Png);
}

// The window image composed with the plain calls, one per layer, that the
// faster compose must reproduce pixel for pixel.
namespace reference {

SIZE clientSize(HWND w) {
    RECT rc{};
    GetClientRect(w, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void drawPicture(gfx::Graphics& g, const Bytes& bytes, int mode, int w, int h) {
    gfx::Image picture = gfx::Image::fromBytes(bytes);
    if (!picture) return;
    const float pw = static_cast<float>(picture.width()), ph = static_cast<float>(picture.height());
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    // clang-format off
    switch (mode) {
    case kPlaceMirroredTiles: {
        gfx::Bitmap strip = gfx::Bitmap::create(w, picture.height(), gfx::PixelFormat32bppARGB);
        {
            gfx::Graphics onStrip = gfx::Graphics::fromImage(strip);
            gfx::TextureBrush tiles = gfx::TextureBrush::create(picture, gfx::WrapMode::TileFlipX);
            onStrip.fillRectangle(tiles, 0, 0, fw, ph);
        }
        g.drawImage(strip, 0, 0, fw, ph);
        break;
    }
    // clang-format on
    case kPlaceTopLeft: g.drawImage(picture, 0, 0, pw, ph); break;
    case kPlaceTopRight: g.drawImage(picture, fw - pw, 0, pw, ph); break;
    case kPlaceCentred: g.drawImage(picture, (fw - pw) / 2, (fh - ph) / 2, pw, ph); break;
    case kPlaceStretched: g.drawImage(picture, 0, 0, fw, fh); break;
    default: break;
    }
}

void drawBackground(gfx::Graphics& g, const WindowRecord& r) {
    const SkinSettings& s = settings();
    SIZE size = clientSize(r.hwnd);
    const bool own = !r.ownPicture.empty();
    g.clear(toArgb(own ? r.ownBackColour : s.backgroundColour));
    if (own) drawPicture(g, r.ownPicture, r.ownPictureMode, size.cx, size.cy);
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

void drawFrame(const WindowRecord& r, gfx::Graphics& g) {
    SIZE size = clientSize(r.hwnd);
    const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
    gfx::GraphicsPath outer = gfx::GraphicsPath::create();
    addRoundRect(outer, 0, 0, w - 1, h - 1, 7);
    g.drawPath(gfx::Pen::create(toArgb(0x000000, 180), 2.0f), outer);
    gfx::GraphicsPath inner = gfx::GraphicsPath::create();
    addRoundRect(inner, 1, 1, w - 3, h - 3, 6);
    g.drawPath(gfx::Pen::create(toArgb(0xFFFFFF, 180), 1.0f), inner);
}

// Redraws the record's surface from nothing, layer by layer in compose order.
void compose(int index) {
    WindowRecord& r = record(index);
    gfx::Graphics g = gfx::Graphics::fromHdc(r.caches.backgroundSurface);
    reference::drawBackground(g, r);
    if (r.framed) {
        reference::drawFrame(r, g);
        if (r.caption.showTitle)
            paintCaptionTitle(g, r.caches.backgroundSurface, titleLook(r, win::windowText(r.hwnd)));
        for (int i = 1; i <= static_cast<int>(r.caption.captionButtons.size()); ++i) {
            const CaptionButtonLook look = captionButtonLook(r, i, false, 0);
            restoreFromCaptionCache(r, captionButtonRestoreArea(look));
            paintCaptionButton(g, look);
        }
    }
    if (r.bar.barHeight > 0)
        for (int i = 1; i <= static_cast<int>(r.bar.barItems.size()); ++i) paintBarItem(g, barItemLook(r, i));
}

}  // namespace reference

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kGrey = RGB(64, 64, 64);

class Compose : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gfx::startup(token); }
    static void TearDownTestSuite() {
        releaseDecodedPictures();
        releaseCaptionGlyphImages();
        gfx::shutdown(token);
    }

    void SetUp() override {
        resetSettings();
        settings().backgroundColour = kGrey;
        window = CreateWindowExA(0, "STATIC", "Title", WS_POPUP | WS_VISIBLE, 50, 50, kW, kH, nullptr, nullptr, nullptr,
                                 nullptr);
        auto owned = std::make_unique<WindowRecord>();
        WindowRecord& r = *owned;
        r.hwnd = window;
        r.framed = 0;
        r.caption.buttonBlockWidth = 95;
        index = addWindowRecord(std::move(owned));
        win::setProp(window, keys::kIndex, index);
    }
    void TearDown() override {
        releaseRecordSurfaces(rec());
        DestroyWindow(window);
        clearWindowRecords();
        releaseAllMemoryDcs();
        resetSettings();
    }
    WindowRecord& rec() { return record(index); }
    COLORREF at(int x, int y) { return GetPixel(rec().caches.backgroundSurface, x, y); }
    void withPicture(const Bytes& png, int mode) {
        settings().backgroundPicture = png;
        settings().placementMode = mode;
    }
    void resize(int w, int h) { SetWindowPos(window, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER); }
    void withBar(int w, int h) {
        rec().bar.barHeight = 25;
        rec().bar.barRect = {3, h - 29, w - 6, 25};
        rec().bar.barItems = {BarItem{100, "状态", {}, RGB(255, 255, 0)}, BarItem{80, "Ready", {}, RGB(0, 0, 90)}};
        rec().bar.barItemRects = {IntRect{3, h - 29, 100, 25}, IntRect{103, h - 29, 80, 25}};
    }
    std::vector<DWORD> surfacePixels() {
        HDC dc = rec().caches.backgroundSurface;
        BITMAP info{};
        GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info);
        std::vector<DWORD> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const int rows = GetDIBits(dc, static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)), 0,
                                   static_cast<UINT>(info.bmHeight), pixels.data(), &bi, DIB_RGB_COLORS);
        EXPECT_EQ(rows, info.bmHeight);
        return pixels;
    }
    // Composes, then redraws the same surface with the reference calls: both
    // images must agree in every byte, alpha included.
    void expectComposeMatchesReference(const std::string& what) {
        composeWindowSkin(index, false);
        const std::vector<DWORD> composed = surfacePixels();
        const SIZE size = reference::clientSize(window);
        ASSERT_EQ(composed.size(), static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy)) << what;
        // Scribbled over first, so that the reference has to draw every pixel itself.
        RECT all{0, 0, 4000, 4000};
        HBRUSH scribble = CreateSolidBrush(RGB(255, 0, 255));
        FillRect(rec().caches.backgroundSurface, &all, scribble);
        DeleteObject(scribble);
        reference::compose(index);
        const std::vector<DWORD> expected = surfacePixels();
        ASSERT_EQ(composed.size(), expected.size()) << what;
        if (std::memcmp(composed.data(), expected.data(), composed.size() * 4) == 0) return;
        const int width = size.cx;
        size_t i = 0, differing = 0;
        while (composed[i] == expected[i]) ++i;
        for (size_t k = 0; k < composed.size(); ++k) differing += composed[k] != expected[k];
        ADD_FAILURE() << what << ": " << differing << " pixels differ, the first at (" << i % width << ", " << i / width
                      << "): " << std::hex << composed[i] << " instead of " << expected[i];
    }

    static inline ULONG_PTR token = 0;
    HWND window = nullptr;
    int index = 0;
};

TEST_F(Compose, MirroredTilesRepeatAcrossTheTopWithEverySecondCopyFlipped) {
    withPicture(twoColourPng(20, 30, 0xFFFF0000, 0xFF00FF00), kPlaceMirroredTiles);
    composeWindowSkin(index, false);
    ASSERT_NE(rec().caches.backgroundSurface, nullptr);
    for (int copy = 0; copy < 14; ++copy) {
        bool mirrored = copy % 2 == 1;
        int x = copy * 20;
        EXPECT_NEAR_COLOUR(at(x + 3, 10), mirrored ? kGreen : kRed, 30) << copy;
        EXPECT_NEAR_COLOUR(at(x + 16, 10), mirrored ? kRed : kGreen, 30) << copy;
    }
    EXPECT_EQ(at(150, 60), kGrey);  // below the strip: the background colour
    EXPECT_EQ(rec().caches.composedWidth, kW);
    EXPECT_EQ(rec().caches.composedHeight, kH);
    EXPECT_EQ(rec().needsCompose, 0);
}

TEST_F(Compose, MirroredTilesMatchTheReferencePixelForPixel) {
    const std::pair<const char*, Bytes> pictures[] = {
        {"two colours", twoColourPng(20, 30, 0xFFFF0000, 0xFF00FF00)},
        {"gradient", gradientPng(37, 23)},
        {"translucent", translucentPng(29, 17)},
        {"sea blue", carried("SKIN_SEA_BLUE")},
    };
    // Widths that are no multiple of the pictures', one narrower than most of
    // them, and windows small enough for the frame to be drawn in one piece.
    const SIZE sizes[] = {{kW, kH}, {811, 571}, {50, 120}, {131 * 3 + 1, 90}, {41, 700}, {36, 36}};
    rec().framed = 1;
    rec().caption.captionGloss = 1;
    for (const auto& [name, png] : pictures) {
        ASSERT_FALSE(png.empty()) << name;
        withPicture(png, kPlaceMirroredTiles);
        for (SIZE size : sizes) {
            resize(size.cx, size.cy);
            expectComposeMatchesReference(std::string(name) + " at " + std::to_string(size.cx) + " x " +
                                          std::to_string(size.cy));
        }
    }
}

TEST_F(Compose, EveryModeFrameTintGlossAndBarMatchTheReference) {
    struct Look {
        const char* name;
        int framed, gloss;
        LONG tint;
        int tintAlpha;
    };
    const Look looks[] = {
        {"framed, gloss", 1, 1, -1, 255},
        {"framed, gloss, translucent tint", 1, 1, RGB(0, 0, 200), 120},
        {"framed, gloss, black tint", 1, 1, RGB(0, 0, 0), 90},
        {"framed, tint", 1, 0, RGB(200, 40, 0), 70},
        {"unframed, tint", 0, 0, RGB(0, 90, 0), 200},
        {"unframed", 0, 0, -1, 255},
    };
    const Bytes translucent = translucentPng(41, 33), twoColours = twoColourPng(400, 40, 0xFFFF0000, 0xFF00FF00);
    resize(kW + 3, kH + 1);
    withBar(kW + 3, kH + 1);
    // 9: an unknown mode, which draws no picture.
    for (int mode : {int{kPlaceTopLeft}, int{kPlaceTopRight}, int{kPlaceCentred}, int{kPlaceStretched},
                     int{kPlaceMirroredTiles}, 9}) {
        for (const Bytes* png : {&translucent, &twoColours}) {
            withPicture(*png, mode);
            for (const Look& look : looks) {
                rec().framed = look.framed;
                rec().caption.captionGloss = look.gloss;
                rec().tintColour = look.tint;
                rec().tintAlpha = look.tintAlpha;
                expectComposeMatchesReference(std::string(look.name) + ", mode " + std::to_string(mode) +
                                              (png == &translucent ? ", translucent" : ", two colours"));
            }
        }
    }
    // The window's own picture and colour take the place of the global ones.
    rec().framed = 1;
    rec().caption.captionGloss = 1;
    rec().ownPicture = translucentPng(23, 19);
    rec().ownPictureMode = kPlaceMirroredTiles;
    rec().ownBackColour = RGB(10, 20, 30);
    expectComposeMatchesReference("own picture");
}

TEST_F(Compose, ComposingAgainRedrawsEveryPixelAndFollowsEachChangedInput) {
    rec().framed = 1;
    rec().caption.captionGloss = 1;
    rec().caption.showTitle = true;
    rec().caption.hasMinButton = rec().caption.hasCloseButton = true;
    buildCaptionButtons(rec(), kW);
    withPicture(carried("SKIN_SEA_BLUE"), kPlaceMirroredTiles);
    withBar(kW, kH);
    composeWindowSkin(index, false);
    // The same inputs again: every pixel comes back, scribbles included.
    expectComposeMatchesReference("unchanged");
    expectComposeMatchesReference("unchanged, once more");
    // Each input on its own, then back.
    SetWindowTextA(window, "Another title");
    expectComposeMatchesReference("new title");
    rec().tintColour = RGB(0, 90, 0);
    rec().tintAlpha = 120;
    expectComposeMatchesReference("tinted");
    rec().tintAlpha = 60;
    expectComposeMatchesReference("lighter tint");
    rec().caption.captionGloss = 0;
    expectComposeMatchesReference("no gloss");
    withPicture(translucentPng(29, 17), kPlaceMirroredTiles);
    expectComposeMatchesReference("another picture");
    settings().placementMode = kPlaceCentred;
    expectComposeMatchesReference("centred");
    settings().backgroundColour = RGB(1, 2, 3);
    expectComposeMatchesReference("another colour");
    rec().bar.barItems[0].text = "忙";
    expectComposeMatchesReference("another bar text");
    rec().caption.captionButtons.pop_back();
    expectComposeMatchesReference("one caption button fewer");
    resize(kW - 7, kH + 5);
    withBar(kW - 7, kH + 5);
    expectComposeMatchesReference("another size");
    withPicture(carried("SKIN_SEA_BLUE"), kPlaceMirroredTiles);
    rec().tintColour = -1;
    expectComposeMatchesReference("back to the first picture");
}

TEST_F(Compose, PlacementModesPutThePictureWhereTheySay) {
    Bytes wide = twoColourPng(400, 40, 0xFFFF0000, 0xFF00FF00);
    withPicture(wide, kPlaceTopRight);  // wider than the window: starts at x = -100
    composeWindowSkin(index, false);
    EXPECT_NEAR_COLOUR(at(0, 10), kRed, 30);      // picture column 100
    EXPECT_NEAR_COLOUR(at(99, 10), kRed, 30);     // column 199
    EXPECT_NEAR_COLOUR(at(101, 10), kGreen, 30);  // column 201
    EXPECT_EQ(at(10, 50), kGrey);

    Bytes small = twoColourPng(40, 20, 0xFFFF0000, 0xFF00FF00);
    withPicture(small, kPlaceTopLeft);
    composeWindowSkin(index, false);
    EXPECT_NEAR_COLOUR(at(5, 5), kRed, 30);
    EXPECT_NEAR_COLOUR(at(35, 5), kGreen, 30);
    EXPECT_EQ(at(45, 5), kGrey);

    withPicture(small, kPlaceCentred);  // at (130, 90)
    composeWindowSkin(index, false);
    EXPECT_NEAR_COLOUR(at(135, 100), kRed, 30);
    EXPECT_NEAR_COLOUR(at(165, 100), kGreen, 30);
    EXPECT_EQ(at(125, 100), kGrey);
    EXPECT_EQ(at(135, 85), kGrey);

    withPicture(small, kPlaceStretched);
    composeWindowSkin(index, false);
    EXPECT_NEAR_COLOUR(at(30, 180), kRed, 30);  // the picture's edges blend when stretched
    EXPECT_NEAR_COLOUR(at(270, 20), kGreen, 30);
    EXPECT_NEAR_COLOUR(at(140, 100), kRed, 30);
    EXPECT_NEAR_COLOUR(at(160, 100), kGreen, 30);

    withPicture(small, 9);  // an unknown mode draws nothing
    composeWindowSkin(index, false);
    EXPECT_EQ(at(5, 5), kGrey);
}

TEST_F(Compose, TintAndGlossShareTheWindowByTheCaptionBand) {
    rec().caption.captionGloss = 1;
    rec().tintColour = RGB(0, 0, 200);
    rec().tintAlpha = 255;
    composeWindowSkin(index, false);
    const int caption = rec().caption.captionHeight;
    EXPECT_NEAR_COLOUR(at(150, caption + 2), RGB(0, 0, 200), 3);
    EXPECT_NEAR_COLOUR(at(150, kH - 2), RGB(0, 0, 200), 3);
    // The gloss runs from a faint tint at the top to the full tint at the bottom of the band.
    EXPECT_GT(distance(at(150, 1), RGB(0, 0, 200)), 100);
    EXPECT_LT(distance(at(150, caption - 1), RGB(0, 0, 200)), 30);

    rec().tintColour = -1;  // no tint: a white gloss brightens the band
    composeWindowSkin(index, false);
    EXPECT_GT(GetRValue(at(150, 1)), 64 + 60);
    EXPECT_EQ(at(150, caption + 5), kGrey);

    rec().caption.captionGloss = 0;
    rec().tintColour = RGB(0, 0, 200);
    composeWindowSkin(index, false);  // without the gloss the tint covers everything
    EXPECT_NEAR_COLOUR(at(150, 1), RGB(0, 0, 200), 3);
}

TEST_F(Compose, FramedWindowsGetFrameTitleAndRegion) {
    rec().framed = 1;
    composeWindowSkin(index, true);
    // Outer line black over the background, inner line white.
    EXPECT_LT(GetRValue(at(0, kH / 2)), 40);
    EXPECT_GT(GetRValue(at(1, kH / 2)), 120);
    EXPECT_LT(GetRValue(at(kW - 1, kH / 2)), 40);
    EXPECT_EQ(at(kW / 2, kH / 2), kGrey);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(window, region), ERROR);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.right, kW);
    DeleteObject(region);

    // The title "Title" in white with a grey halo, inside its rectangle.
    int white = 0;
    for (int y = 6; y < 30; ++y)
        for (int x = 29; x < 100; ++x) white += at(x, y) == RGB(255, 255, 255);
    EXPECT_GT(white, 10);
}

TEST_F(Compose, UnframedWindowsGetNoRegionFrameOrTitle) {
    composeWindowSkin(index, true);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR);
    DeleteObject(region);
    EXPECT_EQ(at(0, kH / 2), kGrey);
    for (int y = 6; y < 30; ++y)
        for (int x = 29; x < 100; ++x) ASSERT_EQ(at(x, y), kGrey);
}

TEST_F(Compose, CompositionCacheEqualsTheSurface) {
    rec().framed = 1;
    rec().caption.captionGloss = 1;
    withPicture(carried("SKIN_SEA_BLUE"), kPlaceMirroredTiles);
    composeWindowSkin(index, false);
    std::vector<DWORD> surface(kW * kH), cache(kW * kH);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), kW, -kH, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HBITMAP a = static_cast<HBITMAP>(GetCurrentObject(rec().caches.backgroundSurface, OBJ_BITMAP));
    HBITMAP b = static_cast<HBITMAP>(GetCurrentObject(rec().caches.compositionCache, OBJ_BITMAP));
    ASSERT_EQ(GetDIBits(rec().caches.backgroundSurface, a, 0, kH, surface.data(), &bi, DIB_RGB_COLORS), kH);
    ASSERT_EQ(GetDIBits(rec().caches.compositionCache, b, 0, kH, cache.data(), &bi, DIB_RGB_COLORS), kH);
    EXPECT_EQ(std::memcmp(surface.data(), cache.data(), surface.size() * 4), 0);
}

TEST_F(Compose, BarItemsRedrawOverTheirCachedBackground) {
    rec().bar.barHeight = 25;
    rec().bar.barRect = {3, kH - 3 - 25 - 1, kW - 6, 25};
    rec().bar.barItems = {BarItem{100, "状态", {}, RGB(255, 255, 0)}};
    rec().bar.barItemRects = {IntRect{3, kH - 29, 100, 25}};
    composeWindowSkin(index, false);
    const COLORREF composed = at(90, kH - 10);
    EXPECT_GT(GetRValue(composed), 64);  // the white shade lightens the bar

    // Scribble over the item, then redraw it on its own: the cache brings
    // the background back under it.
    RECT item{3, kH - 29, 103, kH - 4};
    HBRUSH scribble = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(rec().caches.backgroundSurface, &item, scribble);
    DeleteObject(scribble);
    drawBarItem(rec(), 1);
    EXPECT_EQ(at(90, kH - 10), composed);
}

TEST_F(Compose, SetGlobalSkinWithNothingOnlyResetsTheAccent) {
    settings().accentColour = RGB(1, 2, 3);
    setGlobalSkin("", {});
    EXPECT_EQ(settings().accentColour, kDefaultAccent);
    EXPECT_EQ(settings().backgroundColour, kGrey);
    EXPECT_EQ(rec().caches.composedWidth, 0);  // nothing recomposed
    EXPECT_EQ(rec().caches.backgroundSurface, nullptr);
}

TEST_F(Compose, SetGlobalSkinTakesTheAverageColourAndThePlacement) {
    Bytes sea = carried("SKIN_SEA_BLUE"), gold = carried("SKIN_GOLDEN");
    ASSERT_FALSE(sea.empty());
    setGlobalSkin("", sea);
    EXPECT_EQ(settings().backgroundColour, RGB(113, 179, 193));
    EXPECT_EQ(settings().placementMode, kPlaceMirroredTiles);
    EXPECT_EQ(settings().backgroundPicture, sea);
    EXPECT_EQ(rec().caches.composedWidth, kW);  // a visible skinned window is recomposed

    setGlobalSkin("", gold, std::nullopt, -1, kPlaceStretched);
    EXPECT_EQ(settings().backgroundColour, RGB(223, 199, 112));
    EXPECT_EQ(settings().accentColour, RGB(223, 199, 112));
    EXPECT_EQ(settings().placementMode, kPlaceStretched);

    setGlobalSkin("", {}, RGB(9, 8, 7), RGB(1, 1, 1));
    EXPECT_TRUE(settings().backgroundPicture.empty());
    EXPECT_EQ(settings().backgroundColour, RGB(9, 8, 7));
    EXPECT_EQ(settings().accentColour, RGB(1, 1, 1));
    EXPECT_EQ(settings().placementMode, kPlaceStretched);  // kept
}

TEST_F(Compose, FadedModesStoreANewPngThatReachesTheBackground) {
    Bytes picture = twoColourPng(100, 60, 0xFFFF0000, 0xFF00FF00);
    for (int mode : {kPlaceTopLeft, kPlaceTopRight}) {
        setGlobalSkin("", picture, RGB(0, 0, 255), std::nullopt, mode);
        const Bytes& stored = settings().backgroundPicture;
        ASSERT_GE(stored.size(), 8u);
        EXPECT_EQ(std::memcmp(stored.data(), "\x89PNG\r\n\x1a\n", 8), 0);
        gfx::Bitmap faded = gfx::Bitmap::fromBytes(stored);
        ASSERT_EQ(faded.width(), 100);
        ASSERT_EQ(faded.height(), 60);
        int faded_x = mode == kPlaceTopLeft ? 99 : 0;
        EXPECT_NEAR_COLOUR(toColorref(faded.getPixel(faded_x, 20)), RGB(0, 0, 255), 40) << mode;
        EXPECT_NEAR_COLOUR(toColorref(faded.getPixel(50, 59)), RGB(0, 0, 255), 40) << mode;
        // The middle of the far side keeps the picture.
        EXPECT_NEAR_COLOUR(toColorref(faded.getPixel(mode == kPlaceTopLeft ? 10 : 90, 10)),
                           mode == kPlaceTopLeft ? kRed : kGreen, 40)
            << mode;
    }
}

TEST_F(Compose, UndecodablePicturesGiveBlackAndDrawNothing) {
    Bytes junk{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
    EXPECT_EQ(averageColour({"", &junk}), RGB(0, 0, 0));
    setGlobalSkin("", junk);
    EXPECT_EQ(settings().backgroundColour, RGB(0, 0, 0));
    EXPECT_EQ(at(150, 10), RGB(0, 0, 0));
    Bytes none;
    EXPECT_EQ(averageColour({"", &none}), RGB(0, 0, 0));
}

TEST_F(Compose, TheSkinPictureIsDecodedOncePerSkin) {
    Bytes sea = carried("SKIN_SEA_BLUE"), gold = carried("SKIN_GOLDEN");
    withPicture(sea, kPlaceMirroredTiles);
    composeWindowSkin(index, false);
    const gfx::GpImage* first = decodedPicture(sea)->image.handle();
    const gfx::Bitmap* tiles = mirroredTiles(*decodedPicture(sea));
    for (int i = 0; i < 5; ++i) composeWindowSkin(index, false);
    EXPECT_EQ(decodedPicture(sea)->image.handle(), first);  // the same decoded picture
    EXPECT_EQ(mirroredTiles(*decodedPicture(sea)), tiles);
    withPicture(gold, kPlaceStretched);
    composeWindowSkin(index, false);
    EXPECT_NE(decodedPicture(gold)->image.handle(), first);
    EXPECT_EQ(decodedPicture(sea)->image.handle(), first);  // still kept for a window that shows it
    EXPECT_EQ(decodedPicture(Bytes{}), nullptr);
    Bytes junk{'x'};
    EXPECT_FALSE(decodedPicture(junk)->image);
    releaseDecodedPictures();
}

TEST_F(Compose, ThousandComposesAndSkinChangesLeakNoGdiObjects) {
    rec().framed = 1;
    rec().caption.captionGloss = 1;
    rec().bar.barHeight = 25;
    rec().bar.barRect = {3, kH - 29, kW - 6, 25};
    Bytes sea = carried("SKIN_SEA_BLUE"), gold = carried("SKIN_GOLDEN");
    composeWindowSkin(index, true);  // first compose creates the long-lived surfaces
    const int before = support::liveGdiObjectCount();
    for (int i = 0; i < 1000; ++i) {
        if (i % 100 == 0) setGlobalSkin("", i % 200 ? sea : gold, std::nullopt, std::nullopt, i % 5);
        composeWindowSkin(index, i % 2 == 0);
    }
    EXPECT_EQ(support::liveGdiObjectCount(), before);
}

}  // namespace
