#include "tray/TrayIcon.h"

#include "banner/Icons.h"

#include <QCursor>
#include <QMenu>
#include <QTimer>

#include <utility>

TrayIcon::TrayIcon(const MenuDispatch& dispatch, QObject* parent)
    : QObject(parent)
    , m_menu(renderMenu(trayMenuModel(), dispatch)) {
    m_icon.setIcon(programIcon());
    m_icon.setContextMenu(m_menu.get());
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason r) {
                // A right click too: a tray host that asks for the menu (sway's
                // bar) shows none of its own. Where Qt shows it already (XEmbed
                // trays), it is left as it is.
                if (r != QSystemTrayIcon::Trigger && r != QSystemTrayIcon::Context)
                    return;
                QTimer::singleShot(0, m_menu.get(), [menu = m_menu.get()] {
                    if (!menu->isVisible())
                        menu->popup(QCursor::pos());
                });
            });
    m_icon.show();
}

TrayIcon::~TrayIcon() {
    m_icon.hide();
}

void TrayIcon::tellOnce(const QString& message) {
    // A person at a desktop reads the tray, not standard error.
    if (std::exchange(m_told, true))
        return;
    m_icon.showMessage(QStringLiteral("Vorlane"), message);
    emit told(message);
}
