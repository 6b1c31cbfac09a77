#pragma once

#include <xcb/xcb.h>

namespace platform {

// The X server's atom for a name, interned if need be; XCB_ATOM_NONE when the server
// does not answer.
xcb_atom_t xcbAtom(xcb_connection_t* connection, const char* name);

}  // namespace platform
