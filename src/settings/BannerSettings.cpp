#include "settings/BannerSettings.h"

#include "platform/PreferencesStore.h"
#include "settings/HexColor.h"

QString BannerSettings::settingsKey(const QString& instanceId) {
    return QStringLiteral("VorlaneSettings_") + instanceId;
}

QString BannerSettings::settingsKey() const {
    return settingsKey(instanceId);
}

BannerSettings BannerSettings::load(PreferencesStore& store, const QString& instanceId,
                                    QString* unreadable) {
    BannerSettings settings;
    const QString key = settingsKey(instanceId);
    if (const auto bytes = store.data(key)) {
        if (auto decoded = fromJsonBytes(*bytes)) {
            settings = std::move(*decoded);
        } else {
            // What a person wrote is kept before the defaults replace it.
            const auto copy = store.keepAside(key);
            const QString what =
                QStringLiteral("The settings of this banner could not be read; the defaults are "
                               "used") +
                (copy ? QStringLiteral(", and what was there is kept as ") + *copy : QString());
            qWarning("vorlane: \"%s\": %s", qPrintable(instanceId), qPrintable(what));
            if (unreadable)
                *unreadable = what;
        }
    }
    settings.instanceId = instanceId;
    return settings;
}

std::optional<QString> BannerSettings::save(PreferencesStore& store, Flush flush) const {
    const auto bytes = toJsonBytes();
    auto error = bytes ? store.setData(settingsKey(), *bytes, flush)
                       : std::optional<QString>(QStringLiteral("a number is not finite"));
    if (error)
        qWarning("vorlane: the settings of \"%s\" were not saved: %s", qPrintable(instanceId),
                 qPrintable(*error));
    return error;
}

QColor BannerSettings::bgColor() const {
    return toQColor(colorFromHex(bgColorHex));
}

QColor BannerSettings::textColor() const {
    return toQColor(colorFromHex(textColorHex));
}
