// Simulated scroll bars: the parts' places, the hit test, the painter over a
// known backdrop, and covers that follow real edits.
#include <gtest/gtest.h>

#include <windows.h>

#include "gfx/startup.h"
#include "skin/controls/edit_combo.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/window/apply_skin.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/global_skin.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/window_record.h"
#include "tests/gfx/canvas.h"
#include "tests/skin/skinned_window_fixture.h"
#include "win/props.h"
#include "win/window.h"

namespace {

using namespace skin;
using gfxtest::nearRgb;

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A 200-pixel cover with a thumb from 40 to 80.
ScrollCoverLook coverLook(bool vertical) {
    ScrollCoverLook k;
    k.vertical = vertical;
    k.width = vertical ? 17 : 200;
    k.height = vertical ? 200 : 17;
    k.thumbStart = 40;
    k.thumbEnd = 80;
    return k;
}
ScrollCoverLook verticalLook() { return coverLook(true); }
ScrollCoverLook horizontalLook() { return coverLook(false); }

TEST(ScrollCoverGeometry, PartsOfBothOrientations) {
    const ScrollBarParts v = scrollCoverParts(verticalLook());
    EXPECT_TRUE(sameRect(v.firstArrow, RECT{1, 1, 15, 17}));
    EXPECT_TRUE(sameRect(v.secondArrow, RECT{1, 183, 15, 199}));
    EXPECT_TRUE(sameRect(v.thumb, RECT{1, 40, 18, 80}));
    const ScrollBarParts h = scrollCoverParts(horizontalLook());
    EXPECT_TRUE(sameRect(h.firstArrow, RECT{1, 1, 17, 15}));
    EXPECT_TRUE(sameRect(h.secondArrow, RECT{183, 1, 196, 16}));
    EXPECT_TRUE(sameRect(h.thumb, RECT{40, 1, 80, 18}));
}

TEST(ScrollCoverGeometry, PartUnderAPoint) {
    const ScrollBarParts v = scrollCoverParts(verticalLook());
    const struct {
        POINT p;
        int part;
    } cases[] = {
        {{8, 1}, kScrollFirstArrow}, {{8, 17}, kScrollFirstArrow},   {{8, 18}, kScrollTrack},
        {{0, 8}, kScrollTrack},      {{8, 183}, kScrollSecondArrow}, {{15, 199}, kScrollSecondArrow},
        {{16, 190}, kScrollTrack},   {{8, 40}, kScrollThumb},        {{17, 80}, kScrollThumb},
        {{8, 81}, kScrollTrack},     {{8, 120}, kScrollTrack},
    };
    for (const auto& c : cases) EXPECT_EQ(scrollPartAt(v, c.p), c.part) << c.p.x << "," << c.p.y;

    // The arrows win where the thumb reaches over them.
    ScrollCoverLook k = verticalLook();
    k.thumbStart = 10;
    k.thumbEnd = 30;
    EXPECT_EQ(scrollPartAt(scrollCoverParts(k), POINT{8, 12}), kScrollFirstArrow);

    // The last three pixels of a horizontal cover's right arrow belong to no part.
    const ScrollBarParts h = scrollCoverParts(horizontalLook());
    EXPECT_EQ(scrollPartAt(h, POINT{196, 8}), kScrollSecondArrow);
    for (int x : {197, 198, 199}) EXPECT_EQ(scrollPartAt(h, POINT{x, 8}), kScrollTrack) << x;
    EXPECT_EQ(scrollPartAt(h, POINT{183, 16}), kScrollSecondArrow);
}

TEST(ScrollCoverGeometry, LookFollowsTheBarStateBits) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    info.xyThumbTop = 30;
    info.xyThumbBottom = 70;
    const SIZE metrics{17, 17};
    const struct {
        DWORD state;
        bool thumb, arrows;
    } cases[] = {
        {0, true, true},
        {STATE_SYSTEM_UNAVAILABLE, false, false},
        {STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_PRESSED, false, false},
        {STATE_SYSTEM_PRESSED, true, true},
        {STATE_SYSTEM_INVISIBLE, false, true},
        {STATE_SYSTEM_OFFSCREEN, false, true},
    };
    for (const auto& c : cases) {
        info.rgstate[0] = c.state;
        const ScrollCoverLook k = scrollCoverLook(info, SIZE{17, 200}, true, 4, metrics, kDefaultAccent);
        EXPECT_EQ(k.thumbShown, c.thumb) << std::hex << c.state;
        EXPECT_EQ(k.arrowsLive, c.arrows) << std::hex << c.state;
        EXPECT_EQ(k.thumbStart, 30);
        EXPECT_EQ(k.thumbEnd, 70);
    }
    // The thickness and arrow length are the system's, not the bar
    // information's line-button field.
    info.dxyLineButton = 99;
    const ScrollCoverLook wide = scrollCoverLook(info, SIZE{21, 200}, true, 0, SIZE{21, 19}, kDefaultAccent);
    EXPECT_EQ(wide.thickness, 21);
    EXPECT_EQ(wide.arrowLength, 19);
}

