#include "app/AppDelegate.h"

#include "banner/BannerPanel.h"
#include "banner/Placement.h"
#include "banner/StrutGeometry.h"
#include "instances/SessionManager.h"
#include "menus/StatusItem.h"
#include "platform/Screens.h"
#include "platform/WindowSystem.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

#include <utility>

AppDelegate::AppDelegate(QString instanceId, Platform platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_instanceId(std::move(instanceId))
    , m_spaceGuard(platform.windows) {
    // The timers are members, so they die with the delegate: a timed action
    // can never reach a delegate that is gone.
    m_spaceGuardTimer.setInterval(spaceGuardIntervalMs);
    m_startupNudgeTimer.setInterval(startupNudgeDelayMs);
    m_startupNudgeTimer.setSingleShot(true);
    m_autosaveTimer.setInterval(autosaveIntervalMs);
    m_appEventNudgeTimer.setInterval(appEventDelayMs);
    m_appEventNudgeTimer.setSingleShot(true);
    connect(&m_spaceGuardTimer, &QTimer::timeout, this, &AppDelegate::spaceGuardTick);
    connect(&m_startupNudgeTimer, &QTimer::timeout, this, &AppDelegate::nudgeOverlappingWindows);
    connect(&m_appEventNudgeTimer, &QTimer::timeout, this, [this] {
        nudgeOverlappingWindows();
        // A window that appeared while this delay ran gets a delay of its own.
        if (std::exchange(m_appEventPending, false))
            m_appEventNudgeTimer.start();
    });
    connect(&m_autosaveTimer, &QTimer::timeout, this, &AppDelegate::saveSettings);
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching() {
    // 1. This instance's stored settings, or the defaults.
    m_settings = BannerSettings::load(m_platform.preferences, m_instanceId, &m_unreadableSettings);
    // 2, 3. The sampler, started before anything shows its values.
    m_metrics = std::make_unique<SystemMetrics>(m_platform.stats);
    m_metrics->start();
    // 4. The banner window.
    createPanel();
    // 5. The tray icon.
    createStatusItem();
    if (!m_unreadableSettings.isEmpty())
        tellOnce(m_unreadableSettings);
    // 6. This banner belongs to the session from now on.
    registerInSession();
    // 7. Screen changes, and changes of the space other docks reserve.
    connect(&m_platform.screens, &Screens::changed, this, &AppDelegate::screenChanged);
    connect(&m_platform.windows, &WindowSystem::workAreaChanged, this, &AppDelegate::screenChanged);
    // 8, 9. Another window activated or appearing.
    connect(&m_platform.windows, &WindowSystem::applicationEvent, this, &AppDelegate::appEvent);
    // 10-12. The timed actions.
    scheduleTimedActions();
}

void AppDelegate::scheduleTimedActions() {
    m_spaceGuardTimer.start();
    // The one pass after start-up runs whatever reserveSpace says.
    m_startupNudgeTimer.start();
    m_autosaveTimer.start();
}

void AppDelegate::spaceGuardTick() {
    m_spaceGuard.startTick();
    if (m_settings->reserveSpace)
        nudgeOverlappingWindows();
}

void AppDelegate::applicationWillTerminate() {
    if (!m_settings)
        return; // ended before start-up ran: nothing to save
    saveSettings();
    m_metrics->stop();
    m_spaceGuardTimer.stop();
    m_startupNudgeTimer.stop();
    m_autosaveTimer.stop();
    m_appEventNudgeTimer.stop();
}

std::optional<BannerPlacement> AppDelegate::placement() const {
    BannerPlacement placement;
    placement.screens = m_platform.screens.screens();
    const auto index = targetScreenIndex(*m_settings, placement.screens);
    if (!index)
        return std::nullopt;
    placement.screenIndex = *index;
    const QRect visible = visibleFrame(placement.screen(), m_platform.windows.rootSize(),
                                       m_platform.windows.foreignStruts());
    placement.frame = bannerRect(*m_settings, placement.screen(), visible);
    return placement;
}

void AppDelegate::createPanel() {
    m_panel = std::make_unique<BannerPanel>(m_platform.windows);
    connect(m_panel.get(), &BannerPanel::windowReplaced, this,
            [this] { updateStrut(placement()); });
    QPointer<AppDelegate> self(this);
    m_panel->contextMenuProvider = [self] {
        return self ? self->buildContextMenu() : std::make_unique<QMenu>();
    };
    applyFrame();
    installHostingView();
    m_panel->showBanner();
}

void AppDelegate::applyFrame() {
    // With no screen at all the banner keeps its last frame.
    const auto place = placement();
    if (place)
        m_panel->setBannerGeometry(place->frame, isCorner(m_settings->position));
    updateStrut(place);
}

void AppDelegate::updateStrut(const std::optional<BannerPlacement>& place) {
    std::optional<Strut> strut;
    if (place && m_settings->reserveSpace) {
        QList<QRect> otherMonitors;
        for (qsizetype i = 0; i < place->screens.size(); ++i) {
            if (i != place->screenIndex)
                otherMonitors.append(deviceRect(place->screens[i]));
        }
        strut = bannerStrut(toDevice(place->frame, place->screen()), isTop(m_settings->position),
                            m_platform.windows.rootSize(), otherMonitors);
    }
    m_platform.windows.setBannerStrut(*m_panel, strut);
}

void AppDelegate::installHostingView() {
    auto* view = new BannerHostingView(*m_settings, *m_metrics);
    view->contextMenuProvider = m_panel->contextMenuProvider;
    m_panel->setHostingView(view);
}

void AppDelegate::refreshView() {
    installHostingView();
}

void AppDelegate::repositionPanel() {
    applyFrame();
    refreshView();
    if (m_settings->reserveSpace)
        nudgeOverlappingWindows();
}

void AppDelegate::screenChanged() {
    repositionPanel();
}

void AppDelegate::nudgeOverlappingWindows() {
    const auto place = placement();
    if (!place)
        return;
    // The pass works in device pixels, like the window manager.
    const qreal dpr = place->screen().devicePixelRatio;
    const NudgeLimits limits{NudgeLimits{}.minimumSide * dpr, NudgeLimits{}.minimumHeight * dpr};
    m_spaceGuard.runPass(toDevice(place->frame, place->screen()), isTop(m_settings->position),
                         limits);
}

void AppDelegate::appEvent() {
    if (!m_settings->reserveSpace)
        return;
    if (m_appEventNudgeTimer.isActive())
        m_appEventPending = true;
    else
        m_appEventNudgeTimer.start();
}

void AppDelegate::saveSettings() {
    if (const auto error = m_settings->save(m_platform.preferences))
        tellOnce(QStringLiteral("The settings of this banner could not be saved: %1").arg(*error));
}

void AppDelegate::registerInSession() {
    const auto change = SessionManager().addInstance(m_instanceId);
    if (!change.keptAside.isEmpty())
        tellOnce(QStringLiteral("The saved session could not be read; it is kept as %1")
                     .arg(change.keptAside));
    // Another banner holds the document: again in a moment, not waited for.
    if (change.outcome == SessionManager::Change::busy && ++m_registrationTries < 30) {
        QTimer::singleShot(registrationRetryMs, this, &AppDelegate::registerInSession);
        return;
    }
    if (change.outcome == SessionManager::Change::done)
        return;
    const QString reason = change.outcome == SessionManager::Change::busy
                               ? QStringLiteral("another banner kept the session document locked")
                               : change.reason;
    qWarning("vorlane: \"%s\" is not in the saved session: %s", qPrintable(m_instanceId),
             qPrintable(reason));
    tellOnce(QStringLiteral("This banner could not be added to the saved session: %1").arg(reason));
}

void AppDelegate::tellOnce(const QString& message) {
    // A person at a desktop reads the tray, not stderr: the first failure of
    // the process is shown there too.
    if (m_statusItem && !std::exchange(m_failureShown, true))
        m_statusItem->showMessage(QStringLiteral("Vorlane"), message);
}

void AppDelegate::toggleBanner() {
    if (m_panel->isBannerVisible())
        m_panel->hideBanner();
    else
        m_panel->showBanner();
}

void AppDelegate::quitApp() {
    saveSettings();
    // Ending: a few short waits for another banner's lock, then on anyway.
    for (int tries = 0; tries < 3; ++tries) {
        if (SessionManager().removeInstance(m_instanceId).outcome != SessionManager::Change::busy)
            break;
    }
    QCoreApplication::quit();
}
