// Skinned up-down controls and headers: their geometry and layout as tables,
// their looks painted on a canvas over a known backdrop, and real controls
// in a skinned window (registration, hover, what they publish, leaks).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "skin/controls/backdrop.h"
#include "skin/controls/header.h"
#include "skin/controls/up_down.h"
#include "skin/window/window_record.h"
#include "tests/gfx/canvas.h"
#include "tests/skin/skinned_window_fixture.h"
#include "tests/support/button_looks.h"
#include "tests/support/gdi_count.h"
#include "tools/gallery/gallery_window.h"
#include "tools/gallery/layout.h"
#include "tools/gallery/screenshot.h"
#include "tools/gallery/skin_setup.h"
#include "win/fonts.h"
#include "win/window.h"

namespace {

using namespace skin;
using looks::layer;
using looks::mix;
using looks::over;

constexpr COLORREF kBackdrop = RGB(40, 90, 160);
constexpr COLORREF kAccent = RGB(230, 40, 60);

looks::Layer argbLayer(Argb c) {
    return looks::Layer{1.0 * (c >> 24), 1.0 * ((c >> 16) & 0xFF), 1.0 * ((c >> 8) & 0xFF), 1.0 * (c & 0xFF)};
}

// ---- Up-down geometry ---------------------------------------------------------------------

TEST(UpDownGeometry, TheHalvesSplitAtTheIntegerHalfAndAPointPastItIsInTheSecond) {
    struct Case {
        SIZE size;
        bool horizontal;
        POINT point;
        int half;
    };
    const Case cases[] = {
        {{16, 20}, false, {8, 0}, 0},  {{16, 20}, false, {8, 10}, 0}, {{16, 20}, false, {8, 11}, 1},
        {{16, 20}, false, {8, 19}, 1}, {{16, 21}, false, {8, 10}, 0}, {{16, 21}, false, {8, 11}, 1},
        {{40, 24}, true, {20, 12}, 0}, {{40, 24}, true, {21, 12}, 1}, {{41, 24}, true, {21, 0}, 1},
        {{40, 24}, true, {0, 23}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(upDownHalfAt(c.size, c.horizontal, c.point), c.half)
            << c.size.cx << "x" << c.size.cy << (c.horizontal ? " horizontal " : " vertical ") << c.point.x << ","
            << c.point.y;
}

TEST(UpDownGeometry, HalfBoxesLieSideBySideAlongTheSplit) {
    struct Case {
        SIZE size;
        bool horizontal;
        RECT first, second;
    };
    const Case cases[] = {
        {{16, 24}, false, {0, 0, 16, 12}, {0, 12, 16, 24}},
        {{16, 25}, false, {0, 0, 16, 12}, {0, 12, 16, 24}},  // the odd last row is in neither tile
        {{40, 24}, true, {0, 0, 20, 24}, {20, 0, 40, 24}},
        {{41, 24}, true, {0, 0, 20, 24}, {20, 0, 40, 24}},
    };
    for (const Case& c : cases) {
        const RECT first = upDownHalfBox(c.size, c.horizontal, 0);
        EXPECT_TRUE(EqualRect(&c.first, &first)) << c.size.cy;
        const RECT second = upDownHalfBox(c.size, c.horizontal, 1);
        EXPECT_TRUE(EqualRect(&c.second, &second)) << c.size.cx << " " << second.left << "," << second.top;
    }
}

TEST(UpDownLooks, OnlyAHoveredControlLightsAHalfAndTheUnlitUpperHalfStartsBrighter) {
    const SIZE size{16, 20};
    EXPECT_EQ(upDownLook(size, false, false, true, {8, 15}, kAccent).litHalf, kNoHalf);  // left, though pressed
    EXPECT_EQ(upDownLook(size, false, true, false, {8, 10}, kAccent).litHalf, 0);
    EXPECT_EQ(upDownLook(size, false, true, false, {8, 11}, kAccent).litHalf, 1);

    const Argb outline = toArgb(kAccent, 200), dark = toArgb(0, 100);
    struct Case {
        bool horizontal;
        int lit;
        bool pressed;
        int half;
        UpDownHalfColours colours;
    };
    const Case cases[] = {
        {false, kNoHalf, false, 0, {0x3CFFFFFF, toArgb(kAccent, 100), dark}},
        {false, kNoHalf, false, 1, {0x14FFFFFF, toArgb(kAccent, 100), dark}},
        {true, kNoHalf, false, 0, {0x14FFFFFF, toArgb(kAccent, 100), dark}},
        {true, kNoHalf, false, 1, {0x14FFFFFF, toArgb(kAccent, 100), dark}},
        {false, 0, false, 0, {0x64FFFFFF, toArgb(kAccent, 150), outline}},
        {false, 0, false, 1, {0x14FFFFFF, toArgb(kAccent, 100), dark}},
        {false, 1, true, 1, {toArgb(kAccent, 100), 0x96FFFFFF, outline}},
        {false, 1, true, 0, {0x3CFFFFFF, toArgb(kAccent, 100), dark}},
        {true, 1, false, 1, {0x64FFFFFF, toArgb(kAccent, 150), outline}},
    };
    for (const Case& c : cases) {
        UpDownLook look{c.horizontal, c.lit, c.pressed, kAccent};
        EXPECT_EQ(upDownHalfColours(look, c.half), c.colours) << c.horizontal << " lit " << c.lit << " half " << c.half;
    }
}

// ---- Up-down pixels ---------------------------------------------------------------------------

class UpDownPaint : public ::testing::Test {
protected:
    void paint(gfxtest::Canvas& canvas, const UpDownLook& look) {
        canvas.fill(0xFF000000u | toArgb(kBackdrop));
        paintUpDown(canvas.dc(), RECT{0, 0, canvas.width(), canvas.height()}, look);
    }
    // The ground and one half's gradient over the backdrop at a point inside
    // the half, away from its outline and arrow; t runs along the gradient.
    static COLORREF expected(const UpDownLook& look, int half, double t) {
        const UpDownHalfColours c = upDownHalfColours(look, half);
        const looks::Colour ground = over(looks::colour(kBackdrop), layer(looks::kWhite, 160));
        return over(ground, mix(argbLayer(c.from), argbLayer(c.to), t)).rgb();
    }
    static void expectNear(const gfxtest::Canvas& canvas, int x, int y, COLORREF want) {
        const COLORREF got = toColorref(canvas.pixel(x, y));
        EXPECT_LE(looks::distance(got, want), 8) << x << "," << y << std::hex << " got " << got << " want " << want;
    }
};

TEST_F(UpDownPaint, VerticalHalvesInEachLookAndTheArrows) {
    gfxtest::Canvas canvas(16, 24);
    struct Look {
        int lit;
        bool pressed;
    };
    for (const Look l : {Look{kNoHalf, false}, Look{0, false}, Look{1, false}, Look{0, true}, Look{1, true}}) {
        const UpDownLook look{false, l.lit, l.pressed, kAccent};
        paint(canvas, look);
        // First half: from row 0 to row 11; second from row 12 to the bottom.
        for (int y : {2, 9}) {
            expectNear(canvas, 2, y, expected(look, 0, y / 11.0));
            expectNear(canvas, 13, y, expected(look, 0, y / 11.0));
        }
        for (int y : {14, 21}) expectNear(canvas, 2, y, expected(look, 1, (y - 12) / 12.0));
    }
    // The up arrow's widest row and the down arrow's, centred in their halves.
    for (int x = 5; x <= 10; ++x) {
        EXPECT_LT(looks::distance(toColorref(canvas.pixel(x, 7)), 0), 120) << x;
        EXPECT_LT(looks::distance(toColorref(canvas.pixel(x, 16)), 0), 120) << x;
    }
    EXPECT_GT(looks::distance(toColorref(canvas.pixel(3, 7)), 0), 200);
}

TEST_F(UpDownPaint, HorizontalHalvesRunTheirGradientsAcross) {
    gfxtest::Canvas canvas(40, 24);
    for (int lit : {kNoHalf, 1}) {
        const UpDownLook look{true, lit, false, kAccent};
        paint(canvas, look);
        for (int x : {3, 6}) expectNear(canvas, x, 4, expected(look, 0, x / 19.0));
        for (int x : {24, 27, 36}) expectNear(canvas, x, 4, expected(look, 1, (x - 20) / 20.0));
    }
}

// ---- Header layout ---------------------------------------------------------------------------------

TEST(HeaderLayout, TextStartsByAlignmentAndFallsBackToTheMarginWhenItDoesNotFit) {
    struct Case {
        int format, width, icon, textWidth;
        int x;
    };
    constexpr int m = 6;
    const Case cases[] = {
        {HDF_LEFT, 90, 0, 30, m},     {HDF_LEFT, 90, 16, 30, m},
        {HDF_LEFT, 20, 16, 30, m},    {HDF_RIGHT, 90, 0, 30, 60},
        {HDF_RIGHT, 90, 16, 30, 44},  {HDF_RIGHT, 40, 0, 34, m},  // 0 + 6 + 34 >= 40
        {HDF_RIGHT, 41, 0, 34, 7},    {HDF_CENTER, 90, 0, 30, 27},
        {HDF_CENTER, 90, 16, 30, 19}, {HDF_CENTER, 91, 16, 30, 19},
        {HDF_CENTER, 50, 16, 30, m},  {HDF_RIGHT | HDF_CENTER, 90, 0, 30, 60},  // right wins
        {HDF_LEFT, 0, 0, 30, m},
    };
    for (const Case& c : cases) {
        const HeaderItemLayout l = headerItemLayout(c.format, SIZE{c.width, 24}, SIZE{c.icon, c.icon}, m, c.textWidth);
        EXPECT_EQ(l.x, c.x) << c.format << " " << c.width << " icon " << c.icon;
        EXPECT_EQ(l.text.left, c.x + c.icon);
        EXPECT_EQ(win::width(l.text), c.width - c.icon - 2 * m);
        EXPECT_FLOAT_EQ(l.iconTop, (24 - c.icon) / 2.0f);
    }
}

TEST(HeaderLayout, DividersKeepFiveClearPixelsOnEachSide) {
    const std::vector<RECT> columns{{0, 0, 90, 24}, {90, 0, 180, 24}, {180, 0, 180, 24}, {180, 0, 200, 24}};
    struct Case {
        int x, item;
    };
    const Case cases[] = {{4, 0},   {5, 1},   {85, 1},  {86, 0},  {94, 0},  {95, 2}, {175, 2},
                          {176, 0}, {185, 4}, {195, 4}, {196, 0}, {400, 0}, {-3, 0}};
    for (const Case& c : cases) EXPECT_EQ(headerItemAt(columns, c.x), c.item) << c.x;
    EXPECT_EQ(headerItemAt({}, 10), 0);
}

// ---- Header pixels ----------------------------------------------------------------------------------

class HeaderPaint : public skintest::SkinnedWindowTest {
protected:
    static HeaderColumnLook column(int left, int right, std::string text = "", int format = HDF_LEFT) {
        HeaderColumnLook c;
        c.rect = RECT{left, 0, right, 24};
        c.stretchedRight = right;
        c.text = std::move(text);
        c.format = format;
        return c;
    }
    HeaderLook look(bool buttons) const {
        HeaderLook l;
        l.buttonStyle = buttons;
        l.tile = 0x64FFFFFF;
        l.accent = kAccent;
        l.font = ControlFont{win::kDefaultFace, 12, 0};
        l.margin = 6;
        return l;
    }
    void paint(const HeaderLook& l) {
        canvas.fill(0xFF000000u | toArgb(kBackdrop));
        paintHeader(canvas.dc(), RECT{0, 0, canvas.width(), canvas.height()}, l);
    }
    COLORREF at(int x, int y) const { return toColorref(canvas.pixel(x, y)); }
    static looks::Colour face(bool buttons, int y) {
        const auto [from, to] = headerFaceGradient(buttons, kAccent);
        const looks::Colour tile = over(looks::colour(kBackdrop), layer(looks::kWhite, 100));
        return over(tile, mix(argbLayer(from), argbLayer(to), y / 24.0));
    }
    void expectNear(int x, int y, COLORREF want, int tolerance = 8) {
        EXPECT_LE(looks::distance(at(x, y), want), tolerance)
            << x << "," << y << std::hex << " got " << at(x, y) << " want " << want;
    }
    int darkPixels(int left, int right) const {
        int n = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = left; x < right; ++x) n += looks::distance(at(x, y), 0) < 150;
        return n;
    }

    gfxtest::Canvas canvas{240, 24};
};

TEST_F(HeaderPaint, TilesFacesAndTheShadesOfHotAndPressedColumns) {
    for (bool buttons : {false, true}) {
        HeaderLook l = look(buttons);
        l.columns.push_back(column(0, 80));
        l.columns.push_back(column(80, 160));
        l.columns.push_back(column(160, 240));
        l.columns[1].hot = true;
        l.columns[2].pressed = true;
        paint(l);
        for (int y : {2, 12, 21}) {
            const double t = y / 24.0;
            expectNear(40, y, face(buttons, y).rgb());
            expectNear(120, y, over(face(buttons, y), mix(layer(kAccent, 60), layer(0, 30), t)).rgb());
            expectNear(200, y, over(face(buttons, y), mix(layer(0, 30), layer(looks::kWhite, 120), t)).rgb());
        }
        // The divider is darker than the face at the top of each column.
        EXPECT_GT(looks::distance(at(79, 1), at(75, 1)), 30);
        // Past the columns the backdrop is untouched.
    }
    HeaderLook l = look(true);
    l.columns.push_back(column(0, 100));
    paint(l);
    EXPECT_EQ(at(150, 12), kBackdrop);
}

TEST_F(HeaderPaint, TheStretchedLastColumnIsTiledToTheEdgeButShadedAndDividedAtItsOwnWidth) {
    HeaderLook l = look(true);
    l.columns.push_back(column(0, 100));
    l.columns.push_back(column(100, 160));
    l.columns[1].stretchedRight = 240;
    l.columns[1].hot = true;
    paint(l);
    expectNear(200, 12, face(true, 12).rgb());
    expectNear(130, 12, over(face(true, 12), mix(layer(kAccent, 60), layer(0, 30), 0.5)).rgb());
    EXPECT_GT(looks::distance(at(159, 1), at(200, 1)), 30);
}

TEST_F(HeaderPaint, TextIsBlackNearTheMarginAndATooLongTitleStaysInsideItsColumn) {
    HeaderLook l = look(false);
    l.columns.push_back(column(0, 60, "一二三四五六七八九十", HDF_RIGHT));
    l.columns.push_back(column(60, 240));
    paint(l);
    EXPECT_GT(darkPixels(6, 30), 4);  // starts at the margin
    EXPECT_EQ(darkPixels(0, 5), 0);
    EXPECT_EQ(darkPixels(55, 240), 0);  // cut before the margin on the right, nothing spills over
    int below = 0;
    for (int y = 17; y < 24; ++y)
        for (int x = 0; x < 60; ++x) below += looks::distance(at(x, y), 0) < 150;
    EXPECT_EQ(below, 0);

    // A short right-aligned title ends at the column's right edge.
    l.columns[0].text = "右";
    paint(l);
    EXPECT_GT(darkPixels(44, 60), 0);
    EXPECT_EQ(darkPixels(0, 40), 0);
}

TEST_F(HeaderPaint, ZeroWidthAndTooNarrowColumnsDrawNothingOutsideThemselves) {
    HeaderLook l = look(true);
    l.columns.push_back(column(0, 0, "无宽度"));
    l.columns.push_back(column(0, 8, "很窄的列", HDF_CENTER));
    l.columns.push_back(column(8, 240));
    l.columns[0].hot = true;
    paint(l);
    expectNear(120, 12, face(true, 12).rgb());
    expectNear(10, 12, face(true, 12).rgb());
    EXPECT_EQ(darkPixels(8, 240), 0);
}

// ---- Real controls in a skinned window ---------------------------------------------------------------

class SkinnedUpDownsAndHeaders : public skintest::SkinnedWindowTest {
protected:
    HWND header(DWORD style, HWND parent = nullptr) {
        HWND h = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | style, 20, 40, 300, 24,
                                 parent ? parent : main, nullptr, GetModuleHandleA(nullptr), nullptr);
        return h;
    }
    static void addColumn(HWND h, const char* text, int width, int format = HDF_LEFT, int image = -1) {
        HDITEMA item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<char*>(text);
        item.cxy = width;
        item.fmt = format | HDF_STRING;
        if (image >= 0) {
            item.mask |= HDI_IMAGE;
            item.fmt |= HDF_IMAGE;
            item.iImage = image;
        }
        SendMessageA(h, HDM_INSERTITEMA, SendMessageA(h, HDM_GETITEMCOUNT, 0, 0), reinterpret_cast<LPARAM>(&item));
    }
    static HIMAGELIST icons(int n) {
        HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, n, 0);
        for (int i = 0; i < n; ++i) {
            HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
            ImageList_AddIcon(list, icon);
        }
        return list;
    }
    COLORREF cached(HWND control, POINT p) const {
        const RECT r = controlRectInWindow(control);
        return GetPixel(skin::recordOf(main)->caches.compositionCache, r.left + p.x, r.top + p.y);
    }
    static LPARAM at(int x, int y) { return MAKELPARAM(x, y); }
};

