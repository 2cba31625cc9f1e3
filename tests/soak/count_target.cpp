// A process for the counting test: on request it makes a known number of
// GDI objects, windows, kernel handles and private memory, and frees them
// again, so that counting it from outside can be checked to follow.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string_view base = argv[1];  // the prefix of the events' names
    auto event = [&](const char* what) {
        return OpenEventA(EVENT_ALL_ACCESS, FALSE, (std::string(base) + what).c_str());
    };
    HANDLE ready = event("ready"), make = event("make"), made = event("made"), release = event("free"),
           freed = event("freed");
    if (!ready || !make || !made || !release || !freed) return 3;
    // A window of its own from the start, as a GUI program has.
    CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetEvent(ready);

    WaitForSingleObject(make, INFINITE);
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 100; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    std::vector<HWND> windows;
    for (int i = 0; i < 5; ++i)
        windows.push_back(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
    std::vector<HANDLE> events;
    for (int i = 0; i < 10; ++i) events.push_back(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    void* memory = VirtualAlloc(nullptr, 4 << 20, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    SetEvent(made);

    WaitForSingleObject(release, INFINITE);
    for (HBRUSH b : brushes) DeleteObject(b);
    for (HWND w : windows) DestroyWindow(w);
    for (HANDLE e : events) CloseHandle(e);
    VirtualFree(memory, 0, MEM_RELEASE);
    SetEvent(freed);
    Sleep(INFINITE);
}
