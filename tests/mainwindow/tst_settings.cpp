// The settings as the window uses them: where it opens, the speed and mode it starts in, the map
// it shows again and the game it restores; what it writes when it closes.
#include "tests/mainwindow/DocumentFixture.h"
#include "storage/Examples.h"
#include "platform/RoundButton.h"
#include "storage/SavedGame.h"
#include "storage/Settings.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSlider>

namespace {
// The first Moves moves of example 2's solution, played on a game of its own.
TSavedGame Example2Game(int Moves) {
    TPlay p;
    p.CurMap = ExampleMap(2);
    p.ResetPlay(true);
    const QString solution = ExampleMap(2).Solution;
    for (int i = 0; i < Moves; ++i) p.PlayMove(CodeValue(solution[2 * i]), solution[2 * i + 1]);
    return SavedGameOf(p);
}

QString PlayLines(const TSavedGame& G) {
    return QStringLiteral(
               "[Play]\nMoveCount=%1\nID=%2\nPawnIndex=%3\nPawnPos=%4\nPawnMoveStack=%5\n"
               "SolutionStack=%6\nDoorStateStack=%7\n")
        .arg(G.MoveCount)
        .arg(G.ID)
        .arg(G.PawnIndex)
        .arg(G.PawnPos, G.PawnMoveStack, G.SolutionStack, G.DoorStateStack);
}

void WriteIni(const QString& Text) {
    QFile f(SettingsFilePath());
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Text.toUtf8());
}

TIniStore ReadIni() {
    TIniStore ini;
    ini.Load(SettingsFilePath());
    return ini;
}
} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstStart();
    void gameOfFourMovesComesBack();
    void packMapComesBackWithItsGame();
    void writtenMap_data();
    void writtenMap();
    void editModeKeepsNoGame();
    void hostileValues_data();
    void hostileValues();
    void placement_data();
    void placement();
    void maximized();
    void writeFailureStillCloses();

private:
    TDocumentFixture F;
};

void TestSettings::init() {
    F.MakeFolder();
}

void TestSettings::cleanup() {
    F.Finish();
}

void TestSettings::firstStart() {
    QVERIFY(!QFile::exists(SettingsFilePath()));
    F.Start();
    QCOMPARE(F.W->Session.LoadedMap.Stored(), 1);
    QVERIFY(!F.W->Session.EditMode);
    QCOMPARE(Child<QSlider>(F.W, "tbSpeed")->value(), 2);
    QCOMPARE(F.W->windowTitle(), QStringLiteral("Virelune  \u25CF  Exemple 1"));
    // Half the screen's width, and never below 640 by 512.
    const QSize screen = F.W->screen()->size();
    QCOMPARE(F.W->width(), std::max(640, screen.width() / 2));
    QVERIFY(F.W->height() >= 512);
    QVERIFY(F.Messages.Shown.isEmpty());
}

