#include "settings/HexColor.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// An unsigned hexadecimal number as the standard integer parser reads it: one
// optional leading sign, then at least one digit. A minus sign is accepted
// only for a value of zero (an unsigned number cannot be negative).
std::optional<std::uint64_t> parseUnsignedHex(QStringView text) {
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (QChar c : text) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(digit);
    }
    if (negative && value != 0)
        return std::nullopt;
    return value;
}

int truncatedByte(double component) {
    const double clamped = std::clamp(component, 0.0, 1.0);
    return static_cast<int>(clamped * 255.0); // truncates toward zero: 0.999 -> 254
}

} // namespace

RgbColor colorFromHex(QStringView hex) {
    QStringView text = hex.trimmed();
    if (text.startsWith(u'#'))
        text = text.mid(1);
    if (text.size() != 6)
        return fallbackGrey;
    const auto value = parseUnsignedHex(text);
    if (!value)
        return fallbackGrey;
    const auto channel = [&](int shift) {
        return static_cast<double>((*value >> shift) & 0xFF) / 255.0;
    };
    return RgbColor{channel(16), channel(8), channel(0), 1.0};
}

QString hexString(const RgbColor& color) {
    return QStringLiteral("#%1%2%3")
        .arg(truncatedByte(color.red), 2, 16, QLatin1Char('0'))
        .arg(truncatedByte(color.green), 2, 16, QLatin1Char('0'))
        .arg(truncatedByte(color.blue), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString hexString(const QColor& color) {
    if (!color.isValid())
        return QStringLiteral("#888888");
    const QColor rgb = color.toRgb();
    return hexString(RgbColor{rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF()});
}

QColor toQColor(const RgbColor& color) {
    return QColor::fromRgbF(static_cast<float>(color.red), static_cast<float>(color.green),
                            static_cast<float>(color.blue), static_cast<float>(color.alpha));
}
