#pragma once

#include "platform/PreferencesStore.h"
#include "settings/BannerSettings.h"

#include <QObject>
#include <QTimer>

#include <optional>

// A banner's settings kept in step with their stored entry, which people
// and scripts may change while the banner runs (an editor's save, a script's
// rename). A change from outside is read and applied, and `reloaded` says
// so; the program's own writes are recognised and not read back. The keys
// changed in the banner and not saved yet stay as the banner has them: a
// change from outside is applied beneath them. An entry that does not read
// (an editor half-way through writing) is tried again for a moment, then
// kept aside and said through `problem`, while the settings stay as they
// were. A save never writes over a change it has not read, nor over an entry
// the store refuses (a FIFO, a file it cannot open).
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

    // From now on, changes from outside are read and applied, starting with
    // one made since the settings were read.
    void follow();
    // Reads a change from outside at once; true when one was applied. The
    // edits of a menu command start from it.
    bool catchUp();
    // Writes the settings when they differ from the entry, on top of any
    // change from outside not read yet. An entry half-way through being
    // written is waited for as a change from outside is, and the save made
    // then.
    Result save();
    // The last save before the process ends: a half-written entry is waited
    // for about a second, then kept aside and replaced.
    Result saveAtEnd();

signals:
    void reloaded();
    void problem(const QString& message);

private:
    enum class Outcome { nothingNew, applied, unreadable, refused };
    Outcome readChange(const FileContent& stored);
    Result write(bool ending);
    void check();
    void keepAside(const FileContent& stored);
    // The settings as last read or written (the defaults before either).
    QJsonObject settledDocument() const;

    PreferencesStore& m_store;
    QString m_unreadableAtStart; // before m_settings, whose loading fills it
    // The entry as last read or written: an entry equal to it is no change.
    FileContent m_known;
    BannerSettings m_settings;
    // The settings' own bytes when the entry was last read or written: the
    // keys where the settings differ from these are the banner's own changes.
    std::optional<QByteArray> m_settled;
    QTimer m_check;
    int m_triesLeft = retries;
    bool m_saveWhenSettled = false; // a save waits for a half-written entry
};
