#pragma once

#include "platform/Platform.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

// This banner among the others: starting further banner processes, ending
// all of them, its entry in the saved session, and starting at login. What
// goes wrong that a person should see is said through `problem`; what a
// command answers is said in a dialog.
class BannerFleet : public QObject {
    Q_OBJECT
public:
    static constexpr int registrationRetryMs = 1000;

    BannerFleet(QString instanceId, Platform platform, QObject* parent = nullptr);

    // Starts the program with the identifier as its only argument.
    void launch(const QString& id);
    // Asks for a name and starts a banner of that name.
    void launchNamed();
    // A banner for the screen at `screenIndex`, named after `screenName`
    // (a screen unplugged since the menu was built is still named).
    void launchOnScreen(int screenIndex, const QString& screenName);
    // Ends every banner process, this one last. The session stays as it is.
    void quitAll();
    void restoreSession();
    void saveSession();
    // The rows the running-banner list shows.
    QStringList runningRows() const;

    // Adds this banner to the saved session, again a second later while
    // another banner holds the document (up to 30 times); takes it out.
    void joinSession();
    void leaveSession();

    void installAutostart();
    void removeAutostart();
    bool isAutostartInstalled() const;

signals:
    void problem(const QString& message);

private:
    QString m_instanceId;
    Platform m_platform;
    int m_registrationTries = 0;
};
