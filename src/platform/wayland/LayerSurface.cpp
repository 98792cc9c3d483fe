#include "platform/wayland/LayerSurface.h"

#include "platform/wayland/WaylandDisplay.h"

#include "platform/wayland/LayerShellProtocol.h"

#include <wayland-client.h>

#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr std::size_t maxBuffers = 3;

Result failedCall(const char* call) {
    return Result::failed(QStringLiteral("%1: %2").arg(
        QLatin1StringView(call), QString::fromLocal8Bit(std::strerror(errno))));
}

} // namespace

// A shared-memory buffer the compositor reads from until it releases it.
struct LayerSurface::Buffer {
    LayerSurface* owner = nullptr;
    wl_buffer* buffer = nullptr;
    uchar* data = nullptr;
    std::size_t bytes = 0;
    QSize pixels;
    bool busy = false;

    ~Buffer() {
        if (buffer)
            wl_buffer_destroy(buffer);
        if (data)
            munmap(data, bytes);
    }
};

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
    static constexpr wl_buffer_listener buffer{
        .release =
            [](void* data, wl_buffer*) {
                auto* released = static_cast<Buffer*>(data);
                released->busy = false;
                if (std::exchange(released->owner->m_waitingForBuffer, false))
                    emit released->owner->needsImage();
            },
    };
};

LayerSurface::LayerSurface(WaylandDisplay& display)
    : m_display(display) {
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
    m_layer = zwlr_layer_shell_v1_get_layer_surface(m_display.layerShell(), m_surface, output,
                                                    ZWLR_LAYER_SHELL_V1_LAYER_TOP, "vorlane");
    zwlr_layer_surface_v1_add_listener(m_layer, &Events::layer, this);
    zwlr_layer_surface_v1_set_keyboard_interactivity(m_layer, 0);
    applyPlace();
    // The first commit, with no buffer, asks the compositor for a size.
    wl_surface_commit(m_surface);
    m_display.flush();
}

void LayerSurface::applyPlace() {
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
    m_buffers.clear();
    if (m_layer)
        zwlr_layer_surface_v1_destroy(std::exchange(m_layer, nullptr));
    if (m_surface)
        wl_surface_destroy(std::exchange(m_surface, nullptr));
    m_configured = QSize();
    m_output = nullptr;
}

QSize LayerSurface::pixelSize() const {
    return m_layer && !m_configured.isEmpty() ? m_configured * m_scale : QSize();
}

Result LayerSurface::present(const std::function<void(QImage&)>& draw) {
    const QSize pixels = pixelSize();
    if (pixels.isEmpty())
        return Result::done();
    Buffer* buffer = freeBuffer(pixels);
    if (!buffer && m_buffers.size() < maxBuffers) {
        if (const Result added = addBuffer(pixels); !added.ok())
            return added;
        buffer = m_buffers.back().get();
    }
    // A compositor that holds on to every buffer gets no more: the image is
    // drawn again once one comes back.
    if (!buffer) {
        m_waitingForBuffer = true;
        return Result::done();
    }
    // ARGB8888 is premultiplied ARGB in native byte order: Qt's own format.
    QImage image(buffer->data, pixels.width(), pixels.height(), pixels.width() * 4,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    draw(image);
    wl_surface_set_buffer_scale(m_surface, m_scale);
    wl_surface_attach(m_surface, buffer->buffer, 0, 0);
    wl_surface_damage(m_surface, 0, 0, m_configured.width(), m_configured.height());
    wl_surface_commit(m_surface);
    buffer->busy = true;
    m_display.flush();
    return Result::done();
}

LayerSurface::Buffer* LayerSurface::freeBuffer(QSize pixels) {
    std::erase_if(m_buffers, [&](const auto& b) { return !b->busy && b->pixels != pixels; });
    for (const auto& buffer : m_buffers) {
        if (!buffer->busy)
            return buffer.get();
    }
    return nullptr;
}

Result LayerSurface::addBuffer(QSize pixels) {
    auto buffer = std::make_unique<Buffer>();
    buffer->owner = this;
    buffer->pixels = pixels;
    const int stride = pixels.width() * 4;
    buffer->bytes = std::size_t(stride) * std::size_t(pixels.height());
    const int fd = memfd_create("vorlane-banner", MFD_CLOEXEC);
    if (fd < 0)
        return failedCall("memfd_create");
    if (ftruncate(fd, off_t(buffer->bytes)) != 0) {
        const Result failed = failedCall("ftruncate");
        close(fd);
        return failed;
    }
    void* data = mmap(nullptr, buffer->bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (data == MAP_FAILED) {
        const Result failed = failedCall("mmap");
        close(fd);
        return failed;
    }
    buffer->data = static_cast<uchar*>(data);
    wl_shm_pool* pool = wl_shm_create_pool(m_display.shm(), fd, int(buffer->bytes));
    buffer->buffer = wl_shm_pool_create_buffer(pool, 0, pixels.width(), pixels.height(), stride,
                                               WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    wl_buffer_add_listener(buffer->buffer, &Events::buffer, buffer.get());
    m_buffers.push_back(std::move(buffer));
    return Result::done();
}
