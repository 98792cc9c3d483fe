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

Result AutostartEntry::install() const {
    const auto source = shippedPath();
    if (!source) {
        return Result::failed(QStringLiteral("The auto-start entry was not found. Looked for %1.")
                                  .arg(shippedCandidates().join(QStringLiteral(" and "))));
    }
    // The shipped entry is the program's own file: read whole, like any.
    const FileContent shipped = ConfigFolder(QFileInfo(*source).path()).read(fileName);
    if (!shipped.isPresent())
        return Result::failed(shipped.problem.isEmpty() ? *source : shipped.problem);
    // An old copy is replaced the careful way, as the settings are.
    const Replaced replaced =
        ConfigFolder(m_autostartDir).replace(QLatin1StringView(fileName), shipped.bytes);
    return replaced.ok() ? Result::done() : Result::failed(replaced.problem);
}

Result AutostartEntry::uninstall() const {
    QFile installed(installedPath());
    if (installed.exists() && !installed.remove())
        return Result::failed(installedPath() + QStringLiteral(": ") + installed.errorString());
    return Result::done();
}
