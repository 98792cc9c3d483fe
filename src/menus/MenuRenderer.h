#pragma once

#include "menus/MenuModel.h"

#include <functional>
#include <memory>

class QMenu;

// Called with the chosen item's action, tag and payload, copied out of the
// menu, so the choice outlives the menu that offered it.
using MenuDispatch = std::function<void(const MenuChoice&)>;

// Turns a menu model into a QMenu. Each action carries its choice in its
// data; choosing it calls `dispatch`. Nothing else is kept.
std::unique_ptr<QMenu> renderMenu(const MenuItem& model, const MenuDispatch& dispatch);
