#include "instances/BannerFleet.h"

#include "autostart/AutostartEntry.h"
#include "instances/RunningBanners.h"
#include "instances/SessionManager.h"
#include "platform/Dialogs.h"
#include "platform/PreferencesStore.h"
#include "platform/Processes.h"
#include "platform/Screens.h"
#include "settings/BannerSettings.h"

#include <QTimer>

namespace {

AutostartEntry autostartEntry(const Platform& platform) {
    return AutostartEntry::forExecutable(platform.processes.executablePath());
}

} // namespace

BannerFleet::BannerFleet(QString instanceId, Platform platform, QObject* parent)
    : QObject(parent)
    , m_instanceId(std::move(instanceId))
    , m_platform(platform) {}

void BannerFleet::launch(const QString& id) {
    // The real executable, whatever argv[0] said; the identifier its only argument.
    if (const Result started = m_platform.processes.launch({id}); !started.ok())
        m_platform.dialogs.alert(tr("Failed to launch banner"), started.reason());
}

void BannerFleet::launchNamed() {
    TextPrompt prompt;
    prompt.message = tr("New Banner Instance");
    prompt.informative = tr("Enter a name for the new banner:");
    prompt.acceptButton = tr("Launch");
    prompt.placeholder = tr("e.g. ticker, monitor, side-info");
    prompt.fieldWidth = 200;
    const auto answer = m_platform.dialogs.askText(prompt);
    if (!answer)
        return;
    const QString name = answer->trimmed();
    if (!name.isEmpty())
        launch(name);
}

void BannerFleet::launchOnScreen(int screenIndex, const QString& screenName) {
    const QString id = QStringLiteral("banner-") + screenName;
    const QList<ScreenInfo> screens = m_platform.screens.screens();
    // A display unplugged since the menu was built: the item's string names it.
    const QString displayName = screenIndex >= 0 && screenIndex < screens.size()
                                    ? screens.at(screenIndex).name
                                    : screenName;

    QString unreadable;
    BannerSettings settings = BannerSettings::load(m_platform.preferences, id, &unreadable);
    if (!unreadable.isEmpty())
        emit problem(QStringLiteral("\"%1\": %2").arg(id, unreadable));
    settings.screenIndex = screenIndex;
    settings.screenName = displayName;
    settings.position = BannerPosition::top;
    settings.textAlign = TextAlign::center;
    settings.text = tr("Banner on %1").arg(displayName);
    // Written through before the new process reads it at start-up; where
    // that fails, it starts with what the file holds.
    if (const Result saved = settings.save(m_platform.preferences); !saved.ok())
        emit problem(QStringLiteral("The settings of \"%1\" could not be prepared: %2")
                         .arg(id, saved.reason()));
    launch(id);
}

void BannerFleet::quitAll() {
    const qint64 self = m_platform.processes.ownPid();
    if (const auto banners = m_platform.processes.bannerProcesses()) {
        for (const BannerProcess& banner : *banners) {
            if (banner.pid != self)
                m_platform.processes.terminate(banner.pid);
        }
    }
    // This one last; each banner saves its settings as it ends. The session
    // document stays as it is, so the session can be restored.
    m_platform.processes.terminate(self);
}

void BannerFleet::restoreSession() {
    for (const QString& id : SessionManager().load())
        launch(id);
}

void BannerFleet::saveSession() {
    const SessionManager session;
    const auto change = session.rewrite();
    if (change.outcome != SessionManager::Change::done) {
        const QString reason = change.outcome == SessionManager::Change::busy
                                   ? tr("another banner is changing it; try again")
                                   : change.reason;
        m_platform.dialogs.alert(
            tr("Session Not Saved"),
            tr("The session could not be saved to %1: %2").arg(session.sessionFile(), reason));
        return;
    }
    const QString aside =
        change.keptAside.isEmpty()
            ? QString()
            : tr(" (the saved session could not be read; it is kept as %1)").arg(change.keptAside);
    m_platform.dialogs.alert(tr("Session Saved"),
                             tr("Saved %n banner(s): %1", nullptr, int(change.instances.size()))
                                     .arg(change.instances.join(QStringLiteral(", "))) +
                                 aside);
}

QStringList BannerFleet::runningRows() const {
    return runningBannerRows(m_platform.processes.bannerProcesses(), m_instanceId);
}

void BannerFleet::joinSession() {
    const auto change = SessionManager().addInstance(m_instanceId);
    if (!change.keptAside.isEmpty())
        emit problem(QStringLiteral("The saved session could not be read; it is kept as %1")
                         .arg(change.keptAside));
    // Another banner holds the document: again in a moment, not waited for.
    if (change.outcome == SessionManager::Change::busy && ++m_registrationTries < 30) {
        QTimer::singleShot(registrationRetryMs, this, &BannerFleet::joinSession);
        return;
    }
    if (change.outcome == SessionManager::Change::done)
        return;
    const QString reason = change.outcome == SessionManager::Change::busy
                               ? QStringLiteral("another banner kept the session document locked")
                               : change.reason;
    emit problem(
        QStringLiteral("This banner could not be added to the saved session: %1").arg(reason));
}

void BannerFleet::leaveSession() {
    // Ending: a few short waits for another banner's lock, then on anyway.
    for (int tries = 0; tries < 3; ++tries) {
        const auto change = SessionManager().removeInstance(m_instanceId);
        if (!change.keptAside.isEmpty())
            emit problem(QStringLiteral("The saved session could not be read; it is kept as %1")
                             .arg(change.keptAside));
        if (change.outcome != SessionManager::Change::busy)
            break;
    }
}

void BannerFleet::installAutostart() {
    if (const Result installed = autostartEntry(m_platform).install(); !installed.ok()) {
        m_platform.dialogs.alert(tr("Installation Failed"), installed.reason());
        return;
    }
    m_platform.dialogs.alert(tr("Auto-Start Installed"),
                             tr("Vorlane will start automatically at login."));
}

void BannerFleet::removeAutostart() {
    if (const Result removed = autostartEntry(m_platform).uninstall(); !removed.ok()) {
        m_platform.dialogs.alert(tr("Auto-Start Not Removed"), removed.reason());
        return;
    }
    m_platform.dialogs.alert(tr("Auto-Start Removed"),
                             tr("Vorlane will no longer start at login."));
}

bool BannerFleet::isAutostartInstalled() const {
    return autostartEntry(m_platform).isInstalled();
}
