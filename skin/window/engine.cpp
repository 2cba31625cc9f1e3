#include "skin/window/engine.h"

#include "gfx/startup.h"
#include "skin/controls/menu_table.h"
#include "skin/controls/scroll_overlay.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/memory_dc.h"
#include "skin/window/picture_cache.h"
#include "skin/window/settings.h"
#include "skin/window/window_record.h"

namespace skin {

int startSkinEngine() {
    resetSettings();
    ULONG_PTR token = 0;
    const int status = static_cast<int>(gfx::startup(token));
    settings().graphicsToken = token;
    return status;
}

void setApplicationIcon(HICON icon) { settings().applicationIcon = icon; }

void stopSkinEngine() {
    // The records' pictures and the glyphs are GDI+ objects: they go first.
    clearWindowRecords();
    menuTable().clear();
    releaseCaptionGlyphImages();
    releaseArrowGlyphImages();
    releaseDecodedPictures();
    releaseAllMemoryDcs();
    if (ULONG_PTR token = settings().graphicsToken) {
        settings().graphicsToken = 0;
        gfx::shutdown(token);
    }
}

}  // namespace skin
