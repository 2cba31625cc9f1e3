#pragma once
// The image picker: the system's open-file dialog for pictures, widened by a
// side panel (图片信息面板) with a live preview of the selected file and its
// size, type and pixel dimensions.
#include <windows.h>

#include <string>

namespace picker {

// Shows the dialog owned by (and modal to) the owner and returns the chosen
// path; empty when the user cancelled, the dialog failed, the path did not
// fit, or a picker is already open (one at a time).
//
// The side panel is one of the program's own windows while it exists: it is
// created when the call starts and destroyed before it returns, whatever way
// the dialog ends, so a caller that counts its windows counts one around the
// call.
std::string pickImageFile(HWND owner);

// True while pickImageFile runs.
bool isPickerOpen();

// The side panel's window class and its controls, for those who look at it
// from outside.
inline constexpr const char* kPanelClass = "LumoPickerPanel";
inline constexpr const char* kPanelTitle = "图片信息面板";
namespace panel {
enum : int {
    选择框_预览 = 3001,
    分组框1,
    标签_图片,
    标签1,
    标签2,
    标签3,
    标签4,
    标签_文件大小,
    标签_文件类型,
    标签_图片宽度,
    标签_图片高度,
};
}

}  // namespace picker
