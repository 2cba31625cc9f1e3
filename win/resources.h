#pragma once
#include <span>
#include <vector>
#include <windows.h>

// Data the executable carries as RCDATA resources, by name.
namespace win {

// A view of the carried bytes (they live as long as the module); empty when
// the executable does not carry them.
inline std::span<const BYTE> carriedBytes(const char* name, HMODULE module = GetModuleHandleA(nullptr)) {
    HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!info) return {};
    HGLOBAL loaded = LoadResource(module, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const BYTE*>(data), SizeofResource(module, info)};
}

// A copy of the carried bytes.
inline std::vector<BYTE> carriedCopy(const char* name) {
    std::span<const BYTE> bytes = carriedBytes(name);
    return std::vector<BYTE>(bytes.begin(), bytes.end());
}

}  // namespace win
