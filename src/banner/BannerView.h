#pragma once

#include "banner/ImageCache.h"

#include <QFont>
#include <QFontMetricsF>
#include <QWidget>

#include <optional>

struct BannerSettings;
class SystemMetrics;

// The readout texts: "8%" and "10.3/16GB".
QString cpuReadoutText(double cpuUsage);
QString memoryReadoutText(double usedGB, double totalGB);
// The text up to its first line break, then an ellipsis; the text itself when it has none.
QString firstLine(const QString& text);
// The line the banner shows of a text: its first, and of a very long one the start.
QString shownLine(const QString& text);

// The fonts of the row, with the settings' sizes clamped to what can be
// drawn: the text at fontSize (medium weight), the readouts one point
// smaller (regular weight), both monospaced.
QFont bannerTextFont(double fontSize);
QFont bannerReadoutFont(double fontSize);

// Draws the banner: the background in the banner colour at `opacity`, the
// image, the text and the readouts. The text is measured and cut to fit
// once per change of the settings or the size, the image read once per file;
// when the sampler publishes, only the readouts are painted again (the whole
// row only when their width changed), and only if their text changed.
class BannerView : public QWidget {
    Q_OBJECT
public:
    BannerView(const BannerSettings& settings, const SystemMetrics& metrics,
               QWidget* parent = nullptr);

    // The settings changed: laid out and painted anew.
    void settingsChanged();
    // How many times that was so (for tests that a change is drawn).
    int layouts() const { return m_layouts; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void metricsChanged();
    // The accessible name and description: the text, and the readouts.
    void describe();
    // The first line of the text, its width, and what of it fits in `room`
    // (when that is given).
    struct TextLine {
        QString line;
        double width = 0;
        double room = -1;
        QString shown;
    };
    const TextLine& textLine(const QFontMetricsF& metrics, double room);
    std::optional<TextLine> m_text;
    int m_layouts = 0;

    // The fonts and their metrics, made again only when the font size changed.
    struct Fonts {
        double fontSize;
        QFont text, readout;
        QFontMetricsF textMetrics, readoutMetrics;
    };
    const Fonts& fonts();
    std::optional<Fonts> m_fonts;

    const BannerSettings& m_settings;
    const SystemMetrics& m_metrics;
    ImageCache m_images;
    // What the last paint showed of the readouts, and where.
    QString m_shownReadouts;
    double m_shownReadoutWidth = -1;
    QRect m_readoutArea;
};
