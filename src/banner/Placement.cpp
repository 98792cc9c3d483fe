#include "banner/Placement.h"

#include <algorithm>
#include <cmath>

QRectF frameFor(BannerPosition position, const QRectF& full, const QRectF& available,
                double height) {
    // QRectF::right() and bottom() are left + width and top + height.
    switch (position) {
    case BannerPosition::top:
        return {full.left(), available.top(), full.width(), height};
    case BannerPosition::bottom:
        return {available.left(), available.bottom() - height, available.width(), height};
    case BannerPosition::topLeft:
        return {full.left(), available.top(), cornerWidth, height};
    case BannerPosition::topRight:
        return {full.right() - cornerWidth, available.top(), cornerWidth, height};
    case BannerPosition::bottomLeft:
        return {available.left(), available.bottom() - height, cornerWidth, height};
    case BannerPosition::bottomRight:
        return {available.right() - cornerWidth, available.bottom() - height, cornerWidth, height};
    }
    return {};
}

std::optional<qsizetype> targetScreenIndex(const BannerSettings& settings,
                                           const QList<ScreenInfo>& screens) {
    if (!settings.screenName.isEmpty()) {
        for (qsizetype i = 0; i < screens.size(); ++i) {
            if (screens[i].name == settings.screenName)
                return i;
        }
    }
    if (settings.screenIndex >= 0 && settings.screenIndex < screens.size())
        return static_cast<qsizetype>(settings.screenIndex);
    if (!screens.isEmpty())
        return 0;
    return std::nullopt;
}

double drawableHeight(double bannerHeight, double screenHeight) {
    if (!std::isfinite(bannerHeight))
        bannerHeight = BannerSettings{}.bannerHeight;
    return std::clamp(bannerHeight, 1.0, std::max(1.0, screenHeight));
}

QRect bannerRect(const BannerSettings& settings, const ScreenInfo& screen, const QRect& available) {
    const QRectF full(screen.geometry);
    const double height = drawableHeight(settings.bannerHeight, full.height());
    const QRectF frame = frameFor(settings.position, full, QRectF(available), height);
    QRect rect(qRound(frame.x()), qRound(frame.y()), std::max(1, qRound(frame.width())),
               std::max(1, qRound(frame.height())));
    // However much other docks reserve, the banner stays wholly on its screen.
    const QRect& s = screen.geometry;
    const auto within = [](int from, int first, int last) {
        return std::clamp(from, first, std::max(first, last));
    };
    rect.moveTo(within(rect.x(), s.left(), s.right() + 1 - rect.width()),
                within(rect.y(), s.top(), s.bottom() + 1 - rect.height()));
    return rect;
}
