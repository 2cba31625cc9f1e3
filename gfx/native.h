#pragma once
// The owner of one native GDI+ object, the member every class of the library
// is built on: move-only, disposes what it holds when it goes, and an empty
// owner frees nothing.
#include <utility>

#include "gfx/status.h"
#include "gfx/types.h"

namespace gfx::detail {

// The flat delete function of each kind, returning its status.
int deleteGraphics(GpGraphics* graphics);
int disposeImage(GpImage* image);
int deletePen(GpPen* pen);
int deleteBrush(GpBrush* brush);
int deletePath(GpPath* path);
int deleteStringFormat(GpStringFormat* format);
int deleteFont(GpFont* font);
int deleteFontFamily(GpFontFamily* family);
int deleteRegion(GpRegion* region);

template <typename T, int (*Delete)(T*)>
class Native {
public:
    Native() = default;
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;
    Native(Native&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    Native& operator=(Native&& o) noexcept {
        if (this != &o) {
            dispose();
            p_ = std::exchange(o.p_, nullptr);
        }
        return *this;
    }
    ~Native() { dispose(); }

    T* get() const { return p_; }
    // The output argument of a creating call.  Whatever is held goes first,
    // so creating over a live object cannot leak it.
    T** out() {
        dispose();
        return &p_;
    }
    // Deletes the native object; false, and no call, when there is none.
    bool dispose() {
        if (!p_) return false;
        int status = Delete(std::exchange(p_, nullptr));
        return record(status);
    }

private:
    T* p_ = nullptr;
};

}  // namespace gfx::detail
