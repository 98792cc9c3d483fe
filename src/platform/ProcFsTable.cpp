#include "platform/ProcFsTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

QString procPath(qint64 pid, const char* entry = nullptr) {
    QString path = QStringLiteral("/proc/%1").arg(pid);
    if (entry)
        path += QLatin1Char('/') + QLatin1StringView(entry);
    return path;
}

} // namespace

qint64 ProcFsTable::ownPid() const {
    return QCoreApplication::applicationPid();
}

uid_t ProcFsTable::ownUser() const {
    return ::getuid();
}

std::optional<FileIdentity> ProcFsTable::fileAt(const QString& path) const {
    struct stat file = {};
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        return std::nullopt;
    return FileIdentity{file.st_dev, file.st_ino};
}

std::optional<QList<qint64>> ProcFsTable::pids() const {
    const QDir proc(QStringLiteral("/proc"));
    if (!proc.exists())
        return std::nullopt;
    QList<qint64> pids;
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        if (const qint64 pid = entry.toLongLong(&numeric); numeric)
            pids.append(pid);
    }
    return pids;
}

std::optional<ProcessFacts> ProcFsTable::facts(qint64 pid) const {
    // /proc/PID belongs to the process's user; exe is the file it runs
    // (stat follows the link to the file itself, even one since deleted).
    struct stat process = {}, running = {};
    if (::stat(QFile::encodeName(procPath(pid)).constData(), &process) != 0 ||
        ::stat(QFile::encodeName(procPath(pid, "exe")).constData(), &running) != 0)
        return std::nullopt;
    return ProcessFacts{process.st_uid,
                        {running.st_dev, running.st_ino},
                        running.st_nlink == 0,
                        QFile::symLinkTarget(procPath(pid, "exe"))};
}

QStringList ProcFsTable::arguments(qint64 pid) const {
    QFile cmdline(procPath(pid, "cmdline"));
    return cmdline.open(QIODevice::ReadOnly) ? parseCmdline(cmdline.readAll()) : QStringList();
}

Result ProcFsTable::start(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (process.startDetached())
        return Result::done();
    return Result::failed(process.errorString());
}

void ProcFsTable::terminate(qint64 pid, const Check& still) {
    // The pidfd names the process that has the PID now; the facts read
    // after it was opened are that process's or nobody's.
    const int fd = int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
    if (fd < 0) {
        const bool noPidfds = errno == ENOSYS; // before Linux 5.3
        const auto now = facts(pid);
        if (noPidfds && now && still(*now))
            ::kill(pid_t(pid), SIGTERM);
        return;
    }
    if (const auto now = facts(pid); now && still(*now))
        ::syscall(SYS_pidfd_send_signal, fd, SIGTERM, nullptr, 0);
    ::close(fd);
}

QStringList ProcFsTable::parseCmdline(const QByteArray& cmdline) {
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
