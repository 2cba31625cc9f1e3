#include "tests/support/gdi_count.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace support {

namespace {

// 32-bit layout: the PEB's GdiSharedHandleTable at 0x94 points to 0x10000
// entries of 24 bytes; the byte at 14 is the object type, 0 for a free slot.
constexpr std::size_t kTableOffset = 0x94;
constexpr std::size_t kEntries = 0x10000;
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kTypeOffset = 14;

}  // namespace

int liveGdiObjectCount() {
    // The TEB's pointer to the PEB, at fs:0x30 on 32-bit Windows.
    const unsigned char* peb = nullptr;
    asm("movl %%fs:0x30, %0" : "=r"(peb));
    const unsigned char* table = *reinterpret_cast<const unsigned char* const*>(peb + kTableOffset);
    if (!table) return -1;
    int live = 0;
    for (std::size_t i = 0; i < kEntries; ++i)
        if (table[i * kEntrySize + kTypeOffset] != 0) ++live;
    return live;
}

int liveGdiObjectCount(HANDLE process) {
    // The process's PEB through ProcessBasicInformation (class 0): its address
    // is the second field.
    using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    ULONG_PTR basic[6]{};
    if (!query || query(process, 0, basic, sizeof basic, nullptr) != 0) return -1;
    const auto peb = basic[1];
    ULONG_PTR table = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(peb + kTableOffset), &table, sizeof table, nullptr) ||
        !table)
        return -1;
    std::vector<unsigned char> entries(kEntries * kEntrySize);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(), entries.size(), nullptr))
        return -1;
    int live = 0;
    for (std::size_t i = 0; i < kEntries; ++i)
        if (entries[i * kEntrySize + kTypeOffset] != 0) ++live;
    return live;
}

std::size_t liveHeapBlockCount() {
    DWORD n = GetProcessHeaps(0, nullptr);
    std::vector<HANDLE> heaps(n + 8);
    n = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    std::size_t blocks = 0;
    for (DWORD i = 0; i < n && i < heaps.size(); ++i) {
        if (!HeapLock(heaps[i])) continue;
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++blocks;
        HeapUnlock(heaps[i]);
    }
    return blocks;
}

}  // namespace support
