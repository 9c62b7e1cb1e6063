// Creating, renaming and deleting folders and files from the file browser, with every message,
// on a temporary game folder, failures included.
#include "tests/dialogs/LoadSaveFixture.h"

#include "platform/RoundButton.h"

#include <QLabel>

class TestLoadSaveManage : public QObject {
    Q_OBJECT

private slots:
    void init() { F.Setup(); }
    void cleanup() { F.Teardown(); }
    void createFolder();
    void createFolderRefused_data();
    void createFolderRefused();
    void renameFile();
    void renameFolder();
    void renameRefused_data();
    void renameRefused();
    void deleteFile();
    void deleteFileFails();
    void deleteFolderContents();
    void deleteFolderContentsStopsAtFailure();
    void deleteEmptyFolder();
    void deleteEmptyFolderFails();
    void folderWithOtherFiles();
    void folderGoneFromDisk();
    void linksAreNotFollowed();

private:
    TGameFolderFixture F;
    QList<QPair<TMsgType, QString>> Shown() const { return F.Recorder.Shown; }
    static QPair<TMsgType, QString> Error(const QString& Text) { return {mtError, Text}; }
    static QPair<TMsgType, QString> Question(const QString& Text) { return {mtQuestion, Text}; }
};

// A new folder goes straight into the game folder and is selected, even with a file of another
// folder selected before.
void TestLoadSaveManage::createFolder() {
    F.Open(osSaveMap);
    F.Select("Maps/one");
    F.Type("Été 2026");
    QTest::mouseClick(F.Form->btCreateFolder, Qt::LeftButton);
    QVERIFY(QFileInfo(F.Root + "Été 2026").isDir());
    QCOMPARE(F.SelectedPath(), QString("Été 2026"));
    QCOMPARE(F.Listing(), QString("Empty;Été 2026;Maps(one,two);Other;Packs"));
    QCOMPARE(F.Form->lMessage->text(), QString("💾 Été 2026/Été 2026.vrm"));
    QVERIFY(Shown().isEmpty());
}

void TestLoadSaveManage::createFolderRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("failOn");
    QTest::addColumn<QString>("message");
    QTest::newRow("taken") << "Maps"
                           << ""
                           << "Le dossier Maps\r\nexiste déjà";
    QTest::newRow("taken by a file") << "Plan"
                                     << ""
                                     << "Impossible de créer le dossier\r\nPlan";
    QTest::newRow("the disk refuses") << "Neuf"
                                      << "Neuf"
                                      << "Impossible de créer le dossier\r\nNeuf";
}

void TestLoadSaveManage::createFolderRefused() {
    QFETCH(QString, typed);
    QFETCH(QString, failOn);
    QFETCH(QString, message);
    F.WriteRaw("Plan", "un fichier");
    F.Ops.FailOn = failOn;
    F.Open(osSaveMap);
    const QString before = F.Listing();
    F.Type(typed);
    F.Form->btCreateFolderClick();
    QCOMPARE(Shown(), (QList<QPair<TMsgType, QString>>{Error(message)}));
    QCOMPARE(F.Listing(), before);
    QVERIFY(!QFileInfo(F.Root + "Neuf").exists());
}

// The typed name is taken as it is: an extension typed with it stays, and the file's own is
// added. The tree stays sorted and the item keeps its selection.
void TestLoadSaveManage::renameFile() {
    F.Open(osOpenBoth);
    F.Select("Maps/one");
    F.Type("zèbre.vrm");
    QTest::mouseClick(F.Form->btRename, Qt::LeftButton);
    QVERIFY(Shown().isEmpty());
    QVERIFY(F.OnDisk("Maps/zèbre.vrm.vrm"));
    QVERIFY(!F.OnDisk("Maps/one.vrm"));
    QCOMPARE(F.Listing(), QString("Empty;Maps(pack,two,zèbre.vrm);Other;Packs(big)"));
    QCOMPARE(F.SelectedPath(), QString("Maps/zèbre.vrm"));
    QVERIFY(!F.Form->btRename->isEnabled());

    F.Select("Maps/pack");
    F.Type("alpha");
    F.Form->btRenameClick();
    QVERIFY(F.OnDisk("Maps/alpha.vrp"));
    QCOMPARE(F.Listing(), QString("Empty;Maps(alpha,two,zèbre.vrm);Other;Packs(big)"));
    F.Form->reject();
    QCOMPARE(F.Form->FileName, QString("Maps/alpha.vrp"));
}

