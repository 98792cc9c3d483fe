#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

// Hex colour strings: "#" and six hex digits, red, green and blue. Read
// leniently (anything unreadable gives the fallback grey), written in upper
// case with truncated, not rounded, components.

struct RgbColor {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

inline constexpr RgbColor fallbackGrey{0.5, 0.5, 0.5, 1.0};

RgbColor colorFromHex(QStringView hex);

// Components outside 0..1 are clamped before they are formatted.
QString hexString(const RgbColor& color);
// Converts to sRGB first; a colour without an RGB form gives "#888888".
QString hexString(const QColor& color);

QColor toQColor(const RgbColor& color);
