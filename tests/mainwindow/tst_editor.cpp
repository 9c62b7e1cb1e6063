// The map editor through real presses on the window: the palette, what each tool does to a
// cell, the limits, the save reminder, drag painting and a new empty map.
#include "platform/Callout.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"
#include "tests/TestSupport.h"
#include "mainwindow/MainWindow.h"
#include "tests/mainwindow/WindowFixture.h"

#include <QLabel>
#include <QPaintEvent>
#include <QtTest>

// Gathers what the board is asked to repaint.
class TPaintSpy : public QObject {
public:
    QRegion Painted;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Paint) Painted += static_cast<QPaintEvent*>(Event)->region();
        return QObject::eventFilter(Watched, Event);
    }
};

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void palette_data();
    void palette();
    void toolTable_data();
    void toolTable();
    void limits_data();
    void limits();
    void reminderAt40And70();
    void reminderNeverForAPawn_data();
    void reminderNeverForAPawn();
    void removePawn2Of4();
    void dragAfterWallToFloor();
    void dragFromMargin_data();
    void dragFromMargin();
    void dragIgnored_data();
    void dragIgnored();
    void pressIgnored_data();
    void pressIgnored();
    void doubleClickActsOnce();
    void firstEditDetachesExample();
    void newMap_data();
    void newMap();

private:
    TVirelMain* W = nullptr;
    TWindowSeams Seams;
    TMessageRecorder& Messages = Seams.Messages;
    TPaintSpy Spy;

    TRoundButton* Tool(const QString& Name) const;
    void Show(const QStringList& Rows);
    QPoint Centre(int Col, int Row) const;
    void Press(int Col, int Row);
    void CompareMap(const TMap& Expected) const;
};

namespace {
// Eight rows of floor with Cell at (5, 3).
QStringList FloorWith(QChar Cell) {
    QStringList rows(BoardRows, QString(BoardCols, u'.'));
    rows[3][5] = Cell;
    return rows;
}
} // namespace

void TestEditor::init() {
    Messages = TMessageRecorder();
    W = Seams.NewWindow();
    W->resize(764, 556);
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W));
    W->btEditPlayClick();
    QVERIFY(W->Session.EditMode);
    Child<TBoardBox>(W, "pbBoard")->installEventFilter(&Spy);
}

void TestEditor::cleanup() {
    delete W;
    W = nullptr;
}

TRoundButton* TestEditor::Tool(const QString& Name) const {
    const std::map<QString, TRoundButton*> tools = {
        {"sbCell", Child<TRoundButton>(W, "sbCell")},
        {"sbPawn", Child<TRoundButton>(W, "sbPawn")},
        {"sbGoal", Child<TRoundButton>(W, "sbGoal")},
        {"sbStop", Child<TRoundButton>(W, "sbStop")},
        {"sbTurn", Child<TRoundButton>(W, "sbTurn")},
        {"sbButton", Child<TRoundButton>(W, "sbButton")},
        {"sbDoor", Child<TRoundButton>(W, "sbDoor")}};
    return tools.at(Name);
}

// Shows a map of the player's own, unchanged, and chooses nothing else.
void TestEditor::Show(const QStringList& Rows) {
    W->Session.LoadedMap = TLoadedMap::FromStored(0);
    W->Session.FileName.clear();
    W->Session.ShowMap(MapFromRows(Rows));
    Messages.Shown.clear();
}

QPoint TestEditor::Centre(int Col, int Row) const {
    return {W->BorderX + Col * W->CellSize + W->CellSize / 2,
            W->BorderY + Row * W->CellSize + W->CellSize / 2};
}

void TestEditor::Press(int Col, int Row) {
    QTest::mousePress(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, {}, Centre(Col, Row));
    QTest::mouseRelease(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, {}, Centre(Col, Row));
}

