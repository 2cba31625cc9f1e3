#pragma once
#include <windows.h>

namespace app {

inline constexpr const char* kBrowserHostClass = "LumoBrowserHost";

// Registers the browser host class: a child window that embeds the system's
// web browser control, in-place active over the whole host.  The host's
// window text is the address last assigned; setting the text (SetWindowTextA,
// GBK) navigates the browser there, so the address is readable from outside
// the process as well.  A new host starts blank.
bool registerBrowserHostClass(HINSTANCE instance);

// Limits what the host shows to the given rectangle of its parent's client
// area (the host may reach beyond the page it sits on).
void clipBrowserHost(HWND host, const RECT& visibleInParent);

}  // namespace app
