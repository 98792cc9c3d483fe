#pragma once

#include "app/AppDelegate.h"

#include <QMetaObject>
#include <QTimer>

// A delegate that only counts the nudge passes it is asked for.
class CountingDelegate : public AppDelegate {
public:
    using AppDelegate::AppDelegate;
    void nudgeOverlappingWindows() override { ++passes; }
    int passes = 0;
};

// Fires a timer's timeout now, as if its interval had passed.
inline void fire(const QTimer& timer) {
    QMetaObject::invokeMethod(const_cast<QTimer*>(&timer), "timeout");
}
