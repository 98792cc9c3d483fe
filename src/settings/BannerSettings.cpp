// A banner's settings: their keyed JSON form (the fourteen keys are declared
// once, in document order, each bound to its field; the field's type decides
// how the value is read and written), and loading and saving them.
#include "settings/BannerSettings.h"

#include "platform/PreferencesStore.h"
#include "settings/HexColor.h"

#include <QJsonDocument>
#include <QJsonValue>

#include <cmath>
#include <variant>

namespace {

using S = BannerSettings;
using FieldRef = std::variant<QString S::*, std::optional<QString> S::*, double S::*, qint64 S::*,
                              bool S::*, BannerPosition S::*, TextAlign S::*>;

struct DocumentKey {
    QLatin1StringView key;
    FieldRef field;
};

const DocumentKey documentKeys[] = {
    {QLatin1StringView("text"), &S::text},
    {QLatin1StringView("bgColorHex"), &S::bgColorHex},
    {QLatin1StringView("textColorHex"), &S::textColorHex},
    {QLatin1StringView("fontSize"), &S::fontSize},
    {QLatin1StringView("opacity"), &S::opacity},
    {QLatin1StringView("position"), &S::position},
    {QLatin1StringView("showCPU"), &S::showCPU},
    {QLatin1StringView("showMemory"), &S::showMemory},
    {QLatin1StringView("imagePath"), &S::imagePath},
    {QLatin1StringView("bannerHeight"), &S::bannerHeight},
    {QLatin1StringView("screenIndex"), &S::screenIndex},
    {QLatin1StringView("screenName"), &S::screenName},
    {QLatin1StringView("reserveSpace"), &S::reserveSpace},
    {QLatin1StringView("textAlign"), &S::textAlign},
};

// What a document that lacks a key (or holds null there) gets: the values of
// a new object, except that text is left-aligned.
BannerSettings keyAbsentValues() {
    BannerSettings s;
    s.textAlign = TextAlign::left;
    return s;
}

// Each reader stores the value when it is of the right kind and reports
// whether it was.
bool read(const QJsonValue& v, QString& out) {
    if (!v.isString())
        return false;
    out = v.toString();
    return true;
}

bool read(const QJsonValue& v, std::optional<QString>& out) {
    if (!v.isString())
        return false;
    out = v.toString();
    return true;
}

bool read(const QJsonValue& v, double& out) {
    if (!v.isDouble())
        return false;
    out = v.toDouble();
    return true;
}

bool read(const QJsonValue& v, qint64& out) {
    // An integral number that fits 64 bits: 3 and 3.0 pass, 3.5 does not.
    // toInteger() gives its default for anything else, so two different
    // defaults tell them apart.
    if (!v.isDouble() || v.toInteger(0) != v.toInteger(1))
        return false;
    out = v.toInteger();
    return true;
}

bool read(const QJsonValue& v, bool& out) {
    if (!v.isBool())
        return false;
    out = v.toBool();
    return true;
}

bool read(const QJsonValue& v, BannerPosition& out) {
    const auto position = v.isString() ? bannerPositionFromRaw(v.toString()) : std::nullopt;
    if (position)
        out = *position;
    return position.has_value();
}

bool read(const QJsonValue& v, TextAlign& out) {
    const auto align = v.isString() ? textAlignFromRaw(v.toString()) : std::nullopt;
    if (align)
        out = *align;
    return align.has_value();
}

std::optional<QJsonValue> write(const QString& v) {
    return QJsonValue(v);
}
std::optional<QJsonValue> write(const std::optional<QString>& v) {
    return v ? std::optional<QJsonValue>(QJsonValue(*v)) : std::nullopt;
}
std::optional<QJsonValue> write(double v) {
    return QJsonValue(v);
}
std::optional<QJsonValue> write(qint64 v) {
    return QJsonValue(v);
}
std::optional<QJsonValue> write(bool v) {
    return QJsonValue(v);
}
std::optional<QJsonValue> write(BannerPosition v) {
    return QJsonValue(rawValue(v));
}
std::optional<QJsonValue> write(TextAlign v) {
    return QJsonValue(rawValue(v));
}

bool isFinite(double v) {
    return std::isfinite(v);
}
template <typename T> bool isFinite(const T&) {
    return true;
}

} // namespace

std::optional<BannerSettings> BannerSettings::fromJson(const QJsonObject& document) {
    BannerSettings result; // instanceId stays "default"; an "instanceId" key is another key
    const BannerSettings absent = keyAbsentValues();
    result.otherKeys = document;
    for (const auto& entry : documentKeys)
        result.otherKeys.remove(entry.key);
    for (const auto& entry : documentKeys) {
        const QJsonValue value = document.value(entry.key);
        const bool ok = std::visit(
            [&](auto member) {
                if (value.isUndefined() || value.isNull()) {
                    result.*member = absent.*member;
                    return true;
                }
                return read(value, result.*member);
            },
            entry.field);
        if (!ok)
            return std::nullopt;
    }
    return result;
}

std::optional<BannerSettings> BannerSettings::fromJsonBytes(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return fromJson(document.object());
}

std::optional<QJsonObject> BannerSettings::toJson() const {
    QJsonObject document = otherKeys;
    for (const auto& entry : documentKeys) {
        const bool ok = std::visit(
            [&](auto member) {
                if (!isFinite(this->*member))
                    return false;
                if (auto value = write(this->*member))
                    document.insert(entry.key, *value);
                return true;
            },
            entry.field);
        if (!ok)
            return std::nullopt;
    }
    return document;
}

std::optional<QByteArray> BannerSettings::toJsonBytes() const {
    const auto document = toJson();
    if (!document)
        return std::nullopt;
    return QJsonDocument(*document).toJson(QJsonDocument::Compact);
}

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
