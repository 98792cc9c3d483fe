#pragma once

#include "platform/Screens.h"

#include <QTimer>

class QScreen;

// The monitors as QGuiApplication reports them. Bursts of notifications (a
// monitor removed also changes the primary one) are folded into one
// `changed` on the next turn of the event loop.
class QtScreens final : public Screens {
    Q_OBJECT
public:
    explicit QtScreens(QObject* parent = nullptr);
    QList<ScreenInfo> screens() const override;

    // Also used by the window system when the reserved space changes.
    void notifyChanged();

private:
    void watch(QScreen* screen);

    QTimer m_coalesce;
};
