#pragma once
// Figures of lines and curves, for outlining, filling, clipping and gradients.
#include "gfx/native.h"
#include "gfx/types.h"

namespace gfx {

class GraphicsPath {
public:
    GraphicsPath() = default;

    static GraphicsPath create(FillMode fillMode = FillMode::Alternate);

    GpPath* handle() const { return path_.get(); }
    explicit operator bool() const { return path_.get() != nullptr; }
    bool dispose() { return path_.dispose(); }

    bool reset();
    bool startFigure();
    bool closeFigure();

    bool addLine(float x1, float y1, float x2, float y2);
    // Angles in degrees, clockwise from the x axis.
    bool addArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool addRectangle(float x, float y, float width, float height);
    bool addEllipse(float x, float y, float width, float height);
    // A closed rounded rectangle: four quarter arcs clockwise from the top
    // right.  Each corner ellipse is `roundness` percent (clamped to 1 to
    // 100) of the width by that percent of the height, truncated to whole
    // pixels.  True when every part was added.
    bool addRoundRect(float x, float y, float width, float height, float roundness);

    int pointCount() const;
    RectF bounds() const;
    // Whether the point lies inside the path as it would be filled.
    bool contains(float x, float y) const;

private:
    detail::Native<GpPath, detail::deletePath> path_;
};

}  // namespace gfx
