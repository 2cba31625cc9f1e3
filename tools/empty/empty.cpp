// empty.exe: trims the working set of the process whose decimal id is its
// only argument, then exits.
//
// Exit codes:
//   0  the working set was trimmed
//   1  usage: the argument is missing or not a decimal process id
//   2  the process could not be opened
//   3  the system refused to trim it
#include <windows.h>

namespace {

enum ExitCode : int { kTrimmed = 0, kUsage = 1, kCannotOpen = 2, kRefused = 3 };

bool parseProcessId(const char* text, DWORD& id) {
    if (!text || !*text) return false;
    unsigned long long value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9') return false;
        value = value * 10 + static_cast<unsigned>(*p - '0');
        if (value > 0xFFFFFFFFull) return false;
    }
    if (value == 0) return false;
    id = static_cast<DWORD>(value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    DWORD id = 0;
    if (argc != 2 || !parseProcessId(argv[1], id)) return kUsage;
    HANDLE process = OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, id);
    if (!process) return kCannotOpen;
    // (SIZE_T)-1 for both limits asks the system to page out as much as it can.
    BOOL trimmed = SetProcessWorkingSetSize(process, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    CloseHandle(process);
    return trimmed ? kTrimmed : kRefused;
}
