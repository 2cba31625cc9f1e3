#pragma once

namespace win {

// The face every text of the program uses unless it names another: the
// system's ordinary GB2312 face.
inline constexpr const char* kDefaultFace = "宋体";

}  // namespace win
