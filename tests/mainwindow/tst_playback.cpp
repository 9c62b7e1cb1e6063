// The Solution button: playing the stored solution of every example to its end, pausing and
// resuming, step by step at the slowest speed, undo and presses during a playback, the checks of
// a faulty stored solution, and the verdicts on the player's own solution.
#include "storage/Examples.h"
#include "platform/RoundButton.h"
#include "tests/TestSupport.h"
#include "mainwindow/MainWindow.h"
#include "tests/mainwindow/WindowFixture.h"

#include <QLabel>
#include <QPropertyAnimation>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {
// Pawn 1 at (2, 1): Right reaches the goal at (4, 1) in one move, Left then Right in two.
const QStringList Short = {"###########", "#.1.o#....#"};

// Run once, inside the first of the short waits before a stored move.
std::function<void()> DuringWait;
} // namespace

class TestPlayback : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void verdicts_data();
    void verdicts();
    void examplesPlayToTheEnd_data();
    void examplesPlayToTheEnd();
    void faultyStoredSolutions_data();
    void faultyStoredSolutions();
    void askBeforeGivingUp();
    void pauseAndResume();
    void pauseDuringTheWait();
    void stepByStepAtSlowest();
    void undoDuringPlayback();
    void undoDuringTheWait();
    void undoEveryMoveEndsPlayback();
    void pressDuringPlayback();
    void pressBeforeFirstStoredMove();
    void solutionDuringUndoChain();

private:
    void Load(const TMap& Map, int Loaded = 0);
    void Load(const QStringList& Rows, const QString& Solution);
    // One tick of the animation; one that begins a stored move waits out the pause before it
    // (without its real time, DuringWait run in its first wait) and then sets the move off.
    void Tick();
    int RunTicks();
    // Ticks until the playback has recorded Count moves and is between two of them.
    void RunUntilMoves(int Count);
    QPoint Pawn(int i) const {
        const TSmallPoint p = W->Session.Play.CurMap.PawnPos[size_t(i - 1)];
        return QPoint(p.x, p.y);
    }
    TVirelMain* W = nullptr;
    TWindowSeams Seams;
    TMessageRecorder& Messages = Seams.Messages;
};

void TestPlayback::init() {
    Messages = TMessageRecorder();
    DuringWait = nullptr;
    W = Seams.NewWindow();
    W->resize(764, 556);
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W));
}

void TestPlayback::cleanup() {
    delete W;
    W = nullptr;
}

void TestPlayback::Load(const TMap& Map, int Loaded) {
    W->Session.LoadedMap = TLoadedMap::FromStored(Loaded);
    W->Session.FileName.clear();
    W->Session.ShowMap(Map);
    Messages.Shown.clear();
}

void TestPlayback::Load(const QStringList& Rows, const QString& Solution) {
    TMap m = MapFromRows(Rows);
    m.Solution = Solution;
    Load(m);
}

void TestPlayback::Tick() {
    W->Session.Tick();
    while (W->Session.PauseRunning()) {
        QCoreApplication::processEvents();
        if (DuringWait) {
            const auto f = DuringWait;
            DuringWait = nullptr;
            f();
        }
        W->Session.PauseTick();
    }
}

int TestPlayback::RunTicks() {
    int n = 0;
    while (W->Session.Sliding() && n < 100000) {
        Tick();
        ++n;
    }
    return n;
}

void TestPlayback::RunUntilMoves(int Count) {
    for (int n = 0; n < 10000 && W->Session.Sliding(); ++n) {
        Tick();
        if (W->Session.Play.MoveCount == Count && W->Session.AnimationStart) return;
    }
}

