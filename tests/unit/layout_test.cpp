#include <gtest/gtest.h>

#include <set>

#include "app/layout.h"

namespace {

using namespace app;

TEST(Layout, CentringTruncates) {
    EXPECT_EQ(centredOrigin(1024, 768, 810, 570).x, 107);
    EXPECT_EQ(centredOrigin(1024, 768, 810, 570).y, 99);
    POINT odd = centredOrigin(1025, 769, 259, 186);
    EXPECT_EQ(odd.x, 383);  // 766 / 2
    EXPECT_EQ(odd.y, 291);  // 583 / 2 = 291.5, truncated
}

TEST(Layout, PositionsConvertThroughTheirAnchor) {
    const RECT page{7, 49, 803, 565};
    const RECT group{51, 438, 795, 573};
    const ControlSpec* tab = findControlSpec(ctl::转换框);
    const ControlSpec* notice = findControlSpec(ctl::公告框);
    const ControlSpec* combo = findControlSpec(ctl::透明度组合框);
    const ControlSpec* browser = findControlSpec(ctl::歌词网页);
    ASSERT_TRUE(tab && notice && combo && browser);

    RECT r = controlRect(*tab, page, group);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 27);
    EXPECT_EQ(r.right, 805);
    EXPECT_EQ(r.bottom, 567);

    r = controlRect(*notice, page, group);
    EXPECT_EQ(r.left, 7 + 403);
    EXPECT_EQ(r.top, 49 + 61);
    EXPECT_EQ(r.right - r.left, 368);
    EXPECT_EQ(r.bottom - r.top, 265);

    r = controlRect(*combo, page, group);
    EXPECT_EQ(r.left, 51 + 48);
    EXPECT_EQ(r.top, 438 + 23);

    r = controlRect(*browser, page, group);  // negative page positions stay negative offsets
    EXPECT_EQ(r.top, 49 - 320);
    EXPECT_EQ(r.bottom - r.top, 900);
}

TEST(Layout, TableIsConsistent) {
    std::set<int> ids;
    bool groupSeen = false;
    for (const ControlSpec& s : mainWindowControls()) {
        EXPECT_TRUE(ids.insert(s.id).second) << s.id;
        EXPECT_GE(s.page, 0);
        EXPECT_LE(s.page, 4);
        // A group-relative control needs its group box created before it.
        if (s.id == ctl::分组框1) groupSeen = true;
        if (s.anchor == Anchor::Group) {
            EXPECT_TRUE(groupSeen) << s.id;
        }
        EXPECT_EQ(!listItems(s.id).empty(), s.kind == ControlKind::DropDownList) << s.id;
    }
    EXPECT_EQ(mainWindowControls().front().id, ctl::转换框);
    EXPECT_EQ(pageTitles().size(), 4u);
    EXPECT_EQ(listItems(ctl::透明度组合框).size(), 4u);
    EXPECT_EQ(listItems(ctl::编辑器文字颜色).size(), 9u);
}

}  // namespace
