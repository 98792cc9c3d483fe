#include "instances/RunningBanners.h"

QString instanceIdOf(const BannerProcess& process) {
    return process.arguments.size() >= 2 ? process.arguments.at(1) : QStringLiteral("default");
}

QStringList runningBannerRows(const std::optional<QList<BannerProcess>>& banners,
                              const QString& ownInstanceId) {
    const QString indent = QStringLiteral("  ");
    if (!banners || banners->isEmpty())
        return {indent + ownInstanceId + QStringLiteral(" (this)")};
    QStringList rows;
    for (const BannerProcess& banner : *banners)
        rows.append(indent +
                    QStringLiteral("%1 (PID %2)").arg(instanceIdOf(banner)).arg(banner.pid));
    return rows;
}
