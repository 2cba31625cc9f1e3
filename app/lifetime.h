#pragma once

namespace app {
// The program runs while any of its own top-level windows (the main window,
// the help picture window, the picker's panel) exists.  Each of them counts
// itself in when created and out when destroyed; the last one out ends the
// message loop.
void ownWindowCreated();
void ownWindowDestroyed();
int ownWindowCount();
}  // namespace app
