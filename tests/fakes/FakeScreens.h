#pragma once

#include "platform/Screens.h"

#include <QRegularExpression>
#include <QStringList>

// Screens given as data: "1920x1080+0+0,1280x1024+1920+0", primary first.
// A layout entry may carry a name after "=" ("HDMI-1=1280x1024+1920+0");
// unnamed screens are called "Screen 0", "Screen 1", ...
inline QList<ScreenInfo> screenLayout(const QString& layout) {
    static const QRegularExpression entry(
        QStringLiteral(R"(^(?:(.+)=)?(\d+)x(\d+)\+(-?\d+)\+(-?\d+)(?:@([\d.]+))?$)"));
    QList<ScreenInfo> screens;
    for (const QString& part : layout.split(u',', Qt::SkipEmptyParts)) {
        const auto m = entry.match(part.trimmed());
        Q_ASSERT(m.hasMatch());
        const QString name = m.captured(1).isEmpty()
                                 ? QStringLiteral("Screen %1").arg(screens.size())
                                 : m.captured(1);
        screens.append({name,
                        QRect(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(),
                              m.captured(3).toInt()),
                        m.captured(6).isEmpty() ? 1.0 : m.captured(6).toDouble()});
    }
    return screens;
}

class FakeScreens final : public Screens {
public:
    explicit FakeScreens(const QString& initial = QStringLiteral("1920x1080+0+0"))
        : layout(screenLayout(initial)) {}
    QList<ScreenInfo> screens() const override { return layout; }

    // Changes the layout and tells the observers, as a monitor change would.
    void setLayout(const QString& text) {
        layout = screenLayout(text);
        emit changed();
    }

    QList<ScreenInfo> layout;
};
