// The skinned edits, combo boxes, scroll bar covers and page area of the
// running program, read from the screen and driven with the real mouse and
// keyboard.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "app/layout.h"
#include "app/main_window.h"
#include "tests/support/remote.h"
#include "tests/support/screen.h"

namespace {

using namespace app;
using screen::distance;

constexpr COLORREF kSeaBlue = RGB(113, 179, 193);
constexpr COLORREF kAccent = RGB(34, 202, 221);

// Source-over of a colour with an alpha over an opaque one.
COLORREF over(COLORREF c, int alpha, COLORREF backdrop) {
    auto mix = [&](int a, int b) { return (a * alpha + b * (255 - alpha) + 127) / 255; };
    return RGB(mix(GetRValue(c), GetRValue(backdrop)), mix(GetGValue(c), GetGValue(backdrop)),
               mix(GetBValue(c), GetBValue(backdrop)));
}

const COLORREF kVeiled = over(RGB(255, 255, 255), 100, kSeaBlue);

void press(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

void key(WORD vk, WORD modifier = 0) {
    if (modifier) press(modifier, false);
    press(vk, false);
    press(vk, true);
    if (modifier) press(modifier, true);
}

void typeText(const std::string& text) {
    for (char ch : text) key(ch == '\n' ? VK_RETURN : LOBYTE(VkKeyScanA(ch)));
}

class SkinnedControls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.start());
        main = program.waitForWindow(kMainWindowClass);
        ASSERT_NE(main, nullptr);
        SetForegroundWindow(main);
        remote::moveMouse(2, 2);
        // Painted: the notice box shows the veiled skin.
        ASSERT_TRUE(
            remote::waitUntil([&] { return distance(windowPixel(item(ctl::公告框), 300, 250), kVeiled) < 8; }, 20000));
    }
    HWND item(int id) const { return GetDlgItem(main, id); }
    static COLORREF windowPixel(HWND w, int x, int y) {
        RECT r;
        GetWindowRect(w, &r);
        return screen::Shot(RECT{r.left + x, r.top + y, r.left + x + 1, r.top + y + 1}).at(r.left + x, r.top + y);
    }
    COLORREF clientPixel(int x, int y) const {
        POINT p{x, y};
        ClientToScreen(main, &p);
        return screen::Shot(RECT{p.x, p.y, p.x + 1, p.y + 1}).at(p.x, p.y);
    }
    static bool looksLike(COLORREF a, COLORREF b, int tolerance = 8) { return distance(a, b) <= tolerance; }
    // The pixel comes to look like the colour (controls paint one after another).
    static bool shows(const std::function<COLORREF()>& pixel, COLORREF expected, int tolerance = 8) {
        return remote::waitUntil([&] { return looksLike(pixel(), expected, tolerance); }, 5000);
    }
    static POINT centreOf(HWND w) {
        RECT r;
        GetWindowRect(w, &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void showEditorPage() {
        HWND tab = item(ctl::转换框);
        remote::clickClientRect(tab, remote::tabItemRect(program.handle(), tab, 2));
        ASSERT_TRUE(remote::waitUntil([&] { return IsWindowVisible(item(ctl::编辑器)) != 0; }));
    }
    // The simulated scroll bar laid over an edit.
    HWND coverOf(HWND control) const {
        for (HWND c = FindWindowExA(main, nullptr, "Static", nullptr); c; c = FindWindowExA(main, c, "Static", nullptr))
            if (GetPropA(c, "Mngd_zct") == control) return c;
        return nullptr;
    }
    // Pixels along the cover's left thumb edge, between the arrows, that are
    // as dark as the thumb's outline.
    static int thumbOutlinePixels(HWND cover) {
        RECT r;
        GetWindowRect(cover, &r);
        screen::Shot shot(r);
        int dark = 0;
        for (int y = r.top + 20; y < r.bottom - 20; ++y) {
            const COLORREF edge = shot.at(r.left + 1, y), inside = shot.at(r.left + 4, y);
            if (GetRValue(edge) + GetGValue(edge) + GetBValue(edge) + 90 <
                GetRValue(inside) + GetGValue(inside) + GetBValue(inside))
                ++dark;
        }
        return dark;
    }
    // Rows of the cover's thumb outline: its top and bottom ends.
    static std::pair<int, int> thumbSpan(HWND cover) {
        RECT r;
        GetWindowRect(cover, &r);
        screen::Shot shot(r);
        int first = -1, last = -1;
        for (int y = r.top + 20; y < r.bottom - 20; ++y) {
            const COLORREF edge = shot.at(r.left + 1, y), inside = shot.at(r.left + 4, y);
            if (GetRValue(edge) + GetGValue(edge) + GetBValue(edge) + 90 <
                GetRValue(inside) + GetGValue(inside) + GetBValue(inside)) {
                if (first < 0) first = y - r.top;
                last = y - r.top;
            }
        }
        return {first, last};
    }

    // Opens a drop-down list with a click, picks an item of its list with a
    // click and waits until the list has closed on the choice.
    void pickWithMouse(HWND combo, int index) const {
        RECT r;
        GetWindowRect(combo, &r);
        remote::click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ASSERT_TRUE(remote::waitUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }, 5000));
        HWND list = nullptr;
        ASSERT_TRUE(remote::waitUntil([&] {
            for (HWND w = FindWindowExA(nullptr, nullptr, "ComboLBox", nullptr); w;
                 w = FindWindowExA(nullptr, w, "ComboLBox", nullptr)) {
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                if (pid == program.id() && IsWindowVisible(w)) list = w;
            }
            return list != nullptr;
        }));
        RECT lr;
        GetWindowRect(list, &lr);
        const int itemHeight = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
        remote::click((lr.left + lr.right) / 2, lr.top + 1 + itemHeight * index + itemHeight / 2);
        EXPECT_TRUE(remote::waitUntil([&] { return SendMessageA(combo, CB_GETCURSEL, 0, 0) == index; }, 5000));
        EXPECT_TRUE(remote::waitUntil([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) == 0; }, 5000));
    }

    remote::Program program;
    HWND main = nullptr;
};

