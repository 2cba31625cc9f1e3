// Start-up and ending of the real program: the single-instance guard and the
// rule that the last of the program's windows ends the process.
#include <gtest/gtest.h>

#include "app/help_window.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "tests/support/remote.h"

namespace {

using namespace app;

HWND findMessageBox(const remote::Program& p) { return p.findWindow("#32770"); }

// The text of a message box: its static control that is not an icon.
std::string messageBoxText(HWND box) {
    for (HWND c = FindWindowExA(box, nullptr, "Static", nullptr); c; c = FindWindowExA(box, c, "Static", nullptr)) {
        std::string t = remote::windowText(c);
        if (!t.empty()) return t;
    }
    return {};
}

TEST(Startup, SecondCopyWarnsAndEndsWhileTheFirstRunsOn) {
    remote::Program first;
    ASSERT_TRUE(first.start());
    HWND firstMain = first.waitForWindow(kMainWindowClass);
    ASSERT_NE(firstMain, nullptr);

    remote::Program second;
    ASSERT_TRUE(second.start());
    HWND box = nullptr;
    ASSERT_TRUE(remote::waitUntil([&] { return (box = findMessageBox(second)) != nullptr; }, 20000));
    EXPECT_EQ(remote::windowText(box), kSecondCopyCaption);
    EXPECT_EQ(messageBoxText(box), kSecondCopyText);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);

    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(second.waitForExit());
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(IsWindowVisible(firstMain));
    EXPECT_EQ(first.findWindow("#32770"), nullptr);

    // Once the first copy is gone, a new copy starts normally.
    PostMessageA(firstMain, WM_CLOSE, 0, 0);
    ASSERT_TRUE(first.waitForExit());
    remote::Program third;
    ASSERT_TRUE(third.start());
    EXPECT_NE(third.waitForWindow(kMainWindowClass), nullptr);
    EXPECT_EQ(findMessageBox(third), nullptr);
}

TEST(Startup, ClosingTheMainWindowEndsTheProcess) {
    remote::Program program;
    ASSERT_TRUE(program.start());
    HWND main = program.waitForWindow(kMainWindowClass);
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitForExit());
}

TEST(Startup, OpenHelpPictureKeepsTheProcessAliveUntilItCloses) {
    remote::Program program;
    ASSERT_TRUE(program.start());
    HWND main = program.waitForWindow(kMainWindowClass);
    ASSERT_NE(main, nullptr);
    remote::clickWindow(GetDlgItem(main, ctl::背景音乐帮助));
    HWND help = program.waitForWindow(kHelpWindowClass);
    ASSERT_NE(help, nullptr);

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(remote::waitUntil([&] { return !IsWindow(main); }, 20000));
    // A quit posted with the main window's end would be taken before any
    // paint: the help window painting again proves the loop runs on.
    ASSERT_TRUE(remote::waitUntilIdle(help));
    EXPECT_TRUE(IsWindow(help));
    EXPECT_TRUE(program.running());

    remote::clickWindow(GetDlgItem(help, ctl::窗口关闭));
    EXPECT_TRUE(program.waitForExit());
    EXPECT_EQ(program.exitCode(), 0u);
}

}  // namespace
