#pragma once

#include "app/BannerApp.h"
#include "support/MenuRows.h"

#include <QCoreApplication>
#include <QMenu>

// Chooses a context-menu row as a click does and lets its command run; false when there is none.
inline bool choose(BannerApp& app, const QString& path) {
    const std::unique_ptr<QMenu> menu = app.buildContextMenu();
    QAction* row = menuRow(*menu, path).action;
    if (!row)
        return false;
    row->trigger();
    QCoreApplication::processEvents(); // the choice runs once the menu has closed
    return true;
}
