// Skinned toolbars and containers: the button layout and greying rules, the
// painters over a known backdrop, and real toolbars in a skinned window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/controls/containers.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/family.h"
#include "skin/controls/toolbar.h"
#include "skin/window/compose.h"
#include "skin/window/property_keys.h"
#include "skin/window/window_dc.h"
#include "tests/gfx/canvas.h"
#include "tests/skin/skinned_window_fixture.h"
#include "tests/support/gdi_count.h"
#include "win/handles.h"
#include "win/props.h"

namespace {

using namespace skin;
using gfxtest::nearRgb;

constexpr COLORREF kBackdrop = RGB(40, 80, 120);
constexpr gfx::ARGB kBackdropArgb = 0xFF285078;
constexpr COLORREF kRed = RGB(200, 40, 40);

// ---- Rules ------------------------------------------------------------------------------

TEST(ToolbarRules, ButtonPartsGoBelowOrBesideTheIconAndADropDownKeepsRoomForItsArrow) {
    struct Case {
        const char* name;
        RECT button;
        SIZE icon;
        BYTE style;
        bool greyed, beside;
        POINT icon_;
        gfx::RectF caption;
    };
    const Case cases[] = {
        {"below", {10, 0, 70, 40}, {16, 16}, BTNS_BUTTON, false, false, {32, 2}, {10, 16, 60, 24}},
        {"below, autosize", {10, 0, 71, 40}, {16, 16}, BTNS_AUTOSIZE, false, false, {32, 2}, {10, 16, 61, 24}},
        {"below, drop-down: icon 5 left",
         {10, 0, 70, 40},
         {16, 16},
         BTNS_DROPDOWN,
         false,
         false,
         {27, 2},
         {10, 16, 48, 24}},
        {"below, greyed drop-down: centred",
         {10, 0, 70, 40},
         {16, 16},
         BTNS_DROPDOWN,
         true,
         false,
         {32, 2},
         {10, 16, 48, 24}},
        {"below, whole drop-down",
         {10, 0, 70, 40},
         {16, 16},
         BTNS_WHOLEDROPDOWN,
         false,
         false,
         {27, 2},
         {10, 16, 48, 24}},
        {"below, no icon", {10, 5, 70, 45}, {0, 0}, BTNS_BUTTON, false, false, {40, 7}, {10, 5, 60, 40}},
        {"beside", {0, 3, 80, 27}, {16, 16}, BTNS_BUTTON, false, true, {2, 7}, {16, 5, 64, 24}},
        {"beside, drop-down", {0, 3, 80, 27}, {16, 16}, BTNS_DROPDOWN, false, true, {2, 7}, {16, 5, 52, 24}},
        {"odd room truncates", {0, 0, 23, 23}, {16, 16}, BTNS_BUTTON, false, true, {2, 3}, {16, 2, 7, 23}},
    };
    for (const Case& c : cases) {
        const ToolbarButtonLayout k = layoutToolbarButton(c.button, c.icon, c.style, c.greyed, c.beside);
        EXPECT_EQ(k.icon.x, c.icon_.x) << c.name;
        EXPECT_EQ(k.icon.y, c.icon_.y) << c.name;
        EXPECT_FLOAT_EQ(k.caption.x, c.caption.x) << c.name;
        EXPECT_FLOAT_EQ(k.caption.y, c.caption.y) << c.name;
        EXPECT_FLOAT_EQ(k.caption.width, c.caption.width) << c.name;
        EXPECT_FLOAT_EQ(k.caption.height, c.caption.height) << c.name;
        EXPECT_EQ(k.arrow.x, c.button.right - 8) << c.name;
        EXPECT_EQ(k.arrow.y, c.button.top + (c.button.bottom - c.button.top - 4) / 2) << c.name;
    }
}

TEST(ToolbarRules, ButtonTypesAreTestedWithMasks) {
    struct Case {
        BYTE style;
        bool separator, icon, dropDown;
    };
    const Case cases[] = {
        {BTNS_BUTTON, false, true, false},
        {BTNS_SEP, true, false, false},
        {BTNS_CHECK, false, true, false},
        {BTNS_CHECKGROUP, false, true, false},
        {BTNS_DROPDOWN, false, true, true},
        {BTNS_WHOLEDROPDOWN, false, true, true},
        {BTNS_AUTOSIZE, false, true, false},
        {BTNS_SHOWTEXT | BTNS_CHECK, false, true, false},
        {BTNS_AUTOSIZE | BTNS_DROPDOWN, false, true, true},
        {BTNS_NOPREFIX | BTNS_WHOLEDROPDOWN | BTNS_AUTOSIZE, false, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isSeparator(c.style), c.separator) << int(c.style);
        EXPECT_EQ(showsIcon(c.style), c.icon) << int(c.style);
        EXPECT_EQ(isDropDown(c.style), c.dropDown) << int(c.style);
    }
}

TEST(ToolbarRules, GreyedMeansIndeterminateOrNotEnabledAndForAWholeDropDownNoOtherState) {
    struct Case {
        BYTE state, style;
        bool greyed;
    };
    const Case cases[] = {
        {TBSTATE_ENABLED, BTNS_BUTTON, false},
        {0, BTNS_BUTTON, true},
        {TBSTATE_ENABLED | TBSTATE_INDETERMINATE, BTNS_BUTTON, true},
        {TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, false},
        {0, BTNS_WHOLEDROPDOWN, true},
        {TBSTATE_INDETERMINATE, BTNS_WHOLEDROPDOWN, true},
        {TBSTATE_ENABLED, BTNS_WHOLEDROPDOWN, false},
        {TBSTATE_ENABLED | TBSTATE_INDETERMINATE, BTNS_WHOLEDROPDOWN, false},
    };
    for (const Case& c : cases) EXPECT_EQ(isGreyed(c.state, c.style), c.greyed) << int(c.state) << "/" << int(c.style);
}

TEST(ToolbarRules, ASeparatorAtTheLeftEdgeThatIsNotTheFirstButtonStartsANewRow) {
    EXPECT_TRUE(startsNewRow(0, 12));
    EXPECT_TRUE(startsNewRow(9, 1));
    EXPECT_FALSE(startsNewRow(10, 12));
    EXPECT_FALSE(startsNewRow(0, 0));
}

TEST(ToolbarRules, PressedWinsOverCheckedAndCheckedOverHotAndSmallButtonsHaveNoHighlight) {
    EXPECT_EQ(toolbarHighlightOf(TBSTATE_PRESSED | TBSTATE_CHECKED, true), ToolbarHighlight::Pressed);
    EXPECT_EQ(toolbarHighlightOf(TBSTATE_CHECKED, true), ToolbarHighlight::Checked);
    EXPECT_EQ(toolbarHighlightOf(TBSTATE_ENABLED, true), ToolbarHighlight::Hot);
    EXPECT_EQ(toolbarHighlightOf(TBSTATE_ENABLED, false), ToolbarHighlight::None);
    // The glow's focus scales divide by the size and need room for the insets.
    EXPECT_TRUE(highlightFits(ToolbarHighlight::Hot, 5, 7));
    EXPECT_FALSE(highlightFits(ToolbarHighlight::Hot, 5, 6));
    EXPECT_FALSE(highlightFits(ToolbarHighlight::Hot, 0, 0));
    EXPECT_TRUE(highlightFits(ToolbarHighlight::Checked, 5, 5));
    EXPECT_FALSE(highlightFits(ToolbarHighlight::Checked, 4, 20));
    EXPECT_TRUE(highlightFits(ToolbarHighlight::Pressed, 1, 1));
    EXPECT_FALSE(highlightFits(ToolbarHighlight::Pressed, 0, 20));
}

TEST(ToolbarRules, GreyedPixelsAreTheirMeanGreyReddishWhenIndeterminateAndGreysBecomeTransparent) {
    struct Case {
        COLORREF in;
        COLORREF disabled, indeterminate;
    };
    const Case cases[] = {
        {RGB(0, 0, 0), 0, 0},
        {RGB(255, 255, 255), 0, 0},
        {RGB(128, 128, 128), 0, 0},
        {RGB(200, 40, 40), RGB(93, 93, 93), RGB(113, 93, 93)},
        {RGB(1, 0, 0), 0, RGB(20, 0, 0)},
        {RGB(10, 20, 31), RGB(20, 20, 20), RGB(40, 20, 20)},
        // red stops at 255 instead of spilling into green
        {RGB(255, 255, 254), RGB(254, 254, 254), RGB(255, 254, 254)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(greyedPixel(c.in, false), c.disabled) << std::hex << c.in;
        EXPECT_EQ(greyedPixel(c.in, true), c.indeterminate) << std::hex << c.in;
    }
}

// ---- Painters -------------------------------------------------------------------------------

// A blend of colour over base at alpha, channel by channel.
gfx::ARGB over(gfx::ARGB base, COLORREF colour, int alpha) {
    auto mix = [&](int b, int c) { return (b * (255 - alpha) + c * alpha + 127) / 255; };
    const int r = mix(gfxtest::channel(base, 16), GetRValue(colour));
    const int g = mix(gfxtest::channel(base, 8), GetGValue(colour));
    const int b = mix(gfxtest::channel(base, 0), GetBValue(colour));
    return 0xFF000000u | (static_cast<gfx::ARGB>(r) << 16) | (static_cast<gfx::ARGB>(g) << 8) |
           static_cast<gfx::ARGB>(b);
}

class ToolbarPaint : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gfx::startup(token); }
    static void TearDownTestSuite() {
        releaseArrowGlyphImages();
        gfx::shutdown(token);
    }
    void SetUp() override { canvas.fill(kBackdropArgb); }
    ToolbarButtonLook button(RECT rect, BYTE state, BYTE style, bool hot = false) {
        ToolbarButtonLook k;
        k.rect = rect;
        k.index = 3;
        k.state = state;
        k.style = style;
        k.hot = hot;
        k.toolbarWidth = canvas.width();
        return k;
    }
    static inline ULONG_PTR token = 0;
    gfxtest::Canvas canvas{200, 80};
};

