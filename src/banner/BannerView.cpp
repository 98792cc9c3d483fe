#include "banner/BannerView.h"

#include "banner/Icons.h"
#include "banner/RowLayout.h"
#include "metrics/SystemMetrics.h"
#include "settings/BannerSettings.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <cstdio>

#include <algorithm>
#include <cmath>

namespace {

constexpr double largestFontSize = 512.0;
constexpr double iconTextGap = 4.0;

int clampedPixelSize(double size) {
    if (!std::isfinite(size))
        size = 13.0;
    return static_cast<int>(std::lround(std::clamp(size, 1.0, largestFontSize)));
}

QFont monospaced(int pixelSize, QFont::Weight weight) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace

// One line: text after a line break is cut like text that does not fit.
QString firstLine(const QString& text) {
    const auto lineBreak =
        std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    return lineBreak == text.cend() ? text : text.first(lineBreak - text.cbegin()) + QChar(0x2026);
}

// No screen shows more than this many characters in one line: a longer
// text is measured and cut as its start (it is cut anyway).
QString shownLine(const QString& text) {
    constexpr qsizetype longestShown = 8192;
    const QString line = firstLine(text.left(longestShown + 1));
    return line.size() > longestShown ? line.left(longestShown) + QChar(0x2026) : line;
}

namespace {

struct Readout {
    Icon icon;
    QString text;
};

QList<Readout> readoutsOf(const BannerSettings& s, const SystemMetrics& metrics) {
    QList<Readout> readouts;
    if (s.showCPU)
        readouts.append({Icon::processor, cpuReadoutText(metrics.cpuUsage())});
    if (s.showMemory)
        readouts.append(
            {Icon::memoryChip, memoryReadoutText(metrics.memUsedGB(), metrics.memTotalGB())});
    return readouts;
}

// The readouts as a screen reader says them: "CPU 8%, memory 10.3/16GB".
QString spoken(const QList<Readout>& readouts) {
    QStringList parts;
    for (const Readout& r : readouts)
        parts << (r.icon == Icon::processor ? BannerView::tr("CPU %1")
                                            : BannerView::tr("memory %1"))
                     .arg(r.text);
    return parts.join(QStringLiteral(", "));
}

QString joined(const QList<Readout>& readouts) {
    QString all;
    for (const Readout& r : readouts)
        all += r.text + u'\n';
    return all;
}

// The readouts' width: each icon, gap and text, with spacing between them.
double widthOf(const QList<Readout>& readouts, const QFont& font, const QFontMetricsF& metrics) {
    const double iconSize = font.pixelSize();
    double width = 0;
    for (const Readout& r : readouts)
        width += iconSize + iconTextGap + metrics.horizontalAdvance(r.text);
    if (!readouts.isEmpty())
        width += readoutSpacing * static_cast<double>(readouts.size() - 1);
    return width;
}

} // namespace

// The C library's printf rounds halves to even ("%.0f" of 2.5 is "2");
// QString::asprintf does not.
QString cpuReadoutText(double cpuUsage) {
    char text[64];
    std::snprintf(text, sizeof text, "%.0f%%", cpuUsage);
    return QString::fromLatin1(text);
}

QString memoryReadoutText(double usedGB, double totalGB) {
    char text[96];
    std::snprintf(text, sizeof text, "%.1f/%.0fGB", usedGB, totalGB);
    return QString::fromLatin1(text);
}

QFont bannerTextFont(double fontSize) {
    return monospaced(clampedPixelSize(fontSize), QFont::Medium);
}

QFont bannerReadoutFont(double fontSize) {
    return monospaced(clampedPixelSize(std::isfinite(fontSize) ? fontSize - 1.0 : fontSize),
                      QFont::Normal);
}

BannerView::BannerView(const BannerSettings& settings, const SystemMetrics& metrics,
                       QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_metrics(metrics) {
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    connect(&metrics, &SystemMetrics::changed, this, &BannerView::metricsChanged);
    describe();
}

void BannerView::describe() {
    // What a screen reader reads: the text, and the readouts when shown.
    if (const QString name = shownLine(m_settings.text); name != accessibleName())
        setAccessibleName(name);
    if (const QString readouts = spoken(readoutsOf(m_settings, m_metrics));
        readouts != accessibleDescription())
        setAccessibleDescription(readouts);
}

const BannerView::Fonts& BannerView::fonts() {
    const double size = m_settings.fontSize;
    if (!m_fonts || !(m_fonts->fontSize == size)) {
        const QFont text = bannerTextFont(size), readout = bannerReadoutFont(size);
        m_fonts.emplace(Fonts{size, text, readout, QFontMetricsF(text), QFontMetricsF(readout)});
    }
    return *m_fonts;
}

void BannerView::settingsChanged() {
    m_text.reset();
    ++m_layouts;
    describe();
    update();
}

const BannerView::TextLine& BannerView::textLine(const QFontMetricsF& metrics, double room) {
    if (!m_text) {
        m_text.emplace();
        m_text->line = shownLine(m_settings.text);
        m_text->width = metrics.horizontalAdvance(m_text->line);
    }
    if (room >= 0 && m_text->room != room) {
        m_text->room = room;
        m_text->shown = metrics.elidedText(m_text->line, Qt::ElideRight, room);
    }
    return *m_text;
}

void BannerView::metricsChanged() {
    describe();
    const QList<Readout> readouts = readoutsOf(m_settings, m_metrics);
    if (joined(readouts) == m_shownReadouts)
        return; // nothing on screen would change
    if (widthOf(readouts, fonts().readout, fonts().readoutMetrics) == m_shownReadoutWidth)
        update(m_readoutArea);
    else
        update(); // the row is laid out anew
}

void BannerView::paintEvent(QPaintEvent*) {
    const BannerSettings& s = m_settings;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // The window is transparent; only this fill carries the opacity.
    QColor background = s.bgColor();
    background.setAlphaF(
        background.alphaF() *
        static_cast<float>(std::isfinite(s.opacity) ? std::clamp(s.opacity, 0.0, 1.0) : 1.0));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), background);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const Fonts& f = fonts();
    const QFont& textFont = f.text;
    const QFont& readoutFont = f.readout;
    const QFontMetricsF& textMetrics = f.textMetrics;
    const QFontMetricsF& readoutMetrics = f.readoutMetrics;

