// Skinned list-like controls: their rules as tables, the frame painter on a
// canvas over a known backdrop, and real controls in a skinned window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>

#include "skin/controls/backdrop.h"
#include "skin/controls/edit_combo.h"
#include "skin/controls/list.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/window/compose.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/window_record.h"
#include "tests/gfx/canvas.h"
#include "tests/skin/skinned_window_fixture.h"
#include "tests/support/gdi_count.h"
#include "win/props.h"
#include "win/window.h"

namespace {

using namespace skin;
using gfxtest::nearRgb;
using gfxtest::over;

constexpr gfx::ARGB kBackdropArgb = 0xFF285078;  // skintest::kSkinColour
constexpr gfx::ARGB kKeyArgb = 0xFFFF00FF;
constexpr COLORREF kAccent = kDefaultAccent;

const gfx::ARGB kVeiled = over(0x64FFFFFF, kBackdropArgb);  // white a100, the application's veil

// ---- Rules --------------------------------------------------------------------------------------

TEST(ListRules, PaintPathByKindFlagsAndState) {
    struct Case {
        ListKind kind;
        bool ownerDrawn, veiled, dirty, restored;
        ListPaint expected;
    };
    const Case cases[] = {
        {ListKind::ListBox, false, true, false, false, ListPaint::FromCache},
        {ListKind::IpAddress, false, false, false, false, ListPaint::FromCache},
        {ListKind::TreeView, false, true, true, false, ListPaint::Keyed},
        {ListKind::TreeView, false, true, true, true, ListPaint::Keyed},
        {ListKind::ListBox, false, true, true, true, ListPaint::OverBlackAndWhite},
        {ListKind::ListBox, true, true, true, false, ListPaint::Veiled},
        {ListKind::ListView, false, true, true, false, ListPaint::Veiled},
        {ListKind::ListView, false, true, true, true, ListPaint::SkipRestored},
        {ListKind::DatePicker, false, true, true, false, ListPaint::Veiled},
        {ListKind::IpAddress, false, true, true, false, ListPaint::Native},
        {ListKind::DropList, false, true, true, false, ListPaint::Native},
        {ListKind::ListView, false, false, true, true, ListPaint::Native},
        {ListKind::TreeView, false, false, true, false, ListPaint::Native},
    };
    for (const Case& c : cases)
        EXPECT_EQ(listPaintFor(c.kind, c.ownerDrawn, c.veiled, c.dirty, c.restored), c.expected)
            << static_cast<int>(c.kind) << c.ownerDrawn << c.veiled << c.dirty << c.restored;
}

TEST(ListRules, EraseAnswerByKind) {
    struct Case {
        ListKind kind;
        bool ownerDrawn, veiled;
        ListErase expected;
    };
    const Case cases[] = {
        {ListKind::ListBox, false, true, ListErase::Transparent},
        {ListKind::ListBox, true, true, ListErase::Native},
        {ListKind::ListView, false, true, ListErase::Transparent},
        {ListKind::TreeView, false, true, ListErase::Transparent},
        {ListKind::DropList, false, true, ListErase::Native},
        {ListKind::IpAddress, false, true, ListErase::TransparentText},
        {ListKind::DatePicker, false, true, ListErase::TransparentText},
        {ListKind::ListBox, false, false, ListErase::Native},
        {ListKind::TreeView, false, false, ListErase::Native},
    };
    for (const Case& c : cases)
        EXPECT_EQ(listEraseFor(c.kind, c.ownerDrawn, c.veiled), c.expected) << static_cast<int>(c.kind);
}

TEST(ListRules, WhatAListBoxDrewOnBlackAndOnWhiteShowsOverTheVeil) {
    struct Case {
        std::uint32_t onBlack, onWhite, veil, expected;
    };
    const Case cases[] = {
        {0x000000, 0xFFFFFF, 0xA8C8D0, 0xA8C8D0},  // nothing drawn: the veil
        {0x3399FF, 0x3399FF, 0xA8C8D0, 0x3399FF},  // an opaque selection stays
        {0x000000, 0x808080, 0xA8C8D0, 0x546468},  // a letter's edge half covering the veil
        {0x101010, 0x101010, 0xA8C8D0, 0x101010},  // a letter's core
        {0xFFFFFF, 0x000000, 0xA8C8D0, 0x583830},  // an inverting focus dot inverts the veil
    };
    for (const Case& c : cases) {
        std::uint32_t out = c.veil;
        showOverVeil(&out, &c.onBlack, &c.onWhite, 1);
        EXPECT_EQ(out, c.expected) << std::hex << c.onBlack << " " << c.onWhite;
    }
}

ListFrameLook frameLook() {
    ListFrameLook k;
    k.window = SIZE{60, 40};
    k.inner = RECT{2, 2, 58, 38};
    k.border = 2;
    k.veilAlpha = 100;
    k.accent = kAccent;
    return k;
}

// ---- Painters over a known backdrop -------------------------------------------------------

class ListPainters : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gfx::startup(token); }
    static void TearDownTestSuite() { gfx::shutdown(token); }
    static inline ULONG_PTR token = 0;

    static gfxtest::Canvas* painted(const ListFrameLook& k) {
        auto* c = new gfxtest::Canvas(k.window.cx, k.window.cy);
        c->fill(kBackdropArgb);
        paintListFrameImage(c->dc(), RECT{0, 0, k.window.cx, k.window.cy}, k);
        return c;
    }
};

