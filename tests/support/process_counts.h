#pragma once
// What another process holds, counted from outside it: GDI objects, USER
// objects, private bytes and kernel handles.  Each count uses what the system
// reports for another process; where it reports nothing (GetGuiResources and
// the private usage of GetProcessMemoryInfo are 0 under Wine), the count is
// taken another real way, read from the process itself.
#include <windows.h>

#include <string>
#include <vector>

namespace counts {

struct Counts {
    long gdiObjects = -1;
    long userObjects = -1;
    long long privateBytes = -1;
    long handles = -1;
};

// How each count of the last call was taken, e.g. "GDI handle table".
struct Sources {
    std::string gdi, user, privateBytes, handles;
};

// process needs PROCESS_QUERY_INFORMATION | PROCESS_VM_READ.
Counts of(HANDLE process, DWORD processId, Sources* sources = nullptr);

// GDI objects: GetGuiResources, or the live entries of the process's GDI
// handle table (the PEB's GdiSharedHandleTable, read with ReadProcessMemory)
// that belong to it.
long gdiObjects(HANDLE process, DWORD processId, std::string* source = nullptr);
// USER objects: GetGuiResources, or the windows the process owns (top-level,
// hidden or not, every descendant, and message-only windows).
long userObjects(HANDLE process, DWORD processId, std::string* source = nullptr);
// Private bytes: the private usage GetProcessMemoryInfo reports, or the sum
// of the committed private regions of the process's address space.
long long privateBytes(HANDLE process, std::string* source = nullptr);
// Kernel handles: GetProcessHandleCount, or the entries of the system's
// handle list that belong to the process.
long handles(HANDLE process, DWORD processId, std::string* source = nullptr);

// One open handle of a process, described as the system names it.
struct HandleInfo {
    USHORT value;
    std::string type;  // "File", "Event", "Key", ...
    std::string name;  // the object's name, e.g. a file's path; often empty
};
// The open handles of another process (needs PROCESS_DUP_HANDLE), read from
// the system's handle list and described through a copy of each.
std::vector<HandleInfo> openHandles(HANDLE process, DWORD processId);

}  // namespace counts
