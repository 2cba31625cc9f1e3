// Skinned buttons in a real skinned window: which buttons are taken and how,
// what the skin procedure does with the mouse and the system's messages, and
// what the window's owner-draw handling paints.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "skin/controls/backdrop.h"
#include "skin/controls/button.h"
#include "skin/controls/dispatch.h"
#include "skin/controls/menu_table.h"
#include "skin/controls/owner_draw.h"
#include "skin/window/apply_skin.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/memory_dc.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/window_record.h"
#include "tests/support/button_looks.h"
#include "tests/support/gdi_count.h"
#include "win/handles.h"
#include "win/props.h"
#include "win/window.h"

namespace {

using namespace skin;

constexpr COLORREF kBackdrop = RGB(40, 90, 160);
constexpr COLORREF kGrey = RGB(192, 192, 192);
constexpr COLORREF kSentinel = RGB(255, 0, 255);

// What the parent window heard from its buttons.
struct Notifications {
    std::map<int, int> clicked, doubleClicked;
    int disableOnClick = -1;  // the id of a button that disables itself when clicked
};
Notifications heard;

LRESULT CALLBACK parentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && lp) {
        const int id = LOWORD(wp);
        if (HIWORD(wp) == BN_CLICKED) {
            ++heard.clicked[id];
            if (id == heard.disableOnClick) EnableWindow(reinterpret_cast<HWND>(lp), FALSE);
        }
        if (HIWORD(wp) == BN_DOUBLECLICKED) ++heard.doubleClicked[id];
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

template <class Condition>
bool pumpUntil(Condition&& done, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        pump();
        Sleep(1);
    }
    return true;
}

LPARAM centreOf(HWND w) {
    const SIZE s = win::clientSize(w);
    return MAKELPARAM(s.cx / 2, s.cy / 2);
}

