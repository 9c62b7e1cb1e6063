// Progress per map in the settings file: merging wins, exact-case IDs, hostile values kept,
// optimum cache, marks and tooltips, and a failed write reported like any other.
#include "storage/Progress.h"
#include "tests/TestSupport.h"

#include <QtTest>

namespace {

const QString Id = QStringLiteral("00000000000101");

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TestProgress : public QObject {
    Q_OBJECT
    QTemporaryDir Dir;

private slots:
    void mergeWin_data();
    void mergeWin();
    void recordKeepsTheRest();
    void optimumCache();
    void failedWriteIsReported_data();
    void failedWriteIsReported();
    void marks_data();
    void marks();
};

void TestProgress::mergeWin_data() {
    QTest::addColumn<QByteArray>("before"); // the settings file
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("moves");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("best"); // read back for id
    QTest::newRow("first win") << QByteArray("[Param]\nSpeed=2\n") << Id << 7 << true
                               << QByteArray("[Param]\nSpeed=2\n\n[Progress]\n00000000000101=7\n")
                               << 7;
    QTest::newRow("fewer moves") << QByteArray("[Progress]\n00000000000101=9\n") << Id << 7 << true
                                 << QByteArray("[Progress]\n00000000000101=7\n") << 7;
    QTest::newRow("more moves keep the best")
        << QByteArray("[Progress]\n00000000000101=5\n") << Id << 7 << false
        << QByteArray("[Progress]\n00000000000101=5\n") << 5;
    QTest::newRow("the same count") << QByteArray("[Progress]\n00000000000101=7\n") << Id << 7
                                    << false << QByteArray("[Progress]\n00000000000101=7\n") << 7;
    QTest::newRow("IDs keep their case")
        << QByteArray("[Progress]\n000000000001aB=3\n") << QStringLiteral("000000000001Ab") << 8
        << true << QByteArray("[Progress]\n000000000001aB=3\n000000000001Ab=8\n") << 8;
    QTest::newRow("section name in other case")
        << QByteArray("[progress]\n00000000000101=9\n") << Id << 4 << true
        << QByteArray("[progress]\n00000000000101=4\n") << 4;
    QTest::newRow("no ID") << QByteArray("[Param]\nSpeed=2\n") << QString() << 7 << false
                           << QByteArray("[Param]\nSpeed=2\n") << 0;
    QTest::newRow("not an ID") << QByteArray() << QStringLiteral("0000000000010") << 7 << false
                               << QByteArray() << 0;
    QTest::newRow("not an ID: a foreign character")
        << QByteArray() << QStringLiteral("0000000000010-") << 7 << false << QByteArray() << 0;
    QTest::newRow("hostile values of other keys stay")
        << QByteArray("[Progress]\n00000000000202=abc\n00000000000303=-4\nnot-an-id=2\n") << Id << 7
        << true
        << QByteArray("[Progress]\n00000000000202=abc\n00000000000303=-4\nnot-an-id=2\n"
                      "00000000000101=7\n")
        << 7;
    QTest::newRow("a hostile value of this map is no record")
        << QByteArray("[Progress]\n00000000000101=lots\n") << Id << 7 << true
        << QByteArray("[Progress]\n00000000000101=7\n") << 7;
    QTest::newRow("zero is no record") << QByteArray("[Progress]\n00000000000101=0\n") << Id << 7
                                       << true << QByteArray("[Progress]\n00000000000101=7\n") << 7;
}

void TestProgress::mergeWin() {
    QFETCH(QByteArray, before);
    QFETCH(QString, id);
    QFETCH(int, moves);
    QFETCH(bool, changed);
    QFETCH(QByteArray, after);
    QFETCH(int, best);
    TProgressStore store;
    store.LoadText(before);
    QCOMPARE(store.MergeWin(id, moves), changed);
    QCOMPARE(store.Text(), after);
    QCOMPARE(store.Best(id), best);
    // Written and read back the same.
    const QString path = Dir.filePath(QStringLiteral("merge.ini"));
    WriteAll(path, before);
    TMessageRecorder rec;
    QVERIFY(RecordWin(path, id, moves, rec));
    QVERIFY(rec.Shown.isEmpty());
    QCOMPARE(ReadAll(path), after);
}

void TestProgress::recordKeepsTheRest() {
    const QString path = Dir.filePath(QStringLiteral("Virelune.ini"));
    const QByteArray before = "[Window]\nWidth=900\n\n[Mine]\nunknown=kept\n\n[Progress]\n"
                              "00000000000202=3\n";
    WriteAll(path, before);
    TMessageRecorder rec;
    QVERIFY(RecordWin(path, Id, 7, rec));
    const TSettings s = ReadSettings(path);
    QCOMPARE(s.Width, 900);
    TProgressStore back;
    QVERIFY(back.Load(path));
    QCOMPARE(back.Best(Id), 7);
    QCOMPARE(back.Best(QStringLiteral("00000000000202")), 3);
    QVERIFY(ReadAll(path).contains("unknown=kept"));
    // The settings written at close keep the progress.
    TSettings closing;
    closing.Width = 800;
    closing.Height = 600;
    QVERIFY(WriteSettings(path, closing, false, rec));
    QVERIFY(back.Load(path));
    QCOMPARE(back.Best(Id), 7);
    QVERIFY(rec.Shown.isEmpty());
}

void TestProgress::optimumCache() {
    TProgressStore store;
    store.LoadText("[Optimum]\n00000000000202=x\n");
    QCOMPARE(store.Optimum(Id), 0);
    QVERIFY(store.SetOptimum(Id, 6));
    QVERIFY(!store.SetOptimum(Id, 6));
    QVERIFY(!store.SetOptimum(QStringLiteral("short"), 6));
    QVERIFY(!store.SetOptimum(Id, -1));
    QCOMPARE(store.Optimum(Id), 6);
    QCOMPARE(store.Optimum(QStringLiteral("00000000000202")), 0);
    QCOMPARE(store.Text(), QByteArray("[Optimum]\n00000000000202=x\n00000000000101=6\n"));
    const QString path = Dir.filePath(QStringLiteral("optimum.ini"));
    TMessageRecorder rec;
    QVERIFY(RecordOptimum(path, Id, 5, rec));
    TProgressStore back;
    QVERIFY(back.Load(path));
    QCOMPARE(back.Optimum(Id), 5);
    QCOMPARE(back.Best(Id), 0);
}

void TestProgress::failedWriteIsReported_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folder"); // a folder stands where the file should be
    QTest::newRow("no such folder") << "nowhere/Virelune.ini" << false;
    QTest::newRow("a folder in the way") << "inway.ini" << true;
}

