// The settings file and the saved game: defaults, what is written, and what a restore accepts.
#include "storage/Examples.h"
#include "storage/MapFile.h"
#include "rules/Play.h"
#include "storage/SavedGame.h"
#include "storage/Settings.h"
#include "tests/TestSupport.h"

#include <QtTest>
#include <limits>

namespace {

TSmallPoint P(int x, int y) {
    return {std::int16_t(x), std::int16_t(y)};
}

TPlay Started(int example) {
    TPlay p;
    p.CurMap = ExampleMap(example);
    p.ResetPlay(true);
    return p;
}

// Plays the first Moves stored moves of the map's solution.
void PlayStored(TPlay& p, int Moves) {
    const QString s = p.CurMap.Solution;
    for (int i = 0; i < 2 * Moves; i += 2) p.PlayMove(CodeValue(s[i]), s[i + 1]);
}

struct TSnapshot {
    TMap Map;
    std::vector<TPawnMove> Moves;
    QString Solution;
    std::vector<TDoorState> Doors;
    int Count;
    int Pawn;
    bool operator==(const TSnapshot& o) const {
        return Map.PawnPos == o.Map.PawnPos && Map.Board == o.Map.Board && Moves == o.Moves &&
               Solution == o.Solution && Doors == o.Doors && Count == o.Count && Pawn == o.Pawn;
    }
};

TSnapshot Snap(const TPlay& p) {
    return {p.CurMap, p.PawnMoveStack, p.SolutionStack, p.DoorStateStack, p.MoveCount, p.PawnIndex};
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

private slots:
    void encoders();
    void pawnMoveStackDecoding_data();
    void pawnMoveStackDecoding();
    void gameRoundTripThroughFile();
    void restoreSetsDoorsAsTheyStood();
    void hostileGamesAreIgnored_data();
    void hostileGamesAreIgnored();
    void pawnIndexOutsideGivesOne();
    void defaultsAndUnreadableValues();
    void writerKeepsOtherKeys();
    void maximizedKeepsPlacement();
    void failedWriteIsReported();
    void placement_data();
    void placement();
};

void TestSettings::encoders() {
    TMap two = MapFromRows({"1"});
    two.PawnNb = 2;
    two.PawnPos[0] = P(10, 3);
    two.PawnPos[1] = P(0, 7);
    QCOMPARE(EncodePawnPos(two), QStringLiteral("A307"));

    std::vector<TPawnMove> moves{{1, P(6, 4)}, {1, P(6, 6)}};
    QCOMPARE(EncodePawnMoveStack(moves), QStringLiteral("0164 166"));
    moves.push_back({-2, P(10, 3)});
    QCOMPARE(EncodePawnMoveStack(moves), QStringLiteral("0164 166-2A3"));
    QCOMPARE(EncodePawnMoveStack({}), QString());

    const std::vector<TDoorState> doors{{ctDoorDown, ctDoorUp}, {ctDoorUp, ctDoorDown}};
    QCOMPARE(EncodeDoorStateStack(doors, 2), QStringLiteral("HIIH"));
    QCOMPARE(EncodeDoorStateStack({}, 2), QString());
    QCOMPARE(EncodeSolutionStack(QStringLiteral("1D1R")), QStringLiteral("1D1R"));
}

void TestSettings::pawnMoveStackDecoding_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("again"); // encoded back
    QTest::newRow("stored form") << "0164 166-2A3" << true << "0164 166-2A3";
    QTest::newRow("leading space kept") << " 164" << true << "0164";
    QTest::newRow("zero padded later") << "01640166" << true << "0164 166";
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("cut short") << "0164 16" << false << "";
    QTest::newRow("pawn 7") << "0764" << false << "";
    QTest::newRow("pawn 0") << "0064" << false << "";
    QTest::newRow("not a number") << "x164" << false << "";
    QTest::newRow("column 11") << "01B4" << false << "";
    QTest::newRow("row 8") << "0118" << false << "";
    QTest::newRow("outside the alphabet") << "01#4" << false << "";
}

