// The window's document: captions and check marks, loading and saving maps and packs, the
// question about unsaved changes, and closing.
#include "tests/mainwindow/DocumentFixture.h"
#include "storage/Examples.h"
#include "platform/RoundButton.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>

namespace {
const QString Dot = QStringLiteral("  \u25CF  ");
const QString Prefix = QStringLiteral("Virelune") + Dot;
const QString DiscardQuestion =
    QStringLiteral("💾 Sauver les modifications faites avant de charger un nouveau tableau ?");
const QString CloseQuestion =
    QStringLiteral("💾 Sauver les modifications faites avant de quitter ?");

// Index (from 1) of the checked item of a menu, 0 when none is.
int CheckedItem(QMenu* Menu) {
    const auto actions = Menu->actions();
    for (int i = 0; i < actions.size(); ++i)
        if (actions[i]->isChecked()) return i + 1;
    return 0;
}
} // namespace

class TestDocument : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void captions_data();
    void captions();
    void firstEditOfFileKeepsTitle();
    void confirmDiscard_data();
    void confirmDiscard();
    void closeWithChanges_data();
    void closeWithChanges();
    void saveOverExisting_data();
    void saveOverExisting();
    void saveAsKeepsTexts();
    void saveDuringGameWritesStart();
    void solutionSavedUnderNewNameStaysWithTheMap();
    void writeFailureKeepsChanges();
    void packLoadFillsMenu();
    void menuMarksFollowShownMap_data();
    void menuMarksFollowShownMap();
    void loadFileNumbers();

private:
    TDocumentFixture F;
    // Turns the current map into one with unsaved edits, in edit mode.
    void Edit() {
        if (!F.W->Session.EditMode) F.W->ToggleEditMode();
        F.W->Session.SetChanged(1);
    }
};

void TestDocument::init() {
    F.MakeFolder();
    F.Start();
}

void TestDocument::cleanup() {
    F.Finish();
}

void TestDocument::captions_data() {
    QTest::addColumn<QString>("file"); // loaded with LoadFile; empty: example `index` from pmLoad
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("loadCheck");
    QTest::addColumn<int>("packCheck");
    QTest::addColumn<int>("loadedMap");
    const QString ex4 = ExampleMap(4).Title;
    QTest::newRow("example") << "" << 4 << false << Prefix + ex4 << 4 << 0 << 4;
    QTest::newRow("example edited") << "" << 4 << true << Prefix + "Nouveau tableau" << 0 << 0 << 0;
    QTest::newRow("map file") << "maps/titled.vrm" << 1 << false << Prefix + "Titled" << 0 << 0
                              << 0;
    QTest::newRow("map file without title")
        << "maps/untitled.vrm" << 1 << false << Prefix + "maps/untitled" << 0 << 0 << 0;
    QTest::newRow("pack map") << "packs/three.vrp" << 2 << false
                              << Prefix + "Trois cartes" + Dot + "Second" << 0 << 2 << -2;
    QTest::newRow("untitled map of untitled pack")
        << "packs/bare.vrp" << 1 << false << Prefix + "packs/bare" + Dot + "Nouveau tableau" << 0
        << 1 << -1;
    QTest::newRow("pack map edited")
        << "packs/three.vrp" << 3 << true << Prefix + "Nouveau tableau" << 0 << 0 << 0;
}

void TestDocument::captions() {
    QFETCH(QString, file);
    QFETCH(int, index);
    QFETCH(bool, edit);
    if (file.isEmpty())
        Child<QMenu>(F.W, "pmLoad")->actions().at(index - 1)->trigger();
    else
        QVERIFY(F.W->Session.LoadFile(file, index));
    if (edit) Edit();
    QTEST(F.W->windowTitle(), "caption");
    QTEST(CheckedItem(Child<QMenu>(F.W, "pmLoad")), "loadCheck");
    QTEST(CheckedItem(Child<QMenu>(F.W, "pmPack")), "packCheck");
    QTEST(F.W->Session.LoadedMap.Stored(), "loadedMap");
    if (edit) {
        QVERIFY(F.W->Session.FileName.isEmpty());
        QVERIFY(F.W->Session.Play.CurMap.ID.isEmpty());
        QVERIFY(!Child<TRoundButton>(F.W, "btSolution")->isEnabled());
    }
    QVERIFY2(F.Messages.Shown.isEmpty(), qPrintable(F.Messages.Texts().join(u'|')));
}

