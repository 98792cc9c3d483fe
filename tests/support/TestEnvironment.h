#pragma once

#include <QString>

// Points HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR into a fresh temporary folder that lives
// until the test process ends, so no test touches a real user's files.
// Returns the folder.
QString isolateUserFolders();

// The folder of recorded samples and documents the tests read.
QString testDataPath(const QString& name);
