// The file browser as the player sees it: its modes, listing, previews, status line, typed names
// and the file name it hands back.
#include "tests/dialogs/LoadSaveFixture.h"

#include "platform/RoundButton.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

class TestLoadSave : public QObject {
    Q_OBJECT

private slots:
    void init() { F.Setup(); }
    void cleanup() { F.Teardown(); }
    void modes_data();
    void modes();
    void emptyGameFolder_data();
    void emptyGameFolder();
    void firstFileInTreeOrder();
    void previews();
    void brokenPreviews();
    void typedNames();
    void longFileNames();
    void fileName_data();
    void fileName();
    void buttons();
    void saveSelectsCurrentFile();
    void saveWithoutCurrentFile();
    void executeAnswers();
    void titleInfoHelp();

private:
    TGameFolderFixture F;
};

void TestLoadSave::modes_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("help");
    QTest::addColumn<QString>("listing");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("status");
    QTest::newRow("open both") << int(osOpenBoth) << "Charger un tableau ou un pack"
                               << "*.vr?"
                               << "&Charger" << false << false
                               << "Empty;Maps(one,pack,two);Other;Packs(big)"
                               << "Maps/one"
                               << "ℹ️Solution en 1 coups";
    QTest::newRow("open map") << int(osOpenMap) << "Charger un tableau"
                              << "*.vrm"
                              << "&Charger" << false << false << "Empty;Maps(one,two);Other;Packs"
                              << "Maps/one"
                              << "ℹ️Solution en 1 coups";
    QTest::newRow("open pack") << int(osOpenPack) << "Charger un pack"
                               << "*.vrp"
                               << "&Charger" << false << false
                               << "Empty;Maps(pack);Other;Packs(big)"
                               << "Maps/pack"
                               << "ℹ️Nombre de tableaux dans le pack : 2";
    QTest::newRow("save map") << int(osSaveMap) << "Sauver le tableau"
                              << "*.vrm"
                              << " &Sauver" << true << true << "Empty;Maps(one,two);Other;Packs"
                              << ""
                              << "ℹ️4 dossiers contenant 2 tableaux au total";
    QTest::newRow("save pack") << int(osSavePack) << "Sauver le pack"
                               << "*.vrp"
                               << " &Sauver" << true << false << "Empty;Maps(pack);Other;Packs(big)"
                               << ""
                               << "ℹ️4 dossiers contenant 2 packs au total";
}

void TestLoadSave::modes() {
    QFETCH(int, mode);
    QFETCH(bool, editable);
    QFETCH(bool, help);
    F.Open(TOpenSaveType(mode));
    TLoadSaveForm& form = *F.Form;
    QTEST(form.windowTitle(), "caption");
    QTEST(form.Filter, "filter");
    QTEST(form.btLoadSave->text(), "button");
    QCOMPARE(!form.edTitle->isReadOnly(), editable);
    QCOMPARE(!form.edInfo->isReadOnly(), editable);
    QCOMPARE(form.edHelp->isVisible(), help);
    QCOMPARE(form.lHelp->isVisible(), help);
    QCOMPARE(form.pbBoardView->isVisible(), !help);
    QTEST(F.Listing(), "listing");
    QTEST(F.SelectedPath(), "selected");
    QTEST(form.lMessage->text(), "status");
    if (editable) QCOMPARE(form.edTitle->text(), QString("Titre"));
}

void TestLoadSave::emptyGameFolder_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("status");
    QTest::newRow("open") << int(osOpenBoth) << "⚠️Aucun tableau ni pack à charger";
    QTest::newRow("open a map") << int(osOpenMap) << "⚠️Aucun tableau à charger";
    QTest::newRow("save")
        << int(osSaveMap)
        << "ℹ️Saisir d'abord un nom pour créer un dossier puis un nom pour le "
           "fichier";
}

