#pragma once

#include <QColor>
#include <QPixmap>

// Small icons of our own, drawn with QPainter.
enum class Icon { processor, memoryChip };

// A readout icon tinted to one colour.
QPixmap iconPixmap(Icon icon, int size, const QColor& tint, qreal devicePixelRatio = 1.0);
// The program's icon (windows and tray), in its own colours.
QPixmap programIconPixmap(int size);
