#pragma once

#include "platform/WindowSystem.h"

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

// The strut that keeps a banner's strip reserved, all in device pixels: for
// the top family, from the root window's top edge down to the banner's
// bottom edge; for the bottom family, from the banner's top edge down to the
// root window's bottom edge; in both, only along the banner's own horizontal
// extent. A strut can only reserve space from the root window's outer edge:
// when another monitor lies between that edge and the banner (a top banner
// with a monitor above it), there is no strut.
std::optional<Strut> bannerStrut(const QRect& banner, bool topFamily, const QSize& root,
                                 const QList<QRect>& otherMonitors);
