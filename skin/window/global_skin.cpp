#include "skin/window/global_skin.h"

#include "gfx/image.h"
#include "skin/window/compose.h"
#include "skin/window/settings.h"
#include "skin/window/skin_picture.h"
#include "skin/window/window_record.h"

namespace skin {

namespace {

// Each visible skinned window is composed again and repainted; marking its
// controls stale also invalidates every visible child with erase.
void recomposeVisibleWindows() {
    for (const auto& r : windowRecords()) {
        if (!IsWindowVisible(r->hwnd)) continue;
        composeWindowSkin(*r, false);
        InvalidateRect(r->hwnd, nullptr, FALSE);
        markChildCachesStale(r->hwnd, false);
    }
}

}  // namespace

void setGlobalSkin(const std::string& fileName, const Bytes& picture, std::optional<COLORREF> backgroundColour,
                   std::optional<LONG> accentColour, std::optional<int> placementMode) {
    SkinSettings& s = settings();
    const bool accentFromBackground = accentColour && *accentColour == -1;
    if (!accentColour) s.accentColour = kDefaultAccent;
    else if (!accentFromBackground) s.accentColour = static_cast<COLORREF>(*accentColour);

    if (picture.empty() && fileName.empty() && !backgroundColour) return;

    if (!fileName.empty() || !picture.empty()) {
        s.placementMode = placementMode.value_or(kPlaceMirroredTiles);
        const bool faded = s.placementMode == kPlaceTopRight || s.placementMode == kPlaceTopLeft;
        PictureSource source{fileName, &picture, !faded};
        s.backgroundColour = backgroundColour ? *backgroundColour : averageColour(source, 2000, 0, 0);
        if (s.placementMode == kPlaceTopRight) {
            s.backgroundPicture = fadePictureEdges(source, std::nullopt, s.backgroundColour, FadeSide::Left);
        } else if (s.placementMode == kPlaceTopLeft) {
            s.backgroundPicture = fadePictureEdges(source, std::nullopt, s.backgroundColour, FadeSide::Right);
        } else if (!fileName.empty()) {
            s.backgroundPicture = gfx::Image::fromFile(fileName).saveToBytes(gfx::format::Png);
        } else {
            s.backgroundPicture = picture;
        }
    } else {
        s.backgroundPicture.clear();
        s.backgroundColour = *backgroundColour;
    }
    if (accentFromBackground) s.accentColour = s.backgroundColour;
    recomposeVisibleWindows();
}

}  // namespace skin
