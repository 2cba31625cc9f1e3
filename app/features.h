#pragma once
#include <windows.h>

#include <optional>
#include <string>

// The settings of the home page and the skin menu: each handler is bound to
// one event of one control of the main window and takes that window.
namespace app {

// The main window's constant alpha for an item of 透明度组合框 (0-based);
// nothing for an index outside the list.
std::optional<BYTE> transparencyAlpha(int index);

// The text colour an item of 编辑器文字颜色 (0-based) gives the editor;
// nothing for "默认", which leaves the colour as it is, and for an index
// outside the list.
std::optional<COLORREF> editorColour(int index);

// The whole text of 编辑器 takes the chosen colour.
void applyEditorColour(HWND mainWindow);
void applyAlwaysOnTop(HWND mainWindow);
// Keeps the window's other extended styles; it stays layered for the rest of
// the run, also at full opacity.
void applyTransparency(HWND mainWindow);
// The items of the hidden menu "换肤" in a pop-up of their own at the cursor
// offset by (3, 3); the chosen item reaches the window as WM_COMMAND.
void popUpSkinMenu(HWND mainWindow);
// One of the carried skin pictures, stretched over the window.
void chooseSkin(HWND mainWindow, const char* pictureName);
// The picture picked in the image picker, stretched over the window.  A
// cancelled picker, or a file that is refused or cannot be decoded, leaves
// the skin as it is (only the accent colour returns to its default).  Does
// nothing while a picker is open.
void chooseCustomBackground(HWND mainWindow);
// What follows the picker: the chosen file's picture becomes the skin,
// stretched; an empty path or a refused file leaves it as it is.
void applyCustomBackground(const std::string& path);

// The notification code of the WM_COMMAND that a watched button sends its
// parent when the left mouse button is released over it.
inline constexpr WORD kReleasedOver = 0x7F01;
// Subclasses the button so that every release of the left button inside it
// is told to its parent.
void watchButtonRelease(HWND button);

// Runs the handler bound to a control's event, given WM_COMMAND's identifier
// and notification code; false when nothing is bound to it.
bool runBoundHandler(HWND mainWindow, int id, int code);

}  // namespace app
