// The board's right-click menu, the redo and next/previous keys, the stop marks and the stars
// of the Load menu, in the real window.
#include "storage/Examples.h"
#include "platform/ImageList.h"
#include "mainwindow/MainWindow.h"
#include "storage/Settings.h"
#include "tests/mainwindow/WindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QtTest>

namespace {
// Pawn 1 at (3, 3) on open floor, no goal.
const QStringList Open = {"###########", "#.........#", "#.........#", "#..1......#",
                          "#.........#", "#.........#", "#.........#", "###########"};
} // namespace

class TestBoardMenu : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void items_data();
    void items();
    void itemsAct();
    void redoAndPageKeys();
    void rightClickLeavesLeftClicks();
    void showStops();
    void starsInTheLoadMenu();

private:
    void Load(const QStringList& Rows, int Loaded);
    void Run();
    // name=state for each item of the board menu: + enabled, - disabled, * checked.
    QStringList MenuState();
    TVirelMain* W = nullptr;
    TWindowSeams Seams;
};

void TestBoardMenu::init() {
    W = Seams.NewWindow();
    W->resize(764, 556);
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W));
}

void TestBoardMenu::cleanup() {
    delete W;
    W = nullptr;
}

void TestBoardMenu::Load(const QStringList& Rows, int Loaded) {
    W->Session.LoadedMap = TLoadedMap::FromStored(Loaded);
    W->Session.ShowMap(Loaded > 0 ? ExampleMap(Loaded) : MapFromRows(Rows));
    Seams.Messages.Shown.clear();
}

void TestBoardMenu::Run() {
    for (int n = 0; n < 10000 && (W->Session.Sliding() || W->Session.UndoChainRunning()); ++n)
        W->Session.Sliding() ? W->Session.Tick() : W->Session.UndoTick();
}

QStringList TestBoardMenu::MenuState() {
    W->UpdateBoardMenu();
    QStringList state;
    // The search items (Indice, Résoudre) have tests of their own.
    for (const QAction* a : Child<QMenu>(W, "pmBoard")->actions())
        if (a->objectName() != "mnHint" && a->objectName() != "mnSolve")
            state << a->objectName() + QLatin1Char('=') +
                         (a->isChecked()   ? u'*'
                          : a->isEnabled() ? u'+'
                                           : u'-');
    return state;
}

void TestBoardMenu::items_data() {
    QTest::addColumn<int>("example"); // 0: the open board as a single file
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("state");
    const QStringList fresh = {"mnRedo=-",    "mnUndo=-",    "mnReplay=-",
                               "mnPrevMap=-", "mnNextMap=+", "mnShowStops=+"};
    QTest::newRow("example 1, nothing played") << 1 << "" << fresh;
    QTest::newRow("two moves, one undone")
        << 0 << "RDu" << QStringList{"mnRedo=+",    "mnUndo=+",    "mnReplay=+",
                                     "mnPrevMap=-", "mnNextMap=-", "mnShowStops=+"};
    QTest::newRow("example 10, stops shown")
        << 10 << "m" << QStringList{"mnRedo=-",    "mnUndo=-",    "mnReplay=-",
                                    "mnPrevMap=+", "mnNextMap=-", "mnShowStops=*"};
    QTest::newRow("edit mode") << 3 << "e" << QStringList{"mnNew=+"};
}

void TestBoardMenu::items() {
    QFETCH(int, example);
    QFETCH(QString, script);
    QFETCH(QStringList, state);
    Load(Open, example);
    for (const QChar c : script) {
        if (c == u'u')
            QTest::keyClick(W, Qt::Key_Backspace);
        else if (c == u'm')
            QTest::keyClick(W, Qt::Key_M);
        else if (c == u'e')
            W->btEditPlayClick();
        else
            W->Session.PushPawn(c);
        Run();
    }
    QCOMPARE(MenuState(), state);
}

void TestBoardMenu::itemsAct() {
    Load(Open, 0);
    W->UpdateBoardMenu();
    const QMenu* menu = Child<QMenu>(W, "pmBoard");
    QStringList texts;
    for (const QAction* a : menu->actions()) texts << a->text();
    QCOMPARE(texts, (QStringList{"Indice\ti", "Rétablir\tCtrl+Y", "Annuler\tRetour arrière",
                                 "Rejouer\tCtrl+Entrée", "Tableau précédent\tPage préc.",
                                 "Tableau suivant\tPage suiv.", "Afficher les arrêts\tm"}));
    W->Session.PushPawn(u'R');
    Run();
    W->UpdateBoardMenu();
    Child<QAction>(menu, "mnUndo")->trigger();
    Run();
    QCOMPARE(W->Session.Play.MoveCount, 0);
    W->UpdateBoardMenu();
    Child<QAction>(menu, "mnRedo")->trigger();
    Run();
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("1R"));
    W->UpdateBoardMenu();
    Child<QAction>(menu, "mnShowStops")->trigger();
    QVERIFY(W->ShowStops);
}

