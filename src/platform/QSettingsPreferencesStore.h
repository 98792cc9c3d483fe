#pragma once

#include "platform/PreferencesStore.h"

// The store as a QSettings file: $XDG_CONFIG_HOME/vorlane/vorlane.conf.
// QSettings treats "/" in a key as a group separator and folds repeated or
// trailing slashes, so keys are escaped on the way in to keep every key
// (whatever identifier it carries) apart from every other.
class QSettingsPreferencesStore final : public PreferencesStore {
public:
    std::optional<QByteArray> data(const QString& key) const override;
    void setData(const QString& key, const QByteArray& value) override;

    static QString escapedKey(const QString& key);
};
