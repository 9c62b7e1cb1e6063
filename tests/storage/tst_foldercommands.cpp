// The file browser's folder commands on a small game folder: what each does on disk, the
// questions it asks and the errors it reports.
#include "storage/FolderCommands.h"
#include "storage/GameFolder.h"
#include "tests/TestSupport.h"
#include "tests/storage/FailingOps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {
const QString Exists = QStringLiteral("\r\nexiste déjà");
const QString CannotDelete = QStringLiteral("\r\nne peut pas être supprimé");
} // namespace

class TestFolderCommands : public QObject {
    Q_OBJECT

    QTemporaryDir Dir;
    TMessageRecorder Rec;
    TFailingOps Ops;

    void Touch(const QString& Rel) {
        QFile f(Dir.path() + "/" + Rel);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    bool OnDisk(const QString& Rel) const { return QFileInfo::exists(Dir.path() + "/" + Rel); }

private slots:
    void initTestCase() {
        QVERIFY(Dir.isValid());
        SetGameDir(Dir.path());
    }
    void init() {
        QDir(Dir.path()).removeRecursively();
        for (const char* d : {"Maps", "Empty"}) QVERIFY(QDir().mkpath(Dir.path() + "/" + d));
        Touch("Maps/one.vrm");
        Touch("Maps/two.vrp");
        Touch("Maps/notes.txt");
        Rec = TMessageRecorder();
        Ops.FailOn.clear();
    }

    void CreateFolder_data() {
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QString>("FailOn");
        QTest::addColumn<bool>("Made");
        QTest::addColumn<QStringList>("Said");
        QTest::newRow("new") << "Nouveau"
                             << "" << true << QStringList{};
        QTest::newRow("there") << "Maps"
                               << "" << false << QStringList{"Le dossier Maps" + Exists};
        QTest::newRow("refused") << "Nouveau"
                                 << "Nouveau" << false
                                 << QStringList{"Impossible de créer le dossier\r\nNouveau"};
    }
    void CreateFolder() {
        QFETCH(QString, Name);
        QFETCH(QString, FailOn);
        QFETCH(bool, Made);
        QFETCH(QStringList, Said);
        Ops.FailOn = FailOn;
        TFolderCommands c(Rec, Ops);
        QCOMPARE(c.CreateFolder(Name), Made);
        QCOMPARE(Rec.Texts(), Said);
        QCOMPARE(QFileInfo(Dir.path() + "/" + Name).isDir(), Made || Name == "Maps");
    }

    void Rename_data() {
        QTest::addColumn<QString>("FileName");
        QTest::addColumn<QString>("Folder");
        QTest::addColumn<QString>("NewName");
        QTest::addColumn<QString>("Ext");
        QTest::addColumn<QString>("FailOn");
        QTest::addColumn<QString>("Now");
        QTest::addColumn<QStringList>("Said");
        QTest::newRow("map") << "Maps/one.vrm"
                             << "Maps"
                             << "un"
                             << ".vrm"
                             << ""
                             << "Maps/un.vrm" << QStringList{};
        QTest::newRow("map onto a map")
            << "Maps/one.vrm"
            << "Maps"
            << "two"
            << ".vrp"
            << ""
            << "Maps/one.vrm" << QStringList{"Le fichier two.vrp" + Exists};
        QTest::newRow("folder") << "Empty"
                                << ""
                                << "Vide"
                                << ""
                                << ""
                                << "Vide" << QStringList{};
        QTest::newRow("folder onto a folder") << "Empty"
                                              << ""
                                              << "Maps"
                                              << ""
                                              << ""
                                              << "Empty" << QStringList{"Le dossier Maps" + Exists};
        QTest::newRow("refused") << "Maps/one.vrm"
                                 << "Maps"
                                 << "un"
                                 << ".vrm"
                                 << "one.vrm"
                                 << "Maps/one.vrm"
                                 << QStringList{"Le fichier Maps/one.vrm\r\nne peut pas être "
                                                "renommé"};
    }
    void Rename() {
        QFETCH(QString, FileName);
        QFETCH(QString, Folder);
        QFETCH(QString, NewName);
        QFETCH(QString, Ext);
        QFETCH(QString, FailOn);
        QFETCH(QString, Now);
        QFETCH(QStringList, Said);
        Ops.FailOn = FailOn;
        TFolderCommands c(Rec, Ops);
        QCOMPARE(c.Rename(FileName, Folder, NewName, Ext), Said.isEmpty());
        QCOMPARE(Rec.Texts(), Said);
        QVERIFY(OnDisk(Now));
    }

    void Delete_data() {
        QTest::addColumn<QString>("What"); // files, folder, map, pack
        QTest::addColumn<QString>("Name");
        QTest::addColumn<QList<int>>("Answers");
        QTest::addColumn<QString>("FailOn");
        QTest::addColumn<int>("Outcome");
        QTest::addColumn<QStringList>("Gone");
        QTest::addColumn<int>("Said");
        const int deleted = int(TDeleteOutcome::Deleted), declined = int(TDeleteOutcome::Declined),
                  failed = int(TDeleteOutcome::Failed);
        QTest::newRow("files") << "files"
                               << "Maps" << QList<int>{mrYes} << "" << deleted
                               << QStringList{"Maps/one.vrm", "Maps/two.vrp"} << 1;
        QTest::newRow("files, no")
            << "files"
            << "Maps" << QList<int>{mrNo} << "" << declined << QStringList{} << 1;
        QTest::newRow("files, the second fails") << "files"
                                                 << "Maps" << QList<int>{mrYes} << "two.vrp"
                                                 << failed << QStringList{"Maps/one.vrm"} << 2;
        QTest::newRow("empty folder")
            << "folder"
            << "Empty" << QList<int>{mrYes} << "" << deleted << QStringList{"Empty"} << 1;
        QTest::newRow("empty folder, no")
            << "folder"
            << "Empty" << QList<int>{mrNo} << "" << declined << QStringList{} << 1;
        QTest::newRow("folder with files")
            << "folder"
            << "Maps" << QList<int>{} << "" << failed << QStringList{} << 1;
        QTest::newRow("folder already gone")
            << "folder"
            << "Gone" << QList<int>{} << "" << deleted << QStringList{} << 0;
        QTest::newRow("empty folder refused")
            << "folder"
            << "Empty" << QList<int>{mrYes} << "Empty" << failed << QStringList{} << 2;
        QTest::newRow("map") << "map"
                             << "Maps/one.vrm" << QList<int>{mrYes} << "" << deleted
                             << QStringList{"Maps/one.vrm"} << 1;
        QTest::newRow("pack, no") << "pack"
                                  << "Maps/two.vrp" << QList<int>{mrCancel} << "" << declined
                                  << QStringList{} << 1;
        QTest::newRow("pack refused")
            << "pack"
            << "Maps/two.vrp" << QList<int>{mrYes} << "two.vrp" << failed << QStringList{} << 2;
    }
    void Delete() {
        QFETCH(QString, What);
        QFETCH(QString, Name);
        QFETCH(QList<int>, Answers);
        QFETCH(QString, FailOn);
        QFETCH(int, Outcome);
        QFETCH(QStringList, Gone);
        QFETCH(int, Said);
        Ops.FailOn = FailOn;
        Rec.Answers = Answers;
        TFolderCommands c(Rec, Ops);
        int removed = 0;
        TDeleteOutcome outcome;
        if (What == "files")
            outcome = c.DeleteFolderFiles(Name, {"one.vrm", "two.vrp"}, [&] { ++removed; });
        else if (What == "folder")
            outcome = c.DeleteEmptyFolder(Name);
        else
            outcome = c.DeleteFile(Name, What == "map");
        QCOMPARE(int(outcome), Outcome);
        QCOMPARE(Rec.Shown.size(), Said);
        if (What == "files") QCOMPARE(removed, int(Gone.size()));
        for (const QString& g : Gone) QVERIFY2(!OnDisk(g), qPrintable(g));
        // Whatever else a folder holds stays.
        QVERIFY(OnDisk("Maps/notes.txt"));
    }

    void Questions_data() {
        QTest::addColumn<QString>("What");
        QTest::addColumn<QString>("Question");
        QTest::newRow("files") << "files"
                               << "🗑 Supprimer les tableaux et packs du dossier Maps ?";
        QTest::newRow("folder") << "folder"
                                << "🗑 Supprimer le dossier vide Empty ?";
        QTest::newRow("map") << "map"
                             << "🗑 Supprimer le tableau\r\nMaps/one.vrm ?";
        QTest::newRow("pack") << "pack"
                              << "🗑 Supprimer le pack\r\nMaps/two.vrp ?";
    }
    void Questions() {
        QFETCH(QString, What);
        QFETCH(QString, Question);
        Rec.Answers = {mrNo};
        TFolderCommands c(Rec, Ops);
        if (What == "files")
            c.DeleteFolderFiles("Maps", {"one.vrm"}, {});
        else if (What == "folder")
            c.DeleteEmptyFolder("Empty");
        else
            c.DeleteFile(What == "map" ? "Maps/one.vrm" : "Maps/two.vrp", What == "map");
        QCOMPARE(Rec.Shown.size(), 1);
        QCOMPARE(Rec.Shown[0].first, mtQuestion);
        QCOMPARE(Rec.Shown[0].second, Question);
    }
};

QTEST_GUILESS_MAIN(TestFolderCommands)
#include "tst_foldercommands.moc"
