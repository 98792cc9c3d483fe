#include "menus/StatusItem.h"

#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr char traySvg[] = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 16 16">
<rect x="1.5" y="2.5" width="13" height="11" rx="2" fill="#f4f4f4" stroke="#1e1e1e"/>
<path d="M2 4.5a1.5 1.5 0 0 1 1.5-1.5h9A1.5 1.5 0 0 1 14 4.5V6.5H2z" fill="#1e1e1e"/>
</svg>)";

} // namespace

QIcon trayIcon() {
    QSvgRenderer renderer{QByteArray(traySvg)};
    QIcon icon;
    // Drawn for each size a tray asks for, so edges fall on whole pixels.
    for (int size : {16, 22, 24, 32, 48, 64, 96}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

StatusItem::StatusItem(const MenuDispatch& dispatch, QObject* parent)
    : QObject(parent)
    , m_menu(renderMenu(statusMenuModel(), dispatch)) {
    m_icon.setIcon(trayIcon());
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
