#include "app/start_time.h"

#include <cstdio>

namespace app {

std::string formatStartTime(const SYSTEMTIME& t) {
    char buf[96];
    int n = std::snprintf(buf, sizeof buf, "%d年%d月%d日", t.wYear, t.wMonth, t.wDay);
    const size_t room = sizeof buf - static_cast<size_t>(n);
    if (t.wSecond != 0) std::snprintf(buf + n, room, "%d时%d分%d秒", t.wHour, t.wMinute, t.wSecond);
    else if (t.wMinute != 0) std::snprintf(buf + n, room, "%d时%d分", t.wHour, t.wMinute);
    else if (t.wHour != 0) std::snprintf(buf + n, room, "%d时", t.wHour);
    return buf;
}

std::string startTimeCaption(const SYSTEMTIME& t) { return "最后运行时间\r\n" + formatStartTime(t); }

}  // namespace app
