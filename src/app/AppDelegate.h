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
class StatusItem;
struct MenuChoice;
struct MenuItem;

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
    static constexpr int registrationRetryMs = 1000;

    AppDelegate(QString instanceId, Platform platform, QObject* parent = nullptr);
    ~AppDelegate() override;

    const QString& instanceId() const { return m_instanceId; }
    // Present from start-up step 1 and 2 on; never replaced afterwards.
    BannerSettings& settings() { return *m_settings; }
    SystemMetrics& metrics() { return *m_metrics; }

    // Present from start-up step 4 on.
    BannerPanel* panel() const { return m_panel.get(); }
    // Present from start-up step 5 on.
    StatusItem* statusItem() const { return m_statusItem.get(); }

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
    // The context menu, freshly built at every right click from the current
    // settings, screens, running banners and auto-start state (ContextMenu.cpp).
    MenuItem contextMenu() const;
    virtual std::unique_ptr<QMenu> buildContextMenu();
    // Runs the command a chosen menu item carries.
    void perform(const MenuChoice& choice);

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

    // The tray icon's commands. Hiding stops nothing; showing brings the
    // banner back without taking the focus.
    void toggleBanner();
    // Quitting this banner: saved, taken out of the session, ended in order.
    void quitApp();

    // Editing commands (EditingCommands.cpp). Each changes the settings,
    // saves them, then refreshes or re-places the banner; one that has
    // nothing to do (a cancelled dialog, an unusable payload) does neither.
    void setBannerHeight(int tag);
    void setFontSize(int tag);
    void setOpacity(int tag);
    void setScreen(int tag);
    void setBgColor(const std::optional<QString>& payload);
    void setTextColor(const std::optional<QString>& payload);
    void setPosition(const std::optional<QString>& payload);
    void setTextAlign(const std::optional<QString>& payload);
    void editText();
    void customBgColor();
    void customTextColor();
    void bgColorPicked(const QColor& color);
    void textColorPicked(const QColor& color);
    void toggleReserveSpace();
    void toggleCPU();
    void toggleMemory();
    void metricsAllOn();
    void metricsAllOff();
    void addImageAction();
    void removeImageAction();
    void resetDefaults();

    // Further banners (see InstanceCommands.cpp).
    void launchBannerInstance(const QString& id);
    void newBannerInstance();
    // A menu item's tag (a screen index) and represented object (a string).
    void quickLaunchOnDisplay(int tag, const std::optional<QString>& representedObject);
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
    void createStatusItem();
    void saveSettings();
    void registerInSession();
    // Says a failure through the tray icon, the first time only (stderr has
    // every one).
    void tellOnce(const QString& message);
    // Where dialogs appear: the banner's screen.
    void placeDialogs();
    void scheduleTimedActions();
    void installHostingView();
    void applyFrame();
    void updateStrut(const std::optional<BannerPlacement>& place);
    void spaceGuardTick();

    QString m_instanceId;
    std::optional<BannerSettings> m_settings;
    std::unique_ptr<SystemMetrics> m_metrics;
    std::unique_ptr<BannerPanel> m_panel;
    std::unique_ptr<StatusItem> m_statusItem;
    QTimer m_spaceGuardTimer;
    QTimer m_startupNudgeTimer;
    QTimer m_autosaveTimer;
    QTimer m_appEventNudgeTimer;
    bool m_appEventPending = false; // another event came while the delay ran
    int m_registrationTries = 0;
    bool m_failureShown = false;
    QString m_unreadableSettings; // said once the tray icon exists
    SpaceGuard m_spaceGuard;
};
