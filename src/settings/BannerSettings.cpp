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
    return fromStored(store.read(settingsKey(instanceId)), store, instanceId, unreadable);
}

BannerSettings BannerSettings::fromStored(const FileContent& stored, PreferencesStore& store,
                                          const QString& instanceId, QString* unreadable) {
    BannerSettings settings;
    settings.instanceId = instanceId;
    QString what;
    if (stored.isRefused()) {
        what = QStringLiteral("The settings of this banner cannot be read (%1); the defaults are "
                              "used, and the file is left as it is")
                   .arg(stored.problem);
    } else if (stored.isPresent()) {
        if (auto decoded = fromJsonBytes(stored.bytes)) {
            settings = std::move(*decoded);
            settings.instanceId = instanceId;
            return settings;
        }
        // What a person wrote is kept before the defaults replace it.
        const auto copy = store.keepAside(settingsKey(instanceId));
        what = QStringLiteral("The settings of this banner could not be read; the defaults are "
                              "used") +
               (copy ? QStringLiteral(", and what was there is kept as ") + *copy : QString());
    } else {
        return settings;
    }
    if (unreadable)
        *unreadable = what;
    return settings;
}

Result BannerSettings::save(PreferencesStore& store) const {
    const auto bytes = toJsonBytes();
    const Replaced replaced =
        bytes ? store.write(settingsKey(), *bytes, std::nullopt)
              : Replaced{Replaced::Outcome::failed, {}, QStringLiteral("a number is not finite")};
    return replaced.ok() ? Result::done() : Result::failed(replaced.problem);
}

QColor BannerSettings::bgColor() const {
    return toQColor(colorFromHex(bgColorHex));
}

QColor BannerSettings::textColor() const {
    return toQColor(colorFromHex(textColorHex));
}
