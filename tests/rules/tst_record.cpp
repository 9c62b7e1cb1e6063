// Undo, rewind and taking back a move in flight keep the record and the doors consistent.
#include "rules/Play.h"
#include "tests/TestSupport.h"

#include <QtTest>

namespace {

TSmallPoint P(int x, int y) {
    return {std::int16_t(x), std::int16_t(y)};
}

// Pawn 1 turns twice on its way down; pawn 2 can reach the button from below.
const QStringList TwoTurns = {
    "#1..B######", //
    "####.######", //
    "####B..b###", //
    "#######.###", //
    "#######2###", //
    "###d#######", //
    "###########", //
    "###########",
};

TPlay Started(const QStringList& rows) {
    TPlay p;
    p.CurMap = MapFromRows(rows);
    p.ResetPlay(true);
    return p;
}

struct TSnapshot {
    TPawnArray Pawns;
    TBoard Board;
    std::vector<TPawnMove> Moves;
    QString Solution;
    std::vector<TDoorState> Doors;
    int Count;
    bool operator==(const TSnapshot&) const = default;
};

TSnapshot Snap(const TPlay& p) {
    return {p.CurMap.PawnPos, p.CurMap.Board,   p.PawnMoveStack,
            p.SolutionStack,  p.DoorStateStack, p.MoveCount};
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT
private slots:
    void undoOfTurnedMoveStepsBackStretchByStretch();
    void undoRestoresDoorsAroundButtons();
    void replayRewindsEverything();
    void cancelTakesBackMoveInFlight();
    void cancelWithNothingInFlightTakesNothing();
    void interruptedUndoChainIsFinished();
    void storedMoveNamingNoPawnIsRefused();
};

void TestRecord::undoOfTurnedMoveStepsBackStretchByStretch() {
    TPlay p = Started(TwoTurns);
    QCOMPARE(p.PlayMove(1, 'R'), moEnded);
    // Right, then down at one turn B, then right at the other, onto the button.
    QCOMPARE(p.CurMap.PawnPos[0], P(7, 2));
    QCOMPARE(p.CurMap.Cell(3, 5), ctDoorUp);
    QCOMPARE(int(p.PawnMoveStack.size()), 3);

    QVERIFY(p.BeginUndo()); // first step: back to the second turn; more to come
    QCOMPARE(p.MoveCount, 0);
    QCOMPARE(p.SolutionStack, QString());
    QCOMPARE(p.CurMap.PawnPos[0], P(4, 2));
    QVERIFY(p.UndoChainPending());
    QVERIFY(p.UndoStep());
    QCOMPARE(p.CurMap.PawnPos[0], P(4, 0));
    QVERIFY(!p.UndoStep());
    QCOMPARE(p.CurMap.PawnPos[0], P(1, 0));
    QVERIFY(p.PawnMoveStack.empty());
    QVERIFY(!p.UndoChainPending());
}

void TestRecord::undoRestoresDoorsAroundButtons() {
    TPlay p = Started(TwoTurns);
    const TSnapshot start = Snap(p);
    QCOMPARE(p.PlayMove(2, 'U'), moEnded); // onto the button: doors flip
    QCOMPARE(p.CurMap.PawnPos[1], P(7, 2));
    QCOMPARE(p.CurMap.Cell(3, 5), ctDoorUp);
    const TSnapshot afterFirst = Snap(p);
    QCOMPARE(p.PlayMove(2, 'D'), moEnded); // leaves it with another pawn: doors flip back
    QCOMPARE(p.CurMap.Cell(3, 5), ctDoorDown);
    QCOMPARE(int(p.DoorStateStack.size()), 2);

    QVERIFY(!p.BeginUndo());
    QCOMPARE(Snap(p), afterFirst);
    QVERIFY(!p.BeginUndo());
    QCOMPARE(Snap(p), start);
}

void TestRecord::replayRewindsEverything() {
    TPlay p = Started(TwoTurns);
    const TSnapshot start = Snap(p);
    p.PlayMove(2, 'U');
    p.PlayMove(1, 'R');
    p.SelectPawn(2);
    p.ResetPlay(false);
    QCOMPARE(Snap(p), start);
    QCOMPARE(p.PawnIndex, 1);
}

void TestRecord::cancelTakesBackMoveInFlight() {
    TPlay p = Started(TwoTurns);
    p.PlayMove(2, 'U'); // pawn 2 on the button
    const TSnapshot before = Snap(p);
    p.SelectPawn(2);
    p.PawnDirection = 'D';
    QVERIFY(p.StartMove()); // departure flip already made
    QCOMPARE(p.CurMap.Cell(3, 5), ctDoorDown);
    QVERIFY(p.CancelMove());
    QCOMPARE(Snap(p), before);
    QVERIFY(!p.MoveInFlight());

    // Taken back after a turn too: every stretch of the move goes.
    p.SelectPawn(1);
    p.PawnDirection = 'R';
    QVERIFY(p.StartMove());
    QCOMPARE(p.Arrive(), arContinues);
    QVERIFY(p.CancelMove());
    QCOMPARE(Snap(p), before);
}

void TestRecord::cancelWithNothingInFlightTakesNothing() {
    TPlay p = Started(TwoTurns);
    p.PlayMove(2, 'U');
    const TSnapshot before = Snap(p);
    QVERIFY(!p.CancelMove());
    QCOMPARE(Snap(p), before);
}

void TestRecord::interruptedUndoChainIsFinished() {
    TPlay p = Started(TwoTurns);
    p.PlayMove(1, 'R');
    QVERIFY(p.BeginUndo());
    // A new move before the chain ran out: the chain is finished first.
    QCOMPARE(p.PlayMove(2, 'U'), moEnded);
    QCOMPARE(p.CurMap.PawnPos[0], P(1, 0));
    QCOMPARE(p.PawnMoveStack, (std::vector<TPawnMove>{{2, P(7, 4)}}));
    QCOMPARE(p.MoveCount, 1);
    // And the explicit finish leaves a record with as many moves as the counter.
    p.PlayMove(1, 'R');
    QVERIFY(p.BeginUndo());
    p.FinishUndoChain();
    QCOMPARE(p.MoveCount, 1);
    QCOMPARE(int(p.PawnMoveStack.size()), 1);
}

void TestRecord::storedMoveNamingNoPawnIsRefused() {
    TPlay p = Started(TwoTurns);
    for (const char* s : {"0R", "3R", "1X", "1"}) {
        p.CurMap.Solution = s;
        p.SolutionStep = 0;
        QVERIFY2(!p.ReadStoredMove(), s);
    }
    p.CurMap.Solution = "2U";
    QVERIFY(p.ReadStoredMove());
    QCOMPARE(p.PawnIndex, 2);
    QCOMPARE(p.PawnDirection, QChar('U'));
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
