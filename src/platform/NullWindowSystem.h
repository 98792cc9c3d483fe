#pragma once

#include "platform/WindowSystem.h"

// Where Qt does not run on X11 (the offscreen platform, for one) there is no
// window system to talk to: nothing is reserved and nothing is changed.
class NullWindowSystem final : public WindowSystem {
public:
    void prepareBannerWindow(QWidget&) override {}
    QSize rootSize() override { return {}; }
    QList<Strut> foreignStruts() override { return {}; }
};