// A 16 x 16 icon: red on the left half, white at the top right, black at the
// bottom right.
win::OwnedIcon testIcon() {
    win::OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    HDC screen = GetDC(nullptr);
    win::OwnedBitmap colour(CreateCompatibleBitmap(screen, 16, 16));
    ReleaseDC(nullptr, screen);
    win::OwnedBitmap mask(CreateBitmap(16, 16, 1, 1, nullptr));
    {
        win::SelectedObject selected(dc.get(), colour.get());
        auto paint = [&](RECT r, COLORREF c) {
            win::OwnedBrush brush(CreateSolidBrush(c));
            FillRect(dc.get(), &r, brush.get());
        };
        paint({0, 0, 8, 16}, kRed);
        paint({8, 0, 16, 8}, RGB(255, 255, 255));
        paint({8, 8, 16, 16}, RGB(0, 0, 0));
    }
    {
        win::SelectedObject selected(dc.get(), mask.get());
        PatBlt(dc.get(), 0, 0, 16, 16, BLACKNESS);  // opaque everywhere
    }
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    return win::OwnedIcon(CreateIconIndirect(&info));
}

TEST_F(ToolbarPaint, ANormalButtonLeavesTheBackdropAndTheHighlightsBrightenItsMiddle) {
    const RECT r{10, 10, 70, 50};
    const POINT middle{40, 30};
    paintToolbarButton(canvas.dc(), button(r, TBSTATE_ENABLED, BTNS_BUTTON), nullptr);
    EXPECT_EQ(canvas.count(kBackdropArgb, 0, 0, 200, 80), 200 * 80);

    const COLORREF accent = kDefaultAccent;
    // Hot: a white wash, a trace of the accent, a faint white centre.
    const gfx::ARGB hot = over(over(over(kBackdropArgb, 0xFFFFFF, 100), accent, 10), 0xFFFFFF, 10);
    paintToolbarButton(canvas.dc(), button(r, TBSTATE_ENABLED, BTNS_BUTTON, true), nullptr);
    EXPECT_TRUE(nearRgb(canvas.pixel(middle.x, middle.y), hot, 8)) << std::hex << canvas.pixel(middle.x, middle.y);
    // The rim is darker than the face just inside it.
    EXPECT_LT(gfxtest::channel(canvas.pixel(10, 30), 16), gfxtest::channel(canvas.pixel(13, 30), 16));

    // Checked: brighter, the centre white at alpha 100 over the accent.
    canvas.fill(kBackdropArgb);
    const gfx::ARGB checked = over(over(over(kBackdropArgb, 0xFFFFFF, 100), accent, 16), 0xFFFFFF, 100);
    paintToolbarButton(canvas.dc(), button(r, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK), nullptr);
    EXPECT_TRUE(nearRgb(canvas.pixel(middle.x, middle.y), checked, 8)) << std::hex << canvas.pixel(middle.x, middle.y);

    // Pressed: dark at the top, light at the bottom.
    canvas.fill(kBackdropArgb);
    paintToolbarButton(canvas.dc(), button(r, TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, true), nullptr);
    EXPECT_TRUE(nearRgb(canvas.pixel(40, 12), over(kBackdropArgb, 0, 60), 10)) << std::hex << canvas.pixel(40, 12);
    EXPECT_TRUE(nearRgb(canvas.pixel(40, 47), over(kBackdropArgb, 0xFFFFFF, 96), 12))
        << std::hex << canvas.pixel(40, 47);
}

