#include "skin/window/tooltip.h"

#include <commctrl.h>

#include <utility>

namespace skin {

namespace {

// The first version of the tool record: the tooltip needs no more than
// owner, id, rectangle and text.
TOOLINFOA toolInfo(HWND owner, UINT_PTR id) {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = owner;
    info.uId = id;
    return info;
}

}  // namespace

ToolTip::~ToolTip() { destroy(); }

ToolTip::ToolTip(ToolTip&& other) noexcept
    : tip_(std::exchange(other.tip_, nullptr)), owner_(std::exchange(other.owner_, nullptr)) {}

ToolTip& ToolTip::operator=(ToolTip&& other) noexcept {
    if (this != &other) {
        destroy();
        tip_ = std::exchange(other.tip_, nullptr);
        owner_ = std::exchange(other.owner_, nullptr);
    }
    return *this;
}

void ToolTip::destroy() {
    if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
    tip_ = nullptr;
}

HWND ToolTip::create(HWND owner, bool balloon) {
    destroy();
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
    owner_ = owner;
    tip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    setMaxTipWidth(600);
    return tip_;
}

LRESULT ToolTip::send(UINT msg, WPARAM wp, LPARAM lp) const { return tip_ ? SendMessageA(tip_, msg, wp, lp) : 0; }

bool ToolTip::add(const std::optional<RECT>& rect, LPSTR text, UINT_PTR id) {
    if (!tip_) return false;
    TOOLINFOA info = toolInfo(owner_, id);
    info.uFlags = TTF_SUBCLASS;
    if (rect) info.rect = *rect;
    else GetClientRect(owner_, &info.rect);
    info.lpszText = text;
    return send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool ToolTip::addTool(const std::optional<RECT>& rect, const std::string& text, UINT_PTR id) {
    // The tooltip copies the text; the cast only satisfies the record's type.
    return add(rect, const_cast<LPSTR>(text.c_str()), id);
}

void ToolTip::setMaxTipWidth(int width) { send(TTM_SETMAXTIPWIDTH, 0, width); }

int ToolTip::toolCount() const { return static_cast<int>(send(TTM_GETTOOLCOUNT, 0, 0)); }

void ToolTip::setToolRect(UINT_PTR id, const RECT& rect) {
    TOOLINFOA info = toolInfo(owner_, id);
    info.rect = rect;
    send(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTip::setToolText(UINT_PTR id, const std::string& text) {
    TOOLINFOA info = toolInfo(owner_, id);
    info.lpszText = const_cast<LPSTR>(text.c_str());
    send(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace skin
