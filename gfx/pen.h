#pragma once
// Pens outline lines, rectangles, ellipses and paths.
#include "gfx/native.h"
#include "gfx/types.h"

namespace gfx {

class Brush;

class Pen {
public:
    Pen() = default;

    static Pen create(ARGB colour, float width, Unit unit = Unit::World);
    // A pen that strokes with the brush's fill; the brush may go afterwards.
    static Pen fromBrush(const Brush& brush, float width, Unit unit = Unit::World);

    GpPen* handle() const { return pen_.get(); }
    explicit operator bool() const { return pen_.get() != nullptr; }
    bool dispose() { return pen_.dispose(); }

    float width() const;

private:
    detail::Native<GpPen, detail::deletePen> pen_;
};

}  // namespace gfx
