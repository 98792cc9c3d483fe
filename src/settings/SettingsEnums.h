#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The two closed enumerations of a banner's settings. The stored form
// (rawValue) is what the settings document holds; the display name is the
// menu title, in the person's language. The order of the cases is the order menus list them in.

enum class BannerPosition { top, bottom, topLeft, topRight, bottomLeft, bottomRight };
enum class TextAlign { left, center, right };

inline constexpr std::array<BannerPosition, 6> allBannerPositions{
    BannerPosition::top,      BannerPosition::bottom,     BannerPosition::topLeft,
    BannerPosition::topRight, BannerPosition::bottomLeft, BannerPosition::bottomRight};
inline constexpr std::array<TextAlign, 3> allTextAligns{TextAlign::left, TextAlign::center,
                                                        TextAlign::right};

QString rawValue(BannerPosition position);
QString displayName(BannerPosition position);
// Exact, case-sensitive match of a stored form; no trimming.
std::optional<BannerPosition> bannerPositionFromRaw(QStringView raw);

// The top family (top, topLeft, topRight) sits against the top edge.
bool isTop(BannerPosition position);
bool isCorner(BannerPosition position);

QString rawValue(TextAlign align);
QString displayName(TextAlign align);
std::optional<TextAlign> textAlignFromRaw(QStringView raw);