TEST_F(SkinnedUpDownsAndHeaders, EveryUpDownAndHeaderIsRegisteredOnceWithItsStyleAndFont) {
    HWND vertical = child(UPDOWN_CLASSA, 0, 0, 20, 100, 16, 20);
    HWND horizontal = child(UPDOWN_CLASSA, UDS_HORZ, 0, 60, 100, 40, 20);
    HWND buttons = header(HDS_BUTTONS);
    HWND list = child(WC_LISTVIEWA, LVS_REPORT | LVS_SORTASCENDING, 0, 20, 150, 300, 100);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 80;
    column.pszText = const_cast<char*>("列");
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    HWND listHeader = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    skinAndShow();

    WindowRecord& r = *recordOf(main);
    ASSERT_EQ(r.upDowns.size(), 2u);
    EXPECT_EQ(r.upDowns[0].hwnd, vertical);
    EXPECT_FALSE(r.upDowns[0].horizontal);
    EXPECT_EQ(r.upDowns[1].hwnd, horizontal);
    EXPECT_TRUE(r.upDowns[1].horizontal);
    ASSERT_EQ(r.headers.size(), 2u);
    EXPECT_EQ(r.headers[0].hwnd, buttons);
    EXPECT_TRUE(r.headers[0].buttonStyle);
    EXPECT_EQ(r.headers[1].hwnd, listHeader);  // also of a list view left plain
    EXPECT_TRUE(r.headers[1].buttonStyle);     // a list view's header takes clicks for sorting
    EXPECT_EQ(GetPropA(listHeader, "Hw_lbID"), reinterpret_cast<HANDLE>(2));
    // A header without a font of its own takes the default face at 12.
    EXPECT_EQ(r.headers[0].fontFace, win::kDefaultFace);
    EXPECT_EQ(r.headers[0].fontSize, 12);

    // Asked again, the entry keeps the registration it has: a second one
    // would make the skin procedure its own previous procedure.
    skinHeaders(1, main);
    EXPECT_EQ(r.headers.size(), 2u);
    SendMessageA(buttons, WM_MOUSEMOVE, 0, at(10, 10));  // would never return
}