TEST(ScrollCoverGeometry, ClientAreaInsideTheWindowRectangle) {
    // An edit with a client edge and a vertical bar of the default 17 pixels.
    RECT r = clientRectInWindowRect(SIZE{300, 200}, SIZE{279, 196}, WS_VSCROLL, 17, 17);
    EXPECT_TRUE(sameRect(r, RECT{2, 2, 281, 198}));
    // With wider bars the client area moves by the difference only when the
    // real width is used.
    r = clientRectInWindowRect(SIZE{300, 200}, SIZE{275, 196}, WS_VSCROLL, 21, 21);
    EXPECT_TRUE(sameRect(r, RECT{2, 2, 277, 198}));
    // Both bars; only the horizontal one; none; a border of odd total width.
    r = clientRectInWindowRect(SIZE{300, 200}, SIZE{279, 179}, WS_VSCROLL | WS_HSCROLL, 17, 17);
    EXPECT_TRUE(sameRect(r, RECT{2, 2, 281, 181}));
    r = clientRectInWindowRect(SIZE{300, 200}, SIZE{296, 179}, WS_HSCROLL, 17, 17);
    EXPECT_TRUE(sameRect(r, RECT{2, 2, 298, 181}));
    r = clientRectInWindowRect(SIZE{300, 200}, SIZE{297, 197}, 0, 17, 17);
    EXPECT_TRUE(sameRect(r, RECT{1, 1, 298, 198}));
}

TEST(ScrollCoverGeometry, BorderKinds) {
    EXPECT_EQ(borderKind(WS_BORDER, 0), 1);
    EXPECT_EQ(borderKind(WS_BORDER, WS_EX_CLIENTEDGE), 1);
    EXPECT_EQ(borderKind(0, WS_EX_CLIENTEDGE), 2);
    EXPECT_EQ(borderKind(0, WS_EX_WINDOWEDGE), 2);
    EXPECT_EQ(borderKind(0, WS_EX_DLGMODALFRAME), 2);
    EXPECT_EQ(borderKind(WS_VSCROLL, WS_EX_STATICEDGE), 0);
    EXPECT_EQ(borderKind(0, 0), 0);
}

// ---- The painter -------------------------------------------------------------------------

class CoverPainter : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gfx::startup(token); }
    static void TearDownTestSuite() {
        releaseArrowGlyphImages();
        gfx::shutdown(token);
    }
    static inline ULONG_PTR token = 0;
};

constexpr gfx::ARGB kBackdrop = 0xFF285078;
constexpr gfx::ARGB kBlack = 0xFF000000;

std::unique_ptr<gfxtest::Canvas> paint(const ScrollCoverLook& k) {
    auto c = std::make_unique<gfxtest::Canvas>(k.width, k.height);
    c->fill(kBackdrop);
    paintScrollCover(c->dc(), RECT{0, 0, k.width, k.height}, k);
    return c;
}

int brightness(gfx::ARGB c) { return gfxtest::channel(c, 16) + gfxtest::channel(c, 8) + gfxtest::channel(c, 0); }

