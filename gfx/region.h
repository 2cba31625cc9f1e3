#pragma once
// Areas built from rectangles and paths, for filling and clipping.
#include "gfx/native.h"
#include "gfx/types.h"

namespace gfx {

class Graphics;
class GraphicsPath;

class Region {
public:
    Region() = default;

    static Region create();  // the infinite region
    static Region fromRect(const RectF& rect);
    static Region fromPath(const GraphicsPath& path);

    GpRegion* handle() const { return region_.get(); }
    explicit operator bool() const { return region_.get() != nullptr; }
    bool dispose() { return region_.dispose(); }

    bool combine(const RectF& rect, CombineMode mode = CombineMode::Intersect);
    bool combine(const GraphicsPath& path, CombineMode mode = CombineMode::Intersect);
    bool combine(const Region& other, CombineMode mode = CombineMode::Intersect);

    bool contains(float x, float y) const;
    // Emptiness and bounds as seen through the graphics' transformation.
    bool isEmpty(const Graphics& graphics) const;
    RectF bounds(const Graphics& graphics) const;

private:
    detail::Native<GpRegion, detail::deleteRegion> region_;
};

}  // namespace gfx
