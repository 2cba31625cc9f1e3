// Caption button and bar layout, work area, border zones and menu numbers.
#include <gtest/gtest.h>

#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/skin_layout.h"

namespace {

using namespace skin;

constexpr int kW = 400;

TEST(CaptionLayout, MinimiseMaximiseCloseSitAtTheRightEdge) {
    std::vector<CaptionButton> b = captionButtonsFor({false, false, true, true, true});
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[0].kind, kMinimiseButton);
    EXPECT_EQ(b[2].kind, kCloseButton);
    EXPECT_EQ(captionButtonWidthSum(b), 90);
    EXPECT_EQ(captionBlockWidth(b), 95);
    EXPECT_EQ(initialButtonBlockX(kW, 95), kW - 100);
    EXPECT_EQ(laidOutButtonBlockX(kW, 95), kW - 94);
    std::vector<FloatRect> r = captionButtonRects(b, kW - 94, 0);
    const float x[] = {kW - 92.0f, kW - 65.0f, kW - 38.0f}, w[] = {26, 26, 40};
    for (int i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(r[i].x, x[i]);
        EXPECT_FLOAT_EQ(r[i].w, w[i]);
        EXPECT_FLOAT_EQ(r[i].y, 1);
        EXPECT_FLOAT_EQ(r[i].h, 18);
    }
    EXPECT_EQ(toolRectOf(r[2]).right, kW + 2);

    // All five, in their fixed order; the pitch is 27 whatever the widths.
    std::vector<CaptionButton> all = captionButtonsFor({true, true, true, true, true});
    const char* tips[] = {"帮助", "主菜单", "最小化", "最大化", "关闭"};
    std::vector<FloatRect> ra = captionButtonRects(all, 100, 0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(all[i].tipText, tips[i]);
        EXPECT_FLOAT_EQ(ra[i].x, 102.0f + 27 * i);
    }
    EXPECT_EQ(findCaptionButtonOfKind(all, kMaximiseButton), 4);
    EXPECT_EQ(captionBlockWidth(captionButtonsFor({false, false, false, false, true})), 41);
}

