#pragma once

#include <QString>
#include <QStringList>

// The instance identifier: the first argument after the executable, exactly
// as given (an empty argument is the empty identifier); "default" when there
// is none. Further arguments are ignored.
QString instanceIdFromArguments(const QStringList& arguments);
QString instanceIdFromArgv(int argc, const char* const* argv);