void TestDocument::firstEditOfFileKeepsTitle() {
    QVERIFY(F.W->Session.LoadFile(QStringLiteral("maps/titled.vrm"), 1));
    QVERIFY(Child<TRoundButton>(F.W, "btSolution")->isEnabled());
    Edit();
    QCOMPARE(F.W->windowTitle(), Prefix + "Titled");
    QCOMPARE(F.W->Session.FileName, QStringLiteral("maps/titled.vrm"));
    QCOMPARE(F.W->Session.LoadedMap.Stored(), 0);
    QVERIFY(F.W->Session.Play.CurMap.ID.isEmpty());
    QCOMPARE(Child<QLabel>(F.W, "lSolutionCount")->text(), QStringLiteral("(?)"));
    QVERIFY(Child<TRoundButton>(F.W, "btSave")->isEnabled());
}

void TestDocument::confirmDiscard_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("loaded");    // example 5 shown afterwards
    QTest::addColumn<bool>("rewritten"); // the map's own file written again, silently
    QTest::newRow("yes saves into its file") << mrYes << true << true;
    QTest::newRow("no drops the edits") << mrNo << true << false;
    QTest::newRow("escape keeps everything") << mrCancel << false << false;
}

void TestDocument::confirmDiscard() {
    QFETCH(int, answer);
    QFETCH(bool, loaded);
    QFETCH(bool, rewritten);
    QVERIFY(F.W->Session.LoadFile(QStringLiteral("maps/titled.vrm"), 1));
    const QByteArray before = F.FileText(QStringLiteral("maps/titled.vrm"));
    Edit();
    F.W->Session.Play.CurMap.SetCell(5, 5, ctWall);
    F.Messages.Answers = {answer};
    Child<QMenu>(F.W, "pmLoad")->actions().at(4)->trigger();
    QCOMPARE(F.Messages.Texts(), QStringList{DiscardQuestion});
    QVERIFY(F.Chooser.Modes.isEmpty()); // a map with a file is saved without the dialog
    QCOMPARE(F.W->Session.LoadedMap.Stored(), loaded ? 5 : 0);
    QCOMPARE(F.W->Session.Changed, loaded ? 0 : 1);
    const QByteArray after = F.FileText(QStringLiteral("maps/titled.vrm"));
    QCOMPARE(after != before, rewritten);
    if (rewritten) QVERIFY(after.contains("\r\nAAAAAAAAAAA")); // the new wall is in the file
}

void TestDocument::closeWithChanges_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("chosen"); // the save dialog's answer
    QTest::addColumn<bool>("closed");
    QTest::newRow("no closes") << mrNo << "" << true;
    QTest::newRow("yes and a file closes") << mrYes << "maps/saved.vrm" << true;
    QTest::newRow("yes and the dialog closed stays") << mrYes << "" << false;
    QTest::newRow("escape stays") << mrCancel << "" << false;
}

void TestDocument::closeWithChanges() {
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    QFETCH(bool, closed);
    QVERIFY(F.W->Session.LoadFile(QStringLiteral("maps/titled.vrm"), 1));
    Edit();
    F.Messages.Answers = {answer};
    F.Chooser.Answers = {chosen};
    QCOMPARE(F.Close(), closed);
    QCOMPARE(F.Messages.Texts(), QStringList{CloseQuestion});
    // Yes always opens the save dialog, proposing the map's own file.
    QCOMPARE(F.Chooser.Proposed,
             answer == mrYes ? QStringList{QStringLiteral("maps/titled.vrm")} : QStringList());
    if (!closed) {
        QVERIFY(F.W->isVisible());
        QCOMPARE(F.W->Session.Changed, 1);
    }
    QCOMPARE(QFile::exists(GamePath(QStringLiteral("maps/saved.vrm"))), !chosen.isEmpty());
}

void TestDocument::saveOverExisting_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("yes replaces") << mrYes << true;
    QTest::newRow("no keeps the file") << mrNo << false;
    QTest::newRow("escape keeps the file") << mrCancel << false;
}

