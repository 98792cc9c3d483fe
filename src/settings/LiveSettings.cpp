#include "settings/LiveSettings.h"

#include <QPointer>

LiveSettings::LiveSettings(PreferencesStore& store, const QString& instanceId, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_settings(BannerSettings::load(store, instanceId, &m_unreadableAtStart))
    , m_known(store.data(m_settings.settingsKey())) {
    // Settings that replaced an entry that did not read are written at the
    // next save, as are defaults that have no entry yet.
    if (m_unreadableAtStart.isEmpty() && m_known)
        m_settled = m_settings.toJsonBytes();
    m_check.setSingleShot(true);
    connect(&m_check, &QTimer::timeout, this, &LiveSettings::check);
}

void LiveSettings::follow() {
    QPointer<LiveSettings> self(this);
    m_store.watch(m_settings.settingsKey(), [self] {
        if (self && !self->m_check.isActive()) {
            self->m_triesLeft = retries;
            self->m_check.start(settleMs);
        }
    });
}

bool LiveSettings::catchUp() {
    // An entry that does not read is left to the next look or save.
    return readChange(m_store.data(m_settings.settingsKey())) == Outcome::applied;
}

LiveSettings::Outcome LiveSettings::readChange(const std::optional<QByteArray>& stored) {
    // A missing entry is no change: an editor may be between removing the
    // file and writing it anew. The next save writes it back.
    if (!stored || stored == m_known)
        return Outcome::nothingNew;
    auto read = BannerSettings::fromJsonBytes(*stored);
    if (!read)
        return Outcome::unreadable;
    read->instanceId = m_settings.instanceId;
    m_settings = std::move(*read);
    m_known = stored;
    m_settled = m_settings.toJsonBytes();
    emit reloaded();
    return Outcome::applied;
}

void LiveSettings::check() {
    const auto stored = m_store.data(m_settings.settingsKey());
    if (readChange(stored) != Outcome::unreadable)
        return;
    if (m_triesLeft-- > 0)
        m_check.start(retryMs);
    else
        keepAside(*stored);
}

void LiveSettings::keepAside(const QByteArray& stored) {
    m_check.stop();
    m_known = stored; // said once, not again at every look
    const auto copy = m_store.keepAside(m_settings.settingsKey());
    const QString message =
        QStringLiteral("The settings file of this banner was changed and could not be read; the "
                       "banner keeps its settings") +
        (copy ? QStringLiteral(", and the file is kept as ") + *copy : QString());
    qWarning("vorlane: \"%s\": %s", qPrintable(m_settings.instanceId), qPrintable(message));
    emit problem(message);
}

std::optional<QString> LiveSettings::save(Flush flush) {
    const auto stored = m_store.data(m_settings.settingsKey());
    switch (readChange(stored)) {
    case Outcome::applied:
        return std::nullopt;
    case Outcome::unreadable:
        keepAside(*stored); // then replaced: nothing is lost
        break;
    case Outcome::nothingNew:
        if (stored && m_settled && m_settings.toJsonBytes() == m_settled &&
            !(flush == Flush::toDisk && m_unflushed))
            return std::nullopt;
    }
    const auto error = m_settings.save(m_store, flush);
    if (!error) {
        m_known = m_store.data(m_settings.settingsKey());
        m_settled = m_settings.toJsonBytes();
        m_unflushed = flush == Flush::later;
    }
    return error;
}
