// Skinned edits and combo boxes: their painters on a canvas over a known
// backdrop, and real controls in a skinned window.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "gfx/image.h"
#include "gfx/startup.h"
#include "skin/controls/edit_combo.h"
#include "skin/controls/family.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/window/apply_skin.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/compose.h"
#include "skin/window/global_skin.h"
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

constexpr gfx::ARGB kBackdropArgb = 0xFF285078;
constexpr COLORREF kAccent = kDefaultAccent;

gfx::ARGB argbOf(COLORREF c) { return toArgb(c); }

// A pixel of the window's whole rectangle (its non-client area included).
COLORREF windowPixel(HWND w, int x, int y) {
    const RECT r = win::windowRect(w);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, r.left + x, r.top + y);
    ReleaseDC(nullptr, screen);
    return c;
}

bool looksLike(COLORREF screen, gfx::ARGB expected, int tolerance = 3) {
    return nearRgb(argbOf(screen), expected, tolerance);
}

// ---- Painters over a known backdrop ------------------------------------------------------

class Painters : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gfx::startup(token); }
    static void TearDownTestSuite() { gfx::shutdown(token); }
    static inline ULONG_PTR token = 0;
};

EditFrameLook ringLook() {
    EditFrameLook k;
    k.window = SIZE{60, 30};
    k.inner = RECT{2, 2, 58, 28};
    k.border = 2;
    k.veil = toArgb(0xFFFFFF, 100);
    k.accent = kAccent;
    return k;
}

TEST_F(Painters, EditRingIsVeiledAndTheClientAreaLeftAsItWas) {
    gfxtest::Canvas c(60, 30);
    c.fill(kBackdropArgb);
    paintEditRing(c.dc(), RECT{0, 0, 60, 30}, ringLook());
    const gfx::ARGB veiled = over(0x64FFFFFF, kBackdropArgb);
    EXPECT_TRUE(nearRgb(c.pixel(1, 15), veiled, 2)) << std::hex << c.pixel(1, 15);
    EXPECT_TRUE(nearRgb(c.pixel(30, 1), veiled, 2));
    EXPECT_TRUE(nearRgb(c.pixel(30, 15), kBackdropArgb, 0));  // the client area

    // Without the transparent lists the ring is opaque white.
    EditFrameLook plain = ringLook();
    plain.veiled = false;
    plain.border = 0;
    c.fill(kBackdropArgb);
    paintEditRing(c.dc(), RECT{0, 0, 60, 30}, plain);
    EXPECT_TRUE(nearRgb(c.pixel(1, 15), 0xFFFFFFFF, 0));
    EXPECT_TRUE(nearRgb(c.pixel(0, 0), 0xFFFFFFFF, 0));  // no border: no outline either
    EXPECT_TRUE(nearRgb(c.pixel(30, 15), kBackdropArgb, 0));
}

TEST_F(Painters, EditOutlineFollowsTheState) {
    const gfx::ARGB veiled = over(0x64FFFFFF, kBackdropArgb);
    auto outlineAt = [&](EditFrameLook k, int x, int y) {
        gfxtest::Canvas c(60, 30);
        c.fill(kBackdropArgb);
        paintEditRing(c.dc(), RECT{0, 0, 60, 30}, k);
        return c.pixel(x, y);
    };
    EditFrameLook k = ringLook();
    // Normal: black a80 on the outer line, the veil just inside.
    EXPECT_TRUE(nearRgb(outlineAt(k, 0, 15), over(0x50000000, veiled), 2));
    EXPECT_TRUE(nearRgb(outlineAt(k, 59, 29), over(0x50000000, veiled), 2));
    EXPECT_TRUE(nearRgb(outlineAt(k, 1, 15), veiled, 2));
    // Focused: accent a180.
    k.focused = true;
    EXPECT_TRUE(nearRgb(outlineAt(k, 0, 15), over(toArgb(kAccent, 180), veiled), 2));
    // Hot with an edge style: white a60 and accent a90 outside, accent a180 one pixel in.
    k.focused = false;
    k.hot = true;
    EXPECT_TRUE(nearRgb(outlineAt(k, 0, 15), over(toArgb(kAccent, 90), over(0x3CFFFFFF, veiled)), 2));
    EXPECT_TRUE(nearRgb(outlineAt(k, 1, 15), over(toArgb(kAccent, 180), veiled), 2));
    // Hot with WS_BORDER only looks normal.
    k.border = 1;
    EXPECT_TRUE(nearRgb(outlineAt(k, 0, 15), over(0x50000000, veiled), 2));
    EXPECT_TRUE(nearRgb(outlineAt(k, 1, 15), veiled, 2));
}