void TestLoadSave::emptyGameFolder() {
    QTemporaryDir empty;
    SetGameDir(empty.path());
    QFETCH(int, mode);
    F.Open(TOpenSaveType(mode));
    QCOMPARE(F.Form->tvFiles->topLevelItemCount(), 0);
    QTEST(F.Form->lMessage->text(), "status");
    QVERIFY(!F.Form->btLoadSave->isEnabled());
    QVERIFY(!F.Form->btDelete->isEnabled());
}

// The file offered by default is the first one in the tree, whatever order the disk lists them
// in; files directly in the game folder, deeper folders and other extensions never show.
void TestLoadSave::firstFileInTreeOrder() {
    QVERIFY(QDir().mkpath(F.Root + "Aaa/deeper"));
    F.WriteRaw("Aaa/z.vrm", QByteArray());
    TMap deux = SampleMap("Deux en capitales");
    QVERIFY(WriteMapFile("Aaa/Deux.VRM", deux, nullptr, F.Recorder));
    F.WriteRaw("Aaa/notes.vrx", QByteArray());
    F.WriteRaw("Aaa/deeper/deep.vrm", QByteArray());
    F.WriteRaw("loose.vrm", QByteArray());
    F.Open(osOpenBoth);
    QCOMPARE(F.Listing(), QString("Aaa(Deux,z);Empty;Maps(one,pack,two);Other;Packs(big)"));
    QCOMPARE(F.SelectedPath(), QString("Aaa/Deux"));
    // The file's own name on disk is what the dialog reads and hands back.
    QCOMPARE(F.Form->edTitle->text(), QString("Deux en capitales"));
    F.Form->reject();
    QCOMPARE(F.Form->FileName, QString("Aaa/Deux.VRM"));
}

void TestLoadSave::previews() {
    F.Open(osOpenBoth);
    TLoadSaveForm& form = *F.Form;
    QCOMPARE(form.edTitle->text(), QString("Un"));
    QCOMPARE(form.edInfo->toPlainText(), QString("Un : information"));
    QCOMPARE(form.edHelp->toPlainText(), QString("Un : aide"));
    QCOMPARE(form.edFileName->text(), QString("one"));
    QCOMPARE(form.PawnNbView, 1);
    QCOMPARE(form.BoardView[CellIndex(4, 3)], ctDoorDown);

    F.Select("Maps/two");
    QCOMPARE(form.edTitle->text(), QString("Deux"));
    QCOMPARE(form.lMessage->text(), QString("ℹ️Pas de solution incluse dans ce tableau"));

    F.Select("Packs/big");
    QCOMPARE(form.edTitle->text(), QString("Grand pack"));
    QCOMPARE(form.edInfo->toPlainText(), QString("Grand pack : information"));
    QCOMPARE(form.edHelp->toPlainText(), QString());
    QCOMPARE(form.PawnNbView, 0);
    QCOMPARE(form.lMessage->text(), QString("ℹ️Nombre de tableaux dans le pack : 3"));

    // A folder empties the preview; its name alone cannot be loaded, a typed name can.
    F.Select("Empty");
    QCOMPARE(form.edTitle->text(), QString());
    QCOMPARE(form.edInfo->toPlainText(), QString());
    QCOMPARE(form.edFileName->text(), QString("big"));
    QCOMPARE(form.lMessage->text(), QString("💾 Empty/big.vrm"));
    F.Type("");
    QCOMPARE(form.lMessage->text(), QString("⚠️Saisir un nom"));
    QVERIFY(!form.btLoadSave->isEnabled());
    QVERIFY(F.Recorder.Shown.isEmpty());
}

