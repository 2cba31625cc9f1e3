// The skinned lists of the gallery, driven from another process with the
// real mouse and keyboard: what is registered, scrolling with the covers
// following, moving, minimising and restoring the window; and the gallery
// opened in this process for the leak count.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "skin/window/memory_dc.h"
#include "tests/support/gdi_count.h"
#include "tests/e2e/running_gallery.h"
#include "tests/support/remote.h"
#include "tests/support/screen.h"
#include "tools/gallery/gallery_window.h"
#include "tools/gallery/layout.h"
#include "tools/gallery/skin_setup.h"

namespace {

using namespace gallery;
using screen::distance;

constexpr COLORREF kSeaBlue = RGB(113, 179, 193);

INT_PTR prop(HWND w, const char* key) { return reinterpret_cast<INT_PTR>(GetPropA(w, key)); }
int brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

// The pixels of a window's whole rectangle as they are on the screen.
struct Image {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    bool operator==(const Image&) const = default;
};

Image imageOf(const RECT& r) {
    const screen::Shot shot(r);
    Image image{r.right - r.left, r.bottom - r.top, {}};
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) image.pixels.push_back(shot.at(x, y));
    return image;
}

RECT screenRectOf(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return r;
}

RECT clientOnScreen(HWND w) {
    RECT r;
    GetClientRect(w, &r);
    MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The same picture twice in a row: the screen has caught up.
Image steadyImageOf(const std::function<RECT()>& where) {
    Image last = imageOf(where());
    remote::waitUntil(
        [&] {
            Image now = imageOf(where());
            const bool same = now == last;
            last = std::move(now);
            return same;
        },
        5000);
    return last;
}

// Where a vertical cover shows its thumb: the rows between its arrow buttons
// whose middle pixel is dark, which are the thumb's outline.
std::pair<int, int> thumbRows(const Image& cover) {
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    const int x = cover.width / 2;
    int brightest = 0;
    for (int y = arrow; y < cover.height - arrow; ++y) brightest = std::max(brightest, brightness(cover.at(x, y)));
    int first = -1, last = -1;
    for (int y = arrow; y < cover.height - arrow; ++y)
        if (brightness(cover.at(x, y)) < brightest - 90) {
            if (first < 0) first = y;
            last = y;
        }
    return {first, last};
}

void wheel(int x, int y, int notches) {
    remote::moveMouse(x, y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_WHEEL;
    in.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA * notches);
    SendInput(1, &in, sizeof in);
    remote::waitUntilIdle(WindowFromPoint(POINT{x, y}));
}

class GalleryLists : public gallerytest::RunningGallery {
protected:
    void SetUp() override {
        ASSERT_TRUE(IsWindow(window));
        awayFromTheLists();
    }

    static void awayFromTheLists() {
        POINT p = kBackdropSample;
        ClientToScreen(window, &p);
        remote::moveMouse(p.x, p.y);
    }
    // The covers made for a control, each a child of the window that names it.
    static std::vector<HWND> coversOf(HWND control) {
        std::vector<HWND> covers;
        for (HWND c = FindWindowExA(window, nullptr, "Static", nullptr); c;
             c = FindWindowExA(window, c, "Static", nullptr))
            if (GetPropA(c, "Mngd_zct") == control) covers.push_back(c);
        return covers;
    }
    static HWND visibleCoverOf(HWND control) {
        for (HWND c : coversOf(control))
            if (IsWindowVisible(c)) return c;
        return nullptr;
    }
    static int topIndex(HWND list) {
        const bool view = remote::className(list) == "SysListView32";
        return static_cast<int>(SendMessageA(list, view ? LVM_GETTOPINDEX : LB_GETTOPINDEX, 0, 0));
    }
    // The cover shows where the list now is: its thumb has moved from where
    // it was, and painting the cover afresh puts it at the same rows.
    static void expectCoverFollows(HWND cover, std::pair<int, int> before, const char* how) {
        std::pair<int, int> shown;
        EXPECT_TRUE(
            remote::waitUntil([&] { return (shown = thumbRows(imageOf(screenRectOf(cover)))) != before; }, 10000))
            << how;
        shown = thumbRows(steadyImageOf([&] { return screenRectOf(cover); }));
        InvalidateRect(cover, nullptr, FALSE);
        remote::waitUntilIdle(window);
        const std::pair<int, int> fresh = thumbRows(steadyImageOf([&] { return screenRectOf(cover); }));
        EXPECT_EQ(shown, fresh) << how;
        EXPECT_GE(fresh.first, 0) << how;
    }
};

TEST_F(GalleryLists, ListLikeControlsTakeTheirSlotsInOrderWithCoversForTheScrollingKinds) {
    HWND simpleDrop = FindWindowExA(item(id::SimpleCombo), nullptr, "ComboLBox", nullptr);
    ASSERT_NE(simpleDrop, nullptr);
    struct Expected {
        HWND control;
        int slot;
        size_t covers;
    };
    const Expected expected[] = {
        {item(id::ListBox), 1, 2},        {item(id::OwnerDrawListBox), 2, 2}, {simpleDrop, 3, 0},
        {item(id::ReportListView), 4, 2}, {item(id::TreeView), 5, 2},         {item(id::IpAddress), 6, 0},
        {item(id::DatePicker), 7, 0},
    };
    for (const Expected& e : expected) {
        EXPECT_EQ(prop(e.control, "Hw_lbID"), e.slot) << remote::className(e.control);
        EXPECT_EQ(prop(e.control, "Hw_FuID"), 1) << e.slot;
        EXPECT_NE(prop(e.control, "Hw_hProc"), 0) << e.slot;
        EXPECT_EQ(coversOf(e.control).size(), e.covers) << e.slot;
    }
    // The list box shows its vertical bar only: one cover shown, one hidden.
    EXPECT_NE(visibleCoverOf(item(id::ListBox)), nullptr);
    int shown = 0;
    for (HWND c : coversOf(item(id::ListBox))) shown += IsWindowVisible(c) ? 1 : 0;
    EXPECT_EQ(shown, 1);

    // The sorted list view is left plain; the drop-down combo boxes have no
    // list of their own among their children.
    EXPECT_EQ(prop(item(id::SortedListView), "Hw_lbID"), 0);
    EXPECT_EQ(prop(item(id::SortedListView), "Hw_hProc"), 0);
    for (int id : {id::DropDownCombo, id::DropDownListCombo})
        EXPECT_EQ(FindWindowExA(item(id), nullptr, "ComboLBox", nullptr), nullptr) << id;

    // The tree draws on the key colour, the list view's text on nothing.
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(item(id::TreeView), TVM_GETBKCOLOR, 0, 0)), RGB(255, 0, 255));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(item(id::ReportListView), LVM_GETTEXTBKCOLOR, 0, 0)), CLR_NONE);
}