void TestSettings::gameOfFourMovesComesBack() {
    F.Start();
    Child<QMenu>(F.W, "pmLoad")->actions().at(1)->trigger();
    const QString solution = ExampleMap(2).Solution;
    for (int i = 0; i < 4; ++i)
        QCOMPARE(F.W->Session.Play.PlayMove(CodeValue(solution[2 * i]), solution[2 * i + 1]),
                 moEnded);
    const TPawnArray played = F.W->Session.Play.CurMap.PawnPos;
    const TPawnArray start = F.W->Session.Play.PawnPosSave;
    const int selected = F.W->Session.Play.PawnIndex;
    QVERIFY(F.Close());

    const TIniStore ini = ReadIni();
    QCOMPARE(ini.ReadString("Map", "LoadedMap", ""), QStringLiteral("2"));
    QCOMPARE(ini.ReadString("Play", "MoveCount", ""), QStringLiteral("4"));
    QCOMPARE(ini.ReadString("Play", "ID", ""), ExampleMap(2).ID);
    QCOMPARE(ini.ReadString("Play", "SolutionStack", ""), solution.left(8));
    QCOMPARE(ini.ReadString("Param", "EditMode", ""), QStringLiteral("0"));

    F.Start();
    QCOMPARE(F.W->Session.LoadedMap.Stored(), 2);
    QCOMPARE(F.W->Session.Play.MoveCount, 4);
    QCOMPARE(Child<QLabel>(F.W, "lbCount")->text(), QStringLiteral("004"));
    QVERIFY(F.W->Session.Play.CurMap.PawnPos == played);
    QCOMPARE(F.W->Session.Play.PawnIndex, selected);
    QVERIFY(Child<TRoundButton>(F.W, "btUndo")->isEnabled());
    QVERIFY(Child<TRoundButton>(F.W, "btReplay")->isEnabled());
    for (int i = 0; i < 4; ++i)
        if (F.W->Session.Play.BeginUndo()) F.W->Session.Play.FinishUndoChain();
    QCOMPARE(F.W->Session.Play.MoveCount, 0);
    QVERIFY(F.W->Session.Play.CurMap.PawnPos == start);
    QVERIFY(F.W->Session.Play.PawnMoveStack.empty());
    QVERIFY(!Child<TRoundButton>(F.W, "btUndo")->isEnabled());
    QVERIFY(!F.W->Session.Play.BeginUndo()); // never past the start
    QCOMPARE(F.W->Session.Play.MoveCount, 0);
}

void TestSettings::packMapComesBackWithItsGame() {
    F.Start();
    QVERIFY(F.W->Session.LoadFile(QStringLiteral("packs/three.vrp"), 3));
    QCOMPARE(F.W->Session.Play.PlayMove(1, u'R'), moSolved);
    QVERIFY(F.Close());
    const TIniStore ini = ReadIni();
    QCOMPARE(ini.ReadString("Map", "LoadedMap", ""), QStringLiteral("-3"));
    QCOMPARE(ini.ReadString("Map", "FileName", ""), QStringLiteral("packs/three.vrp"));

    F.Start();
    QCOMPARE(F.W->Session.LoadedMap.Stored(), -3);
    QCOMPARE(F.W->Session.PackFileName, QStringLiteral("packs/three.vrp"));
    QCOMPARE(Child<QMenu>(F.W, "pmPack")->actions().size(), 3);
    QVERIFY(Child<QMenu>(F.W, "pmPack")->actions().at(2)->isChecked());
    QVERIFY(Child<TRoundButton>(F.W, "btPackPopup")->isEnabled());
    QCOMPARE(F.W->windowTitle(), QStringLiteral("Virelune  \u25CF  Trois cartes  \u25CF  Third"));
    QCOMPARE(F.W->Session.Play.MoveCount, 1);
    QCOMPARE(F.W->Session.Play.CurMap.PawnPos[0].x, std::int16_t(9));
}

void TestSettings::writtenMap_data() {
    QTest::addColumn<QString>("file"); // empty: example `index`
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("loadedMap");
    QTest::addColumn<bool>("hasFileName");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("example") << "" << 3 << false << "3" << false << "";
    QTest::newRow("new map never saved") << "" << 3 << true << "1" << true << "";
    QTest::newRow("map file") << "maps/titled.vrm" << 1 << false << "0" << true
                              << "maps/titled.vrm";
    QTest::newRow("pack map") << "packs/three.vrp" << 2 << false << "-2" << true
                              << "packs/three.vrp";
    QTest::newRow("pack map detached by an edit")
        << "packs/three.vrp" << 2 << true << "1" << true << "";
}

void TestSettings::writtenMap() {
    QFETCH(QString, file);
    QFETCH(int, index);
    QFETCH(bool, edit);
    F.Start();
    if (file.isEmpty())
        F.W->mnLoadClick(index);
    else
        QVERIFY(F.W->Session.LoadFile(file, index));
    if (edit) {
        F.W->ToggleEditMode();
        F.W->Session.SetChanged(1);
        F.Messages.Answers = {mrNo};
    }
    QVERIFY(F.Close());
    const TIniStore ini = ReadIni();
    QTEST(ini.ReadString("Map", "LoadedMap", "?"), "loadedMap");
    QTEST(ini.HasKey("Map", "FileName"), "hasFileName");
    QTEST(ini.ReadString("Map", "FileName", ""), "fileName");
}

