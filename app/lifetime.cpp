#include "app/lifetime.h"

#include <windows.h>

namespace app {

namespace {
int liveWindows = 0;
}

void ownWindowCreated() { ++liveWindows; }

void ownWindowDestroyed() {
    if (liveWindows > 0 && --liveWindows == 0) PostQuitMessage(0);
}

int ownWindowCount() { return liveWindows; }

}  // namespace app
