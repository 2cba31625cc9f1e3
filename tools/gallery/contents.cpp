#include "tools/gallery/contents.h"

#include <array>
#include <cstdio>
#include <string>

#include "tools/gallery/layout.h"

namespace gallery {

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

constexpr auto kColourItems = std::to_array<ColourItem>({
    {"红色", RGB(220, 40, 40)},
    {"橙色", RGB(240, 140, 30)},
    {"黄色", RGB(240, 210, 40)},
    {"绿色", RGB(60, 170, 60)},
    {"青色", RGB(40, 180, 190)},
    {"蓝色", RGB(40, 90, 210)},
    {"紫色", RGB(140, 70, 200)},
    {"粉色", RGB(240, 130, 180)},
    {"棕色", RGB(140, 90, 50)},
    {"灰色", RGB(128, 128, 128)},
    {"黑色", RGB(0, 0, 0)},
    {"白色", RGB(255, 255, 255)},
});
// The icons take the colours of the items, but for the last two: an icon's
// face is neither black nor white, the colours of its outline and gleam.
constexpr size_t kIconColourCount = kColourItems.size() - 2;

INT_PTR text(const char* s) { return reinterpret_cast<INT_PTR>(s); }

constexpr BYTE kOn = TBSTATE_ENABLED;
constexpr int kToolbarComboWidth = 150;

// The toolbar's buttons: one of every kind and state a toolbar skin draws.
// clang-format off
const auto kToolbarButtons = std::to_array<TBBUTTON>({
    {0,  command::New,        kOn,                              BTNS_BUTTON,       {}, 0, text("新建")},
    {1,  command::Bold,       kOn,                              BTNS_CHECK,        {}, 0, text("加粗")},
    {2,  command::Italic,     kOn | TBSTATE_CHECKED,            BTNS_CHECK,        {}, 0, text("倾斜")},
    {0,  0,                   kOn,                              BTNS_SEP,          {}, 0, -1},
    {3,  command::Delete,     0,                                BTNS_BUTTON,       {}, 0, text("删除")},
    {4,  command::Mixed,      kOn | TBSTATE_INDETERMINATE,      BTNS_BUTTON,       {}, 0, text("不定")},
    {5,  command::Hidden,     kOn | TBSTATE_HIDDEN,             BTNS_BUTTON,       {}, 0, text("隐藏")},
    {6,  command::Open,       kOn,                              BTNS_DROPDOWN,     {}, 0, text("打开")},
    {7,  command::Recent,     kOn,                              BTNS_WHOLEDROPDOWN, {}, 0, text("最近")},
    {8,  command::AutoSize,   kOn,                              BTNS_AUTOSIZE,     {}, 0, text("自动宽度的按钮")},
    {9,  command::ImageOnly,  kOn,                              BTNS_BUTTON,       {}, 0, -1},
    // a separator that ends the first row, and one that starts the second
    {0,  0,                   kOn | TBSTATE_WRAP,               BTNS_SEP,          {}, 0, -1},
    {0,  0,                   kOn,                              BTNS_SEP,          {}, 0, -1},
    {10, command::AlignLeft,  kOn | TBSTATE_CHECKED,            BTNS_CHECKGROUP,   {}, 0, text("左对齐")},
    {11, command::AlignRight, kOn,                              BTNS_CHECKGROUP,   {}, 0, text("右对齐")},
    {0,  0,                   kOn,                              BTNS_SEP,          {}, 0, -1},
    {0,  command::Help,       kOn,                              BTNS_BUTTON,       {}, 0, text("帮助")},
});

// The container toolbar's; the first is the place of its combo box.
const auto kContainerButtons = std::to_array<TBBUTTON>({
    // a separator as wide as the combo box that lies over it
    {kToolbarComboWidth, 0,   kOn,                              BTNS_SEP,          {}, 0, -1},
    {0,  0,                   kOn,                              BTNS_SEP,          {}, 0, -1},
    {5,  command::Find,       kOn,                              BTNS_BUTTON,       {}, 0, text("查找")},
    {3,  command::Options,    kOn,                              BTNS_CHECK,        {}, 0, text("选项")},
});
// clang-format on

HWND item(HWND window, int id) { return GetDlgItem(window, id); }

void send(HWND window, int id, UINT msg, WPARAM wp = 0, LPARAM lp = 0) { SendMessageA(item(window, id), msg, wp, lp); }

template <typename T>
LPARAM ptr(T* p) {
    return reinterpret_cast<LPARAM>(p);
}

void drawIcon(HDC dc, int size, COLORREF colour) {
    RECT all{0, 0, size, size};
    win::OwnedBrush key(CreateSolidBrush(kKey));
    FillRect(dc, &all, key.get());
    win::OwnedBrush face(CreateSolidBrush(colour));
    win::OwnedGdiObject outline(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    {
        win::SelectedObject brush(dc, face.get());
        win::SelectedObject pen(dc, outline.get());
        RoundRect(dc, 1, 1, size - 1, size - 1, 5, 5);
    }
    RECT gleam{4, 4, size / 2, 6};
    FillRect(dc, &gleam, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// ---- Buttons and edits ------------------------------------------------------------

void fillButtons(HWND window) {
    send(window, id::AutoCheckBox, BM_SETCHECK, BST_CHECKED);
    send(window, id::ThreeStateCheckBox, BM_SETCHECK, BST_INDETERMINATE);
    send(window, id::AutoRadioFirst, BM_SETCHECK, BST_CHECKED);
}

void fillEdits(HWND window) {
    std::string lines;
    for (int i = 1; i <= 14; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "第%02d行：这一行比编辑框宽，两个滚动条都有事可做。\r\n", i);
        lines += line;
    }
    SetWindowTextA(item(window, id::ScrollingEdit), lines.c_str());
}

void fillUpDowns(HWND window) {
    HWND buddy = item(window, id::UpDownBuddyEdit);
    send(window, id::UpDownVertical, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy));
    send(window, id::UpDownVertical, UDM_SETRANGE32, 0, 100);
    send(window, id::UpDownVertical, UDM_SETPOS32, 0, 42);
    send(window, id::UpDownHorizontal, UDM_SETRANGE32, 0, 10);
    send(window, id::UpDownHorizontal, UDM_SETPOS32, 0, 5);
}

// ---- Combo boxes, list boxes and pickers --------------------------------------

void addComboItems(HWND combo, std::span<const char* const> items, int selected) {
    for (const char* s : items) SendMessageA(combo, CB_ADDSTRING, 0, ptr(s));
    SendMessageA(combo, CB_SETCURSEL, selected, 0);
}

constexpr auto kSongs = std::to_array<const char*>(
    {"月亮代表我的心", "甜蜜蜜", "小城故事", "但愿人长久", "在水一方", "橄榄树", "童年", "外婆的澎湖湾"});

void fillCombos(HWND window) {
    addComboItems(item(window, id::SimpleCombo), kSongs, 0);
    addComboItems(item(window, id::DropDownCombo), kSongs, 1);
    addComboItems(item(window, id::DropDownListCombo), kSongs, 2);
}

void fillListBoxes(HWND window) {
    HWND list = item(window, id::ListBox);
    for (int i = 1; i <= 40; ++i) {
        char s[32];
        std::snprintf(s, sizeof s, "列表项 %02d", i);
        SendMessageA(list, LB_ADDSTRING, 0, ptr(s));
    }
    SendMessageA(list, LB_SETCURSEL, 2, 0);

    HWND colours = item(window, id::OwnerDrawListBox);
    for (const ColourItem& c : kColourItems) {
        auto at = SendMessageA(colours, LB_ADDSTRING, 0, ptr(c.name));
        SendMessageA(colours, LB_SETITEMDATA, at, c.colour);
    }
    SendMessageA(colours, LB_SETCURSEL, 1, 0);
}

void fillPickers(HWND window) {
    send(window, id::IpAddress, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 10));
    // A fixed date, so that screenshots compare.
    SYSTEMTIME date{};
    date.wYear = 2024;
    date.wMonth = 5;
    date.wDay = 1;
    date.wDayOfWeek = 3;
    send(window, id::DatePicker, DTM_SETSYSTEMTIME, GDT_VALID, ptr(&date));
}

// ---- List views and the tree -----------------------------------------------------

void addColumn(HWND list, int index, const char* title, int width) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(title);
    column.cx = width;
    column.iSubItem = index;
    SendMessageA(list, LVM_INSERTCOLUMNA, index, ptr(&column));
}

