#include "platform/wayland/ShmBuffers.h"

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
struct ShmBuffers::Buffer {
    ShmBuffers* owner = nullptr;
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

    static constexpr wl_buffer_listener events{
        .release =
            [](void* data, wl_buffer*) {
                auto* released = static_cast<Buffer*>(data);
                released->busy = false;
                if (std::exchange(released->owner->m_waiting, false))
                    released->owner->m_released();
            },
    };
};

ShmBuffers::ShmBuffers(wl_shm* shm, std::function<void()> released)
    : m_shm(shm)
    , m_released(std::move(released)) {}

ShmBuffers::~ShmBuffers() = default;

void ShmBuffers::dropAll() {
    m_buffers.clear();
    m_waiting = false;
}

Result ShmBuffers::present(wl_surface* surface, QSize pixels, int scale, QSize logical,
                           const std::function<void(QImage&)>& draw) {
    Buffer* buffer = freeBuffer(pixels);
    if (!buffer && m_buffers.size() < maxBuffers) {
        if (const Result added = addBuffer(pixels); !added.ok())
            return added;
        buffer = m_buffers.back().get();
    }
    if (!buffer) {
        m_waiting = true;
        return Result::done();
    }
    // ARGB8888 is premultiplied ARGB in native byte order: Qt's own format.
    QImage picture(buffer->data, pixels.width(), pixels.height(), pixels.width() * 4,
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    draw(picture);
    wl_surface_set_buffer_scale(surface, scale);
    wl_surface_attach(surface, buffer->buffer, 0, 0);
    wl_surface_damage(surface, 0, 0, logical.width(), logical.height());
    wl_surface_commit(surface);
    buffer->busy = true;
    return Result::done();
}

ShmBuffers::Buffer* ShmBuffers::freeBuffer(QSize pixels) {
    std::erase_if(m_buffers, [&](const auto& b) { return !b->busy && b->pixels != pixels; });
    for (const auto& buffer : m_buffers) {
        if (!buffer->busy)
            return buffer.get();
    }
    return nullptr;
}

Result ShmBuffers::addBuffer(QSize pixels) {
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
    wl_shm_pool* pool = wl_shm_create_pool(m_shm, fd, int(buffer->bytes));
    buffer->buffer = wl_shm_pool_create_buffer(pool, 0, pixels.width(), pixels.height(), stride,
                                               WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    wl_buffer_add_listener(buffer->buffer, &Buffer::events, buffer.get());
    m_buffers.push_back(std::move(buffer));
    return Result::done();
}
