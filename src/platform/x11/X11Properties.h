#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <memory>
#include <vector>

// Small helpers over xcb replies: replies are owned, property values are
// read as 32-bit lists. Callers send all their requests before they read.

struct FreeDeleter {
    void operator()(void* p) const;
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_get_property_cookie_t requestProperty(xcb_connection_t* c, xcb_window_t window,
                                          xcb_atom_t property, uint32_t maxValues = 64);
// The 32-bit values of a property; empty when it is absent or of another format.
std::vector<uint32_t> readProperty32(xcb_connection_t* c, xcb_get_property_cookie_t cookie);

void setProperty32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                   const std::vector<uint32_t>& values);

xcb_window_t rootWindow(xcb_connection_t* c);