TEST_F(ToolbarPaint, ButtonsTooSmallForTheGlowGetNoHighlight) {
    paintToolbarButton(canvas.dc(), button({10, 10, 14, 14}, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK), nullptr);
    paintToolbarButton(canvas.dc(), button({30, 10, 60, 16}, TBSTATE_ENABLED, BTNS_BUTTON, true), nullptr);
    paintToolbarButton(canvas.dc(), button({70, 10, 70, 40}, TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON), nullptr);
    EXPECT_EQ(canvas.count(kBackdropArgb, 0, 0, 200, 80), 200 * 80);
}

TEST_F(ToolbarPaint, ADropDownShowsItsSplitWhenLitAndItsArrowAlways) {
    const RECT r{10, 10, 70, 50};
    paintToolbarButton(canvas.dc(), button(r, TBSTATE_ENABLED, BTNS_DROPDOWN), nullptr);
    // The arrow's 7 x 4 glyph at (W - 8, (H - 4) / 2), its widest row at the top.
    EXPECT_GT(canvas.count(kBackdropArgb, 0, 0, 200, 80), 200 * 80 - 7 * 4 - 1);
    EXPECT_LT(canvas.count(kBackdropArgb, 62, 28, 69, 32), 28);
    EXPECT_EQ(canvas.count(kBackdropArgb, 0, 0, 60, 80), 60 * 80);

    paintToolbarButton(canvas.dc(), button(r, TBSTATE_ENABLED, BTNS_DROPDOWN, true), nullptr);
    const int split = r.right - 12;
    const gfx::ARGB left = canvas.pixel(split - 2, 30), dark = canvas.pixel(split, 30),
                    light = canvas.pixel(split + 1, 30);
    EXPECT_LT(gfxtest::channel(dark, 8), gfxtest::channel(left, 8) - 20) << std::hex << dark << " " << left;
    EXPECT_GT(gfxtest::channel(light, 8), gfxtest::channel(left, 8) + 10) << std::hex << light << " " << left;
}

