// The skin gallery as another process sees it: one skinned window that holds
// every control variant the control skin engine tells apart, each with the
// class, style and contents it should have; the screenshots it takes; and the
// same window opened in this process.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gfx/image.h"
#include "gfx/startup.h"
#include "tests/support/gdi_count.h"
#include "tests/support/remote.h"
#include "tests/support/screen.h"
#include "tools/gallery/command_line.h"
#include "tools/gallery/contents.h"
#include "tools/gallery/gallery_window.h"
#include "tools/gallery/layout.h"
#include "tools/gallery/screenshot.h"
#include "tools/gallery/skin_setup.h"

namespace {

using namespace gallery;
using screen::distance;

constexpr COLORREF kSeaBlue = RGB(113, 179, 193);
constexpr COLORREF kGolden = RGB(223, 199, 112);

std::string galleryPath() { return remote::siblingPath("LumoSkinGallery.exe"); }

LONG style(HWND w) { return GetWindowLongA(w, GWL_STYLE); }
LONG exStyle(HWND w) { return GetWindowLongA(w, GWL_EXSTYLE); }
LRESULT send(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageA(w, msg, wp, lp); }

// A structure a message fills in, read back from the gallery's memory.
template <typename T>
T askFor(HANDLE process, HWND w, UINT msg, WPARAM wp, T initial = {}, LRESULT* result = nullptr) {
    remote::RemoteBuffer buffer(process, sizeof(T));
    buffer.write(&initial, sizeof initial);
    LRESULT r = SendMessageA(w, msg, wp, reinterpret_cast<LPARAM>(buffer.address()));
    if (result) *result = r;
    T value{};
    buffer.read(&value, sizeof value);
    return value;
}

class Gallery : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        program = new remote::Program;
        ASSERT_TRUE(program->start(galleryPath()));
        window = program->waitForWindow(kWindowClass);
        ASSERT_NE(window, nullptr);
        // Shown and composed: the skin's colour where no control lies.
        ASSERT_TRUE(remote::waitUntil([] { return distance(pixel(kBackdropSample), kSeaBlue) <= 6; }));
    }
    static void TearDownTestSuite() {
        delete program;
        program = nullptr;
    }

    static HWND item(int id) { return GetDlgItem(window, id); }
    static COLORREF pixel(POINT client, HWND w = window) {
        ClientToScreen(w, &client);
        return screen::Shot(RECT{client.x, client.y, client.x + 1, client.y + 1}).at(client.x, client.y);
    }
    template <typename T>
    static T ask(HWND w, UINT msg, WPARAM wp = 0, T initial = {}, LRESULT* result = nullptr) {
        return askFor<T>(program->handle(), w, msg, wp, initial, result);
    }

    static inline remote::Program* program = nullptr;
    static inline HWND window = nullptr;
};

TEST_F(Gallery, IsOneSkinnedWindowOnTheScreenWithTheSeaBlueSkin) {
    RECT frame;
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.right - frame.left, kWidth);
    EXPECT_EQ(frame.bottom - frame.top, kHeight);
    EXPECT_GE(frame.left, 0);
    EXPECT_GE(frame.top, 0);
    EXPECT_LE(frame.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(frame.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(remote::windowText(window), kTitle);

    // The first and only skinned window of its process.
    EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(window, "Hw_lbID")), 1);
    EXPECT_LE(distance(pixel(kBackdropSample), kSeaBlue), 6);
    // The caption gloss brightens the band over the sea-blue skin.
    EXPECT_GT(GetRValue(pixel(kCaptionSample)), GetRValue(kSeaBlue) + 40);
}

