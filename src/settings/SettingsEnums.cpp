#include "settings/SettingsEnums.h"

#include <QCoreApplication>

namespace {

template <typename Enum> struct EnumRow {
    Enum value;
    const char* raw;
    const char* display; // in English, marked for translation
};

constexpr EnumRow<BannerPosition> positionRows[] = {
    {BannerPosition::top, "top", QT_TRANSLATE_NOOP("Menu", "Top")},
    {BannerPosition::bottom, "bottom", QT_TRANSLATE_NOOP("Menu", "Bottom")},
    {BannerPosition::topLeft, "topLeft", QT_TRANSLATE_NOOP("Menu", "Top Left")},
    {BannerPosition::topRight, "topRight", QT_TRANSLATE_NOOP("Menu", "Top Right")},
    {BannerPosition::bottomLeft, "bottomLeft", QT_TRANSLATE_NOOP("Menu", "Bottom Left")},
    {BannerPosition::bottomRight, "bottomRight", QT_TRANSLATE_NOOP("Menu", "Bottom Right")},
};

constexpr EnumRow<TextAlign> alignRows[] = {
    {TextAlign::left, "left", QT_TRANSLATE_NOOP("Menu", "Left")},
    {TextAlign::center, "center", QT_TRANSLATE_NOOP("Menu", "Center")},
    {TextAlign::right, "right", QT_TRANSLATE_NOOP("Menu", "Right")},
};

template <typename Enum, std::size_t N>
const EnumRow<Enum>& rowOf(const EnumRow<Enum> (&rows)[N], Enum value) {
    for (const auto& row : rows) {
        if (row.value == value)
            return row;
    }
    return rows[0];
}

template <typename Enum, std::size_t N>
std::optional<Enum> fromRaw(const EnumRow<Enum> (&rows)[N], QStringView raw) {
    for (const auto& row : rows) {
        if (raw == QLatin1StringView(row.raw))
            return row.value;
    }
    return std::nullopt;
}

} // namespace

QString rawValue(BannerPosition position) {
    return QString::fromLatin1(rowOf(positionRows, position).raw);
}

QString displayName(BannerPosition position) {
    return QCoreApplication::translate("Menu", rowOf(positionRows, position).display);
}

std::optional<BannerPosition> bannerPositionFromRaw(QStringView raw) {
    return fromRaw(positionRows, raw);
}

bool isTop(BannerPosition position) {
    return position == BannerPosition::top || position == BannerPosition::topLeft ||
           position == BannerPosition::topRight;
}

bool isCorner(BannerPosition position) {
    return position != BannerPosition::top && position != BannerPosition::bottom;
}

QString rawValue(TextAlign align) {
    return QString::fromLatin1(rowOf(alignRows, align).raw);
}

QString displayName(TextAlign align) {
    return QCoreApplication::translate("Menu", rowOf(alignRows, align).display);
}

std::optional<TextAlign> textAlignFromRaw(QStringView raw) {
    return fromRaw(alignRows, raw);
}
