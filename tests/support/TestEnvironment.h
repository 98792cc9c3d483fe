#pragma once

#include <QApplication>
#include <QString>
#include <QtTest>

// Points HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR into a fresh temporary
// folder that lives until the test process ends, so no test touches a real
// user's files. Every test's main does this first (VORLANE_TEST_MAIN); later
// calls return the same folder.
QString isolateUserFolders();

// The folder of recorded samples and documents the tests read.
QString testDataPath(const QString& name);

// QTEST_MAIN and QTEST_GUILESS_MAIN, with the user folders isolated before
// anything else runs.
#define VORLANE_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv) {                                                              \
        isolateUserFolders();                                                                      \
        QApplication app(argc, argv);                                                              \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define VORLANE_TEST_GUILESS_MAIN(TestObject)                                                      \
    int main(int argc, char** argv) {                                                              \
        isolateUserFolders();                                                                      \
        QCoreApplication app(argc, argv);                                                          \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
