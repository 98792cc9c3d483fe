#pragma once

// What the fakes were asked, in order, so that tests can check the order in
// which the program used them (each new FakePlatform starts it anew).
#include <QStringList>

inline QStringList journal;
