#pragma once

#include "platform/Processes.h"

#include <sys/stat.h>

// The process table from /proc: a banner process is one of this user whose
// /proc/PID/exe is the banner executable itself (the same file, not a file
// of the same name). Ending one goes through a pidfd.
class ProcFsProcesses final : public Processes {
public:
    // The executable defaults to this process's own (/proc/self/exe).
    explicit ProcFsProcesses(QString executable = {});

    QString executablePath() const override { return m_executable; }
    qint64 ownPid() const override;
    std::optional<QString> startDetached(const QStringList& arguments) override;
    std::optional<QList<BannerProcess>> bannerProcesses() const override;
    void terminate(qint64 pid) override;

    // The target of an exe link as the kernel reports it, without the
    // " (deleted)" it adds once the file was replaced (a rebuilt program).
    static QString exeTarget(const QString& link);
    // NUL-separated argv; a trailing NUL ends the last argument.
    static QStringList parseCmdline(const QByteArray& cmdline);

private:
    QString m_executable;
    struct stat m_program = {}; // the executable as a file: its device and inode
};
