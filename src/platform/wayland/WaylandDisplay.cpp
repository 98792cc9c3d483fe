#include "platform/wayland/WaylandDisplay.h"

#include "platform/wayland/LayerShellProtocol.h"

#include "xdg-shell-client-protocol.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <xkbcommon/xkbcommon.h>

namespace {

// Events the program has no use for.
constexpr auto ignored = [](auto...) {};

} // namespace

struct WaylandDisplay::Events {
    static WaylandDisplay* of(void* data) { return static_cast<WaylandDisplay*>(data); }

    static void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version);
    static void globalRemoved(void* data, wl_registry*, std::uint32_t name);
    static void seatCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities);
    static void keymap(void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd,
                       std::uint32_t size);

    static constexpr wl_registry_listener registry{
        .global = global,
        .global_remove = globalRemoved,
    };
    static constexpr wl_seat_listener seat{
        .capabilities = seatCapabilities,
        .name = ignored,
    };
    static constexpr wl_output_listener output{
        .geometry =
            [](void* data, wl_output* output, std::int32_t x, std::int32_t y, std::int32_t,
               std::int32_t, std::int32_t, const char*, const char*, std::int32_t) {
                if (WaylandOutput* known = of(data)->outputOf(output))
                    known->position = QPoint(x, y);
            },
        .mode = ignored,
        .done = [](void* data, wl_output*) { emit of(data)->outputsChanged(); },
        .scale =
            [](void* data, wl_output* output, std::int32_t scale) {
                if (WaylandOutput* known = of(data)->outputOf(output))
                    known->scale = std::max(1, scale);
            },
        .name =
            [](void* data, wl_output* output, const char* name) {
                if (WaylandOutput* known = of(data)->outputOf(output))
                    known->name = QString::fromUtf8(name);
            },
        .description = ignored,
    };
    static constexpr wl_pointer_listener pointer{
        .enter =
            [](void* data, wl_pointer*, std::uint32_t, wl_surface* surface, wl_fixed_t x,
               wl_fixed_t y) {
                of(data)->m_pointerSurface = surface;
                of(data)->m_pointerAt = QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y));
                emit of(data)->pointerMoved(surface, of(data)->m_pointerAt);
            },
        .leave = [](void* data, wl_pointer*, std::uint32_t,
                    wl_surface*) { of(data)->m_pointerSurface = nullptr; },
        .motion =
            [](void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
                WaylandDisplay* self = of(data);
                self->m_pointerAt = QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y));
                if (self->m_pointerSurface)
                    emit self->pointerMoved(self->m_pointerSurface, self->m_pointerAt);
            },
        .button =
            [](void* data, wl_pointer*, std::uint32_t serial, std::uint32_t, std::uint32_t button,
               std::uint32_t state) {
                WaylandDisplay* self = of(data);
                self->m_lastInputSerial = serial;
                if (!self->m_pointerSurface)
                    return;
                if (state == WL_POINTER_BUTTON_STATE_PRESSED)
                    emit self->buttonPressed(self->m_pointerSurface, self->m_pointerAt, button);
                else
                    emit self->buttonReleased(self->m_pointerSurface, self->m_pointerAt, button);
            },
        .axis = ignored,
        // The seat is bound at version 3: these never come.
        .frame = ignored,
        .axis_source = ignored,
        .axis_stop = ignored,
        .axis_discrete = ignored,
        .axis_value120 = ignored,
    };
    static constexpr wl_keyboard_listener keyboard{
        .keymap = keymap,
        .enter = ignored,
        .leave = ignored,
        .key =
            [](void* data, wl_keyboard*, std::uint32_t serial, std::uint32_t, std::uint32_t key,
               std::uint32_t state) {
                WaylandDisplay* self = of(data);
                self->m_lastInputSerial = serial;
                // XKB numbers the keys 8 above Linux's input codes.
                if (state == WL_KEYBOARD_KEY_STATE_PRESSED && self->m_keys)
                    emit self->keyPressed(xkb_state_key_get_one_sym(self->m_keys, key + 8));
            },
        .modifiers =
            [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed,
               std::uint32_t latched, std::uint32_t locked, std::uint32_t group) {
                if (xkb_state* keys = of(data)->m_keys)
                    xkb_state_update_mask(keys, depressed, latched, locked, 0, 0, group);
            },
        .repeat_info = ignored,
    };
    static constexpr xdg_wm_base_listener xdgShell{
        .ping = [](void*, xdg_wm_base* shell,
                   std::uint32_t serial) { xdg_wm_base_pong(shell, serial); },
    };
};

std::unique_ptr<WaylandDisplay> WaylandDisplay::open() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return nullptr;
    auto wayland = std::unique_ptr<WaylandDisplay>(new WaylandDisplay(display));
    // The globals, then what the outputs and the seat say of themselves.
    wl_display_roundtrip(display);
    wl_display_roundtrip(display);
    if (!wayland->m_compositor || !wayland->m_shm || !wayland->m_layerShell)
        return nullptr;
    return wayland;
}

WaylandDisplay::WaylandDisplay(wl_display* display)
    : m_display(display) {
    m_registry = wl_display_get_registry(display);
    wl_registry_add_listener(m_registry, &Events::registry, this);
    m_notifier =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(display), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &WaylandDisplay::readEvents);
    // Requests made while handling Qt's events go out before it waits again.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &WaylandDisplay::flush);
}

