#pragma once
// The four brush kinds.  Each is a Brush, which is what the fill operations
// and Pen::fromBrush take.
#include <optional>
#include <span>

#include "gfx/native.h"
#include "gfx/types.h"

namespace gfx {

class GraphicsPath;
class Image;

class Brush {
public:
    GpBrush* handle() const { return brush_.get(); }
    explicit operator bool() const { return brush_.get() != nullptr; }
    // GdipDeleteBrush; false, and no call, when there is nothing to delete.
    bool dispose() { return brush_.dispose(); }

protected:
    Brush() = default;
    Brush(Brush&&) noexcept = default;
    Brush& operator=(Brush&&) noexcept = default;
    ~Brush() = default;

    GpBrush** out() { return brush_.out(); }

private:
    detail::Native<GpBrush, detail::deleteBrush> brush_;
};

class SolidBrush : public Brush {
public:
    SolidBrush() = default;
    static SolidBrush create(ARGB colour);

    bool setColour(ARGB colour);
    ARGB colour() const;
};

class LinearGradientBrush : public Brush {
public:
    LinearGradientBrush() = default;
    // From colour1 at point1 to colour2 at point2, repeated (WrapModeTile) beyond.
    static LinearGradientBrush create(PointF point1, PointF point2, ARGB colour1, ARGB colour2);

    // One colour per position (0 to 1 along the gradient).  Lists of
    // different lengths fail with InvalidParameter and change nothing.
    bool setPresetBlend(std::span<const ARGB> colours, std::span<const float> positions);
    bool setLinearBlend(float focus, float scale);
};

class PathGradientBrush : public Brush {
public:
    PathGradientBrush() = default;
    // Centre colour at the path's centre, surround colours on its points;
    // the path may go afterwards.
    static PathGradientBrush fromPath(const GraphicsPath& path);

    bool setCenterColour(ARGB colour);
    ARGB centerColour() const;
    // The first `count` colours of the list (all of them when absent).  A
    // count beyond the list fails with InvalidParameter and changes nothing.
    bool setSurroundColours(std::span<const ARGB> colours, std::optional<int> count = std::nullopt);
    bool setFocusScales(float xScale, float yScale);
};

class TextureBrush : public Brush {
public:
    TextureBrush() = default;
    // Fills with copies of the picture; the brush keeps its own copy.
    static TextureBrush create(const Image& image, WrapMode wrapMode = WrapMode::Tile);
};

}  // namespace gfx
