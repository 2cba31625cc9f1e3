// Caption buttons: the hover animation's steps, the drawn looks read back
// from the background surface, glyphs, clicks and the animation timer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/startup.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/colour.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/skin_layout.h"
#include "tests/support/gdi_count.h"
#include "win/props.h"
#include "win/resources.h"

namespace {

using namespace skin;
using Draws = std::vector<HoverDraw>;

// Runs up to `count` ticks; stoppedAt is the tick that stopped the timer.
struct Ticks {
    HoverState state;
    Draws drawn;
    int stoppedAt = 0;
};
Ticks tick(HoverState s, int count) {
    Ticks t;
    for (int i = 1; i <= count && !t.stoppedAt; ++i) {
        HoverUpdate u = hoverOnTimer(s);
        s = u.state;
        t.drawn.insert(t.drawn.end(), u.draws.begin(), u.draws.end());
        if (u.stopTimer) t.stoppedAt = i;
    }
    t.state = s;
    return t;
}

// The pointer inside the window, over button n, its fade-in finished.
HoverState litButton(int n) {
    HoverState s;
    s.mouseInside = 1;
    return tick(hoverOnMouseMove(s, true, n).state, 8).state;
}

TEST(HoverFade, EnteringAButtonFadesItInOverEightTicks) {
    HoverUpdate u = hoverOnMouseMove(HoverState{}, true, 1);
    EXPECT_TRUE(u.trackMouse);
    EXPECT_TRUE(u.startTimer);
    EXPECT_EQ(u.state.fadeIn.button, 1);
    EXPECT_EQ(u.state.hoverTimerRunning, 1);
    HoverState s = u.state;
    s.mouseInside = 1;
    EXPECT_FALSE(hoverOnMouseMove(s, true, 1).startTimer);  // already running
    Ticks t = tick(s, 10);
    EXPECT_EQ(t.stoppedAt, 0);
    EXPECT_EQ(t.drawn, (Draws{{1, 30}, {1, 60}, {1, 90}, {1, 120}, {1, 150}, {1, 180}, {1, 210}, {1, 240}}));
}

TEST(HoverFade, NextButtonFadesInWhileTheLastFadesOutAndAThirdCutsTheFadeOutShort) {
    HoverUpdate u = hoverOnMouseMove(litButton(1), true, 2);
    EXPECT_TRUE(u.draws.empty());
    Ticks t = tick(u.state, 8);
    ASSERT_EQ(t.drawn.size(), 16u);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(t.drawn[2 * i - 2], (HoverDraw{2, 30 * i}));
        EXPECT_EQ(t.drawn[2 * i - 1], (HoverDraw{1, 240 - 30 * i}));
    }

    HoverState s = tick(hoverOnMouseMove(litButton(1), true, 2).state, 3).state;
    u = hoverOnMouseMove(s, true, 3);
    EXPECT_EQ(u.draws, (Draws{{1, 0}}));  // button 1 drops to 0 at once
    EXPECT_EQ(u.state.fadeOut.button, 2);
    EXPECT_EQ(u.state.fadeOut.step, 0);
    EXPECT_EQ(u.state.fadeIn.button, 3);
}

TEST(HoverFade, TheTimerStopsOnceTheFadeOutIsOverAndThePointerHasGone) {
    // Leaving the window.
    HoverUpdate u = hoverOnMouseLeave(litButton(2));
    EXPECT_EQ(u.state.hoveredButton, 0);
    EXPECT_EQ(u.state.fadeOut.button, 2);
    Ticks t = tick(u.state, 20);
    EXPECT_EQ(t.stoppedAt, 8);
    EXPECT_EQ(t.drawn.back(), (HoverDraw{2, 0}));
    EXPECT_EQ(t.state.hoverTimerRunning, 0);
    EXPECT_EQ(t.state.fadeOut.button, 0);

    // Leaving in the middle of a fade: the fade-out is cut short, the fade-in
    // turns into a fade-out from 210.
    u = hoverOnMouseLeave(tick(hoverOnMouseMove(litButton(1), true, 2).state, 2).state);
    EXPECT_EQ(u.draws, (Draws{{1, 0}}));
    EXPECT_EQ(tick(u.state, 1).drawn, (Draws{{2, 210}}));

    // Moving away from the block inside the window.
    u = hoverOnMouseMove(litButton(3), false, 0);
    EXPECT_EQ(u.state.hoverTimerRunning, 0);
    EXPECT_EQ(tick(u.state, 20).stoppedAt, 8);

    // With nothing fading the timer runs on while the pointer is near the
    // block, and stops at the next tick once it is outside the window.
    HoverState idle;
    idle.mouseInside = idle.hoverTimerRunning = true;
    EXPECT_EQ(tick(idle, 5).stoppedAt, 0);
    idle.mouseInside = false;
    EXPECT_EQ(tick(idle, 5).stoppedAt, 1);
}