void TestEditor::CompareMap(const TMap& Expected) const {
    const TMap& m = W->Session.Play.CurMap;
    QCOMPARE(m.Board, Expected.Board);
    QCOMPARE(m.PawnNb, Expected.PawnNb);
    for (int i = 0; i < m.PawnNb; ++i) QCOMPARE(m.PawnPos[size_t(i)], Expected.PawnPos[size_t(i)]);
}

void TestEditor::palette_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("top");
    QTest::newRow("cell") << "sbCell" << 9;
    QTest::newRow("pawn") << "sbPawn" << 67;
    QTest::newRow("goal") << "sbGoal" << 125;
    QTest::newRow("stop") << "sbStop" << 185;
    QTest::newRow("turn") << "sbTurn" << 245;
    QTest::newRow("button") << "sbButton" << 305;
    QTest::newRow("door") << "sbDoor" << 365;
}

void TestEditor::palette() {
    QFETCH(QString, tool);
    QFETCH(int, top);
    QVERIFY(Child<TRoundButton>(W, "sbCell")->isChecked()); // the cell tool at start
    W->Session.Play.CurMap.Info = QStringLiteral("Texte");
    W->Session.UpdateCaption(false);
    W->btInfoClick();
    QVERIFY(W->InfoVisible());
    TRoundButton* b = Tool(tool);
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(b->isChecked());
    QVERIFY(!W->InfoVisible());
    QCOMPARE(Child<TScaledLayout>(W, "slPlay")->DesignRect(Child<QWidget>(W, "rFocus")),
             QRectF(7, top, 56, 56));
    // Exactly one tool stays pressed, even when the pressed one is clicked again.
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(b->isChecked());
    int down = 0;
    for (const char* n : {"sbCell", "sbPawn", "sbGoal", "sbStop", "sbTurn", "sbButton", "sbDoor"})
        down += Tool(n)->isChecked();
    QCOMPARE(down, 1);
}

void TestEditor::toolTable_data() {
    // Cells in the notation of MapFromRows: '1' a pawn on floor, 'u' a pawn on a goal.
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QChar>("before");
    QTest::addColumn<QChar>("after");
    QTest::addColumn<int>("changed");
    QTest::addColumn<int>("curCellType");
    QTest::newRow("cell: wall to floor")
        << "sbCell" << QChar('#') << QChar('.') << 1 << int(ctVoid);
    QTest::newRow("cell: pawn's floor to wall")
        << "sbCell" << QChar('1') << QChar('#') << 1 << int(ctWall);
    QTest::newRow("cell: goal to wall") << "sbCell" << QChar('o') << QChar('#') << 1 << int(ctWall);
    QTest::newRow("goal: floor") << "sbGoal" << QChar('.') << QChar('o') << 1 << int(ctWall);
    QTest::newRow("goal: off, the pawn stays")
        << "sbGoal" << QChar('u') << QChar('1') << 1 << int(ctWall);
    QTest::newRow("stop: off") << "sbStop" << QChar('s') << QChar('.') << 1 << int(ctWall);
    QTest::newRow("turn: floor to A") << "sbTurn" << QChar('.') << QChar('A') << 1 << int(ctWall);
    QTest::newRow("turn: A to B") << "sbTurn" << QChar('A') << QChar('B') << 1 << int(ctWall);
    QTest::newRow("turn: B to floor") << "sbTurn" << QChar('B') << QChar('.') << 1 << int(ctWall);
    QTest::newRow("button: the pawn goes")
        << "sbButton" << QChar('1') << QChar('b') << 1 << int(ctWall);
    QTest::newRow("door: floor to raised")
        << "sbDoor" << QChar('.') << QChar('D') << 1 << int(ctWall);
    QTest::newRow("door: raised to lowered")
        << "sbDoor" << QChar('D') << QChar('d') << 1 << int(ctWall);
    QTest::newRow("door: lowered to floor")
        << "sbDoor" << QChar('d') << QChar('.') << 1 << int(ctWall);
    QTest::newRow("door: the pawn goes")
        << "sbDoor" << QChar('1') << QChar('D') << 1 << int(ctWall);
    QTest::newRow("pawn: added") << "sbPawn" << QChar('.') << QChar('1') << 1 << int(ctWall);
    QTest::newRow("pawn: removed, the goal stays")
        << "sbPawn" << QChar('u') << QChar('o') << 1 << int(ctWall);
    QTest::newRow("pawn: not on a wall")
        << "sbPawn" << QChar('#') << QChar('#') << 0 << int(ctWall);
    QTest::newRow("pawn: not on a button")
        << "sbPawn" << QChar('b') << QChar('b') << 0 << int(ctWall);
    QTest::newRow("pawn: not on a raised door")
        << "sbPawn" << QChar('D') << QChar('D') << 0 << int(ctWall);
}

