#include "platform/ProcFsProcesses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Whether /proc/PID is a process of this user that runs the file `program`,
// compared as a file (device and inode), not by name: a wrapper (valgrind,
// ld.so) runs another file, and a copy named like it is another file. Each
// check stands on its own, so that no single slip lets other processes in.
bool runsProgram(const QString& base, const struct stat& program, const QString& path) {
    struct stat process = {};
    if (::stat(QFile::encodeName(base).constData(), &process) != 0)
        return false;
    if (process.st_uid != ::getuid())
        return false;
    const QString exe = base + QStringLiteral("/exe");
    struct stat running = {};
    if (::stat(QFile::encodeName(exe).constData(), &running) != 0)
        return false;
    // A banner of a build since replaced runs a file that is gone (no links
    // left) and that the kernel still names after the program's path.
    if (running.st_nlink == 0)
        return QFile::symLinkTarget(exe) == path + QStringLiteral(" (deleted)");
    if (running.st_dev != program.st_dev)
        return false;
    return running.st_ino == program.st_ino;
}

} // namespace

ProcFsProcesses::ProcFsProcesses(QString executable)
    : m_executable(executable.isEmpty() ? exeTarget(QStringLiteral("/proc/self/exe"))
                                        : QFileInfo(executable).canonicalFilePath()) {
    const QByteArray file = executable.isEmpty() ? QByteArrayLiteral("/proc/self/exe")
                                                 : QFile::encodeName(m_executable);
    if (::stat(file.constData(), &m_program) != 0)
        m_program = {}; // matches no process: inode 0 is no file's
}

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
        if (!runsProgram(base, m_program, m_executable))
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
    // Through a pidfd, checked once more: a PID that another process took
    // since the list was read is not signalled.
    const QString base = QStringLiteral("/proc/%1").arg(pid);
    const int fd = int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
    if (fd < 0) {
        if (errno == ENOSYS && runsProgram(base, m_program, m_executable)) // before Linux 5.3
            ::kill(pid_t(pid), SIGTERM);
        return;
    }
    if (runsProgram(base, m_program, m_executable))
        ::syscall(SYS_pidfd_send_signal, fd, SIGTERM, nullptr, 0);
    ::close(fd);
}
