#pragma once

#include "platform/QtBannerSurface.h"
#include "platform/WindowSystem.h"

// Where Qt does not run on X11 (the offscreen platform, for one) there is no
// window system to talk to: the window shows as Qt shows it, and there are
// no other windows to keep out of its strip.
class NullWindowSystem final : public WindowSystem {
public:
    std::unique_ptr<BannerSurface> surfaceFor(QWidget& window) override {
        return std::make_unique<QtBannerSurface>(window);
    }
};
