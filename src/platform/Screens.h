#pragma once

#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

// One monitor as the placement sees it: its name, its geometry in Qt's global
// logical space (origin top-left, y down) and its device pixel ratio.
struct ScreenInfo {
    QString name;
    QRect geometry;
    qreal devicePixelRatio = 1.0;

    friend bool operator==(const ScreenInfo&, const ScreenInfo&) = default;
};

// The monitors, the primary one first. `changed` is emitted once after any
// change (monitor added, removed, resized or made primary, or the space that
// other docks reserve changed).
class Screens : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual QList<ScreenInfo> screens() const = 0;

signals:
    void changed();
};
