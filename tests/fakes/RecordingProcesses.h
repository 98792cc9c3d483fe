#pragma once

#include "platform/Processes.h"

#include <QStringList>

// A process table given as data; records the starts and signals asked for.
class RecordingProcesses final : public Processes {
public:
    QString executablePath() const override { return executable; }
    qint64 ownPid() const override { return ownPidValue; }

    std::optional<QString> startDetached(const QStringList& arguments) override {
        started.append(arguments);
        if (failStarts)
            return QStringLiteral("No such file or directory");
        return std::nullopt;
    }

    std::optional<QList<BannerProcess>> bannerProcesses() const override { return table; }
    void terminate(qint64 pid) override { terminated.append(pid); }

    QString executable = QStringLiteral("/opt/vorlane/vorlane");
    qint64 ownPidValue = 100;
    std::optional<QList<BannerProcess>> table = QList<BannerProcess>{};
    bool failStarts = false;
    QList<QStringList> started;
    QList<qint64> terminated;
};
