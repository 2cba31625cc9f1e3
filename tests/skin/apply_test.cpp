// Skinning real top-level windows and taking the skin off again.
#include <gtest/gtest.h>

#include "gfx/startup.h"
#include "skin/controls/dispatch.h"
#include "skin/window/apply_skin.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/picture_cache.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/window_proc.h"
#include "skin/window/window_record.h"
#include "tests/support/gdi_count.h"

namespace {

using namespace skin;

int propOf(HWND w, const char* key) { return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(w, key))); }

LRESULT CALLBACK plainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_APP) return 42;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK countingSkinProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_APP + 1) return 7;  // answered by the skin procedure itself
    return forwardToPrevious(hwnd, msg, wp, lp);
}

class Apply : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = plainProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SkinTestWindow";
        RegisterClassExA(&wc);
        gfx::startup(token);
    }
    static void TearDownTestSuite() {
        releaseCaptionGlyphImages();
        releaseDecodedPictures();
        gfx::shutdown(token);
    }
    void SetUp() override { resetSettings(); }
    void TearDown() override {
        for (HWND w : windows)
            if (IsWindow(w)) DestroyWindow(w);
        clearWindowRecords();
        releaseAllMemoryDcs();
    }
    HWND newWindow(DWORD style = WS_MINIMIZEBOX | WS_MAXIMIZEBOX) {
        HWND w = CreateWindowExA(0, "SkinTestWindow", "Skinned", WS_POPUP | WS_CLIPCHILDREN | style, 10, 10, 400, 300,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        windows.push_back(w);
        return w;
    }
    static inline ULONG_PTR token = 0;
    std::vector<HWND> windows;
};

TEST_F(Apply, SkinningBuildsTheRecordAndTakesOverTheProcedure) {
    HWND w = newWindow();
    SkinOptions o;
    o.captionHeight = 10;
    o.barHeight = 25;
    std::vector<BarItem> items(2);
    items[0].width = 100;
    items[1].width = -1;
    o.barItems = items;
    applyWindowSkin(w, o);
    ASSERT_EQ(windowRecords().size(), 1u);
    const WindowRecord& r = record(1);
    EXPECT_EQ(propOf(w, keys::kIndex), 1);
    EXPECT_EQ(r.caption.captionHeight, 25);  // at least 25
    EXPECT_EQ(r.framed, 1);
    EXPECT_EQ(r.caption.hasCloseButton, 1);
    ASSERT_EQ(r.caption.captionButtons.size(), 3u);
    EXPECT_EQ(r.caption.buttonBlockWidth, 95);
    EXPECT_EQ(r.caption.buttonBlockX, 400 - 94);
    EXPECT_FLOAT_EQ(r.caption.captionButtons[0].rect.x, 400 - 92.0f);
    EXPECT_FLOAT_EQ(r.caption.captionButtons[2].rect.x, 400 - 38.0f);
    EXPECT_EQ(r.bar.barItemRects.at(1).x, 103);
    EXPECT_EQ(r.bar.barItemRects.at(1).x + r.bar.barItemRects.at(1).w, 400 - 3);
    EXPECT_EQ(r.needsCompose, 1);
    LONG style = GetWindowLongA(w, GWL_STYLE);
    EXPECT_FALSE(style & WS_CLIPCHILDREN);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skinnedWindowProc));
    EXPECT_EQ(GetPropA(w, keys::kPreviousProc), reinterpret_cast<HANDLE>(plainProc));
    EXPECT_EQ(SendMessageA(w, WM_APP, 0, 0), 42);  // what the skin does not answer reaches the old procedure
    EXPECT_EQ(settings().frameInset, 3);

    applyWindowSkin(w, o);  // a window is skinned once
    EXPECT_EQ(windowRecords().size(), 1u);
}

TEST_F(Apply, OnlyAGivenFramedOptionBringsTooltips) {
    HWND plain = newWindow(), framedGiven = newWindow(), unframed = newWindow();
    applyWindowSkin(plain);
    SkinOptions framed;
    framed.framed = 1;
    applyWindowSkin(framedGiven, framed);
    SkinOptions none;
    none.framed = 0;
    applyWindowSkin(unframed, none);
    EXPECT_EQ(record(1).caption.captionTips.handle(), nullptr);
    EXPECT_NE(record(2).caption.captionTips.handle(), nullptr);
    EXPECT_EQ(record(3).caption.captionTips.handle(), nullptr);
    EXPECT_EQ(record(3).caption.hasCloseButton, 0);
    EXPECT_EQ(record(3).caption.captionButtons.size(), 2u);  // minimise and maximise stay
}

TEST_F(Apply, DestroyingAWindowRenumbersTheLaterOnesAndTheirControls) {
    HWND first = newWindow(), second = newWindow();
    applyWindowSkin(first);
    applyWindowSkin(second);
    HWND button =
        CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 5, 30, 50, 20, second, nullptr, nullptr, nullptr);
    EXPECT_EQ(registerControl(2, &WindowRecord::buttons, button, countingSkinProc), 1);
    HWND other = CreateWindowExA(0, "BUTTON", "c", WS_CHILD, 5, 60, 50, 20, second, nullptr, nullptr, nullptr);
    EXPECT_EQ(registerControl(2, &WindowRecord::buttons, other, countingSkinProc), 2);
    EXPECT_EQ(propOf(button, keys::kOwnerIndex), 2);
    EXPECT_EQ(propOf(other, keys::kIndex), 2);
    EXPECT_EQ(SendMessageA(button, WM_APP + 1, 0, 0), 7);
    EXPECT_EQ(SendMessageA(button, WM_GETTEXTLENGTH, 0, 0), 1);  // forwarded to the button's own procedure

    DestroyWindow(first);
    ASSERT_EQ(windowRecords().size(), 1u);
    EXPECT_EQ(record(1).hwnd, second);
    EXPECT_EQ(propOf(second, keys::kIndex), 1);
    EXPECT_EQ(propOf(button, keys::kOwnerIndex), 1);
    EXPECT_EQ(propOf(other, keys::kOwnerIndex), 1);
    EXPECT_EQ(GetWindowLongPtrA(first, GWLP_WNDPROC), 0);  // gone
}

