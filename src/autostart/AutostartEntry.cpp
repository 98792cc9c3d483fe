#include "autostart/AutostartEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

AutostartEntry::AutostartEntry(QString executableDir, QString autostartDir)
    : m_executableDir(std::move(executableDir))
    , m_autostartDir(std::move(autostartDir)) {}

AutostartEntry AutostartEntry::forExecutable(const QString& executablePath) {
    return AutostartEntry(QFileInfo(executablePath).path(),
                          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                              QStringLiteral("/autostart"));
}

QString AutostartEntry::installedPath() const {
    return m_autostartDir + QLatin1Char('/') + QLatin1StringView(fileName);
}

std::optional<QString> AutostartEntry::shippedPath() const {
    const QString name = QLatin1StringView(fileName);
    const QString candidates[] = {
        m_executableDir + QLatin1Char('/') + name,
        m_executableDir + QStringLiteral("/../share/vorlane/") + name,
    };
    for (const QString& path : candidates) {
        if (QFile::exists(path))
            return QDir::cleanPath(path);
    }
    return std::nullopt;
}

bool AutostartEntry::isInstalled() const {
    return QFile::exists(installedPath());
}

std::optional<QString> AutostartEntry::install() const {
    const auto source = shippedPath();
    if (!source) {
        return QStringLiteral("The auto-start entry %1 was not found beside the program (%2).")
            .arg(QLatin1StringView(fileName), m_executableDir);
    }
    if (!QDir().mkpath(m_autostartDir))
        return QStringLiteral("The folder %1 could not be created.").arg(m_autostartDir);
    QFile old(installedPath());
    if (old.exists() && !old.remove())
        return old.errorString();
    QFile shipped(*source);
    if (!shipped.copy(installedPath()))
        return shipped.errorString();
    return std::nullopt;
}

void AutostartEntry::uninstall() const {
    QFile::remove(installedPath());
}
