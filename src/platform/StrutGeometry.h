#pragma once

#include "platform/Screens.h"
#include "platform/Strut.h"

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

// Strut arithmetic. Struts are in device pixels relative to the root
// window's outer edges; screens are in logical pixels.

// A screen's rectangle in device pixels (Qt keeps each screen's top-left
// corner and scales its size).
QRect deviceRect(const ScreenInfo& screen);
// A rectangle on that screen in device pixels.
QRect toDevice(const QRect& logical, const ScreenInfo& screen);

// How far the given struts reach into a monitor from each side, in device
// pixels. Only struts whose band covers part of the monitor count.
QMargins reservedInsets(const QRect& monitor, const QSize& root, const QList<Strut>& struts);

// The screen's available area: the screen less what other docks and panels reserve on it,
// in logical pixels.
QRect availableArea(const ScreenInfo& screen, const QSize& root, const QList<Strut>& struts);

// The strut that keeps a banner's strip reserved, all in device pixels: for
// the top family, from the root window's top edge down to the banner's
// bottom edge; for the bottom family, from the banner's top edge down to the
// root window's bottom edge; in both, only along the banner's own horizontal
// extent. A strut can only reserve space from the root window's outer edge:
// when another monitor lies between that edge and the banner (a top banner
// with a monitor above it), there is no strut.
std::optional<Strut> bannerStrut(const QRect& banner, bool topFamily, const QSize& root,
                                 const QList<QRect>& otherMonitors);
