#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

// Small helpers over xcb replies: replies are owned, property values are
// read as 32-bit lists, and requests go out in batches: every request of a
// batch is sent before the first reply is read, so a batch costs one round
// trip however long it is. Where a batch has requests of several kinds, all
// of them are sent (sendAll) before any is read (readAll).

struct FreeDeleter {
    void operator()(void* p) const;
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

// One request for each item, sent; nothing is read yet.
template <typename Items, typename Send> auto sendAll(const Items& items, Send send) {
    std::vector<decltype(send(*std::begin(items)))> cookies;
    for (const auto& item : items)
        cookies.push_back(send(item));
    return cookies;
}

// The replies to requests sent before, in their order; a failed one is empty.
template <typename Reply, typename Cookie>
std::vector<XcbReply<Reply>> readAll(xcb_connection_t* c, const std::vector<Cookie>& cookies,
                                     Reply* (*read)(xcb_connection_t*, Cookie,
                                                    xcb_generic_error_t**)) {
    std::vector<XcbReply<Reply>> replies;
    replies.reserve(cookies.size());
    for (const Cookie& cookie : cookies)
        replies.emplace_back(read(c, cookie, nullptr));
    return replies;
}

xcb_get_property_cookie_t requestProperty(xcb_connection_t* c, xcb_window_t window,
                                          xcb_atom_t property, uint32_t maxValues = 64);
// Every property of every window, sent window by window: the request for
// property k of window i is at i * properties.size() + k.
std::vector<xcb_get_property_cookie_t> requestProperties(xcb_connection_t* c,
                                                         const std::vector<xcb_window_t>& windows,
                                                         const std::vector<xcb_atom_t>& properties);
// The 32-bit values of a property; empty when it is absent or of another format.
std::vector<uint32_t> values32(const xcb_get_property_reply_t* reply);
std::vector<uint32_t> readProperty32(xcb_connection_t* c, xcb_get_property_cookie_t cookie);

void setProperty32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                   const std::vector<uint32_t>& values);

xcb_window_t rootWindow(xcb_connection_t* c);

// Whether the server names the process behind a window (the X Resource
// extension, version 1.2 or later).
bool serverNamesWindowOwners(xcb_connection_t* c);
// The PID of the process that made each window, as the server knows it
// from the connection, which no client can forge: in one batch. Nothing for
// a window whose maker it cannot name (a client over the network, one gone).
std::vector<std::optional<uint32_t>> windowOwnerPids(xcb_connection_t* c,
                                                     const std::vector<xcb_window_t>& windows);
