// The tooltip window and its tools, read back with the tooltip's own messages.
#include <gtest/gtest.h>

#include <memory>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "skin/window/caption_buttons.h"
#include "skin/window/skin_layout.h"
#include "skin/window/tooltip.h"

namespace {

using namespace skin;

struct Tool {
    bool found = false;
    RECT rect{};
    std::string text;
};

Tool toolOf(HWND tip, HWND owner, UINT_PTR id) {
    char text[256] = {};
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = owner;
    info.uId = id;
    info.lpszText = text;
    bool found = SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    return {found, info.rect, text};
}

bool sameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

class Tips : public ::testing::Test {
protected:
    void SetUp() override { owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 320, 240, 0, 0, 0, 0); }
    void TearDown() override {
        clearWindowRecords();
        DestroyWindow(owner);
    }
    HWND owner = nullptr;
};

TEST_F(Tips, ToolsCarryTheirRectanglesAndTexts) {
    ToolTip tips;
    HWND tip = tips.create(owner);
    char cls[64] = {};
    GetClassNameA(tip, cls, sizeof cls);
    EXPECT_STRCASEEQ(cls, "tooltips_class32");
    EXPECT_TRUE(GetWindowLongA(tip, GWL_STYLE) & TTS_ALWAYSTIP);
    EXPECT_FALSE(GetWindowLongA(tip, GWL_STYLE) & TTS_BALLOON);
    EXPECT_EQ(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 600);
    ToolTip balloon;
    EXPECT_TRUE(GetWindowLongA(balloon.create(owner, true), GWL_STYLE) & TTS_BALLOON);

    EXPECT_TRUE(tips.addTool(RECT{10, 1, 36, 19}, "最小化", 1));
    EXPECT_TRUE(tips.addTool(RECT{37, 1, 63, 19}, "最大化", 2));
    EXPECT_TRUE(tips.addTool(std::nullopt, "关闭", 3));
    EXPECT_EQ(tips.toolCount(), 3);
    Tool t = toolOf(tip, owner, 2);
    EXPECT_TRUE(sameRect(t.rect, {37, 1, 63, 19}));
    EXPECT_EQ(t.text, "最大化");
    EXPECT_TRUE(sameRect(toolOf(tip, owner, 3).rect, {0, 0, 320, 240}));  // the whole client area

    tips.setToolRect(2, RECT{100, 2, 126, 20});
    tips.setToolText(2, "还原");
    t = toolOf(tip, owner, 2);
    EXPECT_TRUE(sameRect(t.rect, {100, 2, 126, 20}));
    EXPECT_EQ(t.text, "还原");
    EXPECT_EQ(toolOf(tip, owner, 1).text, "最小化");

    ToolTip none;  // never created: every operation does nothing
    EXPECT_FALSE(none.addTool(RECT{0, 0, 5, 5}, "x", 1));
    none.setToolText(1, "y");
    EXPECT_EQ(none.toolCount(), 0);
}

// The tooltip window goes with its object: removing a record destroys its
// tooltip only, and the records moved down keep theirs.
TEST_F(Tips, RemovingARecordDestroysOnlyItsTooltip) {
    auto r1 = std::make_unique<WindowRecord>(), r2 = std::make_unique<WindowRecord>();
    HWND tip1 = r1->caption.captionTips.create(owner);
    HWND tip2 = r2->caption.captionTips.create(owner);
    addWindowRecord(std::move(r1));
    addWindowRecord(std::move(r2));
    removeWindowRecord(1);
    EXPECT_FALSE(IsWindow(tip1));
    EXPECT_EQ(record(1).caption.captionTips.handle(), tip2);
    EXPECT_TRUE(IsWindow(tip2));
    clearWindowRecords();
    EXPECT_FALSE(IsWindow(tip2));
}

TEST_F(Tips, CaptionButtonsGetOneToolEachFollowingTheLayout) {
    WindowRecord r;
    r.hwnd = owner;
    r.caption.hasMinButton = r.caption.hasMaxButton = r.caption.hasCloseButton = true;
    buildCaptionButtons(r, 320);
    createCaptionTips(r);
    HWND tip = r.caption.captionTips.handle();
    EXPECT_EQ(r.caption.captionTips.toolCount(), 3);
    EXPECT_EQ(toolOf(tip, owner, 1).text, "最小化");
    EXPECT_EQ(toolOf(tip, owner, 3).text, "关闭");

    layoutCaptionButtons(r);
    EXPECT_TRUE(sameRect(toolOf(tip, owner, 1).rect, {320 - 92, 1, 320 - 66, 19}));
    EXPECT_TRUE(sameRect(toolOf(tip, owner, 3).rect, {320 - 38, 1, 320 + 2, 19}));
    // A changed tip text shows from the next layout on.
    r.caption.captionButtons[1].tipText = "还原";
    EXPECT_EQ(toolOf(tip, owner, 2).text, "最大化");
    layoutCaptionButtons(r);
    EXPECT_EQ(toolOf(tip, owner, 2).text, "还原");
}

}  // namespace
