#include "app/QuietQtMessages.h"

#include <QtGlobal>

namespace {

QtMessageHandler previousHandler = nullptr;

void filterMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool mayDrop = type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg;
    if (mayDrop && isHarmlessQtMessage(QString::fromLatin1(context.category), message))
        return;
    previousHandler(type, context, message);
}

} // namespace

bool isHarmlessQtMessage(const QString& category, const QString& message) {
    if (category == QLatin1String("qt.qpa.xcb"))
        return message.startsWith(QLatin1String("Unhandled client message"));
    return message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void keepHarmlessQtMessagesQuiet() {
    if (qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        return;
    previousHandler = qInstallMessageHandler(filterMessage);
}
