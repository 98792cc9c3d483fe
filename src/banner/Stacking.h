#pragma once

#include "platform/OtherWindows.h"

#include <QList>
#include <QRect>

// Banners at one edge of one screen stack instead of covering each other:
// each moves away from the edge past the banners started before it there.
// Only the earlier ones count, so no two banners ever chase each other.

// How far (in device pixels) a banner with the given frame moves away from
// its edge: past the far side of every earlier banner at the same edge of
// the same screen (`screen`, device pixels) that shares part of its width.
// Earlier places come from other programs' windows: one that is not wholly
// on the screen does not count, and a banner never moves off its screen
// (`full` then says that it stacks no further than the screen's far edge).
int stackOffset(const BannerPlace& own, const QRect& screen, const QList<BannerPlace>& earlier,
                bool* full = nullptr);
