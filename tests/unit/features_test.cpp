// The rules behind the home page's settings, and the custom background's
// picker among the program's windows.
#include <gtest/gtest.h>

#include "app/features.h"
#include "app/lifetime.h"
#include "app/main_window.h"
#include "picker/picker.h"
#include "tests/support/file_dialog.h"
#include "tests/support/timer_script.h"

namespace {

TEST(FeatureRules, EachTransparencyItemHasItsAlpha) {
    EXPECT_EQ(app::transparencyAlpha(0), BYTE(255));  // "不透明"
    EXPECT_EQ(app::transparencyAlpha(1), BYTE(225));  // "25%透明"
    EXPECT_EQ(app::transparencyAlpha(2), BYTE(150));  // "50%透明"
    EXPECT_EQ(app::transparencyAlpha(3), BYTE(75));   // "75%透明"
    // No selection, or an index past the list, changes nothing.
    EXPECT_EQ(app::transparencyAlpha(-1), std::nullopt);
    EXPECT_EQ(app::transparencyAlpha(4), std::nullopt);
}

TEST(FeatureRules, EachEditorColourItemHasItsColourButDefaultKeepsTheColour) {
    const std::optional<COLORREF> expected[] = {std::nullopt, 0x000000, 0x0000FF, 0xFF0000, 0x00FF00,
                                                0x00FFFF,     0xFFFFFF, 0xFF0090, 0x808080};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(app::editorColour(i), expected[i]) << i;
    EXPECT_EQ(app::editorColour(-1), std::nullopt);
    EXPECT_EQ(app::editorColour(9), std::nullopt);
}

TEST(FeatureRules, ThePickersPanelCountsOnceAmongTheProgramsWindowsWhileTheDialogRuns) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    ASSERT_TRUE(app::registerMainWindowClass(instance));
    HWND main = app::createMainWindow(instance);
    ASSERT_NE(main, nullptr);
    const int before = app::ownWindowCount();

    int during = -1;
    HWND dialog = nullptr;
    support::Script script({
        [&] { return (dialog = filedialog::find(GetCurrentProcessId())) != nullptr; },
        [&] {
            during = app::ownWindowCount();
            EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);
            // A second press while the dialog is open does nothing.
            app::chooseCustomBackground(main);
            EXPECT_EQ(app::ownWindowCount(), during);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            return true;
        },
    });
    app::chooseCustomBackground(main);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(during, before + 1);
    EXPECT_EQ(app::ownWindowCount(), before);
    EXPECT_FALSE(picker::isPickerOpen());

    DestroyWindow(main);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);  // the quit it posts is dropped
}

}  // namespace
