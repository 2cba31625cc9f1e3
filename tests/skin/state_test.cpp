#include <gtest/gtest.h>

#include <memory>

#include "skin/window/colour.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/window_record.h"
#include "win/props.h"

namespace {

using namespace skin;

int propOf(HWND w, const char* key) { return win::prop<int>(w, key); }
void setProp(HWND w, const char* key, int v) { win::setProp(w, key, v); }

TEST(Colour, ConversionsSwapRedAndBlueAndCarryAlpha) {
    static_assert(toArgb(0x00FFFFFF, 150) == 0x96FFFFFF);
    static_assert(toArgb(0x000000FF) == 0xFFFF0000);
    static_assert(toArgb(0xAB123456, 0) == 0x00563412);  // the top byte of a COLORREF is ignored
    int alpha = -1;
    EXPECT_EQ(toColorref(0x96FFFFFF, &alpha), 0x00FFFFFFu);
    EXPECT_EQ(alpha, 150);
    EXPECT_EQ(toColorref(0x80112233, &alpha), 0x00332211u);
    EXPECT_EQ(alpha, 0x80);
    for (COLORREF c : {0x000000u, 0x123456u, 0xDDCA22u, 0xFFFFFFu}) EXPECT_EQ(toColorref(toArgb(c, 7)), c);
}

TEST(Settings, AGivenVeilAlphaTurnsTheTransparentListsOn) {
    resetSettings();
    setSkinOptions(1, 100, 0);  // the toolbox's choice
    EXPECT_EQ(settings().veilAlpha, 100);
    EXPECT_EQ(settings().transparentLists, 1);
    EXPECT_EQ(settings().trackbarPanel, 0);
    setSkinOptions(0);
    EXPECT_EQ(settings().controlSkinning, 0);
    EXPECT_EQ(settings().veilAlpha, 160);
    EXPECT_EQ(settings().transparentLists, 0);
    EXPECT_EQ(settings().trackbarPanel, 1);
    resetSettings();
    EXPECT_EQ(settings().accentColour, kDefaultAccent);
}

TEST(MemoryDcRegister, ReleasesOnlyWhatItRegistered) {
    releaseAllMemoryDcs();
    EXPECT_FALSE(releaseMemoryDc(nullptr));
    HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_FALSE(releaseMemoryDc(reinterpret_cast<HDC>(w)));
    HDC unregistered = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(releaseMemoryDc(unregistered));
    EXPECT_EQ(GetObjectType(unregistered), static_cast<DWORD>(OBJ_MEMDC));  // left alone
    DeleteDC(unregistered);
    DestroyWindow(w);

    HDC canvas = newMemoryCanvas(4, 3);
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(registeredMemoryDcCount(), 1);
    auto bitmap = static_cast<HBITMAP>(GetCurrentObject(canvas, OBJ_BITMAP));
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(GetPixel(canvas, 3, 2) & 0xFFFFFF, 0u);

    // Remembering the same context again updates its entry instead of adding one.
    HBITMAP second = createDib32(2, 2);
    HGDIOBJ first = SelectObject(canvas, second);
    DeleteObject(first);
    HDC probe = CreateCompatibleDC(nullptr);
    HGDIOBJ stock = GetCurrentObject(probe, OBJ_BITMAP);  // the shared 1 x 1 default bitmap
    DeleteDC(probe);
    rememberMemoryDc(canvas, second, stock);
    EXPECT_EQ(registeredMemoryDcCount(), 1);

    EXPECT_TRUE(releaseMemoryDc(canvas));
    EXPECT_EQ(registeredMemoryDcCount(), 0);
    EXPECT_EQ(GetObjectType(second), 0u);  // the bitmap went with the context
    EXPECT_FALSE(releaseMemoryDc(canvas));
}

class Records : public ::testing::Test {
protected:
    void TearDown() override {
        clearWindowRecords();
        for (HWND w : windows) DestroyWindow(w);
    }
    HWND newWindow(HWND parent = nullptr) {
        HWND w = CreateWindowExA(0, "STATIC", "", parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10, parent, nullptr, nullptr,
                                 nullptr);
        windows.push_back(w);
        return w;
    }
    int skin(HWND w) {
        auto r = std::make_unique<WindowRecord>();
        r->hwnd = w;
        int index = addWindowRecord(std::move(r));
        setProp(w, keys::kIndex, index);
        return index;
    }
    std::vector<HWND> windows;
};

TEST_F(Records, LookupsAnswerZeroForUnknownWindows) {
    HWND a = newWindow(), stranger = newWindow();
    EXPECT_EQ(skin(a), 1);
    EXPECT_EQ(windowIndexOf(a), 1);
    EXPECT_EQ(findWindowRecord(a), 1);
    EXPECT_EQ(windowIndexOf(stranger), 0);
    EXPECT_EQ(findWindowRecord(stranger), 0);
    EXPECT_EQ(findWindowRecord(nullptr), 0);
    setProp(stranger, keys::kIndex, 7);  // stale index beyond the list
    EXPECT_EQ(windowIndexOf(stranger), 0);
    EXPECT_EQ(record(1).hwnd, a);
    EXPECT_EQ(recordOf(a), &record(1));
    EXPECT_EQ(recordOf(stranger), nullptr);
}

TEST_F(Records, KeepTheirAddressesWhileOthersComeAndGo) {
    HWND first = newWindow(), second = newWindow(), third = newWindow();
    skin(first);
    skin(second);
    WindowRecord* kept = recordOf(second);
    ControlItem* item = &kept->buttons.front();
    for (int i = 0; i < 20; ++i) kept->buttons.emplace_back();  // the list grows
    EXPECT_EQ(&kept->buttons.front(), item);
    skin(third);
    removeWindowRecord(1);
    EXPECT_EQ(recordOf(second), kept);
    EXPECT_EQ(indexOfRecord(*kept), 1);
}

TEST_F(Records, RemovalShiftsLaterRecordsAndRewritesTheirIndices) {
    HWND first = newWindow(), second = newWindow(), third = newWindow();
    skin(first);
    skin(second);
    skin(third);
    HWND button = newWindow(second), toolbar = newWindow(second), thirdEdit = newWindow(third);
    record(2).buttons.emplace_back().hwnd = button;
    setProp(button, keys::kOwnerIndex, 2);
    record(2).toolbars.emplace_back().hwnd = toolbar;
    setProp(toolbar, keys::kToolbarOwnerIndex, 2);
    HWND cover = newWindow(third);
    EditItem edit;
    edit.hwnd = thirdEdit;
    edit.covers.vertical = cover;
    record(3).edits.push_back(edit);
    setProp(thirdEdit, keys::kOwnerIndex, 3);
    setProp(cover, keys::kOwnerIndex, 3);

    removeWindowRecord(1);
    ASSERT_EQ(windowRecords().size(), 2u);
    EXPECT_EQ(record(1).hwnd, second);
    EXPECT_EQ(record(2).hwnd, third);
    EXPECT_EQ(propOf(second, keys::kIndex), 1);
    EXPECT_EQ(propOf(third, keys::kIndex), 2);
    EXPECT_EQ(propOf(button, keys::kOwnerIndex), 1);
    EXPECT_EQ(propOf(toolbar, keys::kToolbarOwnerIndex), 1);
    EXPECT_EQ(propOf(toolbar, keys::kOwnerIndex), 0);
    EXPECT_EQ(propOf(thirdEdit, keys::kOwnerIndex), 2);
    EXPECT_EQ(propOf(cover, keys::kOwnerIndex), 2);  // the edit's scroll bar cover too

    removeWindowRecord(0);  // out of range: nothing happens
    removeWindowRecord(3);
    EXPECT_EQ(windowRecords().size(), 2u);
}

}  // namespace
