// Press directions, the Ctrl+arrow search, animation pace and the texts of the play controls.
#include "rules/PlayInput.h"
#include "tests/TestSupport.h"

#include <QtTest>

using TCells = QList<QPoint>;

class TestPlayInput : public QObject {
    Q_OBJECT
private slots:
    void direction_data();
    void direction();
    void nearestPawn_data();
    void nearestPawn();
    void stops_data();
    void stops();
    void pace();
    void caption_data();
    void caption();
    void counters();
};

void TestPlayInput::direction_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("dir");
    // The pawn stands on (3, 3).
    QTest::newRow("below in its column") << 3 << 7 << "D";
    QTest::newRow("above") << 3 << 0 << "U";
    QTest::newRow("left in its row") << 0 << 3 << "L";
    QTest::newRow("right") << 10 << 3 << "R";
    QTest::newRow("elsewhere") << 7 << 6 << " ";
    QTest::newRow("its own cell") << 3 << 3 << " ";
}

void TestPlayInput::direction() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QString, dir);
    QCOMPARE(DirectionToward({3, 3}, col, row), dir.at(0));
}

void TestPlayInput::nearestPawn_data() {
    QTest::addColumn<QString>("dir");
    QTest::addColumn<TCells>("others"); // pawns 2.. in order
    QTest::addColumn<int>("expected");
    // The selected pawn 1 stands on (5, 3).
    QTest::newRow("own row first") << "R" << TCells{{6, 2}, {9, 3}} << 3;
    QTest::newRow("cone: next row from one ahead") << "R" << TCells{{6, 4}} << 2;
    QTest::newRow("upper row first at equal distance") << "R" << TCells{{7, 4}, {7, 2}} << 3;
    QTest::newRow("cone skips near pawns two rows aside")
        << "R" << TCells{{7, 1}, {8, 5}} << 3; // (7,1) is not 3 cells ahead; (8,5) is
    QTest::newRow("half-board pass finds the rest") << "R" << TCells{{6, 0}} << 2;
    QTest::newRow("row 7 only in the second pass") << "R" << TCells{{6, 7}} << 2;
    QTest::newRow("nothing behind") << "R" << TCells{{4, 3}, {2, 6}} << 0;
    QTest::newRow("up: own column") << "U" << TCells{{5, 0}, {4, 2}} << 2;
    QTest::newRow("up: left column first") << "U" << TCells{{6, 2}, {4, 2}} << 3;
    QTest::newRow("left: own row") << "L" << TCells{{1, 3}} << 2;
}

void TestPlayInput::nearestPawn() {
    QFETCH(QString, dir);
    QFETCH(TCells, others);
    QFETCH(int, expected);
    TPlay p;
    p.CurMap.PawnNb = 1 + int(others.size());
    p.CurMap.PawnPos[0] = {5, 3};
    for (int i = 0; i < others.size(); ++i)
        p.CurMap.PawnPos[i + 1] = {std::int16_t(others[i].x()), std::int16_t(others[i].y())};
    p.PawnIndex = 1;
    QCOMPARE(NearestPawnAlong(p, dir.at(0)), expected);
}

void TestPlayInput::stops_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("expected"); // direction and resting cell, in the order L U R D
    QTest::newRow("a free row") << QStringList{"###########", "#...1.....#"} << "L1,1 R9,1";
    QTest::newRow("a stop cell") << QStringList{"###########", "#..s1.....#"} << "L3,1 R9,1";
    QTest::newRow("another pawn") << QStringList{"###########", "#1..2.....#"} << "R3,1";
    QTest::newRow("a turn cell sends it on")
        << QStringList{"###########", "#.1.......#", "#.A.......#"} << "L1,1 R9,1 D1,2";
    QTest::newRow("walled in") << QStringList{"###########", "#1#"} << "";
}

void TestPlayInput::stops() {
    QFETCH(QStringList, rows);
    QFETCH(QString, expected);
    TPlay p;
    p.CurMap = MapFromRows(rows);
    p.ResetPlay(true);
    const TPawnArray before = p.CurMap.PawnPos;
    QStringList found;
    for (const TStopMark& m : StopsOf(p, 1))
        found << QStringLiteral("%1%2,%3").arg(m.Direction).arg(m.Cell.x).arg(m.Cell.y);
    QCOMPARE(found.join(u' '), expected);
    QCOMPARE(p.CurMap.PawnPos, before);
    QCOMPARE(p.MoveCount, 0);
    QVERIFY(StopsOf(p, 2).empty() || p.CurMap.PawnNb >= 2);
}

void TestPlayInput::pace() {
    QCOMPARE(AnimationInterval(2), 21);
    QCOMPARE(AnimationStep(2, 56, false), 14); // a one-cell slide takes four ticks
    QCOMPARE(AnimationStep(4, 60, true), 20);  // step by step playback
    QCOMPARE(AnimationStep(4, 60, false), 7);
    QCOMPARE(AnimationStep(0, 44, false), 16);
    int total = 0;
    for (int speed : {0, 1, 2, 3, 4}) total += PlaybackWait(speed) * 10;
    QCOMPARE(total, 500 + 250 + 160 + 120 + 100);
    // A pawn at the edge looking outwards selects nothing.
    TPlay p;
    p.CurMap.PawnNb = 2;
    p.CurMap.PawnPos[0] = {0, 3};
    p.CurMap.PawnPos[1] = {0, 5};
    p.PawnIndex = 1;
    QCOMPARE(NearestPawnAlong(p, 'L'), 0);
}

void TestPlayInput::caption_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("inPack");
    QTest::addColumn<QString>("packTitle");
    QTest::addColumn<QString>("packFile");
    QTest::addColumn<QString>("caption");
    QTest::newRow("example") << "Exemple 1"
                             << "" << false << ""
                             << ""
                             << "Virelune  ●  Exemple 1";
    QTest::newRow("untitled file") << ""
                                   << "mes/essai.vrm" << false << ""
                                   << ""
                                   << "Virelune  ●  mes/essai";
    QTest::newRow("new map") << ""
                             << "" << false << ""
                             << ""
                             << "Virelune  ●  Nouveau tableau";
    QTest::newRow("pack map") << "Trois"
                              << "" << true << "Mon pack"
                              << "p/x.vrp"
                              << "Virelune  ●  Mon pack  ●  Trois";
    QTest::newRow("untitled map of untitled pack")
        << ""
        << "" << true << ""
        << "packs/Série.vrp"
        << "Virelune  ●  packs/Série  ●  Nouveau tableau";
}

void TestPlayInput::caption() {
    QFETCH(QString, title);
    QFETCH(QString, file);
    QFETCH(bool, inPack);
    QFETCH(QString, packTitle);
    QFETCH(QString, packFile);
    QFETCH(QString, caption);
    QCOMPARE(MapCaption(title, file, inPack, packTitle, packFile), caption);
}

void TestPlayInput::counters() {
    QCOMPARE(MoveCountText(0), QString("000"));
    QCOMPARE(MoveCountText(7), QString("007"));
    QCOMPARE(MoveCountText(1234), QString("1234"));
    QCOMPARE(SolutionCountText(""), QString("(?)"));
    QCOMPARE(SolutionCountText("1R1D1L"), QString("(3 coups)"));
}

QTEST_GUILESS_MAIN(TestPlayInput)
#include "tst_playinput.moc"
