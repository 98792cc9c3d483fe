// The floor a banner's memory is measured against: a bare Qt window of a
// banner's size and kind (frameless, on top, no focus), drawing nothing but
// its background.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                Qt::WindowDoesNotAcceptFocus);
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setWindowTitle(QStringLiteral("bare"));
    window.setGeometry(0, 0, 1920, 28);
    window.show();
    return app.exec();
}