TEST(HoverFade, ReenteringAButtonThatIsFadingOutLeavesItLit) {
    HoverState s = tick(hoverOnMouseMove(litButton(1), true, 0).state, 2).state;  // into the gap
    Ticks t = tick(hoverOnMouseMove(s, true, 1).state, 8);
    EXPECT_EQ(t.drawn.back(), (HoverDraw{1, 240}));
    for (const HoverDraw& d : t.drawn) EXPECT_NE(d.alpha, 0);
}

// ---- Drawing, glyphs, clicks ---------------------------------------------------------

constexpr int kW = 300, kH = 120;
constexpr COLORREF kGrey = RGB(60, 60, 60);
std::vector<WPARAM> sysCommands, timerIds;
int menuCalls = 0;

LRESULT CALLBACK recordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND) {
        sysCommands.push_back(wp);
        return 0;
    }
    if (msg == WM_TIMER) {
        timerIds.push_back(wp);
        if (WindowRecord* r = recordOf(hwnd)) captionHoverTimer(*r, wp);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

int __stdcall countMenuClick() { return ++menuCalls; }

int distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

HDC opaqueCanvas(int w, int h, COLORREF colour) {
    HDC dc = newMemoryCanvas(w, h);
    gfx::Graphics::fromHdc(dc).clear(toArgb(colour));
    return dc;
}

class Caption : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gfx::startup(token);
        WNDCLASSA wc{};
        wc.lpfnWndProc = recordingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "CaptionTestWindow";
        RegisterClassA(&wc);
    }
    static void TearDownTestSuite() {
        releaseCaptionGlyphImages();
        gfx::shutdown(token);
    }
    void SetUp() override {
        resetSettings();
        sysCommands.clear();
        timerIds.clear();
        menuCalls = 0;
    }
    void TearDown() override { unskin(); }
    void unskin() {
        clearWindowRecords();
        releaseAllMemoryDcs();
        DestroyWindow(window);  // its timer goes with it
    }

    // A framed window record with the buttons, laid out, over a grey caption.
    void skinWith(const CaptionButtonSet& present) {
        window = CreateWindowExA(0, "CaptionTestWindow", "", WS_POPUP, 0, 0, kW, kH, 0, 0, 0, 0);
        auto owned = std::make_unique<WindowRecord>();
        WindowRecord& r = *owned;
        r.hwnd = window;
        r.caption.hasHelpButton = present.help;
        r.caption.hasMenuButton = present.menu;
        r.caption.hasMinButton = present.minimise;
        r.caption.hasMaxButton = present.maximise;
        r.caption.hasCloseButton = present.close;
        buildCaptionButtons(r, kW);
        // Registered canvases, so that the fixture can release them.
        r.caches.backgroundSurface = opaqueCanvas(kW, kH, kGrey);
        r.caches.captionCacheDc = opaqueCanvas(kW, 25, kGrey);
        index = addWindowRecord(std::move(owned));
        win::setProp(window, keys::kIndex, index);
        layoutCaptionButtons(r);
    }
    void skinMinMaxClose() { skinWith({false, false, true, true, true}); }

    WindowRecord& rec() { return record(index); }
    COLORREF at(int x, int y) { return GetPixel(rec().caches.backgroundSurface, x, y); }
    COLORREF atFace(int n, int dx, int dy) {
        FloatRect f = buttonFace(rec(), n);
        return at(static_cast<int>(f.x) + dx, static_cast<int>(f.y) + dy);
    }
    int lineX(int n) { return static_cast<int>(rec().caption.captionButtons[n - 1].rect.x) - 2; }
    LPARAM centreOf(int n) {
        const FloatRect& r = rec().caption.captionButtons[n - 1].rect;
        return MAKELPARAM(static_cast<int>(r.x + r.w / 2), static_cast<int>(r.y + r.h / 2));
    }
    void hover(int n, int alpha) { redrawCaptionButton(rec(), n, false, alpha); }
    void press(int n) { redrawCaptionButton(rec(), n, true, 0); }
    void pump(DWORD ms) {
        const DWORD end = GetTickCount() + ms;
        for (MSG m; static_cast<LONG>(end - GetTickCount()) > 0; Sleep(5))
            while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    }

    static inline ULONG_PTR token = 0;
    HWND window = nullptr;
    int index = 0;
};