void TestPlayback::verdicts_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("keys"); // L or R, one a move
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("storedAfter");
    const QString ask = QStringLiteral("\r\nFaut-il l'écrire dans un fichier ?");
    const QString none = QStringLiteral("Solution trouvée 😎") + ask;
    const QString better =
        QStringLiteral("Formidable ! Vous avez trouvé une meilleure solution  🍾") + ask;
    const QString other =
        QStringLiteral("Bien joué 👍\r\nVotre solution n'est pas exactement celle stockée.") + ask;
    const QString longer = QStringLiteral("Bravo 👏\r\nMais il existe une meilleure solution");
    const int flag = mtFlag, question = mtFlagQuestion;
    QTest::newRow("none, Oui") << ""
                               << "R" << mrYes << none << question << "1R";
    QTest::newRow("none, Non") << ""
                               << "R" << mrNo << none << question << "";
    QTest::newRow("longer") << "1R"
                            << "LR" << mrYes << longer << flag << "1R";
    QTest::newRow("better, Oui") << "1L1R"
                                 << "R" << mrYes << better << question << "1R";
    QTest::newRow("better, Non") << "1L1R"
                                 << "R" << mrNo << better << question << "1L1R";
    QTest::newRow("the same") << "1R"
                              << "R" << mrYes << " Bien joué 👍" << flag << "1R";
    QTest::newRow("as many, Oui") << "1U"
                                  << "R" << mrYes << other << question << "1R";
    QTest::newRow("as many, Non") << "1U"
                                  << "R" << mrNo << other << question << "1U";
}

// Saving itself is the document's business: here the save dialog writes nothing and the file
// name stays, so the window's map keeps the new solution.
void TestPlayback::verdicts() {
    QFETCH(QString, stored);
    QFETCH(QString, keys);
    QFETCH(int, answer);
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, storedAfter);
    Load(Short, stored);
    Messages.Answers = {answer};
    for (const QChar k : keys) {
        QTest::keyClick(W, k == u'L' ? Qt::Key_Left : Qt::Key_Right);
        RunTicks();
    }
    QCOMPARE(Messages.Texts(), QStringList{text});
    QCOMPARE(int(Messages.Shown[0].first), kind);
    QCOMPARE(W->Session.Play.CurMap.Solution, storedAfter);
    QCOMPARE(Child<TRoundButton>(W, "btSolution")->isEnabled(), !storedAfter.isEmpty());
    QCOMPARE(Child<QLabel>(W, "lSolutionCount")->text(),
             storedAfter.isEmpty() ? QStringLiteral("(?)")
                                   : QStringLiteral("(%1 coups)").arg(storedAfter.size() / 2));
    QVERIFY(W->Session.FileName.isEmpty());
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(W->Session.Play.MoveCount, keys.size()); // the game stays as played
}

void TestPlayback::examplesPlayToTheEnd_data() {
    QTest::addColumn<int>("example");
    for (int n = 1; n <= ExampleCount; ++n)
        QTest::newRow(qPrintable(QStringLiteral("example %1").arg(n))) << n;
}

void TestPlayback::examplesPlayToTheEnd() {
    QFETCH(int, example);
    Load(ExampleMap(example), example);
    W->rFastClick();
    QVERIFY(Child<TRoundButton>(W, "btSolution")->isEnabled());
    Child<TRoundButton>(W, "btSolution")->click();
    QCOMPARE(W->Session.Animation(), TAnimation::Playback);
    QCOMPARE(Child<QPropertyAnimation>(W, "SolutionRotAnimation")->state(),
             QAbstractAnimation::Running);
    RunTicks();
    QCOMPARE(Messages.Texts(), QStringList{QStringLiteral("   Terminé 🥷")});
    QCOMPARE(Messages.Shown[0].first, mtFlag);
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(Child<QPropertyAnimation>(W, "SolutionRotAnimation")->state(),
             QAbstractAnimation::Stopped);
    QCOMPARE(W->Session.Play.SolutionStack, ExampleMap(example).Solution);
    QCOMPARE(W->Session.Play.MoveCount, int(ExampleMap(example).Solution.size() / 2));
    QVERIFY(W->Session.Play.IsSolved());
}

void TestPlayback::faultyStoredSolutions_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("moves");
    const QString incompatible =
        QStringLiteral("La solution enregistrée est incompatible avec le tableau");
    QTest::newRow("one move too many") << "1R1L"
                                       << "La solution enregistrée continue encore" << 1;
    QTest::newRow("last move missing") << "1L"
                                       << "La solution enregistrée s'arrète avant la réussite" << 1;
    QTest::newRow("blocked move") << "1L1L" << incompatible << 1;
    QTest::newRow("pawn 0") << "0R" << incompatible << 0;
    QTest::newRow("no such pawn") << "3R" << incompatible << 0;
}

