#include "menus/StatusItem.h"

#include "banner/Icons.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>

StatusItem::StatusItem(const MenuDispatch& dispatch, QObject* parent)
    : QObject(parent)
    , m_menu(renderMenu(statusMenuModel(), dispatch)) {
    // The program's icon is the tray icon: drawn once, at start-up.
    m_icon.setIcon(QGuiApplication::windowIcon().isNull() ? programIcon()
                                                          : QGuiApplication::windowIcon());
    m_icon.setContextMenu(m_menu.get());
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason r) {
                if (r == QSystemTrayIcon::Trigger)
                    m_menu->popup(QCursor::pos());
            });
    m_icon.show();
}

StatusItem::~StatusItem() {
    m_icon.hide();
}

void StatusItem::showMessage(const QString& title, const QString& text) {
    m_icon.showMessage(title, text);
}
