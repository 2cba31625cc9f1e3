// Real trackbars and progress bars in a skinned window: what they are
// registered with, what they publish into the composition cache, the hover
// bookkeeping they share with the other families, and that hovering and
// moving them leaves no GDI object behind.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/controls/backdrop.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/trackbar.h"
#include "skin/window/property_keys.h"
#include "tests/skin/skinned_window_fixture.h"
#include "tests/support/gdi_count.h"
#include "win/props.h"
#include "win/window.h"

namespace {

using namespace skin;

class SkinnedBars : public skintest::SkinnedWindowTest {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        SkinnedWindowTest::SetUp();
        setSkinOptions(1, 100, 0);  // the toolbox's options: no trackbar panel
    }
    HWND trackbar(DWORD style, int x, int y, int w = 204, int h = 30, int position = 0) {
        HWND t = child(TRACKBAR_CLASSA, style, 0, x, y, w, h);
        SendMessageA(t, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
        SendMessageA(t, TBM_SETPOS, TRUE, position);
        return t;
    }
    HWND progress(DWORD style, int x, int y, int w = 200, int h = 16, int position = 0) {
        HWND p = child(PROGRESS_CLASSA, style, 0, x, y, w, h);
        SendMessageA(p, PBM_SETPOS, position, 0);
        return p;
    }
    WindowRecord& r() { return record(1); }
    // A pixel of the control as last published into the composition cache.
    COLORREF published(HWND control, int x, int y) {
        const RECT rc = controlRectInWindow(control);
        return GetPixel(r().caches.compositionCache, rc.left + x, rc.top + y);
    }
    bool whitish(COLORREF c) { return GetRValue(c) >= 170 && GetGValue(c) >= 170 && GetBValue(c) >= 170; }
    // Inside the large thumb's circle, outside the small one's.
    COLORREF besideTheSmallThumb(HWND t) {
        RECT thumb{};
        SendMessageA(t, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        RECT channel{};
        SendMessageA(t, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
        return published(t, thumb.left + 5, channel.top - 3);
    }
    int slotOf(HWND w) { return win::prop<int>(w, keys::kIndex); }
};

TEST_F(SkinnedBars, TrackbarsAndProgressBarsTakeTheirSlotsWithTheirStyles) {
    HWND plain = trackbar(TBS_AUTOTICKS, 20, 40);
    HWND both = trackbar(TBS_VERT | TBS_BOTH, 20, 80, 48, 160);
    HWND selection = trackbar(TBS_NOTICKS | TBS_TOP | TBS_ENABLESELRANGE, 240, 40);
    HWND bar = progress(0, 240, 100);
    HWND upright = progress(PBS_VERTICAL, 240, 140, 20, 88);
    skinAndShow();
    ASSERT_EQ(r().trackbars.size(), 3u);
    EXPECT_EQ(slotOf(plain), 1);
    EXPECT_EQ(slotOf(both), 2);
    EXPECT_EQ(slotOf(selection), 3);
    EXPECT_EQ(win::prop<int>(plain, keys::kOwnerIndex), 1);
    const TrackbarItem& b = r().trackbars[1];
    EXPECT_TRUE(b.vertical);
    EXPECT_EQ(b.tickPlacement, kTicksBoth);
    EXPECT_FALSE(b.selectionRange);
    const TrackbarItem& s = r().trackbars[2];
    EXPECT_EQ(s.tickPlacement, kNoTicks);
    EXPECT_TRUE(s.selectionRange);
    EXPECT_FALSE(r().trackbars[0].vertical);
    ASSERT_EQ(r().progressBars.size(), 2u);
    EXPECT_EQ(slotOf(bar), 1);
    EXPECT_EQ(slotOf(upright), 2);
    EXPECT_FALSE(r().progressBars[0].vertical);
    EXPECT_TRUE(r().progressBars[1].vertical);
    // The previous procedure is the system's, not the skin's own.
    EXPECT_NE(r().trackbars[0].previousProcedure, nullptr);
    EXPECT_NE(win::prop<WNDPROC>(plain, keys::kPreviousProc), reinterpret_cast<WNDPROC>(trackbarSkinProc));
}

TEST_F(SkinnedBars, APushButtonHotInTheSameSlotDoesNotKeepTheTrackbarFromGrowing) {
    HWND t = trackbar(TBS_AUTOTICKS, 20, 40, 204, 30, 50);
    skinAndShow();
    ASSERT_EQ(slotOf(t), 1);
    EXPECT_FALSE(whitish(besideTheSmallThumb(t)));
    // The push button of slot 1 was drawn hot last.
    r().hotSlot = 1;
    r().hotKindCode = kPushButtonKind;
    SendMessageA(t, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(whitish(besideTheSmallThumb(t)));
    EXPECT_TRUE(r().trackbars[0].hovered);
    EXPECT_EQ(r().hotSlot, 1);
    EXPECT_EQ(r().hotKindCode, kTrackbarKind);
    SendMessageA(t, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(whitish(besideTheSmallThumb(t)));
    EXPECT_FALSE(r().trackbars[0].hovered);
    EXPECT_EQ(r().hotSlot, 0);
}

TEST_F(SkinnedBars, TheLeaveOfOneTrackbarKeepsTheNextOnesHotMark) {
    HWND first = trackbar(0, 20, 40);
    HWND second = trackbar(0, 20, 80);
    skinAndShow();
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(first, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(r().hotSlot, 2);
    EXPECT_FALSE(r().trackbars[0].hovered);
    EXPECT_TRUE(r().trackbars[1].hovered);
}

TEST_F(SkinnedBars, AProgressBarWithAnEmptyOrReversedRangeDrawsAnEmptyBar) {
    HWND half = progress(0, 20, 40, 200, 16, 50);
    HWND empty = progress(0, 20, 70, 200, 16, 0);
    HWND reversed = progress(0, 20, 100, 200, 16);
    HWND flat = progress(0, 20, 130, 200, 16);
    SendMessageA(reversed, PBM_SETRANGE32, 80, 20);
    SendMessageA(flat, PBM_SETRANGE32, 30, 30);
    skinAndShow();
    // The bar's inside differs from the trough at a quarter of the way.
    EXPECT_NE(published(half, 50, 8), published(empty, 50, 8));
    for (HWND w : {reversed, flat})
        for (int x : {5, 50, 150}) EXPECT_EQ(published(w, x, 8), published(empty, x, 8)) << x;
}

TEST_F(SkinnedBars, HiddenBarsPublishNothingWhenTheyMove) {
    HWND bar = progress(0, 20, 40, 200, 16, 100);
    HWND t = trackbar(0, 20, 80, 204, 30, 50);
    skinAndShow();
    ShowWindow(bar, SW_HIDE);
    ShowWindow(t, SW_HIDE);
    settle();
    SetWindowPos(bar, nullptr, 20, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(t, nullptr, 20, 180, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int x : {10, 100, 190}) EXPECT_EQ(published(bar, x, 8), skintest::kSkinColour) << x;
    EXPECT_EQ(published(t, 100, 11), skintest::kSkinColour);
}

TEST_F(SkinnedBars, HoversAndPositionChangesLeaveNoGdiObjectsBehind) {
    HWND a = trackbar(TBS_AUTOTICKS, 20, 40, 204, 30, 30);
    HWND b = trackbar(TBS_ENABLESELRANGE, 20, 80, 204, 34, 60);
    HWND vertical = trackbar(TBS_VERT, 260, 40, 40, 160, 50);
    HWND bar = progress(0, 20, 140);
    HWND upright = progress(PBS_VERTICAL, 320, 40, 20, 88);
    SendMessageA(b, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
    skinAndShow();
    SetForegroundWindow(main);
    // Real input: a move onto the other trackbar ends the hover of this one
    // at once, so every move is one enter and one leave.
    auto pointAt = [](HWND w) {
        const RECT rc = win::windowRect(w);
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        in.mi.dx = (rc.left + 40) * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = ((rc.top + rc.bottom) / 2) * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        SendInput(1, &in, sizeof in);
    };
    auto hoverCycles = [&](int n) {
        for (int i = 0; i < n; ++i)
            for (HWND w : {a, b}) {
                const int slot = slotOf(w);
                pointAt(w);
                ASSERT_TRUE(onScreenSoon([&] { return r().hotSlot == slot && r().hotKindCode == kTrackbarKind; })) << i;
            }
    };
    auto positions = [&](int n) {
        for (int i = 0; i < n; ++i) {
            for (HWND t : {a, b, vertical}) SendMessageA(t, TBM_SETPOS, TRUE, i % 101);
            for (HWND p : {bar, upright}) SendMessageA(p, PBM_SETPOS, static_cast<WPARAM>(i % 101), 0);
            settle();
        }
    };
    hoverCycles(3);  // the system's own caches settle first
    positions(2);
    const int objects = support::liveGdiObjectCount();
    const int canvases = registeredMemoryDcCount();
    hoverCycles(500);  // 1,000 hovers
    positions(200);
    settle();
    EXPECT_EQ(support::liveGdiObjectCount(), objects);
    EXPECT_EQ(registeredMemoryDcCount(), canvases);
}

}  // namespace
