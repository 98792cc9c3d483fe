#pragma once

#include "platform/Screens.h"
#include "settings/BannerSettings.h"

#include <QList>
#include <QRect>
#include <QRectF>

#include <optional>

// Where the banner goes. All rectangles are in Qt's global logical space:
// origin top-left, y down.

inline constexpr double cornerWidth = 420.0;

// The banner rectangle for a screen's whole area F and its available area A
// (less what other docks reserve). The top family hangs from A's top edge
// but takes its horizontal extent from F; the bottom family stands on A's
// bottom edge and takes its horizontal extent from A.
QRectF frameFor(BannerPosition position, const QRectF& full, const QRectF& available,
                double height);

// The first screen whose name equals screenName, else the
// screen at screenIndex, else the first screen; nothing when there is none.
std::optional<qsizetype> targetScreenIndex(const BannerSettings& settings,
                                           const QList<ScreenInfo>& screens);

// The settings carry no range checks, so the window never gets a height the
// X server would reject: at least 1, at most the screen's height (a value
// that is not a number gives the default height).
double drawableHeight(double bannerHeight, double screenHeight);

// The banner's window rectangle in whole logical pixels, wholly on the
// screen even where other docks leave it less room than its height.
QRect bannerRect(const BannerSettings& settings, const ScreenInfo& screen, const QRect& available);