TEST_F(CoverPainter, VerticalTrackThumbAndArrowGlyphs) {
    auto c = paint(verticalLook());
    // The track runs across from accent a40 over the backdrop to white.
    EXPECT_TRUE(nearRgb(c->pixel(0, 120), 0xFF276388, 8)) << std::hex << c->pixel(0, 120);
    EXPECT_TRUE(nearRgb(c->pixel(16, 120), 0xFFFFFFFF, 20)) << std::hex << c->pixel(16, 120);
    EXPECT_EQ(c->pixel(8, 100), c->pixel(8, 150));  // the same all along
    // The thumb's dark outline at its left edge, and its face, differ from the track.
    EXPECT_LT(brightness(c->pixel(1, 60)), brightness(c->pixel(3, 60)) - 60);
    EXPECT_NE(c->pixel(8, 60), c->pixel(8, 120));
    // Up glyph at (5, 8): apex at (8, 8), base from x 5 to 11 on row 11.
    EXPECT_TRUE(nearRgb(c->pixel(8, 8), kBlack, 0));
    EXPECT_FALSE(nearRgb(c->pixel(7, 8), kBlack, 20));
    for (int x = 5; x <= 11; ++x) EXPECT_TRUE(nearRgb(c->pixel(x, 11), kBlack, 0)) << x;
    // Down glyph at round(200 - 15 + 5.5) = 190 (the half goes to the even side).
    for (int x = 5; x <= 11; ++x) EXPECT_TRUE(nearRgb(c->pixel(x, 190), kBlack, 0)) << x;
    EXPECT_TRUE(nearRgb(c->pixel(8, 193), kBlack, 0));
    EXPECT_FALSE(nearRgb(c->pixel(8, 194), kBlack, 20));

    // One pixel taller: 191.5 rounds to 192.
    ScrollCoverLook taller = verticalLook();
    taller.height = 201;
    EXPECT_EQ(secondArrowGlyphAt(taller, SIZE{7, 4}).y, 192);
    EXPECT_EQ(secondArrowGlyphAt(verticalLook(), SIZE{7, 4}).y, 190);
    EXPECT_EQ(firstArrowGlyphAt(verticalLook(), SIZE{7, 4}).y, 8);
}

TEST_F(CoverPainter, HotPartsAndAnUnavailableBar) {
    const ScrollCoverLook normal = verticalLook();
    auto plain = paint(normal);
    ScrollCoverLook k = normal;
    k.hotPart = kScrollSecondArrow;
    auto hot = paint(k);
    EXPECT_NE(hot->pixel(4, 186), plain->pixel(4, 186));  // inside the lower arrow button
    EXPECT_EQ(hot->pixel(4, 5), plain->pixel(4, 5));
    k.hotPart = kScrollFirstArrow;
    EXPECT_NE(paint(k)->pixel(4, 5), plain->pixel(4, 5));
    k.hotPart = kScrollThumb;
    EXPECT_GT(brightness(paint(k)->pixel(8, 60)), brightness(plain->pixel(8, 60)));

    // Unavailable: no thumb, and no arrow lights up.
    k = normal;
    k.thumbShown = false;
    k.arrowsLive = false;
    k.hotPart = kScrollSecondArrow;
    auto off = paint(k);
    EXPECT_EQ(off->pixel(1, 60), off->pixel(1, 120));
    EXPECT_LT(brightness(plain->pixel(1, 60)), brightness(plain->pixel(3, 60)) - 60);
    EXPECT_EQ(off->pixel(8, 60), off->pixel(8, 120));
    EXPECT_EQ(off->pixel(4, 186), plain->pixel(4, 186));
}

TEST_F(CoverPainter, HorizontalGlyphsAndThumb) {
    auto c = paint(horizontalLook());
    // Left glyph at (round(7.5) = 8, 5): its point at (8, 8), its base column at x 11.
    EXPECT_EQ(firstArrowGlyphAt(horizontalLook(), SIZE{4, 7}).x, 8);
    EXPECT_TRUE(nearRgb(c->pixel(8, 8), kBlack, 0));
    EXPECT_FALSE(nearRgb(c->pixel(8, 7), kBlack, 20));
    for (int y = 5; y <= 11; ++y) EXPECT_TRUE(nearRgb(c->pixel(11, y), kBlack, 0)) << y;
    // Right glyph from w - 17: round(188.5) = 188, base column there, point at x 191.
    EXPECT_EQ(secondArrowGlyphAt(horizontalLook(), SIZE{4, 7}).x, 188);
    for (int y = 5; y <= 11; ++y) EXPECT_TRUE(nearRgb(c->pixel(188, y), kBlack, 0)) << y;
    EXPECT_TRUE(nearRgb(c->pixel(191, 8), kBlack, 0));
    // The track runs down, the thumb lies along.
    EXPECT_EQ(c->pixel(100, 8), c->pixel(150, 8));
    EXPECT_LT(brightness(c->pixel(60, 1)), brightness(c->pixel(60, 3)) - 60);
    EXPECT_NE(c->pixel(60, 8), c->pixel(120, 8));
}

// ---- Covers of real edits ----------------------------------------------------------------

