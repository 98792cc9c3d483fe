#pragma once

// A process table of made-up processes that records what it was asked to
// start and to end. A test may change `running` between the program's
// calls: a process ends, another takes its PID.
#include "platform/ProcessTable.h"

#include <QMap>

#include <functional>
#include <utility>

class FakeProcessTable final : public ProcessTable {
public:
    struct Process {
        ProcessFacts facts;
        QStringList arguments;
    };
    static constexpr uid_t user = 1000;
    static constexpr FileIdentity program{8, 4242};
    static inline const QString path = QStringLiteral("/opt/vorlane/vorlane");
    static Process banner(QStringList arguments = {}, uid_t owner = user) {
        return {{owner, program, false, path}, QStringList{path} + arguments};
    }

    QMap<qint64, Process> running{{100, banner()}};
    QList<QStringList> started;
    QList<qint64> terminated;
    bool failStarts = false;
    std::function<void()> beforeFirstSignal; // runs once, between the scan and the signals

    qint64 ownPid() const override { return 100; }
    uid_t ownUser() const override { return user; }
    std::optional<FileIdentity> fileAt(const QString& file) const override {
        return file == path ? std::optional(program) : std::nullopt;
    }
    std::optional<QList<qint64>> pids() const override { return running.keys(); }
    std::optional<ProcessFacts> facts(qint64 pid) const override {
        return running.contains(pid) ? std::optional(running[pid].facts) : std::nullopt;
    }
    QStringList arguments(qint64 pid) const override { return running.value(pid).arguments; }
    Result start(const QString&, const QStringList& arguments) override {
        started.append(arguments);
        return failStarts ? Result::failed("No such file or directory") : Result::done();
    }
    void terminate(qint64 pid, const Check& still) override {
        if (const auto change = std::exchange(beforeFirstSignal, {}))
            change();
        if (running.contains(pid) && still(running[pid].facts))
            terminated.append(pid);
    }
};