void TestBoardMenu::redoAndPageKeys() {
    Load(Open, 1);
    const QString moves = ExampleMap(1).Solution.left(6); // 1D1R1U
    for (int i = 1; i < moves.size(); i += 2) {
        W->Session.PushPawn(moves[i]);
        Run();
    }
    const TPawnArray after = W->Session.Play.CurMap.PawnPos;
    QTest::keyClick(W, Qt::Key_Backspace);
    Run();
    QTest::keyClick(W, Qt::Key_Backspace);
    Run();
    QCOMPARE(W->Session.Play.MoveCount, 1);
    QTest::keyClick(W, Qt::Key_Y, Qt::ControlModifier);
    Run();
    QTest::keyClick(W, Qt::Key_Backspace, Qt::ShiftModifier);
    Run();
    QCOMPARE(W->Session.Play.MoveCount, 3);
    QCOMPARE(W->Session.Play.CurMap.PawnPos, after);
    QCOMPARE(Child<QLabel>(W, "lbCount")->text(), QStringLiteral("003"));
    QTest::keyClick(W, Qt::Key_PageDown);
    QCOMPARE(W->windowTitle(), QStringLiteral("Virelune  ●  Exemple 2"));
    QVERIFY(Child<QAction>(W, "mnMap2")->isChecked());
    QTest::keyClick(W, Qt::Key_PageUp);
    QTest::keyClick(W, Qt::Key_PageUp); // nothing before example 1
    QCOMPARE(W->Session.LoadedMap, TLoadedMap::Example(1));
    W->btEditPlayClick();
    QTest::keyClick(W, Qt::Key_PageDown); // edit mode too
    QCOMPARE(W->Session.LoadedMap, TLoadedMap::Example(2));
    QVERIFY(W->Session.EditMode);
}

void TestBoardMenu::rightClickLeavesLeftClicks() {
    Load(Open, 0);
    QWidget* board = Child<QWidget>(W, "pbBoard");
    const QPoint right(W->BorderX + int(9.5 * W->CellSize), W->BorderY + int(3.5 * W->CellSize));
    QTest::mouseClick(board, Qt::RightButton, Qt::NoModifier, right);
    W->pbBoardContextMenu(board->mapToGlobal(right));
    Child<QMenu>(W, "pmBoard")->hide();
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, right);
    Run();
    QCOMPARE(W->Session.Play.SolutionStack, QStringLiteral("1R"));
}

void TestBoardMenu::showStops() {
    Load(Open, 0);
    QVERIFY(!W->ShowStops); // off by default
    const QImage off = W->grab().toImage();
    QTest::keyClick(W, Qt::Key_M);
    QVERIFY(W->ShowStops);
    const QImage on = W->grab().toImage();
    QVERIFY(off != on);
    // The mark sits in the cell where pawn 1 stops going right, (9, 3), and nowhere on the way.
    const auto cell = [&](const QImage& img, int c, int r) {
        const QPoint at = Child<QWidget>(W, "pbBoard")->mapTo(W, QPoint(W->BorderX, W->BorderY));
        return img.copy(at.x() + c * W->CellSize, at.y() + r * W->CellSize, W->CellSize,
                        W->CellSize);
    };
    QVERIFY(cell(on, 9, 3) != cell(off, 9, 3));
    QVERIFY(cell(on, 1, 3) != cell(off, 1, 3));
    QCOMPARE(cell(on, 6, 3), cell(off, 6, 3));
    QCOMPARE(cell(on, 5, 5), cell(off, 5, 5));
    W->close();
    QVERIFY(ReadSettings(SettingsFilePath()).ShowStops);
}

void TestBoardMenu::starsInTheLoadMenu() {
    const QMenu* load = Child<QMenu>(W, "pmLoad");
    QAction* first = Child<QAction>(load, "mnMap1");
    QVERIFY(first->icon().isNull());
    QCOMPARE(first->toolTip(), QStringLiteral("Pas encore résolu"));
    W->Session.SetOptimum(ExampleMap(2).ID, 3);
    Load(Open, 1);
    const QString solution = ExampleMap(1).Solution;
    for (int i = 1; i < solution.size(); i += 2) {
        W->Session.PushPawn(solution[i]);
        Run();
    }
    QCOMPARE(Seams.Messages.Shown.size(), 1); // the verdict
    QVERIFY(!first->icon().isNull());
    QCOMPARE(first->toolTip(), QStringLiteral("Résolu en 7 coups (optimum : 7)"));
    QCOMPARE(first->text(), ExampleMap(1).Title);
    QVERIFY(first->isChecked());
    QCOMPARE(first->icon().pixmap(32, 32).toImage(),
             Images::Progress().Bitmap(Images::prStarFull, QSize(32, 32)).toImage());
    QCOMPARE(Child<QAction>(load, "mnMap2")->toolTip(), QStringLiteral("Pas encore résolu"));
}

QTEST_MAIN(TestBoardMenu)
#include "tst_boardmenu.moc"