TEST_F(ListPainters, FrameInItsNormalHotAndFocusedLooks) {
    struct Case {
        const char* name;
        bool hovered, focused, hoverOutline;
        gfx::ARGB outer, second;  // columns 0 and 1 at mid-height
    };
    const gfx::ARGB lit = over(toArgb(kAccent, 200), kVeiled);
    const Case cases[] = {
        {"normal", false, false, true, over(0x5A000000, kVeiled), kVeiled},
        {"hot", true, false, true, lit, lit},
        {"hot and focused", true, true, true, lit, lit},
        {"focused", false, true, true, lit, kVeiled},
        {"hot without the hover outline", true, false, false, lit, kVeiled},
    };
    for (const Case& c : cases) {
        ListFrameLook k = frameLook();
        k.hovered = c.hovered;
        k.focused = c.focused;
        k.hoverOutline = c.hoverOutline;
        std::unique_ptr<gfxtest::Canvas> canvas(painted(k));
        EXPECT_TRUE(nearRgb(canvas->pixel(0, 20), c.outer, 3)) << c.name << std::hex << " " << canvas->pixel(0, 20);
        EXPECT_TRUE(nearRgb(canvas->pixel(59, 20), c.outer, 3)) << c.name;
        EXPECT_TRUE(nearRgb(canvas->pixel(30, 0), c.outer, 3)) << c.name;
        EXPECT_TRUE(nearRgb(canvas->pixel(1, 20), c.second, 3)) << c.name << std::hex << " " << canvas->pixel(1, 20);
        // The client area is keyed out for the control's own drawing.
        EXPECT_EQ(canvas->pixel(30, 20) & 0xFFFFFF, kKeyArgb & 0xFFFFFF) << c.name;
        EXPECT_EQ(canvas->pixel(3, 3) & 0xFFFFFF, kKeyArgb & 0xFFFFFF) << c.name;
    }
}

TEST_F(ListPainters, OpaqueRingWithoutTheTransparentListsAndNothingForADropList) {
    ListFrameLook k = frameLook();
    k.veiled = false;
    k.inner = RECT{4, 4, 56, 36};
    std::unique_ptr<gfxtest::Canvas> plain(painted(k));
    EXPECT_TRUE(nearRgb(plain->pixel(2, 20), 0xFFFFFFFF, 0));
    EXPECT_TRUE(nearRgb(plain->pixel(0, 20), over(0x5A000000, 0xFFFFFFFF), 3));

    for (bool dropList : {true, false}) {
        ListFrameLook none = frameLook();
        none.dropList = dropList;
        none.border = dropList ? 2 : 0;
        EXPECT_FALSE(drawsListFrame(none));
        std::unique_ptr<gfxtest::Canvas> keyed(painted(none));
        EXPECT_EQ(keyed->count(kKeyArgb, 0, 0, 60, 40), 60 * 40) << dropList;
    }
}

// ---- Real controls in a skinned window ----------------------------------------------------