void TestEditor::toolTable() {
    QFETCH(QString, tool);
    QFETCH(QChar, before);
    QFETCH(QChar, after);
    QFETCH(int, changed);
    Show(FloorWith(before));
    QTest::mouseClick(Tool(tool), Qt::LeftButton);
    QTest::qWait(20);
    Spy.Painted = QRegion();
    Press(5, 3);
    CompareMap(MapFromRows(FloorWith(after)));
    QCOMPARE(W->Session.Changed, changed);
    QFETCH(int, curCellType);
    QCOMPARE(int(W->Session.CurCellType), curCellType);
    QVERIFY(Messages.Shown.isEmpty());
    QCOMPARE(Child<TRoundButton>(W, "btSave")->isEnabled(), changed > 0);
    // What changed is asked to repaint: the cell, or the new pawn's square.
    if (changed > 0) {
        const QRect r = tool == "sbPawn" && W->Session.Play.CurMap.PawnNb == 1 ? W->PawnRect(1)
                                                                               : W->CellRect(5, 3);
        QTRY_VERIFY(Spy.Painted.contains(r.center()));
    }
}

void TestEditor::limits_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("six");   // row 1 of a floor map
    QTest::addColumn<int>("col");       // the cell pressed in row 1
    QTest::addColumn<QString>("after"); // row 1 after the press
    QTest::addColumn<QString>("message");
    const QString none;
    QTest::newRow("goals") << "sbGoal"
                           << ".oooooo...." << 8 << ".oooooo...."
                           << "Nombre maxi de buts (6) atteint";
    QTest::newRow("stops") << "sbStop"
                           << ".ssssss...." << 8 << ".ssssss...."
                           << "Nombre maxi de stops (6) atteint";
    QTest::newRow("buttons") << "sbButton"
                             << ".bbbbbb...." << 8 << ".bbbbbb...."
                             << "Nombre maxi de boutons (6) atteint";
    QTest::newRow("doors") << "sbDoor"
                           << ".DDDddd...." << 8 << ".DDDddd...."
                           << "Nombre maxi de portes (6) atteint";
    QTest::newRow("turns") << "sbTurn"
                           << ".AAABBB...." << 8 << ".AAABBB...."
                           << "Nombre maxi de virages (6) atteint";
    QTest::newRow("pawns") << "sbPawn"
                           << ".123456...." << 8 << ".123456...."
                           << "Nombre maxi de pions (6) atteint";
    // At the limit the tools still change or take away what is there.
    QTest::newRow("six goals, one off") << "sbGoal"
                                        << ".oooooo...." << 1 << "..ooooo...." << none;
    QTest::newRow("six doors, raised lowered") << "sbDoor"
                                               << ".DDDddd...." << 1 << ".dDDddd...." << none;
    QTest::newRow("six doors, lowered off") << "sbDoor"
                                            << ".DDDddd...." << 6 << ".DDDdd....." << none;
    QTest::newRow("six turns, A to B") << "sbTurn"
                                       << ".AAABBB...." << 2 << ".ABABBB...." << none;
    QTest::newRow("six pawns, one off") << "sbPawn"
                                        << ".123456...." << 6 << ".12345....." << none;
}