TEST_F(ToolbarPaint, SeparatorsAreEtchedDownwardsOrAcrossTheToolbarWhereARowStarts) {
    const gfx::ARGB dark = over(kBackdropArgb, 0, 100), light = over(kBackdropArgb, 0xFFFFFF, 150);
    // within a row: a vertical line in the middle of the separator
    paintToolbarButton(canvas.dc(), button({100, 0, 108, 40}, TBSTATE_ENABLED, BTNS_SEP), nullptr);
    EXPECT_TRUE(nearRgb(canvas.pixel(103, 20), dark, 6)) << std::hex << canvas.pixel(103, 20);
    EXPECT_TRUE(nearRgb(canvas.pixel(104, 20), light, 6)) << std::hex << canvas.pixel(104, 20);
    EXPECT_EQ(canvas.pixel(103, 1), kBackdropArgb);
    EXPECT_EQ(canvas.count(kBackdropArgb, 0, 0, 102, 80), 102 * 80);

    // starting a row: a horizontal line from 3 in to 6 before the toolbar's end
    canvas.fill(kBackdropArgb);
    paintToolbarButton(canvas.dc(), button({0, 40, 8, 48}, TBSTATE_ENABLED, BTNS_SEP), nullptr);
    EXPECT_TRUE(nearRgb(canvas.pixel(100, 43), dark, 6)) << std::hex << canvas.pixel(100, 43);
    EXPECT_TRUE(nearRgb(canvas.pixel(100, 44), light, 6)) << std::hex << canvas.pixel(100, 44);
    EXPECT_TRUE(nearRgb(canvas.pixel(190, 43), dark, 6));
    EXPECT_EQ(canvas.pixel(1, 43), kBackdropArgb);
    EXPECT_EQ(canvas.pixel(197, 43), kBackdropArgb);

    // the first button never starts a row
    canvas.fill(kBackdropArgb);
    ToolbarButtonLook first = button({0, 0, 8, 40}, TBSTATE_ENABLED, BTNS_SEP);
    first.index = 0;
    paintToolbarButton(canvas.dc(), first, nullptr);
    EXPECT_TRUE(nearRgb(canvas.pixel(3, 20), dark, 6));
    EXPECT_EQ(canvas.pixel(100, 35), kBackdropArgb);
}

