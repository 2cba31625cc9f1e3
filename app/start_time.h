#pragma once
#include <string>
#include <windows.h>

namespace app {

// The start time as the home page shows it: the date, then a time part that
// leaves out trailing zero fields ("14时30分" for 14:30:00, "14时" for 14:00:00,
// "14时0分5秒" for 14:00:05, nothing at all for midnight).  GBK text.
std::string formatStartTime(const SYSTEMTIME& t);

// The caption of the start-time label: the heading line and the start time.
std::string startTimeCaption(const SYSTEMTIME& t);

}  // namespace app
