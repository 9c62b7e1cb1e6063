// The yardstick of the first-frame benchmark: a bare Qt window with one label, nothing else.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(764, 556);
    (new QLabel(QStringLiteral("Virelune"), &window))->move(20, 20);
    window.show();
    return app.exec();
}
