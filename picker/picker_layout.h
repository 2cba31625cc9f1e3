#pragma once
// The geometry of the picker: where the side panel goes in the open-file
// dialog, how the dialog is widened for it, and how the preview places a
// picture in its box.  Values in, values out.
#include <windows.h>

namespace picker {

inline constexpr int kPanelWidth = 172;
inline constexpr int kPanelHeight = 370;
// The preview box (标签_图片) inside the panel.
inline constexpr int kPreviewWidth = 150;
inline constexpr int kPreviewHeight = 200;

// The panel's top-left corner in the dialog's client coordinates: 5 pixels
// right of the OK button and level with the top of the folder box.  Both
// rectangles are screen rectangles; clientOrigin is the screen point (0, 0)
// in the dialog's client coordinates.
POINT panelOrigin(const RECT& okButton, const RECT& folderBox, POINT clientOrigin);

// The dialog's new screen rectangle: as high as before, wider by the panel,
// centred on the screen (divisions truncate).
RECT widenedDialog(const RECT& dialog, int panelWidth, int screenWidth, int screenHeight);

// How a picture of w x h goes into a box of boxWidth x boxHeight: at its
// natural size, centred, when it is smaller in both directions; otherwise
// stretched over the whole box.
struct PreviewPlacement {
    bool stretched = false;
    float x = 0, y = 0;  // the natural-size picture's corner
};
PreviewPlacement placePreview(float boxWidth, float boxHeight, float w, float h);

}  // namespace picker
