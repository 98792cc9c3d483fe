#include "menus/MenuRenderer.h"

#include <QKeySequence>
#include <QMenu>

namespace {

void fill(QMenu& menu, const std::vector<MenuItem>& items, const MenuDispatch& dispatch) {
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::separator:
            menu.addSeparator();
            break;
        case MenuItem::Kind::submenu:
            fill(*menu.addMenu(item.title), item.items, dispatch);
            break;
        case MenuItem::Kind::command: {
            QAction* action = menu.addAction(item.title);
            action->setEnabled(item.enabled);
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            if (!item.shortcut.isEmpty())
                action->setShortcut(QKeySequence::fromString(item.shortcut));
            if (item.command) {
                QObject::connect(action, &QAction::triggered, &menu,
                                 [dispatch, command = *item.command] { dispatch(command); });
            }
            break;
        }
        }
    }
}

} // namespace

std::unique_ptr<QMenu> renderMenu(const MenuItem& model, const MenuDispatch& dispatch) {
    auto menu = std::make_unique<QMenu>();
    menu->setTitle(model.title);
    fill(*menu, model.items, dispatch);
    return menu;
}