TEST_F(Caption, HoverHighlightIsRedOnCloseAccentElsewhereAndFollowsTheAlpha) {
    skinMinMaxClose();
    hover(3, 240);
    const COLORREF close = atFace(3, 5, 3);  // clear of the cross
    EXPECT_GT(GetRValue(close), 180) << std::hex << close;
    EXPECT_GT(GetRValue(close), GetGValue(close) + 100) << std::hex << close;

    // The accent colour (34, 202, 221) on minimise, its strength following the alpha.
    hover(1, 0);
    const COLORREF normal = atFace(1, 10, 4);
    hover(1, 120);
    const int half = distance(atFace(1, 10, 4), normal);
    hover(1, 240);
    const COLORREF lit = atFace(1, 10, 4);
    EXPECT_GT(GetBValue(lit), GetRValue(lit) + 40) << std::hex << lit;
    EXPECT_GT(half, 20);
    EXPECT_GT(distance(lit, normal), half * 16 / 10);
    EXPECT_LT(distance(lit, normal), half * 24 / 10);
    hover(1, 0);
    EXPECT_EQ(atFace(1, 10, 4), normal);
}

TEST_F(Caption, GlyphIsDrawnAndAMaximisedWindowShowsTheRestoreGlyph) {
    skinMinMaxClose();
    hover(1, 0);
    EXPECT_GT(GetGValue(atFace(1, 12, 11)), 200);  // the minimise bar, opaque white
    EXPECT_LT(GetGValue(atFace(1, 12, 5)), 150);   // the caption above it

    // A pixel opaque in the restore glyph and clear in the maximise glyph.
    gfx::Bitmap restore = gfx::Bitmap::fromBytes(win::carriedCopy(kRestoreGlyph));
    gfx::Bitmap maximise = gfx::Bitmap::fromBytes(win::carriedCopy(kMaximiseGlyph));
    auto opaque = [&](int x, int y) { return (restore.getPixel(x, y) >> 24) > 240; };
    int gx = -1, gy = -1;
    for (int y = 2; y < 16 && gx < 0; ++y)
        for (int x = 2; x < 24 && gx < 0; ++x)
            if (opaque(x - 1, y) && opaque(x, y) && opaque(x + 1, y) && (maximise.getPixel(x, y) >> 24) < 10)
                gx = x, gy = y;
    ASSERT_GE(gx, 0);
    hover(2, 0);
    EXPECT_LT(GetGValue(atFace(2, gx, gy)), 150);
    rec().maximisedFlag = true;
    hover(2, 0);
    const COLORREF shown = atFace(2, gx, gy);
    EXPECT_GT(GetGValue(shown), 200);
    releaseCaptionGlyphImages();  // decoded afresh: the same pixels
    hover(2, 0);
    EXPECT_EQ(atFace(2, gx, gy), shown);
    EXPECT_EQ(rec().caption.captionButtons[1].alternateGlyph, win::carriedCopy(kRestoreGlyph));
    EXPECT_TRUE(rec().caption.captionButtons[0].alternateGlyph.empty());
    EXPECT_TRUE(win::carriedCopy("NO_SUCH_GLYPH").empty());
}

TEST_F(Caption, RedrawsStayWithinTheButtonAndDrawItsSeparators) {
    skinMinMaxClose();
    hover(1, 0);
    EXPECT_LT(GetRValue(at(lineX(1), 8)) + 8, GetRValue(at(lineX(1) + 2, 8)));  // the block's left edge
    EXPECT_LT(GetRValue(at(lineX(2), 8)) + 4, GetRValue(kGrey));                // between 1 and 2

    HDC before = newMemoryCanvas(kW, kH);
    BitBlt(before, 0, 0, kW, kH, rec().caches.backgroundSurface, 0, 0, SRCCOPY);
    hover(2, 240);
    const int left = lineX(2), right = lineX(3), bottom = 19;
    int changed = 0, outside = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < kW; ++x)
            if (GetPixel(before, x, y) != at(x, y)) {
                ++changed;
                outside += x < left || x > right || y > bottom;
            }
    EXPECT_GT(changed, 300);
    EXPECT_EQ(outside, 0);

    // A caption with only the close button has no separator right of it.
    unskin();
    skinWith({false, false, false, false, true});
    hover(1, 0);
    EXPECT_LT(GetRValue(at(lineX(1), 8)) + 8, GetRValue(at(lineX(1) + 2, 8)));
    EXPECT_EQ(at(kW - 1, 8), kGrey);
}

