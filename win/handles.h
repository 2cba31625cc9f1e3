#pragma once
#include <utility>
#include <windows.h>

// Owners for the Win32 handles whose lifetime one scope or one object holds.
// Move-only; an empty owner holds 0 and frees nothing.  Handles whose
// lifetime a window record or the memory DC register holds are not owned
// here.
namespace win {

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
inline void deleteDc(HDC h) { DeleteDC(h); }
inline void closeHandle(HANDLE h) { CloseHandle(h); }
inline void destroyMenu(HMENU h) { DestroyMenu(h); }
inline void destroyIcon(HICON h) { DestroyIcon(h); }
inline void findClose(HANDLE h) { FindClose(h); }

using OwnedGdiObject = Owned<HGDIOBJ, deleteGdiObject>;
using OwnedFont = Owned<HFONT, deleteGdiObject>;
using OwnedBrush = Owned<HBRUSH, deleteGdiObject>;
using OwnedBitmap = Owned<HBITMAP, deleteGdiObject>;
using OwnedRegion = Owned<HRGN, deleteGdiObject>;
using OwnedMemoryDc = Owned<HDC, deleteDc>;
using OwnedHandle = Owned<HANDLE, closeHandle>;
using OwnedMenu = Owned<HMENU, destroyMenu>;
using OwnedIcon = Owned<HICON, destroyIcon>;
using OwnedFind = Owned<HANDLE, findClose>;

// CreateFileA and FindFirstFileA fail with INVALID_HANDLE_VALUE, not 0.
template <typename Handle>
Handle adoptFileHandle(HANDLE h) {
    return Handle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

// A device context of a window taken with GetDC (or GetWindowDC for the
// whole window) and released with ReleaseDC.
class WindowDc {
public:
    WindowDc() = default;
    explicit WindowDc(HWND window, bool wholeWindow = false)
        : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& o) noexcept : window_(std::exchange(o.window_, nullptr)), dc_(std::exchange(o.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& o) noexcept {
        if (this != &o) {
            release();
            window_ = std::exchange(o.window_, nullptr);
            dc_ = std::exchange(o.dc_, nullptr);
        }
        return *this;
    }
    ~WindowDc() { release(); }

    HDC get() const { return dc_; }
    HWND window() const { return window_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void release() {
        if (dc_) ReleaseDC(window_, dc_);
        dc_ = nullptr;
    }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// BeginPaint for the scope, EndPaint when it ends.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { BeginPaint(window, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { end(); }

    HDC get() const { return ps_.hdc; }
    const PAINTSTRUCT& paint() const { return ps_; }
    // Ends the paint early (the update region is validated from here on).
    void end() {
        if (window_) EndPaint(window_, &ps_);
        window_ = nullptr;
    }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
};

// An object selected into a device context for the scope; what it replaced
// is selected back when the scope ends.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The state of a device context (clip region, selections, modes) saved for
// the scope and restored when it ends.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;
    ~SavedDcState() {
        if (saved_) RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

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

}  // namespace win
