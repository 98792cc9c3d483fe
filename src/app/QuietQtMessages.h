#pragma once

#include <QString>

// Qt reports a few things on standard error that are no fault of the banner
// or of the desktop: a client message its xcb platform does not handle (the
// window manager's, sent to every window), a missing runtime folder that it
// replaces with one of its own. A person reads them as errors. They are kept
// off standard error; every other message, the program's own and Qt's real
// warnings, goes through as before.
bool isHarmlessQtMessage(const QString& category, const QString& message);

// Installs the filter, unless the user chose what Qt says (QT_LOGGING_RULES).
void keepHarmlessQtMessagesQuiet();
