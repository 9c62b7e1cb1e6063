// Hints and Résoudre in the window: the keys i and Ctrl+R, the board's right-click menu with the
// items of each mode, and what the board shows while a search runs.
#include "platform/Callout.h"
#include "storage/Examples.h"
#include "mainwindow/MainWindow.h"
#include "tests/TestSupport.h"
#include "tests/mainwindow/WindowFixture.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QtTest>

class TestSolverMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hintKey_data();
    void hintKey();
    void solveKeyInEditor();
    void menuItemsByMode();
    void menuItemsAct();
    void rightPressMovesNothing();
    void thinkingShown();

private:
    void ShowExample(int N);
    void RunTicks();
    QAction* Item(const char* Name) const { return Child<QAction>(W, Name); }
    // What the menu offers right now, as the player would see it: text and enabled state of
    // each visible item, in order.
    QStringList Offered() const;
    TVirelMain* W = nullptr;
    TWindowSeams Seams;
    TMessageRecorder& Messages = Seams.Messages;
};

void TestSolverMenu::init() {
    W = Seams.NewWindow();
    W->resize(764, 556);
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W));
}

void TestSolverMenu::cleanup() {
    delete W;
    W = nullptr;
}

void TestSolverMenu::ShowExample(int N) {
    W->Session.LoadedMap = TLoadedMap::Example(N);
    W->Session.ShowMap(ExampleMap(N));
    Messages.Shown.clear();
}

void TestSolverMenu::RunTicks() {
    for (int n = 0; W->Session.Sliding() && n < 10000; ++n) W->Session.Tick();
}

QStringList TestSolverMenu::Offered() const {
    W->UpdateBoardMenu();
    QStringList l;
    // Only the search items and Nouveau: the others have tests of their own.
    for (const QAction* a : Child<QMenu>(W, "pmBoard")->actions())
        if (a->isVisible() && QStringList{"mnHint", "mnSolve", "mnNew"}.contains(a->objectName()))
            l << a->text() + (a->isEnabled() ? "" : " (off)");
    return l;
}

void TestSolverMenu::hintKey_data() {
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("taken");
    QTest::newRow("i") << int(Qt::NoModifier) << true;
    QTest::newRow("shift i") << int(Qt::ShiftModifier) << false;
    QTest::newRow("ctrl i") << int(Qt::ControlModifier) << false;
}

void TestSolverMenu::hintKey() {
    QFETCH(int, modifiers);
    QFETCH(bool, taken);
    ShowExample(3);
    const Qt::KeyboardModifiers held(modifiers);
    QTest::keyClick(W, held & Qt::ShiftModifier ? 'I' : 'i', held);
    QCOMPARE(W->Session.Searching() == TSearch::Hint, taken);
    W->Session.WaitForSearch();
    RunTicks();
    QCOMPARE(W->Session.Play.MoveCount, taken ? 1 : 0);
    QVERIFY(Messages.Shown.isEmpty());
}