void TestLoadSave::brokenPreviews() {
    F.WriteRaw("Maps/bad.vrm", "VRM1-\r\nnothing else\r\n");
    F.WriteRaw("Maps/bad.vrp", "garbage\r\n");
    F.Open(osOpenBoth);
    // Both files are named "bad": the map comes first, the pack right after it.
    F.Select("Maps/bad");
    const TLoadSaveForm& form = *F.Form;
    QCOMPARE(form.lMessage->text(), QString("Tableau incorrect"));
    QCOMPARE(form.PawnNbView, 0);
    const int mapMessages = int(F.Recorder.Shown.size());
    QTreeWidgetItem* map = F.Item("Maps/bad");
    QTreeWidgetItem* pack = map->parent()->child(map->parent()->indexOfChild(map) + 1);
    QCOMPARE(TLoadSaveForm::ItemImage(pack), 2);
    F.Form->tvFiles->setCurrentItem(pack);
    QCOMPARE(form.lMessage->text(), QString("Pack incorrect"));
    QCOMPARE(form.PawnNbView, 0);
    QCOMPARE(form.edTitle->text(), QString());
    // The reader explained each failure itself.
    QVERIFY(mapMessages >= 1);
    QVERIFY(F.Recorder.Shown.size() > mapMessages);
    QCOMPARE(F.Recorder.Shown.last().first, mtError);
}

void TestLoadSave::typedNames() {
    F.Open(osSaveMap);
    TLoadSaveForm& form = *F.Form;
    F.Type("a:b");
    QCOMPARE(form.edFileName->text(), QString("a_b"));
    QCOMPARE(form.lMessage->text(), QString("💾 Selectionner ou créer aussi un dossier"));
    QVERIFY(!form.btLoadSave->isEnabled());
    // Typed key by key: the leading dot turns to "_" at once, the one after it is no longer
    // leading, and the slash is forbidden anywhere.
    F.Type("../x");
    QCOMPARE(form.edFileName->text(), QString("_._x"));
    F.Type(".cache");
    QCOMPARE(form.edFileName->text(), QString("_cache"));
    F.Select("Maps");
    F.Type("a*b?c|d");
    QCOMPARE(form.edFileName->text(), QString("a_b_c_d"));
    QCOMPARE(form.lMessage->text(), QString("💾 Maps/a_b_c_d.vrm"));
    QVERIFY(form.btLoadSave->isEnabled());
    F.Type(QString(50, 'x'));
    QCOMPARE(form.edFileName->text().size(), 40);
    F.Type("");
    QCOMPARE(form.lMessage->text(), QString("⚠️Saisir un nom"));
    QVERIFY(!form.btLoadSave->isEnabled());
}

// A file copied in with a name longer than the field holds is still that file: previewed,
// loaded and saved over under its own name. Only a name typed anew is cut.
void TestLoadSave::longFileNames() {
    const QString longName = QString("Un nom de fichier bien plus long que quarante");
    QVERIFY(longName.size() > 40);
    TMap map = SampleMap("Long");
    QVERIFY(WriteMapFile("Maps/" + longName + ".vrm", map, nullptr, F.Recorder));
    TLoadSaveForm& form = *F.Form;

    F.Open(osOpenMap);
    F.Select("Maps/" + longName);
    QCOMPARE(form.edFileName->text(), longName.left(40));
    QCOMPARE(form.edTitle->text(), QString("Long"));
    QVERIFY(form.btLoadSave->isEnabled());
    QVERIFY(!form.btRename->isEnabled());
    QTest::mouseClick(form.btLoadSave, Qt::LeftButton);
    QCOMPARE(form.FileName, "Maps/" + longName + ".vrm");

    // Saving as over the current file with that name keeps it.
    F.Open(osSaveMap, "Maps/" + longName + ".vrm");
    QCOMPARE(F.SelectedPath(), "Maps/" + longName);
    QCOMPARE(form.lMessage->text(), QString("ℹ️Pas de solution incluse dans ce tableau"));
    QTest::mouseClick(form.btLoadSave, Qt::LeftButton);
    QCOMPARE(form.result(), int(mrOk));
    QCOMPARE(form.FileName, "Maps/" + longName + ".vrm");

    // A name the player types is a new file's, held to 40 characters.
    F.Open(osSaveMap);
    F.Select("Maps/" + longName);
    F.Type(longName);
    QCOMPARE(form.edFileName->text(), longName.left(40));
    QCOMPARE(form.lMessage->text(), "💾 Maps/" + longName.left(40) + ".vrm");
    QVERIFY(form.btRename->isEnabled());
    form.reject();
    QCOMPARE(form.FileName, "Maps/" + longName.left(40) + ".vrm");
    QVERIFY(F.Recorder.Shown.isEmpty());
}

