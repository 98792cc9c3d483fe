#pragma once

#include "platform/PreferencesStore.h"
#include "settings/BannerSettings.h"

#include <QObject>
#include <QTimer>

#include <optional>

// A banner's settings kept in step with their stored entry, which people
// and scripts may change while the banner runs (an editor's save, a script's
// rename). A change from outside is read and applied, and `reloaded` says
// so; the program's own writes are recognised and not read back. An entry
// that does not read (an editor half-way through writing) is tried again
// for a moment, then kept aside and said through `problem`, while the
// settings stay as they were. A save never writes over a change it has not
// read: that change is read and applied instead.
class LiveSettings : public QObject {
    Q_OBJECT
public:
    static constexpr int settleMs = 100; // one read for a burst of file events
    static constexpr int retryMs = 250;
    static constexpr int retries = 4;

    LiveSettings(PreferencesStore& store, const QString& instanceId, QObject* parent = nullptr);

    BannerSettings& settings() { return m_settings; }
    // What was said when the entry did not read at start (empty if it did).
    const QString& unreadableAtStart() const { return m_unreadableAtStart; }

    // From now on, changes from outside are read and applied.
    void follow();
    // Reads a change from outside at once; true when one was applied. The
    // edits of a menu command start from it.
    bool catchUp();
    // Writes the settings, unless the stored entry holds them already or
    // holds a change not read yet (which is then applied instead). A failure
    // is said on standard error and returned.
    std::optional<QString> save(Flush flush = Flush::toDisk);

signals:
    void reloaded();
    void problem(const QString& message);

private:
    enum class Outcome { nothingNew, applied, unreadable };
    Outcome readChange(const std::optional<QByteArray>& stored);
    void check();
    void keepAside(const QByteArray& stored);

    PreferencesStore& m_store;
    QString m_unreadableAtStart; // before m_settings, whose loading fills it
    BannerSettings m_settings;
    // The entry as last read or written, and the settings' own bytes then:
    // an entry equal to the first is no change; settings equal to the second
    // need no write.
    std::optional<QByteArray> m_known;
    std::optional<QByteArray> m_settled;
    bool m_unflushed = false; // the last write may still be in memory only
    QTimer m_check;
    int m_triesLeft = retries;
};
