#include "platform/x11/X11Properties.h"

#include <cstdlib>
#include <cstring>

void FreeDeleter::operator()(void* p) const {
    std::free(p);
}

xcb_get_property_cookie_t requestProperty(xcb_connection_t* c, xcb_window_t window,
                                          xcb_atom_t property, uint32_t maxValues) {
    return xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, maxValues);
}

std::vector<xcb_get_property_cookie_t>
requestProperties(xcb_connection_t* c, const std::vector<xcb_window_t>& windows,
                  const std::vector<xcb_atom_t>& properties) {
    std::vector<xcb_get_property_cookie_t> cookies;
    cookies.reserve(windows.size() * properties.size());
    for (xcb_window_t w : windows) {
        for (xcb_atom_t property : properties)
            cookies.push_back(requestProperty(c, w, property));
    }
    return cookies;
}

std::vector<uint32_t> values32(const xcb_get_property_reply_t* reply) {
    if (!reply || reply->format != 32)
        return {};
    // xcb_get_property_value() only does pointer arithmetic on the reply.
    auto* mutableReply = const_cast<xcb_get_property_reply_t*>(reply);
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(mutableReply));
    const int count = xcb_get_property_value_length(mutableReply) / 4;
    return std::vector<uint32_t>(data, data + count);
}

std::vector<uint32_t> readProperty32(xcb_connection_t* c, xcb_get_property_cookie_t cookie) {
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, nullptr));
    return values32(reply.get());
}

void setProperty32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                   const std::vector<uint32_t>& values) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, property, type, 32,
                        static_cast<uint32_t>(values.size()), values.data());
}

xcb_window_t rootWindow(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}
