#include "platform/ProcFsProcesses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <csignal>
#include <unistd.h>

ProcFsProcesses::ProcFsProcesses(QString executable)
    : m_executable(executable.isEmpty() ? exeTarget(QStringLiteral("/proc/self/exe"))
                                        : QFileInfo(executable).canonicalFilePath()) {}

qint64 ProcFsProcesses::ownPid() const {
    return QCoreApplication::applicationPid();
}

QString ProcFsProcesses::exeTarget(const QString& link) {
    QString target = QFile::symLinkTarget(link);
    const QLatin1StringView deleted(" (deleted)");
    if (target.endsWith(deleted))
        target.chop(deleted.size());
    return target;
}

QStringList ProcFsProcesses::parseCmdline(const QByteArray& cmdline) {
    QStringList arguments;
    QByteArray data = cmdline;
    if (data.endsWith('\0'))
        data.chop(1);
    if (data.isEmpty())
        return arguments;
    for (const QByteArray& argument : data.split('\0'))
        arguments.append(QString::fromLocal8Bit(argument));
    return arguments;
}

std::optional<QString> ProcFsProcesses::startDetached(const QStringList& arguments) {
    QProcess process;
    process.setProgram(m_executable);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached())
        return std::nullopt;
    return process.errorString();
}

std::optional<QList<BannerProcess>> ProcFsProcesses::bannerProcesses() const {
    const QDir proc(QStringLiteral("/proc"));
    if (!proc.exists() || m_executable.isEmpty())
        return std::nullopt;
    QList<BannerProcess> banners;
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        const QString base = QStringLiteral("/proc/") + entry;
        // Other users' processes cannot be read: they are not ours anyway.
        if (exeTarget(base + QStringLiteral("/exe")) != m_executable)
            continue;
        QFile cmdline(base + QStringLiteral("/cmdline"));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        banners.append({pid, parseCmdline(cmdline.readAll())});
    }
    std::sort(banners.begin(), banners.end(),
              [](const BannerProcess& a, const BannerProcess& b) { return a.pid < b.pid; });
    return banners;
}

void ProcFsProcesses::terminate(qint64 pid) {
    ::kill(static_cast<pid_t>(pid), SIGTERM);
}