void TestSettings::pawnMoveStackDecoding() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, again);
    std::vector<TPawnMove> stack{{3, P(1, 1)}};
    QCOMPARE(DecodePawnMoveStack(text, stack), ok);
    if (ok)
        QCOMPARE(EncodePawnMoveStack(stack), again);
    else
        QCOMPARE(stack.size(), std::size_t(1));
}

void TestSettings::gameRoundTripThroughFile() {
    // Four moves on example 2, closed and reopened: same position, counter and undo record.
    TPlay played = Started(2);
    PlayStored(played, 4);
    QVERIFY(GameIsSaved(played, false));
    QVERIFY(!GameIsSaved(played, true));
    TSettings out;
    out.Game = SavedGameOf(played);
    const QString path = Dir.filePath("round.ini");
    TMessageRecorder rec;
    QVERIFY(WriteSettings(path, out, true, rec));
    QVERIFY(rec.Shown.isEmpty());

    const TSettings in = ReadSettings(path);
    QCOMPARE(in.Game.MoveCount, 4);
    QCOMPARE(in.Game.PawnMoveStack, out.Game.PawnMoveStack);
    QVERIFY(in.Game.PawnMoveStack.startsWith("02"));
    TPlay restored = Started(2);
    QVERIFY(RestoreGame(restored, in.Game));
    QVERIFY(Snap(restored) == Snap(played));

    for (int i = 0; i < 4; ++i) {
        restored.BeginUndo();
        restored.FinishUndoChain();
    }
    QCOMPARE(restored.MoveCount, 0);
    QVERIFY(restored.PawnMoveStack.empty() && restored.SolutionStack.isEmpty());
    QVERIFY(restored.CurMap.PawnPos == ExampleMap(2).PawnPos);
}

void TestSettings::restoreSetsDoorsAsTheyStood() {
    // Example 7 after its first moves has its doors flipped; the doors come back as they stood.
    TPlay played = Started(7);
    const QString sol = played.CurMap.Solution;
    for (int i = 0; played.CurMap.Board == ExampleMap(7).Board; i += 2)
        QVERIFY(played.PlayMove(CodeValue(sol[i]), sol[i + 1]) != moBlocked);
    const TSavedGame saved = SavedGameOf(played);
    QVERIFY(!saved.DoorStateStack.isEmpty());
    TPlay restored = Started(7);
    QVERIFY(RestoreGame(restored, saved));
    QVERIFY(restored.CurMap.Board == played.CurMap.Board);
    QVERIFY(Snap(restored) == Snap(played));
}

void TestSettings::hostileGamesAreIgnored_data() {
    QTest::addColumn<int>("example");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("another map") << 7 << "ID"
                                 << "00000000000202";
    QTest::newRow("no id") << 7 << "ID"
                           << "";
    QTest::newRow("one move more") << 7 << "MoveCount"
                                   << "6";
    QTest::newRow("one move less") << 7 << "MoveCount"
                                   << "4";
    QTest::newRow("huge count") << 7 << "MoveCount"
                                << "2147483647";
    QTest::newRow("negative count") << 7 << "MoveCount"
                                    << "-5";
    QTest::newRow("solution cut") << 7 << "SolutionStack"
                                  << "2R2U1L1D1";
    QTest::newRow("solution pawn 9") << 7 << "SolutionStack"
                                     << "2R2U1L1D9L";
    QTest::newRow("solution direction X") << 7 << "SolutionStack"
                                          << "2R2U1L1D1X";
    QTest::newRow("other moves") << 7 << "SolutionStack"
                                 << "2R2U1L1D1R";
    QTest::newRow("pawns cut") << 7 << "PawnPos"
                               << "8";
    QTest::newRow("pawns elsewhere") << 7 << "PawnPos"
                                     << "0007";
    QTest::newRow("pawn off the board") << 7 << "PawnPos"
                                        << "zz07";
    QTest::newRow("move record cut") << 7 << "PawnMoveStack"
                                     << "0207";
    QTest::newRow("move record garbage") << 7 << "PawnMoveStack" << QString(20, '#');
    QTest::newRow("doors cut") << 7 << "DoorStateStack"
                               << "H";
    QTest::newRow("doors wrong") << 7 << "DoorStateStack"
                                 << "AAAA";
    QTest::newRow("doors extra") << 7 << "DoorStateStack"
                                 << "HIIHIH";
    QTest::newRow("doors on a map without") << 2 << "DoorStateStack"
                                            << "HI";
    QTest::newRow("blocked move") << 2 << "SolutionStack"
                                  << "2R2R2D2L2D";
}

