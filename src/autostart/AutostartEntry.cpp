#include "autostart/AutostartEntry.h"

#include "platform/ConfigFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

AutostartEntry::AutostartEntry(QString executableDir, QString autostartDir)
    : m_executableDir(std::move(executableDir))
    , m_autostartDir(std::move(autostartDir)) {}

AutostartEntry AutostartEntry::forExecutable(const QString& executablePath) {
    return AutostartEntry(QFileInfo(executablePath).path(),
                          ConfigFolder::userConfigHome().value_or(QString()) +
                              QStringLiteral("/autostart"));
}

QString AutostartEntry::installedPath() const {
    return m_autostartDir + QLatin1Char('/') + QLatin1StringView(fileName);
}

std::optional<QString> AutostartEntry::shippedPath() const {
    const QString name = QLatin1StringView(fileName);
    for (const QString& path : shippedCandidates()) {
        if (QFile::exists(path))
            return path;
    }
    return std::nullopt;
}

QStringList AutostartEntry::shippedCandidates() const {
    // Beside the program in the build tree; in its data folder installed.
    const QString name = QLatin1StringView(fileName);
    return {
        QDir::cleanPath(m_executableDir + QLatin1Char('/') + name),
        QDir::cleanPath(m_executableDir + QStringLiteral("/" VORLANE_DATA_FROM_BIN "/") + name)};
}

bool AutostartEntry::isInstalled() const {
    return QFile::exists(installedPath());
}

std::optional<QString> AutostartEntry::install() const {
    const auto source = shippedPath();
    if (!source) {
        return QStringLiteral("The auto-start entry was not found. Looked for %1.")
            .arg(shippedCandidates().join(QStringLiteral(" and ")));
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
