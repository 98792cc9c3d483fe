#include "platform/WindowSystem.h"

#include <QCursor>
#include <QMenu>

void WindowSystem::popUpTrayMenu(QMenu& menu, std::optional<QPoint> at, const QList<ScreenInfo>&) {
    // Qt's menu, as the X11 trays show it. Their clicks come with no place
    // (and Qt's pixels are the desktop's there): the pointer is where the
    // click was.
    if (!menu.isVisible())
        menu.popup(at.value_or(QCursor::pos()));
}
