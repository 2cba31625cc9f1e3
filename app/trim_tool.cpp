#include "app/trim_tool.h"

#include <algorithm>
#include <span>
#include <vector>

#include "win/handles.h"
#include "win/resources.h"

namespace app {

namespace {

using win::OwnedHandle;

bool fileExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    return static_cast<bool>(win::adoptFileHandle<win::OwnedFind>(FindFirstFileA(path.c_str(), &found)));
}

void writeTool(const std::string& path, std::span<const BYTE> tool) {
    bool written = false;
    {
        auto file = win::adoptFileHandle<OwnedHandle>(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return;
        DWORD n = 0;
        written = WriteFile(file.get(), tool.data(), static_cast<DWORD>(tool.size()), &n, nullptr) && n == tool.size();
    }
    // A cut-short copy would never match the carried tool; leave no such file
    // behind so that the next call writes it again.
    if (!written) DeleteFileA(path.c_str());
}

// The file at `path` opened so that nobody can change it while it is open,
// when its bytes are exactly the carried tool; empty otherwise.
OwnedHandle openIfCarriedTool(const std::string& path, std::span<const BYTE> tool) {
    auto file = win::adoptFileHandle<OwnedHandle>(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart != static_cast<LONGLONG>(tool.size())) return {};
    std::vector<BYTE> bytes(tool.size());
    DWORD n = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr) || n != bytes.size())
        return {};
    if (!std::equal(bytes.begin(), bytes.end(), tool.begin())) return {};
    return file;
}

}  // namespace

std::string trimToolPath() {
    std::string windir;
    DWORD n = GetEnvironmentVariableA("windir", nullptr, 0);
    if (n > 0) {
        windir.resize(n);
        n = GetEnvironmentVariableA("windir", windir.data(), n);
        windir.resize(n);
    }
    return windir + "\\empty.exe";
}

void trimWorkingSet() {
    std::span<const BYTE> tool = win::carriedBytes(kTrimToolResource);
    if (tool.empty()) return;
    const std::string path = trimToolPath();
    if (!fileExists(path)) writeTool(path, tool);

    PROCESS_INFORMATION info{};
    {
        // Held open (others may only read) until the process has started, so
        // the file that runs is the file that was compared.
        OwnedHandle checked = openIfCarriedTool(path, tool);
        if (!checked) return;
        std::string commandLine = path + " " + std::to_string(GetCurrentProcessId());
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
        // The application name is given so that a path with spaces cannot
        // start some other program named by its first word.
        if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &info))
            return;
    }
    OwnedHandle process(info.hProcess);
    OwnedHandle thread(info.hThread);
    WaitForSingleObject(process.get(), INFINITE);
}

}  // namespace app
