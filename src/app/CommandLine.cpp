#include "app/CommandLine.h"

QString instanceIdFromArguments(const QStringList& arguments) {
    if (arguments.size() < 2)
        return QStringLiteral("default");
    return arguments.at(1);
}

QString instanceIdFromArgv(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc && i < 2; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return instanceIdFromArguments(arguments);
}