void TestEditor::limits() {
    QFETCH(QString, tool);
    QFETCH(QString, six);
    QFETCH(int, col);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QStringList rows = FloorWith(u'.');
    rows[1] = six;
    Show(rows);
    QTest::mouseClick(Tool(tool), Qt::LeftButton);
    Press(col, 1);
    rows[1] = after;
    CompareMap(MapFromRows(rows));
    if (message.isEmpty()) {
        QVERIFY(Messages.Shown.isEmpty());
        QCOMPARE(W->Session.Changed, 1);
    } else {
        QCOMPARE(Messages.Shown.size(), 1);
        QCOMPARE(Messages.Shown[0].first, mtError);
        QCOMPARE(Messages.Shown[0].second, message);
        QCOMPARE(W->Session.Changed, 0);
        QVERIFY(!Child<TRoundButton>(W, "btSave")->isEnabled());
    }
}

void TestEditor::reminderAt40And70() {
    Show(FloorWith(u'.'));
    QTest::mouseClick(Child<TRoundButton>(W, "sbStop"), Qt::LeftButton);
    const QString text = QStringLiteral("💾 Pensez à sauvegarder de temps en temps !");
    for (int n = 1; n <= 75; ++n) {
        Press(5, 3); // floor, stop, floor...
        QCOMPARE(W->Session.Changed, n);
        const int expected = n >= 70 ? 2 : n >= 40 ? 1 : 0;
        QCOMPARE(Messages.Shown.size(), expected);
    }
    for (const auto& m : Messages.Shown) {
        QCOMPARE(m.first, mtWarning);
        QCOMPARE(m.second, text);
    }
}

void TestEditor::reminderNeverForAPawn_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("reminded");
    QTest::newRow("goal, 40th") << "sbGoal" << 39 << true;
    QTest::newRow("pawn, 40th") << "sbPawn" << 39 << false;
    QTest::newRow("cell, 70th") << "sbCell" << 69 << true;
    QTest::newRow("pawn, 70th") << "sbPawn" << 69 << false;
    QTest::newRow("goal, 41st") << "sbGoal" << 40 << false;
    QTest::newRow("pawn taken away, 40th") << "sbPawn" << 39 << true;
}

void TestEditor::reminderNeverForAPawn() {
    QFETCH(QString, tool);
    QFETCH(int, before);
    QFETCH(bool, reminded);
    // Taking a pawn away is a cell change like any other: only adding one never reminds.
    const bool takeAway = QString(QTest::currentDataTag()).contains("taken away");
    Show(FloorWith(takeAway ? u'1' : u'.'));
    W->Session.SetChanged(before);
    QTest::mouseClick(Tool(tool), Qt::LeftButton);
    Press(5, 3);
    QCOMPARE(W->Session.Changed, before + 1);
    QCOMPARE(Messages.Shown.size(), reminded ? 1 : 0);
}

void TestEditor::removePawn2Of4() {
    QStringList rows = FloorWith(u'.');
    rows[2] = "1.2.3.4....";
    Show(rows);
    QTest::mouseClick(Child<TRoundButton>(W, "sbPawn"), Qt::LeftButton);
    Press(2, 2);
    const TMap& m = W->Session.Play.CurMap;
    QCOMPARE(m.PawnNb, 3);
    QCOMPARE(m.PawnPos[0], TSmallPoint({0, 2}));
    QCOMPARE(m.PawnPos[1], TSmallPoint({6, 2})); // the former number 4, on its own cell
    QCOMPARE(m.PawnPos[2], TSmallPoint({4, 2}));
    QCOMPARE(W->Session.Changed, 1);
}

