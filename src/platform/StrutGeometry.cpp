#include "platform/StrutGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Half-open intervals [a0, a1) and [b0, b1) overlap.
bool overlaps(qint64 a0, qint64 a1, qint64 b0, qint64 b1) {
    return a0 < b1 && b0 < a1;
}

} // namespace

QRect deviceRect(const ScreenInfo& screen) {
    const qreal dpr = screen.devicePixelRatio > 0 ? screen.devicePixelRatio : 1.0;
    return QRect(screen.geometry.topLeft(), QSize(qRound(screen.geometry.width() * dpr),
                                                  qRound(screen.geometry.height() * dpr)));
}

QRect toDevice(const QRect& logical, const ScreenInfo& screen) {
    const qreal dpr = screen.devicePixelRatio > 0 ? screen.devicePixelRatio : 1.0;
    const QPoint origin = screen.geometry.topLeft();
    const QPointF offset = QPointF(logical.topLeft() - origin) * dpr;
    return QRect(origin + offset.toPoint(),
                 QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr)));
}

QMargins reservedInsets(const QRect& monitor, const QSize& root, const QList<Strut>& struts) {
    // Edges as half-open coordinates.
    const qint64 left = monitor.x(), top = monitor.y();
    const qint64 right = left + monitor.width(), bottom = top + monitor.height();
    qint64 newLeft = left, newTop = top, newRight = right, newBottom = bottom;
    using Edge = Strut::Edge;
    // Each band reaches in from the root's edge and covers start..end
    // (inclusive) along it; it counts where that span meets the monitor.
    const auto along = [](const Strut::Band& b, qint64 from, qint64 to) {
        return b.depth && overlaps(b.start, qint64(b.end) + 1, from, to);
    };
    for (const Strut& s : struts) {
        const qint64 topEdge = s[Edge::top].depth, leftEdge = s[Edge::left].depth;
        const qint64 bottomEdge = root.height() - qint64(s[Edge::bottom].depth);
        const qint64 rightEdge = root.width() - qint64(s[Edge::right].depth);
        if (along(s[Edge::top], left, right) && topEdge > top)
            newTop = std::max(newTop, topEdge);
        if (along(s[Edge::bottom], left, right) && bottomEdge < bottom)
            newBottom = std::min(newBottom, bottomEdge);
        if (along(s[Edge::left], top, bottom) && leftEdge > left)
            newLeft = std::max(newLeft, leftEdge);
        if (along(s[Edge::right], top, bottom) && rightEdge < right)
            newRight = std::min(newRight, rightEdge);
    }
    // A strut that covers the whole monitor leaves nothing; never less.
    const auto clampInset = [](qint64 inset, qint64 size) {
        return static_cast<int>(std::clamp<qint64>(inset, 0, size));
    };
    const qint64 width = monitor.width(), height = monitor.height();
    return QMargins(clampInset(newLeft - left, width), clampInset(newTop - top, height),
                    clampInset(right - newRight, width), clampInset(bottom - newBottom, height));
}

QRect availableArea(const ScreenInfo& screen, const QSize& root, const QList<Strut>& struts) {
    if (struts.isEmpty() || root.isEmpty())
        return screen.geometry;
    const QMargins device = reservedInsets(deviceRect(screen), root, struts);
    const qreal dpr = screen.devicePixelRatio > 0 ? screen.devicePixelRatio : 1.0;
    const auto toLogical = [dpr](int v) { return static_cast<int>(std::ceil(v / dpr)); };
    const QMargins logical(toLogical(device.left()), toLogical(device.top()),
                           toLogical(device.right()), toLogical(device.bottom()));
    const QRect visible = screen.geometry.marginsRemoved(logical);
    return visible.isValid() ? visible : QRect(screen.geometry.topLeft(), QSize(1, 1));
}

std::optional<Strut> bannerStrut(const QRect& banner, bool topFamily, const QSize& root,
                                 const QList<QRect>& otherMonitors) {
    if (banner.isEmpty() || root.isEmpty())
        return std::nullopt;
    const int left = std::max(0, banner.x());
    const int right = std::min(root.width(), banner.x() + banner.width()); // exclusive
    if (left >= right)
        return std::nullopt;
    // The band between the root edge and the banner, along the banner.
    const QRect band = topFamily ? QRect(left, 0, right - left, std::max(0, banner.y()))
                                 : QRect(left, banner.y() + banner.height(), right - left,
                                         std::max(0, root.height() - banner.y() - banner.height()));
    for (const QRect& monitor : otherMonitors) {
        if (band.intersects(monitor))
            return std::nullopt;
    }
    // Never past the root, wherever the banner is.
    const int depth = std::min(
        topFamily ? banner.y() + banner.height() : root.height() - banner.y(), root.height());
    if (depth <= 0)
        return std::nullopt;
    Strut strut;
    strut.setEdge(topFamily ? Strut::Edge::top : Strut::Edge::bottom, std::uint32_t(depth),
                  std::uint32_t(left), std::uint32_t(right - 1));
    return strut;
}