TEST_F(Caption, ClicksSendSystemCommandsOrRunCallbacks) {
    skinMinMaxClose();
    captionButtonClick(rec(), 2);
    EXPECT_TRUE(rec().maximisedFlag);
    EXPECT_EQ(rec().caption.captionButtons[1].tipText, "还原");
    rec().needsCompose = false;
    captionButtonClick(rec(), 2);
    EXPECT_FALSE(rec().maximisedFlag);
    EXPECT_TRUE(rec().needsCompose);
    EXPECT_EQ(rec().caption.captionButtons[1].tipText, "最大化");
    captionButtonClick(rec(), 1);
    EXPECT_TRUE(rec().minimisedFlag);
    captionButtonClick(rec(), 3);
    captionButtonClick(rec(), 0);  // out of range
    captionButtonClick(rec(), 4);
    EXPECT_EQ(sysCommands, (std::vector<WPARAM>{SC_MAXIMIZE, SC_RESTORE, SC_MINIMIZE, SC_CLOSE}));

    unskin();
    skinWith({true, true, false, false, false});
    captionButtonClick(rec(), 1);  // help and main menu without callbacks
    captionButtonClick(rec(), 2);
    rec().menuCallback.routine = reinterpret_cast<void*>(&countMenuClick);
    captionButtonClick(rec(), 2);
    EXPECT_EQ(menuCalls, 1);
    EXPECT_EQ(sysCommands.size(), 4u);
}

TEST_F(Caption, PressThenReleaseClicksTheButtonUnderThePointer) {
    skinMinMaxClose();
    hover(1, 0);
    const COLORREF normal = atFace(1, 10, 2);
    press(1);
    EXPECT_LT(GetRValue(atFace(1, 10, 2)) + 30, GetRValue(normal));  // pressed in: darker
    pressCaptionButton(rec(), centreOf(3));
    EXPECT_EQ(settings().hoveredCaptionButton, 3);
    EXPECT_GT(GetRValue(atFace(3, 5, 2)), 220);  // pressed close: solid red
    EXPECT_LT(GetGValue(atFace(3, 5, 2)), 80);
    releaseCaptionButton(rec());
    EXPECT_EQ(sysCommands, (std::vector<WPARAM>{SC_CLOSE}));

    pressCaptionButton(rec(), MAKELPARAM(40, 10));  // the caption, no button
    releaseCaptionButton(rec());
    EXPECT_EQ(sysCommands.size(), 1u);

    // A window without a frame has no caption buttons to hover or press.
    rec().framed = false;
    settings().hoveredCaptionButton = 3;
    pressCaptionButton(rec(), centreOf(1));
    captionHoverMouseMove(rec(), centreOf(1));
    releaseCaptionButton(rec());
    EXPECT_EQ(settings().hoveredCaptionButton, 3);
    EXPECT_EQ(rec().hover.hoveredButton, 0);
    EXPECT_EQ(sysCommands.size(), 1u);
}

TEST_F(Caption, TheAnimationTimerRunsTheFadesAndStopsItself) {
    skinMinMaxClose();
    captionHoverMouseMove(rec(), centreOf(2));
    captionHoverMouseHover(rec());
    EXPECT_EQ(settings().hoveredCaptionButton, 2);
    EXPECT_TRUE(rec().hover.hoverTimerRunning);
    captionHoverTimer(rec(), 12345);  // some other timer
    EXPECT_EQ(rec().hover.fadeIn.step, 0);

    pump(400);
    EXPECT_EQ(rec().hover.fadeIn.step, 8);
    ASSERT_FALSE(timerIds.empty());
    for (WPARAM id : timerIds) EXPECT_EQ(id, reinterpret_cast<WPARAM>(window));
    EXPECT_GT(GetBValue(atFace(2, 3, 4)), GetRValue(atFace(2, 3, 4)) + 40);  // lit

    captionHoverMouseLeave(rec());
    pump(400);
    EXPECT_FALSE(rec().hover.hoverTimerRunning);
    EXPECT_EQ(rec().hover.fadeOut.button, 0);
    timerIds.clear();
    pump(100);
    EXPECT_TRUE(timerIds.empty());
    const COLORREF faded = atFace(2, 3, 4);  // the last step left the normal look
    hover(2, 0);
    EXPECT_EQ(atFace(2, 3, 4), faded);
}

TEST_F(Caption, DrawingLeavesNoGdiObjectsBehind) {
    skinMinMaxClose();
    hover(1, 30);
    const int before = support::liveGdiObjectCount();
    for (int i = 0; i < 200; ++i) {
        hover(1 + i % 3, 30 * (i % 9));
        press(1 + i % 3);
    }
    EXPECT_EQ(support::liveGdiObjectCount(), before);
}

}  // namespace
