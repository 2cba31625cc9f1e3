#include "tools/gallery/layout.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>

namespace gallery {

namespace {

constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kLine = ES_AUTOHSCROLL | WS_TABSTOP;
constexpr DWORD kMultiLine = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_TABSTOP;
constexpr DWORD kCombo = WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kListBox = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kReport = LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP;
constexpr DWORD kTicks = TBS_AUTOTICKS | WS_TABSTOP;
// Toolbars keep the place the layout gives them instead of docking at the top,
// and ask their parent to erase their background (see onNotify).
constexpr DWORD kToolbar = TBSTYLE_FLAT | TBSTYLE_CUSTOMERASE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
constexpr DWORD kEdge = WS_EX_CLIENTEDGE;

// Columns: buttons and edits; combo boxes, list boxes and pickers; list
// views, tree, headers and progress bars; trackbars.
// clang-format off
constexpr auto kControls = std::to_array<ControlSpec>({
    // toolbars across the top
    {id::ToolbarsTitle,        "Static",            "工具栏（按钮、复选、已选、禁用、不定、隐藏、分隔、换行、下拉、自动宽度、无文字）", 0, 0, 12, 32, 630, 16},
    {id::Toolbar,              "ToolbarWindow32",   "", kToolbar, 0,                        12,  50, 630,  84},
    {id::ContainerTitle,       "Static",            "容器工具栏（内含组合框）", 0, 0,      656,  32, 332,  16},
    {id::ContainerToolbar,     "ToolbarWindow32",   "", kToolbar | TBSTYLE_LIST, 0,        656,  50, 332,  30},
    {id::SkinMenuHint,         "Static",            "在窗口空白处按右键可换肤", 0, 0,      656,  96, 332,  16},

    // buttons
    {id::ButtonsTitle,         "Static",            "按钮", 0, 0,                           12, 142, 180,  16},
    {id::PushButton,           "Button",            "普通按钮", kPush, 0,                   12, 160,  86,  26},
    {id::DefaultPushButton,    "Button",            "默认按钮", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 106, 160, 86, 26},
    {id::DisabledPushButton,   "Button",            "禁用按钮", kPush | WS_DISABLED, 0,     12, 190,  86,  26},
    {id::ToggleHiddenEdit,     "Button",            "显示隐藏框", kPush, 0,                106, 190,  86,  26},
    {id::AutoCheckBox,         "Button",            "自动复选框（已选）", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 12, 222, 180, 20},
    {id::CheckBox,             "Button",            "普通复选框", BS_CHECKBOX | WS_TABSTOP, 0, 12, 244, 180, 20},
    {id::ThreeStateCheckBox,   "Button",            "三态复选框（不定）", BS_AUTO3STATE | WS_TABSTOP, 0, 12, 266, 180, 20},
    {id::AutoRadioFirst,       "Button",            "自动单选一（已选）", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 12, 288, 180, 20},
    {id::AutoRadioSecond,      "Button",            "自动单选二", BS_AUTORADIOBUTTON, 0,    12, 310, 180,  20},
    {id::PlainRadio,           "Button",            "普通单选（保持原样）", BS_RADIOBUTTON | WS_GROUP | WS_TABSTOP, 0, 12, 332, 180, 20},

    // edits
    {id::EditsTitle,           "Static",            "编辑框", 0, 0, 12, 360, 180, 16},
    {id::ClientEdgeEdit,       "Edit",              "客户区边缘", kLine, kEdge,             12, 378, 180,  24},
    {id::BorderEdit,           "Edit",              "单线边框", kLine | WS_BORDER, 0,       12, 408, 180,  24},
    {id::BorderlessEdit,       "Edit",              "无边框", kLine, 0,                     12, 438, 180,  20},
    {id::ScrollingEdit,        "Edit",              "", kMultiLine | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL, kEdge, 12, 464, 180, 100},
    {id::HiddenEdit,           "Edit",              "创建时隐藏的编辑框：\r\n用“显示隐藏框”按钮切换。", kMultiLine | WS_VSCROLL, kEdge, 12, 570, 180, 56, true},

    // up-down controls
    {id::UpDownsTitle,         "Static",            "上下控件", 0, 0,                       12, 634, 180,  16},
    {id::UpDownBuddyEdit,      "Edit",              "", kLine | ES_NUMBER, kEdge,           12, 652, 100,  24},
    // aligns itself to the right edge inside its buddy edit
    {id::UpDownVertical,       "msctls_updown32",   "", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 96, 652, 16, 24},
    {id::UpDownHorizontal,     "msctls_updown32",   "", UDS_HORZ | UDS_ARROWKEYS, 0,       124, 652,  40,  24},

    // combo boxes
    {id::CombosTitle,          "Static",            "组合框（简单、下拉、下拉列表）", 0, 0, 206, 142, 190,  16},
    {id::SimpleCombo,          "ComboBox",          "", CBS_SIMPLE | kCombo, 0,            206, 160, 190,  96},
    {id::DropDownCombo,        "ComboBox",          "", CBS_DROPDOWN | kCombo, 0,          206, 262, 190,  24, false, 160},
    {id::DropDownListCombo,    "ComboBox",          "", CBS_DROPDOWNLIST | kCombo, 0,      206, 292, 190,  24, false, 160},

    // list boxes
    {id::ListBoxTitle,         "Static",            "列表框", 0, 0,                        206, 326, 190,  16},
    {id::ListBox,              "ListBox",           "", kListBox, kEdge,                   206, 344, 190, 120},
    {id::OwnerDrawTitle,       "Static",            "自绘列表框", 0, 0,                    206, 470, 190,  16},
    {id::OwnerDrawListBox,     "ListBox",           "", kListBox | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, kEdge, 206, 488, 190, 110},

    // pickers
    {id::PickersTitle,         "Static",            "IP 地址与日期", 0, 0,                 206, 606, 190,  16},
    {id::IpAddress,            "SysIPAddress32",    "", WS_TABSTOP, 0,                     206, 624, 190,  24},
    {id::DatePicker,           "SysDateTimePick32", "", DTS_SHORTDATEFORMAT | WS_TABSTOP, 0, 206, 654, 190, 24},

    // list views and the tree
    {id::ReportTitle,          "Static",            "报表列表视图（带表头，100 行）", 0, 0, 410, 142, 360,  16},
    {id::ReportListView,       "SysListView32",     "", kReport, kEdge,                    410, 160, 360, 180},
    {id::SortedTitle,          "Static",            "排序列表视图（保持原样）", 0, 0,      410, 348, 175,  16},
    {id::SortedListView,       "SysListView32",     "", kReport | LVS_SORTASCENDING, kEdge, 410, 366, 175, 120},
    {id::TreeTitle,            "Static",            "树形视图", 0, 0,                      595, 348, 175,  16},
    {id::TreeView,             "SysTreeView32",     "", TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP, kEdge, 595, 366, 175, 120},

    // headers
    {id::HeadersTitle,         "Static",            "表头（带按钮 / 不带按钮）", 0, 0,     410, 494, 360,  16},
    {id::ButtonHeader,         "SysHeader32",       "", HDS_BUTTONS | HDS_HORZ, 0,         410, 512, 360,  24},
    {id::PlainHeader,          "SysHeader32",       "", HDS_HORZ, 0,                       410, 542, 360,  24},

    // progress bars
    {id::ProgressTitle,        "Static",            "进度条（0%、50%、100%、竖直 50%）", 0, 0, 410, 574, 360, 16},
    {id::ProgressEmpty,        "msctls_progress32", "", 0, 0,                              410, 594, 310,  16},
    {id::ProgressHalf,         "msctls_progress32", "", 0, 0,                              410, 618, 310,  16},
    {id::ProgressFull,         "msctls_progress32", "", 0, 0,                              410, 642, 310,  16},
    {id::ProgressVertical,     "msctls_progress32", "", PBS_VERTICAL, 0,                   746, 594,  20,  88},

    // trackbars
    {id::TrackbarsTitle,       "Static",            "滑块（下、两侧、上、无刻度、选区）", 0, 0, 784, 142, 204, 16},
    {id::Trackbar,             "msctls_trackbar32", "", kTicks, 0,                         784, 160, 204,  30},
    {id::TrackbarBoth,         "msctls_trackbar32", "", kTicks | TBS_BOTH, 0,              784, 194, 204,  40},
    {id::TrackbarTop,          "msctls_trackbar32", "", kTicks | TBS_TOP, 0,               784, 238, 204,  30},
    {id::TrackbarNoTicks,      "msctls_trackbar32", "", TBS_NOTICKS | WS_TABSTOP, 0,       784, 272, 204,  26},
    {id::TrackbarSelection,    "msctls_trackbar32", "", kTicks | TBS_ENABLESELRANGE, 0,    784, 302, 204,  34},
    {id::VerticalTrackbarsTitle, "Static",          "竖直滑块（右、两侧、左）", 0, 0,      784, 340, 204,  16},
    {id::TrackbarVertical,     "msctls_trackbar32", "", kTicks | TBS_VERT, 0,              784, 358,  40, 160},
    {id::TrackbarVerticalBoth, "msctls_trackbar32", "", kTicks | TBS_VERT | TBS_BOTH, 0,   838, 358,  48, 160},
    {id::TrackbarVerticalLeft, "msctls_trackbar32", "", kTicks | TBS_VERT | TBS_LEFT, 0,   900, 358,  40, 160},
});
// clang-format on

constexpr std::array<BuiltInSkin, 3> kSkins{{
    {"sea-blue", "海蓝格调", "SKIN_SEA_BLUE", 4},
    {"golden", "金色麦田", "SKIN_GOLDEN", 3},
    {"black", "黑色幽默", "SKIN_BLACK", 3},
}};

}  // namespace

std::span<const ControlSpec> galleryControls() { return kControls; }

const ControlSpec* findControl(int id) {
    auto it = std::find_if(kControls.begin(), kControls.end(), [id](const ControlSpec& s) { return s.id == id; });
    return it == kControls.end() ? nullptr : &*it;
}

std::span<const BuiltInSkin> builtInSkins() { return kSkins; }

}  // namespace gallery
