// What a map's defects, a playback's end and a solved game make the game say.
#include "rules/Playback.h"
#include "tests/TestSupport.h"
#include "rules/Verify.h"

#include <QtTest>

class TestVerdicts : public QObject {
    Q_OBJECT
private slots:
    void verify_data();
    void verify();
    void judge_data();
    void judge();
    void playback_data();
    void playback();
};

void TestVerdicts::verify_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("msg");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<QPoint>>("moved"); // pawn k (from 1) put at moved[k - 1], if given
    const QString head = "🪳 Un ou plusieurs défauts détectés :";
    QTest::newRow("floor only")
        << QStringList{"..........."} << ""
        << head + "\r\nIl faut au moins un pion.\r\nIl faut au moins une case but."
        << QList<QPoint>();
    QTest::newRow("pawn home") << QStringList{"u.........."} << ""
                               << head + "\r\nTous les pions sont déjà sur les buts."
                               << QList<QPoint>();
    QTest::newRow("no pawn, two goals")
        << QStringList{"o.o........"} << "" << head + "\r\nIl faut au moins un pion."
        << QList<QPoint>();
    QTest::newRow("two pawns three goals")
        << QStringList{"uvo........"} << ""
        << head + "\r\nIl faut le même nombre de pions et de buts." << QList<QPoint>();
    QTest::newRow("door without button")
        << QStringList{"1o.D......."} << ""
        << head + "\r\nIl faut au moins un bouton pour actionner les portes." << QList<QPoint>();
    QTest::newRow("button without door")
        << QStringList{"1o.b......."} << ""
        << head + "\r\nIl n'y a pas de porte à actionner par les boutons." << QList<QPoint>();
    QTest::newRow("buttons and doors") << QStringList{"1o.bd......"} << ""
                                       << "" << QList<QPoint>();
    QTest::newRow("sound with caller's findings")
        << QStringList{"1o........."} << "\r\nDéjà vu." << head + "\r\nDéjà vu." << QList<QPoint>();
    // Pawns the reader accepts but no one could place: defects after the five sentences.
    QTest::newRow("pawn on a wall")
        << QStringList{"1o.........", "2o........."} << "" << head + "\r\nLe pion 2 est sur un mur."
        << QList<QPoint>{{0, 0}, {2, 3}};
    QTest::newRow("two pawns on one cell")
        << QStringList{"1o.........", "2o........."} << ""
        << head + "\r\nLes pions 1 et 2 sont sur la même case." << QList<QPoint>{{0, 1}, {0, 1}};
    QTest::newRow("both, after the other findings")
        << QStringList{"1o.D.......", "2.3........"} << ""
        << head + "\r\nIl faut le même nombre de pions et de buts." +
               "\r\nIl faut au moins un bouton pour actionner les portes." +
               "\r\nLe pion 1 est sur un mur.\r\nLe pion 3 est sur un mur." +
               "\r\nLes pions 1 et 3 sont sur la même case."
        << QList<QPoint>{{5, 5}, {0, 1}, {5, 5}};
}

void TestVerdicts::verify() {
    QFETCH(QStringList, rows);
    QFETCH(QString, msg);
    QFETCH(QString, shown);
    QFETCH(QList<QPoint>, moved);
    TMap map = MapFromRows(rows);
    for (int i = 0; i < moved.size(); ++i)
        map.PawnPos[i] = TSmallPoint{qint16(moved[i].x()), qint16(moved[i].y())};
    TMessageRecorder rec;
    QCOMPARE(Verify(map, msg, rec), !shown.isEmpty());
    QCOMPARE(rec.Texts(), shown.isEmpty() ? QStringList() : QStringList{shown});
    if (!shown.isEmpty()) QCOMPARE(rec.Shown[0].first, mtWarning);
}

void TestVerdicts::judge_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("moves");
    QTest::addColumn<QString>("played");
    QTest::addColumn<bool>("offer");
    QTest::addColumn<QString>("text");
    const QString ask = "\r\nFaut-il l'écrire dans un fichier ?";
    QTest::newRow("no stored") << "" << 3 << "1R1D1L" << true << "Solution trouvée 😎" + ask;
    QTest::newRow("longer") << "1R" << 2 << "1D1R" << false
                            << "Bravo 👏\r\nMais il existe une meilleure solution";
    QTest::newRow("shorter") << "1R1D1L" << 1 << "1U" << true
                             << "Formidable ! Vous avez trouvé une meilleure solution  🍾" + ask;
    QTest::newRow("same") << "1R1D" << 2 << "1R1D" << false << " Bien joué 👍";
    QTest::newRow("same count, other moves")
        << "1R1D" << 2 << "1D1R" << true
        << "Bien joué 👍\r\nVotre solution n'est pas exactement celle stockée." + ask;
}

void TestVerdicts::judge() {
    QFETCH(QString, stored);
    QFETCH(int, moves);
    QFETCH(QString, played);
    QFETCH(bool, offer);
    QFETCH(QString, text);
    const TVerdict v = JudgeSolution(stored, moves, played);
    QCOMPARE(v.OfferSave, offer);
    QCOMPARE(v.Text, text);
    QCOMPARE(v.Kind, offer ? mtFlagQuestion : mtFlag);
}

void TestVerdicts::playback_data() {
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("moves");
    // Pawn 1 reaches the goal in two moves: right, then down.
    QTest::newRow("solved exactly") << "1R1D"
                                    << "   Terminé 🥷" << 2;
    QTest::newRow("one move too many") << "1R1D1U"
                                       << "La solution enregistrée continue encore" << 2;
    QTest::newRow("last move missing") << "1R"
                                       << "La solution enregistrée s'arrète avant la réussite" << 1;
    QTest::newRow("blocked move") << "1R1R"
                                  << "La solution enregistrée est incompatible avec le tableau"
                                  << 1;
    QTest::newRow("pawn 0") << "0R"
                            << "La solution enregistrée est incompatible avec le tableau" << 0;
    QTest::newRow("pawn beyond the map")
        << "5R"
        << "La solution enregistrée est incompatible avec le tableau" << 0;
    QTest::newRow("none: nothing rewound") << ""
                                           << "ℹ️Pas de solution incluse dans ce tableau" << 1;
}

void TestVerdicts::playback() {
    QFETCH(QString, solution);
    QFETCH(QString, message);
    QFETCH(int, moves);
    TPlay p;
    p.CurMap = MapFromRows({"1....#", "####.#", "####o#", "######"});
    p.CurMap.Solution = solution;
    p.ResetPlay(true);
    p.PlayMove(1, 'R'); // a game already under way is rewound first
    TMessageRecorder rec;
    QCOMPARE(PlayStoredSolution(p, rec), message.startsWith("   Terminé"));
    QCOMPARE(rec.Texts(), QStringList{message});
    QCOMPARE(p.MoveCount, moves);
}

QTEST_GUILESS_MAIN(TestVerdicts)
#include "tst_verdicts.moc"