TEST_F(Gallery, EveryControlIsADirectChildInAPlaceOfItsOwnBetweenCaptionAndBar) {
    const RECT content{0, kCaptionHeight, kWidth, kHeight - kBarHeight};
    // An up-down aligned to its buddy covers the buddy's right edge.
    auto sharesItsEdge = [](int a, int b) {
        return (a == id::UpDownVertical && b == id::UpDownBuddyEdit) ||
               (b == id::UpDownVertical && a == id::UpDownBuddyEdit);
    };
    std::vector<std::pair<int, RECT>> places;
    for (const ControlSpec& spec : galleryControls()) {
        HWND w = item(spec.id);
        ASSERT_NE(w, nullptr) << spec.id;
        EXPECT_EQ(GetParent(w), window) << spec.id;
        EXPECT_EQ(IsWindowVisible(w) != 0, spec.id != id::HiddenEdit) << spec.id;
        const RECT r = remote::rectInParent(w);
        EXPECT_FALSE(PtInRect(&r, kBackdropSample) || PtInRect(&r, kCaptionSample)) << spec.id;
        EXPECT_TRUE(r.left >= content.left && r.top >= content.top && r.right <= content.right &&
                    r.bottom <= content.bottom)
            << spec.id;
        for (const auto& [other, place] : places) {
            RECT both;
            const bool overlap = IntersectRect(&both, &r, &place) && !sharesItsEdge(spec.id, other);
            EXPECT_FALSE(overlap) << spec.id << " overlaps " << other;
        }
        places.emplace_back(spec.id, r);
    }
    // The one control that lives inside another: the container toolbar's
    // combo box, not a child of the window.
    EXPECT_EQ(item(id::ToolbarCombo), nullptr);
    HWND combo = GetDlgItem(item(id::ContainerToolbar), id::ToolbarCombo);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(remote::className(combo), "ComboBox");
}

// What every variant is: its class and the style bits that make it the
// variant it is.
struct Variant {
    int id;
    const char* className;
    DWORD styleMask, styleBits;
    DWORD exStyleMask = 0, exStyleBits = 0;
};

constexpr DWORD kButtonType = 0xF;
constexpr DWORD kEdges = WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
constexpr DWORD kTicks = TBS_VERT | TBS_TOP | TBS_BOTH | TBS_NOTICKS | TBS_ENABLESELRANGE;
constexpr DWORD kOwnerDraw = LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE;