void TestLoadSaveManage::renameFolder() {
    F.Open(osOpenBoth);
    F.Select("Maps");
    F.Type("Cartes");
    F.Form->btRenameClick();
    QVERIFY(Shown().isEmpty());
    QVERIFY(F.OnDisk("Cartes/one.vrm"));
    QCOMPARE(F.Listing(), QString("Cartes(one,pack,two);Empty;Other;Packs(big)"));
    QCOMPARE(F.SelectedPath(), QString("Cartes"));
    // Its files follow it.
    F.Select("Cartes/two");
    QCOMPARE(F.Form->edTitle->text(), QString("Deux"));
}

void TestLoadSaveManage::renameRefused_data() {
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("failOn");
    QTest::addColumn<QString>("message");
    QTest::newRow("file name taken") << "Maps/one"
                                     << "two"
                                     << ""
                                     << "Le fichier two.vrm\r\nexiste déjà";
    QTest::newRow("folder name taken") << "Maps"
                                       << "Packs"
                                       << ""
                                       << "Le dossier Packs\r\nexiste déjà";
    QTest::newRow("folder name taken by a file") << "Maps"
                                                 << "Plan"
                                                 << ""
                                                 << "Le dossier Plan\r\nexiste déjà";
    QTest::newRow("file refused by the disk")
        << "Maps/one"
        << "trois"
        << "one.vrm"
        << "Le fichier Maps/one.vrm\r\nne peut pas être renommé";
    QTest::newRow("folder refused by the disk") << "Maps"
                                                << "Cartes"
                                                << "Maps"
                                                << "Le dossier Maps\r\nne peut pas être renommé";
}

void TestLoadSaveManage::renameRefused() {
    QFETCH(QString, select);
    QFETCH(QString, typed);
    QFETCH(QString, failOn);
    QFETCH(QString, message);
    F.WriteRaw("Plan", "un fichier");
    F.Ops.FailOn = failOn;
    F.Open(osOpenBoth);
    const QString before = F.Listing();
    F.Select(select);
    F.Type(typed);
    F.Form->btRenameClick();
    QCOMPARE(Shown(), (QList<QPair<TMsgType, QString>>{Error(message)}));
    QCOMPARE(F.Listing(), before);
    QVERIFY(F.OnDisk("Maps/one.vrm"));
    QVERIFY(F.OnDisk("Maps/two.vrm"));
}

void TestLoadSaveManage::deleteFile() {
    F.Open(osOpenBoth);
    F.Select("Maps/one");
    F.Recorder.Answers = {mrNo};
    QTest::mouseClick(F.Form->btDelete, Qt::LeftButton);
    QCOMPARE(Shown(), (QList<QPair<TMsgType, QString>>{
                          Question("🗑 Supprimer le tableau\r\nMaps/one.vrm ?")}));
    QVERIFY(F.OnDisk("Maps/one.vrm"));
    QCOMPARE(F.SelectedPath(), QString("Maps/one"));

    F.Recorder.Shown.clear();
    F.Select("Packs/big");
    F.Recorder.Answers = {mrYes};
    F.Form->btDeleteClick();
    QCOMPARE(Shown(), (QList<QPair<TMsgType, QString>>{
                          Question("🗑 Supprimer le pack\r\nPacks/big.vrp ?")}));
    QVERIFY(!F.OnDisk("Packs/big.vrp"));
    QCOMPARE(F.Listing(), QString("Empty;Maps(one,pack,two);Other;Packs"));
    // Nothing is selected any more.
    QCOMPARE(F.SelectedPath(), QString());
    QCOMPARE(F.Form->edTitle->text(), QString());
    QVERIFY(!F.Form->btDelete->isEnabled());

    // A file already gone from the disk only leaves the tree.
    QVERIFY(QFile::remove(F.Root + "Maps/two.vrm"));
    F.Recorder.Shown.clear();
    F.Select("Maps/two");
    F.Recorder.Shown.clear();
    F.Recorder.Answers = {mrYes};
    F.Form->btDeleteClick();
    QCOMPARE(Shown().size(), 1);
    QCOMPARE(F.Listing(), QString("Empty;Maps(one,pack);Other;Packs"));
}

