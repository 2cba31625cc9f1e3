#include <gtest/gtest.h>

#include <memory>

#include "skin/controls/backdrop.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/window_record.h"
#include "win/handles.h"
#include "win/props.h"

namespace {

using namespace skin;

// A pattern that tells every pixel of a 300 x 200 surface apart.
COLORREF patternAt(int x, int y) { return RGB(x & 0xFF, y & 0xFF, (x >> 8) * 64 + 7); }

void fillPattern(HDC dc, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) SetPixelV(dc, x, y, patternAt(x, y));
}

void setIntProp(HWND w, const char* key, int v) { win::setProp(w, key, v); }

class Backdrop : public ::testing::Test {
protected:
    void SetUp() override {
        top = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 80, 300, 200, nullptr, nullptr, nullptr,
                              nullptr);
        child = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 30, 40, 50, 20, top, nullptr, nullptr, nullptr);
        auto r = std::make_unique<WindowRecord>();
        r->hwnd = top;
        r->caches.backgroundSurface = newMemoryCanvas(300, 200);
        r->caches.compositionCache = newMemoryCanvas(300, 200);
        fillPattern(r->caches.backgroundSurface, 300, 200);
        index = addWindowRecord(std::move(r));
        setIntProp(top, keys::kIndex, index);
        setIntProp(child, keys::kOwnerIndex, index);
    }
    void TearDown() override {
        DestroyWindow(top);
        clearWindowRecords();
        releaseAllMemoryDcs();
    }
    HWND top = nullptr, child = nullptr;
    int index = 0;
};

TEST_F(Backdrop, CanvasHoldsTheSurfaceBehindTheRectangle) {
    EXPECT_EQ(findSkinnedWindow(child), index);
    EXPECT_EQ(findSkinnedWindow(top), index);
    RECT r = controlRectInWindow(child);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right, 80);
    EXPECT_EQ(r.bottom, 60);

    HDC canvas = paintControlBackdrop(child, RECT{0, 0, 50, 20});
    ASSERT_NE(canvas, nullptr);
    for (int y : {0, 7, 19})
        for (int x : {0, 25, 49}) EXPECT_EQ(GetPixel(canvas, x, y), patternAt(30 + x, 40 + y)) << x << "," << y;
    releaseMemoryDc(canvas);

    // An item rectangle away from the client origin takes the matching place.
    canvas = paintControlBackdrop(child, RECT{5, 6, 15, 10});
    for (int y : {0, 3})
        for (int x : {0, 9}) EXPECT_EQ(GetPixel(canvas, x, y), patternAt(35 + x, 46 + y));
    releaseMemoryDc(canvas);

    // The skinned window itself has no offset.
    canvas = paintControlBackdrop(top, RECT{250, 150, 260, 160});
    EXPECT_EQ(GetPixel(canvas, 3, 4), patternAt(253, 154));
    releaseMemoryDc(canvas);
}

TEST_F(Backdrop, ControlOutsideAnySkinnedWindowGetsABlankCanvas) {
    HWND stray = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(findSkinnedWindow(stray), 0);
    HDC canvas = paintControlBackdrop(stray, RECT{0, 0, 20, 20});
    EXPECT_EQ(GetPixel(canvas, 10, 10), 0u);
    releaseMemoryDc(canvas);
    DestroyWindow(stray);
}

TEST_F(Backdrop, PublishingLeavesVisibleChildrenUntouched) {
    HWND grandchild =
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 5, 8, 6, child, nullptr, nullptr, nullptr);
    HDC canvas = newMemoryCanvas(50, 20);
    RECT all{0, 0, 50, 20};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(canvas, &all, red);
    DeleteObject(red);

    HDC cache = record(index).caches.compositionCache;
    publishControlImage(child, canvas, false, false);
    EXPECT_EQ(GetPixel(cache, 31, 41), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(cache, 79, 59), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(cache, 30 + 12, 40 + 7), 0u);  // under the grandchild
    EXPECT_EQ(GetPixel(cache, 29, 40), 0u);           // outside the control

    // A hidden child does not keep its place.
    ShowWindow(grandchild, SW_HIDE);
    publishControlImage(child, canvas, false, false);
    EXPECT_EQ(GetPixel(cache, 30 + 12, 40 + 7), RGB(255, 0, 0));
    releaseMemoryDc(canvas);

    // Without properties a control addresses no record and publishes nothing.
    RemovePropA(child, keys::kOwnerIndex);
    HDC blue = newMemoryCanvas(50, 20);
    HBRUSH b = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(blue, &all, b);
    DeleteObject(b);
    publishControlImage(child, blue, false, false);
    EXPECT_EQ(GetPixel(cache, 31, 41), RGB(255, 0, 0));
    releaseMemoryDc(blue);
}

TEST_F(Backdrop, KeyedPublishingLeavesTheKeyColourOut) {
    HDC canvas = newMemoryCanvas(50, 20);
    RECT left{0, 0, 25, 20}, right{25, 0, 50, 20};
    HBRUSH green = CreateSolidBrush(RGB(0, 200, 0)), magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(canvas, &left, green);
    FillRect(canvas, &right, magenta);
    DeleteObject(green);
    DeleteObject(magenta);

    HDC cache = record(index).caches.compositionCache;
    fillPattern(cache, 300, 200);
    publishControlImageKeyed(child, canvas, RGB(255, 0, 255), false);
    EXPECT_EQ(GetPixel(cache, 30 + 3, 40 + 3), RGB(0, 200, 0));
    EXPECT_EQ(GetPixel(cache, 30 + 40, 40 + 3), patternAt(70, 43));
    releaseMemoryDc(canvas);
}

TEST_F(Backdrop, CopyFromTheCacheLeavesAGivenContextAsItWas) {
    HDC cache = record(index).caches.compositionCache;
    fillPattern(cache, 300, 200);
    HWND grandchild =
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 5, 8, 6, child, nullptr, nullptr, nullptr);
    HDC target = newMemoryCanvas(50, 20);
    paintControlFromCache(child, false, target, false);
    EXPECT_EQ(GetPixel(target, 1, 1), patternAt(31, 41));
    EXPECT_EQ(GetPixel(target, 12, 7), 0u);  // around the visible grandchild

    // The context is still the caller's, with its clip as it was: a second
    // copy reaches the grandchild's place once it is hidden.
    ShowWindow(grandchild, SW_HIDE);
    SetPixelV(target, 12, 7, RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(target, 12, 7), RGB(1, 2, 3));
    paintControlFromCache(child, false, target, false);
    EXPECT_EQ(GetPixel(target, 12, 7), patternAt(42, 47));
    releaseMemoryDc(target);
}

TEST_F(Backdrop, ContentAreaCountsScrollBarsAsContent) {
    HWND both =
        CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE,
                        10, 10, 120, 90, top, nullptr, nullptr, nullptr);
    RECT i = nonClientInsets(both);
    EXPECT_EQ(i.left, 2);
    EXPECT_EQ(i.top, 2);
    EXPECT_EQ(i.right, 118);
    EXPECT_EQ(i.bottom, 88);
    RECT inWindow = controlClientRectInWindow(both);
    EXPECT_EQ(inWindow.left, 12);
    EXPECT_EQ(inWindow.right, 128);

    HWND horizontal = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | ES_MULTILINE,
                                      10, 110, 120, 60, top, nullptr, nullptr, nullptr);
    RECT client;
    GetClientRect(horizontal, &client);
    i = nonClientInsets(horizontal);
    EXPECT_EQ(i.right - i.left, client.right);  // width is the client width
    EXPECT_EQ(i.bottom - i.top, 56);
}

}  // namespace
