#pragma once

#include "platform/WindowSystem.h"

#include <QWidget>

// Where Qt does not run on X11 (the offscreen platform, for one) there is no
// window system to talk to: nothing is reserved and nothing is changed.
class NullWindowSystem final : public WindowSystem {
public:
    void showBannerWindow(QWidget& window) override { window.show(); }
    QSize rootSize() const override { return {}; }
    QList<Strut> foreignStruts() const override { return {}; }
    QList<BannerPlace> earlierBanners() const override { return {}; }
    void publishBannerPlace(QWidget&, const BannerPlace&) override {}
    void setBannerStrut(QWidget&, const std::optional<Strut>&) override {}
    QList<ClientWindow> nudgeableWindows() override { return {}; }
    void moveResizeWindows(const QList<WindowRequest>&) override {}
};
