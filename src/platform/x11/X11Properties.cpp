#include "platform/x11/X11Properties.h"

#include <xcb/res.h>

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

bool serverNamesWindowOwners(xcb_connection_t* c) {
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(c, &xcb_res_id);
    if (!extension || !extension->present)
        return false;
    const XcbReply<xcb_res_query_version_reply_t> version(
        xcb_res_query_version_reply(c, xcb_res_query_version(c, 1, 2), nullptr));
    return version && (version->server_major > 1 ||
                       (version->server_major == 1 && version->server_minor >= 2));
}

std::vector<std::optional<uint32_t>> windowOwnerPids(xcb_connection_t* c,
                                                     const std::vector<xcb_window_t>& windows) {
    // Any ID of a client's names that client: a window's names its maker.
    const auto replies = readAll(c,
                                 sendAll(windows,
                                         [&](xcb_window_t window) {
                                             const xcb_res_client_id_spec_t whose{
                                                 window, XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID};
                                             return xcb_res_query_client_ids(c, 1, &whose);
                                         }),
                                 xcb_res_query_client_ids_reply);
    std::vector<std::optional<uint32_t>> pids;
    for (const auto& reply : replies) {
        std::optional<uint32_t> pid;
        auto it = reply ? xcb_res_query_client_ids_ids_iterator(reply.get())
                        : xcb_res_client_id_value_iterator_t{};
        for (; it.rem > 0; xcb_res_client_id_value_next(&it)) {
            if ((it.data->spec.mask & XCB_RES_CLIENT_ID_MASK_LOCAL_CLIENT_PID) &&
                xcb_res_client_id_value_value_length(it.data) >= 1)
                pid = *xcb_res_client_id_value_value(it.data);
        }
        pids.push_back(pid);
    }
    return pids;
}
