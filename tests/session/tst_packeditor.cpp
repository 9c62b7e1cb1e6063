// The pack editor's decisions without its window: loading, saving, exporting, and the edits of
// the pack's maps, with the questions and reports they bring.
#include "storage/GameFolder.h"
#include "storage/MapFile.h"
#include "session/PackEditorSession.h"
#include "tests/TestSupport.h"
#include "tests/session/PackEditorFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPackEditor : public QObject {
    Q_OBJECT

    QTemporaryDir Dir;
    TMessageRecorder Rec;
    TScriptedPackChooser Chooser;

    void WriteMap(const QString& Name, TMap M) {
        TMessageRecorder r;
        QVERIFY(WriteMapFile(Name, M, nullptr, r));
    }
    // An editor holding the maps titled Titles, added one by one from map files.
    void Fill(TPackEditorSession& E, const QStringList& T) {
        for (const QString& t : T) {
            WriteMap("Maps/" + t + ".vrm", SoundMap(t));
            Chooser.Open("Maps/" + t + ".vrm");
            QVERIFY(E.AddMapFromFile(false, -1));
        }
        Rec.Shown.clear();
        Chooser.Calls.clear();
    }

private slots:
    void initTestCase() {
        QVERIFY(Dir.isValid());
        SetGameDir(Dir.path());
        SetIdSeed(7);
    }
    void init() {
        QDir(Dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(Dir.path() + "/Maps"));
        Rec = TMessageRecorder();
        Chooser = TScriptedPackChooser();
    }

    void MapsMoveAndGo_data() {
        QTest::addColumn<QString>("Command");
        QTest::addColumn<int>("Line");
        QTest::addColumn<QList<int>>("Answers");
        QTest::addColumn<bool>("Done");
        QTest::addColumn<QStringList>("After");
        QTest::newRow("up") << "up" << 1 << QList<int>{} << true << QStringList{"B", "A", "C"};
        QTest::newRow("up from the top")
            << "up" << 0 << QList<int>{} << false << QStringList{"A", "B", "C"};
        QTest::newRow("down") << "down" << 1 << QList<int>{} << true << QStringList{"A", "C", "B"};
        QTest::newRow("down from the bottom")
            << "down" << 2 << QList<int>{} << false << QStringList{"A", "B", "C"};
        QTest::newRow("remove, yes")
            << "remove" << 0 << QList<int>{mrYes} << true << QStringList{"B", "C"};
        QTest::newRow("remove, no")
            << "remove" << 0 << QList<int>{mrNo} << false << QStringList{"A", "B", "C"};
        QTest::newRow("remove, nothing selected")
            << "remove" << -1 << QList<int>{mrYes} << false << QStringList{"A", "B", "C"};
    }
    void MapsMoveAndGo() {
        QFETCH(QString, Command);
        QFETCH(int, Line);
        QFETCH(QList<int>, Answers);
        QFETCH(bool, Done);
        QFETCH(QStringList, After);
        TPackEditorSession e(Rec, Chooser);
        Fill(e, {"A", "B", "C"});
        e.Changed = false;
        Rec.Answers = Answers;
        int next = -2;
        const bool done = Command == "remove" ? e.RemoveMap(Line, next)
                                              : e.MoveMap(Line, Command == "up" ? -1 : +1);
        QCOMPARE(done, Done);
        QCOMPARE(e.Changed, Done);
        QCOMPARE(PackTitles(e.Pack()), After);
        if (Command == "remove" && Line >= 0)
            QCOMPARE(Rec.Texts(),
                     QStringList{QStringLiteral("Etes-vous sûr de vouloir retirer ce tableau ?")});
        if (Command == "remove" && Done) QCOMPARE(next, 0);
    }

    void AddAndReplaceTellWhatTheMapLacks() {
        TPackEditorSession e(Rec, Chooser);
        Fill(e, {"A"});
        WriteMap("Maps/x.vrm", SoundMap("A", QString()));
        Chooser.Open("Maps/x.vrm");
        QVERIFY(e.AddMapFromFile(false, -1));
        QCOMPARE(PackTitles(e.Pack()), QStringList({"A", "A"}));
        QCOMPARE(Rec.Shown.size(), 1); // same title, no solution: said, yet taken
        Rec.Shown.clear();
        // Replacing map 0 by a map of its own title says nothing of the title.
        WriteMap("Maps/y.vrm", SoundMap("Y"));
        Chooser.Open("Maps/y.vrm");
        QVERIFY(e.AddMapFromFile(true, 0));
        QCOMPARE(PackTitles(e.Pack()), QStringList({"Y", "A"}));
        QVERIFY(Rec.Shown.isEmpty());
        // No line to replace: the file is read, the pack stays.
        Chooser.Open("Maps/y.vrm");
        QVERIFY(!e.AddMapFromFile(true, 5));
        QCOMPARE(Chooser.Calls.size(), 3);
        QCOMPARE(PackTitles(e.Pack()), QStringList({"Y", "A"}));
    }

    void SaveAsksBeforeReplacingAFile_data() {
        QTest::addColumn<bool>("Exists");
        QTest::addColumn<int>("Answer");
        QTest::addColumn<bool>("Saved");
        QTest::newRow("new file") << false << int(mrOk) << true;
        QTest::newRow("replace: yes") << true << int(mrYes) << true;
        QTest::newRow("replace: no") << true << int(mrNo) << false;
        QTest::newRow("replace: cancel") << true << int(mrCancel) << false;
    }
    void SaveAsksBeforeReplacingAFile() {
        QFETCH(bool, Exists);
        QFETCH(int, Answer);
        QFETCH(bool, Saved);
        TPackEditorSession e(Rec, Chooser);
        Fill(e, {"A", "B"});
        if (Exists) {
            QFile f(Dir.path() + "/Maps/p.vrp");
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Rec.Answers = {Answer};
        Chooser.Save("Maps/p.vrp", "Mon pack ", "Info\r\n");
        QCOMPARE(e.Save(), Saved);
        QCOMPARE(e.Changed, !Saved);
        QCOMPARE(e.FileName(), Saved ? QStringLiteral("Maps/p.vrp") : QString());
        QCOMPARE(Rec.Shown.size(), Exists ? 1 : 0);
        if (!Saved) return;
        // The pack keeps its title and information as typed.
        QCOMPARE(e.Pack().Title, QStringLiteral("Mon pack "));
        TPack read;
        TMessageRecorder r;
        QVERIFY(ReadMaps(osOpenPack, read, "Maps/p.vrp", r));
        QCOMPARE(PackTitles(read), QStringList({"A", "B"}));
    }

    void AnEmptyPackIsNeverSaved() {
        TPackEditorSession e(Rec, Chooser);
        Chooser.Save("Maps/vide.vrp");
        QVERIFY(!e.Save());
        QCOMPARE(Rec.Shown.size(), 1);
        QCOMPARE(Rec.Shown[0].first, mtError);
        QVERIFY(Chooser.Calls.isEmpty());
    }

    void LoadTakesTwentyMapsAtMost() {
        TPack big;
        big.Title = "Grand";
        big.Info = "Info";
        for (int k = 0; k < MaxMaps; ++k) big.Maps[big.MapNb++] = SoundMap(QString::number(k));
        TMessageRecorder r;
        QVERIFY(WritePackFile("Maps/big.vrp", big, r));
        TPackEditorSession e(Rec, Chooser);
        Chooser.Open("Maps/big.vrp");
        TPack read;
        QString file;
        QVERIFY(e.ChoosePack(read, file));
        e.StartPack(read, file);
        QCOMPARE(e.Pack().MapNb, 0u);
        QCOMPARE(e.Pack().Title, QStringLiteral("Grand"));
        e.TakeMaps(read);
        QCOMPARE(e.Pack().MapNb, unsigned(MaxMaps));
        QCOMPARE(e.FileName(), QStringLiteral("Maps/big.vrp"));
        // A refused file leaves the pack alone.
        Chooser.Answers.push_back({false, {}, {}, {}, {}});
        QVERIFY(!e.ChoosePack(read, file));
    }

    void ExportWritesACopyAndAsksBeforeReplacing() {
        TPackEditorSession e(Rec, Chooser);
        Fill(e, {"A"});
        e.Changed = false;
        Chooser.FileName = "stale";
        Chooser.Save("Maps/copie.vrm", "Copie", "Info", "Aide");
        e.ExportMap(0);
        QVERIFY(Chooser.Calls.last().FileNameIn.isEmpty());
        QVERIFY(QFile::exists(Dir.path() + "/Maps/copie.vrm"));
        QCOMPARE(e.Pack().Maps[0].Title, QStringLiteral("A"));
        QVERIFY(!e.Changed);
        Rec.Answers = {mrNo};
        Chooser.Save("Maps/copie.vrm", "Autre");
        e.ExportMap(0);
        QCOMPARE(Rec.Texts(),
                 QStringList{"Maps/copie.vrm existe déjà,\r\nvoulez-vous le remplacer ?"});
        TPack read;
        TMessageRecorder r;
        QVERIFY(ReadMaps(osOpenMap, read, "Maps/copie.vrm", r));
        QCOMPARE(read.Maps[0].Title, QStringLiteral("Copie"));
    }
};

QTEST_GUILESS_MAIN(TestPackEditor)
#include "tst_packeditor.moc"
