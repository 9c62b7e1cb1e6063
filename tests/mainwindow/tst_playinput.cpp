// Playing with the keyboard and the mouse: arrows, presses in the pawn's row and column, pawn
// selection, the speed keys, help, undo and rewind keys, and what is ignored.
#include "storage/Examples.h"
#include "platform/RoundButton.h"
#include "tests/TestSupport.h"
#include "mainwindow/MainWindow.h"
#include "tests/mainwindow/WindowFixture.h"

#include <QLabel>
#include <QSlider>
#include <QTimer>
#include <QtTest>

namespace {
// Pawn 1 at (3, 3) and pawn 2 at (7, 5) on open floor.
const QStringList Open = {"###########", "#.........#", "#.........#", "#..1......#",
                          "#.........#", "#......2..#", "#.........#", "###########"};
} // namespace

class TestPlayInput : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void arrowKeys_data();
    void arrowKeys();
    void boardPress_data();
    void boardPress();
    void realPressMoves();
    void spaceCycles();
    void speedKeys_data();
    void speedKeys();
    void paceAtCell56();
    void helpKey();
    void undoAndReplayKeys();
    void counterAndButtons();
    void inputDuringMove();
    void noPawns();
    void ctrlEnterInEditMode();

private:
    void Load(const QStringList& Rows, int Loaded = 0);
    int RunTicks();
    QPointF CellCenter(int Col, int Row) const;
    TSmallPoint Pawn(int i) const { return W->Session.Play.CurMap.PawnPos[size_t(i - 1)]; }
    TVirelMain* W = nullptr;
    TWindowSeams Seams;
    TMessageRecorder& Messages = Seams.Messages;
};

void TestPlayInput::init() {
    Messages = TMessageRecorder();
    W = Seams.NewWindow();
    W->resize(764, 556); // cell 52
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W));
    QCOMPARE(W->CellSize, 52);
}

void TestPlayInput::cleanup() {
    delete W;
    W = nullptr;
}

void TestPlayInput::Load(const QStringList& Rows, int Loaded) {
    W->Session.LoadedMap = TLoadedMap::FromStored(Loaded);
    W->Session.FileName.clear();
    W->Session.ShowMap(MapFromRows(Rows));
    Messages.Shown.clear();
}

// Runs the animation to its end, tick after tick; the number of ticks.
int TestPlayInput::RunTicks() {
    int n = 0;
    while (W->Session.Sliding() && n < 10000) {
        W->Session.Tick();
        ++n;
    }
    return n;
}

QPointF TestPlayInput::CellCenter(int Col, int Row) const {
    return QPointF(W->BorderX + (Col + 0.5) * W->CellSize, W->BorderY + (Row + 0.5) * W->CellSize);
}

void TestPlayInput::arrowKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("pawn1");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("moves");
    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("left") << int(Qt::Key_Left) << none << QPoint(1, 3) << 1 << 1;
    QTest::newRow("up") << int(Qt::Key_Up) << none << QPoint(3, 1) << 1 << 1;
    QTest::newRow("right") << int(Qt::Key_Right) << none << QPoint(9, 3) << 1 << 1;
    QTest::newRow("down") << int(Qt::Key_Down) << none << QPoint(3, 6) << 1 << 1;
    QTest::newRow("keypad right") << int(Qt::Key_Right) << int(Qt::KeypadModifier) << QPoint(9, 3)
                                  << 1 << 1;
    QTest::newRow("shift right") << int(Qt::Key_Right) << int(Qt::ShiftModifier) << QPoint(3, 3)
                                 << 1 << 0;
    QTest::newRow("alt right") << int(Qt::Key_Right) << int(Qt::AltModifier) << QPoint(3, 3) << 1
                               << 0;
    QTest::newRow("ctrl shift right")
        << int(Qt::Key_Right) << int(Qt::ControlModifier | Qt::ShiftModifier) << QPoint(3, 3) << 1
        << 0;
    QTest::newRow("ctrl right selects") << int(Qt::Key_Right) << ctrl << QPoint(3, 3) << 2 << 0;
    QTest::newRow("ctrl down selects") << int(Qt::Key_Down) << ctrl << QPoint(3, 3) << 2 << 0;
    QTest::newRow("ctrl left finds none") << int(Qt::Key_Left) << ctrl << QPoint(3, 3) << 1 << 0;
    QTest::newRow("other key") << int(Qt::Key_X) << none << QPoint(3, 3) << 1 << 0;
}

