#pragma once
// The graphics object library: objects that each own one native GDI+ object
// and free it when they go.  GDI+ must have been started (gfx::startup).
#include "gfx/brushes.h"
#include "gfx/graphics.h"
#include "gfx/image.h"
#include "gfx/path.h"
#include "gfx/pen.h"
#include "gfx/region.h"
#include "gfx/startup.h"
#include "gfx/status.h"
#include "gfx/stream.h"
#include "gfx/text.h"
#include "gfx/types.h"
