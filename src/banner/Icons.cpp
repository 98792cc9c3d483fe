#include "banner/Icons.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

namespace {

// Each icon is drawn with a 1.8-wide black pen on a 24x24 grid; the colour
// comes from the tint afterwards.
void drawProcessor(QPainter& p) {
    p.drawRoundedRect(QRectF(6, 6, 12, 12), 1.5, 1.5);
    p.drawRect(QRectF(9.5, 9.5, 5, 5));
    for (const qreal at : {9, 12, 15}) { // the pins on all four sides
        p.drawLine(QLineF(at, 2, at, 6));
        p.drawLine(QLineF(at, 18, at, 22));
        p.drawLine(QLineF(2, at, 6, at));
        p.drawLine(QLineF(18, at, 22, at));
    }
}

void drawMemoryChip(QPainter& p) {
    p.drawRoundedRect(QRectF(2, 6, 20, 10), 1.5, 1.5);
    for (const qreal x : {5, 8, 11, 14, 17, 20}) // the contacts below
        p.drawLine(QLineF(x, 16, x, 19));
    p.setBrush(Qt::black);
    for (const qreal x : {5.0, 10.5, 16.0}) // the memory cells
        p.drawRect(QRectF(x, 9, 3, 4));
}

} // namespace

QPixmap iconPixmap(Icon icon, int size, const QColor& tint, qreal devicePixelRatio) {
    // Drawn once per icon, size, colour and scale, not at every paint.
    const QString key = QStringLiteral("vorlane-icon-%1-%2-%3-%4")
                            .arg(int(icon))
                            .arg(size)
                            .arg(tint.rgba())
                            .arg(devicePixelRatio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;
    const int devicePixels = std::max(1, qRound(size * devicePixelRatio));
    QPixmap pixmap(devicePixels, devicePixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(devicePixels / 24.0, devicePixels / 24.0);
    painter.setPen(QPen(Qt::black, 1.8, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    if (icon == Icon::processor)
        drawProcessor(painter);
    else
        drawMemoryChip(painter);
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), tint);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap programIconPixmap(int size) {
    // The shapes of data/com.tarnwick.vorlane.svg, on its 16x16 grid: a
    // light rounded window whose top band is filled.
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    const QColor dark(0x1e, 0x1e, 0x1e);
    p.setPen(QPen(dark, 1));
    p.setBrush(QColor(0xf4, 0xf4, 0xf4));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 2, 2);
    QPainterPath band(QPointF(2, 6.5)); // rounded at the top only
    band.arcTo(QRectF(2, 3, 3, 3), 180, -90);
    band.arcTo(QRectF(11, 3, 3, 3), 90, -90);
    band.lineTo(14, 6.5);
    band.closeSubpath();
    p.fillPath(band, dark);
    return pixmap;
}

namespace {

// Draws the program's icon in a size when that size is first asked for, and
// keeps it: a tray that shows it at 22 pixels costs one drawing, not seven.
class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::max(1, std::min(size.width(), size.height()));
        auto it = m_drawn.find(side);
        if (it == m_drawn.end())
            it = m_drawn.insert(side, programIconPixmap(side));
        return *it;
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        // The sizes trays and taskbars ask for, where edges fall on whole pixels.
        return {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {96, 96}};
    }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

private:
    QHash<int, QPixmap> m_drawn;
};

} // namespace

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}
