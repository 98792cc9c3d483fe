#include "settings/ColorPresets.h"

#include <QtGlobal>

#include <array>

std::span<const ColorPreset> backgroundColorPresets() {
    // "Transparent" stores the same string as "Black": how see-through the
    // banner is depends on its opacity alone.
    static const std::array<ColorPreset, 7> presets{{
        {QT_TRANSLATE_NOOP("Menu", "Black"), QStringLiteral("#000000")},
        {QT_TRANSLATE_NOOP("Menu", "Dark Blue"), QStringLiteral("#1a1a2e")},
        {QT_TRANSLATE_NOOP("Menu", "Dark Green"), QStringLiteral("#0d1f0d")},
        {QT_TRANSLATE_NOOP("Menu", "Dark Red"), QStringLiteral("#2e1a1a")},
        {QT_TRANSLATE_NOOP("Menu", "Navy"), QStringLiteral("#0a1628")},
        {QT_TRANSLATE_NOOP("Menu", "Charcoal"), QStringLiteral("#2d2d2d")},
        {QT_TRANSLATE_NOOP("Menu", "Transparent"), QStringLiteral("#000000")},
    }};
    return presets;
}

std::span<const ColorPreset> textColorPresets() {
    static const std::array<ColorPreset, 7> presets{{
        {QT_TRANSLATE_NOOP("Menu", "White"), QStringLiteral("#FFFFFF")},
        {QT_TRANSLATE_NOOP("Menu", "Green"), QStringLiteral("#00ff88")},
        {QT_TRANSLATE_NOOP("Menu", "Cyan"), QStringLiteral("#00FFFF")},
        {QT_TRANSLATE_NOOP("Menu", "Yellow"), QStringLiteral("#FFFF00")},
        {QT_TRANSLATE_NOOP("Menu", "Orange"), QStringLiteral("#FFA500")},
        {QT_TRANSLATE_NOOP("Menu", "Red"), QStringLiteral("#FF4444")},
        {QT_TRANSLATE_NOOP("Menu", "Blue"), QStringLiteral("#4488FF")},
    }};
    return presets;
}