TEST_F(ToolbarPaint, DisabledIconsTurnGreyAndIndeterminateOnesReddishTheirWhiteAndBlackLeftOut) {
    win::OwnedIcon icon = testIcon();
    ASSERT_TRUE(icon);
    struct Case {
        BYTE state;
        gfx::ARGB red;  // what the red half becomes
    };
    const Case cases[] = {
        {TBSTATE_ENABLED, 0xFFC82828},
        {0, 0xFF5D5D5D},
        {TBSTATE_ENABLED | TBSTATE_INDETERMINATE, 0xFF715D5D},
    };
    for (const Case& c : cases) {
        canvas.fill(kBackdropArgb);
        ToolbarButtonLook k = button({10, 10, 70, 50}, c.state, BTNS_BUTTON);
        k.icon = SIZE{16, 16};
        paintToolbarButton(canvas.dc(), k, icon.get());
        // centred across, 2 below the top
        const int x = 10 + (60 - 16) / 2, y = 12;
        EXPECT_TRUE(nearRgb(canvas.pixel(x + 3, y + 8), c.red, 2))
            << int(c.state) << std::hex << " " << canvas.pixel(x + 3, y + 8);
        if (c.state == TBSTATE_ENABLED) continue;
        EXPECT_EQ(canvas.count(kBackdropArgb, x + 8, y, x + 16, y + 16), 8 * 16) << int(c.state);
    }
}

// ---- Real toolbars ------------------------------------------------------------------------------

class SkinnedToolbar : public skintest::SkinnedWindowTest {
protected:
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        icons = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
        addIcon(icons, kRed);
    }
    void TearDown() override {
        SkinnedWindowTest::TearDown();
        ImageList_Destroy(icons);
    }
    static void addIcon(HIMAGELIST list, COLORREF c) {
        HDC screen = GetDC(nullptr);
        win::OwnedBitmap picture(CreateCompatibleBitmap(screen, 16, 16));
        ReleaseDC(nullptr, screen);
        {
            win::OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
            win::SelectedObject selected(dc.get(), picture.get());
            win::OwnedBrush brush(CreateSolidBrush(c));
            RECT r{0, 0, 16, 16};
            FillRect(dc.get(), &r, brush.get());
        }
        ImageList_AddMasked(list, picture.get(), RGB(255, 0, 255));
    }
    HWND toolbar(const std::vector<TBBUTTON>& buttons, DWORD style = 0) {
        HWND t = child(TOOLBARCLASSNAMEA, TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | style, 0,
                       10, 40, 400, 50);
        SendMessageA(t, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageA(t, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(icons));
        SendMessageA(t, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
        return t;
    }
    static TBBUTTON tb(int image, int command, BYTE state, BYTE style, const char* text) {
        TBBUTTON b{};
        b.iBitmap = image;
        b.idCommand = command;
        b.fsState = state;
        b.fsStyle = style;
        b.iString = text ? reinterpret_cast<INT_PTR>(text) : -1;
        return b;
    }
    RECT itemRect(HWND t, int index) {
        RECT r{};
        SendMessageA(t, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // The toolbar's pixel as the composition cache holds it after a paint.
    COLORREF cached(HWND t, POINT p) {
        MapWindowPoints(t, main, &p, 1);
        return GetPixel(record(1).caches.compositionCache, p.x, p.y);
    }
    HIMAGELIST icons = nullptr;
};

TEST_F(SkinnedToolbar, PaintsItsButtonsOverTheSkinAndCopiesItselfFromTheCacheOnceClean) {
    HWND t = toolbar({tb(0, 101, TBSTATE_ENABLED, BTNS_BUTTON, "one")});
    skinAndShow();
    auto ref = controlRefOf(t, &WindowRecord::toolbars, true);
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->slot, 1);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(t, GWLP_WNDPROC)), toolbarSkinProc);
    EXPECT_EQ(win::prop<HIMAGELIST>(t, keys::kControlBitmap), icons);
    EXPECT_FALSE(ref->item.dirty);
    const RECT b = itemRect(t, 0);
    EXPECT_EQ(cached(t, {b.right + 20, 10}), kBackdrop);
    // the icon, centred across the button, 2 below its top
    EXPECT_EQ(cached(t, {b.left + (b.right - b.left - 16) / 2 + 8, b.top + 10}), kRed);
}