void TestLoadSaveManage::deleteFileFails() {
    F.Ops.FailOn = "one.vrm";
    F.Open(osOpenBoth);
    F.Select("Maps/one");
    F.Recorder.Answers = {mrYes};
    F.Form->btDeleteClick();
    QCOMPARE(Shown(), (QList<QPair<TMsgType, QString>>{
                          Question("🗑 Supprimer le tableau\r\nMaps/one.vrm ?"),
                          Error("Le fichier Maps/one.vrm ne peut pas être supprimé")}));
    QVERIFY(F.OnDisk("Maps/one.vrm"));
    QCOMPARE(F.SelectedPath(), QString("Maps/one"));
}

// The folder's maps and packs go, the folder and its other files stay; asked again, the folder
// now without items is removed when it holds nothing else.
void TestLoadSaveManage::deleteFolderContents() {
    F.Open(osOpenBoth);
    F.Select("Maps");
    F.Recorder.Answers = {mrNo};
    F.Form->btDeleteClick();
    QCOMPARE(Shown(), (QList<QPair<TMsgType, QString>>{
                          Question("🗑 Supprimer les tableaux et packs du dossier Maps ?")}));
    QVERIFY(F.OnDisk("Maps/one.vrm"));

    F.Recorder.Shown.clear();
    F.Recorder.Answers = {mrYes};
    F.Form->btDeleteClick();
    QCOMPARE(Shown().size(), 1);
    QVERIFY(!F.OnDisk("Maps/one.vrm") && !F.OnDisk("Maps/two.vrm") && !F.OnDisk("Maps/pack.vrp"));
    QVERIFY(QFileInfo(F.Root + "Maps").isDir());
    QCOMPARE(F.Listing(), QString("Empty;Maps;Other;Packs(big)"));
    QCOMPARE(F.SelectedPath(), QString("Maps"));

    F.Recorder.Shown.clear();
    F.Recorder.Answers = {mrYes};
    F.Form->btDeleteClick();
    QCOMPARE(Shown(),
             (QList<QPair<TMsgType, QString>>{Question("🗑 Supprimer le dossier vide Maps ?")}));
    QVERIFY(!QFileInfo::exists(F.Root + "Maps"));
    QCOMPARE(F.Listing(), QString("Empty;Other;Packs(big)"));
    QCOMPARE(F.SelectedPath(), QString());
}

void TestLoadSaveManage::deleteFolderContentsStopsAtFailure() {
    F.Ops.FailOn = "pack.vrp";
    F.Open(osOpenBoth);
    F.Select("Maps");
    F.Recorder.Answers = {mrYes};
    F.Form->btDeleteClick();
    QCOMPARE(Shown().size(), 2);
    QCOMPARE(Shown()[1], Error("Le fichier Maps/pack.vrp\r\nne peut pas être supprimé"));
    QVERIFY(!F.OnDisk("Maps/one.vrm"));
    QVERIFY(F.OnDisk("Maps/pack.vrp") && F.OnDisk("Maps/two.vrm"));
    QCOMPARE(F.Listing(), QString("Empty;Maps(pack,two);Other;Packs(big)"));
}

