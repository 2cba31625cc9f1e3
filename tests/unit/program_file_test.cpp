// The built executables as Windows sees them before it runs them: the
// manifest the loader reads, the version information the file's properties
// page shows, and, for the copy that users get, no debug information.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/version.h"

namespace {

std::string binFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

struct ProgramFile {
    const char* path;  // under bin/
    const char* originalName;
    const char* description;
};

const ProgramFile kPrograms[] = {
    {"LumoBox.exe", "LumoBox.exe", LUMO_PRODUCT_DESCRIPTION},
    {"release\\LumoBox.exe", "LumoBox.exe", LUMO_PRODUCT_DESCRIPTION},
    {"LumoBoxLoopback.exe", "LumoBoxLoopback.exe", LUMO_LOOPBACK_DESCRIPTION},
};

class DataFile {
public:
    explicit DataFile(const std::string& path)
        : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~DataFile() {
        if (module_) FreeLibrary(module_);
    }
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;
    HMODULE get() const { return module_; }

private:
    HMODULE module_;
};

std::string manifestOf(const std::string& path) {
    DataFile file(path);
    if (!file.get()) return {};
    HRSRC found = FindResourceA(file.get(), MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_MANIFEST));
    if (!found) return {};
    HGLOBAL loaded = LoadResource(file.get(), found);
    const char* bytes = static_cast<const char*>(LockResource(loaded));
    return bytes ? std::string(bytes, SizeofResource(file.get(), found)) : std::string{};
}

TEST(ProgramFiles, CarryTheManifestOfAnOrdinaryDpiUnawareDesktopProgram) {
    const char* expected[] = {
        R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
        R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">false</dpiAware>)",
        R"(<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">unaware</dpiAwareness>)",
    };
    for (const ProgramFile& program : kPrograms) {
        std::string manifest = manifestOf(binFolder() + program.path);
        ASSERT_FALSE(manifest.empty()) << program.path;
        EXPECT_EQ(manifest.rfind("<?xml ", 0), 0u) << program.path;
        for (const char* part : expected) EXPECT_NE(manifest.find(part), std::string::npos) << program.path << part;
        // The standard controls keep the look the skin engine is written against.
        EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << program.path;
    }
}

TEST(ProgramFiles, CarryTheirVersionInAChineseBlock) {
    for (const ProgramFile& program : kPrograms) {
        const std::string path = binFolder() + program.path;
        DWORD ignored = 0;
        DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
        ASSERT_GT(size, 0u) << program.path;
        std::vector<char> info(size);
        ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data())) << program.path;

        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
        EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
        EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(LUMO_VERSION_MINOR, LUMO_VERSION_MAJOR)));
        EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(LUMO_VERSION_BUILD, LUMO_VERSION_PATCH)));
        EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
        EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
        EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

        WORD* translation = nullptr;
        ASSERT_TRUE(
            VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
        ASSERT_EQ(length, 4u);
        EXPECT_EQ(translation[0], 0x0804);  // Chinese (PRC)
        EXPECT_EQ(translation[1], 936);     // GBK

        struct Text {
            const char* name;
            std::string value;
        } texts[] = {
            {"ProductName", "Lumo音乐台盒子"},          {"FileDescription", program.description},
            {"FileVersion", LUMO_VERSION_TEXT},         {"ProductVersion", LUMO_VERSION_TEXT},
            {"OriginalFilename", program.originalName},
        };
        for (const Text& t : texts) {
            std::string key = std::string("\\StringFileInfo\\") + LUMO_VERSION_BLOCK + "\\" + t.name;
            char* value = nullptr;
            ASSERT_TRUE(VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
                << program.path << " " << t.name;
            EXPECT_EQ(std::string(value), t.value) << program.path << " " << t.name;
        }
    }
}

// The section names and the symbol count of a PE file, read from its
// headers.  Names longer than eight characters (".debug_info", ".eh_frame")
// are stored as "/n", an offset into the string table behind the symbols.
struct PeLayout {
    bool valid = false;
    DWORD symbols = 0;
    std::vector<std::string> sections;
};

PeLayout peLayout(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    PeLayout out;
    if (bytes.size() < sizeof(IMAGE_DOS_HEADER)) return out;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew < 0 ||
        bytes.size() < static_cast<size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS32))
        return out;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) return out;
    const size_t first = static_cast<size_t>(dos->e_lfanew) + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                         nt->FileHeader.SizeOfOptionalHeader;
    const size_t count = nt->FileHeader.NumberOfSections;
    if (bytes.size() < first + count * sizeof(IMAGE_SECTION_HEADER)) return out;
    const auto* section = reinterpret_cast<const IMAGE_SECTION_HEADER*>(bytes.data() + first);
    const size_t strings = nt->FileHeader.PointerToSymbolTable + size_t{nt->FileHeader.NumberOfSymbols} * 18;
    for (size_t i = 0; i < count; ++i) {
        const char* shortName = reinterpret_cast<const char*>(section[i].Name);
        std::string name(shortName, strnlen(shortName, IMAGE_SIZEOF_SHORT_NAME));
        if (name.size() > 1 && name[0] == '/' && nt->FileHeader.PointerToSymbolTable) {
            size_t at = strings + std::stoul(name.substr(1));
            if (at >= bytes.size()) return out;
            name = std::string(bytes.data() + at, strnlen(bytes.data() + at, bytes.size() - at));
        }
        out.sections.push_back(name);
    }
    out.symbols = nt->FileHeader.NumberOfSymbols;
    out.valid = true;
    return out;
}

TEST(ProgramFiles, TheCopyForUsersCarriesNoDebugInformation) {
    PeLayout release = peLayout(binFolder() + "release\\LumoBox.exe");
    ASSERT_TRUE(release.valid);
    EXPECT_EQ(release.symbols, 0u);
    for (const std::string& name : release.sections) EXPECT_NE(name.rfind(".debug", 0), 0u) << name;
    // The parts that run are all there.
    for (const char* kept : {".text", ".rdata", ".eh_frame", ".rsrc"})
        EXPECT_NE(std::find(release.sections.begin(), release.sections.end(), kept), release.sections.end()) << kept;

    // The same reading finds the debug information of the build the tests run.
    PeLayout debug = peLayout(binFolder() + "LumoBox.exe");
    ASSERT_TRUE(debug.valid);
    EXPECT_NE(std::find(debug.sections.begin(), debug.sections.end(), ".debug_info"), debug.sections.end());
}

}  // namespace
