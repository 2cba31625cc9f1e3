#pragma once
#include <string>
#include <vector>
#include <windows.h>

namespace skin {

// An encoded picture or any other counted run of bytes.
using Bytes = std::vector<BYTE>;

struct IntRect {
    int x = 0, y = 0, w = 0, h = 0;
};

struct FloatRect {
    float x = 0, y = 0, w = 0, h = 0;
    bool operator==(const FloatRect&) const = default;
};

// An application routine taking 32-bit integers and returning one (stdcall:
// the routine removes its arguments).  Empty callbacks are never called.
struct Callback {
    void* routine = nullptr;
    explicit operator bool() const { return routine != nullptr; }
};

}  // namespace skin