TEST(CaptionLayout, HitRectanglesExcludeTheirEdgesAndCloseIsFortyWide) {
    std::vector<CaptionButton> b = captionButtonsFor({false, false, true, true, true});
    const int blockX = kW - 94;
    std::vector<FloatRect> rects = captionButtonRects(b, blockX, 0);
    for (size_t i = 0; i < b.size(); ++i) b[i].rect = rects[i];
    struct {
        int x, y, button;
    } cases[] = {{kW - 37, 10, 3}, {kW + 1, 10, 3},  {kW + 2, 10, 0},    {kW - 38, 10, 0},
                 {kW - 67, 10, 1}, {kW - 66, 10, 0}, {kW - 64, 10, 2},   {kW - 80, 1, 0},
                 {kW - 80, 2, 1},  {kW - 80, 19, 0}, {blockX - 1, 10, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(hitTestCaptionButtons(b, blockX, 0, kButtonBlockHeight, c.x, c.y), c.button) << c.x << "," << c.y;

    EXPECT_TRUE(isNearCaptionButtons(300, 95, 22, 10, 5));  // far left, still in the strip
    EXPECT_TRUE(isNearCaptionButtons(300, 95, 22, 395, 22));
    EXPECT_FALSE(isNearCaptionButtons(300, 95, 22, 396, 5));
    EXPECT_FALSE(isNearCaptionButtons(300, 95, 22, 310, 23));
}

TEST(BottomBar, ItemsLineUpFromTheLeftAndStretchToThreePixelsBeforeTheRightEdge) {
    BarLayout one = setupBarLayout(500, 300, 25, defaultBarItems());
    EXPECT_EQ(one.barRect.y, 300 - 3 - 25 - 1);
    EXPECT_EQ(one.barRect.w, 494);
    ASSERT_EQ(one.itemRects.size(), 1u);
    EXPECT_EQ(one.itemRects[0].x, 3);
    EXPECT_EQ(one.itemRects[0].w, 494);

    std::vector<BarItem> items(2);
    items[0].width = 100;
    items[1].width = -1;
    BarLayout bar = setupBarLayout(500, 300, 20, items);
    EXPECT_EQ(bar.itemRects[1].x, 103);
    EXPECT_EQ(bar.itemRects[1].x + bar.itemRects[1].w, 497);
    EXPECT_EQ(hitTestBarItems(20, bar.barRect, bar.itemRects, 102, bar.barRect.y + 5), 1);
    EXPECT_EQ(hitTestBarItems(20, bar.barRect, bar.itemRects, 103, bar.barRect.y + 5), 2);
    EXPECT_EQ(hitTestBarItems(20, bar.barRect, bar.itemRects, 50, bar.barRect.y - 1), 0);
    EXPECT_EQ(hitTestBarItems(0, bar.barRect, bar.itemRects, 50, bar.barRect.y + 5), 0);

    BarLayout wider = relayoutBar(640, 480, 20, bar.barRect, items, bar.itemRects);
    EXPECT_EQ(wider.barRect.y, 480 - 24);
    EXPECT_EQ(wider.itemRects[0].w, 100);
    EXPECT_EQ(wider.itemRects[1].x + wider.itemRects[1].w, 637);
    // Narrower than the fixed items: the stretched one gets nothing, never
    // a negative width.
    EXPECT_EQ(relayoutBar(90, 480, 20, bar.barRect, items, bar.itemRects).itemRects[1].w, 0);
    EXPECT_EQ(setupBarLayout(90, 300, 20, items).itemRects[1].w, 0);

    // Four zero-width items take no space; the bar is still there.
    BarLayout zero = setupBarLayout(810, 570, 25, std::vector<BarItem>(4));
    EXPECT_EQ(zero.barRect.w, 804);
    for (const IntRect& r : zero.itemRects) EXPECT_EQ(r.w, 0);
}

TEST(WorkArea, TheTaskbarIsLeftOutUnlessHidden) {
    auto area = [](RECT tray, bool visible) {
        SIZE s = workAreaSize(1920, 1080, tray, visible);
        return std::pair{s.cx, s.cy};
    };
    EXPECT_EQ(area({0, 1040, 1920, 1080}, true), std::pair(1920L, 1040L));  // bottom, 40 high
    EXPECT_EQ(area({0, 1078, 1920, 1118}, true), std::pair(1920L, 1080L));  // auto-hidden at the bottom
    EXPECT_EQ(area({0, -38, 1920, 2}, true), std::pair(1920L, 1080L));      // auto-hidden at the top
    EXPECT_EQ(area({0, 0, 60, 1080}, true), std::pair(1860L, 1080L));       // vertical, 60 wide
    EXPECT_EQ(area({}, false), std::pair(1920L, 1080L));                    // no taskbar
}

TEST(BorderZones, TheFirstMatchingZoneOfTheTableWins) {
    struct {
        int x, y;
        Zone zone;
    } cases[] = {
        {2, 2, Zone::TopLeft},      {2, 50, Zone::Left},        {3, 10, Zone::TopLeft},        {4, 50, Zone::None},
        {297, 50, Zone::Right},     {296, 50, Zone::None},      {150, 3, Zone::Top},           {150, 197, Zone::Bottom},
        {290, 5, Zone::TopRight},   {5, 195, Zone::BottomLeft}, {295, 195, Zone::BottomRight}, {2, 189, Zone::Left},
        {2, 190, Zone::BottomLeft}, {289, 2, Zone::Top}};
    for (const auto& c : cases) EXPECT_EQ(cursorZone(c.x, c.y, 300, 200), c.zone) << c.x << "," << c.y;
    EXPECT_EQ(zoneCommand(Zone::Left), 0xF001u);
    EXPECT_EQ(zoneCommand(Zone::Bottom), 0xF006u);
    EXPECT_EQ(zoneCommand(Zone::BottomRight), 0xF008u);
    EXPECT_EQ(zoneCursor(Zone::TopLeft), IDC_SIZENWSE);
    EXPECT_EQ(zoneCursor(Zone::BottomLeft), IDC_SIZENESW);
}

TEST(BorderZones, PressesDragSizeOrDoNothing) {
    PressGeometry g{300, 200, 25, 206, 95, 22, true, 3};
    PressAction a = pressAction(g, 2, 2);
    EXPECT_EQ(a.kind, PressKind::Size);
    EXPECT_EQ(a.zone, Zone::TopLeft);
    EXPECT_EQ(pressAction(g, 2, 50).zone, Zone::Left);
    EXPECT_EQ(pressAction(g, 100, 25).kind, PressKind::Drag);
    EXPECT_EQ(pressAction(g, 100, 26).kind, PressKind::Nothing);
    EXPECT_EQ(pressAction(g, 298, 15).kind, PressKind::Nothing);  // the caption buttons reach the edge
    EXPECT_EQ(pressAction(g, 298, 24).zone, Zone::Right);

    // Not resizable: an edge press in the caption band drags.
    g.resizable = false;
    EXPECT_EQ(pressAction(g, 2, 2).kind, PressKind::Drag);
    EXPECT_EQ(pressAction(g, 298, 24).kind, PressKind::Drag);
    EXPECT_EQ(pressAction(g, 2, 50).kind, PressKind::Nothing);
}

TEST(MenuCommands, TheLastThreeDigitsAreTheItem) {
    EXPECT_EQ(decodeMenuCommand(3005).menu, 3u);
    EXPECT_EQ(decodeMenuCommand(3005).item, 5u);
    EXPECT_EQ(decodeMenuCommand(12034).menu, 12u);
    EXPECT_EQ(decodeMenuCommand(999).menu, 0u);  // three digits name no menu
    EXPECT_TRUE(isMenuCommand(3005, 0));
    EXPECT_FALSE(isMenuCommand(MAKEWPARAM(3005, 1), 0));  // an accelerator
    EXPECT_FALSE(isMenuCommand(3005, 0x1234));            // a control
}

TEST(LayoutRecord, WrappersFollowTheWindowsClientSize) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, kW, 300, nullptr, nullptr, nullptr, nullptr);
    WindowRecord rec;
    rec.hwnd = window;
    rec.caption.captionButtons = captionButtonsFor({false, false, true, true, true});
    rec.caption.buttonBlockWidth = captionBlockWidth(rec.caption.captionButtons);

    layoutCaptionButtons(rec);
    EXPECT_EQ(rec.caption.buttonBlockX, kW - 94);
    EXPECT_EQ(findMaximiseButton(rec), 2);

    std::vector<BarItem> items(2);
    items[0].width = 100;
    items[0].text = "状态";
    items[1].width = -1;
    setupBottomBar(rec, 25, &items);
    EXPECT_EQ(rec.bar.barItems[0].text, "状态");
    EXPECT_EQ(rec.bar.barRect.y, 300 - 29);

    SetWindowPos(window, nullptr, 0, 0, 600, 400, SWP_NOZORDER | SWP_NOMOVE);
    layoutCaptionButtons(rec);
    layoutBottomBar(rec);
    EXPECT_FLOAT_EQ(rec.caption.captionButtons[0].rect.x, 600 - 92.0f);
    EXPECT_EQ(rec.bar.barRect.y, 400 - 29);
    EXPECT_EQ(rec.bar.barItemRects[1].x + rec.bar.barItemRects[1].w, 597);
    EXPECT_EQ(hitTestBarItems(rec, 150, rec.bar.barRect.y + 3), 2);

    setupBottomBar(rec, 20, nullptr);  // no items: one over the whole bar
    ASSERT_EQ(rec.bar.barItems.size(), 1u);
    EXPECT_EQ(rec.bar.barItemRects[0].w, 594);
    DestroyWindow(window);
}

}  // namespace