void TestPlayback::faultyStoredSolutions() {
    QFETCH(QString, stored);
    QFETCH(QString, text);
    QFETCH(int, moves);
    Load(Short, stored);
    W->btSolutionClick();
    RunTicks();
    QCOMPARE(Messages.Texts(), QStringList{text});
    QCOMPARE(Messages.Shown[0].first, mtError);
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(W->Session.Play.MoveCount, moves); // the board stays as the last good move left it
    QVERIFY(!W->Session.Sliding());
}

void TestPlayback::askBeforeGivingUp() {
    Load(Short, QStringLiteral("1R"));
    QTest::keyClick(W, Qt::Key_Left);
    RunTicks();
    Messages.Answers = {mrNo};
    QTest::keyClick(W, 's');
    QCOMPARE(Messages.Texts(),
             QStringList{"Voulez-vous vraiment abandonner et voir la solution ?"});
    QCOMPARE(Messages.Shown[0].first, mtQuestion);
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(W->Session.Play.MoveCount, 1);

    // Asked during a move, the move goes back before the question.
    QTest::keyClick(W, Qt::Key_Right);
    Tick();
    Messages.Answers = {mrYes};
    W->btSolutionClick();
    QCOMPARE(Messages.Shown.size(), 2);
    QCOMPARE(W->Session.Animation(), TAnimation::Playback);
    QCOMPARE(W->Session.Play.MoveCount, 0); // rewound
    QCOMPARE(W->Session.Play.PawnIndex, 0);
    RunTicks();
    QCOMPARE(Messages.Texts().last(), QStringLiteral("   Terminé 🥷"));
}

// The Solution button pauses a stored move in flight (taking it back) and resumes it.
void TestPlayback::pauseAndResume() {
    Load(ExampleMap(2), 2);
    W->btSolutionClick();
    RunUntilMoves(3);
    Tick(); // the pause, then the fourth move sets off
    Tick();
    QCOMPARE(W->Session.Play.MoveCount, 4);
    QVERIFY(W->Session.Play.MoveInFlight());
    const QPoint before[2] = {Pawn(1), Pawn(2)};
    W->btSolutionClick();
    QVERIFY(!W->Session.Sliding());
    QCOMPARE(W->Session.Animation(), TAnimation::Playback);
    QCOMPARE(W->Session.Play.MoveCount, 3);
    QCOMPARE(W->Session.Play.SolutionStep, 6);
    QCOMPARE(Pawn(1), before[0]);
    QCOMPARE(Pawn(2), before[1]);
    QCOMPARE(Child<QPropertyAnimation>(W, "SolutionRotAnimation")->state(),
             QAbstractAnimation::Running);
    W->btSolutionClick();
    QVERIFY(W->Session.Sliding());
    RunTicks();
    QCOMPARE(Messages.Texts(), QStringList{QStringLiteral("   Terminé 🥷")});
    QCOMPARE(W->Session.Play.SolutionStack, ExampleMap(2).Solution);
}

// Paused in the wait before a stored move: nothing was recorded, resuming plays that move.
void TestPlayback::pauseDuringTheWait() {
    Load(ExampleMap(1), 1);
    W->btSolutionClick();
    RunUntilMoves(2);
    DuringWait = [this] {
        QCOMPARE(W->Session.Animation(), TAnimation::PlaybackPausing);
        W->btSolutionClick();
    };
    Tick();
    QCOMPARE(W->Session.Animation(), TAnimation::Playback);
    QVERIFY(!W->Session.Sliding());
    QCOMPARE(W->Session.Play.MoveCount, 2);
    W->btSolutionClick();
    RunTicks();
    QCOMPARE(Messages.Texts(), QStringList{QStringLiteral("   Terminé 🥷")});
    QCOMPARE(W->Session.Play.SolutionStack, ExampleMap(1).Solution);
}

