// Moves on screen: the pawn sliding tick by tick and repainting only its sweep, moves through
// turns and doors, undo stretch by stretch, a move taken back in flight, rewind, and a resize
// in the middle of a slide.
#include "platform/RoundButton.h"
#include "tests/TestSupport.h"
#include "mainwindow/MainWindow.h"
#include "tests/mainwindow/WindowFixture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPaintEvent>
#include <QTimer>
#include <QtTest>

namespace {
// Pawn 1 at (1, 1) before a turn B at (6, 1); a button at (1, 3) for pawn 2 at (1, 5), and the
// raised door at (4, 3) that it works.
const QStringList Doors = {"###########", "#1....B...#", "######.##.#", "#b..D.....#",
                           "#.#########", "#2........#", "###########", "###########"};
const QStringList Open = {"###########", "#.........#", "#.........#", "#..1......#",
                          "#.........#", "#.........#", "#.........#", "###########"};

// Keeps the regions the board is asked to paint.
class TPaintSpy : public QObject {
public:
    QList<QRegion> Regions;
    bool eventFilter(QObject*, QEvent* Event) override {
        if (Event->type() == QEvent::Paint) Regions << static_cast<QPaintEvent*>(Event)->region();
        return false;
    }
};
} // namespace

class TestPlayMoves : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sweptRectangle();
    void turnsAndDoors();
    void undoStretchByStretch();
    void undoMoveInFlight();
    void undoMoveInFlightFromButton();
    void moveDuringUndoChain();
    void replay();
    void mapReplacedDuringMove();
    void moveLeftInFlight();
    void resizeDuringMove_data();
    void resizeDuringMove();

private:
    void Load(const QStringList& Rows);
    void Move(int Pawn, Qt::Key Key);
    int RunTicks();
    QPoint Pawn(int i) const {
        const TSmallPoint p = W->Session.Play.CurMap.PawnPos[size_t(i - 1)];
        return QPoint(p.x, p.y);
    }
    TCellType Door() const { return W->Session.Play.CurMap.Cell(4, 3); }
    TVirelMain* W = nullptr;
    TWindowSeams Seams;
    TMessageRecorder& Messages = Seams.Messages;
};

void TestPlayMoves::init() {
    Messages = TMessageRecorder();
    W = Seams.NewWindow();
    W->resize(764, 556); // cell 52
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W));
}

void TestPlayMoves::cleanup() {
    delete W;
    W = nullptr;
}

void TestPlayMoves::Load(const QStringList& Rows) {
    W->Session.LoadedMap = TLoadedMap::FromStored(0);
    W->Session.FileName.clear();
    W->Session.ShowMap(MapFromRows(Rows));
    Messages.Shown.clear(); // these boards have no goals, which the map check points out
}

int TestPlayMoves::RunTicks() {
    int n = 0;
    while (W->Session.Sliding() && n < 10000) {
        W->Session.Tick();
        ++n;
    }
    return n;
}

// Selects Pawn with Space and pushes it with the arrow Key, to the end of the move.
void TestPlayMoves::Move(int Pawn, Qt::Key Key) {
    for (int i = 0; i < 6 && W->Session.Play.PawnIndex != Pawn; ++i)
        QTest::keyClick(W, Qt::Key_Space);
    QCOMPARE(W->Session.Play.PawnIndex, Pawn);
    QTest::keyClick(W, Key);
    RunTicks();
}

void TestPlayMoves::sweptRectangle() {
    Load(Open);
    TPaintSpy spy;
    Child<TBoardBox>(W, "pbBoard")->installEventFilter(&spy);
    QCoreApplication::processEvents();
    spy.Regions.clear();
    QTest::keyClick(W, Qt::Key_Right);
    W->Session.Tick();
    QCoreApplication::processEvents();
    Child<TBoardBox>(W, "pbBoard")->removeEventFilter(&spy);
    QCOMPARE(spy.Regions.size(), 1);
    const int c = W->CellSize;
    const QRect expected(W->BorderX + 3 * c + W->PawnDelta, W->BorderY + 3 * c + W->PawnDelta,
                         W->PawnSize + W->Step, W->PawnSize);
    QCOMPARE(spy.Regions[0], QRegion(expected));
    QVERIFY(W->LastPaintPartial);
    QCOMPARE(W->AnimPawnX, 3 * c + W->Step);
}