ComboLook comboLook(bool hot) {
    ComboLook k;
    k.window = SIZE{120, 22};
    k.button = RECT{101, 2, 118, 20};
    k.dropButton = true;
    k.showsText = true;
    k.hot = hot;
    k.background = toArgb(0xFFFFFF, 100);
    k.accent = kAccent;
    k.text = "";
    return k;
}

TEST_F(Painters, ComboFrameDropButtonAndArrow) {
    const gfx::ARGB veiled = over(0x64FFFFFF, kBackdropArgb);
    for (bool hot : {false, true}) {
        gfxtest::Canvas c(120, 22);
        c.fill(kBackdropArgb);
        paintComboFace(c.dc(), RECT{0, 0, 120, 22}, comboLook(hot));
        const gfx::ARGB frame = hot ? toArgb(kAccent, 200) : 0x50000000;
        EXPECT_TRUE(nearRgb(c.pixel(0, 10), over(frame, veiled), 2)) << hot << std::hex << c.pixel(0, 10);
        EXPECT_TRUE(nearRgb(c.pixel(50, 21), over(frame, veiled), 2)) << hot;
        EXPECT_TRUE(nearRgb(c.pixel(50, 10), veiled, 2)) << hot;
        // The button's outline at its left edge, midway down.
        const gfx::ARGB buttonLine = hot ? toArgb(kAccent, 200) : 0x50000000;
        EXPECT_TRUE(nearRgb(c.pixel(101, 11), over(buttonLine, veiled), 3)) << hot << std::hex << c.pixel(101, 11);
        // The face's gradient runs from the top (accent a30, or white a100 hot)
        // to the bottom (accent a100, or accent a150 hot).
        const gfx::ARGB top = over(hot ? 0x64FFFFFF : toArgb(kAccent, 30), veiled);
        const gfx::ARGB bottom = over(toArgb(kAccent, hot ? 150 : 100), veiled);
        EXPECT_TRUE(nearRgb(c.pixel(104, 3), top, 12)) << hot << std::hex << c.pixel(104, 3);
        EXPECT_TRUE(nearRgb(c.pixel(104, 17), bottom, 12)) << hot << std::hex << c.pixel(104, 17) << " " << bottom;
        // The 7 x 4 arrow at (101 + 5, 2 + 7): its top row is 7 black pixels,
        // its bottom row one.
        const gfx::PointF at = dropArrowAt(comboLook(hot).button, SIZE{7, 4});
        EXPECT_FLOAT_EQ(at.x, 106.0f);
        EXPECT_FLOAT_EQ(at.y, 9.0f);
        for (int x = 106; x < 113; ++x) EXPECT_TRUE(nearRgb(c.pixel(x, 9), 0xFF000000, 0)) << x;
        EXPECT_TRUE(nearRgb(c.pixel(109, 12), 0xFF000000, 0));
        EXPECT_FALSE(nearRgb(c.pixel(108, 12), 0xFF000000, 10));
    }
}

TEST_F(Painters, ComboKeysOutItsChildrenAndFocusLightsOnlyTheFrame) {
    ComboLook k = comboLook(false);
    k.focused = true;
    k.keyedOut = {RECT{3, 3, 90, 19}};
    gfxtest::Canvas c(120, 22);
    c.fill(kBackdropArgb);
    paintComboFace(c.dc(), RECT{0, 0, 120, 22}, k);
    const gfx::ARGB veiled = over(0x64FFFFFF, kBackdropArgb);
    EXPECT_EQ(c.pixel(40, 10) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(c.pixel(3, 3) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_TRUE(nearRgb(c.pixel(2, 10), veiled, 2));
    EXPECT_TRUE(nearRgb(c.pixel(0, 10), over(toArgb(kAccent, 200), veiled), 2));
    // The drop button stays black a80 until the pointer is over the box.
    EXPECT_TRUE(nearRgb(c.pixel(101, 11), over(0x50000000, veiled), 3));
}

TEST_F(Painters, VeilColourIsTheControlsOwnWhenItsVeilIsOn) {
    EXPECT_EQ(veilColour(false, RGB(1, 2, 3), 50, 100), 0x64FFFFFFu);
    EXPECT_EQ(veilColour(true, RGB(1, 2, 3), 50, 100), 0x32010203u);
}

// ---- Real controls in a skinned window ----------------------------------------------------

using SkinnedControls = skintest::SkinnedWindowTest;

TEST_F(SkinnedControls, DropDownListShowsTheSkinnedFaceAndItsSelection) {
    HWND combo = child("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 20, 60, 150, 200);
    for (const char* item : {"one", "two"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    skinAndShow();
    ASSERT_EQ(win::prop<int>(combo, keys::kOwnerIndex), 1);
    EXPECT_EQ(win::windowText(combo), "two");
    const gfx::ARGB veiled = over(0x64FFFFFF, kBackdropArgb);
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(combo, 60, 3), veiled); }))
        << std::hex << windowPixel(combo, 60, 3);
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(combo, 0, 5), over(0x50000000, veiled)); }));
}