TEST_F(SkinnedControls, TheHomePageIsOneSkinnedSurface) {
    HWND notice = item(ctl::公告框);
    // Away from the text the notice box shows the skin under the veil, its
    // ring too, with the black a80 outline around it.
    EXPECT_TRUE(shows([&] { return windowPixel(notice, 300, 250); }, kVeiled));
    EXPECT_TRUE(shows([&] { return windowPixel(notice, 1, 150); }, kVeiled));
    EXPECT_TRUE(shows([&] { return windowPixel(notice, 0, 150); }, over(0, 80, kVeiled)));

    // Between the controls, inside the group box, and around the pages the
    // skin shows as it is.
    const RECT page = remote::tabDisplayArea(program.handle(), item(ctl::转换框));
    const RECT group = remote::rectInParent(item(ctl::分组框1));
    EXPECT_TRUE(shows([&] { return clientPixel(page.left + 350, page.top + 260); }, kSeaBlue, 6));
    EXPECT_TRUE(shows([&] { return clientPixel(page.left + 10, page.top + 300); }, kSeaBlue, 6));
    EXPECT_TRUE(shows([&] { return clientPixel(group.left + 620, group.top + 80); }, kSeaBlue, 6));
    EXPECT_TRUE(shows([&] { return clientPixel(group.left + 300, group.top + 110); }, kSeaBlue, 6));
    // Labels show the veiled skin behind their text.
    EXPECT_TRUE(shows([&] { return windowPixel(item(ctl::IP地址标签), 4, 4); }, kVeiled));
    // The headers stay legible: the selected one is lighter than the others
    // and its title is dark.
    HWND tab = item(ctl::转换框);
    const RECT home = remote::tabItemRect(program.handle(), tab, 0),
               player = remote::tabItemRect(program.handle(), tab, 1);
    EXPECT_TRUE(remote::waitUntil(
        [&] {
            return GetRValue(windowPixel(tab, home.left + 3, home.top + 3)) >
                   GetRValue(windowPixel(tab, player.left + 3, player.top + 3)) + 20;
        },
        5000));
    POINT a{home.left, home.top}, b{home.right, home.bottom};
    ClientToScreen(tab, &a);
    ClientToScreen(tab, &b);
    auto titlePixels = [&] {
        screen::Shot title(RECT{a.x, a.y, b.x, b.y});
        int dark = 0;
        for (int y = a.y; y < b.y; ++y)
            for (int x = a.x; x < b.x; ++x) dark += GetRValue(title.at(x, y)) < 80;
        return dark;
    };
    EXPECT_TRUE(remote::waitUntil([&] { return titlePixels() > 10; }, 5000));
}

