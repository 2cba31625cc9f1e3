#pragma once
// Counters for leak tests: run a workload, then check that the counts are
// back where they started.

#include <windows.h>

#include <cstddef>

namespace support {

// Live GDI objects of this process (brushes, bitmaps, device contexts, ...),
// counted in the shared GDI handle table that the PEB points to, because
// GetGuiResources reports nothing under Wine.
int liveGdiObjectCount();
// The same for another process, read from its memory; -1 when it cannot be read.
int liveGdiObjectCount(HANDLE process);

// Allocated blocks in this process's heaps.  GDI+ keeps its objects there,
// so an object that is never deleted leaves its blocks behind.
std::size_t liveHeapBlockCount();

}  // namespace support