TEST_F(SkinnedUpDownsAndHeaders, TheHalfUnderThePointerLightsUntilThePointerLeaves) {
    HWND upDown = child(UPDOWN_CLASSA, 0, 0, 20, 100, 16, 20);
    skinAndShow();
    const COLORREF plainFirst = cached(upDown, {2, 4}), plainSecond = cached(upDown, {2, 15});
    SendMessageA(upDown, WM_MOUSEMOVE, 0, at(8, 10));
    const COLORREF litFirst = cached(upDown, {2, 4});
    EXPECT_GT(looks::distance(litFirst, plainFirst), 10);
    EXPECT_EQ(cached(upDown, {2, 15}), plainSecond);
    SendMessageA(upDown, WM_MOUSEMOVE, 0, at(8, 11));
    EXPECT_EQ(cached(upDown, {2, 4}), plainFirst);
    EXPECT_GT(looks::distance(cached(upDown, {2, 15}), plainSecond), 10);
    UpDownItem& item = recordOf(main)->upDowns[0];
    EXPECT_EQ(item.lastHotHalf, 1);
    // A repaint of its own keeps the half under the pointer lit, not the one
    // pressed last; while a press holds, the pressed half.
    const COLORREF litSecond = cached(upDown, {2, 15});
    item.lastPoint = at(8, 2);
    InvalidateRect(upDown, nullptr, FALSE);
    UpdateWindow(upDown);
    EXPECT_EQ(cached(upDown, {2, 15}), litSecond);
    EXPECT_EQ(cached(upDown, {2, 4}), plainFirst);
    item.pressed = true;
    InvalidateRect(upDown, nullptr, FALSE);
    UpdateWindow(upDown);
    EXPECT_EQ(cached(upDown, {2, 15}), plainSecond);
    EXPECT_GT(looks::distance(cached(upDown, {2, 4}), plainFirst), 10);
    item.pressed = false;
    SendMessageA(upDown, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(cached(upDown, {2, 4}), plainFirst);
    EXPECT_EQ(cached(upDown, {2, 15}), plainSecond);
}

TEST_F(SkinnedUpDownsAndHeaders, AHeaderPublishesTheImageItComposedNotWhatTheScreenShows) {
    HWND h = header(HDS_BUTTONS);
    addColumn(h, "", 150);
    addColumn(h, "", 150);
    skinAndShow();
    // Something else lies over the header on the screen.
    RECT place = win::windowRect(h);
    HWND cover = CreateWindowExA(WS_EX_TOPMOST, "Static", "", WS_POPUP | WS_VISIBLE, place.left, place.top,
                                 win::width(place), win::height(place), nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(cover);
    paintHeader(h);
    HeaderLook look = headerLookOf(h);
    gfxtest::Canvas expected(300, 24);
    expected.fill(0xFF000000u | toArgb(skintest::kSkinColour));
    paintHeader(expected.dc(), RECT{0, 0, 300, 24}, look);
    for (POINT p : {POINT{40, 12}, POINT{149, 2}, POINT{220, 20}})
        EXPECT_EQ(cached(h, p), toColorref(expected.pixel(p.x, p.y))) << p.x << "," << p.y;
    DestroyWindow(cover);
}

TEST_F(SkinnedUpDownsAndHeaders, ButtonHeadersShadeTheHotColumnAwayFromDividersAndNotWhileTheButtonIsHeld) {
    HWND buttons = header(HDS_BUTTONS);
    HWND plain =
        CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE, 20, 80, 300, 24, main, nullptr, nullptr, nullptr);
    for (HWND h : {buttons, plain}) {
        addColumn(h, "", 100);
        addColumn(h, "", 100);
    }
    skinAndShow();
    WindowRecord& r = *recordOf(main);
    const COLORREF plainColumn = cached(buttons, {50, 12});
    SendMessageA(buttons, WM_MOUSEMOVE, 0, at(50, 12));
    EXPECT_EQ(r.headers[0].hotItem, 1);
    EXPECT_GT(looks::distance(cached(buttons, {50, 12}), plainColumn), 15);
    SendMessageA(buttons, WM_MOUSEMOVE, 0, at(97, 12));  // on the divider: nothing hot
    EXPECT_EQ(r.headers[0].hotItem, 0);
    EXPECT_EQ(cached(buttons, {50, 12}), plainColumn);
    // Held down, moving onto another column does not move the shade.
    r.headers[0].pressing = true;
    SendMessageA(buttons, WM_MOUSEMOVE, 0, at(150, 12));
    EXPECT_EQ(r.headers[0].hotItem, 2);
    EXPECT_EQ(cached(buttons, {150, 12}), plainColumn);
    r.headers[0].pressing = false;

    // Without the button style the bookkeeping runs, but nothing is shaded.
    const COLORREF before = cached(plain, {50, 12});
    SendMessageA(plain, WM_MOUSEMOVE, 0, at(50, 12));
    EXPECT_EQ(r.headers[1].hotItem, 1);
    EXPECT_EQ(cached(plain, {50, 12}), before);
    SendMessageA(plain, WM_LBUTTONUP, 0, at(50, 12));
}

TEST_F(SkinnedUpDownsAndHeaders, AListViewsHeaderLeavesTheListViewsImageListAlone) {
    skinAndShow();
    const int index = windowIndexOf(main);
    HIMAGELIST images = icons(2);
    auto openAndClose = [&] {
        HWND list = child(WC_LISTVIEWA, LVS_REPORT | LVS_SHAREIMAGELISTS, 0, 20, 150, 300, 100);
        SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
        HWND h = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        // The header shows the list view's images, whether or not the list
        // view hands them to it.
        SendMessageA(h, HDM_SETIMAGELIST, HDSIL_NORMAL, reinterpret_cast<LPARAM>(images));
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 80;
        column.pszText = const_cast<char*>("列");
        SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        addColumn(h, "图", 60, HDF_LEFT, 1);
        skinHeaders(index, main);
        ASSERT_EQ(recordOf(main)->headers.back().hwnd, h);
        paintHeader(h);
        DestroyWindow(list);
        skintest::pump();
    };
    openAndClose();
    const int objects = support::liveGdiObjectCount();
    for (int i = 0; i < 50; ++i) openAndClose();
    EXPECT_EQ(ImageList_GetImageCount(images), 2);
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(images, &cx, &cy));
    EXPECT_EQ(support::liveGdiObjectCount(), objects);
    ImageList_Destroy(images);
}

