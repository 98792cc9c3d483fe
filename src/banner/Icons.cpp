#include "banner/Icons.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace {

// Drawn in black on a 24x24 grid; the colour comes from the tint.
constexpr char processorSvg[] = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 24 24">
<g fill="none" stroke="#000" stroke-width="1.8">
<rect x="6" y="6" width="12" height="12" rx="1.5"/>
<rect x="9.5" y="9.5" width="5" height="5"/>
<path d="M9 2v4M12 2v4M15 2v4M9 18v4M12 18v4M15 18v4M2 9h4M2 12h4M2 15h4M18 9h4M18 12h4M18 15h4"/>
</g></svg>)";

constexpr char memoryChipSvg[] = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 24 24">
<g fill="none" stroke="#000" stroke-width="1.8">
<rect x="2" y="6" width="20" height="10" rx="1.5"/>
<path d="M5 16v3M8 16v3M11 16v3M14 16v3M17 16v3M20 16v3"/>
<rect x="5" y="9" width="3" height="4" fill="#000"/>
<rect x="10.5" y="9" width="3" height="4" fill="#000"/>
<rect x="16" y="9" width="3" height="4" fill="#000"/>
</g></svg>)";

constexpr char bannerSvg[] = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 24 24">
<rect x="2.5" y="3.5" width="19" height="17" rx="2.5" fill="none" stroke="#000" stroke-width="1.8"/>
<rect x="5" y="6" width="14" height="5" rx="1" fill="#000"/>
</svg>)";

const char* svgFor(Icon icon) {
    switch (icon) {
    case Icon::processor:
        return processorSvg;
    case Icon::memoryChip:
        return memoryChipSvg;
    case Icon::banner:
        return bannerSvg;
    }
    return bannerSvg;
}

} // namespace

QPixmap iconPixmap(Icon icon, int size, const QColor& tint, qreal devicePixelRatio) {
    // Drawn once per icon, size, colour and scale: reading the SVG again at
    // every paint was most of what an idle banner did.
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
    QSvgRenderer renderer(QByteArray(svgFor(icon)));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), tint);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}
