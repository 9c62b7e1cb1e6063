// The ten built-in maps: their contents as the game ships them, and their stored solutions.
#include "storage/Examples.h"
#include "storage/MapFile.h"
#include "rules/Play.h"
#include "rules/Playback.h"
#include "tests/TestSupport.h"

#include <QtTest>

class TestExamples : public QObject {
    Q_OBJECT
private slots:
    void counts_data();
    void counts();
    void storedSolutionSolvesWithLastMove();
    void firstExampleWritesAsShown();
    void outOfRangeGivesFirst();
};

void TestExamples::counts_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("counts"); // pawns goals stops turnA turnB buttons down up moves
    QTest::newRow("1") << 1 << QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 7};
    QTest::newRow("2") << 2 << QList<int>{2, 2, 0, 0, 0, 0, 0, 0, 14};
    QTest::newRow("3") << 3 << QList<int>{3, 3, 0, 0, 0, 0, 0, 0, 14};
    QTest::newRow("4") << 4 << QList<int>{2, 2, 1, 0, 0, 0, 0, 0, 8};
    QTest::newRow("5") << 5 << QList<int>{2, 2, 0, 0, 0, 0, 0, 0, 20};
    QTest::newRow("6") << 6 << QList<int>{4, 4, 0, 0, 0, 0, 0, 0, 25};
    QTest::newRow("7") << 7 << QList<int>{2, 2, 0, 0, 0, 2, 1, 1, 29};
    QTest::newRow("8") << 8 << QList<int>{5, 5, 0, 2, 1, 0, 0, 0, 24};
    QTest::newRow("9") << 9 << QList<int>{4, 4, 1, 0, 1, 3, 0, 2, 37};
    QTest::newRow("10") << 10 << QList<int>{3, 3, 0, 0, 0, 1, 0, 1, 61};
}

void TestExamples::counts() {
    QFETCH(int, n);
    QFETCH(QList<int>, counts);
    const TMap& m = ExampleMap(n);
    const QList<int> actual{m.PawnNb,
                            CountCells(m, ctGoal),
                            CountCells(m, ctStop),
                            CountCells(m, ctTurnA),
                            CountCells(m, ctTurnB),
                            CountCells(m, ctButton),
                            CountCells(m, ctDoorDown),
                            CountCells(m, ctDoorUp),
                            int(m.Solution.size() / 2)};
    QCOMPARE(actual, counts);
    QCOMPARE(m.Title, QStringLiteral("Exemple %1").arg(n));
    QVERIFY(MapIdIsValid(m.ID));
    const QString hex = QStringLiteral("%1").arg(n, 2, 16, QChar('0')).toUpper();
    QCOMPARE(m.ID, QString(10, QChar('0')) + hex + hex);
    QVERIFY(!m.Info.isEmpty());
    for (int p = 0; p < m.PawnNb; ++p) {
        const TCellType under = m.Cell(m.PawnPos[p].x, m.PawnPos[p].y);
        QVERIFY(under != ctWall && under != ctDoorUp && under != ctButton);
    }
}

void TestExamples::storedSolutionSolvesWithLastMove() {
    for (int n = 1; n <= ExampleCount; ++n) {
        TPlay play;
        play.CurMap = ExampleMap(n);
        play.ResetPlay(true);
        const QString s = play.CurMap.Solution;
        for (int i = 0; i < s.size(); i += 2) {
            QVERIFY(!play.IsSolved());
            const TMoveOutcome o = play.PlayMove(CodeValue(s[i]), s[i + 1]);
            QVERIFY2(o == (i + 2 == s.size() ? moSolved : moEnded),
                     qPrintable(QStringLiteral("example %1, move %2").arg(n).arg(i / 2 + 1)));
        }
        QCOMPARE(play.MoveCount, int(s.size() / 2));

        TMessageRecorder rec;
        QVERIFY(PlayStoredSolution(play, rec));
        QCOMPARE(rec.Texts(), QStringList{QStringLiteral("   Terminé 🥷")});
    }
}

void TestExamples::firstExampleWritesAsShown() {
    TMap map = ExampleMap(1);
    QByteArray out;
    WriteMap(out, map);
    QCOMPARE(QString::fromUtf8(out),
             QStringLiteral("VRM1-00000000000101\r\nExemple 1\r\n1\r\nUn facile pour commencer "
                            "😊\r\n2\r\nC'est facile qu'on vous dit !\r\nUn petit effort, "
                            "quoi...\r\n1D1R1U1R1D1L1U\r\n64\r\n"
                            "AAABBBBAAAAAABBBBBBBAAAABBBABBBAAACBBAABBBBAABBBBABBBBBBBBBBABBBBBABBB"
                            "BBBBBBAAABBBBBBAAA\r\n"));
}

void TestExamples::outOfRangeGivesFirst() {
    QCOMPARE(ExampleMap(11).ID, ExampleMap(1).ID);
    QCOMPARE(ExampleMap(0).ID, ExampleMap(1).ID);
    QCOMPARE(ExampleMap(10).Title, QStringLiteral("Exemple 10"));
}

QTEST_GUILESS_MAIN(TestExamples)
#include "tst_examples.moc"
