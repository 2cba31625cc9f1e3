#include "gfx/native.h"

#include "gfx/flat.h"

namespace gfx::detail {

int deleteGraphics(GpGraphics* graphics) { return flat::GdipDeleteGraphics(graphics); }
int disposeImage(GpImage* image) { return flat::GdipDisposeImage(image); }
int deletePen(GpPen* pen) { return flat::GdipDeletePen(pen); }
int deleteBrush(GpBrush* brush) { return flat::GdipDeleteBrush(brush); }
int deletePath(GpPath* path) { return flat::GdipDeletePath(path); }
int deleteStringFormat(GpStringFormat* format) { return flat::GdipDeleteStringFormat(format); }
int deleteFont(GpFont* font) { return flat::GdipDeleteFont(font); }
int deleteFontFamily(GpFontFamily* family) { return flat::GdipDeleteFontFamily(family); }
int deleteRegion(GpRegion* region) { return flat::GdipDeleteRegion(region); }

}  // namespace gfx::detail
