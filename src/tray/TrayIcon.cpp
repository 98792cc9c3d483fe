#include "tray/TrayIcon.h"

#include "banner/Icons.h"
#include "tray/StatusNotifierItem.h"

#include <QMenu>
#include <QTimer>

#include <utility>

TrayIcon::TrayIcon(const MenuDispatch& dispatch, Kind kind, OpenMenu open, QObject* parent)
    : QObject(parent)
    , m_menu(renderMenu(trayMenuModel(), dispatch))
    , m_openMenu(std::move(open)) {
    if (kind == Kind::statusNotifier) {
        m_item = std::make_unique<StatusNotifierItem>(QStringLiteral("Vorlane"));
        connect(m_item.get(), &StatusNotifierItem::menuRequested, this, &TrayIcon::openMenu);
        return;
    }
    m_qtIcon = std::make_unique<QSystemTrayIcon>(programIcon());
    m_qtIcon->setContextMenu(m_menu.get());
    connect(m_qtIcon.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason r) {
                // A right click too: a tray host that asks for the menu
                // shows none of its own. Where Qt shows it already (XEmbed
                // trays), it is left as it is.
                if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::Context)
                    openMenu(std::nullopt);
            });
    m_qtIcon->show();
}

TrayIcon::~TrayIcon() {
    if (m_qtIcon)
        m_qtIcon->hide();
}

void TrayIcon::openMenu(std::optional<QPoint> at) {
    // After the click has been handled: Qt shows a menu of its own on some
    // trays in the meantime.
    QTimer::singleShot(0, m_menu.get(), [this, at] { m_openMenu(*m_menu, at); });
}

void TrayIcon::tellOnce(const QString& message) {
    // A person at a desktop reads the tray, not standard error.
    if (std::exchange(m_told, true))
        return;
    const QString title = QStringLiteral("Vorlane");
    if (m_qtIcon)
        m_qtIcon->showMessage(title, message);
    else
        m_item->notify(title, message);
    emit told(message);
}
