// A pointer on the Wayland compositor, for the tests on a Wayland desktop
// and the checks on KWin. Each line read moves it to a point of the layout
// and clicks there:
//   X Y WIDTH HEIGHT left|right|none
// WIDTH and HEIGHT are the layout's size, which absolute motion is scaled to.
// On wlroots compositors (sway) it is a virtual pointer: one serves every
// line, and it lives as long as the compositor (sway 1.7 crashes when a
// virtual pointer goes). On KWin, which has none, it is KWin's fake input
// (allowed with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1), where this tool was
// built with KWin's protocols (plasma-wayland-protocols).
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"
#if __has_include("fake-input-client-protocol.h")
#include "fake-input-client-protocol.h"
#define WITH_FAKE_INPUT 1
#endif

#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <initializer_list>

namespace {

zwlr_virtual_pointer_manager_v1* manager = nullptr;
wl_seat* seat = nullptr;
#ifdef WITH_FAKE_INPUT
org_kde_kwin_fake_input* fakeInput = nullptr;
#endif

void global(void*, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t version) {
    if (!std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name))
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    else if (!std::strcmp(interface, wl_seat_interface.name) && !seat)
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
#ifdef WITH_FAKE_INPUT
    else if (!std::strcmp(interface, org_kde_kwin_fake_input_interface.name) && version >= 3)
        fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 3));
#endif
    static_cast<void>(version);
}

void globalRemoved(void*, wl_registry*, std::uint32_t) {}

std::uint32_t now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::uint32_t(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

// What the pointer does, on whichever protocol the compositor offers.
struct Pointer {
    std::function<void(unsigned x, unsigned y, unsigned width, unsigned height)> moveTo;
    std::function<void(std::uint32_t button, std::uint32_t state)> press;
};

bool makePointer(Pointer& pointer) {
    if (manager) {
        zwlr_virtual_pointer_v1* p =
            zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
        pointer.moveTo = [p](unsigned x, unsigned y, unsigned width, unsigned height) {
            zwlr_virtual_pointer_v1_motion_absolute(p, now(), x, y, width, height);
            zwlr_virtual_pointer_v1_frame(p);
        };
        pointer.press = [p](std::uint32_t button, std::uint32_t state) {
            zwlr_virtual_pointer_v1_button(p, now(), button, state);
            zwlr_virtual_pointer_v1_frame(p);
        };
        return true;
    }
#ifdef WITH_FAKE_INPUT
    if (fakeInput) {
        org_kde_kwin_fake_input_authenticate(fakeInput, "wayland_pointer", "clicks for a check");
        pointer.moveTo = [](unsigned x, unsigned y, unsigned, unsigned) {
            org_kde_kwin_fake_input_pointer_motion_absolute(fakeInput, wl_fixed_from_int(int(x)),
                                                            wl_fixed_from_int(int(y)));
        };
        pointer.press = [](std::uint32_t button, std::uint32_t state) {
            org_kde_kwin_fake_input_button(fakeInput, button, state);
        };
        return true;
    }
#endif
    return false;
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
    Pointer pointer;
    if (!makePointer(pointer)) {
        std::fputs("wayland_pointer: no virtual pointer, nor KWin's fake input\n", stderr);
        return 1;
    }
    unsigned x = 0, y = 0, width = 0, height = 0;
    char which[16] = {};
    while (std::scanf("%u %u %u %u %15s", &x, &y, &width, &height, which) == 5) {
        pointer.moveTo(x, y, width, height);
        // The surface under the pointer is entered before the button goes down.
        wl_display_roundtrip(display);
        const std::uint32_t button =
            !std::strcmp(which, "right") ? 0x111 : 0x110; // BTN_RIGHT, _LEFT
        for (std::uint32_t state : {1u, 0u}) {            // pressed, released
            if (!std::strcmp(which, "none"))
                break;
            pointer.press(button, state);
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
