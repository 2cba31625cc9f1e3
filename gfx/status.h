#pragma once
// The status of the most recent GDI+ call, shared by every object of the
// library.  Operations report success through their results; a caller that
// needs the reason of a failure reads lastStatus() right after the call.
#include "gfx/types.h"

namespace gfx {

Status lastStatus();

namespace detail {
// Stores the status of a call; true when it is Ok.
bool record(int status);
inline bool record(Status status) { return record(static_cast<int>(status)); }
}  // namespace detail

}  // namespace gfx
