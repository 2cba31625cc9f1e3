#include "app/layout.h"

#include "app/label.h"

#include <algorithm>
#include <array>

namespace app {

namespace {

using K = ControlKind;
using A = Anchor;
constexpr COLORREF D = kDefaultColour;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;
constexpr const char* kCartoonFace = "方正卡通简体";

constexpr std::array kPageTitles{"首页", "酷狗音乐", "编辑器", "字幕搜索"};

// clang-format off
constexpr std::array<ControlSpec, 24> kMain{{
    {ctl::转换框,        K::Tab,          0, A::Window,   5,  27, 800, 540, "", nullptr, 12, D, D, 0, true},
    // page 1 "首页"
    {ctl::头像,          K::PictureBox,   1, A::Page,    55,  40,  60,  60, "", nullptr, 12, D, kWhite, 0, true},
    {ctl::标题文本,      K::Label,        1, A::Page,   129,  40, 186,  53, "\r\nLumo音乐台盒子\r\nLumoRadio Box", nullptr, 16, kBlack, D, kLabelWordWrap, true},
    {ctl::公告框,        K::Edit,         1, A::Page,   403,  61, 368, 265, "", nullptr, 12, D, kWhite, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, true},
    {ctl::激活网页酷狗,  K::Button,       1, A::Page,    80, 144, 150,  32, "激活网页酷狗播放器", nullptr, 15, D, D, 0, true},
    {ctl::值班截图按钮,  K::Button,       1, A::Page,   230, 144, 150,  32, "截图工具[暂停使用]", nullptr, 15, D, D, 0, false},
    {ctl::背景音乐帮助,  K::Button,       1, A::Page,    83, 192, 250,  32, "酷狗网页版播放如何播放Lumo背景音", nullptr, 15, D, D, 0, true},
    {ctl::IP地址标签,    K::Label,        1, A::Page,    56, 345, 250,  40, "", kCartoonFace, 16, kBlack, D, kLabelWordWrap, true},
    {ctl::北京时间,      K::Label,        1, A::Page,   499, 345, 250,  40, "", kCartoonFace, 14, kBlack, D, kLabelWordWrap, true},
    {ctl::分组框1,       K::GroupBox,     1, A::Page,    44, 389, 744, 135, " 效果设置 ", nullptr, 12, D, D, 0, true},
    // inside 分组框1
    {ctl::透明设置文本,  K::Label,        1, A::Group,   15,  21,  32,  24, "透明", nullptr, 15, kBlack, D, 0, true},
    {ctl::透明度组合框,  K::DropDownList, 1, A::Group,   48,  23, 180,  20, "", nullptr, 12, D, kWhite, 0, true},
    {ctl::总在最前选择框, K::CheckBox,    1, A::Group,  237,  20,  80,  32, "总在最前", nullptr, 13, D, D, 0, true},
    {ctl::皮肤更换,      K::Button,       1, A::Group,  336,  20,  80,  32, "皮肤更换", nullptr, 15, D, D, 0, true},
    {ctl::自定义背景图,  K::Button,       1, A::Group,  425,  20, 100,  32, "自定义皮肤", nullptr, 15, D, D, 0, true},
    {ctl::编辑器设置文本, K::Label,       1, A::Group,   15,  60, 128,  24, "编辑器文字颜色设置", nullptr, 15, kBlack, D, 0, true},
    {ctl::编辑器文字颜色, K::DropDownList, 1, A::Group, 152,  60, 180,  20, "", nullptr, 15, D, kWhite, 0, true},
    // page 2 "酷狗音乐": the notice comes after the browser so that it lies in front of it
    {ctl::酷狗音乐,      K::Browser,      2, A::Page,    22,  -9, 800, 540, "", nullptr, 12, D, D, 0, true},
    {ctl::启用提示,      K::Label,        2, A::Page,   192, 157, 416,  56, "请先在首页启用酷狗音乐播放器网页版", nullptr, 20, kRed, kWhite, 0, true},
    // page 3 "编辑器"
    {ctl::编辑器,        K::Edit,         3, A::Page,    20,   1, 770, 510, "", nullptr, 12, kBlack, kWhite, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, true},
    {ctl::超级链接框1,   K::Hyperlink,    3, A::Page,   707, 514,  80,  16, "换肤", nullptr, 12, D, kTransparent, 0, true},
    // page 4 "字幕搜索"
    {ctl::歌名框,        K::Edit,         4, A::Page,   352,   3, 251,  20, "", nullptr, 12, D, kWhite, ES_AUTOHSCROLL, true},
    {ctl::歌词搜索按钮,  K::Button,       4, A::Page,   605,   2,  70,  23, "搜索", nullptr, 12, D, D, 0, true},
    {ctl::歌词网页,      K::Browser,      4, A::Page,    22, -320, 800, 900, "", nullptr, 12, D, D, 0, true},
}};

constexpr std::array<ControlSpec, 2> kHelp{{
    {ctl::图片框1,  K::PictureBox, 0, A::Window,   0,  0, 259, 186, "", nullptr, 12, D, kWhite, 0, true},
    // "X" sits inside the picture box, which fills the window from its origin
    {ctl::窗口关闭, K::Hyperlink,  0, A::Window, 224, 16,  10,  10, "X", nullptr, 12, D, kWhite, 0, true},
}};
// clang-format on

constexpr std::array kTransparencyItems{"不透明", "25%透明", "50%透明", "75%透明"};
constexpr std::array kColourItems{"默认", "黑色", "红色", "蓝色", "绿色", "黄色", "白色", "紫色", "灰色"};

constexpr std::array<MenuEntry, 3> kSkinMenu{{
    {menu::海蓝格调, "海蓝格调"},
    {menu::金色麦田, "金色麦田"},
    {menu::黑色幽默, "黑色幽默"},
}};

}  // namespace

std::span<const char* const> pageTitles() { return kPageTitles; }
std::span<const ControlSpec> mainWindowControls() { return kMain; }
std::span<const ControlSpec> helpWindowControls() { return kHelp; }
std::span<const MenuEntry> skinMenuEntries() { return kSkinMenu; }

const ControlSpec* findControlSpec(int id) {
    for (auto table : {mainWindowControls(), helpWindowControls()}) {
        auto it = std::find_if(table.begin(), table.end(), [id](const ControlSpec& s) { return s.id == id; });
        if (it != table.end()) return &*it;
    }
    return nullptr;
}

std::span<const char* const> listItems(int id) {
    if (id == ctl::透明度组合框) return kTransparencyItems;
    if (id == ctl::编辑器文字颜色) return kColourItems;
    return {};
}

POINT centredOrigin(int screenWidth, int screenHeight, int width, int height) {
    return POINT{(screenWidth - width) / 2, (screenHeight - height) / 2};
}

RECT controlRect(const ControlSpec& spec, const RECT& pageArea, const RECT& groupRect) {
    int left = spec.x, top = spec.y;
    if (spec.anchor == Anchor::Page) {
        left += pageArea.left;
        top += pageArea.top;
    } else if (spec.anchor == Anchor::Group) {
        left += groupRect.left;
        top += groupRect.top;
    }
    return RECT{left, top, left + spec.width, top + spec.height};
}

}  // namespace app
