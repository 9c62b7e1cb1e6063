// Measures what a sliding pawn costs: the game's CPU time as a share of one core while a pawn
// slides back and forth across the board at the fastest speed, with the real timer and paints.
#include "bench/BenchWindow.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {
double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// A floor corridor across the whole board, row 4, with the pawn at its left end.
TMap Corridor() {
    TMap m;
    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardCols; ++x) m.SetCell(x, y, y == 4 ? ctVoid : ctWall);
    m.PawnNb = 1;
    m.PawnPos[0] = {0, 4};
    return m;
}

void Press(TVirelMain& W, Qt::Key Key) {
    QKeyEvent press(QEvent::KeyPress, Key, Qt::NoModifier);
    QApplication::sendEvent(&W, &press);
}

struct TResult {
    double Cpu = 0, Wall = 0;
    int Moves = 0, Ticks = 0, Partial = 0, Full = 0;
};

// Slides the pawn from edge to edge for about Ms milliseconds.
TResult Slide(TVirelMain& W, int Ms) {
    TResult r;
    W.Session.LoadedMap = TLoadedMap::File();
    W.Session.ShowMap(Corridor());
    W.rFastClick();
    QApplication::processEvents();
    bool right = true;
    bool done = false;
    QElapsedTimer wall;
    // Runs after the window's own handler of each tick: when a move has ended, the next sets off
    // in the other direction at once, so the measure covers sliding only.
    const auto next = QObject::connect(W.Session.findChild<QTimer*>(QStringLiteral("tAnimate")),
                                       &QTimer::timeout, &W, [&] {
                                           ++r.Ticks;
                                           if (!W.Session.IsIdle()) return;
                                           ++r.Moves;
                                           if (wall.elapsed() >= Ms) {
                                               done = true;
                                               return;
                                           }
                                           right = !right;
                                           Press(W, right ? Qt::Key_Right : Qt::Key_Left);
                                       });
    const int partial0 = W.PartialPaints, full0 = W.FullPaints;
    const double cpu0 = CpuSeconds();
    wall.start();
    Press(W, Qt::Key_Right);
    while (!done) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    r.Wall = double(wall.nsecsElapsed()) / 1e9;
    r.Cpu = CpuSeconds() - cpu0;
    QObject::disconnect(next);
    r.Partial = W.PartialPaints - partial0;
    r.Full = W.FullPaints - full0;
    return r;
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TSilentMessenger silent;
    std::printf("Pawn sliding edge to edge at the fastest speed (%s)\n",
                qPrintable(QApplication::platformName()));
    std::printf("%6s %10s %8s %8s %10s %9s %7s %9s\n", "cell", "window", "wall s", "cpu s",
                "cpu/core", "ticks/s", "moves", "partial");
    for (const int cell : {52, 96}) {
        TNoFiles noFiles;
        TVirelMain w(silent, noFiles);
        w.resize(53 * cell / 4, 41 * cell / 4);
        w.show();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300) QApplication::processEvents();
        if (w.CellSize != cell) {
            std::printf("%6d  window gave cell %d instead\n", cell, w.CellSize);
            continue;
        }
        const TResult r = Slide(w, 4000);
        std::printf("%6d %5dx%-4d %8.2f %8.3f %9.1f%% %9.1f %7d %4d/%-4d\n", cell, w.width(),
                    w.height(), r.Wall, r.Cpu, 100.0 * r.Cpu / r.Wall, r.Ticks / r.Wall, r.Moves,
                    r.Partial, r.Partial + r.Full);
    }
    std::printf("Goal: under 10%% of one core while a pawn slides\n");
    return 0;
}
