// Map and pack files: what the reader accepts, every message it shows, and what the writers write.
#include "storage/Examples.h"
#include "storage/GameFolder.h"
#include "storage/MapFile.h"
#include "storage/MemoText.h"
#include "rules/Play.h"
#include "tests/TestSupport.h"

#include <QtTest>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString GoodId = QStringLiteral("00000000000101");
const QString Board = QString(88, QLatin1Char('B'));

// A map record, its lines given in order and joined with CR LF.
QString Lines(const QStringList& l) {
    return l.join(CrLf) + CrLf;
}

QString MapRecord(const QString& title = QStringLiteral("Titre"),
                  const QString& solution = QStringLiteral("1R"),
                  const QString& pawns = QStringLiteral("00"), const QString& board = Board,
                  const QString& id = GoodId) {
    return Lines({"VRM1-" + id, title, "0", "0", solution, pawns, board});
}

QString PackHeader(const QString& count, const QString& title = QStringLiteral("Pack")) {
    return Lines({"VRP1-" + count, title, "1", "Info du pack"});
}

QStringList Shown(const TMessageRecorder& r) {
    QStringList l;
    for (const auto& m : r.Shown) l << MsgTypeName(m.first) + ": " + m.second;
    return l;
}

// Reads Bytes as a file's content would be read.
bool Read(TOpenSaveType osType, TPack& pack, const QByteArray& bytes, TMessenger& messenger) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadMaps(osType, pack, buffer, messenger);
}

// A device whose every read fails, like a file on a disk that gives up.
class TFailingDevice : public QIODevice {
protected:
    qint64 readData(char*, qint64) override {
        setErrorString(QStringLiteral("disque illisible"));
        return -1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

QString W(const QString& t) {
    return "mtWarning: " + t;
}
QString E(const QString& t) {
    return "mtError: " + t;
}

} // namespace

class TestMapFile : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