TEST_F(SkinnedControls, HoverAndFocusChangeAnEditsOutline) {
    HWND notice = item(ctl::公告框);
    const COLORREF normal = over(0, 80, kVeiled);
    ASSERT_TRUE(shows([&] { return windowPixel(notice, 0, 150); }, normal));
    // Hot, with its client edge: accent a90 over white a60 outside, accent
    // a180 one pixel in.
    const POINT c = centreOf(notice);
    remote::moveMouse(c.x, c.y);
    remote::moveMouse(c.x + 5, c.y + 5);
    EXPECT_TRUE(
        remote::waitUntil([&] { return looksLike(windowPixel(notice, 1, 150), over(kAccent, 180, kVeiled)); }, 5000));
    EXPECT_TRUE(looksLike(windowPixel(notice, 0, 150), over(kAccent, 90, over(RGB(255, 255, 255), 60, kVeiled))));
    // Away again: the plain outline.
    remote::moveMouse(5, 5);
    EXPECT_TRUE(remote::waitUntil([&] { return looksLike(windowPixel(notice, 0, 150), normal); }, 5000));

    // Clicking into the editor shows its focus outline at once.
    showEditorPage();
    HWND editor = item(ctl::编辑器);
    remote::clickWindow(editor);
    remote::moveMouse(5, 5);
    EXPECT_TRUE(
        remote::waitUntil([&] { return looksLike(windowPixel(editor, 0, 200), over(kAccent, 180, kVeiled)); }, 5000));
}

TEST_F(SkinnedControls, ComboBoxesShowTheSkinnedFaceAndStillOpenListAndSelect) {
    // The transparency box comes last and goes back to "opaque" at the end.
    for (int id : {ctl::编辑器文字颜色, ctl::透明度组合框}) {
        HWND combo = item(id);
        RECT r;
        GetWindowRect(combo, &r);
        const int w = r.right - r.left, h = r.bottom - r.top;
        // Face under the veil, black a80 frame, the drop button's arrow.
        EXPECT_TRUE(shows([&] { return windowPixel(combo, w / 2, 2); }, kVeiled)) << id;
        EXPECT_TRUE(shows([&] { return windowPixel(combo, 0, h / 2); }, over(0, 80, kVeiled))) << id;
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0) << id;

        // Hot: the frame turns to the accent.
        remote::moveMouse(r.left + w / 3, r.top + h / 2);
        remote::moveMouse(r.left + w / 3 + 2, r.top + h / 2);
        EXPECT_TRUE(shows([&] { return windowPixel(combo, 0, h / 2); }, over(kAccent, 200, kVeiled))) << id;

        // Opened and the third item picked with the mouse, the face shows
        // the choice, still skinned.
        pickWithMouse(combo, 2);
        EXPECT_EQ(remote::windowText(combo), remote::comboItems(combo)[2]) << id;
        EXPECT_TRUE(shows([&] { return windowPixel(combo, w / 2 + 20, 2); }, kVeiled)) << id;
    }
    pickWithMouse(item(ctl::透明度组合框), 0);
}

