#include "settings/LiveSettings.h"

#include <QJsonDocument>
#include <QPointer>
#include <QThread>

namespace {

// The keys where `now` differs from `before`, with their values in `now`.
// A key `now` lacks is held as null: inserting an undefined value would
// drop the key, and with it the change. The settings never hold null.
QJsonObject changedKeys(const QJsonObject& before, const QJsonObject& now) {
    QJsonObject changed;
    for (const QString& key : before.keys() + now.keys()) {
        if (before.value(key) != now.value(key))
            changed.insert(key, now.contains(key) ? now.value(key) : QJsonValue());
    }
    return changed;
}

// The entry once it reads: one half-written (its writer may be half-way) is
// read again for about a second before it counts as damaged.
FileContent settledEntry(const PreferencesStore& store, const QString& key) {
    FileContent stored = store.read(key);
    for (int tries = 0;
         tries < 10 && stored.isPresent() && !BannerSettings::fromJsonBytes(stored.bytes);
         ++tries) {
        QThread::msleep(100);
        stored = store.read(key);
    }
    return stored;
}

} // namespace

LiveSettings::LiveSettings(PreferencesStore& store, const QString& instanceId, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_known(settledEntry(store, BannerSettings::settingsKey(instanceId)))
    , m_settings(BannerSettings::fromStored(m_known, store, instanceId, &m_unreadableAtStart)) {
    // Settings that replaced an entry that did not read are written at the
    // next save, as are defaults that have no entry yet.
    if (m_unreadableAtStart.isEmpty() && m_known.isPresent())
        m_settled = m_settings.toJsonBytes();
    m_check.setSingleShot(true);
    connect(&m_check, &QTimer::timeout, this, &LiveSettings::check);
}

void LiveSettings::follow() {
    QPointer<LiveSettings> self(this);
    const auto look = [self] {
        if (self && !self->m_check.isActive()) {
            self->m_triesLeft = retries;
            self->m_check.start(settleMs);
        }
    };
    m_store.watch(m_settings.settingsKey(), look);
    // The banner starts between its read and the watch: an edit made then
    // has no change of its own to announce it.
    look();
}

bool LiveSettings::catchUp() {
    // An entry that does not read is left to the next look or save.
    return readChange(m_store.read(m_settings.settingsKey())) == Outcome::applied;
}

QJsonObject LiveSettings::settledDocument() const {
    BannerSettings defaults;
    return QJsonDocument::fromJson(m_settled.value_or(*defaults.toJsonBytes())).object();
}

LiveSettings::Outcome LiveSettings::readChange(const FileContent& stored) {
    // A missing entry is no change: an editor may be between removing the
    // file and writing it anew. The next save writes it back.
    if (stored == m_known || stored.state == FileContent::State::absent)
        return Outcome::nothingNew;
    if (stored.isRefused()) {
        m_known = stored; // said once, not again at every look
        const QString message =
            QStringLiteral("The settings file of this banner cannot be read (%1); the banner "
                           "keeps its settings and leaves the file as it is")
                .arg(stored.problem);
        emit problem(message);
        return Outcome::refused;
    }
    const auto read = BannerSettings::fromJsonBytes(stored.bytes);
    if (!read)
        return Outcome::unreadable;
    // The banner's own changes not saved yet stay on top; where the file
    // changed the same key, that is said.
    const QJsonObject settled = settledDocument(), fromFile = *read->toJson();
    const QJsonObject own = changedKeys(settled, m_settings.toJson().value_or(settled));
    QJsonObject merged = fromFile;
    for (auto it = own.begin(); it != own.end(); ++it) {
        const QJsonValue mine = it.value().isNull() ? QJsonValue(QJsonValue::Undefined) : *it;
        if (fromFile.value(it.key()) != settled.value(it.key()) && fromFile.value(it.key()) != mine)
            qWarning("vorlane: \"%s\": the change of \"%s\" in the settings file gives way to "
                     "the one made in the banner",
                     qPrintable(m_settings.instanceId), qPrintable(it.key()));
        if (mine.isUndefined())
            merged.remove(it.key());
        else
            merged.insert(it.key(), mine);
    }
    const QString instanceId = m_settings.instanceId;
    m_settings = BannerSettings::fromJson(merged).value_or(*read);
    m_settings.instanceId = instanceId;
    m_known = stored;
    m_settled = read->toJsonBytes();
    emit reloaded();
    return Outcome::applied;
}

void LiveSettings::check() {
    const FileContent stored = m_store.read(m_settings.settingsKey());
    if (readChange(stored) == Outcome::unreadable) {
        if (m_triesLeft-- > 0)
            return m_check.start(retryMs);
        keepAside(stored);
    }
    if (std::exchange(m_saveWhenSettled, false)) {
        if (const Result saved = save(); !saved.ok())
            emit problem(QStringLiteral("The settings of this banner could not be saved: %1")
                             .arg(saved.reason()));
    }
}

void LiveSettings::keepAside(const FileContent& stored) {
    m_check.stop();
    m_known = stored; // said once, not again at every look; replaced at the next save
    const auto copy = m_store.keepAside(m_settings.settingsKey());
    const QString message =
        QStringLiteral("The settings file of this banner was changed and could not be read; the "
                       "banner keeps its settings") +
        (copy ? QStringLiteral(", and the file is kept as ") + *copy : QString());
    emit problem(message);
}

Result LiveSettings::save() {
    return write(false);
}

Result LiveSettings::saveAtEnd() {
    return write(true);
}

Result LiveSettings::write(bool ending) {
    const QString key = m_settings.settingsKey();
    // A few rounds: each one that finds a change from outside applies it
    // first, and the next writes on top of it.
    for (int round = 0; round < 5; ++round) {
        FileContent stored = m_store.read(key);
        if (readChange(stored) == Outcome::unreadable) {
            if (!ending) {
                // Its writer may be half-way: saved once it reads, or once kept aside.
                m_saveWhenSettled = true;
                if (!m_check.isActive()) {
                    m_triesLeft = retries;
                    m_check.start(settleMs);
                }
                return Result::done();
            }
            stored = settledEntry(m_store, key);
            if (readChange(stored) == Outcome::unreadable)
                keepAside(stored);
        }
        const auto bytes = m_settings.toJsonBytes();
        if (!bytes)
            return Result::failed(QStringLiteral("a number is not finite"));
        // Nothing of the banner's own to write? An absent entry is written
        // back, and one that does not read (kept aside by now) is replaced.
        BannerSettings defaults;
        if (stored.isRefused() ? bytes == m_settled.value_or(*defaults.toJsonBytes())
                               : stored.isPresent() && m_settled && bytes == m_settled &&
                                     BannerSettings::fromJsonBytes(stored.bytes))
            return Result::done();
        // Replaced only while it holds what this round read (and accepted).
        const Replaced replaced = m_store.write(key, *bytes, stored);
        // An edit that landed in the instant before the swap: read as a
        // change from outside that came before this write, and the banner's
        // own changes written again on top of it.
        if (replaced.outcome == Replaced::Outcome::displaced &&
            readChange(replaced.now) == Outcome::applied) {
            m_known = FileContent::present(*bytes); // what the file holds now
            continue;
        }
        if (replaced.ok()) {
            // What was written, not what a read now finds: an edit that lands
            // right after the rename is a change still to be read.
            m_known = FileContent::present(*bytes);
            m_settled = bytes;
            return Result::done();
        }
        if (replaced.outcome == Replaced::Outcome::failed)
            return Result::failed(replaced.problem);
    }
    return Result::failed(QStringLiteral("the settings file kept changing while it was saved"));
}
