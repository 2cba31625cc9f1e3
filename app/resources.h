#pragma once
#include <span>
#include <windows.h>

namespace app {
// The bytes of a picture carried in the executable (RCDATA, by name); empty
// when the executable does not carry it.
std::span<const BYTE> carriedBytes(const char* name);
}
