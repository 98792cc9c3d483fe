#include "platform/wayland/LayerSurface.h"

#include "platform/wayland/WaylandDisplay.h"

#include "platform/wayland/LayerShellProtocol.h"

#include <wayland-client.h>

struct LayerSurface::Events {
    static constexpr zwlr_layer_surface_v1_listener layer{
        .configure =
            [](void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial, std::uint32_t width,
               std::uint32_t height) {
                auto* self = static_cast<LayerSurface*>(data);
                zwlr_layer_surface_v1_ack_configure(layer, serial);
                // A zero is left to the program: the size it asked for.
                self->m_configured = QSize(width ? int(width) : self->m_place.size.width(),
                                           height ? int(height) : self->m_place.size.height());
                emit self->needsImage();
            },
        // Its output went: made again once there is one to go on.
        .closed = [](void* data,
                     zwlr_layer_surface_v1*) { static_cast<LayerSurface*>(data)->destroy(); },
    };
};

LayerSurface::LayerSurface(WaylandDisplay& display)
    : m_display(display)
    , m_buffers(display.shm(), [this] { emit needsImage(); }) {
    connect(&display, &WaylandDisplay::outputsChanged, this, &LayerSurface::followOutputs);
}

LayerSurface::~LayerSurface() {
    destroy();
    m_display.flush();
}

void LayerSurface::setPlace(const LayerPlace& place) {
    const bool otherOutput = place.outputName != m_place.outputName ||
                             place.outputPosition != m_place.outputPosition ||
                             place.outputIndex != m_place.outputIndex;
    if (place == m_place && m_layer)
        return;
    m_place = place;
    if (otherOutput || !m_layer) {
        followOutputs();
        return;
    }
    applyPlace();
    wl_surface_commit(m_surface);
    m_display.flush();
}

wl_output* LayerSurface::chosenOutput(int* scale) const {
    const auto& outputs = m_display.outputs();
    const WaylandOutput* chosen = nullptr;
    for (const WaylandOutput& output : outputs) {
        if (!m_place.outputName.isEmpty() && output.name == m_place.outputName)
            chosen = &output;
    }
    for (const WaylandOutput& output : outputs) {
        if (!chosen && output.position == m_place.outputPosition)
            chosen = &output;
    }
    if (!chosen && m_place.outputIndex >= 0 && m_place.outputIndex < qsizetype(outputs.size()))
        chosen = &outputs[std::size_t(m_place.outputIndex)];
    if (!chosen && !outputs.empty())
        chosen = &outputs.front();
    *scale = chosen ? chosen->scale : 1;
    return chosen ? chosen->output : nullptr;
}

void LayerSurface::followOutputs() {
    int scale = 1;
    wl_output* output = chosenOutput(&scale);
    if (output == m_output && m_layer) {
        if (scale != m_scale) {
            m_scale = scale;
            emit needsImage();
        }
        return;
    }
    destroy();
    m_output = output;
    m_scale = scale;
    if (output)
        make(output);
}

void LayerSurface::make(wl_output* output) {
    m_surface = wl_compositor_create_surface(m_display.compositor());
    const auto layer =
        m_place.point ? ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY : ZWLR_LAYER_SHELL_V1_LAYER_TOP;
    m_layer = zwlr_layer_shell_v1_get_layer_surface(m_display.layerShell(), m_surface, output,
                                                    layer, "vorlane");
    if (m_place.point) {
        // Clicks go through it to what lies under it.
        wl_region* nowhere = wl_compositor_create_region(m_display.compositor());
        wl_surface_set_input_region(m_surface, nowhere);
        wl_region_destroy(nowhere);
    }
    zwlr_layer_surface_v1_add_listener(m_layer, &Events::layer, this);
    zwlr_layer_surface_v1_set_keyboard_interactivity(m_layer, 0);
    applyPlace();
    // The first commit, with no buffer, asks the compositor for a size.
    wl_surface_commit(m_surface);
    m_display.flush();
}

void LayerSurface::applyPlace() {
    if (const std::optional<QPoint> at = m_place.point) {
        zwlr_layer_surface_v1_set_anchor(m_layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP |
                                                      ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT);
        zwlr_layer_surface_v1_set_margin(m_layer, at->y(), 0, 0, at->x());
        zwlr_layer_surface_v1_set_size(m_layer, 1, 1);
        zwlr_layer_surface_v1_set_exclusive_zone(m_layer, -1); // from the output's very corner
        return;
    }
    using Along = LayerPlace::Along;
    std::uint32_t anchor =
        m_place.top ? ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP : ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM;
    if (m_place.along == Along::Stretched || m_place.along == Along::Left)
        anchor |= ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT;
    if (m_place.along == Along::Stretched || m_place.along == Along::Right)
        anchor |= ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;
    zwlr_layer_surface_v1_set_anchor(m_layer, anchor);
    // Stretched between two anchors, the width is the output's.
    const int width = m_place.along == Along::Stretched ? 0 : m_place.size.width();
    zwlr_layer_surface_v1_set_size(m_layer, std::uint32_t(std::max(0, width)),
                                   std::uint32_t(std::max(1, m_place.size.height())));
    zwlr_layer_surface_v1_set_exclusive_zone(m_layer, m_place.exclusiveZone);
}

void LayerSurface::destroy() {
    m_buffers.dropAll();
    if (m_layer)
        zwlr_layer_surface_v1_destroy(std::exchange(m_layer, nullptr));
    if (m_surface)
        wl_surface_destroy(std::exchange(m_surface, nullptr));
    m_configured = QSize();
    m_output = nullptr;
}

void LayerSurface::takeKeyboard(bool take) {
    if (!m_layer)
        return;
    zwlr_layer_surface_v1_set_keyboard_interactivity(m_layer, take ? 1 : 0);
    wl_surface_commit(m_surface);
    m_display.flush();
}

QSize LayerSurface::pixelSize() const {
    return m_layer && !m_configured.isEmpty() ? m_configured * m_scale : QSize();
}

Result LayerSurface::present(const std::function<void(QImage&)>& draw) {
    const QSize pixels = pixelSize();
    if (pixels.isEmpty())
        return Result::done();
    const Result shown = m_buffers.present(m_surface, pixels, m_scale, m_configured, draw);
    m_display.flush();
    return shown;
}
