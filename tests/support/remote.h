#pragma once
// Driving and inspecting the real program from a second process.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace remote {

// The program built with loopback endpoints, next to the test executable.
std::string programPath();
// Another program built next to the test executable.
std::string siblingPath(const char* fileName);

// Pumps this thread's messages until the condition holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Waits until the thread of a window has worked through every message and
// every input event queued for it so far.  A pixel in the middle of the
// window (and of every child over it) is invalidated; a thread is asked to
// paint only once no posted message and no input waits for it, so once no
// window of the tree has anything left to paint, the queue has been handled.
// True at once when the window is gone.
bool waitUntilIdle(HWND window, DWORD timeoutMs = 20000);

// A started copy of the program; ends it on destruction if it still runs.
class Program {
public:
    Program() = default;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    // Starts the program, inside a job object when one is given, with the
    // arguments after its quoted path.
    bool start(const std::string& program = programPath(), HANDLE job = nullptr, const std::string& arguments = {});
    // The first visible top-level window of the given class owned by this
    // process, once the process is ready for input: shown, painted and idle.
    // 0 when none appears in time.
    HWND waitForWindow(const char* className, DWORD timeoutMs = 30000) const;
    HWND findWindow(const char* className) const;
    bool running() const;
    bool waitForExit(DWORD timeoutMs = 20000) const;
    // The exit code once the process has ended (STILL_ACTIVE before).
    DWORD exitCode() const;
    DWORD id() const { return info_.dwProcessId; }
    HANDLE handle() const { return info_.hProcess; }

private:
    PROCESS_INFORMATION info_{};
};

// A block of memory inside another process, for messages that carry pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    void* address() const { return address_; }
    bool write(const void* data, size_t size, size_t offset = 0) const;
    bool read(void* data, size_t size, size_t offset = 0) const;

private:
    HANDLE process_;
    void* address_;
};

std::string windowText(HWND w);
std::string className(HWND w);
// A child's rectangle in its parent's client coordinates.
RECT rectInParent(HWND child);
std::vector<std::string> comboItems(HWND combo);
std::string tabItemText(HANDLE process, HWND tab, int index);
RECT tabItemRect(HANDLE process, HWND tab, int index);
RECT tabDisplayArea(HANDLE process, HWND tab);

// Real mouse and keyboard input.  Each step returns once the windows under
// the pointer have handled it, so a test never races the program: the
// pointer is where it was put, and a press is not taken for a release
// elsewhere because the program was still catching up with older moves.
void moveMouse(int x, int y);
void click(int x, int y);
// Presses the left button at one point, moves in steps to another and
// releases it there.
void drag(int fromX, int fromY, int toX, int toY);
// Presses the left button at a point and keeps it down; releases it where
// the pointer is.
void pressLeft(int x, int y);
void releaseLeft();
// Presses and releases a key; it goes to the window with the keyboard focus.
void pressKey(WORD virtualKey);
// Clicks the centre of a window, or of a rectangle in its client coordinates.
void clickWindow(HWND w);
void clickClientRect(HWND w, const RECT& clientRect);

}  // namespace remote
