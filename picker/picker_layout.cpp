#include "picker/picker_layout.h"

namespace picker {

POINT panelOrigin(const RECT& okButton, const RECT& folderBox, POINT clientOrigin) {
    return POINT{okButton.right + clientOrigin.x + 5, folderBox.top + clientOrigin.y};
}

RECT widenedDialog(const RECT& dialog, int panelWidth, int screenWidth, int screenHeight) {
    const int w = dialog.right - dialog.left, h = dialog.bottom - dialog.top;
    const int left = (screenWidth - w - panelWidth) / 2, top = (screenHeight - h) / 2;
    return RECT{left, top, left + w + panelWidth, top + h};
}

PreviewPlacement placePreview(float boxWidth, float boxHeight, float w, float h) {
    if (boxWidth - w > 1e-7f && boxHeight - h > 1e-7f) return {false, (boxWidth - w) / 2, (boxHeight - h) / 2};
    return {true, 0, 0};
}

}  // namespace picker
