// The commands that reach beyond this banner: starting further banners,
// ending all of them, the saved session, and starting at login.
#include "app/AppDelegate.h"
#include "autostart/AutostartEntry.h"
#include "instances/RunningBanners.h"
#include "instances/SessionManager.h"
#include "platform/Dialogs.h"
#include "platform/Processes.h"
#include "platform/Screens.h"

namespace {

AutostartEntry autostartEntry(const Platform& platform) {
    return AutostartEntry::forExecutable(platform.processes.executablePath());
}

} // namespace

void AppDelegate::launchBannerInstance(const QString& id) {
    // The real executable, whatever argv[0] said; the identifier its only argument.
    if (const auto error = m_platform.processes.startDetached({id}))
        m_platform.dialogs.alert(QStringLiteral("Failed to launch banner"), *error);
}

void AppDelegate::newBannerInstance() {
    TextPrompt prompt;
    prompt.message = QStringLiteral("New Banner Instance");
    prompt.informative = QStringLiteral("Enter a name for the new banner:");
    prompt.acceptButton = QStringLiteral("Launch");
    prompt.placeholder = QStringLiteral("e.g. ticker, monitor, side-info");
    prompt.fieldWidth = 200;
    const auto answer = m_platform.dialogs.askText(prompt);
    if (!answer)
        return;
    const QString name = answer->trimmed();
    if (!name.isEmpty())
        launchBannerInstance(name);
}

void AppDelegate::quickLaunchOnDisplay(int tag, const std::optional<QString>& representedObject) {
    if (!representedObject)
        return;
    const QString& payload = *representedObject;
    const QString id = QStringLiteral("banner-") + payload;
    const QList<ScreenInfo> screens = m_platform.screens.screens();
    // A display unplugged since the menu was built: the item's string names it.
    const QString displayName = tag >= 0 && tag < screens.size() ? screens.at(tag).name : payload;

    BannerSettings settings = BannerSettings::load(m_platform.preferences, id);
    settings.screenIndex = tag;
    settings.screenName = displayName;
    settings.position = BannerPosition::top;
    settings.textAlign = TextAlign::center;
    settings.text = QStringLiteral("Banner on ") + displayName;
    // Written through before the new process reads it at start-up.
    settings.save(m_platform.preferences);
    launchBannerInstance(id);
}

void AppDelegate::quitAllBanners() {
    m_settings->save(m_platform.preferences);
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

void AppDelegate::restoreSession() {
    for (const QString& id : SessionManager().load())
        launchBannerInstance(id);
}

void AppDelegate::saveCurrentSession() {
    const SessionManager session;
    const QStringList list = session.load();
    if (const auto error = session.save(list)) {
        m_platform.dialogs.alert(QStringLiteral("Session Not Saved"),
                                 QStringLiteral("The session could not be saved to %1: %2")
                                     .arg(session.sessionFile(), *error));
        return;
    }
    m_platform.dialogs.alert(QStringLiteral("Session Saved"),
                             QStringLiteral("Saved %1 banner(s): %2")
                                 .arg(list.size())
                                 .arg(list.join(QStringLiteral(", "))));
}

QStringList AppDelegate::runningBannerRows() const {
    return ::runningBannerRows(m_platform.processes.bannerProcesses(), m_instanceId);
}

void AppDelegate::installLaunchAgent() {
    if (const auto error = autostartEntry(m_platform).install()) {
        m_platform.dialogs.alert(QStringLiteral("Installation Failed"), *error);
        return;
    }
    m_platform.dialogs.alert(QStringLiteral("Auto-Start Installed"),
                             QStringLiteral("Vorlane will start automatically at login."));
}

void AppDelegate::uninstallLaunchAgent() {
    autostartEntry(m_platform).uninstall();
    m_platform.dialogs.alert(QStringLiteral("Auto-Start Removed"),
                             QStringLiteral("Vorlane will no longer start at login."));
}

bool AppDelegate::isLaunchAgentInstalled() const {
    return autostartEntry(m_platform).isInstalled();
}
