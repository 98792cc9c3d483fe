#include "app/BannerApp.h"

#include "banner/Banner.h"
#include "instances/BannerFleet.h"
#include "metrics/SystemMetrics.h"
#include "platform/Dialogs.h"
#include "platform/Screens.h"
#include "platform/WindowSystem.h"
#include "spaceguard/StripGuard.h"
#include "tray/TrayIcon.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

BannerApp::BannerApp(QString instanceId, Platform platform, QObject* parent)
    : QObject(parent)
    , m_instanceId(std::move(instanceId))
    , m_platform(platform)
    , m_fleet(std::make_unique<BannerFleet>(m_instanceId, platform))
    , m_autosave(this)
    , m_previewSave(this) {
    m_autosave.setObjectName(QStringLiteral("autosave"));
    m_autosave.setInterval(autosaveIntervalMs);
    connect(&m_autosave, &QTimer::timeout, this, [this] { saveSettings(); });
    m_previewSave.setSingleShot(true);
    m_previewSave.setInterval(previewSaveMs);
    connect(&m_previewSave, &QTimer::timeout, this, [this] { saveSettings(); });
    connect(m_fleet.get(), &BannerFleet::problem, this, &BannerApp::say);
}

BannerApp::~BannerApp() = default;

void BannerApp::start() {
    m_live = std::make_unique<LiveSettings>(m_platform.preferences, m_instanceId);
    m_settings = &m_live->settings();
    // The sampler runs before anything shows its values.
    m_metrics = std::make_unique<SystemMetrics>(m_platform.stats);
    m_metrics->start();

    // The banner is mapped before the tray icon and the session entry are
    // made, so the window manager maps it meanwhile.
    QPointer<BannerApp> self(this);
    m_banner = std::make_unique<Banner>(
        *m_settings, *m_metrics, m_platform.screens, m_platform.windows,
        [self] { return self ? self->buildContextMenu() : std::make_unique<QMenu>(); });
    m_banner->createAndShow();

    WindowSystem& windows = m_platform.windows;
    m_trayIcon = std::make_unique<TrayIcon>(
        dispatcher(),
        windows.traysAreStatusNotifierHosts() ? TrayIcon::Kind::statusNotifier : TrayIcon::Kind::qt,
        [&windows, &screens = m_platform.screens](QMenu& menu, std::optional<QPoint> at) {
            windows.popUpTrayMenu(menu, at, screens.screens());
        });
    if (!m_live->unreadableAtStart().isEmpty())
        say(m_live->unreadableAtStart());
    m_fleet->joinSession();

    m_editor = std::make_unique<BannerEditor>(*m_settings, m_platform.screens, m_platform.dialogs);
    connect(m_editor.get(), &BannerEditor::edited, this, &BannerApp::edited);
    // Screen changes, and changes of the space other docks reserve.
    connect(&m_platform.screens, &Screens::changed, this, &BannerApp::reposition);
    if (OtherWindows* others = m_platform.windows.otherWindows()) {
        connect(others, &OtherWindows::workAreaChanged, this, &BannerApp::reposition);
        m_guard = std::make_unique<StripGuard>(
            *others,
            [this]() -> std::optional<Strip> {
                const auto place = m_banner->placement();
                if (!place)
                    return std::nullopt;
                return Strip{place->deviceFrame(), place->top, place->screen().devicePixelRatio};
            },
            [this] { return m_settings->reserveSpace; });
        m_guard->start();
    }
    connect(&m_platform.windows, &WindowSystem::problem, this, &BannerApp::say);
    connect(&m_platform.windows, &WindowSystem::lost, this, [](const QString& reason) {
        qWarning("vorlane: %s", qPrintable(reason));
        QCoreApplication::exit(1); // the settings are saved on the way out
    });
    m_autosave.start();
    // A change from outside may move, resize or recolour the banner.
    connect(m_live.get(), &LiveSettings::reloaded, this, &BannerApp::reposition);
    connect(m_live.get(), &LiveSettings::problem, this, &BannerApp::say);
    m_live->follow();
}

