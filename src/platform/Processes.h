#pragma once

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
// process is one that runs the banner executable itself; a process that only
// mentions its name (an editor with a file named after it) is none.
class Processes {
public:
    virtual ~Processes() = default;

    // The real path of the banner executable.
    virtual QString executablePath() const = 0;
    virtual qint64 ownPid() const = 0;
    // Starts the executable with these arguments, detached, output and
    // errors to the null device. The error's description when it fails.
    virtual std::optional<QString> startDetached(const QStringList& arguments) = 0;
    // The running banner processes in the order of their PIDs, this one
    // included; nothing when the process list cannot be read.
    virtual std::optional<QList<BannerProcess>> bannerProcesses() const = 0;
    virtual void terminate(qint64 pid) = 0;
};