    const QList<Readout> readouts = readoutsOf(s, m_metrics);
    const double iconSize = readoutFont.pixelSize();
    const double metricsWidth = widthOf(readouts, readoutFont, readoutMetrics);

    const QImage image = s.imagePath ? m_images.image(*s.imagePath) : QImage();
    RowInput input;
    input.banner = QSizeF(size());
    if (!image.isNull())
        input.imageSize = QSizeF(image.size());
    input.align = s.textAlign;
    input.textWidth = textLine(textMetrics, -1).width;
    input.textHeight = textMetrics.height();
    input.metricsWidth = metricsWidth;
    input.metricsHeight = std::max(iconSize, readoutMetrics.height());
    const RowLayout row = layoutRow(input);
    m_shownReadouts = joined(readouts);
    m_shownReadoutWidth = metricsWidth;
    m_readoutArea = row.metrics.toAlignedRect().adjusted(-1, -1, 1, 1);

    if (row.image)
        painter.drawImage(*row.image, image);

    const QColor textColor = s.textColor();
    painter.setFont(textFont);
    painter.setPen(textColor);
    painter.drawText(row.text.adjusted(0, 0, 1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     textLine(textMetrics, row.text.width() + 0.5).shown);

    QColor readoutColor = textColor;
    readoutColor.setAlphaF(textColor.alphaF() * 0.8f);
    painter.setFont(readoutFont);
    painter.setPen(readoutColor);
    double x = row.metrics.left();
    const double centreY = row.metrics.center().y();
    for (const Readout& r : readouts) {
        const QPixmap icon =
            iconPixmap(r.icon, static_cast<int>(iconSize), readoutColor, devicePixelRatioF());
        painter.drawPixmap(QPointF(x, centreY - iconSize / 2.0), icon);
        x += iconSize + iconTextGap;
        const double width = readoutMetrics.horizontalAdvance(r.text);
        painter.drawText(QRectF(x, row.metrics.top(), width + 1, row.metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, r.text);
        x += width + readoutSpacing;
    }
}