void addRow(HWND list, std::span<const std::string> cells) {
    LVITEMA row{};
    row.mask = LVIF_TEXT;
    row.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    row.pszText = const_cast<char*>(cells[0].c_str());
    const int at = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, ptr(&row)));
    for (size_t i = 1; i < cells.size(); ++i) {
        LVITEMA cell{};
        cell.iSubItem = static_cast<int>(i);
        cell.pszText = const_cast<char*>(cells[i].c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, at, ptr(&cell));
    }
}

void fillListViews(HWND window) {
    HWND report = item(window, id::ReportListView);
    SendMessageA(report, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    addColumn(report, 0, "序号", 50);
    addColumn(report, 1, "歌曲", 120);
    addColumn(report, 2, "歌手", 90);
    addColumn(report, 3, "时长", 60);
    for (int i = 1; i <= 100; ++i) {
        char number[8], length[8];
        std::snprintf(number, sizeof number, "%03d", i);
        std::snprintf(length, sizeof length, "%02d:%02d", 2 + i % 4, (i * 17) % 60);
        const std::array<std::string, 4> cells{number, kSongs[i % kSongs.size()],
                                               std::string("歌手 ") + static_cast<char>('A' + i % 26), length};
        addRow(report, cells);
    }

    // Inserted out of order: the list view sorts them itself.
    HWND sorted = item(window, id::SortedListView);
    addColumn(sorted, 0, "名称", 90);
    addColumn(sorted, 1, "数量", 60);
    constexpr auto kNames = std::to_array<const char*>({"delta", "alpha", "echo", "charlie", "bravo", "foxtrot"});
    int count = 3;
    for (const char* name : kNames) {
        const std::array<std::string, 2> cells{name, std::to_string(count++)};
        addRow(sorted, cells);
    }
}

HTREEITEM addTreeItem(HWND tree, HTREEITEM parent, const char* caption) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(caption);
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, ptr(&insert)));
}