// At the slowest speed each stored move runs fast, then waits for the Solution button.
void TestPlayback::stepByStepAtSlowest() {
    Load(ExampleMap(1), 1);
    W->rSlowClick();
    QTest::keyClick(W, 's');
    QCOMPARE(W->Step, W->CellSize / 3);
    const int total = int(ExampleMap(1).Solution.size() / 2);
    for (int move = 1; move <= total; ++move) {
        RunTicks();
        QCOMPARE(W->Session.Play.MoveCount, move);
        if (move < total) {
            QCOMPARE(W->Session.Animation(), TAnimation::Playback);
            QVERIFY(W->Session.AnimationStart);
            QVERIFY(Messages.Shown.isEmpty());
            QTest::keyClick(W, 's');
        }
    }
    QCOMPARE(Messages.Texts(), QStringList{QStringLiteral("   Terminé 🥷")});
    QCOMPARE(W->Step, (6 - 4) * W->CellSize / 16); // idle again: the ordinary pace
}

// Undo pauses the playback one move earlier; resuming plays the undone move again.
void TestPlayback::undoDuringPlayback() {
    Load(ExampleMap(2), 2);
    W->btSolutionClick();
    RunUntilMoves(3);
    QVERIFY(W->Session.Sliding());
    W->btUndoClick(); // between two moves: pauses, takes nothing back
    QVERIFY(!W->Session.Sliding());
    QCOMPARE(W->Session.Play.MoveCount, 3);
    W->btUndoClick(); // paused: steps back one move
    QCOMPARE(W->Session.Play.MoveCount, 2);
    QCOMPARE(W->Session.Play.SolutionStep, 4);
    QCOMPARE(W->Session.Animation(), TAnimation::Playback);
    QCOMPARE(W->Session.Play.SolutionStack, ExampleMap(2).Solution.left(4));
    W->btSolutionClick();
    RunTicks();
    QCOMPARE(Messages.Texts(), QStringList{QStringLiteral("   Terminé 🥷")});
    QCOMPARE(W->Session.Play.SolutionStack, ExampleMap(2).Solution);

    // A stored move in flight: Undo takes it back and pauses.
    Messages.Shown.clear();
    W->btSolutionClick();
    QCOMPARE(Messages.Texts(),
             QStringList{"Voulez-vous vraiment abandonner et voir la solution ?"});
    Messages.Shown.clear();
    Messages.Answers = {mrYes};
    W->btSolutionClick();
    Tick();
    QCOMPARE(W->Session.Play.MoveCount, 1);
    W->btUndoClick();
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(W->Session.Animation(), TAnimation::Playback);
    QCOMPARE(W->Session.Play.SolutionStep, 0);
    W->btSolutionClick();
    RunTicks();
    QCOMPARE(Messages.Texts().last(), QStringLiteral("   Terminé 🥷"));
}

void TestPlayback::undoDuringTheWait() {
    Load(ExampleMap(1), 1);
    W->btSolutionClick();
    RunUntilMoves(3);
    DuringWait = [this] { W->btUndoClick(); };
    Tick();
    QCOMPARE(W->Session.Animation(), TAnimation::Playback);
    QVERIFY(!W->Session.Sliding());
    QCOMPARE(W->Session.Play.MoveCount, 2);
    QCOMPARE(W->Session.Play.SolutionStep, 4);
    W->btSolutionClick();
    RunTicks();
    QCOMPARE(Messages.Texts(), QStringList{QStringLiteral("   Terminé 🥷")});
}

void TestPlayback::undoEveryMoveEndsPlayback() {
    Load(ExampleMap(1), 1);
    W->btSolutionClick();
    RunUntilMoves(2);
    W->btUndoClick(); // pause
    W->btUndoClick();
    QCOMPARE(W->Session.Animation(), TAnimation::Playback);
    W->btUndoClick();
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(Child<QPropertyAnimation>(W, "SolutionRotAnimation")->state(),
             QAbstractAnimation::Stopped);
    QCOMPARE(Pawn(1), QPoint(6, 4));
}

