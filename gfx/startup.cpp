#include "gfx/startup.h"

#include "gfx/flat.h"
#include "gfx/status.h"

namespace gfx {

Status startup(ULONG_PTR& token) {
    token = 0;
    flat::StartupInput input;
    int status = flat::GdiplusStartup(&token, &input, nullptr);
    if (status != 0) token = 0;
    detail::record(status);
    return static_cast<Status>(status);
}

void shutdown(ULONG_PTR token) {
    if (token) flat::GdiplusShutdown(token);
}

}  // namespace gfx
