#include "gfx/pen.h"

#include "gfx/brushes.h"
#include "gfx/flat.h"

namespace gfx {

Pen Pen::create(ARGB colour, float width, Unit unit) {
    Pen pen;
    detail::record(flat::GdipCreatePen1(colour, width, static_cast<int>(unit), pen.pen_.out()));
    return pen;
}

Pen Pen::fromBrush(const Brush& brush, float width, Unit unit) {
    Pen pen;
    detail::record(flat::GdipCreatePen2(brush.handle(), width, static_cast<int>(unit), pen.pen_.out()));
    return pen;
}

float Pen::width() const {
    float w = 0;
    return detail::record(flat::GdipGetPenWidth(handle(), &w)) ? w : 0.0f;
}

}  // namespace gfx