void TestSolverMenu::solveKeyInEditor() {
    ShowExample(1);
    QTest::keyClick(W, Qt::Key_R, Qt::ControlModifier); // nothing in play mode
    QCOMPARE(W->Session.Searching(), TSearch::None);
    W->btEditPlayClick();
    QTest::keyClick(W, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(W->Session.Searching(), TSearch::SolveMap);
    W->Session.WaitForSearch();
    QCOMPARE(Messages.Texts(),
             QStringList{"✅ Solution optimale : 7 coups, comme la solution enregistrée."});
}

void TestSolverMenu::menuItemsByMode() {
    ShowExample(3);
    QCOMPARE(Offered(), QStringList{"Indice\ti"});
    W->Session.PushPawn(u'L'); // during a move a hint cannot act
    QCOMPARE(Offered(), QStringList{"Indice\ti (off)"});
    RunTicks();
    W->Session.Hint(); // nor while one is being searched
    QCOMPARE(Offered(), QStringList{"Indice\ti (off)"});
    W->Session.WaitForSearch();
    RunTicks();
    W->Session.LoadedMap = TLoadedMap::File();
    W->Session.ShowMap(MapFromRows({"###########", "#.u.......#"})); // solved
    QCOMPARE(Offered(), QStringList{"Indice\ti (off)"});
    W->btEditPlayClick();
    QCOMPARE(Offered(), (QStringList{"Résoudre\tCtrl+R", "Nouveau"}));
    W->Session.SolveMap(); // a second Résoudre waits for the first
    QCOMPARE(Offered(), (QStringList{"Résoudre\tCtrl+R (off)", "Nouveau"}));
}

void TestSolverMenu::menuItemsAct() {
    ShowExample(3);
    W->UpdateBoardMenu();
    Item("mnHint")->trigger();
    QCOMPARE(W->Session.Searching(), TSearch::Hint);
    W->Session.WaitForSearch();
    RunTicks();
    QCOMPARE(W->Session.Play.MoveCount, 1);
    W->btEditPlayClick();
    W->UpdateBoardMenu();
    Item("mnSolve")->trigger();
    QCOMPARE(W->Session.Searching(), TSearch::SolveMap);
    // Nouveau, like its button, drops the search and empties the board.
    Item("mnNew")->trigger();
    QCOMPARE(W->Session.Searching(), TSearch::None);
    QCOMPARE(W->Session.Play.CurMap.PawnNb, 0);
    QCOMPARE(W->windowTitle(), QStringLiteral("Virelune  ●  Nouveau tableau"));
    QCoreApplication::processEvents();
    QVERIFY(Messages.Shown.isEmpty());
}

// The right button opens the menu and does nothing else on the board.
void TestSolverMenu::rightPressMovesNothing() {
    ShowExample(1);
    auto* board = Child<QWidget>(W, "pbBoard");
    const TSmallPoint p = W->Session.Play.CurMap.PawnPos[0];
    const QPoint inRow(W->BorderX + W->CellSize / 2, W->BorderY + p.y * W->CellSize + 10);
    QTest::mousePress(board, Qt::RightButton, Qt::NoModifier, inRow);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, inRow, board->mapToGlobal(inRow));
    QCoreApplication::sendEvent(board, &menu);
    QTest::mouseRelease(board, Qt::RightButton, Qt::NoModifier, inRow);
    auto* pm = Child<QMenu>(W, "pmBoard");
    QVERIFY(pm->isVisible());
    pm->hide();
    QVERIFY(W->Session.IsIdle());
    QCOMPARE(W->Session.Play.MoveCount, 0);
    // The left button still pushes the pawn along its row.
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, inRow);
    QCOMPARE(W->Session.Animation(), TAnimation::OneMove);
}

void TestSolverMenu::thinkingShown() {
    ShowExample(3);
    auto* board = Child<QWidget>(W, "pbBoard");
    auto* callout = Child<TCalloutRect>(W, "crSearch");
    QCOMPARE(Child<QLabel>(W, "lSearch")->text(),
             QStringLiteral("🔎 Recherche de la meilleure suite…"));
    W->Session.Hint();
    QVERIFY(callout->isHidden()); // not before half a second
    W->Session.ThinkTick();
    QVERIFY(!callout->isHidden());
    QCOMPARE(board->cursor().shape(), Qt::BusyCursor);
    W->btInfoClick(); // another command: the search goes, and the map's information shows
    QCOMPARE(W->Session.Searching(), TSearch::None);
    QVERIFY(callout->isHidden());
    QCOMPARE(board->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(W->InfoVisible(), Child<QWidget>(W, "btInfo")->isEnabled());
    W->Session.WaitForSearch();
    QCOMPARE(W->Session.Play.MoveCount, 0);
}

QTEST_MAIN(TestSolverMenu)
#include "tst_solvermenu.moc"
