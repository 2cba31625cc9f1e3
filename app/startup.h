#pragma once
#include <windows.h>

namespace app {

inline constexpr const char* kInstanceEventName = "myappname";
inline constexpr const char* kSecondCopyCaption = "盒子防多开提示";
inline constexpr const char* kSecondCopyText =
    "亲！只能打开一个盒子哦！。\r\n若无法找到盒子的界面，请使用任务管理器强制关闭后再次盒子！";

// The whole life of the program: environment, main window, message loop.
int runProgram(HINSTANCE instance);

// What the main window does once it and all its controls exist, before the
// message loop starts: its skin, the start time, the public address, the
// single-instance guard.
void onMainWindowCreated(HWND mainWindow);

// True when this is the only running copy.  The first copy creates the named
// event and keeps its handle for the rest of its life.
bool claimSingleInstance();

}  // namespace app
