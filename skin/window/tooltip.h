#pragma once
#include <optional>
#include <string>
#include <windows.h>

namespace skin {

// A tooltip window ("ToolTips_class32") with tools numbered by the caller,
// each a rectangle of the owner window with its text.  The object owns the
// tooltip window and destroys it with itself.  Before create() (or when
// creation failed) every operation sends to no window and does nothing.
class ToolTip {
public:
    ToolTip() = default;
    ~ToolTip();
    ToolTip(const ToolTip&) = delete;
    ToolTip& operator=(const ToolTip&) = delete;
    ToolTip(ToolTip&& other) noexcept;
    ToolTip& operator=(ToolTip&& other) noexcept;

    // Creates the tooltip window for the owner (destroying one made
    // earlier), always shown even when the owner is inactive, balloon-shaped
    // when asked, with tips up to 600 pixels wide.  Returns the window.
    HWND create(HWND owner, bool balloon = false);

    // A tool over the rectangle of the owner's client area (the whole client
    // area when none is given) showing the text; the tooltip keeps its own
    // copy of the text.
    bool addTool(const std::optional<RECT>& rect, const std::string& text, UINT_PTR id);
    void setMaxTipWidth(int width);
    int toolCount() const;
    void setToolRect(UINT_PTR id, const RECT& rect);
    void setToolText(UINT_PTR id, const std::string& text);

    HWND handle() const { return tip_; }
    HWND owner() const { return owner_; }

private:
    void destroy();
    LRESULT send(UINT msg, WPARAM wp, LPARAM lp) const;
    bool add(const std::optional<RECT>& rect, LPSTR text, UINT_PTR id);

    HWND tip_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace skin
