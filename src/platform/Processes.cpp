#include "platform/Processes.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QLatin1StringView deleted(" (deleted)");

} // namespace

Processes::Processes(ProcessTable& table, QString executable)
    : m_table(table) {
    if (executable.isEmpty()) {
        // The file this process runs, even when a rebuild has replaced it
        // since: it is what the other banners of this build run.
        const auto self = m_table.facts(m_table.ownPid());
        m_executable = self ? self->fileName : QString();
        if (self && self->fileGone && m_executable.endsWith(deleted))
            m_executable.chop(deleted.size());
        m_program = self ? std::optional(self->file) : std::nullopt;
    } else {
        m_executable = QFileInfo(executable).canonicalFilePath();
        m_program = m_table.fileAt(m_executable);
    }
}

bool Processes::runsProgram(const ProcessFacts& process) const {
    if (!m_program || process.user != m_table.ownUser())
        return false;
    // A banner of a build since replaced runs a file that is gone and that
    // the kernel still names after the program's path.
    if (process.fileGone)
        return process.fileName == m_executable + deleted;
    // The same file by identity and by name, each checked on its own: a slip
    // in either check alone lets no other process in.
    return process.file == *m_program && process.fileName == m_executable;
}

Result Processes::launch(const QStringList& arguments) {
    return m_table.start(m_executable, arguments);
}

std::optional<QList<BannerProcess>> Processes::bannerProcesses() const {
    const auto pids = m_table.pids();
    if (!pids || m_executable.isEmpty())
        return std::nullopt;
    QList<BannerProcess> banners;
    for (const qint64 pid : *pids) {
        if (isBanner(pid))
            banners.append({pid, m_table.arguments(pid)});
    }
    std::sort(banners.begin(), banners.end(),
              [](const BannerProcess& a, const BannerProcess& b) { return a.pid < b.pid; });
    return banners;
}

bool Processes::isBanner(qint64 pid) const {
    const auto facts = m_table.facts(pid);
    return facts && runsProgram(*facts);
}

void Processes::terminate(qint64 pid) {
    m_table.terminate(pid, [this](const ProcessFacts& now) { return runsProgram(now); });
}