// The worked moves 1R, 2U, 1L, 2D, 1R: a turn, a button lowering the door, a pawn leaving the
// button with another on the map raising it again.
void TestPlayMoves::turnsAndDoors() {
    Load(Doors);
    QCOMPARE(Door(), ctDoorUp);
    QTest::keyClick(W, Qt::Key_Right);
    int ticks = 0;
    while (W->Session.Sliding() && ticks < 1000) {
        W->Session.Tick();
        ++ticks;
        QCOMPARE(W->Session.Play.MoveCount, 1); // one move, however many stretches
    }
    QCOMPARE(Pawn(1), QPoint(6, 3));
    QCOMPARE(W->Session.Play.PawnMoveStack.size(), size_t(2));
    // 5 cells right, then on from the turn 2 cells down: 13 pixels a tick, 20 ticks then 8.
    QCOMPARE(W->Step, 13);
    QCOMPARE(ticks, 28);
    Move(2, Qt::Key_Up);
    QCOMPARE(Pawn(2), QPoint(1, 3));
    QCOMPARE(Door(), ctDoorDown);
    Move(1, Qt::Key_Left);
    QCOMPARE(Pawn(1), QPoint(2, 3));
    Move(2, Qt::Key_Down);
    QCOMPARE(Pawn(2), QPoint(1, 5));
    QCOMPARE(Door(), ctDoorUp);
    Move(1, Qt::Key_Right);
    QCOMPARE(Pawn(1), QPoint(3, 3));
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("1R2U1L2D1R"));
    QCOMPARE(W->Session.Play.MoveCount, 5);
    QCOMPARE(Child<QLabel>(W, "lbCount")->text(), QStringLiteral("005"));

    // Back move by move: each undo puts pawns and doors as they were before that move.
    const QList<QPair<QPoint, QPoint>> before = {
        {{2, 3}, {1, 5}}, {{2, 3}, {1, 3}}, {{6, 3}, {1, 3}}, {{6, 3}, {1, 5}}};
    const QList<TCellType> doors = {ctDoorUp, ctDoorDown, ctDoorDown, ctDoorUp};
    for (int i = 0; i < before.size(); ++i) {
        W->btUndoClick();
        QVERIFY(!W->Session.UndoChainRunning());
        QCOMPARE(Pawn(1), before[i].first);
        QCOMPARE(Pawn(2), before[i].second);
        QCOMPARE(Door(), doors[i]);
        QCOMPARE(W->Session.Play.MoveCount, 4 - i);
    }
    QCOMPARE(W->Session.Play.DoorStateStack.size(), size_t(0));
}

// A move that turned goes back one stretch now and the rest 350 ms later; Undo waits for it.
void TestPlayMoves::undoStretchByStretch() {
    Load(Doors);
    Move(2, Qt::Key_Up);
    Move(1, Qt::Key_Right);
    QCOMPARE(W->Session.UndoInterval(), 350);
    QElapsedTimer clock;
    clock.start();
    W->btUndoClick();
    QCOMPARE(Pawn(1), QPoint(6, 1)); // back on the turn cell
    QVERIFY(W->Session.UndoChainRunning());
    QCOMPARE(W->Session.Play.MoveCount, 1);
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("2U"));
    QTest::keyClick(W, Qt::Key_Backspace); // ignored while the chain runs
    QCOMPARE(Pawn(2), QPoint(1, 3));
    QTRY_VERIFY(!W->Session.UndoChainRunning());
    QVERIFY(clock.elapsed() >= 300);
    QCOMPARE(Pawn(1), QPoint(1, 1));
    QCOMPARE(W->Session.Play.PawnMoveStack.size(), size_t(1));
    W->btUndoClick(); // the button goes back: the door rises again
    QCOMPARE(Pawn(2), QPoint(1, 5));
    QCOMPARE(Door(), ctDoorUp);
    QVERIFY(!Child<TRoundButton>(W, "btUndo")->isEnabled());
}

void TestPlayMoves::undoMoveInFlight() {
    Load(Open);
    QTest::keyClick(W, Qt::Key_Down);
    W->Session.Tick();
    W->Session.Tick();
    QCOMPARE(W->Session.Play.MoveCount, 1);
    W->btUndoClick();
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QVERIFY(!W->Session.Sliding());
    QVERIFY(W->Session.Play.SolutionStack.isEmpty());
    QVERIFY(W->Session.Play.PawnMoveStack.empty());
    QCOMPARE(Pawn(1), QPoint(3, 3));
}

// Pawn 2 leaving the button raised the door as it set off; taking the move back lowers it.
void TestPlayMoves::undoMoveInFlightFromButton() {
    Load(Doors);
    Move(2, Qt::Key_Up);
    QCOMPARE(Door(), ctDoorDown);
    QTest::keyClick(W, Qt::Key_Down);
    W->Session.Tick();
    QCOMPARE(Door(), ctDoorUp);
    QCOMPARE(W->Session.Play.DoorStateStack.size(), size_t(2));
    W->btUndoClick();
    QCOMPARE(Door(), ctDoorDown);
    QCOMPARE(W->Session.Play.DoorStateStack.size(), size_t(1));
    QCOMPARE(Pawn(2), QPoint(1, 3));
    QCOMPARE(W->Session.Play.MoveCount, 1);
}

