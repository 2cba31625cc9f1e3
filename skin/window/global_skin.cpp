#include "skin/window/global_skin.h"

#include "gfx/image.h"
#include "skin/window/compose.h"
#include "skin/window/settings.h"
#include "skin/window/skin_picture.h"
#include "skin/window/window_record.h"

namespace skin {

namespace {

constexpr const char* kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

void recomposeVisibleWindows() {
    for (int i = 1; i <= static_cast<int>(windowRecords().size()); ++i) {
        HWND w = record(i).hwnd;
        if (!IsWindowVisible(w)) continue;
        composeWindowSkin(i, false);
        InvalidateRect(w, nullptr, FALSE);
        markChildCachesStale(w, false);
        for (HWND c = FindWindowExA(w, nullptr, nullptr, nullptr); c; c = FindWindowExA(w, c, nullptr, nullptr))
            if (IsWindowVisible(c)) InvalidateRect(c, nullptr, TRUE);
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
        PictureSource source{fileName, &picture};
        s.backgroundColour = backgroundColour ? *backgroundColour : averageColour(source, 2000, 0, 0);
        s.placementMode = placementMode.value_or(kPlaceMirroredTiles);
        if (s.placementMode == kPlaceTopRight) {
            s.backgroundPicture = fadePictureEdges(source, std::nullopt, s.backgroundColour, FadeSide::Left);
        } else if (s.placementMode == kPlaceTopLeft) {
            s.backgroundPicture = fadePictureEdges(source, std::nullopt, s.backgroundColour, FadeSide::Right);
        } else if (!fileName.empty()) {
            s.backgroundPicture = gfx::Image::fromFile(fileName).saveToBytes(kPngFormat);
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
