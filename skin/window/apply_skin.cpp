#include "skin/window/apply_skin.h"

#include <algorithm>
#include <memory>

#include "skin/controls/dispatch.h"
#include "skin/window/caption_buttons.h"
#include "skin/window/compose.h"
#include "skin/window/property_keys.h"
#include "skin/window/settings.h"
#include "skin/window/skin_layout.h"
#include "skin/window/skin_picture.h"
#include "skin/window/window_proc.h"
#include "win/props.h"
#include "win/window.h"

namespace skin {

namespace {

void takeOwnPicture(WindowRecord& r, const Bytes& picture) {
    const bool faded = r.ownPictureMode == kPlaceTopLeft || r.ownPictureMode == kPlaceTopRight;
    PictureSource source{"", &picture, !faded};
    r.ownBackColour = averageColour(source, 2000, 0, 0);
    if (r.ownPictureMode == kPlaceTopLeft)
        r.ownPicture = fadePictureEdges(source, std::nullopt, r.ownBackColour, FadeSide::Right);
    else if (r.ownPictureMode == kPlaceTopRight)
        r.ownPicture = fadePictureEdges(source, std::nullopt, r.ownBackColour, FadeSide::Left);
    else r.ownPicture = picture;
}

}  // namespace

void applyWindowSkin(HWND window, const SkinOptions& o) {
    if (findWindowRecord(window)) return;
    const LONG style = win::style(window);
    SetWindowLongA(window, GWL_STYLE, style & ~WS_CLIPCHILDREN);
    settings().frameInset = kFrameInset;

    auto owned = std::make_unique<WindowRecord>();
    WindowRecord& r = *owned;
    r.hwnd = window;
    CaptionState& c = r.caption;
    c.captionHeight = std::max(25, o.captionHeight.value_or(25));
    c.hasHelpButton = o.helpButton.value_or(0) != 0;
    c.hasMenuButton = o.menuButton.value_or(0) != 0;
    c.hasMinButton = (style & WS_MINIMIZEBOX) != 0;
    c.hasMaxButton = (style & WS_MAXIMIZEBOX) != 0;
    r.framed = o.framed.value_or(1) != 0;
    c.hasCloseButton = !o.noCloseButton.value_or(0) && r.framed;
    r.resizable = o.resizable.value_or(1) != 0;
    c.showTitle = o.showTitle.value_or(1) != 0;
    c.captionGloss = o.captionGloss.value_or(0) != 0;
    r.ownPictureMode = o.ownPictureMode.value_or(settings().placementMode);
    r.tintColour = o.tintColour.value_or(-1);
    r.tintAlpha = o.tintAlpha.value_or(255);
    r.limits.maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
    r.limits.maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);
    if (!o.ownPicture.empty()) takeOwnPicture(r, o.ownPicture);
    buildCaptionButtons(r, win::clientSize(window).cx);

    // The system commands that minimise, maximise and restore stay available.
    SetWindowLongA(window, GWL_STYLE, win::style(window) | WS_SYSMENU);
    const int index = addWindowRecord(std::move(owned));

    if (o.framed && *o.framed) createCaptionTips(r);
    layoutCaptionButtons(r);
    // The bar's text style starts at its defaults (black text, white glow,
    // the default face at 12 pixels).
    if (o.barHeight && *o.barHeight > 0) setupBottomBar(r, *o.barHeight, o.barItems ? &*o.barItems : nullptr);
    layoutBottomBar(r);
    skinChildControls(index, window);
    r.needsCompose = true;

    r.previousProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(skinnedWindowProc)));
    win::setProp(window, keys::kPreviousProc, r.previousProcedure);
    win::setProp(window, keys::kIndex, index);
}

bool setCloseEffect(HWND window, int effect) {
    WindowRecord* r = recordOf(window);
    if (!r) return false;
    r->closeEffect = effect;
    return true;
}

bool setBarTextStyle(HWND window, const BarTextStyle& s) {
    WindowRecord* r = recordOf(window);
    if (!r) return false;
    BarState& b = r->bar;
    b.barTextInverse = s.inverse.value_or(1) != 0;
    b.barTextGlow = s.glow.value_or(0) != 0;
    b.barTextColour = s.textColour.value_or(0);
    b.barGlowColour = s.glowColour.value_or(0xFFFFFF);
    if (s.fontFace) b.barFontName = *s.fontFace;
    if (s.fontSize) b.barFontSize = *s.fontSize;
    return true;
}

}  // namespace skin