void TestSettings::editModeKeepsNoGame() {
    F.Start();
    F.W->mnLoadClick(2);
    QCOMPARE(F.W->Session.Play.PlayMove(2, u'R'), moEnded);
    F.W->ToggleEditMode();
    QVERIFY(F.Close());
    const QByteArray text = F.FileText(QFileInfo(SettingsFilePath()).fileName());
    QVERIFY(text.contains("EditMode=1"));
    const TIniStore ini = ReadIni();
    QVERIFY(!ini.HasKey("Play", "ID"));
    QVERIFY(!ini.HasKey("Play", "PawnMoveStack"));

    // A game left from an earlier run is not taken in edit mode either.
    WriteIni(QStringLiteral("[Param]\nEditMode=1\n[Map]\nLoadedMap=2\n") +
             PlayLines(Example2Game(4)));
    F.Start();
    QVERIFY(F.W->Session.EditMode);
    QCOMPARE(F.W->Session.LoadedMap.Stored(), 2);
    QCOMPARE(F.W->Session.Play.MoveCount, 0);
}

void TestSettings::hostileValues_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<int>("loadedMap");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("moveCount");
    QTest::addColumn<int>("pawnIndex");
    QTest::addColumn<bool>("messages");
    const TSavedGame good = Example2Game(4);
    const QString onExample2 = QStringLiteral("[Map]\nLoadedMap=2\n");
    QTest::newRow("garbage numbers") << "[Param]\nSpeed=zz\nEditMode=maybe\n[Map]\nLoadedMap=x1\n"
                                     << 1 << 2 << 0 << 1 << false;
    QTest::newRow("speed out of range") << "[Param]\nSpeed=99\n" << 1 << 4 << 0 << 1 << false;
    QTest::newRow("no such example") << "[Map]\nLoadedMap=99\n" << 1 << 2 << 0 << 1 << false;
    QTest::newRow("lowest integer") << "[Map]\nLoadedMap=-2147483648\nFileName=packs/three.vrp\n"
                                    << 1 << 2 << 0 << 1 << false;
    QTest::newRow("beyond the pack") << "[Map]\nLoadedMap=-5\nFileName=packs/three.vrp\n"
                                     << 1 << 2 << 0 << 1 << false;
    QTest::newRow("file gone") << "[Map]\nLoadedMap=0\nFileName=maps/gone.vrm\n"
                               << 1 << 2 << 0 << 1 << false;
    QTest::newRow("file outside the folder") << "[Map]\nLoadedMap=0\nFileName=../maps/titled.vrm\n"
                                             << 1 << 2 << 0 << 1 << false;
    QTest::newRow("absolute file name") << "[Map]\nLoadedMap=0\nFileName=$ABS\n"
                                        << 1 << 2 << 0 << 1 << false;
    QTest::newRow("unreadable file") << "[Map]\nLoadedMap=0\nFileName=maps/bad.vrm\n"
                                     << 1 << 2 << 0 << 1 << true;
    QTest::newRow("good game") << onExample2 + PlayLines(good) << 2 << 2 << 4 << good.PawnIndex
                               << false;
    TSavedGame g = good;
    g.PawnPos = QStringLiteral("zz~~");
    QTest::newRow("pawns off the board") << onExample2 + PlayLines(g) << 2 << 2 << 0 << 1 << false;
    g = good;
    g.MoveCount = 5;
    QTest::newRow("count beyond the record")
        << onExample2 + PlayLines(g) << 2 << 2 << 0 << 1 << false;
    g = good;
    g.PawnMoveStack.chop(3);
    QTest::newRow("record cut short") << onExample2 + PlayLines(g) << 2 << 2 << 0 << 1 << false;
    g = good;
    g.PawnIndex = 9;
    QTest::newRow("no such pawn") << onExample2 + PlayLines(g) << 2 << 2 << 4 << 1 << false;
    QTest::newRow("game of another map")
        << "[Map]\nLoadedMap=3\n" + PlayLines(good) << 3 << 2 << 0 << 1 << false;
}