// A press ends the playback; the stored move in flight goes back first, so the record holds
// only what the board shows, and the press then moves the selected pawn.
void TestPlayback::pressDuringPlayback() {
    Load(ExampleMap(1), 1);
    W->btSolutionClick();
    RunUntilMoves(1);
    QCOMPARE(Pawn(1), QPoint(6, 7)); // "1D" slid to the bottom row
    Tick();                          // the second stored move, "1R", sets off
    QCOMPARE(W->Session.Play.MoveCount, 2);
    const QPointF press(W->BorderX + 3.5 * W->CellSize, W->BorderY + 7.5 * W->CellSize);
    W->pbBoardMouseDown(Qt::LeftButton, Qt::NoModifier, press, false);
    QCOMPARE(W->Session.Play.MoveCount, 1);
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("1D"));
    QCOMPARE(Pawn(1), QPoint(6, 7));
    QCOMPARE(W->Session.Animation(), TAnimation::OneMove);
    QCOMPARE(Child<QPropertyAnimation>(W, "SolutionRotAnimation")->state(),
             QAbstractAnimation::Stopped);
    RunTicks();
    QCOMPARE(Pawn(1), QPoint(2, 7));
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("1D1L"));
    QCOMPARE(W->Session.Play.PawnMoveStack.size(), size_t(2));
    QVERIFY(Messages.Shown.isEmpty());
}

// Right after the Solution button no pawn is selected: a press on an empty cell ends the
// playback and moves nothing; a press on a pawn selects it.
void TestPlayback::pressBeforeFirstStoredMove() {
    Load(ExampleMap(1), 1);
    W->btSolutionClick();
    QCOMPARE(W->Session.Play.PawnIndex, 0);
    const QPointF empty(W->BorderX + 6.5 * W->CellSize, W->BorderY + 6.5 * W->CellSize);
    W->pbBoardMouseDown(Qt::LeftButton, Qt::NoModifier, empty, false);
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QVERIFY(Messages.Shown.isEmpty());
    QTest::keyClick(W, Qt::Key_Down); // still no pawn to move
    RunTicks();
    QCOMPARE(W->Session.Play.MoveCount, 0);
    const QPointF pawn(W->BorderX + 6.5 * W->CellSize, W->BorderY + 4.5 * W->CellSize);
    W->pbBoardMouseDown(Qt::LeftButton, Qt::NoModifier, pawn, false);
    QCOMPARE(W->Session.Play.PawnIndex, 1);
}

// The Solution button while an undo steps back through a turned move: the undo finishes first,
// so answering Non leaves a whole record.
void TestPlayback::solutionDuringUndoChain() {
    // Pawn 1 turns at (6, 1) on its way down; pawn 2 moves first.
    TMap m = MapFromRows({"###########", "#1....B...#", "######.####", "######.####", "######o####",
                          "###########", "#2.......o#", "###########"});
    m.Solution = QStringLiteral("1R2R");
    Load(m);
    QTest::keyClick(W, Qt::Key_Space);
    QTest::keyClick(W, Qt::Key_Up); // pawn 2 is blocked: nothing happens
    RunTicks();
    QTest::keyClick(W, Qt::Key_Right);
    RunTicks();
    QTest::keyClick(W, Qt::Key_Space);
    QTest::keyClick(W, Qt::Key_Right);
    RunTicks();
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("2R1R"));
    QCOMPARE(Messages.Texts(), QStringList{QStringLiteral("Bien joué 👍\r\nVotre solution n'est "
                                                          "pas exactement celle stockée.\r\n"
                                                          "Faut-il l'écrire dans un fichier ?")});
    Messages.Shown.clear();
    W->btUndoClick();
    QVERIFY(W->Session.UndoChainRunning());
    QCOMPARE(Pawn(1), QPoint(6, 1));
    Messages.Answers = {mrNo};
    W->btSolutionClick();
    QCOMPARE(Messages.Texts(),
             QStringList{"Voulez-vous vraiment abandonner et voir la solution ?"});
    QVERIFY(!W->Session.UndoChainRunning());
    QCOMPARE(Pawn(1), QPoint(1, 1));
    QCOMPARE(W->Session.Play.MoveCount, 1);
    QCOMPARE(W->Session.Play.PawnMoveStack.size(), size_t(1));
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("2R"));
    W->btUndoClick();
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(Pawn(2), QPoint(1, 6));
}

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
