#pragma once

#include "fakes/Journal.h"
#include "platform/QtBannerSurface.h"
#include "platform/WindowSystem.h"

// Other windows under an obliging window manager that applies every move
// and resize request, unless stubborn. A call for the windows is a pass.
class RecordingOtherWindows final : public OtherWindows {
public:
    QSize rootSize() const override { return root; }
    QList<Strut> foreignStruts() const override { return {}; }
    QList<BannerPlace> earlierBanners() const override { return {}; }
    QList<ClientWindow> nudgeableWindows() override { return ++passes, windows; }
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
    bool stubborn = false;
    int passes = 0;
    QList<WindowRequest> sent;
};

// Shows the banner window as Qt does, and records where it was placed.
class RecordingWindowSystem final : public WindowSystem {
public:
    struct Surface final : QtBannerSurface {
        Surface(QWidget& window, RecordingWindowSystem& owner)
            : QtBannerSurface(window)
            , system(owner) {}
        void show() override {
            journal << QStringLiteral("show banner window (visible before: %1)").arg(isShown());
            QtBannerSurface::show();
        }
        void place(const BannerPlacement& p) override {
            system.placed = p, QtBannerSurface::place(p);
        }
        RecordingWindowSystem& system;
    };
    std::unique_ptr<BannerSurface> surfaceFor(QWidget& window) override {
        return std::make_unique<Surface>(window, *this);
    }
    OtherWindows* otherWindows() override { return &others; }

    RecordingOtherWindows others;
    std::optional<BannerPlacement> placed; // the last
};