void TestSettings::hostileGamesAreIgnored() {
    QFETCH(int, example);
    QFETCH(QString, key);
    QFETCH(QString, value);
    TPlay played = Started(example);
    PlayStored(played, 5);
    TSavedGame g = SavedGameOf(played);
    QVERIFY(example != 7 || !g.DoorStateStack.isEmpty());
    if (key == "ID") g.ID = value;
    if (key == "MoveCount") g.MoveCount = value.toInt();
    if (key == "SolutionStack") g.SolutionStack = value;
    if (key == "PawnPos") g.PawnPos = value;
    if (key == "PawnMoveStack") g.PawnMoveStack = value;
    if (key == "DoorStateStack") g.DoorStateStack = value;

    TPlay p = Started(example);
    const TSnapshot start = Snap(p);
    QVERIFY(!RestoreGame(p, g));
    QVERIFY(Snap(p) == start);
}

void TestSettings::pawnIndexOutsideGivesOne() {
    TPlay played = Started(3);
    PlayStored(played, 3);
    TSavedGame g = SavedGameOf(played);
    for (int index : {0, 4, -1, 3, 2}) {
        g.PawnIndex = index;
        TPlay p = Started(3);
        QVERIFY(RestoreGame(p, g));
        QCOMPARE(p.PawnIndex, index >= 1 && index <= 3 ? index : 1);
    }
}

void TestSettings::defaultsAndUnreadableValues() {
    const TSettings none = ReadSettings(Dir.filePath("absent.ini"));
    QCOMPARE(none.Width, 0);
    QCOMPARE(none.Speed, 2);
    QCOMPARE(none.EditMode, false);
    QCOMPARE(none.LoadedMap, 1);
    QVERIFY(!none.Top && !none.Left);
    QCOMPARE(none.Game.PawnIndex, 1);
    QCOMPARE(none.Game.MoveCount, 0);

    TIniStore ini;
    ini.LoadText("[window]\r\nwidth = 900 \r\nLeft=abc\r\nTop=-20\r\n[Param]\nSpeed=0x10\n"
                 "EditMode=5\n[Map]\nLoadedMap=\nFileName=  Mes tableaux/été.vrm  \n"
                 "[Play\nMoveCount=3\n=sans clé\nsans égal\n[Play]\nID=\xFF\xFE\nMoveCount=12"
                 "\rPawnIndex=4 2\n\0garbage");
    const TSettings s = ReadSettings(ini);
    QCOMPARE(s.Width, 900);
    QVERIFY(!s.Left);
    QCOMPARE(s.Top.value_or(0), -20);
    QCOMPARE(s.Speed, 2);
    QCOMPARE(s.EditMode, true);
    QCOMPARE(s.LoadedMap, 1);
    QCOMPARE(s.FileName, QStringLiteral("Mes tableaux/été.vrm"));
    QCOMPARE(s.Game.MoveCount, 12);
    QCOMPARE(s.Game.PawnIndex, 1);
    QCOMPARE(s.Game.ID.size(), 2);

    // Out-of-range numbers: speed within its control, an example number above 10 shows example 1.
    const QList<std::tuple<QByteArray, int, int>> ranges{
        {"[Map]\nLoadedMap=11\n[Param]\nSpeed=9", 1, 4},
        {"[Map]\nLoadedMap=10\n[Param]\nSpeed=-3", 10, 0},
        {"[Map]\nLoadedMap=-3\n[Param]\nSpeed=3", -3, 3},
        {"[Map]\nLoadedMap=99999999999\n[Param]\nSpeed=1", 1, 1}};
    for (const auto& [text, loadedMap, speed] : ranges) {
        ini.LoadText(text);
        QCOMPARE(ReadSettings(ini).LoadedMap, loadedMap);
        QCOMPARE(ReadSettings(ini).Speed, speed);
    }
}