class Covers : public skintest::SkinnedWindowTest {
protected:
    HWND edit(DWORD style, int x = 20, int y = 60) {
        HWND e = child("EDIT", ES_MULTILINE | style, WS_EX_CLIENTEDGE, x, y, 300, 200);
        if (!(style & WS_VISIBLE)) ShowWindow(e, SW_HIDE);
        return e;
    }
    static RECT barInParent(HWND control, bool vertical) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        GetScrollBarInfo(control, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
        RECT r = info.rcScrollBar;
        MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

using skintest::pump;

TEST_F(Covers, AnEditWithBothBarsGetsTwoCoversExactlyOverThem) {
    HWND e = edit(WS_VISIBLE | WS_VSCROLL | WS_HSCROLL);
    skinAndShow();
    const ScrollCovers* covers = scrollCoversOf(e);
    ASSERT_NE(covers, nullptr);
    ASSERT_NE(covers->vertical, nullptr);
    ASSERT_NE(covers->horizontal, nullptr);
    for (bool vertical : {true, false}) {
        HWND cover = covers->cover(vertical);
        EXPECT_TRUE(win::isClass(cover, "Static"));
        EXPECT_EQ(GetParent(cover), main);
        EXPECT_EQ(win::prop<HWND>(cover, keys::kScrollOwner), e);
        EXPECT_EQ(win::prop<int>(cover, keys::kOwnerIndex), 1);
        EXPECT_TRUE(win::style(cover) & WS_DISABLED);
        EXPECT_TRUE(IsWindowVisible(cover));
        EXPECT_TRUE(sameRect(win::rectInParent(cover), barInParent(e, vertical))) << vertical;
        // The cover lies above the edit.
        EXPECT_EQ(
            ChildWindowFromPointEx(main, POINT{win::rectInParent(cover).left + 3, win::rectInParent(cover).top + 3},
                                   CWP_SKIPINVISIBLE),
            cover);
    }
    // The corner square between the two bars stays the edit's.
    const RECT v = win::rectInParent(covers->vertical), h = win::rectInParent(covers->horizontal);
    const POINT corner{v.left + 3, h.top + 3};
    EXPECT_FALSE(PtInRect(&v, corner));
    EXPECT_FALSE(PtInRect(&h, corner));
    // The cover lets the mouse through to the real bar.
    EXPECT_EQ(SendMessageA(covers->vertical, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
}

TEST_F(Covers, ACoverFollowsItsEditFromHiddenToShownAndWhenItMoves) {
    HWND e = edit(WS_VSCROLL);
    skinAndShow();
    HWND cover = scrollCoversOf(e)->vertical;
    ASSERT_NE(cover, nullptr);
    EXPECT_FALSE(IsWindowVisible(cover));
    EXPECT_EQ(win::width(win::windowRect(cover)), 10);

    ShowWindow(e, SW_SHOWNA);
    pump();
    EXPECT_TRUE(IsWindowVisible(cover));
    EXPECT_TRUE(sameRect(win::rectInParent(cover), barInParent(e, true)));

    MoveWindow(e, 60, 90, 300, 200, TRUE);
    pump();
    EXPECT_TRUE(sameRect(win::rectInParent(cover), barInParent(e, true)));
    EXPECT_EQ(win::rectInParent(cover).left, 60 + 300 - 2 - 17);

    ShowWindow(e, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(cover));
}

TEST_F(Covers, PaintingStoresThePartsTheHitTestReads) {
    HWND e = edit(WS_VISIBLE | WS_VSCROLL);
    skinAndShow();
    std::string text;
    for (int i = 0; i < 100; ++i) text += "line\r\n";
    SetWindowTextA(e, text.c_str());
    pump();
    ScrollCovers* covers = scrollCoversOf(e);
    const RECT cover = win::windowRect(covers->vertical);
    const ScrollBarParts& parts = covers->verticalParts;
    const int h = win::height(cover);
    EXPECT_TRUE(sameRect(parts.secondArrow, RECT{1, h - 17, win::width(cover) - 2, h - 1}));
    // The thumb starts below the first arrow.
    EXPECT_GE(parts.thumb.top, 17);
    EXPECT_GT(parts.thumb.bottom, parts.thumb.top);
    auto at = [&](int x, int y) { return static_cast<LPARAM>(MAKELONG(cover.left + x, cover.top + y)); };
    EXPECT_EQ(scrollOverlayPartAt(e, true, at(8, h - 8)), kScrollSecondArrow);
    EXPECT_EQ(scrollOverlayPartAt(e, true, at(8, 8)), kScrollFirstArrow);
    EXPECT_EQ(scrollOverlayPartAt(e, true, at(8, (parts.thumb.top + parts.thumb.bottom) / 2)), kScrollThumb);
    // No horizontal cover: nothing is under any point.
    EXPECT_EQ(scrollOverlayPartAt(e, false, at(8, 8)), kScrollTrack);
    paintScrollOverlay(e, false, kScrollSecondArrow);  // nothing to paint
}

}  // namespace
