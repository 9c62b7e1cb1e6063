// Times the board's full paint and an animation's partial paint at two cell sizes.
#include "bench/BenchWindow.h"
#include "mainwindow/MainWindow.h"

#include "storage/Examples.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {
// Microseconds per paint of Pending, averaged over enough rounds to last about half a second.
double TimePaint(TVirelMain& W, const QRegion& Pending, QImage& Target) {
    QPainter p(&Target);
    for (int i = 0; i < 20; ++i) W.pbBoardPaint(p, Pending); // warm the picture caches
    int rounds = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 500) {
        for (int i = 0; i < 50; ++i) W.pbBoardPaint(p, Pending);
        rounds += 50;
    }
    return double(clock.nsecsElapsed()) / 1000.0 / rounds;
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("Board paint (example 1), microseconds per paint\n");
    std::printf("%8s %12s %12s %12s %10s\n", "cell", "board box", "full", "partial", "ratio");
    for (const int cell : {56, 112}) {
        TSilentMessenger silent;
        TNoFiles noFiles;
        TVirelMain w(silent, noFiles);
        w.resize(53 * cell / 4, 41 * cell / 4); // a client area whose cell size is exactly `cell`
        w.show();
        QApplication::processEvents();
        if (w.CellSize != cell) {
            std::printf("%8d  window gave cell %d instead\n", cell, w.CellSize);
            continue;
        }
        QImage target(w.findChild<QWidget*>(QStringLiteral("pbBoard"))->size(),
                      QImage::Format_ARGB32_Premultiplied);
        target.fill(0xFFD7E8F8);
        w.Session.SetAnimation(TAnimation::Idle);
        const double full =
            TimePaint(w, QRegion(w.findChild<QWidget*>(QStringLiteral("pbBoard"))->rect()), target);
        // One animation step: the pawn's square swept by one step of 14/56 of a cell.
        w.Session.SetAnimation(TAnimation::OneMove);
        const TSmallPoint pawn = w.Session.Play.CurMap.PawnPos[0];
        w.AnimPawnX = pawn.x * cell + cell / 4;
        w.AnimPawnY = pawn.y * cell;
        const QRect sweep(w.BorderX + pawn.x * cell + w.PawnDelta,
                          w.BorderY + w.AnimPawnY + w.PawnDelta, w.PawnSize + cell / 4, w.PawnSize);
        const double partial = TimePaint(w, QRegion(sweep), target);
        if (!w.LastPaintPartial) std::printf("(the sweep did not take the partial path)\n");
        w.Session.SetAnimation(TAnimation::Idle);
        std::printf("%8d %6dx%-5d %12.1f %12.1f %9.3f\n", cell,
                    w.findChild<QWidget*>(QStringLiteral("pbBoard"))->width(),
                    w.findChild<QWidget*>(QStringLiteral("pbBoard"))->height(), full, partial,
                    partial / full);
    }
    std::printf("Goal: a partial paint costs at most a tenth of a full paint (ratio <= 0.100)\n");
    return 0;
}