void TestEditor::dragAfterWallToFloor() {
    QStringList rows = FloorWith(u'.');
    rows[4] = "#osABbDdu1#";
    rows[5][9] = u'o';
    rows[6][9] = u'o';
    Show(rows);
    QTest::mouseClick(Child<TRoundButton>(W, "sbCell"), Qt::LeftButton);
    QTest::mousePress(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, {},
                      Centre(0, 4)); // wall to floor
    for (int col = 1; col <= 9; ++col)
        QTest::mouseMove(Child<TBoardBox>(W, "pbBoard"), Centre(col, 4));
    // Only cells under reported positions: from (9, 4) straight to (9, 6) skips (9, 5).
    QTest::mouseMove(Child<TBoardBox>(W, "pbBoard"), Centre(9, 6));
    QTest::mouseRelease(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, {}, Centre(9, 6));
    // The pawn on the goal went with its cell; the one on floor stays, as number 1 now.
    rows[4] = ".........1#";
    rows[6][9] = u'.';
    CompareMap(MapFromRows(rows));
    QCOMPARE(W->Session.Changed, 1);
    QCOMPARE(int(W->Session.CurCellType), int(ctVoid));
    QVERIFY(Messages.Shown.isEmpty());
}

void TestEditor::dragFromMargin_data() {
    QTest::addColumn<bool>("floorPressedBefore");
    QTest::addColumn<QChar>("painted");
    QTest::newRow("no cell press yet: walls") << false << QChar('#');
    QTest::newRow("after a wall turned floor: floor") << true << QChar('.');
}

void TestEditor::dragFromMargin() {
    QFETCH(bool, floorPressedBefore);
    QFETCH(QChar, painted);
    QStringList rows(BoardRows, QString(BoardCols, painted == u'#' ? u'.' : u'#'));
    rows[0][0] = u'#';
    Show(rows);
    QTest::mouseClick(Child<TRoundButton>(W, "sbCell"), Qt::LeftButton);
    if (floorPressedBefore) {
        Press(0, 0);
        W->Session.SetChanged(0);
        rows[0][0] = u'.';
    }
    QVERIFY(W->BorderX > 4 && W->BorderY > 4);
    const QPoint margin(W->BorderX / 2, Centre(0, 2).y());
    QTest::mousePress(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, {}, margin);
    CompareMap(MapFromRows(rows)); // the press in the margin changes nothing
    for (int col = 0; col <= 3; ++col)
        QTest::mouseMove(Child<TBoardBox>(W, "pbBoard"), Centre(col, 2));
    QTest::mouseRelease(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, {}, Centre(3, 2));
    for (int col = 0; col <= 3; ++col) rows[2][col] = painted;
    CompareMap(MapFromRows(rows));
    QCOMPARE(W->Session.Changed, 0);
    QVERIFY(Messages.Shown.isEmpty());
}

void TestEditor::dragIgnored_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("editMode");
    QTest::newRow("another tool") << "sbGoal" << int(Qt::NoModifier) << true;
    QTest::newRow("shift held") << "sbCell" << int(Qt::ShiftModifier) << true;
    QTest::newRow("play mode") << "sbCell" << int(Qt::NoModifier) << false;
}

void TestEditor::dragIgnored() {
    QFETCH(QString, tool);
    QFETCH(int, modifiers);
    const QStringList rows = FloorWith(u'.');
    Show(rows);
    QTest::mouseClick(Tool(tool), Qt::LeftButton);
    QFETCH(bool, editMode);
    if (!editMode) W->btEditPlayClick();
    const auto mods = Qt::KeyboardModifiers(modifiers);
    QTest::mousePress(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, mods, QPoint(2, 2));
    for (int col = 0; col <= 3; ++col) {
        QMouseEvent move(QEvent::MouseMove, Centre(col, 3),
                         Child<TBoardBox>(W, "pbBoard")->mapToGlobal(Centre(col, 3)), Qt::NoButton,
                         Qt::LeftButton, mods);
        QApplication::sendEvent(Child<TBoardBox>(W, "pbBoard"), &move);
    }
    QTest::mouseRelease(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, mods, Centre(3, 3));
    CompareMap(MapFromRows(rows));
}

