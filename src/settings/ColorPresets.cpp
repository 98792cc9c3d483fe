#include "settings/ColorPresets.h"

#include <array>

std::span<const ColorPreset> backgroundColorPresets() {
    // "Transparent" stores the same string as "Black": how see-through the
    // banner is depends on its opacity alone.
    static const std::array<ColorPreset, 7> presets{{
        {QStringLiteral("Black"), QStringLiteral("#000000")},
        {QStringLiteral("Dark Blue"), QStringLiteral("#1a1a2e")},
        {QStringLiteral("Dark Green"), QStringLiteral("#0d1f0d")},
        {QStringLiteral("Dark Red"), QStringLiteral("#2e1a1a")},
        {QStringLiteral("Navy"), QStringLiteral("#0a1628")},
        {QStringLiteral("Charcoal"), QStringLiteral("#2d2d2d")},
        {QStringLiteral("Transparent"), QStringLiteral("#000000")},
    }};
    return presets;
}

std::span<const ColorPreset> textColorPresets() {
    static const std::array<ColorPreset, 7> presets{{
        {QStringLiteral("White"), QStringLiteral("#FFFFFF")},
        {QStringLiteral("Green"), QStringLiteral("#00ff88")},
        {QStringLiteral("Cyan"), QStringLiteral("#00FFFF")},
        {QStringLiteral("Yellow"), QStringLiteral("#FFFF00")},
        {QStringLiteral("Orange"), QStringLiteral("#FFA500")},
        {QStringLiteral("Red"), QStringLiteral("#FF4444")},
        {QStringLiteral("Blue"), QStringLiteral("#4488FF")},
    }};
    return presets;
}
