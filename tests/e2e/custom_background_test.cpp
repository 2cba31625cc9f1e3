// The custom background on the running program: the picker opened from its
// button, driven with the real mouse, its panel read from outside, and what
// each kind of picture file does to the skin.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "app/layout.h"
#include "gfx/startup.h"
#include "gfx/types.h"
#include "picker/picker.h"
#include "picker/picture_rules.h"
#include "tests/e2e/toolbox.h"
#include "tests/support/file_dialog.h"
#include "tests/support/pictures.h"
#include "tests/support/remote.h"
#include "tests/support/screen.h"

namespace {

using namespace app;
using picker::sizeText;
namespace panel = picker::panel;

constexpr COLORREF kRed = RGB(200, 30, 40);
constexpr COLORREF kBlue = RGB(30, 60, 220);

// The pictures are encoded with GDI+ in the test's own process.
class Graphics : public ::testing::Environment {
public:
    void SetUp() override { gfx::startup(token_); }
    void TearDown() override { gfx::shutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};
const ::testing::Environment* const graphics = ::testing::AddGlobalTestEnvironment(new Graphics);

class CustomBackground : public toolbox::OnScreen {
protected:
    void SetUp() override {
        toolbox::OnScreen::SetUp();
        folder.add("small.png", pictures::flat(100, 80, kRed, gfx::format::Png));
        folder.add("wide.png", pictures::flat(160, 100, kBlue, gfx::format::Png));
        CreateDirectoryA(folder.file("sub").c_str(), nullptr);
    }

    int openDialogs() const {
        int n = 0;
        for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
             w = FindWindowExA(nullptr, w, "#32770", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == program.id() && FindWindowExA(w, nullptr, "SHELLDLL_DefView", nullptr)) ++n;
        }
        return n;
    }
    // Opens the picker from its button, showing a folder that holds the item.
    HWND openPicker(const std::string& where = {}, const std::string& item = "small.png") {
        clickControl(ctl::自定义背景图);
        HWND d = filedialog::waitForPicker(program.id());
        EXPECT_NE(d, nullptr);
        if (!d) return nullptr;
        EXPECT_TRUE(filedialog::showFolder(program.handle(), d, where.empty() ? folder.path() : where, item));
        return d;
    }
    HWND list(HWND d) const { return filedialog::fileList(d); }
    bool listed(HWND d, const std::string& name) const {
        return filedialog::findItem(program.handle(), list(d), name) >= 0;
    }
    void select(HWND d, const std::string& name) {
        ASSERT_TRUE(filedialog::clickItem(program.handle(), d, name)) << name;
    }
    // Waits for the text, and says what was there instead.
    ::testing::AssertionResult panelShows(HWND d, int id, const std::string& text) const {
        if (remote::waitUntil([&] { return filedialog::panelText(d, id) == text; }, 5000))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the panel shows \"" << filedialog::panelText(d, id) << "\"";
    }
    bool valuesEmpty(HWND d) const {
        return remote::waitUntil(
            [&] {
                for (int id : {panel::标签_文件大小, panel::标签_文件类型, panel::标签_图片宽度, panel::标签_图片高度})
                    if (!filedialog::panelText(d, id).empty()) return false;
                return true;
            },
            5000);
    }
    RECT previewBox(HWND d) const {
        RECT r;
        GetWindowRect(GetDlgItem(filedialog::panel(d), panel::标签_图片), &r);
        return r;
    }
    // Waits until the preview's pixel at (x, y) is near the colour, or has left it.
    bool previewShows(HWND d, int x, int y, COLORREF colour) const {
        const RECT r = previewBox(d);
        return remote::waitUntil(
            [&] { return screen::distance(screen::Shot(r).at(r.left + x, r.top + y), colour) <= 12; }, 5000);
    }
    bool previewLoses(HWND d, int x, int y, COLORREF colour) const {
        const RECT r = previewBox(d);
        return remote::waitUntil(
            [&] { return screen::distance(screen::Shot(r).at(r.left + x, r.top + y), colour) > 60; }, 5000);
    }
    // Presses a button of the dialog and waits until the picker is gone and
    // the program has painted what followed.
    void close(HWND d, int button) {
        ASSERT_TRUE(filedialog::close(program.id(), d, button));
        settle();
    }

