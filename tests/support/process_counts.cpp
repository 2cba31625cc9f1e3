#include "tests/support/process_counts.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace counts {

namespace {

// One entry of the GDI handle table of a 32-bit process: 0x10000 entries of
// 24 bytes; the owner's process id at 8 (0 where the table is the process's
// own), the object type at 14 (0 for a free slot).
struct GdiEntry {
    std::uint64_t object;
    std::uint16_t ownerProcess;
    std::uint16_t count;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiEntry) == 24);
constexpr std::size_t kGdiEntries = 0x10000;
constexpr std::size_t kPebGdiTable = 0x94;

long gdiTableCount(HANDLE process, DWORD processId) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0) return -1;
    std::uint32_t table = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebGdiTable, &table,
                           sizeof table, &read) ||
        !table)
        return -1;
    std::vector<GdiEntry> entries(kGdiEntries);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(table)), entries.data(),
                           entries.size() * sizeof(GdiEntry), &read))
        return -1;
    long live = 0;
    for (const GdiEntry& e : entries)
        if (e.type != 0 && (e.ownerProcess == 0 || e.ownerProcess == (processId & 0xFFFF))) ++live;
    return live;
}

struct WindowCount {
    DWORD processId;
    long n = 0;
};

BOOL CALLBACK countChild(HWND w, LPARAM lp) {
    auto* c = reinterpret_cast<WindowCount*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == c->processId) ++c->n;
    return TRUE;
}

BOOL CALLBACK countTopLevel(HWND w, LPARAM lp) {
    auto* c = reinterpret_cast<WindowCount*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == c->processId) ++c->n;
    // Every descendant, owned by this process or not (a child may belong to
    // another thread or process; only the program's own are counted).
    EnumChildWindows(w, countChild, lp);
    return TRUE;
}

long windowCount(DWORD processId) {
    WindowCount c{processId};
    EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&c));
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr))
        countTopLevel(w, reinterpret_cast<LPARAM>(&c));
    return c.n;
}

long long committedPrivateBytes(HANDLE process) {
    long long total = 0;
    MEMORY_BASIC_INFORMATION info{};
    const char* at = nullptr;
    while (VirtualQueryEx(process, at, &info, sizeof info) == sizeof info) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
        const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return total;
}

// The system's list of every open handle (information class 16).
struct HandleEntry {
    ULONG ownerProcess;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ACCESS_MASK access;
};
struct HandleList {
    ULONG count;
    HandleEntry entries[1];
};

// The entries of the system's handle list that belong to the process; false
// when the list cannot be read.
bool systemHandles(DWORD processId, std::vector<HandleEntry>& out) {
    constexpr NTSTATUS kTooSmall = static_cast<NTSTATUS>(0xC0000004L);
    std::vector<char> buffer(1 << 18);
    NTSTATUS status;
    ULONG length = 0;
    while ((status = NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(16), buffer.data(),
                                              static_cast<ULONG>(buffer.size()), &length)) == kTooSmall &&
           buffer.size() < (64u << 20))
        buffer.resize(buffer.size() * 2);
    if (status != 0) return false;
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    for (ULONG i = 0; i < list->count; ++i)
        if (list->entries[i].ownerProcess == processId) out.push_back(list->entries[i]);
    return true;
}

long systemHandleCount(DWORD processId) {
    std::vector<HandleEntry> entries;
    return systemHandles(processId, entries) ? static_cast<long>(entries.size()) : -1;
}

// The text of a UNICODE_STRING that NtQueryObject wrote at the start of the buffer.
std::string objectText(HANDLE h, int infoClass) {
    std::vector<char> buffer(4096);
    ULONG length = 0;
    if (NtQueryObject(h, static_cast<OBJECT_INFORMATION_CLASS>(infoClass), buffer.data(),
                      static_cast<ULONG>(buffer.size()), &length) != 0)
        return {};
    const auto* text = reinterpret_cast<const UNICODE_STRING*>(buffer.data());
    if (!text->Buffer || !text->Length) return {};
    const int chars = text->Length / 2;
    const int n = WideCharToMultiByte(CP_UTF8, 0, text->Buffer, chars, nullptr, 0, nullptr, nullptr);
    std::string s(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text->Buffer, chars, s.data(), n, nullptr, nullptr);
    return s;
}

void name(std::string* source, const char* text) {
    if (source) *source = text;
}

}  // namespace

std::vector<HandleInfo> openHandles(HANDLE process, DWORD processId) {
    std::vector<HandleEntry> entries;
    std::vector<HandleInfo> out;
    if (!systemHandles(processId, entries)) return out;
    for (const HandleEntry& e : entries) {
        HandleInfo info{e.value, {}, {}};
        HANDLE copy = nullptr;
        if (DuplicateHandle(process, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(e.value)),
                            GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
            info.type = objectText(copy, 2);  // ObjectTypeInformation: the type's name comes first
            info.name = objectText(copy, 1);  // ObjectNameInformation
            CloseHandle(copy);
        }
        out.push_back(std::move(info));
    }
    return out;
}

long gdiObjects(HANDLE process, DWORD processId, std::string* source) {
    // A GUI process always holds some GDI objects (its stock objects at least),
    // so 0 means the call reports nothing here.
    if (DWORD n = GetGuiResources(process, GR_GDIOBJECTS)) {
        name(source, "GetGuiResources");
        return static_cast<long>(n);
    }
    name(source, "GDI handle table");
    return gdiTableCount(process, processId);
}

long userObjects(HANDLE process, DWORD processId, std::string* source) {
    if (DWORD n = GetGuiResources(process, GR_USEROBJECTS)) {
        name(source, "GetGuiResources");
        return static_cast<long>(n);
    }
    name(source, "windows");
    return windowCount(processId);
}

long long privateBytes(HANDLE process, std::string* source) {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory) &&
        memory.PrivateUsage) {
        name(source, "GetProcessMemoryInfo");
        return static_cast<long long>(memory.PrivateUsage);
    }
    name(source, "committed private regions");
    return committedPrivateBytes(process);
}

long handles(HANDLE process, DWORD processId, std::string* source) {
    DWORD n = 0;
    if (GetProcessHandleCount(process, &n) && n) {
        name(source, "GetProcessHandleCount");
        return static_cast<long>(n);
    }
    name(source, "system handle list");
    return systemHandleCount(processId);
}

Counts of(HANDLE process, DWORD processId, Sources* sources) {
    Counts c;
    c.gdiObjects = gdiObjects(process, processId, sources ? &sources->gdi : nullptr);
    c.userObjects = userObjects(process, processId, sources ? &sources->user : nullptr);
    c.privateBytes = privateBytes(process, sources ? &sources->privateBytes : nullptr);
    c.handles = handles(process, processId, sources ? &sources->handles : nullptr);
    return c;
}

}  // namespace counts