void TestSettings::writerKeepsOtherKeys() {
    const QString path = Dir.filePath("keep.ini");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("; notes\n[Autre]\nCle=valeur\n\n[Play]\nID=ANCIEN\nPawnPos=0000\n\n[Param]\n"
                "Extra=1\n");
    }
    TSettings s;
    s.Width = 800;
    s.Height = 600;
    s.Top = 10;
    s.Left = 20;
    s.Speed = 4;
    s.EditMode = true;
    s.LoadedMap = 0;
    s.FileName = QString(); // a new map never saved is remembered as example 1
    s.Game.MoveCount = 3;
    s.Game.ID = QStringLiteral("NOUVEAU");
    TMessageRecorder rec;
    QVERIFY(WriteSettings(path, s, false, rec));
    const QByteArray text = ReadAll(path);
    QVERIFY(text.contains("; notes\n[Autre]\nCle=valeur\n"));
    QVERIFY(text.contains("[Param]\nExtra=1\nSpeed=4\nEditMode=1\n"));
    QVERIFY(text.contains("ID=ANCIEN\nPawnPos=0000\nMoveCount=3\n"));
    QVERIFY(text.contains("Width=800"));
    QVERIFY(text.contains("Height=600"));

    const TSettings back = ReadSettings(path);
    QCOMPARE(back.LoadedMap, 1);
    QCOMPARE(back.FileName, QString());
    QCOMPARE(back.EditMode, true);
    QCOMPARE(back.Top.value_or(0), 10);
    QCOMPARE(back.Left.value_or(0), 20);

    s.EditMode = false;
    s.LoadedMap = -3;
    s.FileName = QStringLiteral("Packs/p.vrp");
    QVERIFY(WriteSettings(path, s, true, rec));
    const TSettings pack = ReadSettings(path);
    QCOMPARE(pack.LoadedMap, -3);
    QCOMPARE(pack.FileName, QStringLiteral("Packs/p.vrp"));
    QCOMPARE(pack.EditMode, false);
    QCOMPARE(pack.Game.ID, QStringLiteral("NOUVEAU"));
    QVERIFY(ReadAll(path).contains("EditMode=0\n"));
    QVERIFY(rec.Shown.isEmpty());
}

void TestSettings::maximizedKeepsPlacement() {
    const QString path = Dir.filePath("max.ini");
    QFile::remove(path);
    TSettings s;
    s.Width = 1000;
    s.Height = 700;
    s.Top = 5;
    s.Left = 6;
    TMessageRecorder rec;
    QVERIFY(WriteSettings(path, s, false, rec));
    s.Width = -1;
    s.Height = 1;
    s.Top = 1;
    s.Left = 1;
    QVERIFY(WriteSettings(path, s, false, rec));
    const TSettings back = ReadSettings(path);
    QCOMPARE(back.Width, -1);
    QCOMPARE(back.Height, 700);
    QCOMPARE(back.Top.value_or(0), 5);
    QCOMPARE(back.Left.value_or(0), 6);
}

void TestSettings::failedWriteIsReported() {
    const QString path = Dir.filePath("nowhere/Virelune.ini");
    TMessageRecorder rec;
    QVERIFY(!WriteSettings(path, TSettings(), false, rec));
    QCOMPARE(rec.Shown.size(), 1);
    QCOMPARE(rec.Shown[0].first, mtError);
    const QStringList parts = rec.Shown[0].second.split("\r\n");
    QCOMPARE(parts.size(), 3);
    QCOMPARE(parts[0], QStringLiteral("Erreur lors de l'écriture du fichier"));
    QCOMPARE(parts[1], path);
    QVERIFY(!parts[2].isEmpty());
}

