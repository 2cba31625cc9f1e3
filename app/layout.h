#pragma once
#include <span>
#include <windows.h>

// The main window's layout: every control with its name, kind, place, size,
// caption, font and colours.  The names of the layout are the controls'
// identifiers in code; their values are the controls' dialog identifiers.
namespace app {

namespace ctl {
enum : int {
    转换框 = 1000,
    头像,
    标题文本,
    公告框,
    激活网页酷狗,
    值班截图按钮,
    背景音乐帮助,
    IP地址标签,
    北京时间,
    分组框1,
    透明设置文本,
    透明度组合框,
    总在最前选择框,
    皮肤更换,
    自定义背景图,
    编辑器设置文本,
    编辑器文字颜色,
    酷狗音乐,
    启用提示,
    编辑器,
    超级链接框1,
    歌名框,
    歌词搜索按钮,
    歌词网页,
    // help picture window
    图片框1 = 1100,
    窗口关闭,
};
}  // namespace ctl

// Menu command identifiers of the hidden skin menu "换肤".
namespace menu {
enum : int { 海蓝格调 = 2001, 金色麦田, 黑色幽默 };
}

enum class ControlKind { Tab, PictureBox, Label, Hyperlink, Edit, Button, CheckBox, GroupBox, DropDownList, Browser };

// What a control's position is relative to.
enum class Anchor { Window, Page, Group };

inline constexpr COLORREF kDefaultColour = 0xFF000000;  // the system's own colour
inline constexpr COLORREF kTransparent = 0xFFFFFFFF;    // the parent's background shows through

struct ControlSpec {
    int id;
    ControlKind kind;
    int page;  // 1..4 for the tab pages, 0 for a control of the window itself
    Anchor anchor;
    int x, y, width, height;
    const char* caption;
    const char* face;  // nullptr: the default face
    int fontHeight;    // character height in pixels
    COLORREF textColour;
    COLORREF background;
    DWORD style;  // kind-specific style bits added to the kind's defaults
    bool enabled;
};

// Link colours of the hyperlink labels.
struct LinkColours {
    COLORREF normal, visited, hover;
};
inline constexpr LinkColours kLinkColours{0xFF0000, 0x000080, 0xFF9933};

inline constexpr int kMainWidth = 810;
inline constexpr int kMainHeight = 570;
inline constexpr int kHelpWidth = 259;
inline constexpr int kHelpHeight = 186;
inline constexpr const char* kMainTitle = "Lumo音乐台盒子";
inline constexpr int kDefaultFontHeight = 12;

// Tab page titles, in page order.
std::span<const char* const> pageTitles();

// The main window's controls in creation order (the group box comes before
// the controls it holds).
std::span<const ControlSpec> mainWindowControls();

// The help picture window's controls.
std::span<const ControlSpec> helpWindowControls();

const ControlSpec* findControlSpec(int id);

// The items of a drop-down list, empty for other controls.
std::span<const char* const> listItems(int id);

// Items of the hidden skin menu, in order, with their command identifiers.
struct MenuEntry {
    int command;
    const char* text;
};
inline constexpr const char* kSkinMenuTitle = "换肤";
std::span<const MenuEntry> skinMenuEntries();

// Top-left corner of a window of the given size centred on a screen, truncated.
POINT centredOrigin(int screenWidth, int screenHeight, int width, int height);

// A control's rectangle in its window's client coordinates, given the tab
// control's display area and the group box's rectangle (both in client
// coordinates).
RECT controlRect(const ControlSpec& spec, const RECT& pageArea, const RECT& groupRect);

}  // namespace app
