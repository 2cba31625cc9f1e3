#pragma once
#include <string_view>
#include <windows.h>

// What a skinned window does with the messages its children send it, as
// rules of the child's class and the message, without any window.
namespace skin {

// How the window answers a control's WM_CTLCOLOR* message.
enum class ColourAnswer {
    PassOn,        // the window's own procedure answers
    HollowBrush,   // transparent background, the control's text colour
    PatternBrush,  // the same over a brush of the veiled skin behind the control
};

// Edits (but a combo box's edit field, which its combo box answers for) and
// statics get the pattern brush; buttons, and list boxes that draw their own
// items through the system, the hollow brush; owner-drawn list boxes paint
// their own background.
ColourAnswer colourAnswerFor(UINT message, std::string_view controlClass, LONG controlStyle,
                             std::string_view parentClass);

// Whether a WM_COMMAND notification makes the window invalidate the control
// (with erase): an edit scrolled or changed, a list box selection made or
// cancelled, a combo box selection made or its focus lost.
bool repaintsOnCommand(std::string_view controlClass, WORD notificationCode);

// Whether a WM_NOTIFY code makes the window invalidate the sender (with
// erase): a tree view item expanding or expanded.
bool repaintsOnNotify(UINT notificationCode);

}  // namespace skin
