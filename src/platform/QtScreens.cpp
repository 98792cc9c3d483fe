#include "platform/QtScreens.h"

#include <QGuiApplication>
#include <QScreen>

QtScreens::QtScreens(QObject* parent)
    : Screens(parent) {
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(0);
    connect(&m_coalesce, &QTimer::timeout, this, &Screens::changed);

    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watch(screen);
        notifyChanged();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &QtScreens::notifyChanged);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, &QtScreens::notifyChanged);
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
}

void QtScreens::watch(QScreen* screen) {
    connect(screen, &QScreen::geometryChanged, this, &QtScreens::notifyChanged);
}

void QtScreens::notifyChanged() {
    m_coalesce.start();
}

QList<ScreenInfo> QtScreens::screens() const {
    QList<ScreenInfo> result;
    QScreen* primary = QGuiApplication::primaryScreen();
    const auto toInfo = [](QScreen* s) {
        return ScreenInfo{s->name(), s->geometry(), s->devicePixelRatio()};
    };
    if (primary)
        result.append(toInfo(primary));
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            result.append(toInfo(screen));
    }
    return result;
}
