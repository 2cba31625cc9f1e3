#pragma once

// The three servers the program talks to.  They are fixed when the program
// is built (see app/CMakeLists.txt): the product carries public servers, the
// copy the tests drive carries servers on the loopback interface.
namespace app {

struct Endpoints {
    const char* addressLookup;  // serves the page that names the caller's address
    const char* player;         // the web music player, opened at its root page
    const char* lyrics;         // the lyrics search
};

const Endpoints& endpoints();

}  // namespace app
