#pragma once

#include "editor/BannerEditor.h"
#include "menus/MenuRenderer.h"
#include "platform/Platform.h"
#include "settings/LiveSettings.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

class BannerFleet;
class Banner;
class QMenu;
class StripGuard;
class SystemMetrics;
class TrayIcon;

// One banner process: builds its parts and wires them together, keeps the
// order of start and stop, and runs the command a chosen menu item carries.
// The parts:
//   Banner        the banner on the screen (banner/)
//   StripGuard    keeps other windows out of its strip (spaceguard/)
//   BannerEditor  the commands that edit its settings (editor/)
//   BannerFleet   the other banners, the session, autostart (instances/)
//   TrayIcon      the tray icon and its notices (tray/)
class BannerApp : public QObject {
    Q_OBJECT
public:
    static constexpr int autosaveIntervalMs = 30000;
    // While a colour is picked live, the settings are saved at most this
    // often, and once more when the dialog closes.
    static constexpr int previewSaveMs = 250;

    BannerApp(QString instanceId, Platform platform, QObject* parent = nullptr);
    ~BannerApp() override;

    // Runs once, when the event loop has started: the settings, the sampler,
    // the banner (mapped at once), the tray icon, the session entry, then
    // the timed actions.
    void start();
    // Runs on every orderly end (the event loop quitting, which is also what
    // a termination signal leads to): the settings are saved, the timers stop.
    void stop();

    const QString& instanceId() const { return m_instanceId; }
    // The parts, there from start() on.
    BannerSettings& settings() { return *m_settings; }
    SystemMetrics& metrics() const { return *m_metrics; }
    Banner& banner() const { return *m_banner; }
    // Nothing where the compositor keeps windows out of the strip itself.
    StripGuard* guard() const { return m_guard.get(); }
    BannerFleet& fleet() const { return *m_fleet; }
    TrayIcon* trayIcon() const { return m_trayIcon.get(); }

    // The context menu, freshly built at every right click from the current
    // settings, screens, running banners and autostart state.
    MenuItem contextMenu() const;
    std::unique_ptr<QMenu> buildContextMenu();
    // Runs the command a chosen menu item carries.
    void perform(const Command& command);

private:
    // Runs a choice once its menu has closed, while this banner exists.
    MenuDispatch dispatcher();
    void saveSettings();
    // A problem, said where the program decides what follows: on standard
    // error each time, as a message of the tray icon the first time.
    void say(const QString& message);
    void edited(BannerEditor::FollowUp followUp);
    // The banner placed and drawn anew, and a pass while reserveSpace is on.
    void reposition();
    void quit();

    QString m_instanceId;
    Platform m_platform;
    std::unique_ptr<LiveSettings> m_live;
    BannerSettings* m_settings = nullptr; // the live settings', from start()
    std::unique_ptr<SystemMetrics> m_metrics;
    std::unique_ptr<Banner> m_banner;
    std::unique_ptr<StripGuard> m_guard;
    std::unique_ptr<BannerEditor> m_editor;
    std::unique_ptr<BannerFleet> m_fleet;
    std::unique_ptr<TrayIcon> m_trayIcon;
    QTimer m_autosave;
    QTimer m_previewSave;
};
