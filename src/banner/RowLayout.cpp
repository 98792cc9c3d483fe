#include "banner/RowLayout.h"

#include <algorithm>
#include <vector>

namespace {

enum class Item { image, space, text, metrics };

std::vector<Item> itemsFor(TextAlign align, bool hasImage) {
    std::vector<Item> items;
    if (hasImage)
        items.push_back(Item::image);
    if (align != TextAlign::left)
        items.push_back(Item::space);
    items.push_back(Item::text);
    if (align != TextAlign::right)
        items.push_back(Item::space);
    items.push_back(Item::metrics);
    return items;
}

} // namespace

RowLayout layoutRow(const RowInput& in) {
    const double height = in.banner.height();
    // The image is fitted to the banner height less 4, keeping its aspect.
    QSizeF image;
    if (in.imageSize && !in.imageSize->isEmpty()) {
        const double h = std::max(0.0, height - 4.0);
        image = QSizeF(in.imageSize->width() * h / in.imageSize->height(), h);
    }
    const bool hasImage = !image.isEmpty();
    const double textInset = in.align == TextAlign::left ? textLeadingInset : 0.0;

    const std::vector<Item> items = itemsFor(in.align, hasImage);
    const auto spaces = static_cast<double>(std::count(items.begin(), items.end(), Item::space));
    const double fixed = (hasImage ? imageLeadingInset + image.width() : 0.0) + textInset +
                         in.textWidth + in.metricsWidth + metricsTrailingInset +
                         rowSpacing * static_cast<double>(items.size() - 1);
    const double free = in.banner.width() - fixed;
    const double spaceWidth = free > 0 ? free / spaces : 0.0;
    const double textWidth = free < 0 ? std::max(0.0, in.textWidth + free) : in.textWidth;

    const auto centred = [height](double x, double w, double h) {
        return QRectF(x, (height - h) / 2.0, w, h);
    };
    RowLayout layout;
    double x = 0;
    for (Item item : items) {
        switch (item) {
        case Item::image:
            layout.image = centred(x + imageLeadingInset, image.width(), image.height());
            x += imageLeadingInset + image.width();
            break;
        case Item::space:
            x += spaceWidth;
            break;
        case Item::text:
            layout.text = centred(x + textInset, textWidth, in.textHeight);
            x += textInset + textWidth;
            break;
        case Item::metrics:
            layout.metrics = centred(x, in.metricsWidth, in.metricsHeight);
            x += in.metricsWidth + metricsTrailingInset;
            break;
        }
        x += rowSpacing;
    }
    return layout;
}
