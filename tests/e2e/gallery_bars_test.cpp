// The gallery's skinned trackbars and progress bars as another process sees
// them on the screen, driven with the real mouse.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "tests/e2e/running_gallery.h"
#include "tests/support/remote.h"
#include "tests/support/screen.h"
#include "tools/gallery/layout.h"

namespace {

using namespace gallery;
using screen::distance;

class GalleryBars : public gallerytest::RunningGallery {
protected:
    void SetUp() override {
        ASSERT_NE(window, nullptr);
        awayFromEveryControl();
    }

    static void awayFromEveryControl() {
        POINT p = kBackdropSample;
        ClientToScreen(window, &p);
        remote::moveMouse(p.x, p.y);
    }
    // A rectangle a trackbar fills in, read back from the gallery's memory.
    static RECT askRect(HWND w, UINT msg) {
        remote::RemoteBuffer buffer(program->handle(), sizeof(RECT));
        SendMessageA(w, msg, 0, reinterpret_cast<LPARAM>(buffer.address()));
        RECT r{};
        buffer.read(&r, sizeof r);
        return r;
    }
    static POINT onScreen(HWND w, int x, int y) {
        POINT p{x, y};
        ClientToScreen(w, &p);
        return p;
    }
    static COLORREF pixel(HWND w, int x, int y) {
        const POINT p = onScreen(w, x, y);
        return screen::Shot(RECT{p.x, p.y, p.x + 1, p.y + 1}).at(p.x, p.y);
    }
    static bool whitish(COLORREF c) { return GetRValue(c) >= 170 && GetGValue(c) >= 170 && GetBValue(c) >= 170; }

    // A point of the trackbar inside the large thumb but outside the small
    // one: above the channel, over the thumb's middle.
    static POINT besideTheSmallThumb(HWND t) {
        const RECT thumb = askRect(t, TBM_GETTHUMBRECT);
        const RECT channel = askRect(t, TBM_GETCHANNELRECT);
        return POINT{thumb.left + 5, channel.top - 3};
    }
    static bool thumbIsLarge(HWND t) {
        const POINT p = besideTheSmallThumb(t);
        return whitish(pixel(t, p.x, p.y));
    }
    // A point of the trackbar far from its thumb, where the pointer can rest.
    static void pointAtTheFarEnd(HWND t) {
        const RECT thumb = askRect(t, TBM_GETTHUMBRECT);
        const RECT client = [&] {
            RECT r;
            GetClientRect(t, &r);
            return r;
        }();
        const int x = thumb.left > client.right / 2 ? 4 : client.right - 4;
        const POINT p = onScreen(t, x, client.bottom - 3);
        remote::moveMouse(p.x, p.y);
    }

    // One row (or column) of a control on the screen.
    static std::vector<COLORREF> line(HWND w, bool across, int at) {
        RECT client;
        GetClientRect(w, &client);
        const POINT origin = onScreen(w, 0, 0);
        const int n = across ? client.right : client.bottom;
        screen::Shot shot(RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom});
        std::vector<COLORREF> pixels;
        for (int i = 0; i < n; ++i)
            pixels.push_back(across ? shot.at(origin.x + i, origin.y + at) : shot.at(origin.x + at, origin.y + i));
        return pixels;
    }
    // The first and last places where a progress bar at a position differs
    // from itself empty: the extent of its accent bar.
    static std::pair<int, int> filledExtent(HWND bar, bool across, int at) {
        const std::vector<COLORREF> filled = line(bar, across, at);
        const int position = static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0));
        SendMessageA(bar, PBM_SETPOS, 0, 0);
        EXPECT_TRUE(remote::waitUntil([&] { return line(bar, across, at) != filled; }, 5000));
        const std::vector<COLORREF> empty = line(bar, across, at);
        SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
        EXPECT_TRUE(remote::waitUntil([&] { return line(bar, across, at) == filled; }, 5000));
        int first = -1, last = -1;
        for (int i = 0; i < static_cast<int>(filled.size()); ++i)
            if (distance(filled[i], empty[i]) > 30) {
                if (first < 0) first = i;
                last = i;
            }
        return {first, last};
    }
};

