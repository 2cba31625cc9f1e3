// The Win32 plumbing every layer shares: typed properties, the child walk,
// class names, mouse words and the scope owners.
#include <gtest/gtest.h>

#include <vector>

#include "win/handles.h"
#include "win/props.h"
#include "win/resources.h"
#include "win/window.h"

namespace {

class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExA(0, "STATIC", "parent", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }
    HWND child(const char* cls, int x = 0) {
        return CreateWindowExA(0, cls, "", WS_CHILD, x, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    }
    HWND parent = nullptr;
};

TEST_F(Windows, PropertiesKeepTheirTypeAndReadZeroWhenAbsent) {
    EXPECT_EQ(win::prop<int>(parent, "Nothing"), 0);
    EXPECT_EQ(win::prop<HWND>(parent, "Nothing"), nullptr);
    win::setProp(parent, "Slot", -5);  // signed values come back signed
    EXPECT_EQ(win::prop<int>(parent, "Slot"), -5);
    win::setProp(parent, "Colour", COLORREF{0x00DDCA22});
    EXPECT_EQ(win::prop<COLORREF>(parent, "Colour"), 0x00DDCA22u);
    win::setProp(parent, "Window", parent);
    EXPECT_EQ(win::prop<HWND>(parent, "Window"), parent);
    win::removeProp(parent, "Window");
    EXPECT_EQ(win::prop<HWND>(parent, "Window"), nullptr);
}

TEST_F(Windows, TheChildWalkVisitsDirectChildrenOfAClassInOrder) {
    HWND a = child("BUTTON", 1), b = child("EDIT", 2), c = child("BUTTON", 3);
    CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 5, 5, b, nullptr, nullptr, nullptr);  // a grandchild
    std::vector<HWND> all, buttons;
    for (HWND w : win::children(parent)) all.push_back(w);
    for (HWND w : win::children(parent, "Button")) buttons.push_back(w);
    EXPECT_EQ(all, (std::vector<HWND>{a, b, c}));
    EXPECT_EQ(buttons, (std::vector<HWND>{a, c}));
    for (HWND w : win::children(nullptr, "NoSuchClass")) ADD_FAILURE() << w;
    EXPECT_TRUE(win::isClass(b, "Edit"));
    EXPECT_TRUE(win::isClass(b, "EDIT"));
    EXPECT_FALSE(win::isClass(b, "Edi"));
    static_assert(win::sameClassName("SysListView32", "syslistview32"));
    static_assert(!win::sameClassName("ListBox", "ComboLBox"));
}

TEST_F(Windows, TextAndRectangles) {
    EXPECT_EQ(win::windowText(parent), "parent");
    SetWindowTextA(parent, "");
    EXPECT_EQ(win::windowText(parent), "");
    HWND c = CreateWindowExA(0, "STATIC", "", WS_CHILD, 30, 40, 50, 20, parent, nullptr, nullptr, nullptr);
    const RECT r = win::rectInParent(c);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(win::width(r), 50);
    EXPECT_EQ(win::height(r), 20);
    EXPECT_EQ(win::clientSize(parent).cx, 200);
}

TEST(MouseWords, AreSigned) {
    EXPECT_EQ(win::mouseX(MAKELPARAM(20, -3)), 20);
    EXPECT_EQ(win::mouseY(MAKELPARAM(20, -3)), -3);
    EXPECT_EQ(win::mousePoint(MAKELPARAM(-1, 7)).x, -1);
}

TEST(ScopeOwners, FreeWhatTheyHoldOnce) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    {
        win::OwnedBrush owned(brush);
        win::OwnedBrush moved(std::move(owned));
        EXPECT_FALSE(owned);
        EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    }
    EXPECT_EQ(GetObjectType(brush), 0u);

    // A selection is undone, and a saved state restored, when the scope ends.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ before = GetCurrentObject(dc, OBJ_BRUSH);
    win::OwnedBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    {
        win::SelectedObject selected(dc, red.get());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), red.get());
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), before);
    {
        win::SavedDcState saved(dc);
        SetBkMode(dc, TRANSPARENT);
    }
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    DeleteDC(dc);
    EXPECT_EQ(win::adoptFileHandle<win::OwnedHandle>(INVALID_HANDLE_VALUE).get(), nullptr);
}

TEST(CarriedBytes, AreEmptyForAMissingResource) { EXPECT_TRUE(win::carriedBytes("NO_SUCH_RESOURCE").empty()); }

}  // namespace