void TestLoadSave::fileName_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("a folder alone") << int(osOpenBoth) << "Maps"
                                    << ""
                                    << "Maps";
    QTest::newRow("its file") << int(osOpenBoth) << "Maps/one"
                              << ""
                              << "Maps/one.vrm";
    QTest::newRow("its pack") << int(osOpenBoth) << "Maps/pack"
                              << ""
                              << "Maps/pack.vrp";
    QTest::newRow("typed with the folder") << int(osSaveMap) << "Maps"
                                           << "two"
                                           << "Maps/two.vrm";
    QTest::newRow("typed with one of its files") << int(osSaveMap) << "Maps/one"
                                                 << "two"
                                                 << "Maps/two.vrm";
    QTest::newRow("typed over a pack") << int(osOpenBoth) << "Maps/pack"
                                       << "two"
                                       << "Maps/two.vrp";
    QTest::newRow("typed in a pack mode") << int(osSavePack) << "Packs"
                                          << "two"
                                          << "Packs/two.vrp";
    QTest::newRow("pack extension typed in a map mode") << int(osSaveMap) << "Maps"
                                                        << "two.vrp"
                                                        << "Maps/two.vrp.vrm";
    QTest::newRow("nothing selected") << int(osSaveMap) << ""
                                      << "two"
                                      << "";
}

// However the dialog closes, FileName is rebuilt from the selection and the typed name.
void TestLoadSave::fileName() {
    QFETCH(int, mode);
    QFETCH(QString, select);
    QFETCH(QString, typed);
    F.Open(TOpenSaveType(mode));
    if (select.isEmpty())
        F.Form->tvFiles->clearSelection();
    else
        F.Select(select);
    F.Type(typed);
    QTest::keyClick(F.Form->edFileName, Qt::Key_Escape);
    QVERIFY(!F.Form->isVisible());
    QCOMPARE(F.Form->result(), 0);
    QTEST(F.Form->FileName, "fileName");
    QCOMPARE(F.Form->edFileName->text(), QString());
    QCOMPARE(F.Form->tvFiles->topLevelItemCount(), 0);
}

