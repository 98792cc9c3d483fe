#pragma once

#include "platform/QSettingsPreferencesStore.h"

#include <QByteArray>
#include <QString>

// Writes an instance's settings document into the (test's private) store, as
// a banner started afterwards will read it.
inline void writeBannerSettings(const QString& instanceId, const QByteArray& json) {
    QSettingsPreferencesStore().setData(QStringLiteral("VorlaneSettings_") + instanceId, json);
}
