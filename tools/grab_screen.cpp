// Saves a picture of an X display, or of a rectangle of it:
//   grab_screen FILE.png [X Y WIDTH HEIGHT]
// The run command, the README's pictures and the desktop tests use it on
// their virtual displays.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 6) {
        std::fputs("usage: grab_screen FILE.png [X Y WIDTH HEIGHT]\n", stderr);
        return 2;
    }
    int area[4] = {0, 0, -1, -1}; // the whole display
    for (int i = 0; argc == 6 && i < 4; ++i)
        area[i] = std::atoi(argv[2 + i]);
    qputenv("QT_QPA_PLATFORM", "xcb");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const QPixmap picture =
        QGuiApplication::primaryScreen()->grabWindow(0, area[0], area[1], area[2], area[3]);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "grab_screen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