TEST_F(GalleryBars, HoveringATrackbarGrowsItsThumbAndLeavingShrinksIt) {
    HWND t = item(id::TrackbarNoTicks);
    ASSERT_TRUE(remote::waitUntil([&] { return !thumbIsLarge(t); }, 5000));
    pointAtTheFarEnd(t);
    EXPECT_TRUE(remote::waitUntil([&] { return thumbIsLarge(t); }, 5000));
    awayFromEveryControl();
    EXPECT_TRUE(remote::waitUntil([&] { return !thumbIsLarge(t); }, 5000));
}

TEST_F(GalleryBars, DraggingTheThumbMovesThePositionAndTheThumbFollows) {
    HWND t = item(id::Trackbar);
    const int before = static_cast<int>(SendMessageA(t, TBM_GETPOS, 0, 0));
    const RECT thumb = askRect(t, TBM_GETTHUMBRECT);
    const RECT channel = askRect(t, TBM_GETCHANNELRECT);
    const int y = (thumb.top + thumb.bottom) / 2;
    const POINT from = onScreen(t, (thumb.left + thumb.right) / 2, y);
    remote::drag(from.x, from.y, from.x + 80, from.y);

    EXPECT_TRUE(remote::waitUntil([&] { return SendMessageA(t, TBM_GETPOS, 0, 0) > before + 20; }, 5000))
        << SendMessageA(t, TBM_GETPOS, 0, 0);
    const RECT moved = askRect(t, TBM_GETTHUMBRECT);
    EXPECT_GT(moved.left, thumb.left + 60);
    // The thumb is drawn where it now is, large under the pointer; where it
    // was, the channel and the accent line show.
    EXPECT_TRUE(remote::waitUntil([&] { return whitish(pixel(t, moved.left + 5, channel.top + 1)); }, 5000));
    EXPECT_TRUE(thumbIsLarge(t));
    EXPECT_FALSE(whitish(pixel(t, thumb.left + 5, channel.top + 1)));

    SendMessageA(t, TBM_SETPOS, TRUE, before);
}

TEST_F(GalleryBars, APointerMovingFromAPushButtonOntoTheTrackbarInItsSlotRepaintsItHot) {
    HWND button = item(id::PushButton);
    HWND t = item(id::Trackbar);
    // Both hold slot 1 of their lists.
    ASSERT_EQ(reinterpret_cast<INT_PTR>(GetPropA(button, "Hw_lbID")), 1);
    ASSERT_EQ(reinterpret_cast<INT_PTR>(GetPropA(t, "Hw_lbID")), 1);
    ASSERT_TRUE(remote::waitUntil([&] { return !thumbIsLarge(t); }, 5000));
    RECT b;
    GetWindowRect(button, &b);
    remote::moveMouse((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    pointAtTheFarEnd(t);
    EXPECT_TRUE(remote::waitUntil([&] { return thumbIsLarge(t); }, 5000));
}

TEST_F(GalleryBars, AProgressBarAtHalfFillsItsLeftHalf) {
    HWND bar = item(id::ProgressHalf);
    ASSERT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 50);
    RECT client;
    GetClientRect(bar, &client);
    ASSERT_EQ(client.right, 310);
    // The accent bar of the filled half, 155 pixels, inset by one and two.
    const auto [first, last] = filledExtent(bar, true, client.bottom / 2);
    EXPECT_GE(first, 0);
    EXPECT_LE(first, 3);
    EXPECT_GE(last, 150);
    EXPECT_LE(last, 155);
}

TEST_F(GalleryBars, AVerticalProgressBarAtHalfFillsItsLowerHalf) {
    HWND bar = item(id::ProgressVertical);
    ASSERT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 50);
    RECT client;
    GetClientRect(bar, &client);
    ASSERT_EQ(client.bottom, 88);
    const auto [first, last] = filledExtent(bar, false, client.right / 2);
    EXPECT_GE(first, 43);
    EXPECT_LE(first, 47);
    EXPECT_GE(last, 83);
    EXPECT_LE(last, 87);
}

}  // namespace
