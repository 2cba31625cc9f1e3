#include "tests/support/remote.h"

#include <windows.h>
#include <commctrl.h>

namespace remote {

std::string siblingPath(const char* fileName) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    s.resize(s.find_last_of("\\/") + 1);
    return s + fileName;
}

// The copy whose servers are on the loopback interface: a test never reaches
// the public servers the product talks to.
std::string programPath() { return siblingPath("LumoBoxLoopback.exe"); }

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(20);
    }
}

namespace {

bool hasUpdateRegion(HWND w) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    bool pending = GetUpdateRgn(w, region, FALSE) > NULLREGION;
    DeleteObject(region);
    return pending;
}

BOOL CALLBACK findPendingChild(HWND child, LPARAM lp) {
    if (!hasUpdateRegion(child)) return TRUE;
    *reinterpret_cast<bool*>(lp) = true;
    return FALSE;
}

bool paintPending(HWND root) {
    if (hasUpdateRegion(root)) return true;
    bool pending = false;
    EnumChildWindows(root, findPendingChild, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

// The top-level window at a screen point; 0 over the bare desktop.
HWND rootAt(POINT p) {
    HWND root = GetAncestor(WindowFromPoint(p), GA_ROOT);
    return root == GetDesktopWindow() ? nullptr : root;
}

}  // namespace

bool waitUntilIdle(HWND window, DWORD timeoutMs) {
    HWND root = GetAncestor(window, GA_ROOT);
    if (!root || !IsWindow(root)) return true;
    RECT client;
    GetClientRect(root, &client);
    const int x = client.right / 2, y = client.bottom / 2;
    RECT pixel{x, y, x + 1, y + 1};
    RedrawWindow(root, &pixel, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    return waitUntil([&] { return !IsWindow(root) || !paintPending(root); }, timeoutMs);
}

Program::~Program() {
    if (info_.hProcess) {
        if (running()) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
}

bool Program::start(const std::string& program, HANDLE job, const std::string& arguments) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string line = "\"" + program + "\"";
    if (!arguments.empty()) line += " " + arguments;
    // In a job, the program starts only once it belongs to it, so that every
    // process it starts belongs to the job as well.
    const DWORD flags = job ? CREATE_SUSPENDED : 0;
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &si, &info_))
        return false;
    if (job) {
        AssignProcessToJobObject(job, info_.hProcess);
        ResumeThread(info_.hThread);
    }
    return true;
}

HWND Program::findWindow(const char* cls) const {
    for (HWND w = FindWindowExA(nullptr, nullptr, cls, nullptr); w; w = FindWindowExA(nullptr, w, cls, nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == info_.dwProcessId && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

HWND Program::waitForWindow(const char* cls, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    auto remaining = [&] {
        DWORD spent = GetTickCount() - start;
        return spent < timeoutMs ? timeoutMs - spent : 0;
    };
    HWND found = nullptr;
    if (!waitUntil([&] { return (found = findWindow(cls)) != nullptr || !running(); }, timeoutMs) || !found)
        return nullptr;
    // Shown is not yet ready: the program may still be painting or starting
    // its message loop.
    WaitForInputIdle(info_.hProcess, remaining());
    if (!waitUntilIdle(found, remaining())) return nullptr;
    return IsWindow(found) ? found : nullptr;
}

bool Program::running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

bool Program::waitForExit(DWORD timeoutMs) const {
    return waitUntil([&] { return !running(); }, timeoutMs);
}

DWORD Program::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (info_.hProcess) GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size)
    : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteBuffer::~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteBuffer::write(const void* data, size_t size, size_t offset) const {
    return WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr) != 0;
}

bool RemoteBuffer::read(void* data, size_t size, size_t offset) const {
    return ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr) != 0;
}

