#pragma once

#include "common/Result.h"

#include "settings/SettingsEnums.h"

#include <QByteArray>
#include <QColor>
#include <QJsonObject>
#include <QString>

#include <optional>

struct FileContent;
class PreferencesStore;

// Everything that describes one banner instance. A plain mutable object
// without change notifications: whoever changes a field saves it and asks the
// banner to refresh. No field is range-checked; the readers cope.
struct BannerSettings {
    QString text = QStringLiteral("Vorlane");
    QString bgColorHex = QStringLiteral("#1a1a2e");
    QString textColorHex = QStringLiteral("#00ff88");
    double fontSize = 13.0;
    double opacity = 0.85;
    BannerPosition position = BannerPosition::top;
    bool showCPU = true;
    bool showMemory = true;
    std::optional<QString> imagePath;
    double bannerHeight = 28.0;
    qint64 screenIndex = 0;
    QString screenName;
    bool reserveSpace = true;
    TextAlign textAlign = TextAlign::center;
    // Keys of the stored document that this version does not know: kept, and
    // written back as they were.
    QJsonObject otherKeys;
    // Not part of the document: the loader sets it, the key carries it.
    QString instanceId = QStringLiteral("default");

    // "VorlaneSettings_" followed by the identifier, exactly.
    QString settingsKey() const;
    static QString settingsKey(const QString& instanceId);

    // The keyed document. Decoding is strict: a value of the wrong kind or an
    // unknown position or alignment fails the whole document. Absent or null
    // keys take their "key absent" value (only textAlign differs: left).
    static std::optional<BannerSettings> fromJson(const QJsonObject& document);
    static std::optional<BannerSettings> fromJsonBytes(const QByteArray& bytes);
    // Fails (nothing to write) only for a non-finite number.
    std::optional<QJsonObject> toJson() const;
    std::optional<QByteArray> toJsonBytes() const;

    // The stored settings of an instance, or the defaults when the entry
    // cannot be read; a damaged entry is first copied aside, and either is
    // said on standard error and in `unreadable`.
    static BannerSettings load(PreferencesStore& store,
                               const QString& instanceId = QStringLiteral("default"),
                               QString* unreadable = nullptr);
    // The same from an entry read already.
    static BannerSettings fromStored(const FileContent& stored, PreferencesStore& store,
                                     const QString& instanceId, QString* unreadable = nullptr);
    // Writes the whole document, whatever the entry holds now (a refused one
    // excepted). On a failure the stored entry stays as it was.
    Result save(PreferencesStore& store) const;

    // The two colours decoded from their hex strings, always opaque:
    // the view applies `opacity` to the background itself.
    QColor bgColor() const;
    QColor textColor() const;
};