TEST_F(SkinnedToolbar, AnImageListReplacedLaterIsTheOneItPaintsWith) {
    HWND t = toolbar({tb(0, 101, TBSTATE_ENABLED, BTNS_BUTTON, nullptr)});
    skinAndShow();
    HIMAGELIST blue = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0);
    addIcon(blue, RGB(20, 40, 220));
    SendMessageA(t, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(blue));
    ImageList_Destroy(icons);
    icons = blue;
    paintToolbar(t);
    const RECT b = itemRect(t, 0);
    EXPECT_EQ(cached(t, {b.left + (b.right - b.left - 16) / 2 + 8, b.top + 10}), RGB(20, 40, 220));
}

TEST_F(SkinnedToolbar, CaptionsAreReadWholeAndAButtonWithoutOneHasNone) {
    const std::string longCaption(300, 'x');
    HWND t = toolbar({tb(0, 101, TBSTATE_ENABLED, BTNS_BUTTON, longCaption.c_str()),
                      tb(0, 102, TBSTATE_ENABLED, BTNS_BUTTON, nullptr)});
    skinAndShow();
    EXPECT_EQ(toolbarButtonCaption(t, 101), longCaption);
    EXPECT_EQ(toolbarButtonCaption(t, 102), "");
    EXPECT_EQ(toolbarButtonCaption(t, 999), "");
}

TEST_F(SkinnedToolbar, RepaintingEveryKindOfButtonLeavesNoGdiObjectBehind) {
    HWND t = toolbar({tb(0, 101, TBSTATE_ENABLED, BTNS_BUTTON, "a"), tb(8, 0, TBSTATE_ENABLED, BTNS_SEP, nullptr),
                      tb(0, 102, TBSTATE_ENABLED | TBSTATE_HIDDEN, BTNS_BUTTON, "h"),
                      tb(0, 103, TBSTATE_ENABLED, BTNS_AUTOSIZE, "auto"),
                      tb(0, 104, TBSTATE_ENABLED, BTNS_SHOWTEXT | BTNS_CHECK, "t"), tb(0, 105, 0, BTNS_BUTTON, "off"),
                      tb(0, 106, TBSTATE_ENABLED, BTNS_DROPDOWN, "d"),
                      tb(0, 107, TBSTATE_INDETERMINATE, BTNS_WHOLEDROPDOWN, "w")});
    skinAndShow();
    paintToolbar(t);
    const int before = support::liveGdiObjectCount();
    for (int i = 0; i < 100; ++i) paintToolbar(t);
    EXPECT_EQ(support::liveGdiObjectCount(), before);
}

TEST_F(SkinnedToolbar, WithTheSwitchOffToolbarsStillRegisterButNothingElse) {
    setSkinOptions(0, 100);
    HWND t = toolbar({tb(0, 101, TBSTATE_ENABLED, BTNS_BUTTON, "a")});
    HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 100, 100, t,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND button = child("BUTTON", BS_PUSHBUTTON, 0, 10, 200, 80, 24, "b");
    skinAndShow();
    EXPECT_EQ(win::prop<int>(t, keys::kToolbarIndex), 1);
    EXPECT_EQ(win::prop<int>(t, keys::kIndex), 1);  // and a container
    EXPECT_EQ(win::prop<int>(combo, keys::kOwnerIndex), 0);
    EXPECT_EQ(win::prop<int>(button, keys::kOwnerIndex), 0);
}