// clang-format off
const Variant kVariants[] = {
    {id::PushButton,           "Button",            kButtonType, BS_PUSHBUTTON},
    {id::DefaultPushButton,    "Button",            kButtonType, BS_DEFPUSHBUTTON},
    {id::DisabledPushButton,   "Button",            kButtonType | WS_DISABLED, BS_PUSHBUTTON | WS_DISABLED},
    {id::ToggleHiddenEdit,     "Button",            kButtonType, BS_PUSHBUTTON},
    {id::AutoCheckBox,         "Button",            kButtonType, BS_AUTOCHECKBOX},
    {id::CheckBox,             "Button",            kButtonType, BS_CHECKBOX},
    {id::ThreeStateCheckBox,   "Button",            kButtonType, BS_AUTO3STATE},
    {id::AutoRadioFirst,       "Button",            kButtonType, BS_AUTORADIOBUTTON},
    {id::AutoRadioSecond,      "Button",            kButtonType, BS_AUTORADIOBUTTON},
    {id::PlainRadio,           "Button",            kButtonType, BS_RADIOBUTTON},
    {id::ClientEdgeEdit,       "Edit",              WS_BORDER, 0, kEdges, WS_EX_CLIENTEDGE},
    // The edit takes WS_BORDER out of its window style when it is created and
    // draws the line itself, inside its client area.
    {id::BorderEdit,           "Edit",              0, 0, kEdges, 0},
    {id::BorderlessEdit,       "Edit",              WS_BORDER, 0, kEdges, 0},
    {id::ScrollingEdit,        "Edit",              ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL},
    {id::HiddenEdit,           "Edit",              WS_VISIBLE | WS_VSCROLL, WS_VSCROLL},
    {id::SimpleCombo,          "ComboBox",          0x3, CBS_SIMPLE},
    {id::DropDownCombo,        "ComboBox",          0x3, CBS_DROPDOWN},
    {id::DropDownListCombo,    "ComboBox",          0x3, CBS_DROPDOWNLIST},
    {id::Trackbar,             "msctls_trackbar32", kTicks, 0},
    {id::TrackbarBoth,         "msctls_trackbar32", kTicks, TBS_BOTH},
    {id::TrackbarTop,          "msctls_trackbar32", kTicks, TBS_TOP},
    {id::TrackbarNoTicks,      "msctls_trackbar32", kTicks, TBS_NOTICKS},
    {id::TrackbarSelection,    "msctls_trackbar32", kTicks, TBS_ENABLESELRANGE},
    {id::TrackbarVertical,     "msctls_trackbar32", kTicks, TBS_VERT},
    {id::TrackbarVerticalBoth, "msctls_trackbar32", kTicks, TBS_VERT | TBS_BOTH},
    {id::TrackbarVerticalLeft, "msctls_trackbar32", kTicks, TBS_VERT | TBS_LEFT},
    {id::ProgressEmpty,        "msctls_progress32", PBS_VERTICAL, 0},
    {id::ProgressHalf,         "msctls_progress32", PBS_VERTICAL, 0},
    {id::ProgressFull,         "msctls_progress32", PBS_VERTICAL, 0},
    {id::ProgressVertical,     "msctls_progress32", PBS_VERTICAL, PBS_VERTICAL},
    {id::ListBox,              "ListBox",           kOwnerDraw | WS_VSCROLL, WS_VSCROLL},
    {id::OwnerDrawListBox,     "ListBox",           kOwnerDraw, LBS_OWNERDRAWFIXED},
    {id::ReportListView,       "SysListView32",     LVS_TYPEMASK | LVS_SORTASCENDING, LVS_REPORT},
    {id::SortedListView,       "SysListView32",     LVS_TYPEMASK | LVS_SORTASCENDING, LVS_REPORT | LVS_SORTASCENDING},
    {id::TreeView,             "SysTreeView32",     TVS_HASBUTTONS, TVS_HASBUTTONS},
    {id::IpAddress,            "SysIPAddress32",    0, 0},
    {id::DatePicker,           "SysDateTimePick32", 0, 0},
    {id::UpDownBuddyEdit,      "Edit",              0, 0},
    {id::UpDownVertical,       "msctls_updown32",   UDS_HORZ | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, UDS_SETBUDDYINT | UDS_ALIGNRIGHT},
    {id::UpDownHorizontal,     "msctls_updown32",   UDS_HORZ, UDS_HORZ},
    {id::ButtonHeader,         "SysHeader32",       HDS_BUTTONS, HDS_BUTTONS},
    {id::PlainHeader,          "SysHeader32",       HDS_BUTTONS, 0},
    {id::Toolbar,              "ToolbarWindow32",   TBSTYLE_LIST, 0},
    {id::ContainerToolbar,     "ToolbarWindow32",   TBSTYLE_LIST, TBSTYLE_LIST},
};
// clang-format on

// A skinned push button is made owner-drawn; what it was is then no longer
// in its style.
bool isPushType(DWORD type) { return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON; }
bool skinnedAsPushButton(HWND w) {
    return (style(w) & kButtonType) == BS_OWNERDRAW && GetPropA(w, "Hw_hProc") != nullptr;
}

