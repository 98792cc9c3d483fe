#include "app/AppDelegate.h"

#include "banner/BannerPanel.h"
#include "banner/Placement.h"
#include "banner/StrutGeometry.h"
#include "platform/Screens.h"
#include "platform/WindowSystem.h"

#include <QMenu>
#include <QPointer>

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
    // 4. The banner window.
    createPanel();
    // 5. createStatusItem: the tray icon joins here.
    // 6. SessionManager::addInstance: registration in the session joins here.
    // 7. Screen changes.
    connect(&m_platform.screens, &Screens::changed, this, &AppDelegate::screenChanged);
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

std::optional<QRect> AppDelegate::bannerFrame() const
{
    const QList<ScreenInfo> screens = m_platform.screens.screens();
    const auto index = targetScreenIndex(*m_settings, screens);
    if (!index)
        return std::nullopt;
    const ScreenInfo& screen = screens.at(*index);
    const QRect visible =
        visibleFrame(screen, m_platform.windows.rootSize(), m_platform.windows.foreignStruts());
    return bannerRect(*m_settings, screen, visible);
}

void AppDelegate::createPanel()
{
    m_panel = std::make_unique<BannerPanel>(m_platform.windows);
    if (const auto frame = bannerFrame())
        m_panel->setGeometry(*frame);
    QPointer<AppDelegate> self(this);
    m_panel->contextMenuProvider = [self] {
        return self ? self->buildContextMenu() : std::make_unique<QMenu>();
    };
    installHostingView();
    m_panel->showBanner();
}

void AppDelegate::installHostingView()
{
    auto* view = new BannerHostingView(*m_settings, *m_metrics);
    view->contextMenuProvider = m_panel->contextMenuProvider;
    m_panel->setHostingView(view);
}

void AppDelegate::refreshView()
{
    installHostingView();
}

void AppDelegate::repositionPanel()
{
    // With no screen at all the banner keeps its last frame.
    if (const auto frame = bannerFrame())
        m_panel->setGeometry(*frame);
    refreshView();
    if (m_settings->reserveSpace)
        nudgeOverlappingWindows();
}

void AppDelegate::screenChanged()
{
    repositionPanel();
}

std::unique_ptr<QMenu> AppDelegate::buildContextMenu()
{
    // The full menu of settings and commands joins here.
    auto menu = std::make_unique<QMenu>();
    menu->setTitle(QStringLiteral("Banner Settings"));
    return menu;
}

void AppDelegate::nudgeOverlappingWindows()
{
    // The window nudging pass joins here.
}
