#pragma once

// Rows of a rendered menu found by their titles ("Banners > Quick Launch > Save
// Current Session"), never by counting, with the keys that walk a fresh menu to
// one: Down to each row (past separators and disabled rows), Right into submenus
// (Left in a right-to-left language).
#include <QMenu>

struct MenuRow {
    QAction* action = nullptr; // nothing: the menu has no such row
    QStringList keys;
};

inline MenuRow menuRow(const QMenu& menu, const QString& path) {
    MenuRow row;
    const QMenu* level = &menu;
    for (const QString& title : path.split(QStringLiteral(" > "))) {
        if (row.action && !(level = row.action->menu()))
            return {};
        if (!row.action)
            row.keys << QStringLiteral("Down");
        else
            row.keys << (level->isRightToLeft() ? QStringLiteral("Left") : QStringLiteral("Right"));
        row.action = nullptr;
        for (QAction* a : level->actions()) {
            if (row.action)
                break;
            if (a->text() == title)
                row.action = a;
            else if (!a->isSeparator() && a->isEnabled())
                row.keys << QStringLiteral("Down");
        }
        if (!row.action)
            return {};
    }
    return row;
}