TEST_F(Apply, SettersAnswerFalseForWindowsWithoutSkin) {
    HWND w = newWindow();
    EXPECT_FALSE(setCloseEffect(w, 1));
    EXPECT_FALSE(setBarTextStyle(w, {}));
    applyWindowSkin(w);
    EXPECT_TRUE(setCloseEffect(w, 2));
    EXPECT_EQ(record(1).closeEffect, 2);
    BarTextStyle style;
    style.inverse = 0;
    style.glow = 1;
    style.textColour = 0xFFFFFF;
    style.glowColour = 0;
    EXPECT_TRUE(setBarTextStyle(w, style));
    EXPECT_EQ(record(1).bar.barTextInverse, 0);
    EXPECT_EQ(record(1).bar.barTextGlow, 1);
    EXPECT_EQ(record(1).bar.barTextColour, 0xFFFFFFu);
    EXPECT_EQ(record(1).bar.barGlowColour, 0u);
    EXPECT_EQ(record(1).bar.barFontName, "宋体");
    EXPECT_TRUE(setBarTextStyle(w, {}));  // absent arguments take their defaults
    EXPECT_EQ(record(1).bar.barTextInverse, 1);
    EXPECT_EQ(record(1).bar.barGlowColour, 0xFFFFFFu);
}

TEST_F(Apply, SkinOptionsDeriveTheTransparentLists) {
    setSkinOptions(1, 100, 0);
    EXPECT_EQ(settings().veilAlpha, 100);
    EXPECT_EQ(settings().transparentLists, 1);
    EXPECT_EQ(settings().trackbarPanel, 0);
    setSkinOptions(0);
    EXPECT_EQ(settings().controlSkinning, 0);
    EXPECT_EQ(settings().veilAlpha, 160);
    EXPECT_EQ(settings().transparentLists, 0);
    EXPECT_EQ(settings().trackbarPanel, 1);
}

TEST_F(Apply, ShowingAndPaintingComposeOnceWithoutLeaking) {
    HWND w = newWindow();
    SkinOptions o;
    o.captionGloss = 1;
    o.barHeight = 25;
    applyWindowSkin(w, o);
    ShowWindow(w, SW_SHOW);  // the first show composes
    EXPECT_EQ(record(1).needsCompose, 0);
    EXPECT_EQ(record(1).caches.composedWidth, 400);
    ASSERT_NE(record(1).caches.compositionCache, nullptr);

    auto paintCycle = [&](int i) {
        record(1).needsCompose = i % 2;
        InvalidateRect(w, nullptr, TRUE);
        UpdateWindow(w);
    };
    for (int i = 0; i < 4; ++i) paintCycle(i);  // the system's own caches settle first
    const int before = support::liveGdiObjectCount();
    for (int i = 0; i < 200; ++i) paintCycle(i);
    EXPECT_EQ(support::liveGdiObjectCount(), before);
    DestroyWindow(w);
    EXPECT_TRUE(windowRecords().empty());
}

TEST_F(Apply, HoverFadesAndMinimiseRestoreCyclesLeakNoGdiObjects) {
    HWND w = newWindow();
    applyWindowSkin(w);
    ShowWindow(w, SW_SHOW);
    UpdateWindow(w);
    const WindowRecord& r = record(1);
    ASSERT_EQ(r.caption.captionButtons.size(), 3u);
    auto centreOf = [&](int n) {
        const FloatRect& b = r.caption.captionButtons[static_cast<size_t>(n) - 1].rect;
        return MAKELPARAM(static_cast<int>(b.x + b.w / 2), static_cast<int>(b.y + b.h / 2));
    };
    auto fade = [&](int i) {
        SendMessageA(w, WM_MOUSEMOVE, 0, centreOf(i % 2 ? 1 : 3));
        for (int tick = 0; tick < 9; ++tick) SendMessageA(w, WM_TIMER, reinterpret_cast<WPARAM>(w), 0);
    };
    auto minimiseAndRestore = [&] {
        SendMessageA(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        SendMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0);
        UpdateWindow(w);
    };
    // Each workload runs a few times first so that the system's own caches
    // (device contexts, the minimised window's icon) have settled.
    for (int i = 0; i < 3; ++i) fade(i);
    int before = support::liveGdiObjectCount();
    for (int i = 1; i <= 1000; ++i) fade(i);
    EXPECT_EQ(support::liveGdiObjectCount(), before);

    for (int i = 0; i < 3; ++i) minimiseAndRestore();
    before = support::liveGdiObjectCount();
    for (int i = 0; i < 100; ++i) minimiseAndRestore();
    EXPECT_EQ(support::liveGdiObjectCount(), before);
    EXPECT_EQ(record(1).minimisedFlag, 0);
}

}  // namespace
