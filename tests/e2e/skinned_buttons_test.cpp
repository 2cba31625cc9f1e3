// The main window's skinned buttons as a person sees and uses them: read
// from the screen, driven with the real mouse.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/layout.h"
#include "app/main_window.h"
#include "tests/support/button_looks.h"
#include "tests/support/remote.h"
#include "tests/support/screen.h"

namespace {

using namespace app;

constexpr COLORREF kSeaBlue = RGB(113, 179, 193);
constexpr COLORREF kAccent = RGB(34, 202, 221);  // the sea-blue skin keeps the default accent
constexpr COLORREF kGrey = RGB(192, 192, 192);

// The pixels of a control's window rectangle, row by row.
std::vector<COLORREF> snapshot(HWND control) {
    RECT rc;
    GetWindowRect(control, &rc);
    screen::Shot shot(rc);
    std::vector<COLORREF> pixels;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) pixels.push_back(shot.at(x, y));
    return pixels;
}

class SkinnedButtons : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start());
        main = program.waitForWindow(kMainWindowClass);
        ASSERT_NE(main, nullptr);
        SetForegroundWindow(main);
        park();
        // The window is up once the skin change button shows its plain face.
        ASSERT_TRUE(waitForLook(item(ctl::皮肤更换), 6, 24, plainFace(24)))
            << std::hex << pixel(item(ctl::皮肤更换), 6, 24);
    }

    HWND item(int id) const { return GetDlgItem(main, id); }
    // A pixel of a control, in its own coordinates.
    static COLORREF pixel(HWND control, int x, int y) {
        RECT rc;
        GetWindowRect(control, &rc);
        const int sx = rc.left + x, sy = rc.top + y;
        return screen::Shot(RECT{sx, sy, sx + 1, sy + 1}).at(sx, sy);
    }
    static bool looksLike(COLORREF seen, COLORREF wanted) { return looks::distance(seen, wanted) <= 6; }
    static bool waitForLook(HWND control, int x, int y, COLORREF wanted, DWORD timeoutMs = 10000) {
        return remote::waitUntil([&] { return looksLike(pixel(control, x, y), wanted); }, timeoutMs);
    }
    static COLORREF plainFace(int y) { return looks::pushFace(kSeaBlue, y, 32).rgb(); }
    static COLORREF hotFace(int y) { return looks::hotFace(kSeaBlue, kAccent, y, 32).rgb(); }
    static POINT centre(HWND control) {
        RECT rc;
        GetWindowRect(control, &rc);
        return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    }
    static void moveOnto(HWND control, int dx = 0) {
        POINT p = centre(control);
        remote::moveMouse(p.x + dx, p.y);
    }
    static void press(DWORD flag) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flag;
        SendInput(1, &in, sizeof in);
        remote::waitUntilIdle(GetForegroundWindow());
    }
    // Over the window's own picture, where no control tracks the mouse.
    void park() const {
        RECT rc;
        GetWindowRect(main, &rc);
        remote::moveMouse(rc.left + 400, rc.top + 12);
    }
    HWND focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
        return info.hwndFocus;
    }

    remote::Program program;
    HWND main = nullptr;
};

TEST_F(SkinnedButtons, TheSevenButtonsAreTakenInTheirOrderAndThePushButtonsDrawnByTheSkin) {
    const int order[] = {ctl::激活网页酷狗, ctl::值班截图按钮, ctl::背景音乐帮助,  ctl::皮肤更换,
                         ctl::自定义背景图, ctl::歌词搜索按钮, ctl::总在最前选择框};
    int slot = 0;
    for (int id : order) {
        HWND b = item(id);
        EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(b, "Hw_lbID")), ++slot) << id;
        EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(b, "Hw_FuID")), 1) << id;
        EXPECT_EQ(GetWindowLongA(b, GWL_STYLE) & 0xF, id == ctl::总在最前选择框 ? BS_AUTOCHECKBOX : BS_OWNERDRAW) << id;
    }
    EXPECT_EQ(GetPropA(item(ctl::分组框1), "Hw_lbID"), nullptr);
}

TEST_F(SkinnedButtons, TheSkinChangeButtonSitsOnTheSkinAndLightsUpWhileThePointerIsOverIt) {
    HWND skinButton = item(ctl::皮肤更换);
    // The rounded corner leaves the skin behind the button showing.
    RECT wr;
    GetWindowRect(main, &wr);
    const COLORREF skinBehind =
        screen::Shot(RECT{wr.left + 806, wr.top + 300, wr.left + 807, wr.top + 301}).at(wr.left + 806, wr.top + 300);
    EXPECT_LE(looks::distance(pixel(skinButton, 0, 0), skinBehind), 2) << std::hex << pixel(skinButton, 0, 0);
    EXPECT_LE(looks::distance(pixel(skinButton, 0, 0), kSeaBlue), 6);
    EXPECT_TRUE(looksLike(pixel(skinButton, 6, 8), plainFace(8)));

    // One repaint: straight from the plain face to the hot one, and it holds
    // while the pointer moves on the button.
    moveOnto(skinButton, -20);
    ASSERT_TRUE(waitForLook(skinButton, 6, 24, hotFace(24))) << std::hex << pixel(skinButton, 6, 24);
    std::vector<COLORREF> seen;
    for (int dx = -18; dx <= 20; dx += 2) {
        moveOnto(skinButton, dx);
        seen.push_back(pixel(skinButton, 6, 24));
    }
    for (COLORREF c : seen) EXPECT_TRUE(looksLike(c, hotFace(24))) << std::hex << c;
    EXPECT_TRUE(looksLike(pixel(skinButton, 6, 8), hotFace(8)));
    // The accent edge: the accent outline over the dark one.
    const COLORREF edge = looks::over(looks::over(looks::hotFace(kSeaBlue, kAccent, 16, 32), looks::layer(0, 150)),
                                      looks::layer(kAccent, 100))
                              .rgb();
    EXPECT_TRUE(looksLike(pixel(skinButton, 0, 16), edge)) << std::hex << pixel(skinButton, 0, 16);

    park();
    EXPECT_TRUE(waitForLook(skinButton, 6, 24, plainFace(24))) << std::hex << pixel(skinButton, 6, 24);
}

