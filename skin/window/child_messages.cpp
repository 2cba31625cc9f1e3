#include "skin/window/child_messages.h"

#include <commctrl.h>

#include "win/window.h"

namespace skin {

ColourAnswer colourAnswerFor(UINT message, std::string_view controlClass, LONG controlStyle,
                             std::string_view parentClass) {
    const bool ownerDrawn = (controlStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
    switch (message) {
    case WM_CTLCOLOREDIT:
        return win::sameClassName(parentClass, "ComboBox") ? ColourAnswer::PassOn : ColourAnswer::PatternBrush;
    case WM_CTLCOLORSTATIC: return ColourAnswer::PatternBrush;
    case WM_CTLCOLORBTN: return ColourAnswer::HollowBrush;
    case WM_CTLCOLORLISTBOX:
        return win::sameClassName(controlClass, "ListBox") && !ownerDrawn ? ColourAnswer::HollowBrush
                                                                          : ColourAnswer::PassOn;
    default: return ColourAnswer::PassOn;
    }
}

bool repaintsOnCommand(std::string_view controlClass, WORD code) {
    if (win::sameClassName(controlClass, "Edit"))
        return code == EN_HSCROLL || code == EN_VSCROLL || code == EN_UPDATE || code == EN_CHANGE;
    if (win::sameClassName(controlClass, "ListBox")) return code == LBN_SELCHANGE || code == LBN_SELCANCEL;
    if (win::sameClassName(controlClass, "ComboBox")) return code == CBN_SELCHANGE || code == CBN_KILLFOCUS;
    return false;
}

bool repaintsOnNotify(UINT code) { return code == TVN_ITEMEXPANDINGA || code == TVN_ITEMEXPANDEDA; }

}  // namespace skin