void fillTree(HWND window) {
    HWND tree = item(window, id::TreeView);
    HTREEITEM music = addTreeItem(tree, TVI_ROOT, "音乐");
    addTreeItem(tree, music, "流行");
    HTREEITEM classical = addTreeItem(tree, music, "古典");
    addTreeItem(tree, classical, "巴洛克");
    addTreeItem(tree, classical, "浪漫派");
    HTREEITEM radio = addTreeItem(tree, TVI_ROOT, "电台");
    addTreeItem(tree, radio, "早间节目");
    addTreeItem(tree, radio, "晚间节目");
    addTreeItem(tree, TVI_ROOT, "收藏");
    // One branch open, one closed: both buttons show.
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, ptr(music));
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, ptr(classical));
}

// ---- Trackbars and progress bars -------------------------------------------------

void setTrackbar(HWND window, int id, int position) {
    HWND bar = item(window, id);
    SendMessageA(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageA(bar, TBM_SETTICFREQ, 10, 0);
    SendMessageA(bar, TBM_SETPOS, TRUE, position);
}

void fillTrackbars(HWND window) {
    setTrackbar(window, id::Trackbar, 30);
    setTrackbar(window, id::TrackbarBoth, 100);  // at its maximum
    setTrackbar(window, id::TrackbarTop, 70);
    setTrackbar(window, id::TrackbarNoTicks, 0);
    setTrackbar(window, id::TrackbarSelection, 40);
    send(window, id::TrackbarSelection, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
    setTrackbar(window, id::TrackbarVertical, 50);
    setTrackbar(window, id::TrackbarVerticalBoth, 25);
    setTrackbar(window, id::TrackbarVerticalLeft, 75);
}

void fillProgressBars(HWND window) {
    for (int id : {id::ProgressEmpty, id::ProgressHalf, id::ProgressFull, id::ProgressVertical})
        send(window, id, PBM_SETRANGE32, 0, 100);
    send(window, id::ProgressEmpty, PBM_SETPOS, 0);
    send(window, id::ProgressHalf, PBM_SETPOS, 50);
    send(window, id::ProgressFull, PBM_SETPOS, 100);
    send(window, id::ProgressVertical, PBM_SETPOS, 50);
}

// ---- Headers -------------------------------------------------------------------------

void addHeaderItem(HWND header, const char* title, int width, int format, int image = -1) {
    HDITEMA h{};
    h.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    h.pszText = const_cast<char*>(title);
    h.cxy = width;
    h.fmt = format | HDF_STRING;
    if (image >= 0) {
        h.mask |= HDI_IMAGE;
        h.fmt |= HDF_IMAGE;
        h.iImage = image;
    }
    SendMessageA(header, HDM_INSERTITEMA, SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), ptr(&h));
}

void fillHeaders(HWND window, HIMAGELIST icons) {
    HWND buttons = item(window, id::ButtonHeader);
    SendMessageA(buttons, HDM_SETIMAGELIST, HDSIL_NORMAL, ptr(icons));
    addHeaderItem(buttons, "左对齐", 90, HDF_LEFT);
    addHeaderItem(buttons, "居中", 90, HDF_CENTER);
    addHeaderItem(buttons, "右对齐", 90, HDF_RIGHT);
    addHeaderItem(buttons, "图标", 90, HDF_LEFT, 1);

    HWND plain = item(window, id::PlainHeader);
    addHeaderItem(plain, "名称", 120, HDF_LEFT);
    addHeaderItem(plain, "大小", 120, HDF_RIGHT);
    addHeaderItem(plain, "类型", 120, HDF_CENTER);
}

// ---- Toolbars ------------------------------------------------------------------------

void addToolbarButtons(HWND toolbar, HIMAGELIST icons, std::span<const TBBUTTON> buttons) {
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, ptr(icons));
    // Buttons as wide as their captions need, not as wide as the longest one.
    SendMessageA(toolbar, TB_SETBUTTONWIDTH, 0, MAKELPARAM(0, 60));
    SendMessageA(toolbar, TB_ADDBUTTONSA, buttons.size(), ptr(buttons.data()));
}

