#pragma once

#include <QString>

#include <span>

// The named colours the context menu offers. The hex strings are stored
// into the settings exactly as written here, letter case included.

struct ColorPreset {
    const char* name; // in English, marked for the menu to translate
    QString hex;
};

std::span<const ColorPreset> backgroundColorPresets();
std::span<const ColorPreset> textColorPresets();