void TestLoadSaveManage::deleteEmptyFolder() {
    F.Open(osOpenBoth);
    F.Select("Empty");
    F.Recorder.Answers = {mrNo};
    F.Form->btDeleteClick();
    QCOMPARE(Shown(),
             (QList<QPair<TMsgType, QString>>{Question("🗑 Supprimer le dossier vide Empty ?")}));
    QVERIFY(QFileInfo(F.Root + "Empty").isDir());
    QCOMPARE(F.SelectedPath(), QString("Empty"));
    F.Recorder.Answers = {mrYes};
    F.Form->btDeleteClick();
    QVERIFY(!QFileInfo::exists(F.Root + "Empty"));
    QCOMPARE(F.Listing(), QString("Maps(one,pack,two);Other;Packs(big)"));
}

// A folder the disk refuses to remove says so and stays in the tree.
void TestLoadSaveManage::deleteEmptyFolderFails() {
    F.Ops.FailOn = "Empty";
    F.Open(osOpenBoth);
    F.Select("Empty");
    F.Recorder.Answers = {mrYes};
    F.Form->btDeleteClick();
    QCOMPARE(Shown(), (QList<QPair<TMsgType, QString>>{
                          Question("🗑 Supprimer le dossier vide Empty ?"),
                          Error("Le dossier Empty\r\nne peut pas être supprimé")}));
    QVERIFY(QFileInfo(F.Root + "Empty").isDir());
    QCOMPARE(F.SelectedPath(), QString("Empty"));
}

void TestLoadSaveManage::folderWithOtherFiles() {
    F.WriteRaw("Empty/.cache", "caché");
    F.Open(osOpenBoth);
    for (const char* folder : {"Other", "Empty"}) {
        F.Recorder.Shown.clear();
        F.Select(folder);
        F.Form->btDeleteClick();
        QCOMPARE(Shown(), (QList<QPair<TMsgType, QString>>{Error(
                              QString("Le dossier %1\r\ncontient des fichiers et ne peut pas être "
                                      "supprimé")
                                  .arg(folder))}));
    }
    QVERIFY(F.OnDisk("Other/readme.txt"));
    QCOMPARE(F.Listing(), QString("Empty;Maps(one,pack,two);Other;Packs(big)"));
}

void TestLoadSaveManage::folderGoneFromDisk() {
    F.Open(osOpenBoth);
    QVERIFY(QDir().rmdir(F.Root + "Empty"));
    F.Select("Empty");
    F.Form->btDeleteClick();
    QVERIFY(Shown().isEmpty());
    QCOMPARE(F.Listing(), QString("Maps(one,pack,two);Other;Packs(big)"));
}

// A link in the game folder goes as a link: what it points to stays. Linked folders are not
// listed, so nothing is ever deleted through them; nor are links that lead out of the folder.
void TestLoadSaveManage::linksAreNotFollowed() {
    QTemporaryDir outside;
    const QString kept = F.Root + "kept.vrm";
    QVERIFY(QFile::copy(F.Root + "Maps/one.vrm", outside.path() + "/away.vrm"));
    QVERIFY(QFile::link(outside.path() + "/away.vrm", F.Root + "Packs/away.vrm"));
    QVERIFY(QFile::copy(F.Root + "Maps/one.vrm", kept));
    QVERIFY(QFile::link(kept, F.Root + "Maps/link.vrm"));
    QVERIFY(QFile::link(outside.path(), F.Root + "Linked"));
    F.Open(osOpenMap);
    QCOMPARE(F.Listing(), QString("Empty;Maps(link,one,two);Other;Packs"));
    F.Select("Maps");
    F.Recorder.Answers = {mrYes};
    F.Form->btDeleteClick();
    QVERIFY(!QFileInfo(F.Root + "Maps/link.vrm").isSymLink());
    QVERIFY(QFile::exists(kept));
    QCOMPARE(F.Listing(), QString("Empty;Maps;Other;Packs"));
}

QTEST_MAIN(TestLoadSaveManage)
#include "tst_loadsave_manage.moc"
