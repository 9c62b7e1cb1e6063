// Moves on screen: the pawn sliding tick by tick and repainting only its sweep, moves through
// turns and doors, undo stretch by stretch, a move taken back in flight, rewind, and a resize
// in the middle of a slide.
#include "RoundButton.h"
#include "TestSupport.h"
#include "MainWindow.h"

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
        const TSmallPoint p = W->Play.CurMap.PawnPos[size_t(i - 1)];
        return QPoint(p.x, p.y);
    }
    TCellType Door() const { return W->Play.CurMap.Cell(4, 3); }
    TVirelMain* W = nullptr;
    TMessageRecorder Messages;
};

void TestPlayMoves::init() {
    Messages = TMessageRecorder();
    W = new TVirelMain;
    W->Messenger = &Messages;
    W->resize(764, 556); // cell 52
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W));
}

void TestPlayMoves::cleanup() {
    delete W;
    W = nullptr;
}

void TestPlayMoves::Load(const QStringList& Rows) {
    W->LoadedMap = 0;
    W->FileName.clear();
    W->ShowMap(MapFromRows(Rows));
    Messages.Shown.clear(); // these boards have no goals, which the map check points out
}

int TestPlayMoves::RunTicks() {
    int n = 0;
    while (W->tAnimate->isActive() && n < 10000) {
        W->tAnimateTimer();
        ++n;
    }
    return n;
}

// Selects Pawn with Space and pushes it with the arrow Key, to the end of the move.
void TestPlayMoves::Move(int Pawn, Qt::Key Key) {
    for (int i = 0; i < 6 && W->Play.PawnIndex != Pawn; ++i) QTest::keyClick(W, Qt::Key_Space);
    QCOMPARE(W->Play.PawnIndex, Pawn);
    QTest::keyClick(W, Key);
    RunTicks();
}

void TestPlayMoves::sweptRectangle() {
    Load(Open);
    TPaintSpy spy;
    W->pbBoard->installEventFilter(&spy);
    QCoreApplication::processEvents();
    spy.Regions.clear();
    QTest::keyClick(W, Qt::Key_Right);
    W->tAnimateTimer();
    QCoreApplication::processEvents();
    W->pbBoard->removeEventFilter(&spy);
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
    while (W->tAnimate->isActive() && ticks < 1000) {
        W->tAnimateTimer();
        ++ticks;
        QCOMPARE(W->Play.MoveCount, 1); // one move, however many stretches
    }
    QCOMPARE(Pawn(1), QPoint(6, 3));
    QCOMPARE(W->Play.PawnMoveStack.size(), size_t(2));
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
    QCOMPARE(W->Play.SolutionStack, QStringLiteral("1R2U1L2D1R"));
    QCOMPARE(W->Play.MoveCount, 5);
    QCOMPARE(W->lbCount->text(), QStringLiteral("005"));

    // Back move by move: each undo puts pawns and doors as they were before that move.
    const QList<QPair<QPoint, QPoint>> before = {
        {{2, 3}, {1, 5}}, {{2, 3}, {1, 3}}, {{6, 3}, {1, 3}}, {{6, 3}, {1, 5}}};
    const QList<TCellType> doors = {ctDoorUp, ctDoorDown, ctDoorDown, ctDoorUp};
    for (int i = 0; i < before.size(); ++i) {
        W->btUndoClick();
        QVERIFY(!W->tUndo->isActive());
        QCOMPARE(Pawn(1), before[i].first);
        QCOMPARE(Pawn(2), before[i].second);
        QCOMPARE(Door(), doors[i]);
        QCOMPARE(W->Play.MoveCount, 4 - i);
    }
    QCOMPARE(W->Play.DoorStateStack.size(), size_t(0));
}

// A move that turned goes back one stretch now and the rest 350 ms later; Undo waits for it.
void TestPlayMoves::undoStretchByStretch() {
    Load(Doors);
    Move(2, Qt::Key_Up);
    Move(1, Qt::Key_Right);
    QCOMPARE(W->tUndo->interval(), 350);
    QElapsedTimer clock;
    clock.start();
    W->btUndoClick();
    QCOMPARE(Pawn(1), QPoint(6, 1)); // back on the turn cell
    QVERIFY(W->tUndo->isActive());
    QCOMPARE(W->Play.MoveCount, 1);
    QCOMPARE(W->Play.SolutionStack, QStringLiteral("2U"));
    QTest::keyClick(W, Qt::Key_Backspace); // ignored while the chain runs
    QCOMPARE(Pawn(2), QPoint(1, 3));
    QTRY_VERIFY(!W->tUndo->isActive());
    QVERIFY(clock.elapsed() >= 300);
    QCOMPARE(Pawn(1), QPoint(1, 1));
    QCOMPARE(W->Play.PawnMoveStack.size(), size_t(1));
    W->btUndoClick(); // the button goes back: the door rises again
    QCOMPARE(Pawn(2), QPoint(1, 5));
    QCOMPARE(Door(), ctDoorUp);
    QVERIFY(!W->btUndo->isEnabled());
}

