#pragma once

#include "common/Result.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <sys/types.h>

// A file as the kernel knows it, whatever its name: what tells the program's
// own file from a wrapper that runs it or a copy named like it.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// What the kernel says of one running process.
struct ProcessFacts {
    uid_t user = 0;
    FileIdentity file; // the file it runs
    // That file has no name left (a build replaced since it started); the
    // kernel then names it "<its old path> (deleted)".
    bool fileGone = false;
    QString fileName; // the kernel's name for the file it runs
};

// The system's processes: which run, what they run, starting one, and a
// signal to end one. The real table reads /proc (ProcFsTable).
class ProcessTable {
public:
    virtual ~ProcessTable() = default;

    virtual qint64 ownPid() const = 0;
    virtual uid_t ownUser() const = 0;
    virtual std::optional<FileIdentity> fileAt(const QString& path) const = 0;
    // Every running PID; nothing when the table cannot be read.
    virtual std::optional<QList<qint64>> pids() const = 0;
    // Nothing for a process that is gone or cannot be looked at.
    virtual std::optional<ProcessFacts> facts(qint64 pid) const = 0;
    virtual QStringList arguments(qint64 pid) const = 0; // argv, the executable first
    // Starts a program detached, its output and errors to the null device.
    virtual Result start(const QString& program, const QStringList& arguments) = 0;
    // Ends the process that has this PID (SIGTERM) when `still` says yes of
    // it. `still` sees the process after a handle to it alone was taken,
    // so a process that got the PID in between is never signalled.
    using Check = std::function<bool(const ProcessFacts&)>;
    virtual void terminate(qint64 pid, const Check& still) = 0;
};
