// The trimming tool: how the program writes and runs it (with a probe carried
// in its place, see trim_probe.cpp), and the real tool the program carries.
#include <gtest/gtest.h>

#include <span>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "win/resources.h"
#include "app/trim_tool.h"

namespace {

using namespace app;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string besideThisProgram(const char* name) {
    char path[MAX_PATH];
    std::string s(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return s.substr(0, s.find_last_of("\\/") + 1) + name;
}

std::string carriedTool() {
    auto bytes = win::carriedBytes(kTrimToolResource);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// A Windows directory of our own for each test.
class TrimWorkingSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "lumo-trim-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(GetTickCount());
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        SetEnvironmentVariableA("windir", folder.c_str());
        tool = folder + "\\empty.exe";
        log = tool + ".log";
        ASSERT_FALSE(carriedTool().empty());
    }
    void TearDown() override {
        for (const std::string& f : {tool, log}) DeleteFileA(f.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    // The probe's runs, as "<command line>|<flags>|<show state>\nend\n" each.
    std::string expectedRuns(int n) const {
        std::string run = tool + " " + std::to_string(GetCurrentProcessId()) + "|" +
                          std::to_string(STARTF_USESHOWWINDOW) + "|" + std::to_string(SW_HIDE) + "\nend\n";
        std::string all;
        while (n-- > 0) all += run;
        return all;
    }

    std::string folder, tool, log;
};

TEST_F(TrimWorkingSetTest, WritesTheMissingToolAndRunsItHiddenWithOurIdUntilItEnds) {
    EXPECT_EQ(trimToolPath(), tool);
    trimWorkingSet();
    EXPECT_EQ(readFile(tool), carriedTool());
    // "end" is written half a second after the start: it is there, so we waited.
    EXPECT_EQ(readFile(log), expectedRuns(1));
}

TEST_F(TrimWorkingSetTest, SecondCallRunsTheFileAlreadyWritten) {
    trimWorkingSet();
    // Date the file back so that rewriting it would show.
    const FILETIME old{0x12345678u, 0x01D00000u};
    HANDLE h = CreateFileA(tool.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    SetFileTime(h, nullptr, nullptr, &old);
    CloseHandle(h);

    trimWorkingSet();
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(tool.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.ftLastWriteTime.dwLowDateTime, old.dwLowDateTime);
    EXPECT_EQ(data.ftLastWriteTime.dwHighDateTime, old.dwHighDateTime);
    EXPECT_EQ(readFile(log), expectedRuns(2));
}

TEST_F(TrimWorkingSetTest, DifferentFileAtThePathIsNeitherRunNorReplaced) {
    // The first would run and leave a log: the probe with one byte more.
    std::string changed = carriedTool();
    changed[changed.size() / 2] ^= 0x01;
    for (const std::string& other : {carriedTool() + "!", carriedTool().substr(1), changed, std::string("text")}) {
        writeFile(tool, other);
        trimWorkingSet();
        EXPECT_FALSE(exists(log));
        EXPECT_EQ(readFile(tool), other);
    }
}

TEST_F(TrimWorkingSetTest, MissingFolderOrWindirIsSilent) {
    SetEnvironmentVariableA("windir", (folder + "\\missing").c_str());
    trimWorkingSet();
    EXPECT_FALSE(exists(folder + "\\missing"));
    SetEnvironmentVariableA("windir", nullptr);
    EXPECT_EQ(trimToolPath(), "\\empty.exe");
}

// The real tool, built next to this test.
int runTool(const std::string& arguments) {
    std::string path = besideThisProgram("empty.exe");
    std::string line = "\"" + path + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return -1;
    WaitForSingleObject(info.hProcess, 10000);
    DWORD code = 0xFFFF;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return static_cast<int>(code);
}

TEST(EmptyTool, TrimsTheGivenProcessAndReportsWhatWentWrong) {
    EXPECT_EQ(runTool(std::to_string(GetCurrentProcessId())), 0);
    for (const char* usage : {"", "abc", "12x", "-5", "0", "4294967296", "1 2"}) EXPECT_EQ(runTool(usage), 1) << usage;
    EXPECT_EQ(runTool("4294967292"), 2);  // no such process
}

TEST(EmptyTool, BothProgramsCarryTheBuiltTool) {
    const std::string built = readFile(besideThisProgram("empty.exe"));
    ASSERT_FALSE(built.empty());
    for (const char* program : {"LumoBox.exe", "LumoBoxLoopback.exe"}) {
        HMODULE module = LoadLibraryExA(besideThisProgram(program).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << program;
        const std::span<const BYTE> carried = win::carriedBytes(kTrimToolResource, module);
        ASSERT_FALSE(carried.empty()) << program;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(carried.data()), carried.size()), built) << program;
        FreeLibrary(module);
    }
}

}  // namespace