TEST_F(SkinnedButtons, PressingAndHoldingShowsThePressedOverlay) {
    HWND skinButton = item(ctl::皮肤更换);
    moveOnto(skinButton);
    ASSERT_TRUE(waitForLook(skinButton, 6, 24, hotFace(24)));
    press(MOUSEEVENTF_LEFTDOWN);
    const COLORREF held = looks::selected(looks::pushFace(kSeaBlue, 24, 32), kAccent, 24, 32).rgb();
    EXPECT_TRUE(waitForLook(skinButton, 6, 24, held)) << std::hex << pixel(skinButton, 6, 24);
    // Released away from the button: no click, and the face comes back.
    park();
    press(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(waitForLook(skinButton, 6, 24, plainFace(24))) << std::hex << pixel(skinButton, 6, 24);
}

TEST_F(SkinnedButtons, TheCaptureButtonIsDisabledGrey) {
    HWND capture = item(ctl::值班截图按钮);
    ASSERT_TRUE(waitForLook(capture, 6, 16, kGrey));
    for (POINT p : {POINT{4, 4}, POINT{6, 16}, POINT{145, 27}}) EXPECT_EQ(pixel(capture, p.x, p.y), kGrey);
}

TEST_F(SkinnedButtons, ThePlayerButtonStaysGreyAfterItsClickOnceThePointerLeaves) {
    HWND player = item(ctl::激活网页酷狗);
    remote::clickWindow(player);
    ASSERT_TRUE(remote::waitUntil([&] { return !IsWindowEnabled(player); }, 5000));
    EXPECT_TRUE(waitForLook(player, 6, 16, kGrey));
    // Onto another tracked button, which makes the system end the player
    // button's hover at once.
    HWND help = item(ctl::背景音乐帮助);
    moveOnto(help);
    ASSERT_TRUE(waitForLook(help, 6, 24, hotFace(24)));
    for (POINT p : {POINT{4, 4}, POINT{6, 16}, POINT{145, 27}}) EXPECT_EQ(pixel(player, p.x, p.y), kGrey);
    // A leave that comes after every other repaint draws it grey as well.
    SendMessageA(player, WM_MOUSELEAVE, 0, 0);
    for (POINT p : {POINT{4, 4}, POINT{6, 16}, POINT{145, 27}}) EXPECT_EQ(pixel(player, p.x, p.y), kGrey);
}

TEST_F(SkinnedButtons, AlwaysOnTopShowsTheTintedTickAndNeverAFocusRectangle) {
    HWND onTop = item(ctl::总在最前选择框);
    const int insideY = 16;
    const COLORREF inside = looks::checkBoxInside(insideY, 32).rgb();
    ASSERT_TRUE(waitForLook(onTop, 8, insideY, inside)) << std::hex << pixel(onTop, 8, insideY);
    const std::vector<COLORREF> unchecked = snapshot(onTop);

    remote::clickWindow(onTop);
    ASSERT_TRUE(remote::waitUntil([&] { return SendMessageA(onTop, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 5000));
    // Away onto the skin change button: the check box is drawn plain again.
    moveOnto(item(ctl::皮肤更换));
    const COLORREF tick = looks::withTick(looks::checkBoxInside(17, 32), kAccent, 0x5C9309).rgb();
    ASSERT_TRUE(waitForLook(onTop, 7, 17, tick)) << std::hex << pixel(onTop, 7, 17);
    ASSERT_EQ(focus(), onTop);
    // Focused and checked: only the tick's square differs from the start.
    const std::vector<COLORREF> checked = snapshot(onTop);
    const SIZE size{80, 32};
    int outsideTick = 0;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x) {
            const bool inTick = x >= 2 && x < 15 && y >= 10 && y < 22;
            if (!inTick && checked[y * size.cx + x] != unchecked[y * size.cx + x]) ++outsideTick;
        }
    EXPECT_EQ(outsideTick, 0);

    // Focus moves on to the notice: nothing of the system's focus drawing is left.
    remote::clickWindow(item(ctl::公告框));
    ASSERT_TRUE(remote::waitUntil([&] { return focus() == item(ctl::公告框); }, 5000));
    ASSERT_TRUE(remote::waitUntilIdle(main));
    EXPECT_EQ(snapshot(onTop), checked);
}

}  // namespace
