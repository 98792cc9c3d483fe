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

// The fonts of the row, with the settings' sizes clamped to what can be
// drawn: the text at fontSize (medium weight), the readouts one point
// smaller (regular weight), both monospaced.
QFont bannerTextFont(double fontSize);
QFont bannerReadoutFont(double fontSize);

// Draws one banner: the background in the banner colour at `opacity`, the
// image, the text and the readouts. It reads the settings at every paint.
// When the sampler publishes, it paints again only if a readout's text
// changed, and then only the readouts, unless their width changed too.
class BannerContentView : public QWidget {
    Q_OBJECT
public:
    BannerContentView(const BannerSettings& settings, const SystemMetrics& metrics,
                      QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void metricsChanged();

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
