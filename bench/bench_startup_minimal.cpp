// The yardstick for start-up: a minimal Qt Widgets window that says when it is first painted;
// with --label it shows one line of text, so it pays for the font database as any real window does.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {
class TFirstPaint : public QObject {
public:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint && !Done) {
            Done = true;
            // Reported once the paint has run.
            QTimer::singleShot(0, [] {
                std::printf("painted\n");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(Watched, Event);
    }
    bool Done = false;
};
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TFirstPaint watch;
    app.installEventFilter(&watch);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(764, 556);
    if (argc > 1 && QByteArray(argv[1]) == "--label")
        (new QLabel(QStringLiteral("Virelune"), &window))->move(20, 20);
    window.show();
    return app.exec();
}
