#pragma once

#include "platform/ProcessTable.h"

#include <QByteArray>

// The process table from /proc; processes are ended through a pidfd
// (pidfd_open, pidfd_send_signal), or by PID where the kernel has none.
class ProcFsTable final : public ProcessTable {
public:
    qint64 ownPid() const override;
    uid_t ownUser() const override;
    std::optional<FileIdentity> fileAt(const QString& path) const override;
    std::optional<QList<qint64>> pids() const override;
    std::optional<ProcessFacts> facts(qint64 pid) const override;
    QStringList arguments(qint64 pid) const override;
    Result start(const QString& program, const QStringList& arguments) override;
    void terminate(qint64 pid, const Check& still) override;

    // NUL-separated argv; a trailing NUL ends the last argument.
    static QStringList parseCmdline(const QByteArray& cmdline);
};