    pictures::Folder folder{"lumo_custom"};
};

TEST_F(CustomBackground, ThePanelShowsTheSelectedPictureAndEmptiesForAFolderOrWithoutPreview) {
    HWND d = openPicker();
    ASSERT_NE(d, nullptr);

    select(d, "small.png");
    ASSERT_TRUE(panelShows(d, panel::标签_图片宽度, "100 像素"));
    EXPECT_EQ(filedialog::panelText(d, panel::标签_图片高度), "80 像素");
    EXPECT_EQ(filedialog::panelText(d, panel::标签_文件类型), "PNG 图片");
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(folder.file("small.png").c_str(), GetFileExInfoStandard, &data);
    EXPECT_EQ(filedialog::panelText(d, panel::标签_文件大小), sizeText(data.nFileSizeLow));
    // Centred at its natural size in the 150 x 200 box.
    EXPECT_TRUE(previewShows(d, 75, 100, kRed));
    EXPECT_TRUE(previewShows(d, 26, 61, kRed));
    EXPECT_TRUE(previewShows(d, 4, 4, RGB(255, 255, 255)));
    EXPECT_TRUE(previewShows(d, 23, 100, RGB(255, 255, 255)));

    select(d, "wide.png");
    ASSERT_TRUE(panelShows(d, panel::标签_图片宽度, "160 像素"));
    // Stretched over the whole box.
    EXPECT_TRUE(previewShows(d, 3, 3, kBlue));
    EXPECT_TRUE(previewShows(d, 146, 196, kBlue));

    // A folder, once the file name box no longer names the last file.
    SetWindowTextA(filedialog::fileNameBox(d), "");
    select(d, "sub");
    EXPECT_TRUE(valuesEmpty(d));
    EXPECT_TRUE(previewLoses(d, 75, 100, kBlue));

    select(d, "small.png");
    ASSERT_TRUE(panelShows(d, panel::标签_图片宽度, "100 像素"));
    remote::clickWindow(GetDlgItem(filedialog::panel(d), panel::选择框_预览));
    EXPECT_TRUE(valuesEmpty(d));
    EXPECT_TRUE(previewLoses(d, 75, 100, kRed));
    remote::clickWindow(GetDlgItem(filedialog::panel(d), panel::选择框_预览));
    EXPECT_TRUE(panelShows(d, panel::标签_图片宽度, "100 像素"));
    EXPECT_TRUE(previewShows(d, 75, 100, kRed));

    close(d, IDCANCEL);
    EXPECT_TRUE(waitForSkin(toolbox::kSeaBlue));  // Cancel changes nothing
}

TEST_F(CustomBackground, OkAppliesThePictureFromADialogOwnedByTheMainWindowAndOpenOnlyOnce) {
    HWND d = openPicker();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(GetWindow(d, GW_OWNER), main);
    EXPECT_FALSE(IsWindowEnabled(main));  // modal to it
    // The button again, while the dialog is open: nothing happens.
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(SendMessageTimeoutA(item(ctl::自定义背景图), BM_CLICK, 0, 0, SMTO_NORMAL, 5000, &ignored));
    EXPECT_EQ(openDialogs(), 1);

    select(d, "small.png");
    ASSERT_TRUE(panelShows(d, panel::标签_图片宽度, "100 像素"));
    close(d, IDOK);
    EXPECT_TRUE(waitForSkin(kRed));
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(CustomBackground, ClosingTheMainWindowWhileThePickerIsOpenEndsTheProgram) {
    HWND d = openPicker();
    ASSERT_NE(d, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitForExit(15000));
}

// Every kind of file through the whole flow: preview, then OK.  Each either
// applies (its colour on screen) or leaves the skin as it was.
TEST_F(CustomBackground, EveryKindOfFileIsPreviewedAndEitherAppliesOrLeavesTheSkin) {
    using namespace pictures;
    Bytes truncated = flat(100, 80, RGB(1, 2, 3), gfx::format::Png);
    truncated.resize(truncated.size() / 2);
    Bytes badJpeg = flat(64, 48, RGB(1, 2, 3), gfx::format::Jpeg);
    for (size_t i = 2; i + 4 < badJpeg.size(); ++i)
        if (badJpeg[i] == 0xFF && badJpeg[i + 1] == 0xC0) badJpeg[i + 4] = 7;  // 7-bit samples
    Bytes big = flat(40, 30, RGB(1, 2, 3), gfx::format::Png);
    big.resize(picker::kMaxPictureFileBytes + 4096, 0);
    // The long names in a folder of their own: the list shows names side by
    // side in columns as wide as the longest.
    const std::string longFolder = folder.file("long\\");
    CreateDirectoryA(longFolder.c_str(), nullptr);
    const std::string fits = "long\\" + std::string(255 - longFolder.size() - 4, 'f') + ".png";
    const std::string tooLong = "long\\" + std::string(258 - longFolder.size() - 4, 'g') + ".png";

    struct Case {
        std::string name;
        Bytes bytes;
        std::optional<COLORREF> applies;  // the colour it shows, or nothing for "left as it was"
        const char* type = nullptr;       // the type the panel shows, when it is certain
        const char* width = nullptr;
        bool deleteAfterSelection = false;
    };
    std::vector<Case> cases;
    cases.push_back({"picture.emf", enhancedMetafile(100, 80, RGB(10, 160, 90)), RGB(10, 160, 90), "EMF 图片"});
    cases.push_back({"empty.png", {}, std::nullopt, "未知 图片", "0 像素"});
    cases.push_back({"text.png", Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'}, std::nullopt, "未知 图片"});
    cases.push_back({"truncated.png", truncated, std::nullopt});
    cases.push_back({"corrupt.jpg", badJpeg, std::nullopt});
    cases.push_back({"huge.png", pngDeclaring(30000, 30000), std::nullopt, "PNG 图片", "30000 像素"});
    // (Wine's GDI+ names an icon's format BMP.)
    cases.push_back({"picture.ico", icon(32, RGB(160, 40, 160)), RGB(160, 40, 160), nullptr, "32 像素"});
    cases.push_back({"huge.bmp", bmpDeclaring(20000, 20000), std::nullopt, "BMP 图片", "20000 像素"});
    cases.push_back({"plain.wmf", plainMetafile(100, 80, RGB(1, 2, 3)), std::nullopt});
    cases.push_back({"animated.gif", animatedGif(60, 40, RGB(240, 140, 20), RGB(20, 20, 20)), RGB(240, 140, 20),
                     "GIF 图片", "60 像素"});
    cases.push_back({"big.png", big, std::nullopt, "PNG 图片", "40 像素"});
    cases.push_back({"金色图片.png", flat(50, 50, RGB(90, 90, 200), gfx::format::Png), RGB(90, 90, 200), "PNG 图片"});
    cases.push_back({fits, flat(20, 20, RGB(200, 200, 60), gfx::format::Png), RGB(200, 200, 60), "PNG 图片"});
    cases.push_back({tooLong, flat(20, 20, RGB(1, 2, 3), gfx::format::Png), std::nullopt});
    cases.push_back(
        {"deleted.png", flat(20, 20, RGB(1, 2, 3), gfx::format::Png), std::nullopt, "PNG 图片", "20 像素", true});
    for (const Case& c : cases) folder.add(c.name, c.bytes);
    ASSERT_EQ(folder.file(fits).size(), 255u);

    COLORREF current = toolbox::kSeaBlue;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 40));
        const size_t slash = c.name.rfind('\\');
        const std::string name = slash == std::string::npos ? c.name : c.name.substr(slash + 1);
        HWND d = slash == std::string::npos ? openPicker({}, name)
                                            : openPicker(folder.file(c.name.substr(0, slash + 1)), name);
        ASSERT_NE(d, nullptr);
        select(d, name);
        if (c.name == tooLong) {
            // A path that does not fit the dialog's buffer selects nothing.
            EXPECT_TRUE(valuesEmpty(d));
        } else {
            EXPECT_TRUE(panelShows(d, panel::标签_文件大小, sizeText(c.bytes.size())));
            if (c.type) {
                EXPECT_TRUE(panelShows(d, panel::标签_文件类型, c.type));
            }
            if (c.width) {
                EXPECT_TRUE(panelShows(d, panel::标签_图片宽度, c.width));
            }
        }
        if (c.name == tooLong) {
            // Typed in, as a user could: the dialog's buffer cannot take it.
            SetWindowTextA(filedialog::fileNameBox(d), name.c_str());
        }
        if (c.deleteAfterSelection) {
            ASSERT_TRUE(DeleteFileA(folder.file(c.name).c_str()));
        }
        close(d, IDOK);
        ASSERT_TRUE(program.running());
        // Everything the choice changed is painted by now; only the parts
        // the dialog uncovered may still be on their way.
        if (c.applies) current = *c.applies;
        EXPECT_TRUE(waitForSkin(current));
    }
}

}  // namespace
