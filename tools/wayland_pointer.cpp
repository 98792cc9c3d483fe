// A virtual pointer on the Wayland compositor, for the tests on a Wayland
// desktop. Each line read moves it to a point of the layout and clicks there:
//   X Y WIDTH HEIGHT left|right|none
// WIDTH and HEIGHT are the layout's size, which absolute motion is scaled to.
// One pointer serves every line, and it lives as long as the compositor:
// sway 1.7 crashes when a virtual pointer goes.
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <initializer_list>

namespace {

zwlr_virtual_pointer_manager_v1* manager = nullptr;
wl_seat* seat = nullptr;

void global(void*, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t) {
    if (!std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name))
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    else if (!std::strcmp(interface, wl_seat_interface.name) && !seat)
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
}

void globalRemoved(void*, wl_registry*, std::uint32_t) {}

std::uint32_t now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fputs("wayland_pointer: no compositor\n", stderr);
        return 1;
    }
    static const wl_registry_listener listener{global, globalRemoved};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, nullptr);
    wl_display_roundtrip(display);
    if (!manager) {
        std::fputs("wayland_pointer: no virtual pointer\n", stderr);
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    unsigned x = 0, y = 0, width = 0, height = 0;
    char which[16] = {};
    while (std::scanf("%u %u %u %u %15s", &x, &y, &width, &height, which) == 5) {
        zwlr_virtual_pointer_v1_motion_absolute(pointer, now(), x, y, width, height);
        zwlr_virtual_pointer_v1_frame(pointer);
        // The surface under the pointer is entered before the button goes down.
        wl_display_roundtrip(display);
        const std::uint32_t button =
            !std::strcmp(which, "right") ? 0x111 : 0x110; // BTN_RIGHT, _LEFT
        for (std::uint32_t state : {1u, 0u}) {            // pressed, released
            if (!std::strcmp(which, "none"))
                break;
            zwlr_virtual_pointer_v1_button(pointer, now(), button, state);
            zwlr_virtual_pointer_v1_frame(pointer);
        }
        if (wl_display_roundtrip(display) < 0)
            return 1;
        std::puts("done");
        std::fflush(stdout);
    }
    while (wl_display_dispatch(display) >= 0) {
    }
    return 0;
}
