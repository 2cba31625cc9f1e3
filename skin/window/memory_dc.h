#pragma once
#include <windows.h>

#include "win/handles.h"

namespace skin {

// A 32-bit top-down-addressed DIB section (rows run bottom-up in memory)
// of w x h pixels, all zero.
HBITMAP createDib32(int w, int h);

// The register of memory device contexts that outlive one paint: each entry
// is the context, the bitmap selected into it and the object that selection
// replaced.  Remembering a context already registered updates its entry.
void rememberMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ previousObject);

// Selects the previous object back, deletes the bitmap and the context and
// forgets the entry.  False, and nothing done, for 0 or an unregistered handle.
bool releaseMemoryDc(HDC dc);

// A registered memory context with a fresh createDib32(w, h) selected.
HDC newMemoryCanvas(int w, int h);

int registeredMemoryDcCount();

inline void releaseRegisteredDc(HDC dc) { releaseMemoryDc(dc); }

// A registered memory context that one scope owns: it goes back through
// releaseMemoryDc when the scope ends.
using Canvas = win::Owned<HDC, releaseRegisteredDc>;

// Releases every registered context (at exit, and in tests).
void releaseAllMemoryDcs();

}  // namespace skin
