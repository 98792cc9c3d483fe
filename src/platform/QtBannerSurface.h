#pragma once

#include "platform/BannerSurface.h"

#include <QMenu>
#include <QWidget>

// The banner window as Qt shows it by itself, where there is no window
// system to talk to (the offscreen platform): nothing is reserved.
class QtBannerSurface : public BannerSurface {
public:
    explicit QtBannerSurface(QWidget& window)
        : m_window(window) {}

    void show() override { m_window.show(); }
    void hide() override { m_window.hide(); }
    bool isShown() const override { return m_window.isVisible(); }
    void place(const BannerPlacement& placement) override { m_window.setGeometry(placement.frame); }
    void popUp(QMenu& menu, const QPoint& at) override { menu.exec(at); }

private:
    QWidget& m_window;
};
