#include "gfx/region.h"

#include "gfx/flat.h"
#include "gfx/graphics.h"
#include "gfx/path.h"

namespace gfx {

Region Region::create() {
    Region region;
    detail::record(flat::GdipCreateRegion(region.region_.out()));
    return region;
}

Region Region::fromRect(const RectF& rect) {
    Region region;
    detail::record(flat::GdipCreateRegionRect(&rect, region.region_.out()));
    return region;
}

Region Region::fromPath(const GraphicsPath& path) {
    Region region;
    detail::record(flat::GdipCreateRegionPath(path.handle(), region.region_.out()));
    return region;
}

bool Region::combine(const RectF& rect, CombineMode mode) {
    return detail::record(flat::GdipCombineRegionRect(handle(), &rect, static_cast<int>(mode)));
}

bool Region::combine(const GraphicsPath& path, CombineMode mode) {
    return detail::record(flat::GdipCombineRegionPath(handle(), path.handle(), static_cast<int>(mode)));
}

bool Region::combine(const Region& other, CombineMode mode) {
    return detail::record(flat::GdipCombineRegionRegion(handle(), other.handle(), static_cast<int>(mode)));
}

bool Region::contains(float x, float y) const {
    BOOL inside = FALSE;
    return detail::record(flat::GdipIsVisibleRegionPoint(handle(), x, y, nullptr, &inside)) && inside;
}

bool Region::isEmpty(const Graphics& graphics) const {
    BOOL empty = FALSE;
    return detail::record(flat::GdipIsEmptyRegion(handle(), graphics.handle(), &empty)) && empty;
}

RectF Region::bounds(const Graphics& graphics) const {
    RectF r;
    if (!detail::record(flat::GdipGetRegionBounds(handle(), graphics.handle(), &r))) r = {};
    return r;
}

}  // namespace gfx
