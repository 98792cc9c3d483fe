#pragma once

#include <QString>

#include <optional>

// The instance identifier: the first argument after the executable (an
// empty argument is the empty identifier; further ones are ignored), or
// "default" when there is none. Taken as UTF-8 and brought into one
// canonical form (NFC), so that "é" typed either way names one instance
// everywhere: its settings file, the session document and the running list.
// Nothing when the argument is not valid UTF-8.
std::optional<QString> instanceIdFromArgv(int argc, const char* const* argv);
