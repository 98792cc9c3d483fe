#pragma once

#include <QColor>
#include <QPixmap>

// Small icons of our own, drawn from SVG and tinted to a colour.
enum class Icon { processor, memoryChip, banner };

QPixmap iconPixmap(Icon icon, int size, const QColor& tint, qreal devicePixelRatio = 1.0);
