#include "platform/QSettingsPreferencesStore.h"

#include <QSettings>

#include <memory>

namespace {

std::unique_ptr<QSettings> openStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("vorlane"), QStringLiteral("vorlane"));
}

} // namespace

QString QSettingsPreferencesStore::escapedKey(const QString& key) {
    // A reversible escape of the three characters QSettings would interpret;
    // keys without them are stored as they are.
    QString escaped;
    escaped.reserve(key.size());
    for (QChar c : key) {
        if (c == u'%')
            escaped += QLatin1StringView("%25");
        else if (c == u'/')
            escaped += QLatin1StringView("%2F");
        else if (c == u'\\')
            escaped += QLatin1StringView("%5C");
        else
            escaped += c;
    }
    return escaped;
}

std::optional<QByteArray> QSettingsPreferencesStore::data(const QString& key) const {
    // A fresh QSettings reads the file as it is now, with what other
    // processes have written meanwhile.
    const QVariant value = openStore()->value(escapedKey(key));
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    return value.toByteArray();
}

void QSettingsPreferencesStore::setData(const QString& key, const QByteArray& value) {
    const auto store = openStore();
    store->setValue(escapedKey(key), value);
    store->sync();
}
