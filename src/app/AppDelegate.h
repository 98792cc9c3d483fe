#pragma once

#include "metrics/SystemMetrics.h"
#include "platform/Platform.h"
#include "settings/BannerSettings.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

// Owns everything of one banner process for its whole life: its settings,
// the metrics sampler, the timers and (as they join) the panel, the status
// item and the session registration.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    static constexpr int spaceGuardIntervalMs = 2000;
    static constexpr int startupNudgeDelayMs = 1000;
    static constexpr int autosaveIntervalMs = 30000;

    AppDelegate(QString instanceId, Platform platform, QObject* parent = nullptr);
    ~AppDelegate() override;

    const QString& instanceId() const { return m_instanceId; }
    // Present from start-up step 1 and 2 on; never replaced afterwards.
    BannerSettings& settings() { return *m_settings; }
    SystemMetrics& metrics() { return *m_metrics; }

    const QTimer& spaceGuardTimer() const { return m_spaceGuardTimer; }
    const QTimer& startupNudgeTimer() const { return m_startupNudgeTimer; }
    const QTimer& autosaveTimer() const { return m_autosaveTimer; }

    // The start-up order; runs once, when the event loop has started.
    void applicationDidFinishLaunching();
    // The shut-down order; runs on every orderly end (the event loop quitting,
    // which is also what a termination signal leads to).
    void applicationWillTerminate();

    // One pass that moves other programs' windows out of the banner strip.
    // It does not look at reserveSpace; each caller decides.
    virtual void nudgeOverlappingWindows();

protected:
    Platform m_platform;

private:
    void scheduleTimedActions();
    void spaceGuardTick();

    QString m_instanceId;
    std::optional<BannerSettings> m_settings;
    std::unique_ptr<SystemMetrics> m_metrics;
    QTimer m_spaceGuardTimer;
    QTimer m_startupNudgeTimer;
    QTimer m_autosaveTimer;
};