void TestProgress::failedWriteIsReported() {
    QFETCH(QString, name);
    QFETCH(bool, folder);
    const QString path = Dir.filePath(name);
    if (folder) QVERIFY(QDir().mkpath(path));
    TMessageRecorder rec;
    QVERIFY(!RecordWin(path, Id, 7, rec));
    QCOMPARE(rec.Shown.size(), 1);
    QVERIFY2(IsWriteError(rec.Shown[0], path), qPrintable(rec.Shown[0].second));
    QCOMPARE(QFileInfo(path).isDir(), folder);
}

void TestProgress::marks_data() {
    QTest::addColumn<int>("best");
    QTest::addColumn<int>("cached");
    QTest::addColumn<QString>("stored"); // the map's stored solution
    QTest::addColumn<int>("mark");
    QTest::addColumn<QString>("tip");
    QTest::newRow("never solved") << 0 << 0 << "1D1R" << int(pgNone) << "Pas encore résolu";
    QTest::newRow("solved, stored solution shorter")
        << 9 << 0 << "1D1R1U1R1D1L1U" << int(pgSolved) << "Résolu en 9 coups (optimum : 7)";
    QTest::newRow("as short as the stored solution")
        << 7 << 0 << "1D1R1U1R1D1L1U" << int(pgOptimal) << "Résolu en 7 coups (optimum : 7)";
    QTest::newRow("the cached optimum comes first")
        << 7 << 5 << "1D1R1U1R1D1L1U" << int(pgSolved) << "Résolu en 7 coups (optimum : 5)";
    QTest::newRow("a best below the stored solution")
        << 3 << 0 << "1D1R1U1R" << int(pgOptimal) << "Résolu en 3 coups (optimum : 3)";
    QTest::newRow("no optimum known")
        << 4 << 0 << "" << int(pgSolved) << "Résolu en 4 coups (optimum : ?)";
}

void TestProgress::marks() {
    QFETCH(int, best);
    QFETCH(int, cached);
    QFETCH(QString, stored);
    QFETCH(int, mark);
    QFETCH(QString, tip);
    const int optimum = KnownOptimum(best, cached, stored);
    QCOMPARE(int(ProgressMark(best, optimum)), mark);
    QCOMPARE(ProgressTip(best, optimum), tip);
}

QTEST_GUILESS_MAIN(TestProgress)
#include "tst_progress.moc"