WaylandDisplay::~WaylandDisplay() {
    m_notifier.reset();
    for (const WaylandOutput& output : m_outputs)
        wl_output_destroy(output.output);
    if (m_pointer)
        wl_pointer_destroy(m_pointer);
    if (m_keyboard)
        wl_keyboard_destroy(m_keyboard);
    xkb_state_unref(m_keys);
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_xkb);
    if (m_xdgShell)
        xdg_wm_base_destroy(m_xdgShell);
    if (m_seat)
        wl_seat_destroy(m_seat);
    if (m_layerShell)
        zwlr_layer_shell_v1_destroy(m_layerShell);
    if (m_shm)
        wl_shm_destroy(m_shm);
    if (m_compositor)
        wl_compositor_destroy(m_compositor);
    wl_registry_destroy(m_registry);
    wl_display_disconnect(m_display);
}

void WaylandDisplay::flush() {
    wl_display_flush(m_display);
}

void WaylandDisplay::readEvents() {
    if (wl_display_dispatch(m_display) >= 0)
        return;
    // The compositor is gone: nothing more comes from it.
    m_notifier->setEnabled(false);
    emit connectionLost();
}

void WaylandDisplay::Events::global(void* data, wl_registry* registry, std::uint32_t name,
                                    const char* interface, std::uint32_t version) {
    WaylandDisplay* self = of(data);
    const auto bind = [&](const wl_interface* wanted, std::uint32_t highest) {
        return wl_registry_bind(registry, name, wanted, std::min(version, highest));
    };
    const QByteArray which(interface);
    if (which == wl_compositor_interface.name) {
        self->m_compositor = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
    } else if (which == wl_shm_interface.name) {
        self->m_shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
    } else if (which == zwlr_layer_shell_v1_interface.name) {
        self->m_layerShell =
            static_cast<zwlr_layer_shell_v1*>(bind(&zwlr_layer_shell_v1_interface, 4));
    } else if (which == xdg_wm_base_interface.name) {
        self->m_xdgShell = static_cast<xdg_wm_base*>(bind(&xdg_wm_base_interface, 2));
        xdg_wm_base_add_listener(self->m_xdgShell, &xdgShell, self);
    } else if (which == wl_seat_interface.name && !self->m_seat) {
        self->m_seat = static_cast<wl_seat*>(bind(&wl_seat_interface, 3));
        wl_seat_add_listener(self->m_seat, &seat, self);
    } else if (which == wl_output_interface.name) {
        auto* bound = static_cast<wl_output*>(bind(&wl_output_interface, 4));
        wl_output_add_listener(bound, &output, self);
        self->m_outputs.push_back({name, bound, {}, {}, 1});
    }
}

void WaylandDisplay::Events::globalRemoved(void* data, wl_registry*, std::uint32_t name) {
    WaylandDisplay* self = of(data);
    const auto gone = std::find_if(self->m_outputs.begin(), self->m_outputs.end(),
                                   [name](const WaylandOutput& o) { return o.globalName == name; });
    if (gone == self->m_outputs.end())
        return;
    wl_output_destroy(gone->output);
    self->m_outputs.erase(gone);
    emit self->outputsChanged();
}

WaylandOutput* WaylandDisplay::outputOf(wl_output* output) {
    const auto it = std::find_if(m_outputs.begin(), m_outputs.end(),
                                 [output](const WaylandOutput& o) { return o.output == output; });
    return it == m_outputs.end() ? nullptr : &*it;
}

void WaylandDisplay::Events::seatCapabilities(void* data, wl_seat* seat,
                                              std::uint32_t capabilities) {
    WaylandDisplay* self = of(data);
    const bool hasPointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
    if (hasPointer && !self->m_pointer) {
        self->m_pointer = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(self->m_pointer, &pointer, self);
    } else if (!hasPointer && self->m_pointer) {
        wl_pointer_destroy(std::exchange(self->m_pointer, nullptr));
    }
    const bool hasKeyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    if (hasKeyboard && !self->m_keyboard) {
        self->m_keyboard = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(self->m_keyboard, &keyboard, self);
    } else if (!hasKeyboard && self->m_keyboard) {
        wl_keyboard_destroy(std::exchange(self->m_keyboard, nullptr));
    }
}

// The keyboard's layout, as the compositor sends it: what its keys mean.
void WaylandDisplay::Events::keymap(void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd,
                                    std::uint32_t size) {
    WaylandDisplay* self = of(data);
    void* text = format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1
                     ? mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0)
                     : MAP_FAILED;
    close(fd);
    if (text == MAP_FAILED)
        return;
    if (!self->m_xkb)
        self->m_xkb = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    // The text ends with a NUL within `size`; nothing is trusted beyond it.
    xkb_keymap* keymap =
        self->m_xkb
            ? xkb_keymap_new_from_buffer(self->m_xkb, static_cast<const char*>(text),
                                         strnlen(static_cast<const char*>(text), size),
                                         XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS)
            : nullptr;
    munmap(text, size);
    if (!keymap)
        return;
    xkb_state_unref(self->m_keys);
    xkb_keymap_unref(self->m_keymap);
    self->m_keymap = keymap;
    self->m_keys = xkb_state_new(keymap);
}
