#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

// Small icons of our own, drawn with QPainter.
enum class Icon { processor, memoryChip };

// A readout icon tinted to one colour.
QPixmap iconPixmap(Icon icon, int size, const QColor& tint, qreal devicePixelRatio = 1.0);
// The program's icon (dialogs and tray), in its own colours: a rounded
// rectangle with its top third filled, light with a dark outline so that it
// shows on dark and light panels alike.
QPixmap programIconPixmap(int size);
QIcon programIcon(); // drawn in each size when it is first asked for
