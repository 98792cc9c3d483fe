#pragma once

#include "platform/Screens.h"

#include <QRegularExpression>

// Screens as data: "1920x1080+0+0,HDMI-1=1280x1024+1920+0@2", primary
// first; unnamed ones are "Screen 0", "Screen 1", ...; "@2" a pixel ratio.
inline QList<ScreenInfo> screenLayout(const QString& layout) {
    static const QRegularExpression entry(
        QStringLiteral(R"(^(?:(.+)=)?(\d+)x(\d+)\+(-?\d+)\+(-?\d+)(?:@([\d.]+))?$)"));
    QList<ScreenInfo> screens;
    for (const QString& part : layout.split(u',', Qt::SkipEmptyParts)) {
        const auto m = entry.match(part.trimmed());
        Q_ASSERT(m.hasMatch());
        screens.append({m.captured(1).isEmpty() ? QStringLiteral("Screen %1").arg(screens.size())
                                                : m.captured(1),
                        QRect(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(),
                              m.captured(3).toInt()),
                        m.captured(6).isEmpty() ? 1.0 : m.captured(6).toDouble()});
    }
    return screens;
}
