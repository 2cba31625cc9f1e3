// The main window as another process sees it: placement, styles and every
// control of the layout.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/help_window.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "tests/support/remote.h"

namespace {

using namespace app;

class RunningProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        program = new remote::Program;
        ASSERT_TRUE(program->start());
        main = program->waitForWindow(kMainWindowClass);
        ASSERT_NE(main, nullptr);
    }
    static void TearDownTestSuite() {
        delete program;
        program = nullptr;
    }
    static HWND item(int id) { return GetDlgItem(main, id); }
    static bool visible(int id) { return IsWindowVisible(item(id)) != 0; }

    static inline remote::Program* program = nullptr;
    static inline HWND main = nullptr;
};

TEST_F(RunningProgram, MainWindowIsCentredBorderlessAndTitled) {
    RECT rc;
    GetWindowRect(main, &rc);
    POINT origin = centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 810, 570);
    EXPECT_EQ(rc.left, origin.x);
    EXPECT_EQ(rc.top, origin.y);
    EXPECT_EQ(rc.right - rc.left, 810);
    EXPECT_EQ(rc.bottom - rc.top, 570);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 810);
    EXPECT_EQ(client.bottom, 570);

    EXPECT_EQ(remote::windowText(main), "Lumo音乐台盒子");
    // Created with WS_CLIPCHILDREN and WS_MINIMIZEBOX only; the skin engine
    // then paints the children's surroundings itself and keeps the system
    // commands available.
    LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_CLIPCHILDREN));
    LONG ex = GetWindowLongA(main, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_APPWINDOW);
    EXPECT_FALSE(ex & WS_EX_TOPMOST);
}

TEST_F(RunningProgram, EveryControlIsADirectChildInItsPlace) {
    HWND tab = item(ctl::转换框);
    ASSERT_NE(tab, nullptr);
    const RECT page = remote::tabDisplayArea(program->handle(), tab);
    const RECT group = remote::rectInParent(item(ctl::分组框1));
    EXPECT_EQ(group.left, page.left + 44);
    EXPECT_EQ(group.top, page.top + 389);

    for (const ControlSpec& spec : mainWindowControls()) {
        HWND w = item(spec.id);
        ASSERT_NE(w, nullptr) << spec.id;
        EXPECT_EQ(GetParent(w), main) << spec.id;
        RECT expected = controlRect(spec, page, group);
        RECT actual = remote::rectInParent(w);
        EXPECT_EQ(actual.left, expected.left) << spec.id;
        EXPECT_EQ(actual.top, expected.top) << spec.id;
        EXPECT_EQ(actual.right, expected.right) << spec.id;
        EXPECT_EQ(actual.bottom, expected.bottom) << spec.id;
        EXPECT_EQ(IsWindowEnabled(w) != 0, spec.id != ctl::值班截图按钮) << spec.id;
        EXPECT_EQ(IsWindowVisible(w) != 0, spec.page <= 1) << spec.id;
    }
}

TEST_F(RunningProgram, ControlsHaveTheirClassesCaptionsAndStyles) {
    struct Case {
        int id;
        const char* cls;
        const char* text;
        LONG typeMask;
        LONG type;
    } cases[] = {
        // The skin engine has made the push buttons owner-drawn.
        {ctl::转换框, "SysTabControl32", "", 0, 0},
        {ctl::激活网页酷狗, "Button", "激活网页酷狗播放器", 0xF, BS_OWNERDRAW},
        {ctl::值班截图按钮, "Button", "截图工具[暂停使用]", 0xF, BS_OWNERDRAW},
        {ctl::背景音乐帮助, "Button", "酷狗网页版播放如何播放Lumo背景音", 0xF, BS_OWNERDRAW},
        {ctl::分组框1, "Button", " 效果设置 ", 0xF, BS_GROUPBOX},
        {ctl::总在最前选择框, "Button", "总在最前", 0xF, BS_AUTOCHECKBOX},
        {ctl::皮肤更换, "Button", "皮肤更换", 0xF, BS_OWNERDRAW},
        {ctl::自定义背景图, "Button", "自定义皮肤", 0xF, BS_OWNERDRAW},
        {ctl::歌词搜索按钮, "Button", "搜索", 0xF, BS_OWNERDRAW},
        {ctl::透明度组合框, "ComboBox", "不透明", 0x3, CBS_DROPDOWNLIST},
        {ctl::编辑器文字颜色, "ComboBox", "默认", 0x3, CBS_DROPDOWNLIST},
        {ctl::公告框, "Edit", nullptr, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, ES_MULTILINE},
        {ctl::编辑器, "Edit", "", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, ES_MULTILINE | WS_VSCROLL},
        {ctl::歌名框, "Edit", "", ES_MULTILINE | WS_VSCROLL, 0},
        {ctl::标题文本, "LumoLabel", "\r\nLumo音乐台盒子\r\nLumoRadio Box", 0, 0},
        {ctl::透明设置文本, "LumoLabel", "透明", 0, 0},
        {ctl::编辑器设置文本, "LumoLabel", "编辑器文字颜色设置", 0, 0},
        {ctl::启用提示, "LumoLabel", "请先在首页启用酷狗音乐播放器网页版", 0, 0},
        {ctl::超级链接框1, "LumoLabel", "换肤", 0, 0},
        {ctl::头像, "LumoPictureBox", "", 0, 0},
        {ctl::酷狗音乐, "LumoBrowserHost", "", 0, 0},
        {ctl::歌词网页, "LumoBrowserHost", "", 0, 0},
    };
    for (const Case& c : cases) {
        HWND w = item(c.id);
        ASSERT_NE(w, nullptr) << c.id;
        EXPECT_EQ(remote::className(w), c.cls) << c.id;
        if (c.text) {
            EXPECT_EQ(remote::windowText(w), c.text) << c.id;
        }
        EXPECT_EQ(GetWindowLongA(w, GWL_STYLE) & c.typeMask, c.type) << c.id;
    }
    EXPECT_FALSE(IsDlgButtonChecked(main, ctl::总在最前选择框));
}