void TestPlayInput::arrowKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QPoint, pawn1);
    QFETCH(int, selected);
    QFETCH(int, moves);
    Load(Open);
    QTest::keyClick(W, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    RunTicks();
    QCOMPARE(QPoint(Pawn(1).x, Pawn(1).y), pawn1);
    QCOMPARE(Pawn(2).x, 7);
    QCOMPARE(W->Session.Play.PawnIndex, selected);
    QCOMPARE(W->Session.Play.MoveCount, moves);
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QVERIFY(Messages.Shown.isEmpty());
}

void TestPlayInput::boardPress_data() {
    QTest::addColumn<int>("loaded");
    QTest::addColumn<QPointF>("at"); // in cells; negative: that many pixels left of the board
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QPoint>("pawn1");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("hint");
    const int left = Qt::LeftButton, none = Qt::NoModifier;
    QTest::newRow("column below") << 0 << QPointF(3, 7) << left << none << false << QPoint(3, 6)
                                  << 1 << false;
    QTest::newRow("column above") << 0 << QPointF(3, 2) << left << none << false << QPoint(3, 1)
                                  << 1 << false;
    QTest::newRow("row left") << 0 << QPointF(2, 3) << left << none << false << QPoint(1, 3) << 1
                              << false;
    QTest::newRow("row right, on the wall")
        << 0 << QPointF(10, 3) << left << none << false << QPoint(9, 3) << 1 << false;
    QTest::newRow("other pawn selects")
        << 0 << QPointF(7, 5) << left << none << false << QPoint(3, 3) << 2 << false;
    QTest::newRow("own pawn") << 0 << QPointF(3, 3) << left << none << false << QPoint(3, 3) << 1
                              << false;
    QTest::newRow("off the lines, own map")
        << 0 << QPointF(7, 6) << left << none << false << QPoint(3, 3) << 1 << false;
    QTest::newRow("off the lines, example")
        << 4 << QPointF(7, 6) << left << none << false << QPoint(3, 3) << 1 << true;
    QTest::newRow("just left of the board")
        << 0 << QPointF(-10, 3) << left << none << false << QPoint(3, 3) << 1 << false;
    QTest::newRow("shift") << 0 << QPointF(3, 7) << left << int(Qt::ShiftModifier) << false
                           << QPoint(3, 3) << 1 << false;
    QTest::newRow("ctrl") << 0 << QPointF(3, 7) << left << int(Qt::ControlModifier) << false
                          << QPoint(3, 3) << 1 << false;
    QTest::newRow("right button") << 0 << QPointF(3, 7) << int(Qt::RightButton) << none << false
                                  << QPoint(3, 3) << 1 << false;
    QTest::newRow("double click") << 0 << QPointF(3, 7) << left << none << true << QPoint(3, 3) << 1
                                  << false;
}

void TestPlayInput::boardPress() {
    QFETCH(int, loaded);
    QFETCH(QPointF, at);
    QFETCH(int, button);
    QFETCH(int, modifiers);
    QFETCH(bool, doubleClick);
    QFETCH(QPoint, pawn1);
    QFETCH(int, selected);
    QFETCH(bool, hint);
    Load(Open, loaded);
    const QPointF pos = at.x() < 0 ? QPointF(W->BorderX + at.x(), CellCenter(0, int(at.y())).y())
                                   : CellCenter(int(at.x()), int(at.y()));
    W->pbBoardMouseDown(Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers), pos,
                        doubleClick);
    RunTicks();
    QCOMPARE(QPoint(Pawn(1).x, Pawn(1).y), pawn1);
    QCOMPARE(W->Session.Play.PawnIndex, selected);
    QCOMPARE(W->Session.Play.MoveCount, pawn1 == QPoint(3, 3) ? 0 : 1);
    if (hint)
        QCOMPARE(Messages.Texts(),
                 QStringList{"🧭 Cliquer sur la ligne ou colonne du pion sélectionné pour le "
                             "déplacer"});
    else
        QVERIFY(Messages.Shown.isEmpty());
    if (hint) QCOMPARE(Messages.Shown[0].first, mtInformation);
}

// Through the real event path and the real timer: a click below the pawn slides it down.
void TestPlayInput::realPressMoves() {
    Load(Open);
    QTest::mouseClick(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, Qt::NoModifier,
                      CellCenter(3, 7).toPoint());
    QCOMPARE(W->Session.Animation(), TAnimation::OneMove);
    QTRY_COMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(Pawn(1).y, 6);
    QVERIFY(W->PartialPaints > 0); // the slide repainted only its sweep
}

