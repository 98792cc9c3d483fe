#include "instances/RunningBanners.h"

#include <QCoreApplication>

QString instanceIdOf(const BannerProcess& process) {
    // In the one form the banner itself uses (see instanceIdFromArgv).
    return process.arguments.size() >= 2
               ? process.arguments.at(1).normalized(QString::NormalizationForm_C)
               : QStringLiteral("default");
}

QStringList runningBannerRows(const std::optional<QList<BannerProcess>>& banners,
                              const QString& ownInstanceId) {
    // Filled in one pass: an identifier may hold "%1".
    const QString indent = QStringLiteral("  ");
    if (!banners || banners->isEmpty())
        return {indent + QCoreApplication::translate("Menu", "%1 (this)").arg(ownInstanceId)};
    QStringList rows;
    for (const BannerProcess& banner : *banners)
        rows.append(indent + QCoreApplication::translate("Menu", "%1 (PID %2)")
                                 .arg(instanceIdOf(banner), QString::number(banner.pid)));
    return rows;
}