TEST_F(RunningProgram, ListsHoldTheirItems) {
    EXPECT_EQ(remote::comboItems(item(ctl::透明度组合框)),
              (std::vector<std::string>{"不透明", "25%透明", "50%透明", "75%透明"}));
    EXPECT_EQ(remote::comboItems(item(ctl::编辑器文字颜色)),
              (std::vector<std::string>{"默认", "黑色", "红色", "蓝色", "绿色", "黄色", "白色", "紫色", "灰色"}));
    const char* titles[] = {"首页", "酷狗音乐", "编辑器", "字幕搜索"};
    HWND tab = item(ctl::转换框);
    ASSERT_EQ(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(remote::tabItemText(program->handle(), tab, i), titles[i]);
    EXPECT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), 0);
}

TEST_F(RunningProgram, NoticeKeepsItsParagraphsBetweenRules) {
    std::string notice = remote::windowText(item(ctl::公告框));
    for (const char* paragraph : {"截图功能需要有C盘\r\n如果当前系统没有挂载C盘的话，请不要开启此功能",
                                  "关于自定义皮肤，尽量选择纯色的皮肤。方便查看以及使用",
                                  "对于音乐台，编辑器+网页版酷狗+字幕搜索已经是足够了的\r\n"
                                  "希望大家能够开发出属于自己的版本，添加出更多的功能"})
        EXPECT_NE(notice.find(paragraph), std::string::npos) << paragraph;
    const std::string rule(56, '-');
    size_t first = notice.find(rule + "\r\n");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(notice.substr(notice.size() - 56), rule);
    EXPECT_NE(notice.find("年", first), std::string::npos);  // the dated sign-off
}

TEST_F(RunningProgram, StartTimeAndAddressHeadings) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char date[64];
    wsprintfA(date, "最后运行时间\r\n%d年%d月%d日", now.wYear, now.wMonth, now.wDay);
    EXPECT_EQ(remote::windowText(item(ctl::北京时间)).rfind(date, 0), 0u);
    EXPECT_EQ(remote::windowText(item(ctl::IP地址标签)), "当前IP地址\r\n");
}

TEST_F(RunningProgram, ClickingATabHeaderShowsOnlyThatPage) {
    HWND tab = item(ctl::转换框);
    SetForegroundWindow(main);
    for (int page : {3, 4, 2, 1}) {
        RECT header = remote::tabItemRect(program->handle(), tab, page - 1);
        remote::clickClientRect(tab, header);
        ASSERT_TRUE(remote::waitUntil([&] { return SendMessageA(tab, TCM_GETCURSEL, 0, 0) == page - 1; }, 20000))
            << page;
        for (const ControlSpec& spec : mainWindowControls())
            EXPECT_EQ(visible(spec.id), spec.page == 0 || spec.page == page) << page << " " << spec.id;
    }
}

TEST_F(RunningProgram, HelpPictureOpensCentredAndItsLinkClosesIt) {
    remote::clickWindow(item(ctl::背景音乐帮助));
    HWND help = program->waitForWindow(kHelpWindowClass);
    ASSERT_NE(help, nullptr);
    RECT rc;
    GetWindowRect(help, &rc);
    POINT origin = centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 259, 186);
    EXPECT_EQ(rc.left, origin.x);
    EXPECT_EQ(rc.top, origin.y);
    EXPECT_EQ(rc.right - rc.left, 259);
    EXPECT_EQ(rc.bottom - rc.top, 186);
    EXPECT_EQ(remote::windowText(help), "");
    EXPECT_TRUE(GetWindowLongA(help, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    HWND picture = GetDlgItem(help, ctl::图片框1);
    HWND close = GetDlgItem(help, ctl::窗口关闭);
    ASSERT_TRUE(picture && close);
    RECT p = remote::rectInParent(picture), x = remote::rectInParent(close);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.right, 259);
    EXPECT_EQ(p.bottom, 186);
    EXPECT_EQ(x.left, 224);
    EXPECT_EQ(x.top, 16);
    EXPECT_EQ(x.right, 234);
    EXPECT_EQ(x.bottom, 26);
    EXPECT_EQ(remote::windowText(close), "X");

    remote::clickWindow(close);
    EXPECT_TRUE(remote::waitUntil([&] { return !IsWindow(help); }, 20000));
    EXPECT_TRUE(program->running());
    EXPECT_TRUE(IsWindow(main));
}

}  // namespace