void TestPlayInput::spaceCycles() {
    Load({"###########", "#1.2.3....#"});
    QList<int> seen;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(W, Qt::Key_Space);
        seen << W->Session.Play.PawnIndex;
    }
    QCOMPARE(seen, (QList<int>{2, 3, 1, 2}));
    QTest::keyClick(W, Qt::Key_Space, Qt::ShiftModifier);
    QCOMPARE(W->Session.Play.PawnIndex, 2);
    QCOMPARE(W->Session.Play.MoveCount, 0);
}

void TestPlayInput::speedKeys_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("value");
    QTest::newRow("+") << "+" << 1;
    QTest::newRow("-") << "-" << 3;
    QTest::newRow("+ + + stops at 0") << "+++" << 0;
    QTest::newRow("- - - stops at 4") << "---" << 4;
    QTest::newRow("shift +") << "S+" << 2;
    QTest::newRow("rabbit") << "F" << 0;
    QTest::newRow("snail") << "L" << 4;
}

void TestPlayInput::speedKeys() {
    QFETCH(QString, action);
    QFETCH(int, value);
    Load(Open);
    QCOMPARE(Child<QSlider>(W, "tbSpeed")->value(), 2);
    for (const QChar c : action) {
        if (c == u'F')
            W->rFastClick();
        else if (c == u'L')
            W->rSlowClick();
        else if (c == u'S')
            continue;
        else
            QTest::keyClick(W, c.toLatin1(),
                            action.startsWith(u'S') ? Qt::ShiftModifier : Qt::NoModifier);
    }
    QCOMPARE(Child<QSlider>(W, "tbSpeed")->value(), value);
    QCOMPARE(W->Session.TickInterval(), value * 3 + 15);
    QCOMPARE(W->Step, (6 - value) * 52 / 16);
}

// At a cell of 56 and the middle speed a pawn advances 14 pixels per 21 ms tick: one cell in
// four ticks, the last step cut to land exactly.
void TestPlayInput::paceAtCell56() {
    W->resize(53 * 14, 41 * 14);
    QTRY_COMPARE(W->CellSize, 56);
    Load(Open);
    QCOMPARE(W->Step, 14);
    QCOMPARE(W->Session.TickInterval(), 21);
    QTest::keyClick(W, Qt::Key_Left); // two cells
    QCOMPARE(RunTicks(), 8);
    QCOMPARE(Pawn(1).x, 1);
    W->rFastClick();                   // 21 pixels a tick
    QTest::keyClick(W, Qt::Key_Right); // eight cells, 448 pixels
    QCOMPARE(RunTicks(), 22);
    QCOMPARE(Pawn(1).x, 9);
    QCOMPARE(W->AnimPawnX, 9 * 56);
}

void TestPlayInput::helpKey() {
    TMap m = MapFromRows(Open);
    m.Help = QStringLiteral("Poussez vers la droite");
    W->Session.LoadedMap = TLoadedMap::FromStored(0);
    W->Session.ShowMap(m);
    Messages.Shown.clear();
    QTest::keyClick(W, 'A', Qt::ShiftModifier);
    QVERIFY(Messages.Shown.isEmpty());
    QTest::keyClick(W, 'a');
    QCOMPARE(Messages.Texts(), QStringList{"Poussez vers la droite"});
    QCOMPARE(Messages.Shown[0].first, mtInformation);

    // During a move the help takes the move back first.
    QTest::keyClick(W, Qt::Key_Right);
    W->Session.Tick();
    QCOMPARE(W->Session.Play.MoveCount, 1);
    QTest::keyClick(W, 'a');
    QCOMPARE(Messages.Shown.size(), 2);
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(Pawn(1).x, 3);

    // Without a help text the key does nothing.
    Load(Open);
    QTest::keyClick(W, 'a');
    QVERIFY(Messages.Shown.isEmpty());
}

