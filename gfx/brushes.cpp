#include "gfx/brushes.h"

#include "gfx/flat.h"
#include "gfx/image.h"
#include "gfx/path.h"

namespace gfx {

SolidBrush SolidBrush::create(ARGB colour) {
    SolidBrush brush;
    detail::record(flat::GdipCreateSolidFill(colour, brush.out()));
    return brush;
}

bool SolidBrush::setColour(ARGB colour) { return detail::record(flat::GdipSetSolidFillColor(handle(), colour)); }

ARGB SolidBrush::colour() const {
    ARGB c = 0;
    return detail::record(flat::GdipGetSolidFillColor(handle(), &c)) ? c : 0;
}

LinearGradientBrush LinearGradientBrush::create(PointF point1, PointF point2, ARGB colour1, ARGB colour2) {
    LinearGradientBrush brush;
    detail::record(
        flat::GdipCreateLineBrush(&point1, &point2, colour1, colour2, static_cast<int>(WrapMode::Tile), brush.out()));
    return brush;
}

bool LinearGradientBrush::setPresetBlend(std::span<const ARGB> colours, std::span<const float> positions) {
    // The flat call reads as many positions as there are colours.
    if (colours.size() != positions.size()) return detail::record(Status::InvalidParameter);
    return detail::record(
        flat::GdipSetLinePresetBlend(handle(), colours.data(), positions.data(), static_cast<INT>(colours.size())));
}

bool LinearGradientBrush::setLinearBlend(float focus, float scale) {
    return detail::record(flat::GdipSetLineLinearBlend(handle(), focus, scale));
}

PathGradientBrush PathGradientBrush::fromPath(const GraphicsPath& path) {
    PathGradientBrush brush;
    detail::record(flat::GdipCreatePathGradientFromPath(path.handle(), brush.out()));
    return brush;
}

bool PathGradientBrush::setCenterColour(ARGB colour) {
    return detail::record(flat::GdipSetPathGradientCenterColor(handle(), colour));
}

ARGB PathGradientBrush::centerColour() const {
    ARGB c = 0;
    return detail::record(flat::GdipGetPathGradientCenterColor(handle(), &c)) ? c : 0;
}

bool PathGradientBrush::setSurroundColours(std::span<const ARGB> colours, std::optional<int> count) {
    INT n = count.value_or(static_cast<int>(colours.size()));
    // The flat call reads n colours; it must not run past the list.
    if (n < 0 || static_cast<size_t>(n) > colours.size()) return detail::record(Status::InvalidParameter);
    return detail::record(flat::GdipSetPathGradientSurroundColorsWithCount(handle(), colours.data(), &n));
}

bool PathGradientBrush::setFocusScales(float xScale, float yScale) {
    return detail::record(flat::GdipSetPathGradientFocusScales(handle(), xScale, yScale));
}

TextureBrush TextureBrush::create(const Image& image, WrapMode wrapMode) {
    TextureBrush brush;
    detail::record(flat::GdipCreateTexture(image.handle(), static_cast<int>(wrapMode), brush.out()));
    return brush;
}

}  // namespace gfx