std::string windowText(HWND w) {
    char buf[2048] = {};
    SendMessageA(w, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    return buf;
}

std::string className(HWND w) {
    char buf[256] = {};
    GetClassNameA(w, buf, sizeof buf);
    return buf;
}

RECT rectInParent(HWND child) {
    RECT rc;
    GetWindowRect(child, &rc);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

std::vector<std::string> comboItems(HWND combo) {
    // Asked in UTF-16: the system marshals this message's text reliably only
    // in its wide form across processes.
    std::vector<std::string> items;
    auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[256] = {};
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
        char text[512] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text - 1, nullptr, nullptr);
        items.emplace_back(text);
    }
    return items;
}

std::string tabItemText(HANDLE process, HWND tab, int index) {
    char text[128] = {};
    RemoteBuffer buffer(process, sizeof(TCITEMA) + sizeof text);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = static_cast<char*>(buffer.address()) + sizeof(TCITEMA);
    item.cchTextMax = sizeof text;
    buffer.write(&item, sizeof item);
    SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(buffer.address()));
    buffer.read(text, sizeof text - 1, sizeof(TCITEMA));
    return text;
}

RECT tabItemRect(HANDLE process, HWND tab, int index) {
    RECT rc{};
    RemoteBuffer buffer(process, sizeof rc);
    SendMessageA(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(buffer.address()));
    buffer.read(&rc, sizeof rc);
    return rc;
}

RECT tabDisplayArea(HANDLE process, HWND tab) {
    RECT rc = rectInParent(tab);
    RemoteBuffer buffer(process, sizeof rc);
    buffer.write(&rc, sizeof rc);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(buffer.address()));
    buffer.read(&rc, sizeof rc);
    return rc;
}

namespace {

void sendLeftButton(DWORD flag) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flag;
    SendInput(1, &in, sizeof in);
}

bool cursorAt(int x, int y) {
    POINT p;
    return GetCursorPos(&p) && p.x == x && p.y == y;
}

// Puts the pointer at a point and waits until the window it left and the
// window it entered have handled the move.  A program that was busy may
// still report older pointer positions of its own; the pointer is put back
// until it stays.
void settlePointer(int x, int y, HWND left) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (!cursorAt(x, y)) SetCursorPos(x, y);
        if (left) waitUntilIdle(left);
        waitUntilIdle(rootAt(POINT{x, y}));
        if (cursorAt(x, y)) return;
    }
}

}  // namespace

void moveMouse(int x, int y) {
    POINT from{};
    GetCursorPos(&from);
    settlePointer(x, y, rootAt(from));
}

void click(int x, int y) {
    moveMouse(x, y);
    sendLeftButton(MOUSEEVENTF_LEFTDOWN);
    settlePointer(x, y, nullptr);
    sendLeftButton(MOUSEEVENTF_LEFTUP);
    waitUntilIdle(rootAt(POINT{x, y}));
}

void pressLeft(int x, int y) {
    moveMouse(x, y);
    sendLeftButton(MOUSEEVENTF_LEFTDOWN);
    settlePointer(x, y, nullptr);
}

void releaseLeft() {
    POINT at{};
    GetCursorPos(&at);
    sendLeftButton(MOUSEEVENTF_LEFTUP);
    waitUntilIdle(rootAt(at));
}

void drag(int fromX, int fromY, int toX, int toY) {
    moveMouse(fromX, fromY);
    sendLeftButton(MOUSEEVENTF_LEFTDOWN);
    settlePointer(fromX, fromY, nullptr);
    for (int i = 1; i <= 10; ++i)
        settlePointer(fromX + (toX - fromX) * i / 10, fromY + (toY - fromY) * i / 10, nullptr);
    sendLeftButton(MOUSEEVENTF_LEFTUP);
    waitUntilIdle(rootAt(POINT{toX, toY}));
}

void pressKey(WORD key) {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
    waitUntilIdle(GetForegroundWindow());
}

void clickClientRect(HWND w, const RECT& r) {
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(w, &p);
    click(p.x, p.y);
}

void clickWindow(HWND w) {
    RECT rc;
    GetWindowRect(w, &rc);
    click((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

}  // namespace remote