TEST_F(SkinnedUpDownsAndHeaders, HoversAndPositionChangesLeakNothing) {
    HWND buddy = child("Edit", ES_NUMBER, WS_EX_CLIENTEDGE, 20, 100, 80, 24);
    HWND upDown = child(UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 0, 100, 100, 16, 24);
    SendMessageA(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageA(upDown, UDM_SETRANGE32, 0, 1000);
    HWND h = header(HDS_BUTTONS);
    HIMAGELIST images = icons(2);
    SendMessageA(h, HDM_SETIMAGELIST, HDSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    addColumn(h, "左", 100);
    addColumn(h, "图标", 100, HDF_CENTER, 1);
    addColumn(h, "窄", 0, HDF_RIGHT, 0);               // a column of no width with an icon
    addColumn(h, "很长的标题文字", 10, HDF_RIGHT, 7);  // an image the list does not have
    skinAndShow();
    auto hover = [&](int i) {
        SendMessageA(upDown, WM_MOUSEMOVE, 0, at(8, i % 2 ? 4 : 20));
        SendMessageA(h, WM_MOUSEMOVE, 0, at(i % 3 == 2 ? 98 : 30 + 100 * (i % 3), 12));
        if (i % 4 == 3) {
            SendMessageA(upDown, WM_MOUSELEAVE, 0, 0);
            SendMessageA(h, WM_MOUSELEAVE, 0, 0);
        }
    };
    auto move = [&](int i) {
        SendMessageA(upDown, UDM_SETPOS32, 0, i);
        HDITEMA width{};
        width.mask = HDI_WIDTH;
        width.cxy = 60 + i % 80;
        SendMessageA(h, HDM_SETITEMA, 1, reinterpret_cast<LPARAM>(&width));
        UpdateWindow(upDown);
        UpdateWindow(h);
    };
    for (int i = 0; i < 10; ++i) hover(i), move(i);
    skintest::pump();
    const int objects = support::liveGdiObjectCount();
    const int canvases = registeredMemoryDcCount();
    for (int i = 0; i < 1000; ++i) hover(i);
    for (int i = 0; i < 200; ++i) move(i);
    skintest::pump();
    EXPECT_EQ(support::liveGdiObjectCount(), objects);
    EXPECT_EQ(registeredMemoryDcCount(), canvases);
    EXPECT_EQ(SendMessageA(upDown, UDM_GETPOS32, 0, 0), 199);
    EXPECT_EQ(win::windowText(buddy), "199");
    DestroyWindow(h);
    ImageList_Destroy(images);
}

// ---- The gallery's report list view, destroyed and made again -------------------------------------

TEST(GalleryListView, RecreatingItFiftyTimesLeavesNoGdiObjectAndEveryImageListInPlace) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    gallery::startSkinModule();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(gallery::registerGalleryClass(instance));
    HWND window = gallery::createGalleryWindow(instance);
    ASSERT_NE(window, nullptr);
    gallery::skinGalleryWindow(window);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    gallery::settle(window);
    const gallery::ControlSpec& spec = *gallery::findControl(gallery::id::ReportListView);
    HWND buttons = GetDlgItem(window, gallery::id::ButtonHeader);
    const auto headerImages = reinterpret_cast<HIMAGELIST>(SendMessageA(buttons, HDM_GETIMAGELIST, 0, 0));
    ASSERT_NE(headerImages, nullptr);
    HIMAGELIST rowImages = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 0);
    ImageList_AddIcon(rowImages, LoadIconA(nullptr, IDI_APPLICATION));
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(window, spec.id), WM_GETFONT, 0, 0));

    auto recreate = [&] {
        DestroyWindow(GetDlgItem(window, spec.id));
        HWND list = CreateWindowExA(
            spec.exStyle, spec.className, "", WS_CHILD | WS_VISIBLE | spec.style | LVS_SHAREIMAGELISTS, spec.x, spec.y,
            spec.width, spec.height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowImages));
        for (int i = 0; i < 4; ++i) {
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = 80;
            column.pszText = const_cast<char*>("列");
            SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        }
        HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        SendMessageA(header, HDM_SETIMAGELIST, HDSIL_NORMAL, reinterpret_cast<LPARAM>(rowImages));
        skinHeaders(windowIndexOf(window), window);
        UpdateWindow(list);
        skintest::pump();
    };
    recreate();
    const int objects = support::liveGdiObjectCount();
    for (int i = 0; i < 50; ++i) recreate();
    skintest::pump();
    EXPECT_EQ(support::liveGdiObjectCount(), objects);
    EXPECT_EQ(ImageList_GetImageCount(rowImages), 1);
    EXPECT_EQ(ImageList_GetImageCount(headerImages), 2);
    // The last list view's header is a skinned one.
    HWND header = reinterpret_cast<HWND>(SendMessageA(GetDlgItem(window, spec.id), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(recordOf(window)->headers.back().hwnd, header);
    DestroyWindow(window);
    skintest::pump();
    ImageList_Destroy(rowImages);
    gallery::stopSkinModule();
}

}  // namespace
