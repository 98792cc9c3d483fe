#pragma once

#include "metrics/SystemMetrics.h"
#include "platform/Platform.h"
#include "platform/Screens.h"
#include "settings/BannerSettings.h"
#include "spaceguard/SpaceGuard.h"

#include <QObject>
#include <QRect>
#include <QTimer>

#include <memory>
#include <optional>

// Owns everything of one banner process for its whole life: its settings,
// the metrics sampler, the timers and (as they join) the panel, the status
// item and the session registration.
class BannerPanel;
class QMenu;

// Where the banner goes: the screens as they are now, the one it is on, and
// its rectangle there.
struct BannerPlacement {
    QList<ScreenInfo> screens;
    qsizetype screenIndex = 0;
    QRect frame;

    const ScreenInfo& screen() const { return screens.at(screenIndex); }
};

class AppDelegate : public QObject {
    Q_OBJECT
public:
    static constexpr int spaceGuardIntervalMs = 2000;
    static constexpr int startupNudgeDelayMs = 1000;
    static constexpr int autosaveIntervalMs = 30000;
    static constexpr int appEventDelayMs = 300;

    AppDelegate(QString instanceId, Platform platform, QObject* parent = nullptr);
    ~AppDelegate() override;

    const QString& instanceId() const { return m_instanceId; }
    // Present from start-up step 1 and 2 on; never replaced afterwards.
    BannerSettings& settings() { return *m_settings; }
    SystemMetrics& metrics() { return *m_metrics; }

    // Present from start-up step 4 on.
    BannerPanel* panel() const { return m_panel.get(); }

    const QTimer& spaceGuardTimer() const { return m_spaceGuardTimer; }
    const QTimer& startupNudgeTimer() const { return m_startupNudgeTimer; }
    const QTimer& autosaveTimer() const { return m_autosaveTimer; }
    const QTimer& appEventNudgeTimer() const { return m_appEventNudgeTimer; }

    // The start-up order; runs once, when the event loop has started.
    void applicationDidFinishLaunching();
    // The shut-down order; runs on every orderly end (the event loop quitting,
    // which is also what a termination signal leads to).
    void applicationWillTerminate();

    // The banner window: made and shown once at start-up, re-placed when
    // the settings or the screens change, its view rebuilt after edits.
    void createPanel();
    void repositionPanel();
    void refreshView();
    void screenChanged();
    // The context menu, freshly built at every right click.
    virtual std::unique_ptr<QMenu> buildContextMenu();

    // The banner's place from the current settings and screens; nothing
    // while there is no screen.
    std::optional<BannerPlacement> placement() const;

    // One pass that moves other programs' windows out of the banner strip.
    // It does not look at reserveSpace; each caller decides. Nothing happens
    // while there is no screen.
    virtual void nudgeOverlappingWindows();
    // Another window was activated or appeared: one pass 0.3 s later, while
    // reserveSpace is on.
    void appEvent();
    void toggleReserveSpace();

    // Quitting this banner: saved, taken out of the session, ended in order.
    void quitApp();

    // Further banners (see InstanceCommands.cpp).
    void launchBannerInstance(const QString& id);
    void newBannerInstance();
    // A menu item's tag (a screen index) and represented object (a string).
    void quickLaunchOnDisplay(int tag, const QVariant& representedObject);
    void quitAllBanners();
    void restoreSession();
    void saveCurrentSession();
    // The rows the running-banner list shows.
    QStringList runningBannerRows() const;

    // Starting at login.
    void installLaunchAgent();
    void uninstallLaunchAgent();
    bool isLaunchAgentInstalled() const;

protected:
    Platform m_platform;

private:
    void scheduleTimedActions();
    void installHostingView();
    void applyFrame();
    void updateStrut(const std::optional<BannerPlacement>& place);
    void spaceGuardTick();

    QString m_instanceId;
    std::optional<BannerSettings> m_settings;
    std::unique_ptr<SystemMetrics> m_metrics;
    std::unique_ptr<BannerPanel> m_panel;
    QTimer m_spaceGuardTimer;
    QTimer m_startupNudgeTimer;
    QTimer m_autosaveTimer;
    QTimer m_appEventNudgeTimer;
    SpaceGuard m_spaceGuard;
};