TEST_F(SkinnedControls, TheEditorsCoverSitsOverItsBarAndScrollsIt) {
    showEditorPage();
    HWND editor = item(ctl::编辑器);
    HWND cover = coverOf(editor);
    ASSERT_NE(cover, nullptr);
    ASSERT_TRUE(remote::waitUntil([&] { return IsWindowVisible(cover) != 0; }));
    // Exactly over the real bar: inside the client edge at the right.
    RECT e, c;
    GetWindowRect(editor, &e);
    GetWindowRect(cover, &c);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(c.right, e.right - 2);
    EXPECT_EQ(c.left, e.right - 2 - bar);
    EXPECT_EQ(c.top, e.top + 2);
    EXPECT_EQ(c.bottom, e.bottom - 2);
    EXPECT_EQ(GetPropA(cover, "Hw_FuID"), GetPropA(editor, "Hw_FuID"));

    // Empty: no thumb.
    EXPECT_EQ(thumbOutlinePixels(cover), 0);
    std::string lines;
    for (int i = 0; i < 200; ++i) lines += "line " + std::to_string(i) + "\r\n";
    SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lines.c_str()));
    ASSERT_TRUE(remote::waitUntil([&] { return thumbOutlinePixels(cover) > 5; }, 5000));
    const auto top = thumbSpan(cover);
    EXPECT_LT(top.first, 30);  // at the top, right below the up arrow

    // A click on the cover's down arrow reaches the real bar and scrolls.
    ASSERT_EQ(SendMessageA(editor, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    remote::click((c.left + c.right) / 2, c.bottom - 8);
    EXPECT_TRUE(remote::waitUntil([&] { return SendMessageA(editor, EM_GETFIRSTVISIBLELINE, 0, 0) > 0; }, 5000));
    remote::moveMouse(5, 5);

    // Keys that scroll move the thumb with them, not one key behind.
    remote::clickWindow(editor);
    key(VK_END, VK_CONTROL);
    ASSERT_TRUE(remote::waitUntil([&] { return SendMessageA(editor, EM_GETFIRSTVISIBLELINE, 0, 0) > 150; }, 5000));
    const int height = c.bottom - c.top;
    EXPECT_TRUE(remote::waitUntil([&] { return thumbSpan(cover).second > height - 40; }, 5000))
        << thumbSpan(cover).second << " of " << height;
    key(VK_HOME, VK_CONTROL);
    ASSERT_TRUE(remote::waitUntil([&] { return SendMessageA(editor, EM_GETFIRSTVISIBLELINE, 0, 0) == 0; }, 5000));
    key(VK_NEXT);
    ASSERT_TRUE(remote::waitUntil([&] { return SendMessageA(editor, EM_GETFIRSTVISIBLELINE, 0, 0) > 0; }, 5000));
    // The caret went a page down; the view follows it by a line or more.
    EXPECT_TRUE(remote::waitUntil([&] { return thumbSpan(cover).second > top.second; }, 5000));
}

TEST_F(SkinnedControls, TypingLeavesNoBoxesBehindTheGlyphs) {
    showEditorPage();
    HWND editor = item(ctl::编辑器);
    remote::clickWindow(editor);
    remote::moveMouse(5, 5);
    std::string text;
    for (int i = 0; i < 50; ++i) text += "abcdef\n";
    typeText(text);
    // 300 characters and 50 line breaks, each break two characters.
    ASSERT_TRUE(remote::waitUntil([&] { return SendMessageA(editor, WM_GETTEXTLENGTH, 0, 0) == 400; }, 60000));
    RECT r;
    GetWindowRect(editor, &r);
    const RECT area{r.left + 3, r.top + 3, r.right - 3 - GetSystemMetrics(SM_CXVSCROLL), r.bottom - 3};
    auto boxes = [&] {
        screen::Shot shot(area);
        int found = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF p = shot.at(x, y);
                const int hi = std::max({GetRValue(p), GetGValue(p), GetBValue(p)});
                const int lo = std::min({GetRValue(p), GetGValue(p), GetBValue(p)});
                // White, or a grey as light as a system face.
                if (lo > 235 || (hi - lo < 12 && lo > 140)) ++found;
            }
        return found;
    };
    auto glyphs = [&] {
        screen::Shot shot(area);
        int dark = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) dark += GetRValue(shot.at(x, y)) < 60;
        return dark;
    };
    ASSERT_TRUE(remote::waitUntil([&] { return glyphs() > 200; }, 10000));
    EXPECT_EQ(boxes(), 0);
    EXPECT_TRUE(looksLike(windowPixel(editor, (r.right - r.left) / 2 + 150, 60), kVeiled));
}

TEST_F(SkinnedControls, TheEditorsTextTakesTheChosenColourAndDefaultKeepsIt) {
    pickWithMouse(item(ctl::编辑器文字颜色), 2);  // 红色
    pickWithMouse(item(ctl::编辑器文字颜色), 0);  // 默认: the colour stays
    showEditorPage();
    HWND editor = item(ctl::编辑器);
    remote::clickWindow(editor);
    remote::moveMouse(5, 5);
    typeText("WWWWWWWWWW\nMMMMMMMMMM\n");
    RECT r;
    GetWindowRect(editor, &r);
    const RECT area{r.left + 3, r.top + 3, r.left + 200, r.top + 60};
    auto count = [&](bool red) {
        screen::Shot shot(area);
        int found = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF p = shot.at(x, y);
                if (red ? GetRValue(p) > 180 && GetGValue(p) < 90 && GetBValue(p) < 90
                        : GetRValue(p) < 60 && GetGValue(p) < 60 && GetBValue(p) < 60)
                    ++found;
            }
        return found;
    };
    EXPECT_TRUE(remote::waitUntil([&] { return count(true) > 60; }, 10000)) << count(true);
    EXPECT_EQ(count(false), 0);  // no glyph is left black
}

}  // namespace