TEST_F(SkinnedToolbar, AToolbarWithAChildIsAContainerWhoseChildIsSkinnedWithTheWindowsIndex) {
    HWND t = toolbar({tb(150, 0, TBSTATE_ENABLED, BTNS_SEP, nullptr), tb(0, 101, TBSTATE_ENABLED, BTNS_BUTTON, "a")});
    HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 2, 150, 100, t,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND plain = toolbar({tb(0, 201, TBSTATE_ENABLED, BTNS_BUTTON, "p")});
    skinAndShow();
    ContainerItem* container = containerItemOf(t);
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(containerItemOf(plain), nullptr);
    EXPECT_EQ(record(1).containers.size(), 1u);
    EXPECT_EQ(container->clientWidth, 400);
    EXPECT_EQ(container->clientHeight, 50);
    // the container's procedure runs first, then the toolbar's, then the system's
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(t, GWLP_WNDPROC)), containerSkinProc);
    EXPECT_EQ(win::prop<WNDPROC>(t, keys::kPreviousProc), toolbarSkinProc);
    EXPECT_EQ(win::prop<int>(combo, keys::kOwnerIndex), 1);
    EXPECT_EQ(win::prop<int>(combo, keys::kIndex), 1);
    EXPECT_EQ(record(1).comboBoxes.front().hwnd, combo);

    // a child that moves marks its container for a full redraw
    container->recompose = false;
    SetWindowPos(combo, nullptr, 4, 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(container->recompose);

    // the erase never reaches the toolbar: its own procedures would mark it dirty
    auto ref = controlRefOf(t, &WindowRecord::toolbars, true);
    ref->item.dirty = false;
    record(1).activeFlag = true;
    win::WindowDc dc(t);
    EXPECT_EQ(SendMessageA(t, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 1);
    EXPECT_FALSE(ref->item.dirty);
}

TEST_F(SkinnedToolbar, RemovingContainersRewritesTheSlotsOfTheRestAndTheLastLeavesTheEmptyItem) {
    auto withChild = [&] {
        HWND t = toolbar({tb(0, 101, TBSTATE_ENABLED, BTNS_BUTTON, "a")});
        CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, t, nullptr, GetModuleHandleA(nullptr), nullptr);
        return t;
    };
    HWND a = withChild(), b = withChild(), c = withChild();
    skinAndShow();
    ASSERT_EQ(record(1).containers.size(), 3u);
    DestroyWindow(a);
    ASSERT_EQ(record(1).containers.size(), 2u);
    EXPECT_EQ(containerItemOf(b), &record(1).containers[0]);
    EXPECT_EQ(containerItemOf(c), &record(1).containers[1]);
    EXPECT_EQ(win::prop<int>(c, keys::kIndex), 2);
    DestroyWindow(c);
    DestroyWindow(b);
    ASSERT_EQ(record(1).containers.size(), 1u);
    EXPECT_EQ(record(1).containers.front().hwnd, nullptr);
}

TEST_F(SkinnedToolbar, ChildCachesMadeStaleMarkContainersAndToolbarsAndContainersOnlyLeavesToolbars) {
    HWND t = toolbar({tb(0, 101, TBSTATE_ENABLED, BTNS_BUTTON, "a")});
    CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, t, nullptr, GetModuleHandleA(nullptr), nullptr);
    skinAndShow();
    ContainerItem* container = containerItemOf(t);
    ASSERT_NE(container, nullptr);
    ToolbarItem& item = controlRefOf(t, &WindowRecord::toolbars, true)->item;
    container->dirty = container->recompose = item.dirty = false;
    markChildCachesStale(main, true);
    EXPECT_TRUE(container->dirty && container->recompose);
    EXPECT_FALSE(item.dirty);
    markChildCachesStale(main, false);
    EXPECT_TRUE(item.dirty);
}

}  // namespace

