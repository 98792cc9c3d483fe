#pragma once

#include "fakes/Journal.h"
#include "platform/WindowSystem.h"

#include <QWidget>

// Applies move/resize requests as an obliging window manager would, unless stubborn.
class RecordingWindowSystem final : public WindowSystem {
public:
    void showBannerWindow(QWidget& window) override {
        journal
            << QStringLiteral("show banner window (visible before: %1)").arg(window.isVisible());
        window.show();
    }
    QSize rootSize() const override { return root; }
    QList<Strut> foreignStruts() const override { return {}; }
    QList<BannerPlace> earlierBanners() const override { return {}; }
    void publishBannerPlace(QWidget&, const BannerPlace&) override {}
    void setBannerStrut(QWidget&, const std::optional<Strut>& s) override { strut = s; }
    QList<ClientWindow> nudgeableWindows() override { return ++passes, windows; } // a pass
    void moveResizeWindows(const QList<WindowRequest>& requests) override {
        for (const WindowRequest& r : requests) {
            sent.append(r);
            for (ClientWindow& w : windows)
                if (w.id == r.window.id && !stubborn)
                    w.frame = QRect(r.change.position.value_or(w.frame.topLeft()), r.change.size);
        }
    }
    QSize root{1920, 1080};
    QList<ClientWindow> windows;
    std::optional<Strut> strut; // the last written
    bool stubborn = false;
    int passes = 0;
    QList<WindowRequest> sent;
};