void TestLoadSave::buttons() {
    F.Open(osSaveMap);
    TLoadSaveForm& form = *F.Form;
    auto state = [&] {
        QString s;
        for (auto* b : {form.btDelete, form.btCreateFolder, form.btRename, form.btLoadSave})
            s += b->isEnabled() ? '1' : '0';
        return s;
    };
    QCOMPARE(state(), QString("0000"));
    F.Type("x");
    QCOMPARE(state(), QString("0100"));
    F.Select("Maps");
    QCOMPARE(state(), QString("1111"));
    F.Type("");
    QCOMPARE(state(), QString("1000"));
    F.Select("Maps/one");
    QCOMPARE(form.edFileName->text(), QString("one"));
    QCOMPARE(state(), QString("1101"));
    F.Type("one2");
    QCOMPARE(state(), QString("1111"));
    // Shift+Escape is no Escape: the dialog stays.
    QTest::keyClick(form.tvFiles, Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(form.isVisible());
}

void TestLoadSave::saveSelectsCurrentFile() {
    F.Open(osSaveMap, "Maps/two.vrm", "Mon titre", "Mon info", "Mon aide");
    TLoadSaveForm& form = *F.Form;
    QCOMPARE(F.SelectedPath(), QString("Maps/two"));
    QCOMPARE(form.edFileName->text(), QString("two"));
    QCOMPARE(form.edTitle->text(), QString("Deux"));
    QCOMPARE(form.edInfo->toPlainText(), QString("Deux : information"));
    QCOMPARE(form.edHelp->toPlainText(), QString("Deux : aide"));
    QCOMPARE(form.lMessage->text(), QString("ℹ️Pas de solution incluse dans ce tableau"));
    QVERIFY(form.btLoadSave->isEnabled());
    QTest::mouseClick(form.btLoadSave, Qt::LeftButton);
    QCOMPARE(form.result(), int(mrOk));
    QCOMPARE(form.FileName, QString("Maps/two.vrm"));

    // Missing from its own folder, the current file is looked for in the folders after it.
    F.Open(osSavePack, "Maps/big.vrp");
    QCOMPARE(F.SelectedPath(), QString("Packs/big"));
    F.Open(osSavePack, "Packs/pack.vrp");
    QCOMPARE(F.SelectedPath(), QString());
}

void TestLoadSave::saveWithoutCurrentFile() {
    F.Open(osSaveMap, "Nowhere/two.vrm", "Mon titre", "Mon info", "Mon aide");
    TLoadSaveForm& form = *F.Form;
    QCOMPARE(F.SelectedPath(), QString());
    QCOMPARE(form.edTitle->text(), QString("Mon titre"));
    QCOMPARE(form.edHelp->toPlainText(), QString("Mon aide"));
    QCOMPARE(form.lMessage->text(), QString("ℹ️4 dossiers contenant 2 tableaux au total"));
    // A folder keeps the caller's texts in a save mode.
    F.Select("Empty");
    QCOMPARE(form.edTitle->text(), QString("Mon titre"));
    QCOMPARE(form.lMessage->text(), QString("⚠️Saisir un nom"));
    form.tvFiles->clearSelection();
    QCOMPARE(form.lMessage->text(), QString("⚠️Sélectionner un dossier de destination"));
}

void TestLoadSave::executeAnswers() {
    TLoadSaveForm& form = *F.Form;
    form.FileName = "Maps/one.vrm";
    QTimer::singleShot(0, &form, [&] {
        QTest::keyClick(form.tvFiles, Qt::Key_Down);
        QTest::keyClick(form.tvFiles, Qt::Key_Escape);
    });
    QVERIFY(!form.Execute(osOpenMap, "", "", ""));
    QCOMPARE(form.FileName, QString("Maps/two.vrm"));

    QTimer::singleShot(0, &form, [&] {
        F.Select("Packs");
        F.Type("neuf");
        QTest::mouseClick(form.btLoadSave, Qt::LeftButton);
    });
    QVERIFY(form.Execute(osSavePack, "T", "I", ""));
    QCOMPARE(form.FileName, QString("Packs/neuf.vrp"));
}

void TestLoadSave::titleInfoHelp() {
    F.Open(osSaveMap, "", "Titre  ", "Ligne 1\r\nLigne 2\r\n", "Aide ");
    TLoadSaveForm& form = *F.Form;
    QCOMPARE(form.edInfo->toPlainText(), QString("Ligne 1\nLigne 2\n"));
    QString title, info, help;
    form.GetTitleInfoHelp(title, info, help);
    QCOMPARE(title, QString("Titre"));
    QCOMPARE(info, QString("Ligne 1\r\nLigne 2"));
    QCOMPARE(help, QString("Aide"));
    // As typed, for a pack's own texts.
    form.GetTitleInfo(title, info);
    QCOMPARE(title, QString("Titre  "));
    QCOMPARE(info, QString("Ligne 1\r\nLigne 2\r\n"));

    // A memo holds at most 250 units, each line break counting two.
    form.edHelp->setFocus();
    form.edHelp->selectAll();
    QTest::keyClicks(form.edHelp, QString(124, 'a'));
    QTest::keyClick(form.edHelp, Qt::Key_Return);
    QTest::keyClicks(form.edHelp, QString(130, 'b'));
    form.GetTitleInfoHelp(title, info, help);
    QCOMPARE(help.size(), 250);
    QVERIFY(help.startsWith(QString(124, 'a') + "\r\nbb"));
}

QTEST_MAIN(TestLoadSave)
#include "tst_loadsave.moc"