TEST_F(GalleryLists, ListsScrollByWheelKeysAndThumbAndTheirCoversFollow) {
    for (int id : {id::ListBox, id::ReportListView}) {
        HWND list = item(id);
        HWND cover = visibleCoverOf(list);
        ASSERT_NE(cover, nullptr) << id;
        const RECT client = clientOnScreen(list);
        const POINT centre{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
        // A click gives the list the keyboard and the wheel.
        remote::click(centre.x, centre.y);
        remote::pressKey(VK_HOME);
        ASSERT_TRUE(remote::waitUntil([&] { return topIndex(list) == 0; })) << id;
        auto thumb = [&] { return thumbRows(steadyImageOf([&] { return screenRectOf(cover); })); };

        std::pair<int, int> before = thumb();
        wheel(centre.x, centre.y, 1);
        EXPECT_TRUE(remote::waitUntil([&] { return topIndex(list) > 0; })) << id;
        expectCoverFollows(cover, before, "wheel");

        const int wheeled = topIndex(list);
        before = thumb();
        remote::pressKey(VK_NEXT);
        remote::pressKey(VK_NEXT);
        EXPECT_TRUE(remote::waitUntil([&] { return topIndex(list) > wheeled; })) << id;
        expectCoverFollows(cover, before, "keys");

        remote::pressKey(VK_HOME);
        ASSERT_TRUE(remote::waitUntil([&] { return topIndex(list) == 0; })) << id;
        awayFromTheLists();
        before = thumb();
        ASSERT_GE(before.first, 0) << id;
        const RECT bar = screenRectOf(cover);
        const int x = (bar.left + bar.right) / 2, y = bar.top + (before.first + before.second) / 2;
        remote::drag(x, y, x, y + 40);
        awayFromTheLists();
        EXPECT_TRUE(remote::waitUntil([&] { return topIndex(list) > 0; })) << id;
        expectCoverFollows(cover, before, "thumb");
    }
}

TEST_F(GalleryLists, DraggingTheWindowShowsTheListsWithTheSamePixels) {
    const int lists[] = {id::ListBox, id::ReportListView, id::TreeView};
    std::vector<Image> before;
    for (int id : lists) before.push_back(steadyImageOf([&] { return clientOnScreen(item(id)); }));
    const RECT frame = screenRectOf(window);
    const POINT from{frame.left + 500, frame.top + 12};
    remote::drag(from.x, from.y, from.x + 40, from.y + 30);
    ASSERT_TRUE(remote::waitUntil([&] { return screenRectOf(window).left == frame.left + 40; }, 20000));
    remote::waitUntilIdle(window);
    for (size_t i = 0; i < std::size(lists); ++i) {
        HWND list = item(lists[i]);
        EXPECT_TRUE(remote::waitUntil([&] { return imageOf(clientOnScreen(list)) == before[i]; }, 10000)) << lists[i];
    }
    remote::drag(from.x + 40, from.y + 30, from.x, from.y);
    EXPECT_TRUE(remote::waitUntil([&] { return screenRectOf(window).left == frame.left; }, 20000));
}

TEST_F(GalleryLists, MinimisingAndRestoringRepaintsTheListView) {
    HWND view = item(id::ReportListView);
    const Image before = steadyImageOf([&] { return clientOnScreen(view); });
    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(remote::waitUntil([&] { return IsIconic(window) != 0; }, 20000));
    PostMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(remote::waitUntil([&] { return !IsIconic(window); }, 20000));
    remote::waitUntilIdle(window);
    EXPECT_TRUE(remote::waitUntil([&] { return imageOf(clientOnScreen(view)) == before; }, 10000));
    EXPECT_LE(distance(skinAt(kBackdropSample), kSeaBlue), 6);
}

// ---- The gallery in this process -----------------------------------------------------------------

void settle(HWND window) {
    for (int i = 0; i < 50; ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && !GetUpdateRect(window, nullptr, FALSE)) break;
    }
    GdiFlush();
}

