// Times the game from process start to its first painted window, against a minimal Qt Widgets
// window started the same way. Run without arguments; it starts both programs many times.
#include "board/BoardBox.h"
#include "mainwindow/Startup.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
// Says "painted" once the board has been painted for the first time, then ends the program.
class TFirstPaint : public QObject {
public:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint && !Done && qobject_cast<TBoardBox*>(Watched)) {
            Done = true;
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

// Milliseconds from starting Program to its "painted" line, or -1.
double TimeStart(const QString& Program, const QStringList& Args) {
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(Program, Args);
    QByteArray out;
    while (!out.contains("painted") && child.waitForReadyRead(10000))
        out += child.readAllStandardOutput();
    const double ms = out.contains("painted") ? clock.nsecsElapsed() / 1e6 : -1;
    if (!child.waitForFinished(5000)) {
        child.kill();
        child.waitForFinished();
    }
    return ms;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1 && std::strcmp(argv[1], "--game") == 0) {
        QApplication app(argc, argv);
        TFirstPaint watch;
        app.installEventFilter(&watch);
        return RunVirelune(app);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const QString minimal =
        QDir(QCoreApplication::applicationDirPath()).filePath("bench_startup_minimal");
    const int rounds = 15;
    std::vector<double> game, base, label;
    TimeStart(self, {"--game"}); // a first start fills the disk cache
    TimeStart(minimal, {});
    for (int i = 0; i < rounds; ++i) {
        const double g = TimeStart(self, {"--game"});
        const double b = TimeStart(minimal, {});
        const double l = TimeStart(minimal, {"--label"});
        if (g > 0) game.push_back(g);
        if (b > 0) base.push_back(b);
        if (l > 0) label.push_back(l);
    }
    const double g = Median(game), b = Median(base), l = Median(label);
    std::printf("Start-up to the first painted window, median of %d starts (platform %s)\n", rounds,
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                    ? "xcb"
                    : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  game (five windows, example 1): %8.1f ms  (%zu good starts)\n", g, game.size());
    std::printf("  minimal Qt Widgets window:      %8.1f ms  (%zu good starts)\n", b, base.size());
    std::printf("  minimal window with one label:  %8.1f ms  (%zu good starts)\n", l, label.size());
    std::printf("  ratio to the bare window:  %.2f  (goal: at most 1.50)\n", b > 0 ? g / b : -1.0);
    std::printf("  ratio to the label window: %.2f\n", l > 0 ? g / l : -1.0);
    return 0;
}