void TestDocument::saveOverExisting() {
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    const QByteArray before = F.FileText(QStringLiteral("maps/titled.vrm"));
    Edit(); // example 1 becomes a new map
    F.Messages.Answers = {answer};
    F.Chooser.Answers = {QStringLiteral("maps/titled.vrm")};
    F.Chooser.Title = QStringLiteral("Mine");
    F.W->btSaveAsClick();
    QCOMPARE(F.Messages.Texts(),
             QStringList{"maps/titled.vrm existe déjà,\r\nvoulez-vous le remplacer ?"});
    QCOMPARE(F.Messages.Shown.first().first, mtQuestion);
    QCOMPARE(F.FileText(QStringLiteral("maps/titled.vrm")) != before, replaced);
    QCOMPARE(F.W->Session.FileName, replaced ? QStringLiteral("maps/titled.vrm") : QString());
    QCOMPARE(F.W->Session.Changed, replaced ? 0 : 1);
    QCOMPARE(F.W->windowTitle(), Prefix + (replaced ? "Mine" : "Nouveau tableau"));
}

void TestDocument::saveAsKeepsTexts() {
    QVERIFY(F.W->Session.LoadFile(QStringLiteral("maps/titled.vrm"), 1));
    Edit();
    F.Chooser.Title = QStringLiteral("Typed");
    F.Chooser.Answers = {QStringLiteral("maps/copy.vrm"), QStringLiteral("maps/copy.vrm")};
    F.W->btSaveAsClick();
    QCOMPARE(F.Chooser.Modes, QList<TOpenSaveType>{osSaveMap});
    QCOMPARE(F.W->Session.FileName, QStringLiteral("maps/copy.vrm"));
    QCOMPARE(F.W->Session.Changed, 0);
    QVERIFY(!Child<TRoundButton>(F.W, "btSave")->isEnabled());
    TPack read;
    QVERIFY(ReadMaps(osOpenMap, read, QStringLiteral("maps/copy.vrm"), F.Messages));
    QCOMPARE(read.Maps[0].Title, QStringLiteral("Titled"));
    QCOMPARE(read.Maps[0].ID, F.W->Session.Play.CurMap.ID);
    QVERIFY(MapIdIsValid(read.Maps[0].ID));
    // Under its own name the map takes the typed title.
    F.W->btSaveAsClick();
    QVERIFY(ReadMaps(osOpenMap, read, QStringLiteral("maps/copy.vrm"), F.Messages));
    QCOMPARE(read.Maps[0].Title, QStringLiteral("Typed"));
    QCOMPARE(F.W->windowTitle(), Prefix + "Typed");
}

void TestDocument::saveDuringGameWritesStart() {
    QVERIFY(F.W->Session.LoadFile(QStringLiteral("maps/untitled.vrm"), 1));
    QCOMPARE(F.W->Session.Play.PlayMove(1, u'D'), moEnded);
    const TSmallPoint onScreen = F.W->Session.Play.CurMap.PawnPos[0];
    F.Chooser.Answers = {QStringLiteral("maps/start.vrm")};
    QVERIFY(F.W->Session.SaveMap(true));
    TPack read;
    QVERIFY(ReadMaps(osOpenMap, read, QStringLiteral("maps/start.vrm"), F.Messages));
    QCOMPARE(read.Maps[0].PawnPos[0].y, std::int16_t(1));
    QCOMPARE(F.W->Session.Play.CurMap.PawnPos[0].y, onScreen.y);
    QCOMPARE(F.W->Session.Play.MoveCount, 1);
}