void TestSettings::hostileValues() {
    QFETCH(QString, ini);
    QFile bad(GamePath(QStringLiteral("maps/bad.vrm")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("VRM1-\r\nnot a map at all\r\n");
    bad.close();
    WriteIni(ini.replace(QStringLiteral("$ABS"), GamePath(QStringLiteral("maps/titled.vrm"))));
    F.Start();
    QTEST(F.W->Session.LoadedMap.Stored(), "loadedMap");
    QTEST(Child<QSlider>(F.W, "tbSpeed")->value(), "speed");
    QTEST(F.W->Session.Play.MoveCount, "moveCount");
    QTEST(F.W->Session.Play.PawnIndex, "pawnIndex");
    QTEST(!F.Messages.Shown.isEmpty(), "messages");
    QVERIFY(!F.W->Session.EditMode);
    for (int i = 0; i < F.W->Session.Play.CurMap.PawnNb; ++i) {
        const TSmallPoint p = F.W->Session.Play.CurMap.PawnPos[size_t(i)];
        QVERIFY(p.x >= 0 && p.x < BoardCols && p.y >= 0 && p.y < BoardRows);
    }
}

void TestSettings::placement_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("as stored") << "[Window]\nWidth=700\nHeight=600\nLeft=10\nTop=20\n"
                               << QRect(10, 20, 700, 600);
    QTest::newRow("too small") << "[Window]\nWidth=800\nHeight=400\nLeft=30\nTop=40\n"
                               << QRect(30, 40, 640, 512);
}

void TestSettings::placement() {
    QFETCH(QString, ini);
    WriteIni(ini);
    F.Start();
    QTEST(F.W->geometry(), "rect");
    F.W->setGeometry(50, 60, 720, 540);
    QVERIFY(F.Close());
    const TIniStore stored = ReadIni();
    QCOMPARE(stored.ReadInteger("Window", "Width", 0), 720);
    QCOMPARE(stored.ReadInteger("Window", "Height", 0), 540);
    QCOMPARE(stored.ReadInteger("Window", "Left", 0), 50);
    QCOMPARE(stored.ReadInteger("Window", "Top", 0), 60);
}

void TestSettings::maximized() {
    WriteIni(QStringLiteral("[Window]\nWidth=700\nHeight=600\nLeft=10\nTop=20\n"));
    F.Start();
    F.W->setWindowState(Qt::WindowMaximized);
    QTRY_VERIFY(F.W->isMaximized());
    QVERIFY(F.Close());
    const TIniStore ini = ReadIni();
    QCOMPARE(ini.ReadInteger("Window", "Width", 0), -1);
    QCOMPARE(ini.ReadInteger("Window", "Height", 0), 600);
    QCOMPARE(ini.ReadInteger("Window", "Left", 0), 10);
    QCOMPARE(ini.ReadInteger("Window", "Top", 0), 20);
    F.Start();
    QVERIFY(F.W->windowState() & Qt::WindowMaximized);
}

void TestSettings::writeFailureStillCloses() {
    QVERIFY(QDir().mkpath(SettingsFilePath())); // a folder where the file should be
    F.Start();
    QVERIFY(F.Close());
    QCOMPARE(F.Messages.Shown.size(), 1);
    QCOMPARE(F.Messages.Shown.first().first, mtError);
    const QString head =
        QStringLiteral("Erreur lors de l'écriture du fichier\r\n") + SettingsFilePath() + "\r\n";
    QVERIFY2(F.Messages.Shown.first().second.startsWith(head),
             qPrintable(F.Messages.Shown.first().second));
    QVERIFY(F.Messages.Shown.first().second.size() > head.size());
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
