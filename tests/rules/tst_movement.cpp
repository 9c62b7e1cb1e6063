// Where pawns stop, which doors flip and when, and how turn cells send a pawn on.
#include "rules/Play.h"
#include "tests/TestSupport.h"

#include <QtTest>

namespace {

// The worked board: a turn B, a button, one raised door and two pawns.
const QStringList WorkedBoard = {
    "###########", //
    "#1....B...#", //
    "######.##.#", //
    "#b..D.....#", //
    "#.#########", //
    "#2........#", //
    "###########", //
    "###########",
};

TPlay Started(const TMap& map) {
    TPlay p;
    p.CurMap = map;
    p.ResetPlay(true);
    return p;
}

TSmallPoint P(int x, int y) {
    return {std::int16_t(x), std::int16_t(y)};
}

} // namespace

class TestMovement : public QObject {
    Q_OBJECT
private slots:
    void slideTable_data();
    void slideTable();
    void workedExample();
    void leavingButtonWithOtherPawnsAnticipatesDoors();
    void singlePawnLeavesButtonWithoutFlip();
    void loopGuardEndsOnFirstCell();
    void blockedContinuationEndsOnTurn();
    void pawnHoldsLoweredDoorDown();
    void noDoorsNoFlips();
    void pawnAtPrefersHigherNumber();
};

void TestMovement::slideTable_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("move");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<int>("endX");
    QTest::addColumn<int>("endY");
    QTest::addColumn<int>("startX"); // pawn 1 put on column startX of row 0 first; -1: as drawn

    const QStringList open = {"...........", "...........", "...........", "...........",
                              "....1......", "...........", "...........", "..........."};
    QTest::newRow("slides to the edge") << open << "1R" << true << 10 << 4 << -1;
    QTest::newRow("edge pushed outwards")
        << QStringList{"1.........."} << "1L" << false << 0 << 0 << -1;
    QTest::newRow("stops before a wall")
        << QStringList{"1...#......"} << "1R" << true << 3 << 0 << -1;
    QTest::newRow("stops before a pawn")
        << QStringList{"1...2......"} << "1R" << true << 3 << 0 << -1;
    QTest::newRow("enters a stop") << QStringList{"1s........."} << "1R" << true << 1 << 0 << -1;
    // A pawn resting on a stop or a turn cell leaves it in a straight line.
    QTest::newRow("leaves a stop normally")
        << QStringList{".s........."} << "1R" << true << 10 << 0 << 1;
    QTest::newRow("passes goals and buttons")
        << QStringList{"1o.b......#"} << "1R" << true << 9 << 0 << -1;
    QTest::newRow("raised door blocks")
        << QStringList{"1..D......."} << "1R" << true << 2 << 0 << -1;
    QTest::newRow("lowered door passed")
        << QStringList{"1..d......#"} << "1R" << true << 9 << 0 << -1;
    QTest::newRow("resting on a turn leaves straight")
        << QStringList{".A........."} << "1R" << true << 10 << 0 << 1;
}

void TestMovement::slideTable() {
    QFETCH(QStringList, rows);
    QFETCH(QString, move);
    QFETCH(bool, moves);
    QFETCH(int, endX);
    QFETCH(int, endY);
    QFETCH(int, startX);
    TMap m = MapFromRows(rows);
    if (startX >= 0) {
        m.PawnNb = 1;
        m.PawnPos[0] = P(startX, 0);
    }
    TPlay p = Started(m);
    const TMoveOutcome out = p.PlayMove(move[0].digitValue(), move[1]);
    QCOMPARE(out != moBlocked, moves);
    QCOMPARE(p.CurMap.PawnPos[0], P(endX, endY));
    QCOMPARE(p.MoveCount, moves ? 1 : 0);
    QCOMPARE(int(p.PawnMoveStack.size()), moves ? 1 : 0); // one stretch: no turn on the way
    QCOMPARE(p.SolutionStack, moves ? move : QString());
}

void TestMovement::workedExample() {
    TPlay p = Started(MapFromRows(WorkedBoard));
    QCOMPARE(p.DoorNb(), 1);
    QCOMPARE(p.DoorPosSave[0], (TDoorPos{ctDoorUp, 4, 3}));

    QCOMPARE(p.PlayMove(1, 'R'), moEnded);
    QCOMPARE(p.CurMap.PawnPos[0], P(6, 3));
    QCOMPARE(p.PawnMoveStack, (std::vector<TPawnMove>{{1, P(1, 1)}, {-1, P(6, 1)}}));
    QCOMPARE(p.SolutionStack, QString("1R"));
    QCOMPARE(p.MoveCount, 1);

    QCOMPARE(p.PlayMove(2, 'U'), moEnded);
    QCOMPARE(p.CurMap.PawnPos[1], P(1, 3));
    QCOMPARE(p.DoorStateStack, (std::vector<TDoorState>{{ctDoorUp}}));
    QCOMPARE(p.CurMap.Cell(4, 3), ctDoorDown);

    QCOMPARE(p.PlayMove(1, 'L'), moEnded);
    QCOMPARE(p.CurMap.PawnPos[0], P(2, 3));

    QCOMPARE(p.PlayMove(2, 'D'), moEnded);
    QCOMPARE(p.CurMap.PawnPos[1], P(1, 5));
    QCOMPARE(int(p.DoorStateStack.size()), 2);
    QCOMPARE(p.DoorStateStack[1], TDoorState{ctDoorDown});
    QCOMPARE(p.CurMap.Cell(4, 3), ctDoorUp);

    QCOMPARE(p.PlayMove(1, 'R'), moEnded);
    QCOMPARE(p.CurMap.PawnPos[0], P(3, 3));
    QCOMPARE(p.MoveCount, 5);
    QCOMPARE(p.SolutionStack, QString("1R2U1L2D1R"));
}

