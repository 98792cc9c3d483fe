#include "settings/BannerSettings.h"

#include "platform/PreferencesStore.h"
#include "settings/HexColor.h"

QString BannerSettings::settingsKey(const QString& instanceId) {
    return QStringLiteral("VorlaneSettings_") + instanceId;
}

QString BannerSettings::settingsKey() const {
    return settingsKey(instanceId);
}

BannerSettings BannerSettings::load(const PreferencesStore& store, const QString& instanceId) {
    BannerSettings settings;
    if (const auto bytes = store.data(settingsKey(instanceId))) {
        if (auto decoded = fromJsonBytes(*bytes))
            settings = std::move(*decoded);
    }
    settings.instanceId = instanceId;
    return settings;
}

void BannerSettings::save(PreferencesStore& store) const {
    if (const auto bytes = toJsonBytes())
        store.setData(settingsKey(), *bytes);
}

QColor BannerSettings::bgColor() const {
    return toQColor(colorFromHex(bgColorHex));
}

QColor BannerSettings::textColor() const {
    return toQColor(colorFromHex(textColorHex));
}
