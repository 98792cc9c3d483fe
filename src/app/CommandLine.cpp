#include "app/CommandLine.h"

#include <QStringDecoder>

std::optional<QString> instanceIdFromArgv(int argc, const char* const* argv) {
    if (argc < 2)
        return QStringLiteral("default");
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString id = utf8(QByteArrayView(argv[1]));
    if (utf8.hasError())
        return std::nullopt;
    return id.normalized(QString::NormalizationForm_C);
}