void TestSettings::placement_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("room");        // the screen's available area
    QTest::addColumn<QList<int>>("stored"); // Width, Height, Left, Top (-99: missing)
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QRect>("rect");
    const QRect hd(0, 0, 1920, 1080);
    const QRect hdRoom(0, 0, 1920, 1050); // a panel along the bottom
    const QRect centred(480, 270, 960, 720);
    const int big = std::numeric_limits<int>::max();
    QTest::newRow("first start") << hd << hd << QList<int>{0, 0, -99, -99} << false << centred;
    QTest::newRow("maximized") << hd << hd << QList<int>{-1, 300, 7, 7} << true << centred;
    QTest::newRow("800 by 400") << hd << hd << QList<int>{800, 400, 10, 20} << false
                                << QRect(10, 20, 640, 512);
    QTest::newRow("wider than the screen")
        << hd << hd << QList<int>{2000, 900, 5, 5} << false << centred;
    QTest::newRow("stored as is") << hd << hd << QList<int>{1000, 700, 30, 40} << false
                                  << QRect(30, 40, 1000, 700);
    QTest::newRow("no left or top")
        << hd << hd << QList<int>{1000, 700, -99, -99} << false << QRect(100, 50, 1000, 700);
    QTest::newRow("small screen") << QRect(0, 0, 1000, 700) << QRect(0, 0, 1000, 700)
                                  << QList<int>{0, 0, -99, -99} << false
                                  << QRect(250, 175, 640, 512);
    // Hostile or stale positions never leave the window out of sight, nor overflow.
    QTest::newRow("left INT_MAX") << hd << hd << QList<int>{800, 600, big, 10} << false << centred;
    QTest::newRow("top INT_MAX") << hd << hd << QList<int>{800, 600, 10, big} << false << centred;
    QTest::newRow("both INT_MAX") << hd << hd << QList<int>{big, big, big, big} << false << centred;
    QTest::newRow("left 100000") << hd << hd << QList<int>{800, 600, 100000, 10} << false
                                 << centred;
    QTest::newRow("left -5000") << hd << hd << QList<int>{800, 600, -5000, 10} << false << centred;
    QTest::newRow("top -5000") << hd << hd << QList<int>{800, 600, 10, -5000} << false << centred;
    QTest::newRow("left INT_MIN") << hd << hd
                                  << QList<int>{800, 600, std::numeric_limits<int>::min(), 0}
                                  << false << centred;
    QTest::newRow("partly off the right edge")
        << hd << hd << QList<int>{800, 600, 1500, 10} << false << centred;
    QTest::newRow("under the panel")
        << hd << hdRoom << QList<int>{800, 600, 10, 460} << false << centred;
    // A height taller than the room is cut to the room, then the window must still fit.
    QTest::newRow("height 100000 at the top")
        << hd << hdRoom << QList<int>{800, 100000, 10, 0} << false << QRect(10, 0, 800, 1050);
    QTest::newRow("height 100000 lower down")
        << hd << hdRoom << QList<int>{800, 100000, 10, 40} << false << centred;
    QTest::newRow("height cut never below 512")
        << QRect(0, 0, 1024, 400) << QRect(0, 0, 1024, 400) << QList<int>{800, 100000, 0, 0}
        << false << QRect(256, 100, 640, 512);
    // A window stored on a second monitor stays there; off it, it goes to that monitor's centre.
    const QRect second(1920, 0, 1280, 1024);
    QTest::newRow("second monitor") << second << second << QList<int>{800, 600, 2000, 100} << false
                                    << QRect(2000, 100, 800, 600);
    QTest::newRow("second monitor, partly off")
        << second << second << QList<int>{800, 600, 3000, 100} << false
        << QRect(2240, 256, 640, 512);
}

void TestSettings::placement() {
    QFETCH(QRect, screen);
    QFETCH(QRect, room);
    QFETCH(QList<int>, stored);
    QFETCH(bool, maximized);
    QFETCH(QRect, rect);
    TSettings s;
    s.Width = stored[0];
    s.Height = stored[1];
    if (stored[2] != -99) s.Left = stored[2];
    if (stored[3] != -99) s.Top = stored[3];
    const QRect current(100, 50, 800, 600);
    const TPlacement p = WindowPlacement(screen, room, current, s);
    QCOMPARE(p.Maximized, maximized);
    QCOMPARE(p.Rect, rect);
    if (!maximized && screen.height() >= 512) QVERIFY(screen.contains(p.Rect));
    // The centre that picks the screen is computed without overflow too.
    const std::optional<QPoint> centre = StoredWindowCentre(current, s);
    QCOMPARE(centre.has_value(), s.Width > 0);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
