// Stands in for the trimming tool in trim_tests.  Appends to "<own path>.log"
// a line "<command line>|<start-up flags>|<show state>", waits half a second,
// then appends "end", so a test can tell whether its starter waited.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    char self[MAX_PATH];
    std::string log = std::string(self, GetModuleFileNameA(nullptr, self, MAX_PATH)) + ".log";
    STARTUPINFOA startup{};
    GetStartupInfoA(&startup);
    const auto mode = std::ios::app | std::ios::binary;
    std::ofstream(log, mode) << GetCommandLineA() << "|" << startup.dwFlags << "|" << startup.wShowWindow << "\n";
    Sleep(500);
    std::ofstream(log, mode) << "end\n";
}
