#include "tools/gallery/skin_setup.h"

#include "skin/window/apply_skin.h"
#include "skin/window/engine.h"
#include "skin/window/global_skin.h"
#include "skin/window/settings.h"
#include "win/resources.h"

namespace gallery {

void startSkinModule() {
    skin::startSkinEngine();
    skin::setApplicationIcon(LoadIconA(GetModuleHandleA(nullptr), "DEFAULT_ICON"));
}

void skinGalleryWindow(HWND window) {
    // The control options the toolbox gives: controls skinned, lists veiled
    // at alpha 100, no trackbar panel.
    skin::setSkinOptions(1, 100, 0);

    // The toolbox's window options for its main window.
    skin::SkinOptions options;
    options.resizable = 0;
    options.helpButton = 0;
    options.menuButton = 0;
    options.captionGloss = 1;
    options.barHeight = kBarHeight;
    options.barItems = std::vector<skin::BarItem>(4);
    skin::applyWindowSkin(window, options);

    chooseSkin(builtInSkins().front());
}

void chooseSkin(const BuiltInSkin& skin) {
    skin::setGlobalSkin("", win::carriedCopy(skin.resource), std::nullopt, std::nullopt, skin.placementMode);
}

void stopSkinModule() { skin::stopSkinEngine(); }

}  // namespace gallery