void TestDocument::solutionSavedUnderNewNameStaysWithTheMap() {
    QVERIFY(F.W->Session.LoadFile(QStringLiteral("maps/untitled.vrm"), 1));
    F.Messages.Answers = {mrYes};
    F.Chooser.Answers = {QStringLiteral("maps/found.vrm"), QStringLiteral("maps/found.vrm")};
    QTest::keyClick(F.W.get(), Qt::Key_Right);
    for (int n = 0; n < 1000 && F.W->Session.Sliding(); ++n) F.W->Session.Tick();
    QCOMPARE(F.Messages.Texts(),
             QStringList{"Solution trouvée 😎\r\nFaut-il l'écrire dans un fichier ?"});
    QCOMPARE(F.W->Session.FileName, QStringLiteral("maps/found.vrm"));
    TPack read;
    QVERIFY(ReadMaps(osOpenMap, read, QStringLiteral("maps/found.vrm"), F.Messages));
    QCOMPARE(read.Maps[0].Solution, QStringLiteral("1R"));
    // The window's map is now that file: it shows the solution the file holds, so saving it
    // again under its own name keeps the solution.
    QCOMPARE(F.W->Session.Play.CurMap.Solution, QStringLiteral("1R"));
    QCOMPARE(Child<QLabel>(F.W, "lSolutionCount")->text(), QStringLiteral("(1 coups)"));
    F.W->ToggleEditMode(); // no edit: "Sauver..." is offered in edit mode only
    F.W->btSaveAsClick();
    QVERIFY(ReadMaps(osOpenMap, read, QStringLiteral("maps/found.vrm"), F.Messages));
    QCOMPARE(read.Maps[0].Solution, QStringLiteral("1R"));
}

void TestDocument::writeFailureKeepsChanges() {
    Edit();
    F.Chooser.Answers = {QStringLiteral("gone/map.vrm")}; // a folder that does not exist
    QVERIFY(!F.W->Session.SaveMap(true));
    QCOMPARE(F.Messages.Shown.size(), 1);
    QCOMPARE(F.Messages.Shown.first().first, mtError);
    QVERIFY(F.Messages.Shown.first().second.startsWith("Erreur lors de l'écriture du fichier\r\n"));
    QCOMPARE(F.W->Session.Changed, 1);
    QVERIFY(Child<TRoundButton>(F.W, "btSave")->isEnabled());
    QVERIFY(F.W->Session.FileName.isEmpty());
    QVERIFY(F.W->Session.Play.CurMap.ID.isEmpty());
}

void TestDocument::packLoadFillsMenu() {
    QVERIFY(!Child<TRoundButton>(F.W, "btPackPopup")->isEnabled());
    QVERIFY(Child<QMenu>(F.W, "pmPack")->actions().isEmpty());
    QVERIFY(F.W->Session.LoadFile(QStringLiteral("maps/titled.vrm"), 1));
    F.Chooser.Answers = {QStringLiteral("packs/three.vrp")};
    F.W->btLoadClick();
    QCOMPARE(F.Chooser.Modes, QList<TOpenSaveType>{osOpenBoth});
    const auto items = Child<QMenu>(F.W, "pmPack")->actions();
    QCOMPARE(items.size(), 3);
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(items[n - 1]->objectName(), QStringLiteral("mnPack%1").arg(n));
        QCOMPARE(items[n - 1]->data().toInt(), -n);
    }
    QCOMPARE(items[1]->text(), QStringLiteral("Second"));
    QVERIFY(Child<TRoundButton>(F.W, "btPackPopup")->isEnabled());
    QCOMPARE(F.W->Session.LoadedMap.Stored(), -1);
    QVERIFY(F.W->Session.FileName.isEmpty());
    QCOMPARE(F.W->Session.PackFileName, QStringLiteral("packs/three.vrp"));
    QCOMPARE(CheckedItem(Child<QMenu>(F.W, "pmPack")), 1);

    Child<QMenu>(F.W, "pmLoad")->actions().at(2)->trigger();
    QCOMPARE(F.W->windowTitle(), Prefix + ExampleMap(3).Title);
    QCOMPARE(CheckedItem(Child<QMenu>(F.W, "pmPack")), 0);
    QVERIFY(Child<TRoundButton>(F.W, "btPackPopup")->isEnabled());
    items[1]->trigger();
    QCOMPARE(F.W->windowTitle(), Prefix + "Trois cartes" + Dot + "Second");
    QCOMPARE(F.W->Session.LoadedMap.Stored(), -2);
    QCOMPARE(CheckedItem(Child<QMenu>(F.W, "pmLoad")), 0);
    QCOMPARE(CheckedItem(Child<QMenu>(F.W, "pmPack")), 2);
    // The save dialog proposes no file name for a map of the pack.
    F.W->ToggleEditMode();
    F.W->btSaveAsClick();
    QCOMPARE(F.Chooser.Proposed.last(), QString());
}