    void Put(const QString& name, const QByteArray& bytes) {
        QFile f(Dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray Get(const QString& name) {
        QFile f(Dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() {
        QVERIFY(Dir.isValid());
        SetGameDir(Dir.path());
        SetIdSeed(42);
    }
    void cleanupTestCase() { SetGameDir(QString()); }

    void readerMessages_data();
    void readerMessages();
    void writeLinesCounts_data();
    void writeLinesCounts();
    void roundTripKeepsEverything();
    void textsAreTrimmedAndCut_data();
    void textsAreTrimmedAndCut();
    void lineEndsAndBadBytes();
    void hugeCountStopsAtEndOfFile();
    void truncatedPackKeepsMapsRead();
    void viewPackReadsHeaderOnly();
    void idCheck_data();
    void idCheck();
    void freshIds();
    void invalidIdIsRecomputedOnSave();
    void packWriterGivesCopiesFreshIds();
    void savingDuringPlayWritesStart();
    void failedWriteKeepsOldFile();
    void folderIsNoFile();
    void readFailureIsShown();
    void lineBreakInTitleStaysOnItsLine();
};

void TestMapFile::readerMessages_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("osType");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("messages");

    const QString long51 = QString(51, QLatin1Char('t'));
    const QString long251 = QString(251, QLatin1Char('i'));
    auto row = [](const char* name, const QString& text, int os, bool ok, QStringList msgs) {
        QTest::newRow(name) << text.toUtf8() << os << ok << msgs;
    };

    row("good map", MapRecord(), osOpenBoth, true, {});
    row("no pawn, no solution", MapRecord("T", "", ""), osOpenMap, true, {});
    row("wrong check digits", MapRecord("T", "1R", "00", Board, "00000000000102"), osOpenBoth, true,
        {W("L'identifiant du tableau est incorrect (il sera recalculé)")});
    row("lower-case check digits", MapRecord("T", "1R", "00", Board, "00000000000A0a"), osOpenBoth,
        true, {W("L'identifiant du tableau est incorrect (il sera recalculé)")});
    row("empty id", MapRecord("T", "1R", "00", Board, ""), osOpenBoth, true,
        {W("L'identifiant du tableau est incorrect (il sera recalculé)")});
    row("title of 51", MapRecord(long51), osOpenBoth, true,
        {W("Le titre du tableau est trop long (tronqué à 50)")});
    row("info count not a number", Lines({"VRM1-" + GoodId, "T", "x"}), osOpenBoth, false,
        {E("Mauvaise taille d'information")});
    row("info count empty", Lines({"VRM1-" + GoodId, "T", ""}), osOpenBoth, false,
        {E("Mauvaise taille d'information")});
    row("info count signed", Lines({"VRM1-" + GoodId, "T", "+1"}), osOpenBoth, false,
        {E("Mauvaise taille d'information")});
    row("info count over 32 bits", Lines({"VRM1-" + GoodId, "T", "4294967296"}), osOpenBoth, false,
        {E("Mauvaise taille d'information")});
    row("info too long", Lines({"VRM1-" + GoodId, "T", "1", long251, "0", "", "", Board}),
        osOpenBoth, true, {W("L'information du tableau est trop longue (tronquée à 250)")});
    row("help count not a number", Lines({"VRM1-" + GoodId, "T", "0", "deux"}), osOpenBoth, false,
        {E("Mauvaise taille d'aide")});
    row("help too long", Lines({"VRM1-" + GoodId, "T", "0", "1", long251, "", "", Board}),
        osOpenBoth, true, {W("L'aide du tableau est trop longue (tronquée à 250)")});
    row("solution with trailing space", MapRecord("T", "1R "), osOpenBoth, false,
        {E("Le tableau n'est pas au bon format (longueur de solution)")});
    row("solution bad direction", MapRecord("T", "1R1 "), osOpenBoth, false,
        {E("Le tableau n'est pas au bon format (direction dans solution)")});
    row("solution pawn 7", MapRecord("T", "7R"), osOpenBoth, false,
        {E("Le tableau n'est pas au bon format (position dans solution)")});
    row("solution pawn 0 passes", MapRecord("T", "0L"), osOpenBoth, true, {});
    row("pawn line odd", MapRecord("T", "", "123"), osOpenBoth, false,
        {E("Le tableau n'est pas au bon format (positions des pions)")});
    row("seven pawns", MapRecord("T", "", "00112233445566"), osOpenBoth, false,
        {E("Le tableau n'est pas au bon format (nombre de pions)")});
    row("pawn column 11", MapRecord("T", "", "B0"), osOpenBoth, false,
        {E("Le tableau n'est pas au bon format (position de pion)")});
    row("pawn row 8", MapRecord("T", "", "08"), osOpenBoth, false,
        {E("Le tableau n'est pas au bon format (position de pion)")});
    row("pawn at column 10 row 7", MapRecord("T", "", "A7"), osOpenBoth, true, {});
    row("board of 87", MapRecord("T", "", "", Board.left(87)), osOpenBoth, false,
        {E("Le tableau n'est pas au bon format (taille de tableau)")});
    row("board with J", MapRecord("T", "", "", Board.left(87) + "J"), osOpenBoth, false,
        {E("Le tableau n'est pas au bon format (valeur de cellule)")});
    row("file ends before the board", Lines({"VRM1-" + GoodId, "T", "0", "0", "", ""}), osOpenBoth,
        false, {E("Le tableau n'est pas au bon format (taille de tableau)")});
    row("lines after the board ignored", MapRecord() + "encore\r\nVRM1-\r\n", osOpenBoth, true, {});
    row("many doors", MapRecord("T", "", "", QString(44, 'H') + QString(44, 'I')), osOpenBoth, true,
        {});

    const QString badHeader =
        E("Le fichier n'est ni un tableau ni un pack Virelune (mauvaise en-tête)");
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF") + MapRecord().toUtf8()
                                     << int(osOpenBoth) << false << QStringList{badHeader};
    row("lower-case header", MapRecord().toLower(), osOpenBoth, false, {badHeader});
    row("empty file", "", osOpenBoth, false, {badHeader});

    const QString notPack = E("Le fichier n'est pas un pack");
    row("map opened as pack", MapRecord(), osOpenPack, false, {notPack});
    row("map viewed as pack", MapRecord(), osViewPack, false, {notPack});
    row("map for saving", MapRecord(), osSaveMap, true, {});

    const QString pack2 = PackHeader("2") + MapRecord("Un") + MapRecord("Deux");
    row("good pack", pack2, osOpenBoth, true, {});
    row("pack opened as pack", pack2, osOpenPack, true, {});
    row("pack for saving", pack2, osSavePack, true, {});
    row("pack opened as map", pack2, osOpenMap, false, {E("Le fichier n'est pas un tableau")});
    row("pack of 0", PackHeader("0") + MapRecord(), osOpenBoth, false,
        {E("Mauvais nombre de tableaux")});
    row("pack of 21", PackHeader("21") + MapRecord(), osOpenBoth, false,
        {E("Mauvais nombre de tableaux")});
    row("pack without count", PackHeader("") + MapRecord(), osOpenBoth, false,
        {E("Mauvaise en-tête du pack")});
    row("pack count and space", PackHeader("3 ") + MapRecord(), osOpenBoth, false,
        {E("Mauvaise en-tête du pack")});
    row("pack title of 51", PackHeader("1", long51) + MapRecord(), osOpenBoth, true,
        {W("Le titre du pack est trop long (tronqué à 50)")});
    row("pack info count bad", Lines({"VRP1-1", "P", "?"}) + MapRecord(), osOpenBoth, false,
        {E("Mauvaise taille d'information")});
    row("pack info too long", Lines({"VRP1-1", "P", "1", long251}) + MapRecord(), osOpenBoth, true,
        {W("L'information du pack est trop longue (tronquée à 250)")});
    row("third map names itself",
        PackHeader("3") + MapRecord("Un") + MapRecord("Deux") + MapRecord(long51), osOpenBoth, true,
        {W("Le titre du tableau 3 est trop long (tronqué à 50)")});
    row("second map bad id", PackHeader("2") + MapRecord() + MapRecord("T", "", "", Board, "x"),
        osOpenBoth, true, {W("L'identifiant du tableau 2 est incorrect (il sera recalculé)")});
    row("second map bad board", PackHeader("2") + MapRecord() + MapRecord("T", "", "", "AB"),
        osOpenBoth, false, {E("Le tableau 2 n'est pas au bon format (taille de tableau)")});
    row("map header missing", PackHeader("2") + MapRecord() + "Titre\r\n", osOpenBoth, false,
        {E("Mauvaise en-tête")});
    row("extra map", PackHeader("2") + MapRecord() + MapRecord() + MapRecord("Trois", "7X"),
        osOpenBoth, true, {W("Le pack comporte des données en trop.\r\nElles sont ignorées")});
    row("extra blank line", PackHeader("1") + MapRecord() + "\r\n", osOpenBoth, true,
        {W("Le pack comporte des données en trop.\r\nElles sont ignorées")});
    row("pack without maps", PackHeader("3"), osOpenBoth, false,
        {E("Le pack ne comporte pas de tableaux")});
    row("pack short of maps", PackHeader("3") + MapRecord() + MapRecord(), osOpenBoth, true,
        {W("Le pack ne comporte que 2 tableaux sur les 3 annoncés")});
    row("pack of one map out of three", PackHeader("3") + MapRecord(), osOpenBoth, true,
        {W("Le pack ne comporte que 1 tableau sur les 3 annoncés")});
    row("pack viewed with bad maps", PackHeader("2") + "n'importe quoi\r\n", osViewPack, true, {});
    row("pack viewed, bad header", PackHeader("x"), osViewPack, false,
        {E("Mauvaise en-tête du pack")});
}

void TestMapFile::readerMessages() {
    QFETCH(QByteArray, file);
    QFETCH(int, osType);
    QFETCH(bool, result);
    QFETCH(QStringList, messages);
    TPack pack;
    TMessageRecorder rec;
    QCOMPARE(Read(TOpenSaveType(osType), pack, file, rec), result);
    QCOMPARE(Shown(rec), messages);
}

void TestMapFile::writeLinesCounts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("empty") << "" << QByteArray("0\r\n");
    QTest::newRow("one line") << "a" << QByteArray("1\r\na\r\n");
    QTest::newRow("trailing break") << "a\r\n" << QByteArray("1\r\na\r\n");
    QTest::newRow("lone CR") << "a\rb" << QByteArray("2\r\na\r\nb\r\n");
    QTest::newRow("lone LFs") << "a\nb\n" << QByteArray("2\r\na\r\nb\r\n");
    QTest::newRow("break only") << "\r\n" << QByteArray("1\r\n\r\n");
    QTest::newRow("empty middle line") << "a\r\n\r\nb" << QByteArray("3\r\na\r\n\r\nb\r\n");
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QByteArray("3\r\na\r\n\r\nb\r\n");
}

void TestMapFile::writeLinesCounts() {
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QByteArray out;
    WriteLines(out, text);
    QCOMPARE(out, written);
    QCOMPARE(TextLineCount(text), written.left(written.indexOf('\r')).toInt());
}

void TestMapFile::roundTripKeepsEverything() {
    TMap map = MapFromRows({".ABbdDso123", "456........"});
    map.Title = QStringLiteral("Dédale 🐉");
    map.Info = QStringLiteral("Première ligne\r\n\r\n🙂 troisième");
    map.Help = QStringLiteral("Aide");
    map.Solution = QStringLiteral("1L2U6D0R");
    QVERIFY(map.ID.isEmpty());
    TMessageRecorder rec;
    QVERIFY(WriteMapFile("rt.vrm", map, nullptr, rec));
    QVERIFY(MapIdIsValid(map.ID));
    QVERIFY(rec.Shown.isEmpty());
    QVERIFY(!Get("rt.vrm").startsWith("\xEF\xBB\xBF"));

    TPack pack;
    pack.Title = QStringLiteral("untouched");
    QVERIFY(ReadMaps(osOpenBoth, pack, "rt.vrm", rec));
    QVERIFY(rec.Shown.isEmpty());
    QCOMPARE(pack.MapNb, 0u);
    QCOMPARE(pack.Title, QStringLiteral("untouched"));
    const TMap& back = pack.Maps[0];
    QCOMPARE(back.ID, map.ID);
    QCOMPARE(back.Title, map.Title);
    QCOMPARE(back.Info, map.Info);
    QCOMPARE(back.Help, map.Help);
    QCOMPARE(back.Solution, map.Solution);
    QCOMPARE(back.PawnNb, 6);
    QVERIFY(back.PawnPos == map.PawnPos);
    QVERIFY(back.Board == map.Board);

    // A pack keeps its title, information and maps in order.
    TPack out;
    out.Title = QStringLiteral("Mon pack ✨");
    out.Info = QStringLiteral("a\r\nb");
    out.MapNb = 3;
    for (int i = 0; i < 3; ++i) out.Maps[i] = ExampleMap(i + 1);
    QVERIFY(WritePackFile("rt.vrp", out, rec));
    TPack in;
    QVERIFY(ReadMaps(osOpenPack, in, "rt.vrp", rec));
    QVERIFY(rec.Shown.isEmpty());
    QCOMPARE(in.MapNb, 3u);
    QCOMPARE(in.Title, out.Title);
    QCOMPARE(in.Info, out.Info);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(in.Maps[i].ID, out.Maps[i].ID);
        QCOMPARE(in.Maps[i].Help, out.Maps[i].Help);
        QVERIFY(in.Maps[i].Board == out.Maps[i].Board);
    }
}

void TestMapFile::textsAreTrimmedAndCut_data() {
    QTest::addColumn<QString>("infoLines"); // count line and lines as the file holds them
    QTest::addColumn<QString>("info");      // what the map holds after reading
    QTest::addColumn<int>("warnings");
    const QString x249 = QString(249, QLatin1Char('x'));
    QTest::newRow("trailing spaces and lines") << "3\r\nun\r\ndeux  \r\n   \r\n"
                                               << "un\r\ndeux" << 0;
    QTest::newRow("empty") << "0\r\n"
                           << "" << 0;
    QTest::newRow("exactly 250") << "1\r\n" + x249 + "y\r\n" << x249 + "y" << 0;
    QTest::newRow("emoji across the limit") << "1\r\n" + x249 + "😀\r\n" << x249 << 1;
    QTest::newRow("emoji before the limit") << "1\r\n" + QString(248, 'x') + "😀z\r\n"
                                            << QString(248, 'x') + "😀" << 1;
}

void TestMapFile::textsAreTrimmedAndCut() {
    QFETCH(QString, infoLines);
    QFETCH(QString, info);
    QFETCH(int, warnings);
    const QString file =
        "VRM1-" + GoodId + "\r\nT\r\n" + infoLines + "0\r\n\r\n\r\n" + Board + "\r\n";
    TPack pack;
    TMessageRecorder rec;
    QVERIFY(Read(osOpenMap, pack, file.toUtf8(), rec));
    QCOMPARE(pack.Maps[0].Info, info);
    QCOMPARE(rec.Shown.size(), warnings);
}

void TestMapFile::lineEndsAndBadBytes() {
    // LF alone ends lines, a lone CR is dropped, invalid UTF-8 becomes replacement characters.
    TPack pack;
    TMessageRecorder rec;
    QVERIFY(Read(osOpenBoth, pack,
                 "VRM1-00000000000101\nTi\rtre \r\n1\nun\xC3\n0\n1R\n00\n" + Board.toUtf8(), rec));
    QVERIFY(rec.Shown.isEmpty());
    QCOMPARE(pack.Maps[0].Title, QStringLiteral("Titre"));
    QCOMPARE(pack.Maps[0].Info, QStringLiteral("un\uFFFD"));
    QCOMPARE(pack.Maps[0].PawnNb, 1);
    // A stray NUL or high byte in the title is text like any other.
    QVERIFY(Read(osOpenBoth, pack,
                 QByteArray("VRM1-00000000000101\r\nA") + QByteArray(1, '\0') +
                     QByteArray("\xFF\r\n0\r\n0\r\n\r\n\r\n") + Board.toUtf8(),
                 rec));
    QCOMPARE(pack.Maps[0].Title.size(), 3);
}

void TestMapFile::hugeCountStopsAtEndOfFile() {
    // The largest count reads what is there; the help count then lies past the end.
    TPack pack;
    TMessageRecorder rec;
    QVERIFY(
        !Read(osOpenBoth, pack, "VRM1-00000000000101\r\nT\r\n4294967295\r\nune ligne\r\n", rec));
    QCOMPARE(Shown(rec), QStringList{E("Mauvaise taille d'aide")});
    QCOMPARE(pack.Maps[0].Info, QStringLiteral("une ligne"));
}

void TestMapFile::truncatedPackKeepsMapsRead() {
    TPack pack;
    pack.Maps[2].Title = QStringLiteral("reste d'avant");
    TMessageRecorder rec;
    QVERIFY(Read(osOpenBoth, pack, (PackHeader("5") + MapRecord("Un") + MapRecord("Deux")).toUtf8(),
                 rec));
    QCOMPARE(Shown(rec), QStringList{W("Le pack ne comporte que 2 tableaux sur les 5 annoncés")});
    QCOMPARE(pack.MapNb, 2u);
    QCOMPARE(pack.Maps[1].Title, QStringLiteral("Deux"));
    QVERIFY(pack.Maps[2].Title.isEmpty());

    // With extra data, only the announced maps are read.
    QVERIFY(Read(osOpenBoth, pack, (PackHeader("1") + MapRecord("Un") + MapRecord("Deux")).toUtf8(),
                 rec));
    QCOMPARE(pack.MapNb, 1u);
    QCOMPARE(pack.Maps[0].Title, QStringLiteral("Un"));
}

void TestMapFile::viewPackReadsHeaderOnly() {
    const QByteArray file = (PackHeader("4", "Vue") + "VRM1-cassé\r\n").toUtf8();
    TPack pack;
    TMessageRecorder rec;
    QVERIFY(Read(osViewPack, pack, file, rec));
    QVERIFY(rec.Shown.isEmpty());
    QCOMPARE(pack.MapNb, 4u);
    QCOMPARE(pack.Title, QStringLiteral("Vue"));
    QCOMPARE(pack.Info, QStringLiteral("Info du pack"));
    // The same file opened for play fails on its first map.
    QVERIFY(!Read(osOpenPack, pack, file, rec));
}

void TestMapFile::idCheck_data() {
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("valid");
    QTest::newRow("example 1") << "00000000000101" << true;
    QTest::newRow("example 10") << "00000000000A0A" << true;
    QTest::newRow("sum 732") << "zzzzzzzzzzzzDC" << true;
    QTest::newRow("lower-case check") << "00000000000A0a" << false;
    QTest::newRow("wrong check") << "00000000000100" << false;
    QTest::newRow("13 characters") << "0000000000011" << false;
    QTest::newRow("15 characters") << "000000000001010" << false;
    QTest::newRow("not in the alphabet") << "0000000000-B0A" << false;
    QTest::newRow("empty") << "" << false;
}

void TestMapFile::idCheck() {
    QFETCH(QString, id);
    QFETCH(bool, valid);
    QCOMPARE(MapIdIsValid(id), valid);
}

void TestMapFile::freshIds() {
    SetIdSeed(7);
    const QString a = NewMapId();
    const QString b = NewMapId();
    QVERIFY(MapIdIsValid(a));
    QVERIFY(MapIdIsValid(b));
    QVERIFY(a != b);
    SetIdSeed(7);
    QCOMPARE(NewMapId(), a);
}

void TestMapFile::invalidIdIsRecomputedOnSave() {
    TPack pack;
    TMessageRecorder rec;
    QVERIFY(Read(osOpenBoth, pack, MapRecord("T", "", "", Board, "00000000000102").toUtf8(), rec));
    QVERIFY(pack.Maps[0].ID.isEmpty());
    QVERIFY(WriteMapFile("badid.vrm", pack.Maps[0], nullptr, rec));
    QVERIFY(MapIdIsValid(pack.Maps[0].ID));
    QVERIFY(Get("badid.vrm").startsWith("VRM1-" + pack.Maps[0].ID.toUtf8() + "\r\n"));
}

void TestMapFile::packWriterGivesCopiesFreshIds() {
    TPack pack;
    pack.Title = QStringLiteral("P");
    pack.MapNb = 2;
    pack.Maps[0] = MapFromRows({"1o"});
    pack.Maps[1] = ExampleMap(2);
    TMessageRecorder rec;
    QVERIFY(WritePackFile("ids.vrp", pack, rec));
    QVERIFY(pack.Maps[0].ID.isEmpty());
    TPack first;
    QVERIFY(ReadMaps(osOpenPack, first, "ids.vrp", rec));
    QVERIFY(WritePackFile("ids.vrp", pack, rec));
    TPack second;
    QVERIFY(ReadMaps(osOpenPack, second, "ids.vrp", rec));
    QVERIFY(rec.Shown.isEmpty());
    QVERIFY(MapIdIsValid(first.Maps[0].ID));
    QVERIFY(first.Maps[0].ID != second.Maps[0].ID);
    QCOMPARE(second.Maps[1].ID, ExampleMap(2).ID);
    QVERIFY(Get("ids.vrp").startsWith("VRP1-2\r\nP\r\n0\r\nVRM1-"));
}

void TestMapFile::savingDuringPlayWritesStart() {
    // Example 7: pawn 2 starts by moving onto a button, which flips both doors.
    TPlay play;
    play.CurMap = ExampleMap(7);
    play.ResetPlay(true);
    const QString solution = play.CurMap.Solution;
    for (int i = 0; i < 16 || play.CurMap.Board == ExampleMap(7).Board; i += 2)
        QVERIFY(play.PlayMove(CodeValue(solution[i]), solution[i + 1]) != moBlocked);
    QVERIFY(play.CurMap.PawnPos != ExampleMap(7).PawnPos);
    QVERIFY(play.CurMap.Board != ExampleMap(7).Board);

    QByteArray during;
    WriteMap(during, play.CurMap, &play);
    TMap example = ExampleMap(7);
    QByteArray start;
    WriteMap(start, example);
    QCOMPARE(during, start);
}

void TestMapFile::failedWriteKeepsOldFile() {
    TMessageRecorder rec;
    TMap map = ExampleMap(1);
    Put("afile", "x");
    for (const QString name : {"missing/m.vrm", "afile/m.vrm"}) {
        rec.Shown.clear();
        QVERIFY(!WriteMapFile(name, map, nullptr, rec));
        QCOMPARE(rec.Shown.size(), 1);
        QCOMPARE(rec.Shown[0].first, mtError);
        const QStringList parts = rec.Shown[0].second.split(CrLf);
        QCOMPARE(parts.size(), 3);
        QCOMPARE(parts[0], QStringLiteral("Erreur lors de l'écriture du fichier"));
        QCOMPARE(parts[1], Dir.filePath(name));
        QVERIFY(!parts[2].isEmpty());
    }

    // A name of 250 characters leaves no room for the temporary file beside it: the write
    // fails before the old file is touched.
    const QString name = QString(246, 'k') + ".vrm";
    Put(name, "ancien");
    rec.Shown.clear();
    QVERIFY(!WriteMapFile(name, map, nullptr, rec));
    QCOMPARE(rec.Shown.size(), 1);
    QVERIFY(rec.Shown[0].second.startsWith("Erreur lors de l'écriture du fichier\r\n"));
    QCOMPARE(Get(name), QByteArray("ancien"));
}

void TestMapFile::folderIsNoFile() {
    QVERIFY(QDir(Dir.path()).mkpath("dossier.vrm"));
    TPack pack;
    TMessageRecorder rec;
    QVERIFY(!ReadMaps(osOpenBoth, pack, "dossier.vrm", rec));
    QCOMPARE(Shown(rec), QStringList{E("Le fichier dossier.vrm n'existe pas")});
}

void TestMapFile::readFailureIsShown() {
    TFailingDevice device;
    QVERIFY(device.open(QIODevice::ReadOnly));
    TPack pack;
    TMessageRecorder rec;
    QVERIFY(!ReadMaps(osOpenBoth, pack, device, rec, "/jeu/t.vrm"));
    QCOMPARE(Shown(rec).last(),
             E("Erreur lors de la lecture du fichier\r\n/jeu/t.vrm\r\ndisque illisible"));
}

void TestMapFile::lineBreakInTitleStaysOnItsLine() {
    // A break in a title would split the record; it is written as a space.
    TMap map = ExampleMap(1);
    map.Title = QStringLiteral("Deux\r\nlignes");
    TMessageRecorder rec;
    QVERIFY(WriteMapFile("titre.vrm", map, nullptr, rec));
    TPack pack;
    QVERIFY(ReadMaps(osOpenBoth, pack, "titre.vrm", rec));
    QVERIFY(rec.Shown.isEmpty());
    QCOMPARE(pack.Maps[0].Title, QStringLiteral("Deux lignes"));
}

QTEST_GUILESS_MAIN(TestMapFile)
#include "tst_mapfile.moc"