void TestEditor::pressIgnored_data() {
    // Where: from the board's top-left corner, whole cells plus pixels.
    QTest::addColumn<int>("cellsX");
    QTest::addColumn<int>("pixelsX");
    QTest::addColumn<int>("cellsY");
    QTest::addColumn<int>("pixelsY");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    const int none = int(Qt::NoModifier), left = int(Qt::LeftButton);
    QTest::newRow("just left of the board") << 0 << -1 << 0 << 10 << left << none;
    QTest::newRow("just above the board") << 0 << 10 << 0 << -1 << left << none;
    QTest::newRow("right of the board") << 11 << 1 << 0 << 10 << left << none;
    QTest::newRow("below the board") << 0 << 10 << 8 << 1 << left << none;
    QTest::newRow("right button") << 0 << 10 << 0 << 10 << int(Qt::RightButton) << none;
    QTest::newRow("middle button") << 0 << 10 << 0 << 10 << int(Qt::MiddleButton) << none;
    QTest::newRow("shift") << 0 << 10 << 0 << 10 << left << int(Qt::ShiftModifier);
    QTest::newRow("ctrl") << 0 << 10 << 0 << 10 << left << int(Qt::ControlModifier);
    QTest::newRow("alt") << 0 << 10 << 0 << 10 << left << int(Qt::AltModifier);
}

void TestEditor::pressIgnored() {
    QFETCH(int, cellsX);
    QFETCH(int, pixelsX);
    QFETCH(int, cellsY);
    QFETCH(int, pixelsY);
    QFETCH(int, button);
    QFETCH(int, modifiers);
    const auto mods = Qt::KeyboardModifiers(modifiers);
    const QStringList rows(BoardRows, QString(BoardCols, u'#'));
    Show(rows);
    W->Session.Play.CurMap.Info = QStringLiteral("Texte");
    W->Session.UpdateCaption(false);
    W->btInfoClick();
    QVERIFY(W->InfoVisible());
    const QPoint at(W->BorderX + cellsX * W->CellSize + pixelsX,
                    W->BorderY + cellsY * W->CellSize + pixelsY);
    QTest::mousePress(Child<TBoardBox>(W, "pbBoard"), Qt::MouseButton(button), mods, at);
    QTest::mouseRelease(Child<TBoardBox>(W, "pbBoard"), Qt::MouseButton(button), mods, at);
    CompareMap(MapFromRows(rows));
    QCOMPARE(W->Session.Changed, 0);
    QVERIFY(!W->InfoVisible()); // any press closes the callout
    // The same press with the left button alone would have drawn.
    if (QTest::currentDataTag() == QByteArray("shift")) {
        QTest::mousePress(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, {}, at);
        QTest::mouseRelease(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, {}, at);
        QCOMPARE(W->Session.Changed, 1);
    }
}

void TestEditor::doubleClickActsOnce() {
    Show(FloorWith(u'.'));
    QTest::mouseClick(Child<TRoundButton>(W, "sbTurn"), Qt::LeftButton);
    QTest::mouseDClick(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, {}, Centre(5, 3));
    QCOMPARE(W->Session.Changed, 0); // the second press of a double click alone
    Press(5, 3);
    QTest::mouseDClick(Child<TBoardBox>(W, "pbBoard"), Qt::LeftButton, {}, Centre(5, 3));
    CompareMap(MapFromRows(FloorWith(u'A')));
    QCOMPARE(W->Session.Changed, 1);
    Press(5, 3); // a second, separate press
    CompareMap(MapFromRows(FloorWith(u'B')));
    QCOMPARE(W->Session.Changed, 2);
}

