#pragma once

#include "settings/SettingsEnums.h"

#include <QRectF>
#include <QSizeF>

#include <optional>

// The banner row, left to right, with 8 points between adjacent items:
//   left:   image, text (8-point leading inset), flexible space, metrics
//   center: image, flexible space, text, flexible space, metrics
//   right:  image, flexible space, text, metrics
// The metrics group always ends the row, followed by an 8-point inset, and
// keeps its place even when it is empty. Flexible spaces share the free
// width equally; when there is none, the text gives way (it is cut at its end).

inline constexpr double rowSpacing = 8.0;
inline constexpr double imageLeadingInset = 4.0;
inline constexpr double textLeadingInset = 8.0;
inline constexpr double metricsTrailingInset = 8.0;
inline constexpr double readoutSpacing = 12.0;

struct RowInput {
    QSizeF banner;
    std::optional<QSizeF> imageSize; // the image's own size, when there is one
    TextAlign align = TextAlign::left;
    double textWidth = 0; // the text's natural width
    double textHeight = 0;
    double metricsWidth = 0; // the readouts with the spacing between them
    double metricsHeight = 0;
};

struct RowLayout {
    std::optional<QRectF> image;
    QRectF text; // where the (possibly cut) text is drawn
    QRectF metrics;
};

RowLayout layoutRow(const RowInput& input);