void TestPlayMoves::undoMoveInFlight() {
    Load(Open);
    QTest::keyClick(W, Qt::Key_Down);
    W->tAnimateTimer();
    W->tAnimateTimer();
    QCOMPARE(W->Play.MoveCount, 1);
    W->btUndoClick();
    QCOMPARE(W->Play.MoveCount, 0);
    QCOMPARE(W->AnimationMode, 0);
    QVERIFY(!W->tAnimate->isActive());
    QVERIFY(W->Play.SolutionStack.isEmpty());
    QVERIFY(W->Play.PawnMoveStack.empty());
    QCOMPARE(Pawn(1), QPoint(3, 3));
}

// Pawn 2 leaving the button raised the door as it set off; taking the move back lowers it.
void TestPlayMoves::undoMoveInFlightFromButton() {
    Load(Doors);
    Move(2, Qt::Key_Up);
    QCOMPARE(Door(), ctDoorDown);
    QTest::keyClick(W, Qt::Key_Down);
    W->tAnimateTimer();
    QCOMPARE(Door(), ctDoorUp);
    QCOMPARE(W->Play.DoorStateStack.size(), size_t(2));
    W->btUndoClick();
    QCOMPARE(Door(), ctDoorDown);
    QCOMPARE(W->Play.DoorStateStack.size(), size_t(1));
    QCOMPARE(Pawn(2), QPoint(1, 3));
    QCOMPARE(W->Play.MoveCount, 1);
}

// A move asked for while an undo steps back: the undo finishes at once, the selected pawn
// moves, and the record stays whole.
void TestPlayMoves::moveDuringUndoChain() {
    Load(Doors);
    Move(2, Qt::Key_Up);
    Move(1, Qt::Key_Right);
    W->btUndoClick();
    QVERIFY(W->tUndo->isActive());
    QTest::keyClick(W, Qt::Key_Space); // pawn 2
    QVERIFY(!W->tUndo->isActive());
    QCOMPARE(Pawn(1), QPoint(1, 1));
    QCOMPARE(W->Play.PawnIndex, 2);
    QTest::keyClick(W, Qt::Key_Right);
    RunTicks();
    QCOMPARE(W->Play.SolutionStack, QStringLiteral("2U2R"));
    QCOMPARE(W->Play.PawnMoveStack.size(), size_t(2));
    W->Undo(); // a late tick of the undo timer finds nothing to take back
    QCOMPARE(W->Play.MoveCount, 2);
    QCOMPARE(W->Play.PawnMoveStack.size(), size_t(2));
}

void TestPlayMoves::replay() {
    Load(Doors);
    Move(1, Qt::Key_Right);
    Move(2, Qt::Key_Up);
    QVERIFY(W->btReplay->isEnabled());
    W->btReplay->click();
    QCOMPARE(Pawn(1), QPoint(1, 1));
    QCOMPARE(Pawn(2), QPoint(1, 5));
    QCOMPARE(Door(), ctDoorUp);
    QCOMPARE(W->Play.MoveCount, 0);
    QCOMPARE(W->Play.PawnIndex, 1);
    QVERIFY(!W->btReplay->isEnabled());
    QVERIFY(!W->btUndo->isEnabled());
    QCOMPARE(W->lbCount->text(), QStringLiteral("000"));

    // During a move, Replay ends it and rewinds.
    QTest::keyClick(W, Qt::Key_Right);
    W->tAnimateTimer();
    W->btReplayClick();
    QCOMPARE(W->AnimationMode, 0);
    QCOMPARE(W->Play.MoveCount, 0);
    QCOMPARE(Pawn(1), QPoint(1, 1));
}

// Another map shown while a pawn slides: the slide stops, nothing of the old move lingers.
void TestPlayMoves::mapReplacedDuringMove() {
    Load(Doors);
    QTest::keyClick(W, Qt::Key_Right);
    W->tAnimateTimer();
    Load(Open);
    RunTicks();
    QCOMPARE(W->AnimationMode, 0);
    QCOMPARE(W->Play.MoveCount, 0);
    QCOMPARE(Pawn(1), QPoint(3, 3));
    QVERIFY(Messages.Shown.isEmpty());
}

// A handler that only stops the animation leaves its move in flight: the next move takes it
// back first instead of being refused.
void TestPlayMoves::moveLeftInFlight() {
    Load(Open);
    QTest::keyClick(W, Qt::Key_Right);
    W->tAnimateTimer();
    W->SetAnimationMode(0);
    QTest::keyClick(W, Qt::Key_Down);
    RunTicks();
    QCOMPARE(W->Play.SolutionStack, QStringLiteral("1D"));
    QCOMPARE(W->Play.MoveCount, 1);
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
    W->tAnimateTimer();
    W->tAnimateTimer();
    W->resize(size);
    QTRY_COMPARE(W->CellSize, cell);
    RunTicks();
    QCOMPARE(Pawn(1), to);
    QCOMPARE(W->AnimPawnX, to.x() * cell);
    QCOMPARE(W->AnimPawnY, to.y() * cell);
    QCOMPARE(W->Play.MoveCount, 1);
}

QTEST_MAIN(TestPlayMoves)
#include "tst_playmoves.moc"
