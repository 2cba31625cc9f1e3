// The skinned main window as a person sees and uses it: read from the screen,
// driven with the real mouse.
#include <gtest/gtest.h>

#include <set>

#include "app/main_window.h"
#include "tests/support/remote.h"
#include "tests/support/screen.h"

namespace {

using screen::distance;

constexpr COLORREF kSeaBlue = RGB(113, 179, 193);

// The main window's caption buttons (client coordinates): minimise and close.
constexpr RECT kMinimiseFace{744, 1, 770, 19};
constexpr RECT kCloseFace{771, 1, 809, 19};

class SkinnedWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start());
        main = program.waitForWindow(app::kMainWindowClass);
        ASSERT_NE(main, nullptr);
        SetForegroundWindow(main);
        remote::moveMouse(5, 5);
        GetWindowRect(main, &frame);
        // Painted: the skin's colour where no control covers the window.
        ASSERT_TRUE(remote::waitUntil([&] { return distance(pixel(806, 300), kSeaBlue) <= 6; }, 20000));
    }
    POINT onScreen(int x, int y) const { return POINT{frame.left + x, frame.top + y}; }
    COLORREF pixel(int x, int y) const {
        POINT p = onScreen(x, y);
        return screen::Shot(RECT{p.x, p.y, p.x + 1, p.y + 1}).at(p.x, p.y);
    }
    bool whiteIn(const RECT& clientArea) const {
        POINT a = onScreen(clientArea.left, clientArea.top), b = onScreen(clientArea.right, clientArea.bottom);
        screen::Shot shot(RECT{a.x, a.y, b.x, b.y});
        for (int y = a.y; y < b.y; ++y)
            for (int x = a.x; x < b.x; ++x)
                if (distance(shot.at(x, y), RGB(255, 255, 255)) < 30) return true;
        return false;
    }

    remote::Program program;
    HWND main = nullptr;
    RECT frame{};
};

TEST_F(SkinnedWindow, ShowsTheSeaBlueSkinWithItsFrameGlossTitleAndButtons) {
    EXPECT_EQ(frame.right - frame.left, 810);
    // Where no control covers it, the window shows the skin's average colour.
    EXPECT_LE(distance(pixel(806, 300), kSeaBlue), 6);
    EXPECT_LE(distance(pixel(4, 200), kSeaBlue), 6);
    // The rounded frame: dark outer line at the edge.
    EXPECT_GT(distance(pixel(0, 300), kSeaBlue), 60);
    // The gloss brightens the caption band.
    EXPECT_GT(GetRValue(pixel(400, 2)), 113 + 40);
    // The title in white, and the white glyphs of the two caption buttons.
    EXPECT_TRUE(whiteIn(RECT{29, 6, 200, 26}));
    EXPECT_TRUE(whiteIn(kMinimiseFace));
    EXPECT_TRUE(whiteIn(kCloseFace));
    // The window is rounded: its region leaves the corner out.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(main, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 405, 285));
    DeleteObject(region);
}

TEST_F(SkinnedWindow, HoverFadesInOverTheMinimiseButtonAndTheCloseButtonTurnsRed) {
    const COLORREF before = pixel(748, 13);
    POINT centre = onScreen(757, 10);
    remote::moveMouse(centre.x, centre.y);
    // Watched closely until the highlight is full: several steps lie between
    // the normal look and the full highlight.
    std::vector<COLORREF> seen;
    auto highlighted = [&] { return seen.size() >= 4 && distance(seen.back(), before) > 40; };
    DWORD start = GetTickCount();
    while (!highlighted() && GetTickCount() - start < 10000) {
        COLORREF c = pixel(748, 13);
        if (seen.empty() || seen.back() != c) seen.push_back(c);
        Sleep(1);
    }
    EXPECT_TRUE(highlighted()) << seen.size() << " colours seen";

    POINT close = onScreen(790, 10);
    remote::moveMouse(close.x, close.y);
    auto closeIsRed = [&] {
        COLORREF red = pixel(775, 4);
        return GetRValue(red) > GetGValue(red) + 30 && GetRValue(red) > GetBValue(red) + 30;
    };
    EXPECT_TRUE(remote::waitUntil(closeIsRed, 10000)) << std::hex << pixel(775, 4);
    // The minimise button has faded out again.
    EXPECT_TRUE(remote::waitUntil([&] { return distance(pixel(748, 13), before) <= 10; }, 10000));
}

TEST_F(SkinnedWindow, PressingTheCaptionDragsTheWindow) {
    POINT from = onScreen(300, 12);
    remote::drag(from.x, from.y, from.x + 60, from.y + 40);
    RECT moved;
    ASSERT_TRUE(remote::waitUntil(
        [&] {
            GetWindowRect(main, &moved);
            return moved.left != frame.left;
        },
        20000));
    EXPECT_EQ(moved.left, frame.left + 60);
    EXPECT_EQ(moved.top, frame.top + 40);
    EXPECT_EQ(moved.right - moved.left, 810);
}

TEST_F(SkinnedWindow, MinimisesFromItsButtonAndComesBackPainted) {
    POINT minimise = onScreen(757, 10);
    remote::click(minimise.x, minimise.y);
    ASSERT_TRUE(remote::waitUntil([&] { return IsIconic(main) != 0; }, 20000));
    PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(remote::waitUntil([&] { return !IsIconic(main); }, 20000));
    ASSERT_TRUE(remote::waitUntilIdle(main));
    GetWindowRect(main, &frame);
    EXPECT_TRUE(remote::waitUntil([&] { return distance(pixel(806, 300), kSeaBlue) <= 6; }, 10000));
    EXPECT_TRUE(remote::waitUntil([&] { return whiteIn(kCloseFace); }, 10000));
}

// Every process the program starts, counted by the job it runs in.
DWORD processesStartedIn(HANDLE job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info, sizeof info, nullptr);
    return info.TotalProcesses;
}

TEST(SkinnedWindowActivation, EachLossOfActivationRunsTheTrimmingToolOnce) {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    ASSERT_NE(job, nullptr);
    remote::Program program;
    ASSERT_TRUE(program.start(remote::programPath(), job));
    HWND main = program.waitForWindow(app::kMainWindowClass);
    ASSERT_NE(main, nullptr);
    SetForegroundWindow(main);
    ASSERT_TRUE(remote::waitUntil([&] { return GetForegroundWindow() == main; }, 20000));
    ASSERT_TRUE(remote::waitUntilIdle(main));
    const DWORD atStart = processesStartedIn(job);

    // A window of our own takes the activation away, then gives it back.
    HWND other =
        CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    for (DWORD loss = 1; loss <= 3; ++loss) {
        SetForegroundWindow(other);
        EXPECT_TRUE(remote::waitUntil([&] { return processesStartedIn(job) == atStart + loss; }, 20000)) << loss;
        SetForegroundWindow(main);
        ASSERT_TRUE(remote::waitUntil([&] { return GetForegroundWindow() == main; }, 20000));
        // Once the program has handled its activation, nothing more has run.
        ASSERT_TRUE(remote::waitUntilIdle(main));
        EXPECT_EQ(processesStartedIn(job), atStart + loss);
    }
    DestroyWindow(other);
    CloseHandle(job);
}

TEST_F(SkinnedWindow, TheCloseButtonEndsTheProgram) {
    POINT close = onScreen(790, 10);
    remote::click(close.x, close.y);
    EXPECT_TRUE(program.waitForExit());
    EXPECT_EQ(program.exitCode(), 0u);
}

}  // namespace