TEST_F(SkinnedControls, EditsAndComboBoxesAreRegisteredOnceWithTheirProperties) {
    HWND first = child("EDIT", 0, WS_EX_CLIENTEDGE, 20, 60, 100, 20);
    HWND second = child("EDIT", 0, WS_EX_CLIENTEDGE, 20, 100, 100, 20);
    HWND list = child("COMBOBOX", CBS_DROPDOWNLIST, 0, 200, 60, 100, 200);
    HWND dropDown = child("COMBOBOX", CBS_DROPDOWN, 0, 200, 100, 100, 200);
    win::setProp(first, keys::kTextColour, RGB(1, 2, 3));
    skinAndShow();
    const WindowRecord& r = record(1);
    EXPECT_EQ(win::prop<int>(first, keys::kIndex), 1);
    EXPECT_EQ(win::prop<int>(second, keys::kIndex), 2);
    EXPECT_EQ(win::prop<int>(list, keys::kIndex), 1);
    EXPECT_EQ(win::prop<int>(dropDown, keys::kIndex), 2);
    EXPECT_EQ(win::prop<COLORREF>(first, keys::kTextColour), 0u);  // reset at registration
    EXPECT_EQ(win::prop<WNDPROC>(first, keys::kPreviousProc), r.edits[0].previousProcedure);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(list, GWLP_WNDPROC)), &comboSkinProc);
    // With the transparent lists the drop-down combo box's edit field is an
    // edit of its own, without covers.
    HWND field = FindWindowExA(dropDown, nullptr, "Edit", nullptr);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(win::prop<int>(field, keys::kIndex), 3);
    EXPECT_EQ(r.edits[2].covers.vertical, nullptr);
    ASSERT_EQ(r.edits.size(), 3u);
    ASSERT_EQ(r.comboBoxes.size(), 2u);

    // Meeting the same parent again registers nothing twice.
    skinEditsAndComboBoxes(1, main);
    EXPECT_EQ(r.edits.size(), 3u);
    EXPECT_EQ(r.comboBoxes.size(), 2u);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(list, GWLP_WNDPROC)), &comboSkinProc);
}

TEST_F(SkinnedControls, ASimpleComboBoxKeysOutItsFieldAndItsList) {
    HWND simple = child("COMBOBOX", CBS_SIMPLE, 0, 20, 60, 150, 120);
    HWND dropDown = child("COMBOBOX", CBS_DROPDOWN, 0, 200, 60, 150, 200);
    skinAndShow();
    HWND field = FindWindowExA(simple, nullptr, "Edit", nullptr);
    HWND list = FindWindowExA(simple, nullptr, "ComboLBox", nullptr);
    ASSERT_NE(field, nullptr);
    ASSERT_NE(list, nullptr);
    const ComboLook k = comboLookOf(simple, false, false);
    EXPECT_FALSE(k.dropButton);
    EXPECT_TRUE(k.showsText);
    ASSERT_EQ(k.keyedOut.size(), 2u);
    const RECT combo = win::windowRect(simple);
    for (const RECT& keyed : k.keyedOut) {
        const bool isList = keyed.top > win::windowRect(field).bottom - combo.top - 1;
        RECT expected = win::windowRect(isList ? list : field);
        OffsetRect(&expected, -combo.left, -combo.top);
        if (isList) InflateRect(&expected, -2, -2);
        EXPECT_EQ(keyed.left, expected.left) << isList;
        EXPECT_EQ(keyed.top, expected.top) << isList;
        EXPECT_EQ(keyed.right, expected.right) << isList;
        EXPECT_EQ(keyed.bottom, expected.bottom) << isList;
    }
    // A drop-down combo box leaves only its field to itself and draws no text.
    const ComboLook d = comboLookOf(dropDown, false, false);
    EXPECT_TRUE(d.dropButton);
    EXPECT_FALSE(d.showsText);
    EXPECT_EQ(d.keyedOut.size(), 1u);
    // The skinned window itself lies in no parent.
    const RECT none = childRectInParentWindow(main);
    EXPECT_EQ(none.right - none.left, 0);
}

