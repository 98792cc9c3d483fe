// Takes a picture of KWin's whole desktop through its screenshot service on
// the session bus (KWin allows it with KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1)
// and saves it; then, on request, says what it shows:
//   kwin_screenshot FILE.png [--column X] [--changed-from EARLIER.png]
// --column prints the runs of one colour down column X ("0-27 #ff0000");
// --changed-from prints the rectangle that differs from an earlier picture
// ("changed: X Y WIDTH HEIGHT", or "changed: nothing").
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusUnixFileDescriptor>
#include <QImage>

#include <cstdio>
#include <thread>
#include <unistd.h>

namespace {

QImage capture() {
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    // KWin answers once it has written the picture: it is read meanwhile,
    // until KWin and this program have closed their ends.
    QByteArray data;
    std::thread reader([&data, fd = fds[0]] {
        char chunk[65536];
        for (ssize_t got; (got = read(fd, chunk, sizeof chunk)) > 0;)
            data.append(chunk, got);
        close(fd);
    });
    QDBusMessage reply;
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall("org.kde.KWin", "/org/kde/KWin/ScreenShot2",
                                           "org.kde.KWin.ScreenShot2", "CaptureWorkspace");
        call << QVariantMap() << QVariant::fromValue(QDBusUnixFileDescriptor(fds[1]));
        close(fds[1]);
        reply = QDBusConnection::sessionBus().call(call);
    }
    reader.join();
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "kwin_screenshot: %s\n", qPrintable(reply.errorMessage()));
        return {};
    }
    const QVariantMap m = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    const int width = m["width"].toInt(), height = m["height"].toInt();
    const int stride = m["stride"].toInt();
    if (width <= 0 || data.size() < qsizetype(stride) * height)
        return {};
    return QImage(reinterpret_cast<const uchar*>(data.constData()), width, height, stride,
                  QImage::Format(m["format"].toInt()))
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QImage shot = capture();
    if (args.size() < 2 || shot.isNull() || !shot.save(args[1])) {
        std::fputs("usage: kwin_screenshot FILE.png [--column X] [--changed-from EARLIER.png]\n",
                   stderr);
        return 1;
    }
    for (qsizetype i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == "--column") {
            const int x = args[i + 1].toInt();
            for (int y = 0, from = 0; y < shot.height(); ++y) {
                if (y + 1 < shot.height() && shot.pixel(x, y + 1) == shot.pixel(x, from))
                    continue;
                std::printf("%d-%d %s\n", from, y, qPrintable(shot.pixelColor(x, from).name()));
                from = y + 1;
            }
        } else if (args[i] == "--changed-from") {
            const QImage earlier = QImage(args[i + 1]).convertToFormat(QImage::Format_RGB32);
            QRect changed;
            for (int y = 0; y < shot.height() && y < earlier.height(); ++y)
                for (int x = 0; x < shot.width() && x < earlier.width(); ++x)
                    changed |=
                        shot.pixel(x, y) != earlier.pixel(x, y) ? QRect(x, y, 1, 1) : QRect();
            if (changed.isEmpty())
                std::puts("changed: nothing");
            else
                std::printf("changed: %d %d %d %d\n", changed.x(), changed.y(), changed.width(),
                            changed.height());
        }
    }
    return 0;
}
