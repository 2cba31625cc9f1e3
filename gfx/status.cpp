#include "gfx/status.h"

namespace gfx {

namespace {
Status last = Status::Ok;
}

Status lastStatus() { return last; }

bool detail::record(int status) {
    last = static_cast<Status>(status);
    return last == Status::Ok;
}

}  // namespace gfx