// A combo box whose selected item has no text to give.
LRESULT CALLBACK textlessItems(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == CB_GETLBTEXTLEN) return CB_ERR;
    if (msg == CB_GETLBTEXT) ADD_FAILURE() << "the text of an item without text was read";
    return DefSubclassProc(hwnd, msg, wp, lp);
}

TEST_F(SkinnedControls, ASelectionWithoutTextLeavesTheWindowText) {
    HWND combo = child("COMBOBOX", CBS_DROPDOWNLIST, 0, 20, 60, 150, 200);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetWindowSubclass(combo, textlessItems, 1, 0);
    skinAndShow();
    EXPECT_EQ(win::prop<int>(combo, keys::kOwnerIndex), 1);
    RemoveWindowSubclass(combo, textlessItems, 1);
}

TEST_F(SkinnedControls, TheVeiledSkinShowsThroughAnEditAndItsTextIsDrawnOverIt) {
    HWND edit = child("EDIT", ES_MULTILINE, WS_EX_CLIENTEDGE, 20, 60, 200, 100, "Skin");
    skinAndShow();
    const gfx::ARGB veiled = over(0x64FFFFFF, kBackdropArgb);
    // Client area away from the text, the ring, the outline.
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(edit, 150, 80), veiled); }))
        << std::hex << windowPixel(edit, 150, 80);
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(edit, 1, 50), veiled); }));
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(edit, 0, 50), over(0x50000000, veiled)); }));
    int dark = 0;
    for (int y = 2; y < 20; ++y)
        for (int x = 2; x < 40; ++x) dark += GetRValue(windowPixel(edit, x, y)) < 60;
    EXPECT_GT(dark, 10);
    // The brush handed out is stored with its bitmap, which has the client size.
    const auto bitmap = win::prop<HBITMAP>(edit, keys::kControlBitmap);
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, win::clientSize(edit).cx);
    EXPECT_NE(win::prop<HBRUSH>(edit, keys::kControlBrush), nullptr);
    // The same veiled picture drawn straight onto a context.
    gfxtest::Canvas copy(win::clientSize(edit).cx, win::clientSize(edit).cy);
    paintVeiledBackdrop(edit, copy.dc());
    EXPECT_TRUE(nearRgb(copy.pixel(150, 80), veiled, 2)) << std::hex << copy.pixel(150, 80);

    // Focus lights the outline at once, without a paint of the edit's own.
    SetFocus(edit);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(edit, 0, 50), over(toArgb(kAccent, 180), veiled)); }));
}

// A picture whose every pixel differs from its neighbours.
Bytes gradientPicture(int w, int h) {
    gfx::Bitmap b = gfx::Bitmap::create(w, h, gfx::PixelFormat24bppRGB);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, 0xFF000000u | static_cast<gfx::ARGB>((x * 7 % 256) << 16 | (y * 11 % 256) << 8));
    return b.saveToBytes(gfx::format::Png);
}

// The pixel of a bitmap handed out to a control, as 0xFFRRGGBB.
gfx::ARGB handedOutPixel(HWND control, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, win::prop<HBITMAP>(control, keys::kControlBitmap));
    const COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return argbOf(c);
}

