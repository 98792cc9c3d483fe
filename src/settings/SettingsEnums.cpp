#include "settings/SettingsEnums.h"

namespace {

template <typename Enum> struct EnumRow {
    Enum value;
    const char* raw;
    const char* display;
};

constexpr EnumRow<BannerPosition> positionRows[] = {
    {BannerPosition::top, "top", "Top"},
    {BannerPosition::bottom, "bottom", "Bottom"},
    {BannerPosition::topLeft, "topLeft", "Top Left"},
    {BannerPosition::topRight, "topRight", "Top Right"},
    {BannerPosition::bottomLeft, "bottomLeft", "Bottom Left"},
    {BannerPosition::bottomRight, "bottomRight", "Bottom Right"},
};

constexpr EnumRow<TextAlign> alignRows[] = {
    {TextAlign::left, "left", "Left"},
    {TextAlign::center, "center", "Center"},
    {TextAlign::right, "right", "Right"},
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
    return QString::fromLatin1(rowOf(positionRows, position).display);
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
    return QString::fromLatin1(rowOf(alignRows, align).display);
}

std::optional<TextAlign> textAlignFromRaw(QStringView raw) {
    return fromRaw(alignRows, raw);
}