class SkinnedButtons : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = parentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ButtonTestParent";
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        RegisterClassExA(&wc);
    }
    static void TearDownTestSuite() { releaseCaptionGlyphImages(); }
    void SetUp() override {
        heard = {};
        resetSettings();
        settings().backgroundColour = kBackdrop;
        SetCursorPos(1000, 750);  // away from the window
        parent = CreateWindowExA(0, "ButtonTestParent", "Buttons", WS_POPUP, 50, 50, 500, 300, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override {
        DestroyWindow(parent);
        pump();
        clearWindowRecords();
        releaseAllMemoryDcs();
    }
    HWND button(const char* text, DWORD type, int x, int y, int id = 0, int w = 80, int h = 32) {
        return CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | type, x, y, w, h, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    // Skins the window, shows it and lets every child paint.
    void skinAndShow() {
        applyWindowSkin(parent);
        ShowWindow(parent, SW_SHOW);
        UpdateWindow(parent);
        pump();
    }
    WindowRecord& r() { return record(1); }
    ButtonItem& itemOf(HWND b) { return r().buttons.at(static_cast<size_t>(win::prop<int>(b, keys::kIndex)) - 1); }
    // A pixel of the control as last published into the composition cache.
    COLORREF published(HWND control, int x, int y) {
        const RECT rc = controlRectInWindow(control);
        return GetPixel(r().caches.compositionCache, rc.left + x, rc.top + y);
    }
    void markPublished(HWND control, int x, int y) {
        const RECT rc = controlRectInWindow(control);
        SetPixelV(r().caches.compositionCache, rc.left + x, rc.top + y, kSentinel);
    }
    bool pushed(HWND b) { return (SendMessageA(b, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

    HWND parent = nullptr;
};

TEST_F(SkinnedButtons, PushButtonsComeFirstAndBecomeOwnerDrawnThenCheckBoxesAndAutomaticRadios) {
    win::OwnedFont font(CreateFontA(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体"));
    HWND push = button("推", BS_PUSHBUTTON, 10, 40);
    SendMessageA(push, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    HWND check = button("选", BS_AUTOCHECKBOX, 100, 40);
    HWND def = button("默认", BS_DEFPUSHBUTTON, 190, 40);
    HWND radio = button("单", BS_AUTORADIOBUTTON, 280, 40);
    HWND user = button("用户", BS_USERBUTTON, 370, 40);
    HWND plainCheck = button("框", BS_CHECKBOX, 10, 80);
    HWND pushBox = button("盒", BS_PUSHBOX, 100, 80);
    HWND kept[] = {button("组", BS_GROUPBOX, 190, 80), button("单2", BS_RADIOBUTTON, 280, 80),
                   button("三", BS_AUTO3STATE, 370, 80), button("三2", BS_3STATE, 10, 120),
                   button("自绘", BS_OWNERDRAW, 100, 120)};
    const WNDPROC systemProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(push, GWLP_WNDPROC));
    skinAndShow();

    struct Expected {
        HWND w;
        int slot, kind;
        LONG type;
        const char* caption;
    } expected[] = {{push, 1, kPushButton, BS_OWNERDRAW, "推"},         {def, 2, kPushButton, BS_OWNERDRAW, "默认"},
                    {user, 3, kPushButton, BS_OWNERDRAW, "用户"},       {check, 4, kCheckBox, BS_AUTOCHECKBOX, "选"},
                    {radio, 5, kRadioButton, BS_AUTORADIOBUTTON, "单"}, {plainCheck, 6, kCheckBox, BS_CHECKBOX, "框"},
                    {pushBox, 7, kCheckBox, BS_PUSHBOX, "盒"}};
    ASSERT_EQ(r().buttons.size(), 7u);
    for (const Expected& e : expected) {
        EXPECT_EQ(win::prop<int>(e.w, keys::kIndex), e.slot) << e.caption;
        EXPECT_EQ(win::prop<int>(e.w, keys::kOwnerIndex), 1) << e.caption;
        EXPECT_EQ(win::prop<WNDPROC>(e.w, keys::kPreviousProc), systemProc) << e.caption;
        EXPECT_EQ(GetWindowLongPtrA(e.w, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(buttonSkinProc)) << e.caption;
        const ButtonItem& item = r().buttons.at(static_cast<size_t>(e.slot) - 1);
        EXPECT_EQ(item.hwnd, e.w);
        EXPECT_EQ(item.kind, e.kind) << e.caption;
        EXPECT_EQ(item.caption, e.caption);
        EXPECT_EQ(item.previousProcedure, systemProc);
        EXPECT_EQ(win::style(e.w) & 0xF, e.type) << e.caption;
    }
    for (HWND w : kept) {
        EXPECT_EQ(win::prop<int>(w, keys::kIndex), 0);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(w, GWLP_WNDPROC)), systemProc);
    }
    EXPECT_EQ(win::style(kept[4]) & 0xF, BS_OWNERDRAW);

    // The font is the one the button was given, read from that font itself.
    const ButtonItem& withFont = itemOf(push);
    EXPECT_EQ(withFont.fontSize, 15);
    EXPECT_EQ(withFont.fontStyle, 0);
    EXPECT_FALSE(withFont.fontFace.empty());
    EXPECT_EQ(queryControlFont(push), (ControlFont{withFont.fontFace, 15, 0}));
    // Without one: the default face at 12.
    EXPECT_EQ(itemOf(radio).fontFace, "宋体");
    EXPECT_EQ(itemOf(radio).fontSize, 12);
}

TEST_F(SkinnedButtons, ASecondSkinningOfTheSameChildrenRegistersNothingTwice) {
    HWND push = button("推", BS_PUSHBUTTON, 10, 40);
    HWND check = button("选", BS_AUTOCHECKBOX, 100, 40);
    skinAndShow();
    skinChildControls(1, parent);
    EXPECT_EQ(r().buttons.size(), 2u);
    for (const ButtonItem& item : r().buttons) EXPECT_NE(item.previousProcedure, buttonSkinProc);
    // The procedures still reach the system's: no message goes round in circles.
    EXPECT_EQ(SendMessageA(push, WM_GETTEXTLENGTH, 0, 0), 2);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(SkinnedButtons, WithControlSkinningOffNoButtonIsTaken) {
    HWND push = button("推", BS_PUSHBUTTON, 10, 40);
    HWND check = button("选", BS_AUTOCHECKBOX, 100, 40);
    setSkinOptions(0);
    skinAndShow();
    EXPECT_EQ(r().buttons.size(), 1u);
    EXPECT_EQ(r().buttons.front().hwnd, nullptr);
    EXPECT_EQ(win::style(push) & 0xF, BS_PUSHBUTTON);
    EXPECT_EQ(win::prop<int>(check, keys::kIndex), 0);
}

TEST_F(SkinnedButtons, ADoubleClickIsOneClick) {
    HWND push = button("推", BS_PUSHBUTTON, 10, 40, 101);
    HWND check = button("选", BS_AUTOCHECKBOX, 100, 40, 102);
    skinAndShow();
    for (HWND b : {push, check}) {
        const LPARAM at = centreOf(b);
        SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(b, WM_LBUTTONUP, 0, at);
        SendMessageA(b, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageA(b, WM_LBUTTONUP, 0, at);
    }
    EXPECT_EQ(heard.clicked[101], 1);
    EXPECT_EQ(heard.doubleClicked[101], 0);
    EXPECT_EQ(heard.clicked[102], 1);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);  // toggled once
}

TEST_F(SkinnedButtons, ReleasingTheStateIsIgnoredOnlyWhileTheMouseHoldsTheButton) {
    HWND push = button("推", BS_PUSHBUTTON, 10, 40);
    skinAndShow();
    SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, centreOf(push));
    EXPECT_TRUE(itemOf(push).pressed);
    EXPECT_TRUE(pushed(push));
    EXPECT_EQ(SendMessageA(push, BM_SETSTATE, FALSE, 0), 0);
    EXPECT_TRUE(pushed(push));  // swallowed
    SendMessageA(push, WM_LBUTTONUP, 0, centreOf(push));
    EXPECT_FALSE(itemOf(push).pressed);
    EXPECT_FALSE(pushed(push));
    SendMessageA(push, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(pushed(push));
    SendMessageA(push, BM_SETSTATE, FALSE, 0);
    EXPECT_FALSE(pushed(push));
}

TEST_F(SkinnedButtons, APressLostWithoutReleaseIsForgotten) {
    HWND push = button("推", BS_PUSHBUTTON, 10, 40);
    HWND other = button("他", BS_PUSHBUTTON, 100, 40);
    skinAndShow();
    const std::pair<const char*, void (*)(HWND, HWND)> losses[] = {
        {"capture released", [](HWND, HWND) { ReleaseCapture(); }},
        {"mode cancelled", [](HWND b, HWND) { SendMessageA(b, WM_CANCELMODE, 0, 0); }},
        {"focus moved on", [](HWND, HWND o) { SetFocus(o); }},
    };
    for (const auto& [name, lose] : losses) {
        SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, centreOf(push));
        ASSERT_TRUE(pushed(push)) << name;
        lose(push, other);
        EXPECT_FALSE(itemOf(push).pressed) << name;
        // Later state changes get through again.
        SendMessageA(push, BM_SETSTATE, TRUE, 0);
        SendMessageA(push, BM_SETSTATE, FALSE, 0);
        EXPECT_FALSE(pushed(push)) << name;
    }
}

TEST_F(SkinnedButtons, HoverRepaintsOnceAndTellsFamiliesApartByTheirKindCode) {
    HWND push = button("", BS_PUSHBUTTON, 40, 60);
    HWND next = button("", BS_PUSHBUTTON, 140, 60);
    skinAndShow();
    const COLORREF plain = looks::pushFace(kBackdrop, 24, 32).rgb();
    const COLORREF hot = looks::hotFace(kBackdrop, kDefaultAccent, 24, 32).rgb();
    EXPECT_LE(looks::distance(published(push, 40, 24), plain), 3);

    SendMessageA(push, WM_MOUSEMOVE, 0, centreOf(push));
    EXPECT_LE(looks::distance(published(push, 40, 24), hot), 3);
    EXPECT_EQ(r().hotSlot, 1);
    EXPECT_EQ(r().pointedSlot, 1);
    markPublished(push, 40, 24);
    SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(published(push, 40, 24), kSentinel);  // no second repaint

    SendMessageA(push, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(r().hotSlot, 0);
    EXPECT_LE(looks::distance(published(push, 40, 24), plain), 3);

    // An edit of a later family that holds slot 1 as well was drawn hot last:
    // the button is not that control, so it repaints hot.
    SendMessageA(push, WM_MOUSEMOVE, 0, centreOf(push));
    r().hotKindCode = kEditKind;
    markPublished(push, 40, 24);
    SendMessageA(push, WM_MOUSEMOVE, 0, centreOf(push));
    EXPECT_LE(looks::distance(published(push, 40, 24), hot), 3);
    EXPECT_EQ(r().hotKindCode, kPushButtonKind);

    // Onto the next button: the system posts this one's leave only after the
    // move onto the next one, which keeps its hot mark and is not repainted
    // again by its next move.
    SendMessageA(next, WM_MOUSEMOVE, 0, centreOf(next));
    SendMessageA(push, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(r().hotSlot, 2);
    EXPECT_LE(looks::distance(published(push, 40, 24), plain), 3);
    markPublished(next, 40, 24);
    SendMessageA(next, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(published(next, 40, 24), kSentinel);

    // Releasing the mouse forgets the hot slot.
    SendMessageA(next, WM_LBUTTONUP, 0, centreOf(next));
    EXPECT_EQ(r().hotSlot, 0);
}

TEST_F(SkinnedButtons, ADefaultPushButtonLooksLikeAnyOther) {
    HWND plain = button("同", BS_PUSHBUTTON, 40, 60);
    HWND def = button("同", BS_DEFPUSHBUTTON, 200, 60);
    skinAndShow();
    SetFocus(parent);
    for (HWND b : {plain, def}) RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    int differing = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 80; ++x) differing += published(plain, x, y) != published(def, x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_LE(looks::distance(published(def, 40, 24), looks::pushFace(kBackdrop, 24, 32).rgb()), 3);
}

TEST_F(SkinnedButtons, AButtonThatDisablesItselfStaysGreyWhenThePointerLeaves) {
    HWND self = button("", BS_PUSHBUTTON, 40, 60, 103);
    heard.disableOnClick = 103;
    skinAndShow();
    SendMessageA(self, WM_MOUSEMOVE, 0, centreOf(self));
    SendMessageA(self, WM_LBUTTONDOWN, MK_LBUTTON, centreOf(self));
    SendMessageA(self, WM_LBUTTONUP, 0, centreOf(self));
    ASSERT_EQ(heard.clicked[103], 1);
    ASSERT_FALSE(IsWindowEnabled(self));
    EXPECT_EQ(published(self, 40, 16), kGrey);
    SendMessageA(self, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(published(self, 40, 16), kGrey);
    EXPECT_EQ(published(self, 10, 24), kGrey);
}

TEST_F(SkinnedButtons, TheCaptionFollowsEveryNewTextAndANullTextEmptiesIt) {
    HWND push = button("旧", BS_PUSHBUTTON, 40, 60);
    HWND check = button("旧", BS_AUTOCHECKBOX, 200, 60);
    skinAndShow();
    for (HWND b : {push, check}) {
        SetWindowTextA(b, "新的&文字");
        EXPECT_EQ(itemOf(b).caption, "新的&文字");
        SendMessageA(b, WM_SETTEXT, 0, 0);
        EXPECT_EQ(itemOf(b).caption, "");
    }
}

TEST_F(SkinnedButtons, OwnerDrawPaintsOnlyAPushButtonItsSlotNames) {
    HWND push = button("", BS_PUSHBUTTON, 40, 60);
    HWND check = button("", BS_AUTOCHECKBOX, 200, 60);
    HWND stray =
        CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_OWNERDRAW, 300, 60, 80, 32, parent, nullptr, nullptr, nullptr);
    skinAndShow();
    Canvas target(newMemoryCanvas(80, 32));
    auto drawn = [&](HWND item, UINT type = ODT_BUTTON) {
        SetPixelV(target.get(), 40, 24, kSentinel);
        DRAWITEMSTRUCT d{};
        d.CtlType = type;
        d.hwndItem = item;
        d.hDC = target.get();
        d.rcItem = RECT{0, 0, 80, 32};
        dispatchOwnerDraw(1, d);
        return GetPixel(target.get(), 40, 24) != kSentinel;
    };
    EXPECT_TRUE(drawn(push));
    EXPECT_LE(looks::distance(GetPixel(target.get(), 40, 24), looks::pushFace(kBackdrop, 24, 32).rgb()), 3);
    EXPECT_FALSE(drawn(check));           // check boxes paint themselves
    EXPECT_FALSE(drawn(stray));           // never registered
    EXPECT_FALSE(drawn(push, ODT_MENU));  // no menu of the table
    EXPECT_FALSE(drawn(push, ODT_LISTBOX));
    win::setProp(stray, keys::kIndex, 9);  // a slot beyond the list
    EXPECT_FALSE(drawn(stray));
    win::setProp(stray, keys::kIndex, 1);  // the slot of another window
    EXPECT_FALSE(drawn(stray));
    DRAWITEMSTRUCT d{};
    d.CtlType = ODT_BUTTON;
    d.hwndItem = push;
    d.hDC = target.get();
    dispatchOwnerDraw(2, d);  // no such window
}

TEST(MenuTable, EntriesAreFoundByTheirMenuHandle) {
    win::OwnedMenu first(CreatePopupMenu()), second(CreatePopupMenu());
    EXPECT_EQ(findMenuEntry(first.get()), 0);
    menuTable().push_back(MenuTableEntry{first.get(), 0, 0, {}});
    menuTable().push_back(MenuTableEntry{second.get(), 0, 0, {}});
    EXPECT_EQ(findMenuEntry(second.get()), 2);
    EXPECT_EQ(findMenuEntry(first.get()), 1);
    menuTable().clear();
    EXPECT_EQ(findMenuEntry(first.get()), 0);
}

// Every pixel of the control on its window equals what the skin last
// published for it: nothing of the system's drawing is left over.
int pixelsUnlikeTheSkin(HWND control, const std::function<COLORREF(int, int)>& published) {
    win::WindowDc dc(control);
    const SIZE s = win::clientSize(control);
    int differing = 0;
    for (int y = 0; y < s.cy; ++y)
        for (int x = 0; x < s.cx; ++x) differing += GetPixel(dc.get(), x, y) != published(x, y);
    return differing;
}

TEST_F(SkinnedButtons, CheckBoxesAndRadiosNeverKeepTheSystemsLook) {
    HWND check = button("总在最前", BS_AUTOCHECKBOX, 40, 60);
    HWND radio = button("单选", BS_AUTORADIOBUTTON, 140, 60);
    HWND other = button("他", BS_PUSHBUTTON, 240, 60);
    skinAndShow();
    SetForegroundWindow(parent);
    for (HWND b : {check, radio}) {
        auto unlike = [&] { return pixelsUnlikeTheSkin(b, [&](int x, int y) { return published(b, x, y); }); };
        SetFocus(b);
        EXPECT_EQ(unlike(), 0) << "focused";
        SetFocus(other);
        EXPECT_EQ(unlike(), 0) << "focus moved on";
        SendMessageA(b, BM_SETSTATE, TRUE, 0);
        EXPECT_EQ(unlike(), 0) << "pushed";
        SendMessageA(b, BM_SETSTATE, FALSE, 0);
        EnableWindow(b, FALSE);
        EXPECT_EQ(unlike(), 0) << "disabled";
        EnableWindow(b, TRUE);
        SetWindowTextA(b, "新的");
        EXPECT_EQ(unlike(), 0) << "new text";
        SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(unlike(), 0) << "checked";
        pump();
        EXPECT_EQ(unlike(), 0) << "after the queued paints";
    }
}

TEST_F(SkinnedButtons, HoverAndClicksWithTheRealMouseLeaveNoGdiObjectsBehind) {
    HWND a = button("甲", BS_PUSHBUTTON, 40, 60);
    HWND b = button("乙", BS_PUSHBUTTON, 120, 60);
    HWND check = button("选", BS_AUTOCHECKBOX, 240, 60);
    skinAndShow();
    SetForegroundWindow(parent);
    // Real input: the system ignores the pointer moves a process makes with
    // SetCursorPos itself.
    auto input = [](DWORD flags, int x = 0, int y = 0) {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
        SendInput(1, &in, sizeof in);
    };
    auto pointAt = [&](HWND w, int x) {
        const RECT rc = win::windowRect(w);
        input(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, rc.left + x, (rc.top + rc.bottom) / 2);
    };
    // A move onto the other button makes the system end the hover of this one
    // at once, so every move is one enter and one leave.
    auto hoverCycles = [&](int n) {
        for (int i = 0; i < n; ++i)
            for (HWND w : {a, b}) {
                const int slot = win::prop<int>(w, keys::kIndex);
                pointAt(w, 40);
                ASSERT_TRUE(pumpUntil([&] { return r().hotSlot == slot; })) << i;
            }
    };
    // Presses alternate between two places far enough apart that no two
    // make a double click.
    auto clicks = [&](int n) {
        for (int i = 0; i < n; ++i) {
            const LRESULT before = SendMessageA(check, BM_GETCHECK, 0, 0);
            pointAt(check, i % 2 ? 20 : 60);
            input(MOUSEEVENTF_LEFTDOWN);
            input(MOUSEEVENTF_LEFTUP);
            ASSERT_TRUE(pumpUntil([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) != before; })) << i;
        }
    };
    hoverCycles(5);  // the system's own caches settle first
    clicks(2);
    pump();
    const int objects = support::liveGdiObjectCount();
    const int canvases = registeredMemoryDcCount();
    hoverCycles(1000);
    clicks(200);
    pump();
    EXPECT_EQ(support::liveGdiObjectCount(), objects);
    EXPECT_EQ(registeredMemoryDcCount(), canvases);
}

}  // namespace