// A move asked for while an undo steps back: the undo finishes at once, the selected pawn
// moves, and the record stays whole.
void TestPlayMoves::moveDuringUndoChain() {
    Load(Doors);
    Move(2, Qt::Key_Up);
    Move(1, Qt::Key_Right);
    W->btUndoClick();
    QVERIFY(W->Session.UndoChainRunning());
    QTest::keyClick(W, Qt::Key_Space); // pawn 2
    QVERIFY(!W->Session.UndoChainRunning());
    QCOMPARE(Pawn(1), QPoint(1, 1));
    QCOMPARE(W->Session.Play.PawnIndex, 2);
    QTest::keyClick(W, Qt::Key_Right);
    RunTicks();
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("2U2R"));
    QCOMPARE(W->Session.Play.PawnMoveStack.size(), size_t(2));
    W->Session.UndoTick(); // a late tick of the undo timer finds nothing to take back
    QCOMPARE(W->Session.Play.MoveCount, 2);
    QCOMPARE(W->Session.Play.PawnMoveStack.size(), size_t(2));
}

void TestPlayMoves::replay() {
    Load(Doors);
    Move(1, Qt::Key_Right);
    Move(2, Qt::Key_Up);
    QVERIFY(Child<TRoundButton>(W, "btReplay")->isEnabled());
    Child<TRoundButton>(W, "btReplay")->click();
    QCOMPARE(Pawn(1), QPoint(1, 1));
    QCOMPARE(Pawn(2), QPoint(1, 5));
    QCOMPARE(Door(), ctDoorUp);
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(W->Session.Play.PawnIndex, 1);
    QVERIFY(!Child<TRoundButton>(W, "btReplay")->isEnabled());
    QVERIFY(!Child<TRoundButton>(W, "btUndo")->isEnabled());
    QCOMPARE(Child<QLabel>(W, "lbCount")->text(), QStringLiteral("000"));

    // During a move, Replay ends it and rewinds.
    QTest::keyClick(W, Qt::Key_Right);
    W->Session.Tick();
    W->btReplayClick();
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(Pawn(1), QPoint(1, 1));
}

// Another map shown while a pawn slides: the slide stops, nothing of the old move lingers.
void TestPlayMoves::mapReplacedDuringMove() {
    Load(Doors);
    QTest::keyClick(W, Qt::Key_Right);
    W->Session.Tick();
    Load(Open);
    RunTicks();
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(Pawn(1), QPoint(3, 3));
    QVERIFY(Messages.Shown.isEmpty());
}

// A handler that only stops the animation leaves its move in flight: the next move takes it
// back first instead of being refused.
void TestPlayMoves::moveLeftInFlight() {
    Load(Open);
    QTest::keyClick(W, Qt::Key_Right);
    W->Session.Tick();
    W->Session.SetAnimation(TAnimation::Idle);
    QTest::keyClick(W, Qt::Key_Down);
    RunTicks();
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("1D"));
    QCOMPARE(W->Session.Play.MoveCount, 1);
    QCOMPARE(Pawn(1), QPoint(3, 6));
}

void TestPlayMoves::resizeDuringMove_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("larger, right") << QSize(1240, 960) << 92 << int(Qt::Key_Right) << QPoint(9, 3);
    QTest::newRow("smaller, right") << QSize(600, 460) << 44 << int(Qt::Key_Right) << QPoint(9, 3);
    QTest::newRow("larger, up") << QSize(1240, 960) << 92 << int(Qt::Key_Up) << QPoint(3, 1);
    QTest::newRow("smaller, down") << QSize(600, 460) << 44 << int(Qt::Key_Down) << QPoint(3, 6);
}

// The window changes its cell size while the pawn slides: it still lands on its cell.
void TestPlayMoves::resizeDuringMove() {
    QFETCH(QSize, size);
    QFETCH(int, cell);
    QFETCH(int, key);
    QFETCH(QPoint, to);
    Load(Open);
    QTest::keyClick(W, Qt::Key(key));
    W->Session.Tick();
    W->Session.Tick();
    W->resize(size);
    QTRY_COMPARE(W->CellSize, cell);
    RunTicks();
    QCOMPARE(Pawn(1), to);
    QCOMPARE(W->AnimPawnX, to.x() * cell);
    QCOMPARE(W->AnimPawnY, to.y() * cell);
    QCOMPARE(W->Session.Play.MoveCount, 1);
}

QTEST_MAIN(TestPlayMoves)
#include "tst_playmoves.moc"
