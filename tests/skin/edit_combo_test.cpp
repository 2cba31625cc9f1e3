// Skinned edits and combo boxes: their painters on a canvas over a known
// backdrop, and real controls in a skinned window.
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
#include "tests/support/gdi_count.h"
#include "win/props.h"
#include "win/window.h"

namespace {

using namespace skin;
using gfxtest::nearRgb;

constexpr COLORREF kBackdrop = RGB(40, 80, 120);
constexpr gfx::ARGB kBackdropArgb = 0xFF285078;
constexpr COLORREF kAccent = kDefaultAccent;

// Source-over of an ARGB colour over an opaque backdrop, as 0xFFRRGGBB.
gfx::ARGB over(gfx::ARGB colour, gfx::ARGB backdrop) {
    const int a = static_cast<int>(colour >> 24);
    gfx::ARGB out = 0xFF000000;
    for (int shift : {16, 8, 0}) {
        const int c = static_cast<int>((colour >> shift) & 0xFF), b = static_cast<int>((backdrop >> shift) & 0xFF);
        out |= static_cast<gfx::ARGB>((c * a + b * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

gfx::ARGB argbOf(COLORREF c) { return toArgb(c); }

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

COLORREF screenPixel(HWND w, int x, int y) {
    POINT p{x, y};
    ClientToScreen(w, &p);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

// A pixel of the window's whole rectangle (its non-client area included).
COLORREF windowPixel(HWND w, int x, int y) {
    const RECT r = win::windowRect(w);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, r.left + x, r.top + y);
    ReleaseDC(nullptr, screen);
    return c;
}

bool looksLike(COLORREF screen, gfx::ARGB expected, int tolerance = 3) { return nearRgb(argbOf(screen), expected, tolerance); }

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

LRESULT CALLBACK plainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd, msg, wp, lp); }

class SkinnedControls : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = plainProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = "EditComboTestWindow";
        RegisterClassExA(&wc);
        gfx::startup(token);
    }
    static void TearDownTestSuite() {
        releaseCaptionGlyphImages();
        gfx::shutdown(token);
    }
    void SetUp() override {
        resetSettings();
        setSkinOptions(1, 100);
        setGlobalSkin("", {}, kBackdrop);
        main = CreateWindowExA(0, "EditComboTestWindow", "Skinned", WS_POPUP | WS_CLIPCHILDREN, 40, 40, 500, 400,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override {
        if (IsWindow(main)) DestroyWindow(main);
        pump();
        clearWindowRecords();
        releaseAllMemoryDcs();
        resetSettings();
    }
    HWND child(const char* cls, DWORD style, DWORD exStyle, int x, int y, int w, int h, const char* text = "") {
        return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, x, y, w, h, main,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    void skinAndShow() {
        SkinOptions o;
        o.resizable = 0;
        applyWindowSkin(main, o);
        ShowWindow(main, SW_SHOW);
        UpdateWindow(main);
        settle();
    }
    // Lets every posted paint run: the queue is empty and nothing is left
    // to paint.
    void settle() {
        for (int i = 0; i < 50; ++i) {
            pump();
            RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            MSG msg;
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && !GetUpdateRect(main, nullptr, FALSE)) break;
        }
        GdiFlush();
    }
    static inline ULONG_PTR token = 0;
    HWND main = nullptr;
};

TEST_F(SkinnedControls, DropDownListShowsTheSkinnedFaceAndItsSelection) {
    HWND combo = child("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 20, 60, 150, 200);
    for (const char* item : {"one", "two"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    skinAndShow();
    ASSERT_EQ(win::prop<int>(combo, keys::kOwnerIndex), 1);
    EXPECT_EQ(win::windowText(combo), "two");
    const gfx::ARGB veiled = over(0x64FFFFFF, kBackdropArgb);
    EXPECT_TRUE(looksLike(windowPixel(combo, 60, 3), veiled)) << std::hex << windowPixel(combo, 60, 3);
    EXPECT_TRUE(looksLike(windowPixel(combo, 0, 5), over(0x50000000, veiled)));
}

}  // namespace
