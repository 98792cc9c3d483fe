#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The instance identifier: the first argument after the executable, exactly
// as given (an empty argument is the empty identifier); "default" when there
// is none. Further arguments are ignored.
QString instanceIdFromArguments(const QStringList& arguments);
// From the raw arguments, taken as UTF-8 and brought into one canonical form
// (NFC), so that "é" typed either way names one instance everywhere: its
// settings file, the session document and the running list. Nothing when
// the argument is not valid UTF-8.
std::optional<QString> instanceIdFromArgv(int argc, const char* const* argv);