TEST_F(SkinnedControls, TheVeiledPictureIsKeptUntilTheSkinBehindThePlaceOrTheVeilChanges) {
    HWND edit = child("EDIT", ES_MULTILINE, WS_EX_CLIENTEDGE, 20, 60, 200, 100);
    skinAndShow();
    const auto answer = [&] {
        HDC dc = GetDC(edit);
        SendMessageA(main, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
        ReleaseDC(edit, dc);
        return win::prop<HBITMAP>(edit, keys::kControlBitmap);
    };
    const HBITMAP first = answer();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(answer(), first);  // nothing changed: the same pair again
    EXPECT_TRUE(nearRgb(handedOutPixel(edit, 150, 80), over(0x64FFFFFF, kBackdropArgb), 2));

    // A new skin behind the edit: a red tint over the whole window.
    record(1).tintColour = RGB(200, 0, 0);
    record(1).tintAlpha = 255;
    composeWindowSkin(1, false);
    answer();
    EXPECT_TRUE(nearRgb(handedOutPixel(edit, 150, 80), over(0x64FFFFFF, 0xFFC80000), 2))
        << std::hex << handedOutPixel(edit, 150, 80);
    const HBITMAP afterSkin = answer();

    // Another place over a picture that differs from place to place.
    record(1).tintColour = -1;
    setGlobalSkin("", gradientPicture(500, 400), skintest::kSkinColour);
    composeWindowSkin(1, false);
    const gfx::ARGB before = (answer(), handedOutPixel(edit, 10, 10));
    SetWindowPos(edit, nullptr, 120, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    answer();
    EXPECT_NE(handedOutPixel(edit, 10, 10), before);
    gfxtest::Canvas fresh(win::clientSize(edit).cx, win::clientSize(edit).cy);
    paintVeiledBackdrop(edit, fresh.dc());
    EXPECT_TRUE(nearRgb(handedOutPixel(edit, 10, 10), fresh.pixel(10, 10), 0));

    // The edit's own veil.
    win::setProp(edit, keys::kOwnVeil, 1);
    win::setProp(edit, keys::kVeilColour, RGB(0, 0, 0));
    win::setProp(edit, keys::kVeilAlpha, 200);
    answer();
    paintVeiledBackdrop(edit, fresh.dc());
    EXPECT_TRUE(nearRgb(handedOutPixel(edit, 10, 10), fresh.pixel(10, 10), 0));
    EXPECT_NE(afterSkin, nullptr);
}

TEST_F(SkinnedControls, AControlKeepsItsLastTwoLooksOverOneBackdropAndNothingOnceItGoes) {
    HWND edit = child("EDIT", ES_MULTILINE, WS_EX_CLIENTEDGE, 20, 60, 200, 100);
    skinAndShow();
    forgetKeptPaints(edit);
    const int objects = support::liveGdiObjectCount();
    int paints = 0;
    const RECT area{0, 0, 40, 30};
    const auto show = [&](int look) {
        const HBITMAP picture = keptOrPainted(edit, area, look, [&](HDC canvas, const RECT& r) {
            ++paints;
            HBRUSH brush = CreateSolidBrush(RGB(look * 40, 0, 0));
            FillRect(canvas, &r, brush);
            DeleteObject(brush);
        });
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, picture);
        const COLORREF c = GetPixel(dc, 5, 5);
        SelectObject(dc, old);
        DeleteDC(dc);
        return GetRValue(c) == look * 40;
    };
    // Each step: the look shown and the paints made so far.
    const std::pair<int, int> steps[] = {{1, 1}, {1, 1}, {2, 2}, {1, 2}, {2, 2}, {3, 3}, {2, 3}, {1, 4}};
    for (const auto& [look, after] : steps) {
        EXPECT_TRUE(show(look)) << look;
        EXPECT_EQ(paints, after) << look;
    }
    composeWindowSkin(1, false);  // a new window image behind it
    EXPECT_TRUE(show(1));
    EXPECT_EQ(paints, 5);
    forgetKeptPaints(edit);
    EXPECT_EQ(support::liveGdiObjectCount(), objects);
    EXPECT_TRUE(show(1));
    EXPECT_EQ(paints, 6);
    // The edit's handed-out pair goes with it too.
    const int pair = win::prop<HBITMAP>(edit, keys::kControlBitmap) ? 2 : 0;
    DestroyWindow(edit);
    EXPECT_EQ(support::liveGdiObjectCount(), objects - pair);
}

TEST_F(SkinnedControls, WithoutTheTransparentListsEverythingGoesToTheNativeProcedures) {
    setSkinOptions(1);  // no veil alpha given: the transparent lists stay off
    HWND edit = child("EDIT", ES_MULTILINE, WS_EX_CLIENTEDGE, 20, 60, 200, 100);
    HWND dropDown = child("COMBOBOX", CBS_DROPDOWN, 0, 250, 60, 150, 200);
    skinAndShow();
    // The ring is opaque white, the client area the system's own erase.
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(edit, 1, 50), 0xFFFFFFFF, 0); }));
    EXPECT_TRUE(
        onScreenSoon([&] { return looksLike(windowPixel(edit, 150, 80), toArgb(GetSysColor(COLOR_WINDOW)), 2); }));
    EXPECT_EQ(win::prop<HBRUSH>(edit, keys::kControlBrush), nullptr);
    EXPECT_EQ(SendMessageA(main, WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(edit)),
              DefWindowProcA(main, WM_CTLCOLOREDIT, 0, reinterpret_cast<LPARAM>(edit)));
    // The combo box is filled opaque white and its field stays plain.
    EXPECT_TRUE(onScreenSoon([&] { return looksLike(windowPixel(dropDown, 2, 2), 0xFFFFFFFF, 0); }));
    EXPECT_EQ(win::prop<int>(FindWindowExA(dropDown, nullptr, "Edit", nullptr), keys::kOwnerIndex), 0);
}

