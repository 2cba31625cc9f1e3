#include "skin/window/apply_skin.h"

#include <algorithm>

#include "skin/controls/dispatch.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/compose.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/skin_layout.h"
#include "skin/window/skin_picture.h"
#include "skin/window/window_proc.h"

namespace skin {

namespace {

void takeOwnPicture(WindowRecord& r, const Bytes& picture) {
    PictureSource source{"", &picture};
    r.ownBackColour = averageColour(source, 2000, 0, 0);
    if (r.ownPictureMode == kPlaceTopLeft)
        r.ownPicture = fadePictureEdges(source, std::nullopt, r.ownBackColour, FadeSide::Right);
    else if (r.ownPictureMode == kPlaceTopRight)
        r.ownPicture = fadePictureEdges(source, std::nullopt, r.ownBackColour, FadeSide::Left);
    else
        r.ownPicture = picture;
}

}  // namespace

void applyWindowSkin(HWND window, const SkinOptions& o) {
    if (findWindowRecord(window)) return;
    LONG style = GetWindowLongA(window, GWL_STYLE);
    SetWindowLongA(window, GWL_STYLE, style & ~WS_CLIPCHILDREN);
    RECT client{};
    GetClientRect(window, &client);
    settings().frameInset = kFrameInset;

    WindowRecord r;
    r.hwnd = window;
    r.captionHeight = std::max(25, o.captionHeight.value_or(25));
    r.hasHelpButton = o.helpButton.value_or(0);
    r.hasMenuButton = o.menuButton.value_or(0);
    r.hasMinButton = (style & WS_MINIMIZEBOX) ? 1 : 0;
    r.hasMaxButton = (style & WS_MAXIMIZEBOX) ? 1 : 0;
    r.framed = o.framed.value_or(1);
    r.hasCloseButton = o.noCloseButton.value_or(0) ? 0 : r.framed;
    r.resizable = o.resizable.value_or(1);
    r.showTitle = o.showTitle.value_or(1);
    r.captionGloss = o.captionGloss.value_or(0);
    r.ownPictureMode = o.ownPictureMode.value_or(settings().placementMode);
    r.tintColour = o.tintColour.value_or(-1);
    r.tintAlpha = o.tintAlpha.value_or(255);
    r.maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
    r.maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);
    if (!o.ownPicture.empty()) takeOwnPicture(r, o.ownPicture);
    buildCaptionButtons(r, client.right);

    // The system commands that minimise, maximise and restore stay available.
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_SYSMENU);
    const int index = addWindowRecord(std::move(r));

    if (o.framed && *o.framed) createCaptionTips(index);
    layoutCaptionButtons(index);
    if (o.barHeight && *o.barHeight > 0) {
        setupBottomBar(index, *o.barHeight, o.barItems ? &*o.barItems : nullptr);
        WindowRecord& rec = record(index);
        rec.barTextColour = 0;
        rec.barGlowColour = 0xFFFFFF;
        rec.barFontName = "宋体";
        rec.barFontSize = 12;
    }
    layoutBottomBar(index);
    skinChildControls(index, window);
    record(index).needsCompose = 1;

    WNDPROC previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(skinnedWindowProc)));
    record(index).previousProcedure = previous;
    SetPropA(window, keys::kPreviousProc, reinterpret_cast<HANDLE>(previous));
    SetPropA(window, keys::kIndex, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index)));
}

bool setCloseEffect(HWND window, int effect) {
    int index = windowIndexOf(window);
    if (!index) return false;
    record(index).closeEffect = effect;
    return true;
}

bool setBarTextStyle(HWND window, const BarTextStyle& s) {
    int index = windowIndexOf(window);
    if (!index) return false;
    WindowRecord& r = record(index);
    r.barTextInverse = s.inverse.value_or(1);
    r.barTextGlow = s.glow.value_or(0);
    r.barTextColour = s.textColour.value_or(0);
    r.barGlowColour = s.glowColour.value_or(0xFFFFFF);
    if (s.fontFace) r.barFontName = *s.fontFace;
    if (s.fontSize) r.barFontSize = *s.fontSize;
    return true;
}

}  // namespace skin
