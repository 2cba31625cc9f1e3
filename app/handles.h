#pragma once
#include <utility>
#include <windows.h>

// Small owners for the Win32 handles whose lifetime one scope or one object
// holds.  Move-only; an empty owner holds 0 and frees nothing.
namespace app {

template <typename H, auto Free>
class Owned {
public:
    Owned() = default;
    explicit Owned(H h) : h_(h) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, H{}));
        return *this;
    }
    ~Owned() { reset(); }

    H get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }
    H release() { return std::exchange(h_, H{}); }
    void reset(H h = H{}) {
        if (h_) Free(h_);
        h_ = h;
    }

private:
    H h_{};
};

inline void deleteGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void closeHandle(HANDLE h) { CloseHandle(h); }
inline void destroyMenu(HMENU h) { DestroyMenu(h); }

using OwnedFont = Owned<HFONT, deleteGdiObject>;
using OwnedBrush = Owned<HBRUSH, deleteGdiObject>;
using OwnedHandle = Owned<HANDLE, closeHandle>;
using OwnedMenu = Owned<HMENU, destroyMenu>;

// A COM pointer released when its owner goes.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    explicit ComPtr(T* p) : p_(p) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& o) noexcept {
        if (this != &o) reset(std::exchange(o.p_, nullptr));
        return *this;
    }
    ~ComPtr() { reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: releases what is held and hands out the slot.
    T** put() {
        reset();
        return &p_;
    }
    void reset(T* p = nullptr) {
        if (p_) p_->Release();
        p_ = p;
    }

private:
    T* p_ = nullptr;
};

}  // namespace app