void TestMovement::leavingButtonWithOtherPawnsAnticipatesDoors() {
    TPlay p = Started(MapFromRows(WorkedBoard));
    p.PlayMove(1, 'R');
    p.PlayMove(2, 'U'); // on the button, door lowered
    // Leaving the button with another pawn on the map: the lowered door counts as raised.
    QCOMPARE(p.PlayMove(2, 'R'), moEnded);
    QCOMPARE(p.CurMap.PawnPos[1], P(3, 3));
    QCOMPARE(p.CurMap.Cell(4, 3), ctDoorUp);
}

void TestMovement::singlePawnLeavesButtonWithoutFlip() {
    QStringList rows = WorkedBoard;
    rows[1] = "#.....B...#";
    rows[5] = "#1........#";
    TPlay p = Started(MapFromRows(rows));
    QCOMPARE(p.PlayMove(1, 'U'), moEnded);
    QCOMPARE(p.CurMap.Cell(4, 3), ctDoorDown); // arriving on a button always flips
    QCOMPARE(p.PlayMove(1, 'R'), moEnded);
    QCOMPARE(p.CurMap.PawnPos[0], P(9, 3)); // crossed the lowered door, no departure flip
    QCOMPARE(int(p.DoorStateStack.size()), 1);
}

void TestMovement::loopGuardEndsOnFirstCell() {
    TPlay p = Started(MapFromRows({
        "###########", //
        "##1..B#####", //
        "##.##.#####", //
        "##.##.#####", //
        "##B..A#####", //
        "###########",
        "###########",
        "###########",
    }));
    p.CurMap.SetCell(2, 1, ctTurnA);
    QCOMPARE(p.PlayMove(1, 'R'), moEnded);
    QCOMPARE(p.CurMap.PawnPos[0], P(2, 1));
    QCOMPARE(p.PawnMoveStack,
             (std::vector<TPawnMove>{{1, P(2, 1)}, {-1, P(5, 1)}, {-1, P(5, 4)}, {-1, P(2, 4)}}));
    QCOMPARE(p.MoveCount, 1);
}

void TestMovement::blockedContinuationEndsOnTurn() {
    TPlay p = Started(MapFromRows({"1...B######", "###########"}));
    QCOMPARE(p.PlayMove(1, 'R'), moEnded); // right becomes down: a wall at once
    QCOMPARE(p.CurMap.PawnPos[0], P(4, 0));
    QCOMPARE(p.MoveCount, 1);
    QCOMPARE(int(p.PawnMoveStack.size()), 1);
}

void TestMovement::pawnHoldsLoweredDoorDown() {
    TPlay p = Started(MapFromRows({
        "b.2.d.....#", //
        "1##########",
    }));
    // Pawn 3 rests on the lowered door; pawn 1 arrives on the button.
    p.CurMap.PawnNb = 3;
    p.CurMap.PawnPos[2] = P(4, 0);
    p.ResetPlay(true);
    QCOMPARE(p.PlayMove(1, 'U'), moEnded);
    QCOMPARE(p.DoorStateStack, (std::vector<TDoorState>{{ctDoorDown}}));
    QCOMPARE(p.CurMap.Cell(4, 0), ctDoorDown);
}

void TestMovement::noDoorsNoFlips() {
    TPlay p = Started(MapFromRows({"1..b#######"}));
    QCOMPARE(p.PlayMove(1, 'R'), moEnded);
    QCOMPARE(p.CurMap.PawnPos[0], P(3, 0));
    QVERIFY(p.DoorStateStack.empty());
}

void TestMovement::pawnAtPrefersHigherNumber() {
    TMap m;
    m.PawnNb = 2;
    m.PawnPos[0] = P(3, 3);
    m.PawnPos[1] = P(3, 3);
    QCOMPARE(m.PawnAt(3, 3), 2);
    QCOMPARE(m.PawnAt(4, 3), 0);
    TPlay p;
    p.CurMap = m;
    QCOMPARE(p.PawnAt(3, 3), 2);
    m.PawnNb = 0; // stale entries are never pawns
    QCOMPARE(m.PawnAt(3, 3), 0);
}

QTEST_GUILESS_MAIN(TestMovement)
#include "tst_movement.moc"
