// The banner's menus: the context menu built afresh at every right click,
// the tray icon's menu, and the one place where a chosen item becomes a
// command of the delegate.
#include "app/AppDelegate.h"
#include "menus/MenuRenderer.h"
#include "menus/StatusItem.h"

#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace {

// A choice runs once its menu has closed and let go of the keyboard, so that
// a dialog the command opens gets the focus; and only while the delegate
// exists.
MenuDispatch dispatchTo(AppDelegate* delegate) {
    QPointer<AppDelegate> self(delegate);
    return [self](const MenuChoice& choice) {
        if (self)
            QTimer::singleShot(0, self, [self, choice] { self->perform(choice); });
    };
}

} // namespace

MenuItem AppDelegate::contextMenu() const {
    return contextMenuModel({*m_settings, m_platform.screens.screens(), runningBannerRows(),
                             isLaunchAgentInstalled(), m_instanceId});
}

std::unique_ptr<QMenu> AppDelegate::buildContextMenu() {
    return renderMenu(contextMenu(), dispatchTo(this));
}

void AppDelegate::createStatusItem() {
    m_statusItem = std::make_unique<StatusItem>(dispatchTo(this));
}

void AppDelegate::perform(const MenuChoice& c) {
    // Any dialog a command opens comes up on the banner's screen.
    placeDialogs();
    switch (c.action) {
    case MenuAction::none:
        return;
    case MenuAction::setBannerHeight:
        return setBannerHeight(c.tag);
    case MenuAction::editText:
        return editText();
    case MenuAction::setBgColor:
        return setBgColor(c.payload);
    case MenuAction::customBgColor:
        return customBgColor();
    case MenuAction::setTextColor:
        return setTextColor(c.payload);
    case MenuAction::customTextColor:
        return customTextColor();
    case MenuAction::setFontSize:
        return setFontSize(c.tag);
    case MenuAction::setTextAlign:
        return setTextAlign(c.payload);
    case MenuAction::setOpacity:
        return setOpacity(c.tag);
    case MenuAction::setPosition:
        return setPosition(c.payload);
    case MenuAction::setScreen:
        return setScreen(c.tag);
    case MenuAction::toggleReserveSpace:
        return toggleReserveSpace();
    case MenuAction::toggleCPU:
        return toggleCPU();
    case MenuAction::toggleMemory:
        return toggleMemory();
    case MenuAction::metricsAllOn:
        return metricsAllOn();
    case MenuAction::metricsAllOff:
        return metricsAllOff();
    case MenuAction::addImage:
        return addImageAction();
    case MenuAction::removeImage:
        return removeImageAction();
    case MenuAction::newBannerInstance:
        return newBannerInstance();
    case MenuAction::quickLaunchOnDisplay:
        return quickLaunchOnDisplay(c.tag, c.payload);
    case MenuAction::restoreSession:
        return restoreSession();
    case MenuAction::saveCurrentSession:
        return saveCurrentSession();
    case MenuAction::installLaunchAgent:
        return installLaunchAgent();
    case MenuAction::uninstallLaunchAgent:
        return uninstallLaunchAgent();
    case MenuAction::resetDefaults:
        return resetDefaults();
    case MenuAction::quitApp:
        return quitApp();
    case MenuAction::quitAllBanners:
        return quitAllBanners();
    case MenuAction::toggleBanner:
        return toggleBanner();
    }
}