class SkinnedLists : public skintest::SkinnedWindowTest {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&classes);
        skintest::SkinnedWindowTest::SetUpTestSuite();
    }
    static COLORREF windowPixel(HWND w, int x, int y) {
        const RECT r = win::windowRect(w);
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, r.left + x, r.top + y);
        ReleaseDC(nullptr, screen);
        return c;
    }
    static COLORREF clientPixel(HWND w, int x, int y) {
        POINT p{x, y};
        ClientToScreen(w, &p);
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, p.x, p.y);
        ReleaseDC(nullptr, screen);
        return c;
    }
    static bool looksLike(COLORREF screen, gfx::ARGB expected, int tolerance = 3) {
        return nearRgb(toArgb(screen), expected, tolerance);
    }
    HWND listBox(int items, int x = 20, int y = 40, int w = 150, int h = 120) {
        HWND list = child("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE, x, y, w, h);
        for (int i = 0; i < items; ++i) {
            const std::string text = "item " + std::to_string(i);
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        return list;
    }
    HWND reportView(int rows, DWORD extraStyle = 0, int x = 200, int y = 40) {
        HWND view = child(WC_LISTVIEWA, LVS_REPORT | extraStyle, WS_EX_CLIENTEDGE, x, y, 200, 140);
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 150;
        column.pszText = const_cast<char*>("name");
        SendMessageA(view, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        for (int i = 0; i < rows; ++i) {
            std::string text = "row " + std::to_string(i);
            LVITEMA row{};
            row.mask = LVIF_TEXT;
            row.iItem = i;
            row.pszText = text.data();
            SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
        }
        return view;
    }
    const ListItem& itemOf(HWND control) {
        return record(1).listLike[static_cast<size_t>(win::prop<int>(control, keys::kIndex)) - 1];
    }
};

TEST_F(SkinnedLists, ThePaintedListShowsTheVeiledSkinAndItsFrameOnTheScreen) {
    HWND list = listBox(2);
    skinAndShow();
    ASSERT_EQ(win::prop<int>(list, keys::kOwnerIndex), 1);
    const RECT inner = clientRectInWindowRect(list);
    // Below the last item the veiled skin; the outline in black a90 on the ring.
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(clientPixel(list, 60, 100), kVeiled); }))
        << std::hex << clientPixel(list, 60, 100);
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(list, 0, 60), over(0x5A000000, kVeiled)); }))
        << std::hex << windowPixel(list, 0, 60);
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(list, inner.left - 1, 60), kVeiled); }));
    // The client image went into the composition cache as well.
    const RECT at = controlClientRectInWindow(list);
    const COLORREF cached = GetPixel(record(1).caches.compositionCache, at.left + 60, at.top + 100);
    EXPECT_TRUE(looksLike(cached, kVeiled)) << std::hex << cached;

    // Pointed at, the frame lights up two pixels wide; left, it goes back.
    POINT centre{75, 60};
    ClientToScreen(list, &centre);
    SetCursorPos(centre.x, centre.y);
    SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(75, 60));
    const gfx::ARGB lit = over(toArgb(kAccent, 200), kVeiled);
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(list, 0, 60), lit); }));
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(list, 1, 60), lit); }));
    EXPECT_EQ(record(1).hotKindCode, 4);
    SendMessageA(list, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(list, 0, 60), over(0x5A000000, kVeiled)); }));
    // Focused: a one-pixel accent outline.
    SetFocus(list);
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(list, 0, 60), lit); }));
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(list, 1, 60), kVeiled); }));
}

TEST_F(SkinnedLists, TheTreeDrawsOnItsKeyWhichLetsTheVeiledSkinThrough) {
    HWND tree = child(WC_TREEVIEWA, TVS_HASLINES, WS_EX_CLIENTEDGE, 20, 40, 160, 120);
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("node");
    SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    skinAndShow();
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tree, TVM_GETBKCOLOR, 0, 0)), kKeyColour);
    // Away from the text neither the key colour nor the tree's own white.
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(clientPixel(tree, 120, 90), kVeiled); }))
        << std::hex << clientPixel(tree, 120, 90);
    EXPECT_FALSE(itemOf(tree).dirty);
}

