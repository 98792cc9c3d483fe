#include "app/AppDelegate.h"

#include <utility>

AppDelegate::AppDelegate(QString instanceId, Platform platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_instanceId(std::move(instanceId))
{
    // The timers are members, so they die with the delegate: a timed action
    // can never reach a delegate that is gone.
    m_spaceGuardTimer.setInterval(spaceGuardIntervalMs);
    m_startupNudgeTimer.setInterval(startupNudgeDelayMs);
    m_startupNudgeTimer.setSingleShot(true);
    m_autosaveTimer.setInterval(autosaveIntervalMs);
    connect(&m_spaceGuardTimer, &QTimer::timeout, this, &AppDelegate::spaceGuardTick);
    connect(&m_startupNudgeTimer, &QTimer::timeout, this, &AppDelegate::nudgeOverlappingWindows);
    connect(&m_autosaveTimer, &QTimer::timeout, this,
            [this] { m_settings->save(m_platform.preferences); });
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching()
{
    // 1. This instance's stored settings, or the defaults.
    m_settings = BannerSettings::load(m_platform.preferences, m_instanceId);
    // 2, 3. The sampler, started before anything shows its values.
    m_metrics = std::make_unique<SystemMetrics>(m_platform.stats, this);
    m_metrics->start();
    // 4. createPanel: the banner window joins here.
    // 5. createStatusItem: the tray icon joins here.
    // 6. SessionManager::addInstance: registration in the session joins here.
    // 7. Screen changes (screenChanged) are observed from here on.
    // 8, 9. Activation and appearance of other windows (appEvent) likewise.
    // 10-12. The timed actions.
    scheduleTimedActions();
}

void AppDelegate::scheduleTimedActions()
{
    m_spaceGuardTimer.start();
    // The one pass after start-up runs whatever reserveSpace says.
    m_startupNudgeTimer.start();
    m_autosaveTimer.start();
}

void AppDelegate::spaceGuardTick()
{
    if (m_settings->reserveSpace)
        nudgeOverlappingWindows();
}

void AppDelegate::applicationWillTerminate()
{
    if (!m_settings)
        return; // ended before start-up ran: nothing to save
    m_settings->save(m_platform.preferences);
    m_metrics->stop();
    m_spaceGuardTimer.stop();
    m_startupNudgeTimer.stop();
    m_autosaveTimer.stop();
}

void AppDelegate::nudgeOverlappingWindows()
{
    // The window nudging pass joins here.
}