namespace {

TEST_F(SkinnedToolbar, TheContainerAnswersItsChildrensColoursAndDrawsItsOwnerDrawnButtons) {
    HWND t = toolbar({tb(0, 101, TBSTATE_ENABLED, BTNS_BUTTON, "a")});
    HWND label = CreateWindowExA(0, "Static", "text", WS_CHILD | WS_VISIBLE, 200, 5, 60, 20, t, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HWND push = CreateWindowExA(0, "BUTTON", "push", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 300, 5, 80, 30, t, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    skinAndShow();
    ASSERT_NE(containerItemOf(t), nullptr);

    win::WindowDc dc(label);
    const auto first = reinterpret_cast<HBRUSH>(
        SendMessageA(t, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(label)));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, win::prop<HBRUSH>(label, keys::kControlBrush));
    EXPECT_EQ(GetObjectType(win::prop<HGDIOBJ>(label, keys::kControlBitmap)), static_cast<DWORD>(OBJ_BITMAP));
    const auto second = reinterpret_cast<HBRUSH>(
        SendMessageA(t, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(label)));
    EXPECT_EQ(second, first);  // nothing behind the label changed: the same pair again
    EXPECT_EQ(SendMessageA(t, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(push)),
              reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));

    // The push button is the window's, made owner-drawn; the system asks the
    // toolbar to draw it, and the skin's face lands in the composition cache.
    EXPECT_EQ(win::prop<int>(push, keys::kOwnerIndex), 1);
    EXPECT_TRUE(win::style(push) & BS_OWNERDRAW);
    InvalidateRect(push, nullptr, TRUE);
    settle();
    EXPECT_NE(cached(push, POINT{40, 4}), kBackdrop);
}

TEST_F(SkinnedToolbar, ATabControlContainerRedrawsOnAPageChangeAndIsClippedToItsRegisteredSize) {
    HWND tab = child(WC_TABCONTROLA, 0, 0, 10, 120, 100, 50);
    CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 80, 30, 70, 50, tab, nullptr, GetModuleHandleA(nullptr),
                    nullptr);
    HWND spin =
        CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD, 0, 0, 10, 10, tab, nullptr, GetModuleHandleA(nullptr), nullptr);
    skinAndShow();
    registerContainer(tab, kContainerDrawsNothing, 0, std::nullopt, std::nullopt);
    ContainerItem* container = containerItemOf(tab);
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(tab, GWLP_WNDPROC)), containerSkinProc);

    container->recompose = false;
    NMHDR changing{tab, 0, static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageA(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&changing));
    EXPECT_TRUE(container->recompose);
    container->recompose = false;
    NMHDR delta{spin, 0, static_cast<UINT>(UDN_DELTAPOS)};
    SendMessageA(main, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&delta));
    EXPECT_TRUE(container->recompose);

    // The child reaches beyond the container's 100 x 50: it is left out of
    // the clip only inside that size.
    gfxtest::Canvas target(200, 100);
    getWindowDcExcludingChildren(tab, target.dc());
    EXPECT_FALSE(PtVisible(target.dc(), 90, 40));
    EXPECT_TRUE(PtVisible(target.dc(), 120, 40));
    EXPECT_TRUE(PtVisible(target.dc(), 90, 60));
}

}  // namespace

namespace {

TEST_F(ToolbarPaint, ACaptionInTheFontMadeOnceForTheToolbarIsDrawnAsInItsOwn) {
    ToolbarButtonLook k = button({10, 10, 90, 60}, TBSTATE_ENABLED, BTNS_BUTTON, true);
    k.caption = "新建文件";
    k.font = ControlFont{"宋体", 12, 0};
    paintToolbarButton(canvas.dc(), k, nullptr);
    gfxtest::Canvas shared(200, 80);
    shared.fill(kBackdropArgb);
    const gfx::Font font = gfx::Font::fromFamilyName(k.font.face, 12, 0);
    paintToolbarButton(shared.dc(), k, nullptr, &font);
    int differing = 0, text = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 200; ++x) {
            if (canvas.pixel(x, y) != shared.pixel(x, y)) ++differing;
            if (gfxtest::channel(canvas.pixel(x, y), 16) < 40) ++text;  // the black caption
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(text, 10);
}

}  // namespace
