// Counting another process from outside follows what it makes and frees.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/process_counts.h"

namespace {

std::string sibling(const char* name) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1) + name;
}

TEST(ProcessCounts, FollowWhatAnotherProcessMakesAndFrees) {
    const std::string base = "lumo_count_" + std::to_string(GetCurrentProcessId()) + "_";
    auto event = [&](const char* what) { return CreateEventA(nullptr, FALSE, FALSE, (base + what).c_str()); };
    HANDLE ready = event("ready"), make = event("make"), made = event("made"), release = event("free"),
           freed = event("freed");
    const std::string program = sibling("count_target.exe");
    std::string line = "\"" + program + "\" " + base;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    ASSERT_EQ(WaitForSingleObject(ready, 20000), WAIT_OBJECT_0);

    counts::Sources sources;
    const counts::Counts before = counts::of(pi.hProcess, pi.dwProcessId, &sources);
    SetEvent(make);
    ASSERT_EQ(WaitForSingleObject(made, 20000), WAIT_OBJECT_0);
    const counts::Counts during = counts::of(pi.hProcess, pi.dwProcessId);
    SetEvent(release);
    ASSERT_EQ(WaitForSingleObject(freed, 20000), WAIT_OBJECT_0);
    const counts::Counts after = counts::of(pi.hProcess, pi.dwProcessId);
    TerminateProcess(pi.hProcess, 0);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    for (HANDLE h : {ready, make, made, release, freed}) CloseHandle(h);

    SCOPED_TRACE("GDI by " + sources.gdi + ", USER by " + sources.user + ", private bytes by " + sources.privateBytes +
                 ", handles by " + sources.handles);
    ASSERT_GT(before.gdiObjects, 0);
    ASSERT_GT(before.userObjects, 0);
    ASSERT_GT(before.privateBytes, 0);
    ASSERT_GT(before.handles, 0);
    // 100 brushes, 5 windows (a window may bring a class or DC object of its
    // own), 10 events, 4 MiB.
    EXPECT_GE(during.gdiObjects - before.gdiObjects, 100);
    EXPECT_LE(during.gdiObjects - before.gdiObjects, 110);
    EXPECT_EQ(during.userObjects - before.userObjects, 5);
    EXPECT_GE(during.handles - before.handles, 10);
    EXPECT_LE(during.handles - before.handles, 12);
    EXPECT_GE(during.privateBytes - before.privateBytes, 4 << 20);
    EXPECT_LE(during.privateBytes - before.privateBytes, 5 << 20);
    // Freed: back where it was.
    EXPECT_LE(after.gdiObjects - before.gdiObjects, 2);
    EXPECT_EQ(after.userObjects, before.userObjects);
    EXPECT_LE(after.handles - before.handles, 2);
    EXPECT_LE(after.privateBytes - before.privateBytes, 256 << 10);
}

}  // namespace