void fillToolbars(HWND window, HIMAGELIST icons, HFONT font) {
    addToolbarButtons(item(window, id::Toolbar), icons, kToolbarButtons);

    HWND container = item(window, id::ContainerToolbar);
    addToolbarButtons(container, icons, kContainerButtons);
    RECT place{};
    SendMessageA(container, TB_GETITEMRECT, 0, ptr(&place));
    HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST,
                                 place.left, place.top + 2, kToolbarComboWidth, 160, container,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id::ToolbarCombo)),
                                 GetModuleHandleA(nullptr), nullptr);
    SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    constexpr auto kFaces = std::to_array<const char*>({"宋体", "黑体", "楷体", "仿宋"});
    addComboItems(combo, kFaces, 0);
}

}  // namespace

HIMAGELIST makeIconList(int count, int size) {
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, count, 0);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    win::OwnedMemoryDc dc(CreateCompatibleDC(nullptr));
    for (int i = 0; i < count; ++i) {
        win::OwnedBitmap picture(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        {
            win::SelectedObject selected(dc.get(), picture.get());
            drawIcon(dc.get(), size, kColourItems[static_cast<size_t>(i) % kIconColourCount].colour);
        }
        // The image list keeps copies of the picture and of its mask.
        ImageList_AddMasked(list, picture.get(), kKey);
    }
    return list;
}

std::span<const ColourItem> ownerDrawItems() { return kColourItems; }

RECT swatchRect(const RECT& item) { return RECT{item.left + 3, item.top + 3, item.left + 17, item.bottom - 3}; }

void fillControls(HWND window, const ImageLists& images, HFONT font) {
    fillButtons(window);
    fillEdits(window);
    fillUpDowns(window);
    fillCombos(window);
    fillListBoxes(window);
    fillPickers(window);
    fillListViews(window);
    fillTree(window);
    fillTrackbars(window);
    fillProgressBars(window);
    fillHeaders(window, images.header.get());
    fillToolbars(window, images.toolbars.get(), font);
}

void drawColourItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT rc = item.rcItem;
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemAction & ODA_FOCUS) DrawFocusRect(dc, &rc);
        return;
    }
    if (item.itemAction == ODA_FOCUS) {
        DrawFocusRect(dc, &rc);
        return;
    }
    const bool selected = item.itemState & ODS_SELECTED;
    // A full draw lands on the list's erased (or skinned) background, so only
    // a selection needs a ground of its own; a selection change repaints the
    // ground of the item it leaves.
    if (selected) FillRect(dc, &rc, GetSysColorBrush(COLOR_HIGHLIGHT));
    else if (item.itemAction & ODA_SELECT) FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));

    RECT swatch = swatchRect(rc);
    win::OwnedBrush colour(CreateSolidBrush(static_cast<COLORREF>(item.itemData)));
    FillRect(dc, &swatch, colour.get());
    FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    char name[64] = {};
    const auto length = SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    if (length > 0 && length < static_cast<LRESULT>(sizeof name))
        SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, ptr(name));
    RECT label{swatch.right + 6, rc.top, rc.right, rc.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(dc, name, -1, &label, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &rc);
}

}  // namespace gallery
