// The gallery's up-down controls and headers driven with the real mouse from
// another process: a held arrow repeats and changes its buddy, the half under
// the pointer lights up, a button header shows its hot and pressed shades,
// and a column is resized by its divider.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "tests/e2e/running_gallery.h"
#include "tests/support/remote.h"
#include "tests/support/screen.h"
#include "tools/gallery/layout.h"

namespace {

using namespace gallery;
using screen::distance;

constexpr COLORREF kSeaBlue = RGB(113, 179, 193);

class GalleryUpDownsAndHeaders : public gallerytest::RunningGallery {
protected:
    void TearDown() override { remote::moveMouse(screenPoint(kBackdropSample, window).x, 0); }

    static POINT screenPoint(POINT client, HWND w) {
        ClientToScreen(w, &client);
        return client;
    }
    static COLORREF pixel(POINT client, HWND w) {
        const POINT p = screenPoint(client, w);
        return screen::Shot(RECT{p.x, p.y, p.x + 1, p.y + 1}).at(p.x, p.y);
    }
    // Waits until the pixel leaves a colour (or takes one) on the screen.
    static bool changesFrom(POINT client, HWND w, COLORREF from) {
        return remote::waitUntil([&] { return distance(pixel(client, w), from) > 12; }, 5000);
    }
    static bool returnsTo(POINT client, HWND w, COLORREF to) {
        return remote::waitUntil([&] { return distance(pixel(client, w), to) <= 3; }, 5000);
    }
    static int buddyValue() { return std::atoi(remote::windowText(item(id::UpDownBuddyEdit)).c_str()); }
    static RECT columnRect(HWND header, int i) {
        remote::RemoteBuffer buffer(program->handle(), sizeof(RECT));
        SendMessageA(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(buffer.address()));
        RECT r{};
        buffer.read(&r, sizeof r);
        return r;
    }
};

TEST_F(GalleryUpDownsAndHeaders, AHeldUpArrowLightsItsHalfRepeatsAndRaisesTheBuddy) {
    HWND upDown = item(id::UpDownVertical);
    ASSERT_EQ(reinterpret_cast<HWND>(SendMessageA(upDown, UDM_GETBUDDY, 0, 0)), item(id::UpDownBuddyEdit));
    SendMessageA(upDown, UDM_SETPOS32, 0, 42);
    ASSERT_EQ(buddyValue(), 42);
    const RECT r = remote::rectInParent(upDown);
    const int w = r.right - r.left, h = r.bottom - r.top;
    // Low in each half, where the lit gradient is furthest from the plain one.
    const POINT upperSample{3, h / 2 - 3}, lowerSample{3, h - 4};
    const COLORREF upperPlain = pixel(upperSample, upDown), lowerPlain = pixel(lowerSample, upDown);

    const POINT up = screenPoint(POINT{w / 2, h / 4}, upDown);
    remote::moveMouse(up.x, up.y);
    EXPECT_TRUE(changesFrom(upperSample, upDown, upperPlain)) << std::hex << pixel(upperSample, upDown);
    EXPECT_LE(distance(pixel(lowerSample, upDown), lowerPlain), 3);
    const COLORREF hot = pixel(upperSample, upDown);

    remote::pressLeft(up.x, up.y);
    // Held down, the arrow repeats: the buddy climbs by more than one step.
    EXPECT_TRUE(remote::waitUntil([] { return buddyValue() >= 46; }, 10000)) << buddyValue();
    EXPECT_GT(distance(pixel(upperSample, upDown), hot), 12) << "no pressed shade";
    remote::releaseLeft();
    const int held = buddyValue();
    EXPECT_EQ(SendMessageA(upDown, UDM_GETPOS32, 0, 0), held);

    // One click on the lower half takes one step down.
    const POINT down = screenPoint(POINT{w / 2, h - 4}, upDown);
    remote::moveMouse(down.x, down.y);
    EXPECT_TRUE(changesFrom(lowerSample, upDown, lowerPlain));
    remote::click(down.x, down.y);
    EXPECT_TRUE(remote::waitUntil([&] { return buddyValue() == held - 1; }, 5000)) << buddyValue();

    // Away from it, neither half is lit.
    remote::moveMouse(screenPoint(kBackdropSample, window).x, screenPoint(kBackdropSample, window).y);
    EXPECT_TRUE(returnsTo(upperSample, upDown, upperPlain));
    EXPECT_TRUE(returnsTo(lowerSample, upDown, lowerPlain));
    SendMessageA(upDown, UDM_SETPOS32, 0, 42);
}

TEST_F(GalleryUpDownsAndHeaders, ClickingAButtonHeaderShowsItsHotAndPressedShades) {
    HWND header = item(id::ButtonHeader);
    const RECT first = columnRect(header, 0);
    // Low in the column, clear of its text.
    const POINT sample{first.left + 8, first.bottom - 3};
    const COLORREF plain = pixel(sample, header);
    const POINT inside = screenPoint(POINT{(first.left + first.right) / 2, first.bottom - 6}, header);
    remote::moveMouse(inside.x, inside.y);
    ASSERT_TRUE(changesFrom(sample, header, plain)) << "no hot shade";
    const COLORREF hot = pixel(sample, header);
    remote::pressLeft(inside.x, inside.y);
    EXPECT_TRUE(changesFrom(sample, header, hot)) << "no pressed shade";
    remote::releaseLeft();
    EXPECT_TRUE(returnsTo(sample, header, hot));
    remote::moveMouse(screenPoint(kBackdropSample, window).x, screenPoint(kBackdropSample, window).y);
    EXPECT_TRUE(returnsTo(sample, header, plain));
}

TEST_F(GalleryUpDownsAndHeaders, AColumnIsResizedByItsDividerAndStaysSkinned) {
    HWND header = item(id::ButtonHeader);
    const RECT first = columnRect(header, 0);
    const int width = first.right - first.left;
    const POINT divider = screenPoint(POINT{first.right - 1, 10}, header);
    const COLORREF tile = pixel(POINT{first.left + 8, first.bottom - 3}, header);
    remote::drag(divider.x, divider.y, divider.x + 40, divider.y);
    EXPECT_TRUE(remote::waitUntil([&] { return columnRect(header, 0).right - first.left == width + 40; }, 5000))
        << columnRect(header, 0).right;
    // The widened column is drawn by the skin to its new divider: the
    // place the old divider was at now shows the column's face.
    const RECT now = columnRect(header, 0);
    EXPECT_TRUE(remote::waitUntil(
        [&] {
            return distance(pixel(POINT{first.right + 10, first.bottom - 3}, header), tile) <= 6;
        },
        5000))
        << std::hex << pixel(POINT{first.right + 10, first.bottom - 3}, header);
    const POINT back = screenPoint(POINT{now.right - 1, 10}, header);
    remote::drag(back.x, back.y, back.x - 40, back.y);
    EXPECT_TRUE(remote::waitUntil([&] { return columnRect(header, 0).right == first.right; }, 5000));
}

}  // namespace