TEST_F(Gallery, EveryVariantHasItsClassAndStyle) {
    for (const Variant& v : kVariants) {
        HWND w = item(v.id);
        ASSERT_NE(w, nullptr) << v.id;
        EXPECT_EQ(remote::className(w), v.className) << v.id;
        DWORD mask = v.styleMask, bits = v.styleBits;
        if (v.className == std::string("Button") && isPushType(bits & kButtonType) && skinnedAsPushButton(w)) {
            mask &= ~kButtonType;
            bits &= ~kButtonType;
        }
        EXPECT_EQ(style(w) & mask, bits) << v.id << std::hex << " style " << style(w);
        EXPECT_EQ(exStyle(w) & v.exStyleMask, v.exStyleBits) << v.id << std::hex << " extended " << exStyle(w);
    }
    EXPECT_EQ(send(item(id::AutoCheckBox), BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(send(item(id::ThreeStateCheckBox), BM_GETCHECK), BST_INDETERMINATE);
    EXPECT_EQ(send(item(id::AutoRadioFirst), BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(send(item(id::AutoRadioSecond), BM_GETCHECK), BST_UNCHECKED);
}

TEST_F(Gallery, ListsCombosAndPickersHoldTheirItems) {
    HWND list = item(id::ListBox);
    const auto count = send(list, LB_GETCOUNT);
    RECT client;
    GetClientRect(list, &client);
    EXPECT_GT(count * send(list, LB_GETITEMHEIGHT), client.bottom);  // enough to scroll
    EXPECT_EQ(send(item(id::OwnerDrawListBox), LB_GETCOUNT), static_cast<LRESULT>(ownerDrawItems().size()));
    EXPECT_EQ(send(item(id::OwnerDrawListBox), LB_GETITEMHEIGHT), kOwnerDrawItemHeight);

    HWND report = item(id::ReportListView);
    EXPECT_EQ(send(report, LVM_GETITEMCOUNT), 100);
    EXPECT_LT(send(report, LVM_GETCOUNTPERPAGE), 100);
    for (int id : {id::ReportListView, id::SortedListView}) {
        HWND header = reinterpret_cast<HWND>(send(item(id), LVM_GETHEADER));
        ASSERT_NE(header, nullptr) << id;
        EXPECT_EQ(GetParent(header), item(id));
        EXPECT_EQ(remote::className(header), "SysHeader32");
        EXPECT_GE(send(header, HDM_GETITEMCOUNT), 2) << id;
    }
    EXPECT_EQ(send(reinterpret_cast<HWND>(send(report, LVM_GETHEADER)), HDM_GETITEMCOUNT), 4);
    EXPECT_GE(send(item(id::SortedListView), LVM_GETITEMCOUNT), 2);

    // One branch open, one closed.
    HWND tree = item(id::TreeView);
    auto root = send(tree, TVM_GETNEXTITEM, TVGN_ROOT);
    auto second = send(tree, TVM_GETNEXTITEM, TVGN_NEXT, root);
    ASSERT_TRUE(root && second);
    EXPECT_TRUE(send(tree, TVM_GETNEXTITEM, TVGN_CHILD, root));
    EXPECT_TRUE(send(tree, TVM_GETNEXTITEM, TVGN_CHILD, second));
    EXPECT_TRUE(send(tree, TVM_GETITEMSTATE, root, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_FALSE(send(tree, TVM_GETITEMSTATE, second, TVIS_EXPANDED) & TVIS_EXPANDED);

    // A simple combo box owns its edit and its list; a drop-down one only its
    // edit (the list it drops belongs to the desktop); a drop-down list neither.
    auto child = [](int id, const char* cls) { return FindWindowExA(item(id), nullptr, cls, nullptr) != nullptr; };
    EXPECT_TRUE(child(id::SimpleCombo, "ComboLBox"));
    EXPECT_TRUE(child(id::SimpleCombo, "Edit"));
    EXPECT_FALSE(child(id::DropDownCombo, "ComboLBox"));
    EXPECT_TRUE(child(id::DropDownCombo, "Edit"));
    EXPECT_FALSE(child(id::DropDownListCombo, "Edit"));
    for (int id : {id::SimpleCombo, id::DropDownCombo, id::DropDownListCombo}) {
        EXPECT_GE(send(item(id), CB_GETCOUNT), 4) << id;
        EXPECT_GE(send(item(id), CB_GETCURSEL), 0) << id;
    }

    EXPECT_EQ(ask<DWORD>(item(id::IpAddress), IPM_GETADDRESS), MAKEIPADDRESS(192, 168, 1, 10));
    LRESULT valid = -1;
    const auto date = ask<SYSTEMTIME>(item(id::DatePicker), DTM_GETSYSTEMTIME, 0, {}, &valid);
    EXPECT_EQ(valid, GDT_VALID);
    EXPECT_EQ(date.wYear, 2024);
    EXPECT_EQ(date.wMonth, 5);
    EXPECT_EQ(date.wDay, 1);
}

TEST_F(Gallery, BarsAndUpDownsStandAtKnownPositions) {
    auto position = [](int id) { return send(item(id), TBM_GETPOS); };
    for (int id : {id::Trackbar, id::TrackbarBoth, id::TrackbarTop, id::TrackbarNoTicks, id::TrackbarSelection,
                   id::TrackbarVertical, id::TrackbarVerticalBoth, id::TrackbarVerticalLeft})
        EXPECT_EQ(send(item(id), TBM_GETRANGEMAX), 100) << id;
    EXPECT_EQ(position(id::TrackbarBoth), 100);   // one at its maximum
    EXPECT_EQ(position(id::TrackbarNoTicks), 0);  // one at its minimum
    EXPECT_EQ(position(id::Trackbar), 30);
    HWND selection = item(id::TrackbarSelection);
    EXPECT_EQ(send(selection, TBM_GETSELSTART), 20);
    EXPECT_EQ(send(selection, TBM_GETSELEND), 60);
    EXPECT_EQ(position(id::TrackbarSelection), 40);

    for (int id : {id::ProgressEmpty, id::ProgressHalf, id::ProgressFull, id::ProgressVertical}) {
        EXPECT_EQ(send(item(id), PBM_GETRANGE, TRUE), 0) << id;
        EXPECT_EQ(send(item(id), PBM_GETRANGE, FALSE), 100) << id;
    }
    EXPECT_EQ(send(item(id::ProgressEmpty), PBM_GETPOS), 0);
    EXPECT_EQ(send(item(id::ProgressHalf), PBM_GETPOS), 50);
    EXPECT_EQ(send(item(id::ProgressFull), PBM_GETPOS), 100);
    EXPECT_EQ(send(item(id::ProgressVertical), PBM_GETPOS), 50);

    HWND upDown = item(id::UpDownVertical);
    EXPECT_EQ(reinterpret_cast<HWND>(send(upDown, UDM_GETBUDDY)), item(id::UpDownBuddyEdit));
    EXPECT_EQ(send(upDown, UDM_GETPOS32), 42);
    EXPECT_EQ(remote::windowText(item(id::UpDownBuddyEdit)), "42");
    // Aligned to its buddy, on the buddy's right edge.
    const RECT arrows = remote::rectInParent(upDown), buddy = remote::rectInParent(item(id::UpDownBuddyEdit));
    EXPECT_LT(arrows.left, buddy.right);
    EXPECT_GT(arrows.right, buddy.right);
    EXPECT_EQ(arrows.top, buddy.top);
    EXPECT_EQ(send(item(id::UpDownHorizontal), UDM_GETPOS32), 5);
}

TEST_F(Gallery, HeadersShowAlignedItemsAndAnIcon) {
    HWND buttons = item(id::ButtonHeader);
    HWND plain = item(id::PlainHeader);
    EXPECT_EQ(send(plain, HDM_GETITEMCOUNT), 3);
    const auto n = send(buttons, HDM_GETITEMCOUNT);
    EXPECT_EQ(n, 4);
    EXPECT_NE(send(buttons, HDM_GETIMAGELIST), 0);
    int formats = 0;
    for (int i = 0; i < n; ++i) {
        HDITEMA asked{};
        asked.mask = HDI_FORMAT;
        formats |= ask<HDITEMA>(buttons, HDM_GETITEMA, i, asked).fmt;
    }
    EXPECT_TRUE(formats & HDF_IMAGE);
    EXPECT_TRUE(formats & HDF_CENTER);
    EXPECT_TRUE(formats & HDF_RIGHT);
}

TEST_F(Gallery, ToolbarButtonsCoverEveryKindAndStateOnTwoRowsAndASecondToolbarHoldsAComboBox) {
    HWND toolbar = item(id::Toolbar);
    EXPECT_TRUE(send(toolbar, TB_GETEXTENDEDSTYLE) & TBSTYLE_EX_DRAWDDARROWS);
    EXPECT_NE(send(toolbar, TB_GETIMAGELIST), 0);

    struct Button {
        int index;
        TBBUTTON data;
        RECT rect;
        LRESULT textLength;  // -1 without text
    };
    std::vector<Button> buttons;
    const auto n = send(toolbar, TB_BUTTONCOUNT);
    for (int i = 0; i < n; ++i) {
        Button b{i, ask<TBBUTTON>(toolbar, TB_GETBUTTON, i), ask<RECT>(toolbar, TB_GETITEMRECT, i), -1};
        if (!(b.data.fsStyle & BTNS_SEP)) b.textLength = send(toolbar, TB_GETBUTTONTEXTA, b.data.idCommand, 0);
        buttons.push_back(b);
    }
    using Is = std::function<bool(const Button&)>;
    auto sep = [](const Button& b) { return (b.data.fsStyle & BTNS_SEP) != 0; };
    auto state = [](const Button& b, BYTE s) { return (b.data.fsState & s) != 0; };
    const std::pair<const char*, Is> kinds[] = {
        {"button", [&](auto& b) { return b.data.fsStyle == BTNS_BUTTON && b.data.fsState == TBSTATE_ENABLED; }},
        {"check", [&](auto& b) { return b.data.fsStyle == BTNS_CHECK && !state(b, TBSTATE_CHECKED); }},
        {"checked", [&](auto& b) { return b.data.fsStyle == BTNS_CHECK && state(b, TBSTATE_CHECKED); }},
        {"check group", [&](auto& b) { return b.data.fsStyle == BTNS_CHECKGROUP; }},
        {"disabled", [&](auto& b) { return !sep(b) && !state(b, TBSTATE_ENABLED); }},
        {"indeterminate", [&](auto& b) { return !sep(b) && state(b, TBSTATE_INDETERMINATE); }},
        {"hidden", [&](auto& b) { return !sep(b) && state(b, TBSTATE_HIDDEN); }},
        {"separator", [&](auto& b) { return sep(b) && !state(b, TBSTATE_WRAP) && b.rect.left > 9; }},
        {"wrapping separator", [&](auto& b) { return sep(b) && state(b, TBSTATE_WRAP); }},
        {"separator starting a row", [&](auto& b) { return sep(b) && b.index >= 1 && b.rect.left <= 9; }},
        {"drop-down", [&](auto& b) { return (b.data.fsStyle & BTNS_DROPDOWN) != 0; }},
        {"whole drop-down", [&](auto& b) { return (b.data.fsStyle & BTNS_WHOLEDROPDOWN) != 0; }},
        {"autosize", [&](auto& b) { return (b.data.fsStyle & BTNS_AUTOSIZE) != 0 && b.textLength > 0; }},
        {"with text", [&](auto& b) { return !sep(b) && b.textLength > 0; }},
        {"without text", [&](auto& b) { return !sep(b) && b.textLength <= 0; }},
    };
    for (const auto& [name, is] : kinds)
        EXPECT_TRUE(std::any_of(buttons.begin(), buttons.end(), is)) << "no " << name << " button";

    // Every shown button lies inside the toolbar, on one of two rows.
    RECT client;
    GetClientRect(toolbar, &client);
    std::vector<LONG> rows;
    for (const Button& b : buttons) {
        if (state(b, TBSTATE_HIDDEN)) continue;
        RECT inside;
        EXPECT_TRUE(IntersectRect(&inside, &b.rect, &client) && EqualRect(&inside, &b.rect)) << b.index;
        if (std::find(rows.begin(), rows.end(), b.rect.top) == rows.end()) rows.push_back(b.rect.top);
    }
    EXPECT_EQ(rows.size(), 2u);

    // The second toolbar holds a combo box beside its buttons.
    HWND container = item(id::ContainerToolbar);
    HWND combo = FindWindowExA(container, nullptr, "ComboBox", nullptr);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(GetDlgCtrlID(combo), id::ToolbarCombo);
    EXPECT_TRUE(IsWindowVisible(combo));
    EXPECT_GE(send(combo, CB_GETCOUNT), 2);
    RECT inside, place = remote::rectInParent(combo), area;
    GetClientRect(container, &area);
    EXPECT_TRUE(IntersectRect(&inside, &place, &area) && EqualRect(&inside, &place));
    EXPECT_GE(send(container, TB_BUTTONCOUNT), 2);
}

TEST_F(Gallery, TheGalleryDrawsTheOwnerDrawnListItems) {
    HWND list = item(id::OwnerDrawListBox);
    ASSERT_EQ(send(list, LB_GETTOPINDEX), 0);
    // The first item's swatch, in the middle; the item is not selected.
    ASSERT_NE(send(list, LB_GETCURSEL), 0);
    const RECT swatch = swatchRect(RECT{0, 0, 100, kOwnerDrawItemHeight});
    const POINT centre{(swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2};
    const COLORREF expected = ownerDrawItems().front().colour;
    EXPECT_TRUE(remote::waitUntil([&] { return distance(pixel(centre, list), expected) <= 6; }, 5000))
        << std::hex << pixel(centre, list);
}

TEST_F(Gallery, TheToggleButtonShowsAndHidesTheEditCreatedHidden) {
    HWND edit = item(id::HiddenEdit);
    ASSERT_FALSE(IsWindowVisible(edit));
    remote::clickWindow(item(id::ToggleHiddenEdit));
    EXPECT_TRUE(remote::waitUntil([&] { return IsWindowVisible(edit) != 0; }, 5000));
    // The second press goes elsewhere on the button: a quick second press at
    // the same place is a double click, which a skinned button takes as no
    // second click.
    RECT toggle;
    GetWindowRect(item(id::ToggleHiddenEdit), &toggle);
    remote::click(toggle.left + 12, (toggle.top + toggle.bottom) / 2);
    EXPECT_TRUE(remote::waitUntil([&] { return !IsWindowVisible(edit); }, 5000));
}

HWND shownMenu() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

TEST_F(Gallery, ItsHiddenMenuSwitchesTheSkinAsTheToolboxDoes) {
    auto chooseFromMenu = [&](int downs) {
        POINT at = kBackdropSample;
        ClientToScreen(window, &at);
        SetForegroundWindow(window);
        PostMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(at.x, at.y));
        ASSERT_TRUE(remote::waitUntil([] { return shownMenu() != nullptr; }, 5000));
        for (int i = 0; i < downs; ++i) remote::pressKey(VK_DOWN);
        remote::pressKey(VK_RETURN);
        ASSERT_TRUE(remote::waitUntil([] { return shownMenu() == nullptr; }, 5000));
    };
    chooseFromMenu(2);  // the second skin, golden, stretched over the window
    EXPECT_TRUE(remote::waitUntil([] { return distance(pixel(kBackdropSample), kGolden) <= 6; }, 5000))
        << std::hex << pixel(kBackdropSample);
    chooseFromMenu(1);  // back to sea-blue
    EXPECT_TRUE(remote::waitUntil([] { return distance(pixel(kBackdropSample), kSeaBlue) <= 6; }, 5000))
        << std::hex << pixel(kBackdropSample);
}

TEST(GalleryWindow, ItsCloseButtonEndsTheGallery) {
    remote::Program gallery;
    ASSERT_TRUE(gallery.start(galleryPath()));
    HWND window = gallery.waitForWindow(kWindowClass);
    ASSERT_NE(window, nullptr);
    RECT frame;
    GetWindowRect(window, &frame);
    // The close button is the last of the caption's buttons, at its right end.
    remote::click(frame.right - 20, frame.top + 10);
    EXPECT_TRUE(gallery.waitForExit(10000));
    DWORD code = 1;
    GetExitCodeProcess(gallery.handle(), &code);
    EXPECT_EQ(code, 0u);
}

// ---- Screenshots ---------------------------------------------------------------------------------

std::string freshFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "gallery-shots-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

class GalleryScreenshots : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(gfx::startup(token_), gfx::Status::Ok); }
    void TearDown() override { gfx::shutdown(token_); }

    // Runs the gallery with the arguments until it ends by itself.
    static DWORD run(const std::string& arguments) {
        remote::Program gallery;
        if (!gallery.start(galleryPath(), nullptr, arguments)) return 1000;
        if (!gallery.waitForExit(60000)) return 1001;
        DWORD code = 1002;
        GetExitCodeProcess(gallery.handle(), &code);
        return code;
    }
    static int brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }
    static COLORREF at(const gfx::Bitmap& shot, POINT p) {
        const gfx::ARGB c = shot.getPixel(p.x, p.y);
        return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
    }

    ULONG_PTR token_ = 0;
};

TEST_F(GalleryScreenshots, OnePerBuiltInSkinEachShowingItsSkin) {
    const std::string prefix = freshFolder() + "\\shot";
    ASSERT_EQ(run("--skins \"" + prefix + "\""), 0u);

    struct Expected {
        const char* skin;
        std::function<bool(COLORREF)> backdrop;
    };
    const Expected expected[] = {
        {"sea-blue", [](COLORREF c) { return distance(c, kSeaBlue) <= 6; }},
        {"golden", [](COLORREF c) { return distance(c, kGolden) <= 6; }},
        {"black", [](COLORREF c) { return brightness(c) < 120; }},
    };
    for (const Expected& e : expected) {
        const std::string path = skinShotPath(prefix, e.skin);
        gfx::Bitmap shot = gfx::Bitmap::fromFile(path);
        ASSERT_TRUE(shot) << path;
        EXPECT_EQ(shot.width(), kWidth);
        EXPECT_EQ(shot.height(), kHeight);
        const COLORREF backdrop = at(shot, kBackdropSample), caption = at(shot, kCaptionSample);
        EXPECT_TRUE(e.backdrop(backdrop)) << e.skin << std::hex << " " << backdrop;
        EXPECT_GT(brightness(caption), brightness(backdrop) + 60) << e.skin << std::hex << " " << caption;
        shot.dispose();
        DeleteFileA(path.c_str());
    }
}

TEST_F(GalleryScreenshots, AShotOfTheFirstSkinAndNothingForACommandLineItDoesNotKnow) {
    const std::string path = freshFolder() + "\\one.png";
    ASSERT_EQ(run("--shot \"" + path + "\""), 0u);
    gfx::Bitmap shot = gfx::Bitmap::fromFile(path);
    ASSERT_TRUE(shot);
    EXPECT_LE(distance(at(shot, kBackdropSample), kSeaBlue), 6);
    shot.dispose();
    DeleteFileA(path.c_str());

    EXPECT_EQ(run("--shot"), 2u);
    EXPECT_EQ(run("--screenshot x.png"), 2u);
}

// What the system keeps of the GDI objects its IP address control makes:
// Wine's keeps one for every control it has shown, which is none of the
// gallery's doing.
int gdiObjectsAnIpAddressControlKeeps() {
    HWND host = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 40, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    auto showOne = [&] {
        HWND ip = CreateWindowExA(0, "SysIPAddress32", "", WS_CHILD | WS_VISIBLE, 0, 0, 190, 24, host, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        UpdateWindow(ip);
        DestroyWindow(ip);
    };
    showOne();
    const int before = support::liveGdiObjectCount();
    for (int i = 0; i < 4; ++i) showOne();
    const int kept = (support::liveGdiObjectCount() - before) / 4;
    DestroyWindow(host);
    return kept;
}

// The gallery window opened in this process, as a family's own tests can.
TEST(GalleryInProcess, OpeningSkinningAndClosingTheWindowLeavesNoGdiObjectBehind) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    startSkinModule();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(registerGalleryClass(instance));
    auto openAndClose = [&] {
        HWND window = createGalleryWindow(instance);
        ASSERT_NE(window, nullptr);
        skinGalleryWindow(window);
        ShowWindow(window, SW_SHOWNOACTIVATE);
        settle(window);
        chooseSkin(builtInSkins().back());
        settle(window);
        EXPECT_EQ(reinterpret_cast<INT_PTR>(GetPropA(window, "Hw_lbID")), 1);
        DestroyWindow(window);
        settle(window);
    };
    openAndClose();  // the system's and the engine's first-use caches fill once
    const int systemKeeps = gdiObjectsAnIpAddressControlKeeps();
    const int before = support::liveGdiObjectCount();
    for (int i = 0; i < 3; ++i) openAndClose();
    EXPECT_EQ(support::liveGdiObjectCount(), before + 3 * systemKeeps) << systemKeeps;
    stopSkinModule();
}

}  // namespace