void TestPlayInput::undoAndReplayKeys() {
    Load(Open);
    QTest::keyClick(W, Qt::Key_Right);
    RunTicks();
    QTest::keyClick(W, Qt::Key_Down);
    RunTicks();
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("1R1D"));
    QTest::keyClick(W, Qt::Key_Backspace, Qt::ShiftModifier); // needs no modifier
    QCOMPARE(W->Session.Play.MoveCount, 2);
    QTest::keyClick(W, Qt::Key_Backspace);
    QCOMPARE(W->Session.Play.MoveCount, 1);
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("1R"));
    QCOMPARE(QPoint(Pawn(1).x, Pawn(1).y), QPoint(9, 3));
    QTest::keyClick(W, Qt::Key_Return); // Enter alone is nothing
    QCOMPARE(W->Session.Play.MoveCount, 1);
    QTest::keyClick(W, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(QPoint(Pawn(1).x, Pawn(1).y), QPoint(3, 3));
    QTest::keyClick(W, Qt::Key_Backspace); // nothing left: Undo is disabled
    QCOMPARE(W->Session.Play.MoveCount, 0);
}

void TestPlayInput::counterAndButtons() {
    TMap m = MapFromRows(Open);
    m.Solution = QStringLiteral("1R1D2U");
    W->Session.LoadedMap = TLoadedMap::FromStored(0);
    W->Session.ShowMap(m);
    QCOMPARE(Child<QLabel>(W, "lbCount")->text(), QStringLiteral("000"));
    QVERIFY(!Child<TRoundButton>(W, "btUndo")->isEnabled());
    QVERIFY(!Child<TRoundButton>(W, "btReplay")->isEnabled());
    QVERIFY(Child<TRoundButton>(W, "btSolution")->isEnabled());
    QCOMPARE(Child<QLabel>(W, "lSolutionCount")->text(), QStringLiteral("(3 coups)"));
    QTest::keyClick(W, Qt::Key_Left);
    RunTicks();
    QCOMPARE(Child<QLabel>(W, "lbCount")->text(), QStringLiteral("001"));
    QVERIFY(Child<TRoundButton>(W, "btUndo")->isEnabled());
    QVERIFY(Child<TRoundButton>(W, "btReplay")->isEnabled());
    W->btUndoClick();
    QCOMPARE(Child<QLabel>(W, "lbCount")->text(), QStringLiteral("000"));
    QVERIFY(!Child<TRoundButton>(W, "btUndo")->isEnabled());
    QVERIFY(!Child<TRoundButton>(W, "btReplay")->isEnabled());
    W->Session.Play.SetMoveCount(1234);
    QCOMPARE(Child<QLabel>(W, "lbCount")->text(), QStringLiteral("1234"));
    W->Session.Play.SetMoveCount(42);
    QCOMPARE(Child<QLabel>(W, "lbCount")->text(), QStringLiteral("042"));

    Load(Open); // no stored solution
    QVERIFY(!Child<TRoundButton>(W, "btSolution")->isEnabled());
    QCOMPARE(Child<QLabel>(W, "lSolutionCount")->text(), QStringLiteral("(?)"));
    QTest::keyClick(W, 's');
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
}

// While a pawn slides, arrows, presses and Space do nothing; the move goes on to its end.
void TestPlayInput::inputDuringMove() {
    Load(Open);
    QTest::keyClick(W, Qt::Key_Right);
    W->Session.Tick();
    QTest::keyClick(W, Qt::Key_Down);
    QTest::keyClick(W, Qt::Key_Space);
    QTest::keyClick(W, Qt::Key_Right, Qt::ControlModifier);
    W->pbBoardMouseDown(Qt::LeftButton, Qt::NoModifier, CellCenter(7, 5), false);
    RunTicks();
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("1R"));
    QCOMPARE(W->Session.Play.PawnIndex, 1);
    QCOMPARE(QPoint(Pawn(1).x, Pawn(1).y), QPoint(9, 3));
}

void TestPlayInput::noPawns() {
    Load({"###########", "#....o....#"});
    QTest::keyClick(W, Qt::Key_Right);
    QTest::keyClick(W, Qt::Key_Space);
    W->pbBoardMouseDown(Qt::LeftButton, Qt::NoModifier, CellCenter(3, 1), false);
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QCOMPARE(W->Session.Play.MoveCount, 0);
}

void TestPlayInput::ctrlEnterInEditMode() {
    Load(Open);
    W->btEditPlayClick();
    QVERIFY(W->Session.EditMode);
    QTest::keyClick(W, Qt::Key_Right); // no play keys while editing
    QCOMPARE(W->Session.Animation(), TAnimation::Idle);
    QTest::keyClick(W, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!W->Session.EditMode);
    QCOMPARE(W->Session.Play.PawnIndex, 1);
}

QTEST_MAIN(TestPlayInput)
#include "tst_playinput.moc"