TEST_F(SkinnedControls, WithTheControlSkinningSwitchOffNothingIsRegistered) {
    setSkinOptions(0, 100);
    HWND edit = child("EDIT", WS_VSCROLL | ES_MULTILINE, WS_EX_CLIENTEDGE, 20, 60, 200, 100);
    HWND combo = child("COMBOBOX", CBS_DROPDOWNLIST, 0, 250, 60, 150, 200);
    skinAndShow();
    EXPECT_EQ(win::prop<int>(edit, keys::kOwnerIndex), 0);
    EXPECT_EQ(win::prop<int>(combo, keys::kOwnerIndex), 0);
    EXPECT_EQ(record(1).edits.size(), 1u);
    EXPECT_EQ(record(1).edits[0].hwnd, nullptr);
    EXPECT_EQ(scrollCoversOf(edit), nullptr);
}

TEST_F(SkinnedControls, AStaticGivesBackItsBrushWhenItGoes) {
    skinAndShow();
    HWND label = child("STATIC", 0, 0, 20, 60, 80, 20, "label");
    const int before = support::liveGdiObjectCount();
    HDC dc = GetDC(label);
    for (int i = 0; i < 5; ++i)
        SendMessageA(main, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    ReleaseDC(label, dc);
    EXPECT_NE(win::prop<HBRUSH>(label, keys::kControlBrush), nullptr);
    EXPECT_EQ(support::liveGdiObjectCount(), before + 2);  // one pair at a time
    DestroyWindow(label);
    EXPECT_EQ(support::liveGdiObjectCount(), before);
}

TEST_F(SkinnedControls, TypingScrollingAndSelectingLeakNothing) {
    HWND edit = child("EDIT", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE, 20, 60, 250, 150);
    HWND first = child("COMBOBOX", CBS_DROPDOWNLIST, 0, 300, 60, 150, 200);
    HWND second = child("COMBOBOX", CBS_DROPDOWNLIST, 0, 300, 100, 150, 200);
    for (HWND combo : {first, second})
        for (const char* item : {"one", "two", "three"})
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    skinAndShow();
    SetFocus(edit);
    int typed = 0;
    auto type = [&](char ch) {
        SendMessageA(edit, WM_KEYDOWN, VkKeyScanA(ch) & 0xFF, 0);
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(ch), 0);
        SendMessageA(edit, WM_KEYUP, VkKeyScanA(ch) & 0xFF, 0);
        if (++typed % 10 == 0) UpdateWindow(edit);
    };
    auto scroll = [&](int i) {
        SendMessageA(edit, WM_VSCROLL, i % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        UpdateWindow(edit);
    };
    auto select = [&](HWND combo, int i) {
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(i % 3), 0);
        SendMessageA(main, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        UpdateWindow(combo);
    };
    // Each once first: the first answers hand out the pairs that stay, and
    // the system makes what it keeps once the edit has more lines than it
    // shows.
    for (int i = 0; i < 400; ++i) type(i % 20 == 19 ? '\r' : 'a');
    scroll(0);
    select(first, 0);
    select(second, 0);
    settle();
    const int objects = support::liveGdiObjectCount();
    const int canvases = registeredMemoryDcCount();
    for (int i = 0; i < 2000; ++i) type(i % 50 == 49 ? '\r' : static_cast<char>('a' + i % 26));
    for (int i = 0; i < 200; ++i) scroll(i);
    for (int i = 0; i < 100; ++i) {
        select(first, i);
        select(second, i);
    }
    settle();
    EXPECT_GT(GetWindowTextLengthA(edit), 2000);
    EXPECT_EQ(support::liveGdiObjectCount(), objects);
    EXPECT_EQ(registeredMemoryDcCount(), canvases);
}

}  // namespace
