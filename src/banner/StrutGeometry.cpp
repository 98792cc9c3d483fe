#include "banner/StrutGeometry.h"

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
    for (const Strut& s : struts) {
        const auto& v = s.values;
        // Each band: from the root's edge inwards, along the edge from start to
        // end inclusive.
        if (s.top() && overlaps(v[8], qint64(v[9]) + 1, left, right) && s.top() > top)
            newTop = std::max<qint64>(newTop, s.top());
        if (s.bottom() && overlaps(v[10], qint64(v[11]) + 1, left, right) &&
            root.height() - qint64(s.bottom()) < bottom)
            newBottom = std::min<qint64>(newBottom, root.height() - qint64(s.bottom()));
        if (s.left() && overlaps(v[4], qint64(v[5]) + 1, top, bottom) && s.left() > left)
            newLeft = std::max<qint64>(newLeft, s.left());
        if (s.right() && overlaps(v[6], qint64(v[7]) + 1, top, bottom) &&
            root.width() - qint64(s.right()) < right)
            newRight = std::min<qint64>(newRight, root.width() - qint64(s.right()));
    }
    // A strut that covers the whole monitor leaves nothing; never less.
    const auto clampInset = [](qint64 inset, qint64 size) {
        return static_cast<int>(std::clamp<qint64>(inset, 0, size));
    };
    const qint64 width = monitor.width(), height = monitor.height();
    return QMargins(clampInset(newLeft - left, width), clampInset(newTop - top, height),
                    clampInset(right - newRight, width), clampInset(bottom - newBottom, height));
}

QRect visibleFrame(const ScreenInfo& screen, const QSize& root, const QList<Strut>& struts) {
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