void BannerApp::stop() {
    if (!m_settings)
        return; // ended before start: nothing to save
    // An edit from outside made just before the end is read, not overwritten,
    // and not shown any more.
    disconnect(m_live.get(), nullptr, this, nullptr);
    if (const Result saved = m_live->saveAtEnd(); !saved.ok())
        say(QStringLiteral("The settings of this banner could not be saved: %1")
                .arg(saved.reason()));
    m_metrics->stop();
    if (m_guard)
        m_guard->stop();
    m_autosave.stop();
    m_previewSave.stop();
}

void BannerApp::saveSettings() {
    if (const Result saved = m_live->save(); !saved.ok())
        say(QStringLiteral("The settings of this banner could not be saved: %1")
                .arg(saved.reason()));
}

void BannerApp::say(const QString& message) {
    qWarning("vorlane: \"%s\": %s", qPrintable(m_instanceId), qPrintable(message));
    if (m_trayIcon)
        m_trayIcon->tellOnce(message);
}

void BannerApp::edited(BannerEditor::FollowUp followUp) {
    if (followUp == BannerEditor::FollowUp::preview) {
        if (!m_previewSave.isActive())
            m_previewSave.start();
        m_banner->redraw();
        return;
    }
    m_previewSave.stop();
    saveSettings();
    switch (followUp) {
    case BannerEditor::FollowUp::preview:
    case BannerEditor::FollowUp::redraw:
        m_banner->redraw();
        return;
    case BannerEditor::FollowUp::replace:
        reposition();
        return;
    case BannerEditor::FollowUp::reserve:
        m_banner->place();
        // Turning it off moves no window back.
        if (m_guard && m_settings->reserveSpace)
            m_guard->runPass();
        m_banner->redraw();
        return;
    }
}

void BannerApp::reposition() {
    m_banner->place();
    m_banner->redraw();
    if (m_guard && m_settings->reserveSpace)
        m_guard->runPass();
}

void BannerApp::quit() {
    saveSettings();
    m_fleet->leaveSession();
    QCoreApplication::quit();
}

// The menus of the banner and of its tray icon, and the one place where a
// chosen item becomes a command of one of the banner's parts.

MenuDispatch BannerApp::dispatcher() {
    // A choice runs once its menu has closed and let go of the keyboard, so
    // that a dialog the command opens gets the focus.
    QPointer<BannerApp> self(this);
    return [self](const Command& command) {
        if (self)
            QTimer::singleShot(0, self, [self, command] { self->perform(command); });
    };
}

MenuItem BannerApp::contextMenu() const {
    return contextMenuModel({*m_settings, m_platform.screens.screens(), m_fleet->runningRows(),
                             m_fleet->isAutostartInstalled(), m_instanceId});
}

std::unique_ptr<QMenu> BannerApp::buildContextMenu() {
    return renderMenu(contextMenu(), dispatcher());
}

void BannerApp::perform(const Command& command) {
    // Any dialog a command opens comes up on the banner's screen.
    const auto place = m_banner->placement();
    m_platform.dialogs.setHostArea(place ? place->screen().geometry : QRect());
    m_live->catchUp(); // an edit starts from what the file says now
    std::visit(Overloaded{
                   [this](const EditCommand& edit) {
                       if (const auto followUp = m_editor->perform(edit))
                           edited(*followUp);
                   },
                   [this](const fleet::NewBanner&) { m_fleet->launchNamed(); },
                   [this](const fleet::QuickLaunch& c) {
                       m_fleet->launchOnScreen(c.screenIndex, c.screenName);
                   },
                   [this](const fleet::RestoreSession&) { m_fleet->restoreSession(); },
                   [this](const fleet::SaveSession&) { m_fleet->saveSession(); },
                   [this](const fleet::InstallAutostart&) { m_fleet->installAutostart(); },
                   [this](const fleet::RemoveAutostart&) { m_fleet->removeAutostart(); },
                   [this](const fleet::QuitAllBanners&) {
                       saveSettings();
                       m_fleet->quitAll();
                   },
                   [this](const QuitBanner&) { quit(); },
                   [this](const ToggleBanner&) { m_banner->toggleVisible(); },
               },
               command);
}
