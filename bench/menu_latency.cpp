// Right click to context menu on screen: clicks the right button on each
// banner of the display in turn (XTest), times from the click's release until
// the menu window is mapped, closes the menu with Escape, and prints the
// median and worst.
//   menu_latency [clicks]
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

xcb_connection_t* c;
xcb_window_t root;

template <typename T> std::unique_ptr<T, decltype(&std::free)> owned(T* p) {
    return {p, &std::free};
}

xcb_atom_t atom(const char* name) {
    auto r = owned(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return r ? r->atom : 0;
}

// The centre of every window that carries the banner mark and a strut-free
// dock type: the banners.
std::vector<std::pair<int, int>> bannerCentres() {
    std::vector<std::pair<int, int>> centres;
    const xcb_atom_t list = atom("_NET_CLIENT_LIST"), mark = atom("_VORLANE_BANNER");
    const xcb_atom_t type = atom("_NET_WM_WINDOW_TYPE"), dock = atom("_NET_WM_WINDOW_TYPE_DOCK");
    auto clients = owned(xcb_get_property_reply(
        c, xcb_get_property(c, 0, root, list, XCB_ATOM_WINDOW, 0, 1024), nullptr));
    const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(clients.get()));
    for (int i = 0; i < xcb_get_property_value_length(clients.get()) / 4; ++i) {
        auto marked = owned(xcb_get_property_reply(
            c, xcb_get_property(c, 0, ids[i], mark, XCB_ATOM_ANY, 0, 1), nullptr));
        auto kind = owned(xcb_get_property_reply(
            c, xcb_get_property(c, 0, ids[i], type, XCB_ATOM_ATOM, 0, 1), nullptr));
        if (!marked || !marked->length || !kind || !kind->length ||
            *static_cast<xcb_atom_t*>(xcb_get_property_value(kind.get())) != dock)
            continue;
        auto g = owned(xcb_get_geometry_reply(c, xcb_get_geometry(c, ids[i]), nullptr));
        auto o = owned(xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, ids[i], root, 0, 0), nullptr));
        centres.emplace_back(o->dst_x + g->width / 2, o->dst_y + g->height / 2);
    }
    return centres;
}

// Waits for an override-redirect window (a menu) to be mapped or unmapped.
void waitFor(uint8_t type) {
    while (auto* e = xcb_wait_for_event(c)) {
        const uint8_t t = e->response_type & 0x7F;
        const bool menu = t == XCB_MAP_NOTIFY
                              ? reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect
                              : t == XCB_UNMAP_NOTIFY;
        std::free(e);
        if (t == type && menu)
            return;
    }
}

} // namespace

int main(int argc, char** argv) {
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 50;
    c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const auto centres = bannerCentres();
    if (centres.empty()) {
        std::fprintf(stderr, "no banner on this display\n");
        return 1;
    }
    constexpr uint8_t rightButton = 3, escapeKeycode = 9;
    std::vector<double> ms;
    for (int i = 0; i < clicks; ++i) {
        const auto [x, y] = centres[size_t(i) % centres.size()];
        xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, int16_t(x), int16_t(y),
                            0);
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // round trip
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the banner sees the pointer
        // A click as a hand makes it, the button held 80 ms. The menu opens
        // once the button is released.
        xcb_test_fake_input(c, XCB_BUTTON_PRESS, rightButton, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(c);
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        const auto release = std::chrono::steady_clock::now();
        xcb_test_fake_input(c, XCB_BUTTON_RELEASE, rightButton, XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                            0);
        xcb_flush(c);
        waitFor(XCB_MAP_NOTIFY);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - release)
                .count());
        xcb_test_fake_input(c, XCB_KEY_PRESS, escapeKeycode, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(c, XCB_KEY_RELEASE, escapeKeycode, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(c);
        waitFor(XCB_UNMAP_NOTIFY);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("right click (release) to menu shown, %d clicks over %zu banners: median %.1f ms, "
                "worst %.1f ms\n",
                clicks, centres.size(), ms[ms.size() / 2], ms.back());
    return 0;
}
