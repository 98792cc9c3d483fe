#include "spaceguard/NudgeRule.h"

std::optional<WindowChange> nudgeFor(const QRect& strip, bool topFamily, const QRect& window,
                                     const NudgeLimits& limits) {
    // Half-open edges: right = x + width, bottom = y + height.
    const qint64 wx = window.x(), wy = window.y(), ww = window.width(), wh = window.height();
    const qint64 stripLeft = strip.x(), stripRight = strip.x() + qint64(strip.width());
    const qint64 stripTop = strip.y(), stripBottom = strip.y() + qint64(strip.height());
    const qint64 windowBottom = wy + wh;

    if (!(double(ww) > limits.minimumSide && double(wh) > limits.minimumSide))
        return std::nullopt;
    if (!(stripLeft < wx + ww && wx < stripRight))
        return std::nullopt;

    if (topFamily) {
        if (!(wy < stripBottom && stripBottom < windowBottom))
            return std::nullopt;
        const qint64 newHeight = windowBottom - stripBottom;
        if (!(double(newHeight) > limits.minimumHeight))
            return std::nullopt;
        return WindowChange{QPoint(window.x(), int(stripBottom)),
                            QSize(window.width(), int(newHeight))};
    }
    if (!(wy < stripTop && stripTop < windowBottom))
        return std::nullopt;
    const qint64 newHeight = stripTop - wy;
    if (!(double(newHeight) > limits.minimumHeight))
        return std::nullopt;
    return WindowChange{std::nullopt, QSize(window.width(), int(newHeight))};
}
