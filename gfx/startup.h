#pragma once
// Starting and ending GDI+ for the process.  The objects of the library never
// do either themselves: whoever draws starts GDI+ first and shuts it down
// after the last object is gone.
#include <windows.h>

#include "gfx/types.h"

namespace gfx {

// GdiplusStartup with a version-1 input and no debug callback.  On success
// token receives the value that shutdown() takes; on failure it is 0.
Status startup(ULONG_PTR& token);

// GdiplusShutdown; a token of 0 (never started, or a failed start) does nothing.
void shutdown(ULONG_PTR token);

}  // namespace gfx