void TestDocument::menuMarksFollowShownMap_data() {
    QTest::addColumn<QString>("start"); // "pack": map 2 of three.vrp; "file": titled.vrm edited;
                                        // "new": that pack map edited into a new map
    QTest::addColumn<bool>("fromPack"); // the item chosen is in pmPack, else in pmLoad
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("answer");     // to the question about unsaved changes
    QTest::addColumn<QString>("saveAs"); // the save dialog's answer, if it opens
    QTest::addColumn<int>("loadCheck");
    QTest::addColumn<int>("packCheck");
    QTest::newRow("escape on an example") << "file" << false << 5 << mrCancel << "" << 0 << 0;
    QTest::newRow("escape on a pack map") << "file" << true << 2 << mrCancel << "" << 0 << 0;
    QTest::newRow("no on a pack map") << "file" << true << 2 << mrNo << "" << 0 << 2;
    QTest::newRow("yes, save dialog closed") << "new" << false << 5 << mrYes << "" << 0 << 0;
    QTest::newRow("yes, saved") << "new" << false << 5 << mrYes << "maps/new.vrm" << 5 << 0;
    QTest::newRow("pack map chosen again") << "pack" << true << 2 << mrNo << "" << 0 << 2;
    QTest::newRow("other pack map") << "pack" << true << 3 << mrNo << "" << 0 << 3;
}

// The menus tick the chosen item before the game asks anything: whatever the answer, the marks
// end on the map that is shown.
void TestDocument::menuMarksFollowShownMap() {
    QFETCH(QString, start);
    QFETCH(bool, fromPack);
    QFETCH(int, item);
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QVERIFY(F.W->Session.LoadFile(QStringLiteral("packs/three.vrp"), 2));
    if (start == "file") QVERIFY(F.W->Session.LoadFile(QStringLiteral("maps/titled.vrm"), 1));
    if (start != "pack") Edit();
    const QString before = F.W->windowTitle();
    F.Messages.Answers = {answer};
    F.Chooser.Answers = {saveAs};
    (fromPack ? Child<QMenu>(F.W, "pmPack") : Child<QMenu>(F.W, "pmLoad"))
        ->actions()
        .at(item - 1)
        ->trigger();
    QTEST(CheckedItem(Child<QMenu>(F.W, "pmLoad")), "loadCheck");
    QTEST(CheckedItem(Child<QMenu>(F.W, "pmPack")), "packCheck");
    const int shown = F.W->Session.LoadedMap.Stored();
    QCOMPARE(CheckedItem(Child<QMenu>(F.W, "pmLoad")), std::max(shown, 0));
    QCOMPARE(CheckedItem(Child<QMenu>(F.W, "pmPack")), std::max(-shown, 0));
    if (shown == 0) QCOMPARE(F.W->windowTitle(), before);
}

void TestDocument::loadFileNumbers() {
    // A map file holds one map whatever number is asked for.
    QVERIFY(F.W->Session.LoadFile(QStringLiteral("maps/titled.vrm"), 3));
    QCOMPARE(F.W->Session.LoadedMap.Stored(), 0);
    QCOMPARE(F.W->Session.Play.CurMap.Title, QStringLiteral("Titled"));
    // A pack without that many maps is not loaded, and says nothing.
    QVERIFY(!F.W->Session.LoadFile(QStringLiteral("packs/three.vrp"), 4));
    QCOMPARE(F.W->Session.FileName, QStringLiteral("maps/titled.vrm"));
    QVERIFY(F.W->Session.PackFileName.isEmpty());
    QVERIFY(!Child<TRoundButton>(F.W, "btPackPopup")->isEnabled());
    // A file that is not there reports it and changes nothing.
    QVERIFY(!F.W->Session.LoadFile(QStringLiteral("maps/none.vrm"), 1));
    QCOMPARE(F.Messages.Shown.size(), 1);
    QCOMPARE(F.Messages.Shown.first().first, mtError);
    QCOMPARE(F.W->windowTitle(), Prefix + "Titled");
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
