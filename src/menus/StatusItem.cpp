#include "menus/StatusItem.h"

#include "banner/Icons.h"

#include <QCursor>
#include <QMenu>

StatusItem::StatusItem(const MenuDispatch& dispatch, QObject* parent)
    : QObject(parent)
    , m_menu(renderMenu(statusMenuModel(), dispatch)) {
    m_icon.setIcon(programIcon());
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
