#pragma once
// Driving a modal dialog of the test's own process: steps run one after
// another from a thread timer while the dialog's message loop runs; a step
// says when it is done.  A script that has not finished in time cancels the
// open-file dialog, so that a failing test ends.
#include <windows.h>

#include <functional>
#include <vector>

#include "tests/support/file_dialog.h"

namespace support {

class Script {
public:
    using Step = std::function<bool()>;
    explicit Script(std::vector<Step> steps) : steps_(std::move(steps)) {
        current_ = this;
        start_ = GetTickCount();
        timer_ = SetTimer(nullptr, 0, 25, tick);
    }
    ~Script() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    bool finished() const { return next_ == steps_.size(); }

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        Script* s = current_;
        if (!s || s->busy_) return;
        s->busy_ = true;  // a step may run a message loop of its own
        if (!s->finished() && s->steps_[s->next_]()) ++s->next_;
        if (!s->finished() && GetTickCount() - s->start_ > 30000) {
            if (HWND d = filedialog::find(GetCurrentProcessId())) PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
        }
        s->busy_ = false;
    }

    std::vector<Step> steps_;
    size_t next_ = 0;
    bool busy_ = false;
    DWORD start_ = 0;
    UINT_PTR timer_ = 0;
    static inline Script* current_ = nullptr;
};

}  // namespace support
