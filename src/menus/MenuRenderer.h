#pragma once

#include "menus/MenuModel.h"

#include <functional>
#include <memory>

class QMenu;

// Called with the chosen row's command, copied out of the menu, so that it
// outlives the menu that offered it.
using MenuDispatch = std::function<void(const Command&)>;

// Turns a menu model into a QMenu; choosing a row with a command calls
// `dispatch`. Nothing else is kept.
std::unique_ptr<QMenu> renderMenu(const MenuItem& model, const MenuDispatch& dispatch);
