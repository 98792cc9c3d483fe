#pragma once

#include "common/Result.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <memory>
#include <vector>

struct wl_shm;
struct wl_surface;

// The shared-memory buffers of one surface: drawn in place, handed to the
// compositor, drawn again once it gives them back. A compositor that holds
// every buffer gets no more than a few; `released` then says when one came
// back, so that the picture is drawn again.
class ShmBuffers {
public:
    ShmBuffers(wl_shm* shm, std::function<void()> released);
    ~ShmBuffers();
    ShmBuffers(const ShmBuffers&) = delete;
    ShmBuffers& operator=(const ShmBuffers&) = delete;

    // Has `draw` paint `pixels` (premultiplied ARGB, cleared) straight into a
    // free buffer, then attaches it to `surface` at `scale` over `logical`
    // and commits. Fails when no buffer can be made.
    [[nodiscard]] Result present(wl_surface* surface, QSize pixels, int scale, QSize logical,
                                 const std::function<void(QImage&)>& draw);
    // Lets every buffer go (the surface goes).
    void dropAll();

private:
    struct Buffer;
    // A buffer of that size that the compositor does not hold; nothing when
    // there is none (those of other sizes are let go).
    Buffer* freeBuffer(QSize pixels);
    Result addBuffer(QSize pixels);

    wl_shm* m_shm;
    std::function<void()> m_released;
    std::vector<std::unique_ptr<Buffer>> m_buffers;
    bool m_waiting = false;
};
