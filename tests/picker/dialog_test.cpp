// The real picker dialog in the test's own process, driven by a timer that
// runs inside the dialog's message loop: its geometry, the panel's lifetime,
// what it returns, and what a hundred sessions leave behind.
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <vector>

#include "gfx/types.h"
#include "picker/picker.h"
#include "picker/picker_layout.h"
#include "picker/picture_rules.h"
#include "tests/support/file_dialog.h"
#include "tests/support/gdi_count.h"
#include "tests/support/pictures.h"
#include "tests/support/timer_script.h"
#include "win/window.h"

namespace {

using namespace picker;
using support::Script;

BOOL CALLBACK countPanels(HWND w, LPARAM count) {
    if (win::isClass(w, kPanelClass)) ++*reinterpret_cast<int*>(count);
    for (HWND c : win::children(w, kPanelClass)) {
        (void)c;
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

// The panels of this thread, on their own or inside a dialog.
int panelCount() {
    int n = 0;
    EnumThreadWindows(GetCurrentThreadId(), countPanels, reinterpret_cast<LPARAM>(&n));
    return n;
}

class PickerDialog : public ::testing::Test {
protected:
    void SetUp() override {
        folder.add("small.png", pictures::flat(100, 80, RGB(200, 30, 40), gfx::format::Png));
        GetCurrentDirectoryA(MAX_PATH, previousFolder);
        // The dialog opens in the current folder.
        SetCurrentDirectoryA(folder.path().c_str());
    }
    void TearDown() override { SetCurrentDirectoryA(previousFolder); }

    // The dialog is up, with its panel shown and the folder listed.
    Script::Step opened(bool withPanel = true) {
        return [this, withPanel] {
            dialog = filedialog::find(GetCurrentProcessId());
            return dialog && (!withPanel || IsWindowVisible(filedialog::panel(dialog))) &&
                   filedialog::findItem(GetCurrentProcess(), filedialog::fileList(dialog), "small.png") >= 0;
        };
    }
    Script::Step select(const std::string& name) {
        return [this, name] {
            HWND list = filedialog::fileList(dialog);
            filedialog::selectItem(GetCurrentProcess(), list, filedialog::findItem(GetCurrentProcess(), list, name));
            return true;
        };
    }
    Script::Step typeFileName(const std::string& text) {
        return [this, text] {
            SetWindowTextA(filedialog::fileNameBox(dialog), text.c_str());
            return true;
        };
    }
    Script::Step shows(int id, std::string text) {
        return [this, id, text] { return filedialog::panelText(dialog, id) == text; };
    }
    Script::Step press(int button) {
        return [this, button] {
            PostMessageA(dialog, WM_COMMAND, button, 0);
            return true;
        };
    }
    Script::Step check(const std::function<void()>& expectations) {
        return [expectations] {
            expectations();
            return true;
        };
    }

    pictures::Folder folder{"lumo_dialog"};
    char previousFolder[MAX_PATH] = {};
    HWND dialog = nullptr;
};

TEST_F(PickerDialog, IsWidenedByThePanelCentredAndThePanelSitsBesideOk) {
    // The same dialog without the picker, for its width.
    char file[256] = {};
    OPENFILENAMEA plain{};
    plain.lStructSize = sizeof plain;
    plain.lpstrFile = file;
    plain.nMaxFile = sizeof file;
    plain.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY;
    int plainWidth = 0;
    {
        Script script(
            {opened(false), check([&] { plainWidth = win::width(win::windowRect(dialog)); }), press(IDCANCEL)});
        GetOpenFileNameA(&plain);
        ASSERT_TRUE(script.finished());
    }
    ASSERT_GT(plainWidth, 0);

    Script script({opened(), check([&] {
                       const RECT d = win::windowRect(dialog);
                       EXPECT_EQ(win::width(d), plainWidth + kPanelWidth);
                       EXPECT_LE(std::abs(d.left - (GetSystemMetrics(SM_CXSCREEN) - win::width(d)) / 2), 1);
                       HWND panel = filedialog::panel(dialog);
                       ASSERT_NE(panel, nullptr);
                       EXPECT_EQ(GetParent(panel), dialog);
                       const RECT p = win::rectInParent(panel);
                       const RECT ok = win::rectInParent(GetDlgItem(dialog, IDOK));
                       const RECT look = win::rectInParent(GetDlgItem(dialog, 1137));
                       EXPECT_EQ(p.left, ok.right + 5);
                       EXPECT_EQ(p.top, look.top);
                       EXPECT_EQ(win::width(p), kPanelWidth);
                       EXPECT_EQ(win::height(p), kPanelHeight);
                       // Inside the dialog's client area.
                       EXPECT_LE(p.right, win::clientRect(dialog).right);
                   }),
                   press(IDCANCEL)});
    EXPECT_EQ(pickImageFile(nullptr), "");
    EXPECT_TRUE(script.finished());
}

TEST_F(PickerDialog, ThePanelFollowsOkWhenTheDialogIsResized) {
    RECT okBefore{}, okAfter{};
    Script script({opened(), check([&] { okBefore = win::rectInParent(GetDlgItem(dialog, IDOK)); }),
                   [&] {
                       const RECT d = win::windowRect(dialog);
                       SetWindowPos(dialog, nullptr, 0, 0, win::width(d) + 120, win::height(d) + 60,
                                    SWP_NOMOVE | SWP_NOZORDER);
                       return true;
                   },
                   check([&] {
                       okAfter = win::rectInParent(GetDlgItem(dialog, IDOK));
                       const RECT p = win::rectInParent(filedialog::panel(dialog));
                       EXPECT_EQ(p.left, okAfter.right + 5);
                       EXPECT_EQ(p.top, win::rectInParent(GetDlgItem(dialog, 1137)).top);
                   }),
                   press(IDCANCEL)});
    pickImageFile(nullptr);
    ASSERT_TRUE(script.finished());
    EXPECT_EQ(okAfter.left, okBefore.left + 120);  // the dialog did move its button
}

TEST_F(PickerDialog, ThePanelExistsOnlyWhileTheDialogRuns) {
    EXPECT_EQ(panelCount(), 0);
    int during = 0;
    Script script({opened(), check([&] { during = panelCount(); }), press(IDCANCEL)});
    EXPECT_FALSE(isPickerOpen());
    pickImageFile(nullptr);
    EXPECT_EQ(during, 1);
    EXPECT_EQ(panelCount(), 0);
    EXPECT_FALSE(isPickerOpen());
}

TEST_F(PickerDialog, OneDialogAtATime) {
    std::string nested = "not called";
    bool openDuring = false;
    Script script({opened(), check([&] {
                       openDuring = isPickerOpen();
                       nested = pickImageFile(nullptr);
                   }),
                   press(IDCANCEL)});
    pickImageFile(nullptr);
    ASSERT_TRUE(script.finished());
    EXPECT_TRUE(openDuring);
    EXPECT_EQ(nested, "");
}

TEST_F(PickerDialog, ReturnsTheChosenPathAndNothingOnCancel) {
    {
        Script script({opened(), select("small.png"), shows(panel::标签_文件类型, "PNG 图片"), press(IDOK)});
        EXPECT_EQ(pickImageFile(nullptr), folder.file("small.png"));
    }
    {
        Script script({opened(), select("small.png"), shows(panel::标签_文件类型, "PNG 图片"), press(IDCANCEL)});
        EXPECT_EQ(pickImageFile(nullptr), "");
    }
}

TEST_F(PickerDialog, APathTooLongForTheBufferSelectsNothingAndReturnsNothing) {
    // The folder's path plus the name make 255 bytes (fits with its zero) and 258.
    const size_t base = folder.path().size();
    ASSERT_LT(base, 200u);
    const std::string fits = std::string(255 - base - 4, 'f') + ".png";
    const std::string tooLong = std::string(258 - base - 4, 'g') + ".png";
    folder.add(fits, pictures::flat(10, 10, RGB(1, 2, 3), gfx::format::Png));
    folder.add(tooLong, pictures::flat(10, 10, RGB(1, 2, 3), gfx::format::Png));
    ASSERT_EQ(folder.file(fits).size(), 255u);

    {
        Script script({opened(), select(fits), shows(panel::标签_图片宽度, "10 像素"), press(IDOK)});
        EXPECT_EQ(pickImageFile(nullptr), folder.file(fits));
    }
    {
        // The first file's values are shown, then the long one empties them.
        Script script({opened(), select("small.png"), shows(panel::标签_图片宽度, "100 像素"), select(tooLong),
                       shows(panel::标签_图片宽度, ""),
                       check([&] { EXPECT_EQ(filedialog::panelText(dialog, panel::标签_文件大小), ""); }), press(IDOK),
                       [&] {
                           // The dialog ends the call at once; should it complain instead, the
                           // complaint is dismissed and the dialog cancelled.
                           if (HWND box = filedialog::findMessageBox(GetCurrentProcessId()))
                               PostMessageA(box, WM_COMMAND, IDOK, 0);
                           if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                           return true;
                       }});
        EXPECT_EQ(pickImageFile(nullptr), "");
    }
}

TEST_F(PickerDialog, AHundredSessionsLeaveNoGdiObjectsBehind) {
    auto session = [&] {
        Script script({opened(), select("small.png"), shows(panel::标签_图片高度, "80 像素"), press(IDCANCEL)});
        pickImageFile(nullptr);
        return script.finished();
    };
    ASSERT_TRUE(session());  // the dialog's own first-use objects
    const int before = support::liveGdiObjectCount();
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(session()) << i;
    EXPECT_LE(support::liveGdiObjectCount(), before + 2);
}

}  // namespace
