#pragma once

// Screens as a layout string describes them ("eDP-1=1920x1080+0+0,...").
#include "platform/Screens.h"
#include "support/ScreenLayout.h"

class FakeScreens final : public Screens {
public:
    QList<ScreenInfo> screens() const override { return layout; }
    void setLayout(const QString& text) { // as a monitor change would
        layout = screenLayout(text);
        emit changed();
    }
    QList<ScreenInfo> layout = screenLayout(QStringLiteral("1920x1080+0+0"));
};
