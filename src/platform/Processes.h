#pragma once

#include "platform/ProcessTable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A running process of the banner executable, with its arguments
// (argv[1] on is what follows the executable).
struct BannerProcess {
    qint64 pid = 0;
    QStringList arguments; // argv, the executable first
};

// Starting further banners and finding and ending the running ones. A banner
// is a process of this user that runs the banner executable itself, the
// same file: not a wrapper that runs it (valgrind, ld.so), not a copy or a
// file named like it, not a process that only mentions its name.
class Processes {
public:
    // The executable defaults to the one this process runs.
    explicit Processes(ProcessTable& table, QString executable = {});

    // The path of the banner executable.
    QString executablePath() const { return m_executable; }
    qint64 ownPid() const { return m_table.ownPid(); }
    // Starts the executable with these arguments, detached.
    Result launch(const QStringList& arguments);
    // The running banner processes in the order of their PIDs, this one
    // included; nothing when the process table cannot be read.
    std::optional<QList<BannerProcess>> bannerProcesses() const;
    bool isBanner(qint64 pid) const;
    // Ends a banner process; a process that is no banner (any more) is left.
    void terminate(qint64 pid);

private:
    bool runsProgram(const ProcessFacts& process) const;

    ProcessTable& m_table;
    QString m_executable;
    std::optional<FileIdentity> m_program;
};
