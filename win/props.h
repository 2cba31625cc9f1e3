#pragma once
#include <cstdint>
#include <type_traits>
#include <windows.h>

// Typed window properties: every value the program attaches to a window
// handle is pointer-sized, whatever it stands for (an index, a colour, a
// handle, a procedure).  A property that was never set reads as 0.
namespace win {

template <typename T>
T prop(HWND w, const char* key) {
    const auto raw = reinterpret_cast<std::uintptr_t>(GetPropA(w, key));
    if constexpr (std::is_pointer_v<T>) return reinterpret_cast<T>(raw);
    else return static_cast<T>(static_cast<std::intptr_t>(raw));
}

template <typename T>
bool setProp(HWND w, const char* key, T value) {
    std::uintptr_t raw;
    if constexpr (std::is_pointer_v<T>) raw = reinterpret_cast<std::uintptr_t>(value);
    else raw = static_cast<std::uintptr_t>(static_cast<std::intptr_t>(value));
    return SetPropA(w, key, reinterpret_cast<HANDLE>(raw)) != 0;
}

inline void removeProp(HWND w, const char* key) { RemovePropA(w, key); }

}  // namespace win
