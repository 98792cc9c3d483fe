#include "spaceguard/BannerStrut.h"

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
    Strut strut;
    auto& v = strut.values;
    if (topFamily) {
        const int depth = banner.y() + banner.height();
        if (depth <= 0)
            return std::nullopt;
        v[2] = std::uint32_t(depth);
        v[8] = std::uint32_t(left);
        v[9] = std::uint32_t(right - 1);
    } else {
        const int depth = root.height() - banner.y();
        if (depth <= 0)
            return std::nullopt;
        v[3] = std::uint32_t(depth);
        v[10] = std::uint32_t(left);
        v[11] = std::uint32_t(right - 1);
    }
    return strut;
}
