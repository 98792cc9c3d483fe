#include "instances/RunningBanners.h"

QString instanceIdOf(const BannerProcess& process) {
    // In the one form the banner itself uses (see instanceIdFromArgv).
    return process.arguments.size() >= 2
               ? process.arguments.at(1).normalized(QString::NormalizationForm_C)
               : QStringLiteral("default");
}

QStringList runningBannerRows(const std::optional<QList<BannerProcess>>& banners,
                              const QString& ownInstanceId) {
    const QString indent = QStringLiteral("  ");
    if (!banners || banners->isEmpty())
        return {indent + ownInstanceId + QStringLiteral(" (this)")};
    QStringList rows;
    for (const BannerProcess& banner : *banners)
        // Joined, not formatted: an identifier may hold "%1".
        rows.append(indent + instanceIdOf(banner) + QStringLiteral(" (PID ") +
                    QString::number(banner.pid) + u')');
    return rows;
}
