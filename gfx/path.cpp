#include "gfx/path.h"

#include <algorithm>
#include <cmath>

#include "gfx/flat.h"

namespace gfx {

GraphicsPath GraphicsPath::create(FillMode fillMode) {
    GraphicsPath path;
    detail::record(flat::GdipCreatePath(static_cast<int>(fillMode), path.path_.out()));
    return path;
}

bool GraphicsPath::reset() { return detail::record(flat::GdipResetPath(handle())); }
bool GraphicsPath::startFigure() { return detail::record(flat::GdipStartPathFigure(handle())); }
bool GraphicsPath::closeFigure() { return detail::record(flat::GdipClosePathFigure(handle())); }

bool GraphicsPath::addLine(float x1, float y1, float x2, float y2) {
    return detail::record(flat::GdipAddPathLine(handle(), x1, y1, x2, y2));
}

bool GraphicsPath::addArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
    return detail::record(flat::GdipAddPathArc(handle(), x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::addRectangle(float x, float y, float width, float height) {
    return detail::record(flat::GdipAddPathRectangle(handle(), x, y, width, height));
}

bool GraphicsPath::addEllipse(float x, float y, float width, float height) {
    return detail::record(flat::GdipAddPathEllipse(handle(), x, y, width, height));
}

bool GraphicsPath::addRoundRect(float x, float y, float width, float height, float roundness) {
    float percent = std::clamp(roundness, 1.0f, 100.0f);
    // The corner ellipse in whole pixels.
    float cw = std::trunc(width * percent / 100.0f);
    float ch = std::trunc(height * percent / 100.0f);
    bool ok = addArc(x + width - cw, y, cw, ch, 270, 90);
    ok = addArc(x + width - cw, y + height - ch, cw, ch, 0, 90) && ok;
    ok = addArc(x, y + height - ch, cw, ch, 90, 90) && ok;
    ok = addArc(x, y, cw, ch, 180, 90) && ok;
    return closeFigure() && ok;
}

int GraphicsPath::pointCount() const {
    INT n = 0;
    return detail::record(flat::GdipGetPointCount(handle(), &n)) ? n : 0;
}

RectF GraphicsPath::bounds() const {
    RectF r;
    if (!detail::record(flat::GdipGetPathWorldBounds(handle(), &r, nullptr, nullptr))) r = {};
    return r;
}

bool GraphicsPath::contains(float x, float y) const {
    BOOL inside = FALSE;
    return detail::record(flat::GdipIsVisiblePathPoint(handle(), x, y, nullptr, &inside)) && inside;
}

}  // namespace gfx