TEST(GalleryListsInProcess, ScrollingAndHoveringEveryListLikeControlLeaksNothing) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    startSkinModule();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(registerGalleryClass(instance));
    HWND window = createGalleryWindow(instance);
    ASSERT_NE(window, nullptr);
    skinGalleryWindow(window);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    settle(window);

    std::vector<HWND> lists;
    for (int id : {id::ListBox, id::OwnerDrawListBox, id::ReportListView, id::TreeView, id::IpAddress, id::DatePicker})
        lists.push_back(GetDlgItem(window, id));
    lists.push_back(FindWindowExA(GetDlgItem(window, id::SimpleCombo), nullptr, "ComboLBox", nullptr));
    for (HWND list : lists) ASSERT_NE(GetPropA(list, "Hw_lbID"), nullptr);

    auto work = [&](int scrolls, int hovers) {
        for (HWND list : lists) {
            RECT r;
            GetWindowRect(list, &r);
            SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            // A repaint every few steps keeps the run short; every step
            // still repaints the cover.
            for (int i = 0; i < scrolls; ++i) {
                SendMessageA(list, WM_VSCROLL, (i / 10) % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
                if (i % 5 == 4) UpdateWindow(list);
            }
            for (int i = 0; i < hovers; ++i) {
                SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
                SendMessageA(list, WM_MOUSELEAVE, 0, 0);
            }
        }
        settle(window);
    };
    work(20, 5);  // the controls and the engine make what they keep once
    const int objects = support::liveGdiObjectCount();
    const int canvases = skin::registeredMemoryDcCount();
    work(500, 200);
    EXPECT_EQ(support::liveGdiObjectCount(), objects);
    EXPECT_EQ(skin::registeredMemoryDcCount(), canvases);
    DestroyWindow(window);
    settle(window);
    stopSkinModule();
}

}  // namespace
