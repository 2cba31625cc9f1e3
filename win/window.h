#pragma once
#include <iterator>
#include <string>
#include <string_view>
#include <windows.h>

// Small questions asked of windows, written once.
namespace win {

inline RECT clientRect(HWND w) {
    RECT rc{};
    GetClientRect(w, &rc);
    return rc;
}

inline SIZE clientSize(HWND w) {
    RECT rc = clientRect(w);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

inline RECT windowRect(HWND w) {
    RECT rc{};
    GetWindowRect(w, &rc);
    return rc;
}

inline int width(const RECT& r) { return r.right - r.left; }
inline int height(const RECT& r) { return r.bottom - r.top; }

// A child's window rectangle in its parent's client coordinates.
inline RECT rectInParent(HWND child) {
    RECT rc = windowRect(child);
    POINT origin{0, 0};
    ClientToScreen(GetParent(child), &origin);
    OffsetRect(&rc, -origin.x, -origin.y);
    return rc;
}

// The window's text in the system code page, read with a buffer of its real
// length.
inline std::string windowText(HWND w) {
    const int n = GetWindowTextLengthA(w);
    if (n <= 0) return {};
    std::string text(static_cast<size_t>(n) + 1, '\0');
    const int got = GetWindowTextA(w, text.data(), n + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

inline std::string className(HWND w) {
    char name[256] = {};
    GetClassNameA(w, name, 255);
    return name;
}

// Window class names compare without regard to case ("Edit" is "EDIT"); they
// are plain ASCII.
constexpr bool sameClassName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

inline bool isClass(HWND w, std::string_view name) { return sameClassName(className(w), name); }

inline LONG style(HWND w) { return GetWindowLongA(w, GWL_STYLE); }
inline LONG exStyle(HWND w) { return GetWindowLongA(w, GWL_EXSTYLE); }

// The direct children of a window in the window manager's order, optionally
// only those of one class, as FindWindowExA walks them (a null parent walks
// the top-level windows):
//   for (HWND c : win::children(parent, "Edit")) ...
// The next child is asked for when the walk moves on, so a loop body may
// change the child it is given but should not destroy it.
class Children {
public:
    class iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = HWND;
        using difference_type = std::ptrdiff_t;
        using pointer = const HWND*;
        using reference = HWND;

        iterator() = default;
        iterator(HWND parent, const char* cls, HWND at) : parent_(parent), cls_(cls), at_(at) {}
        HWND operator*() const { return at_; }
        iterator& operator++() {
            at_ = FindWindowExA(parent_, at_, cls_, nullptr);
            return *this;
        }
        void operator++(int) { ++*this; }
        bool operator==(const iterator& o) const { return at_ == o.at_; }

    private:
        HWND parent_ = nullptr;
        const char* cls_ = nullptr;
        HWND at_ = nullptr;
    };

    Children(HWND parent, const char* cls) : parent_(parent), cls_(cls) {}
    iterator begin() const { return iterator(parent_, cls_, FindWindowExA(parent_, nullptr, cls_, nullptr)); }
    iterator end() const { return iterator(parent_, cls_, nullptr); }

private:
    HWND parent_;
    const char* cls_;
};

inline Children children(HWND parent, const char* cls = nullptr) { return Children(parent, cls); }

// The signed client coordinates a mouse message carries in its lParam (the
// words are signed: a point left of or above the window is negative).
inline int mouseX(LPARAM lp) { return static_cast<short>(LOWORD(lp)); }
inline int mouseY(LPARAM lp) { return static_cast<short>(HIWORD(lp)); }
inline POINT mousePoint(LPARAM lp) { return POINT{mouseX(lp), mouseY(lp)}; }

}  // namespace win
