// The window engine's rules that need no window: the close effect's frames
// and what the window does with its children's messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "skin/window/child_messages.h"
#include "skin/window/close_effect.h"

namespace {

using namespace skin;

TEST(CloseEffect, ShrinkTakesTenFramesToTheCentreFadingOut) {
    const std::vector<CloseFrame> f = closeEffectFrames(RECT{100, 50, 910, 620}, false);
    ASSERT_EQ(f.size(), 10u);
    // 810 x 570: a tenth is 81 x 57; each frame moves half of it in.
    EXPECT_EQ(f[0], (CloseFrame{141, 79, 729, 513, 230, 19}));
    EXPECT_EQ(f[1].x, 182);  // 140.5 + 40.5 rounded at each step
    EXPECT_EQ(f[9].alpha, 5);
    EXPECT_EQ(f[9].sleepMs, 10u);
    EXPECT_EQ(f[9].w, 0);
    int slept = 0;
    for (const CloseFrame& frame : f) slept += static_cast<int>(frame.sleepMs);
    EXPECT_EQ(slept, 145);
}

TEST(CloseEffect, PulseShrinksFiveFramesAndGrowsBack) {
    const std::vector<CloseFrame> f = closeEffectFrames(RECT{0, 0, 810, 570}, true);
    ASSERT_EQ(f.size(), 10u);
    EXPECT_EQ(f[0].w, 810 - 16);  // 2% of 810 rounds to 16
    EXPECT_EQ(f[4].w, 810 - 5 * 16);
    EXPECT_EQ(f[9].w, 810);
    EXPECT_EQ(f[9].h, 570);
    EXPECT_EQ(f[0].sleepMs, 18u);
    EXPECT_EQ(f[9].sleepMs, 0u);
}

TEST(ChildMessages, ColourAnswers) {
    const struct {
        UINT message;
        const char* cls;
        LONG style;
        const char* parent;
        ColourAnswer answer;
    } cases[] = {
        {WM_CTLCOLORBTN, "Button", 0, "Main", ColourAnswer::HollowBrush},
        {WM_CTLCOLORLISTBOX, "ListBox", 0, "Main", ColourAnswer::HollowBrush},
        {WM_CTLCOLORLISTBOX, "LISTBOX", LBS_SORT, "Main", ColourAnswer::HollowBrush},
        {WM_CTLCOLORLISTBOX, "ListBox", LBS_OWNERDRAWFIXED, "Main", ColourAnswer::PassOn},
        {WM_CTLCOLORLISTBOX, "ListBox", LBS_OWNERDRAWVARIABLE, "Main", ColourAnswer::PassOn},
        {WM_CTLCOLORLISTBOX, "ComboLBox", 0, "Main", ColourAnswer::PassOn},
        {WM_CTLCOLORSCROLLBAR, "ScrollBar", 0, "Main", ColourAnswer::PassOn},
        // Edits take the veiled skin, but a combo box answers for its own field.
        {WM_CTLCOLOREDIT, "Edit", ES_MULTILINE, "Main", ColourAnswer::PatternBrush},
        {WM_CTLCOLOREDIT, "Edit", 0, "ToolbarWindow32", ColourAnswer::PatternBrush},
        {WM_CTLCOLOREDIT, "Edit", 0, "COMBOBOX", ColourAnswer::PassOn},
        // Labels, group boxes, check boxes and read-only edits alike.
        {WM_CTLCOLORSTATIC, "Static", 0, "Main", ColourAnswer::PatternBrush},
        {WM_CTLCOLORSTATIC, "Button", BS_GROUPBOX, "Main", ColourAnswer::PatternBrush},
        {WM_CTLCOLORSTATIC, "Edit", ES_READONLY, "ComboBox", ColourAnswer::PatternBrush},
    };
    for (const auto& c : cases)
        EXPECT_EQ(colourAnswerFor(c.message, c.cls, c.style, c.parent), c.answer) << c.cls << " " << c.message;
}

TEST(ChildMessages, NotificationsThatRepaintTheControl) {
    EXPECT_TRUE(repaintsOnCommand("Edit", EN_CHANGE));
    EXPECT_TRUE(repaintsOnCommand("EDIT", EN_VSCROLL));
    EXPECT_TRUE(repaintsOnCommand("Edit", EN_HSCROLL));
    EXPECT_TRUE(repaintsOnCommand("Edit", EN_UPDATE));
    EXPECT_FALSE(repaintsOnCommand("Edit", EN_SETFOCUS));
    EXPECT_TRUE(repaintsOnCommand("ListBox", LBN_SELCHANGE));
    EXPECT_TRUE(repaintsOnCommand("ListBox", LBN_SELCANCEL));
    EXPECT_FALSE(repaintsOnCommand("ListBox", LBN_DBLCLK));
    EXPECT_TRUE(repaintsOnCommand("ComboBox", CBN_SELCHANGE));
    EXPECT_TRUE(repaintsOnCommand("ComboBox", CBN_KILLFOCUS));
    EXPECT_FALSE(repaintsOnCommand("ComboBox", CBN_DROPDOWN));
    EXPECT_FALSE(repaintsOnCommand("Button", BN_CLICKED));
    EXPECT_TRUE(repaintsOnNotify(TVN_ITEMEXPANDINGA));
    EXPECT_TRUE(repaintsOnNotify(TVN_ITEMEXPANDEDA));
    EXPECT_FALSE(repaintsOnNotify(TCN_SELCHANGE));
}

}  // namespace