TEST_F(SkinnedLists, KeyboardScrollingShowsTheNewPositionOnTheCover) {
    HWND list = listBox(200);
    skinAndShow();
    const ListItem& item = itemOf(list);
    ASSERT_NE(item.covers.vertical, nullptr);
    EXPECT_TRUE(IsWindowVisible(item.covers.vertical));
    SetFocus(list);
    for (WPARAM key : {VK_NEXT, VK_END, VK_HOME, VK_DOWN, VK_NEXT}) {
        SendMessageA(list, WM_KEYDOWN, key, 0);
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        GetScrollBarInfo(list, OBJID_VSCROLL, &info);
        // The cover was painted after the list had moved: its thumb is where the bar's is.
        EXPECT_EQ(item.covers.verticalParts.thumb.top, info.xyThumbTop) << key;
        SendMessageA(list, WM_KEYUP, key, 0);
    }
    EXPECT_GT(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
}

TEST_F(SkinnedLists, APaintAfterARestoreRepaintsTheListViewsWhetherOrNotItComposes) {
    HWND view = reportView(30);
    skinAndShow();
    WindowRecord& r = record(1);
    for (bool compose : {true, false}) {
        settle();
        ASSERT_FALSE(GetUpdateRect(view, nullptr, FALSE));
        r.restoredFlag = true;
        InvalidateRect(view, nullptr, TRUE);
        UpdateWindow(view);  // validated only: the window is not composed yet
        EXPECT_FALSE(GetUpdateRect(view, nullptr, FALSE)) << compose;
        r.needsCompose = compose;
        InvalidateRect(main, nullptr, FALSE);
        SendMessageA(main, WM_PAINT, 0, 0);
        EXPECT_FALSE(r.restoredFlag) << compose;
        EXPECT_TRUE(GetUpdateRect(view, nullptr, FALSE)) << compose;
        EXPECT_TRUE(itemOf(view).dirty) << compose;
    }
}

TEST_F(SkinnedLists, StaleCachesAndAMovingWindow) {
    HWND list = listBox(5);
    skinAndShow();
    WindowRecord& r = record(1);
    EXPECT_FALSE(itemOf(list).dirty);
    markChildCachesStale(main, true);
    EXPECT_FALSE(itemOf(list).dirty);
    markChildCachesStale(main, false);
    EXPECT_TRUE(itemOf(list).dirty);
    settle();
    EXPECT_FALSE(itemOf(list).dirty);

    // While the window is dragged the last image comes from the cache.
    r.movingFlag = true;
    const RECT at = controlClientRectInWindow(list);
    HDC cache = r.caches.compositionCache;
    const COLORREF marker = RGB(1, 2, 3);
    SetPixel(cache, at.left + 70, at.top + 100, marker);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    EXPECT_FALSE(itemOf(list).dirty);
    EXPECT_TRUE(onScreenSoon([&] { return clientPixel(list, 70, 100) == marker; }));
    r.movingFlag = false;
}

TEST_F(SkinnedLists, AControlOfNoSizePaintsNothingAndLeaksNothing) {
    HWND list = listBox(3, 20, 40, 0, 0);
    HWND tree = child(WC_TREEVIEWA, 0, 0, 200, 40, 0, 0);
    HWND date = child(DATETIMEPICK_CLASSA, 0, 0, 200, 80, 0, 0);
    skinAndShow();
    auto exercise = [&](int rounds) {
        for (HWND w : {list, tree, date}) {
            ASSERT_EQ(win::prop<int>(w, keys::kOwnerIndex), 1);
            for (int i = 0; i < rounds; ++i) {
                InvalidateRect(w, nullptr, TRUE);
                SendMessageA(w, WM_PAINT, 0, 0);
                SendMessageA(w, WM_NCPAINT, 1, 0);
                SendMessageA(w, WM_MOUSEMOVE, 0, 0);
                SendMessageA(w, WM_MOUSELEAVE, 0, 0);
                paintListFrame(1, win::prop<int>(w, keys::kIndex), true, true);
            }
            HDC none = composeListBackground(w);
            EXPECT_EQ(none, nullptr);
        }
        settle();
    };
    exercise(1);  // what the controls make at their first paint, they keep
    const int objects = support::liveGdiObjectCount();
    const int canvases = registeredMemoryDcCount();
    exercise(20);
    EXPECT_EQ(registeredMemoryDcCount(), canvases);
    EXPECT_EQ(support::liveGdiObjectCount(), objects);
}

}  // namespace
