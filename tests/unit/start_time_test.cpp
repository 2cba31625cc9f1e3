#include <gtest/gtest.h>

#include "app/start_time.h"

namespace {

SYSTEMTIME at(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    return t;
}

TEST(StartTime, TimePartDropsTrailingZeroFieldsOnly) {
    struct Case {
        SYSTEMTIME t;
        const char* expected;
    } cases[] = {
        {at(2026, 12, 9, 14, 30, 0), "2026年12月9日14时30分"},        {at(2026, 12, 9, 14, 0, 0), "2026年12月9日14时"},
        {at(2026, 12, 9, 14, 0, 5), "2026年12月9日14时0分5秒"},       {at(2026, 12, 9, 0, 0, 0), "2026年12月9日"},
        {at(2026, 1, 2, 0, 0, 7), "2026年1月2日0时0分7秒"},           {at(2026, 1, 2, 0, 15, 0), "2026年1月2日0时15分"},
        {at(2026, 12, 31, 23, 59, 59), "2026年12月31日23时59分59秒"},
    };
    for (const Case& c : cases) EXPECT_EQ(app::formatStartTime(c.t), c.expected);
}

TEST(StartTime, CaptionHasItsHeadingLine) {
    EXPECT_EQ(app::startTimeCaption(at(2026, 12, 9, 14, 30, 0)), "最后运行时间\r\n2026年12月9日14时30分");
}

}  // namespace
