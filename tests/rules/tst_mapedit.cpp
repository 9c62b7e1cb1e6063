// The editor's tools on every kind of cell, its limits, pawn renumbering and drag painting.
#include "rules/MapEdit.h"
#include "tests/TestSupport.h"

#include <QtTest>

Q_DECLARE_METATYPE(TEditTool)
Q_DECLARE_METATYPE(TCellType)

class TestMapEdit : public QObject {
    Q_OBJECT
private slots:
    void tools_data();
    void tools();
    void limits_data();
    void limits();
    void removingPawnRenumbersTheLast();
    void dragPainting();
    void reminder();
};

void TestMapEdit::tools_data() {
    QTest::addColumn<TEditTool>("tool");
    QTest::addColumn<QString>("cell"); // the cell (0, 0), with pawn 1 on it when it holds '1'
    QTest::addColumn<TCellType>("after");
    QTest::addColumn<int>("pawns");
    QTest::addColumn<int>("kind");
    QTest::addColumn<TCellType>("curCellType");
    const int cell = TEditResult::erCell, none = TEditResult::erNothing;
    const int added = TEditResult::erPawnAdded;
    QTest::newRow("cell: wall to floor") << etCell << "#" << ctVoid << 0 << cell << ctVoid;
    QTest::newRow("cell: floor with pawn to wall")
        << etCell << "1" << ctWall << 0 << cell << ctWall;
    QTest::newRow("cell: goal to wall") << etCell << "o" << ctWall << 0 << cell << ctWall;
    QTest::newRow("goal on goal keeps pawn") << etGoal << "u" << ctVoid << 1 << cell << ctDoorUp;
    QTest::newRow("goal on floor") << etGoal << "." << ctGoal << 0 << cell << ctDoorUp;
    QTest::newRow("stop toggles") << etStop << "s" << ctVoid << 0 << cell << ctDoorUp;
    QTest::newRow("button removes pawn") << etButton << "1" << ctButton << 0 << cell << ctDoorUp;
    QTest::newRow("door: new is raised") << etDoor << "1" << ctDoorUp << 0 << cell << ctDoorUp;
    QTest::newRow("door: raised lowers") << etDoor << "D" << ctDoorDown << 0 << cell << ctDoorUp;
    QTest::newRow("door: lowered to floor") << etDoor << "d" << ctVoid << 0 << cell << ctDoorUp;
    QTest::newRow("turn: floor to A") << etTurn << "1" << ctTurnA << 1 << cell << ctDoorUp;
    QTest::newRow("turn: A to B") << etTurn << "A" << ctTurnB << 0 << cell << ctDoorUp;
    QTest::newRow("turn: B to floor") << etTurn << "B" << ctVoid << 0 << cell << ctDoorUp;
    QTest::newRow("pawn on wall ignored") << etPawn << "#" << ctWall << 0 << none << ctDoorUp;
    QTest::newRow("pawn on button ignored") << etPawn << "b" << ctButton << 0 << none << ctDoorUp;
    QTest::newRow("pawn on raised door ignored")
        << etPawn << "D" << ctDoorUp << 0 << none << ctDoorUp;
    QTest::newRow("pawn added on lowered door")
        << etPawn << "d" << ctDoorDown << 1 << added << ctDoorUp;
    QTest::newRow("pawn removed") << etPawn << "u" << ctGoal << 0 << cell << ctDoorUp;
}

void TestMapEdit::tools() {
    QFETCH(TEditTool, tool);
    QFETCH(QString, cell);
    QFETCH(TCellType, after);
    QFETCH(int, pawns);
    QFETCH(int, kind);
    QFETCH(TCellType, curCellType);
    TMap m = MapFromRows({cell + "##########"});
    TCellType cur = ctDoorUp; // only the cell tool changes it
    const TEditResult r = ApplyTool(m, tool, 0, 0, cur);
    QCOMPARE(int(r.Kind), kind);
    QCOMPARE(m.Cell(0, 0), after);
    QCOMPARE(m.PawnNb, pawns);
    QCOMPARE(cur, curCellType);
}

void TestMapEdit::limits_data() {
    QTest::addColumn<TEditTool>("tool");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("message");
    QTest::newRow("goals") << etGoal << "oooooo....."
                           << "Nombre maxi de buts (6) atteint";
    QTest::newRow("stops") << etStop << "ssssss....."
                           << "Nombre maxi de stops (6) atteint";
    QTest::newRow("buttons") << etButton << "bbbbbb....."
                             << "Nombre maxi de boutons (6) atteint";
    QTest::newRow("doors up and down") << etDoor << "DDDddd....."
                                       << "Nombre maxi de portes (6) atteint";
    QTest::newRow("turns A and B") << etTurn << "AAABBB....."
                                   << "Nombre maxi de virages (6) atteint";
    QTest::newRow("pawns") << etPawn << "123456....."
                           << "Nombre maxi de pions (6) atteint";
}

void TestMapEdit::limits() {
    QFETCH(TEditTool, tool);
    QFETCH(QString, row);
    QFETCH(QString, message);
    TMap m = MapFromRows({row});
    const TMap before = m;
    TCellType cur = ctWall;
    const TEditResult r = ApplyTool(m, tool, 8, 0, cur);
    QCOMPARE(int(r.Kind), int(TEditResult::erRefused));
    QCOMPARE(r.Message, message);
    QCOMPARE(m.Board, before.Board);
    QCOMPARE(m.PawnNb, before.PawnNb);
    // At the limit the tool still takes back its own kind.
    if (tool != etPawn) {
        QCOMPARE(int(ApplyTool(m, tool, 0, 0, cur).Kind), int(TEditResult::erCell));
        QVERIFY(m.Cell(0, 0) != before.Cell(0, 0));
    }
}

void TestMapEdit::removingPawnRenumbersTheLast() {
    TMap m = MapFromRows({"1.2.3.4...."});
    QCOMPARE(RemovePawnAt(m, 2, 0), 2);
    QCOMPARE(m.PawnNb, 3);
    QCOMPARE(m.PawnPos[1], (TSmallPoint{6, 0})); // the old pawn 4 is now pawn 2
    QCOMPARE(RemovePawnAt(m, 9, 0), 0);
}

void TestMapEdit::dragPainting() {
    TMap m = MapFromRows({"#vsAbBd#1.."});
    TCellType cur = ctWall;
    ApplyTool(m, etCell, 0, 0, cur); // a wall turned to floor: the drag paints floor
    QCOMPARE(cur, ctVoid);
    for (int x = 1; x <= 7; ++x) QVERIFY(DragPaint(m, x, 0, cur));
    for (int x = 0; x <= 7; ++x) QCOMPARE(m.Cell(x, 0), ctVoid);
    QCOMPARE(m.PawnNb, 1); // the pawn on the goal went, the one on floor at (8, 0) stays
    QVERIFY(!DragPaint(m, 8, 0, cur));  // already floor
    QVERIFY(!DragPaint(m, 11, 0, cur)); // off the board
}

void TestMapEdit::reminder() {
    QList<int> due;
    for (int i = 1; i <= 100; ++i)
        if (SaveReminderDue(i)) due << i;
    QCOMPARE(due, (QList<int>{40, 70}));
}

QTEST_GUILESS_MAIN(TestMapEdit)
#include "tst_mapedit.moc"