void TestEditor::firstEditDetachesExample() {
    QCOMPARE(W->Session.LoadedMap.Stored(), 1); // the window opens on the first example
    QVERIFY(!W->Session.Play.CurMap.Solution.isEmpty());
    QCOMPARE(W->windowTitle(), QStringLiteral("Virelune  \u25CF  Exemple 1"));
    QVERIFY(!Child<TRoundButton>(W, "btSave")->isEnabled());
    Messages.Shown.clear();
    QTest::mouseClick(Child<TRoundButton>(W, "sbCell"), Qt::LeftButton);
    Press(0, 0);
    QCOMPARE(W->Session.Changed, 1);
    QCOMPARE(W->Session.LoadedMap.Stored(), 0);
    QCOMPARE(W->windowTitle(), QStringLiteral("Virelune  \u25CF  Nouveau tableau"));
    QVERIFY(W->Session.Play.CurMap.ID.isEmpty());
    QVERIFY(W->Session.Play.CurMap.Solution.isEmpty());
    QVERIFY(!Child<TRoundButton>(W, "btSolution")->isEnabled());
    QCOMPARE(Child<QLabel>(W, "lSolutionCount")->text(), QStringLiteral("(?)"));
    QVERIFY(Child<TRoundButton>(W, "btSave")->isEnabled());
    Press(0, 0); // the second edit changes nothing more about the document
    QCOMPARE(W->Session.Changed, 2);
    QCOMPARE(W->windowTitle(), QStringLiteral("Virelune  \u25CF  Nouveau tableau"));
    QVERIFY(Messages.Shown.isEmpty());
}

void TestEditor::newMap_data() {
    QTest::addColumn<int>("edits");
    QTest::newRow("no changes") << 0;
    QTest::newRow("unsaved changes") << 3;
}

void TestEditor::newMap() {
    QFETCH(int, edits);
    QStringList rows = FloorWith(u'1');
    rows[0] = QString(BoardCols, u'#');
    Show(rows);
    W->Session.FileName = QStringLiteral("Cartes\\Essai.vrm"); // a map of the player's, from a file
    W->Session.Play.CurMap.Title = QStringLiteral("Essai");
    QTest::mouseClick(Child<TRoundButton>(W, "sbGoal"), Qt::LeftButton);
    for (int i = 0; i < edits; ++i) Press(1 + i, 1);
    QCOMPARE(W->Session.Changed, edits);
    Messages.Shown.clear();
    QTest::mouseClick(Child<TRoundButton>(W, "btNew"), Qt::LeftButton);
    const TMap& m = W->Session.Play.CurMap;
    for (int i = 0; i < BoardCells; ++i) QCOMPARE(m.Board[size_t(i)], ctVoid);
    QCOMPARE(m.PawnNb, 0);
    QCOMPARE(W->Session.Changed, 0);
    QCOMPARE(W->Session.LoadedMap.Stored(), 0);
    QVERIFY(W->Session.FileName.isEmpty());
    QVERIFY(m.Title.isEmpty() && m.Info.isEmpty() && m.Solution.isEmpty() && m.ID.isEmpty());
    QCOMPARE(W->windowTitle(), QStringLiteral("Virelune  \u25CF  Nouveau tableau"));
    QVERIFY(!Child<TRoundButton>(W, "btSave")->isEnabled());
    QVERIFY(Child<TRoundButton>(W, "btSaveAs")->isEnabled());
    if (edits == 0) {
        QVERIFY(Messages.Shown.isEmpty()); // nothing to lose: no question
    } else {
        // Unsaved changes: the question to save first, answered No by the recorder.
        if (Messages.Shown.isEmpty())
            QSKIP("the question to save comes with the document commands");
        QCOMPARE(Messages.Shown.size(), 1);
        QCOMPARE(Messages.Shown[0].first, mtQuestion);
        QCOMPARE(Messages.Shown[0].second,
                 QStringLiteral(
                     "💾 Sauver les modifications faites avant de charger un nouveau tableau ?"));
    }
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
