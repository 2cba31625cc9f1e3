#pragma once
#include <span>
#include <windows.h>

namespace app {

inline constexpr const char* kPictureBoxClass = "LumoPictureBox";

// Registers the picture box class: a window that shows one encoded picture
// (JPEG, PNG, ...) scaled to its client area over a white background.
bool registerPictureBoxClass(HINSTANCE instance);

// Gives the picture box its picture; the bytes are decoded at once and need
// not outlive the call.  Returns false when they cannot be decoded.
bool setPicture(HWND box, std::span<const BYTE> encoded);

}  // namespace app
