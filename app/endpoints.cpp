#include "app/endpoints.h"

// Each executable compiles this file with its own set of addresses.
#if !defined(LUMO_ADDRESS_LOOKUP_ENDPOINT) || !defined(LUMO_PLAYER_ENDPOINT) || !defined(LUMO_LYRICS_ENDPOINT)
#error "the endpoint addresses are given by the build"
#endif

namespace app {

const Endpoints& endpoints() {
    static constexpr Endpoints kEndpoints{LUMO_ADDRESS_LOOKUP_ENDPOINT, LUMO_PLAYER_ENDPOINT, LUMO_LYRICS_ENDPOINT};
    return kEndpoints;
}

}  // namespace app
