#pragma once

namespace app {
// The fixed notice shown on the home page (GBK, lines separated by "\r\n").
const char* noticeText();
}  // namespace app
