// Drives the pack editor offscreen: new, load, save and close, and every command on its maps.
#include "platform/Callout.h"
#include "session/FileChooser.h"
#include "storage/GameFolder.h"
#include "storage/MapFile.h"
#include "dialogs/MessageDialog.h"
#include "dialogs/PackEditorDialog.h"
#include "platform/RoundButton.h"
#include "tests/session/PackEditorFixture.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString Heading = QStringLiteral("🪳 Un ou plusieurs défauts détectés :");

QStringList ListLines(const TPackForm& f) {
    QStringList l;
    for (int k = 0; k < f.lbMaps->count(); ++k) l << f.lbMaps->item(k)->text();
    return l;
}

// Letters of the enabled commands: S save, N new, I information, A add, P replace, R remove,
// E export, U up, D down.
QString Enabled(const TPackForm& f) {
    QString s;
    const QList<QPair<QChar, TRoundButton*>> buttons = {
        {'S', f.btSaveAs}, {'N', f.btNewPack}, {'I', f.btPackInfo},
        {'A', f.btAdd},    {'P', f.btReplace}, {'R', f.btRemove},
        {'E', f.btExport}, {'U', f.btMoveUp},  {'D', f.btMoveDown}};
    for (const auto& b : buttons)
        if (b.second->isEnabled()) s += b.first;
    return s;
}

} // namespace

class TestPackForm : public QObject {
    Q_OBJECT

    QTemporaryDir Dir;
    TMessageRecorder Rec;
    TScriptedPackChooser Chooser;
    TPackForm* Form = nullptr;

    void WriteMapFileAt(const QString& Name, TMap Map) {
        TMessageRecorder r;
        QVERIFY(WriteMapFile(Name, Map, nullptr, r));
    }
    void WritePackAt(const QString& Name, const QString& Title, const QString& Info,
                     const QList<TMap>& Maps) {
        TPack p;
        p.Title = Title;
        p.Info = Info;
        for (const TMap& m : Maps) p.Maps[p.MapNb++] = m;
        TMessageRecorder r;
        QVERIFY(WritePackFile(Name, p, r));
    }
    void Add(const QString& File) {
        Chooser.Open(File);
        Form->btAdd->click();
    }
    // A shown editor holding the maps titled Titles (added one by one, so the pack is changed).
    void AddMaps(const QStringList& Titles) {
        for (const QString& t : Titles) {
            WriteMapFileAt("Maps/" + t + ".vrm", SoundMap(t));
            Add("Maps/" + t + ".vrm");
        }
        Rec.Shown.clear();
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
        Rec.Shown.clear();
        Rec.Answers.clear();
        Chooser.Answers.clear();
        Chooser.Calls.clear();
        Chooser.FileName.clear();
        Form = new TPackForm(Rec, Chooser);
        Form->show();
    }

    void cleanup() {
        delete Form;
        Form = nullptr;
    }

    void OpensOnAnEmptyPack() {
        QCOMPARE(Form->windowTitle(), QStringLiteral("Virelune  ●  Nouveau pack"));
        QCOMPARE(Enabled(*Form), QStringLiteral("A"));
        QVERIFY(Form->btLoad->isEnabled());
        QCOMPARE(Form->lMessage->text(),
                 QStringLiteral("ℹ️Charger un pack ou ajouter un tableau pour commencer"));
        QVERIFY(!Form->edMapTitle->isEnabled());
        QVERIFY(!Form->edMapInfo->isEnabled());
        QCOMPARE(Form->lbMaps->count(), 0);
        QCOMPARE(Form->ThumbnailPawnNb(), 0);
        QCOMPARE(Form->edMapTitle->maxLength(), 50);

        // Closing leaves the pack behind; the next showing starts afresh.
        WritePackAt("Maps/p.vrp", "Mon pack", "Info", {SoundMap("A")});
        Chooser.Open("Maps/p.vrp");
        Form->btLoad->click();
        QCOMPARE(Form->lbMaps->count(), 1);
        Form->reject();
        QVERIFY(Form->isHidden());
        QVERIFY(Rec.Shown.isEmpty());
        Form->show();
        QCOMPARE(Form->windowTitle(), QStringLiteral("Virelune  ●  Nouveau pack"));
        QCOMPARE(Form->lbMaps->count(), 0);
        QCOMPARE(Form->EditedPack().MapNb, 0u);
        QVERIFY(Form->PackFileName().isEmpty());
        QCOMPARE(Enabled(*Form), QStringLiteral("A"));
    }

    void ButtonsFollowTheSelection_data() {
        QTest::addColumn<int>("Line");
        QTest::addColumn<QString>("Enabled");
        QTest::newRow("none") << -1 << "SNIA";
        QTest::newRow("first") << 0 << "SNIAPRED";
        QTest::newRow("middle") << 1 << "SNIAPREUD";
        QTest::newRow("last") << 2 << "SNIAPREU";
    }
    void ButtonsFollowTheSelection() {
        QFETCH(int, Line);
        QFETCH(QString, Enabled);
        WritePackAt("Maps/p.vrp", "P", "Des infos", {SoundMap("A"), SoundMap("B"), SoundMap("C")});
        Chooser.Open("Maps/p.vrp");
        Form->btLoad->click();
        Form->SelectLine(Line);
        QCOMPARE(::Enabled(*Form), Enabled);
        QCOMPARE(Form->edMapTitle->isEnabled(), Line >= 0);
    }

    void LoadingReportsDefects() {
        TMap noTitle = SoundMap(QString(), QString());
        TMap same1 = SoundMap("Pareil");
        TMap same2 = SoundMap("Pareil", QString());
        TMap fine = SoundMap("Autre");
        fine.Info = "Ligne 1\r\nLigne 2";
        WritePackAt("Maps/d.vrp", "Défauts", QString(), {noTitle, same1, same2, fine});
        Chooser.Open("Maps/d.vrp");
        Form->btLoad->click();

        QCOMPARE(Chooser.Calls.size(), 1);
        QCOMPARE(Chooser.Calls[0].OsType, osOpenPack);
        QCOMPARE(Rec.Texts(),
                 QStringList{Heading +
                             "\r\nUn tableau n'a pas de titre (un vide apparaitra dans le menu du "
                             "bouton Pack).\r\nDes titres sont identiques.\r\n2 tableaux n'ont pas "
                             "de solution incluse."});
        QCOMPARE(Rec.Shown[0].first, mtWarning);
        QCOMPARE(Form->windowTitle(), QStringLiteral("Virelune  ●  Défauts"));
        QCOMPARE(ListLines(*Form), QStringList({"", "Pareil", "Pareil", "Autre"}));
        QCOMPARE(Form->SelectedLine(), -1);
        QCOMPARE(Form->PackFileName(), QStringLiteral("Maps/d.vrp"));
        QVERIFY(!Form->IsChanged());
        QCOMPARE(Enabled(*Form), QStringLiteral("SNA")); // no information to show

        Form->SelectLine(3);
        QCOMPARE(Form->edMapTitle->text(), QStringLiteral("Autre"));
        QCOMPARE(Form->edMapInfo->toPlainText(), QStringLiteral("Ligne 1\nLigne 2"));
        QCOMPARE(Form->ThumbnailPawnNb(), 1);
        QCOMPARE(Form->lMessage->text(), QStringLiteral("ℹ️Solution en 1 coups"));
        QVERIFY(!Form->IsChanged()); // showing a map is no edit
    }

    void AFailedLoadChangesNothing() {
        AddMaps({"A"});
        QFile bad(Dir.path() + "/Maps/bad.vrp");
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("nonsense\r\n");
        bad.close();
        Rec.Answers = {mrNo}; // give up the changes
        Chooser.Open("Maps/bad.vrp");
        Form->btLoad->click();
        QCOMPARE(Rec.Shown.size(), 2);
        QCOMPARE(Rec.Shown[1].first, mtError);
        QCOMPARE(ListLines(*Form), QStringList{"A"});
        QCOMPARE(Form->windowTitle(), QStringLiteral("Virelune  ●  Nouveau pack"));
    }

    void SavingUnderItsOwnName() {
        WritePackAt("Maps/p.vrp", "P", "I", {SoundMap("A"), SoundMap("B")});
        Chooser.Open("Maps/p.vrp");
        Form->btLoad->click();
        Form->SelectLine(1);
        Form->btMoveUp->click();
        QVERIFY(Form->IsChanged());
        Chooser.Save("Maps/p.vrp", "Nouveau titre", "Nouvelle info");
        Form->btSaveAs->click();
        QCOMPARE(Chooser.Calls.last().OsType, osSavePack);
        QCOMPARE(Chooser.Calls.last().FileNameIn, QStringLiteral("Maps/p.vrp"));
        QCOMPARE(Chooser.Calls.last().Title, QStringLiteral("P"));
        QVERIFY(Rec.Shown.isEmpty()); // no question about its own file
        QVERIFY(!Form->IsChanged());
        QCOMPARE(Form->windowTitle(), QStringLiteral("Virelune  ●  P")); // saving keeps it

        TPack back;
        QVERIFY(ReadMaps(osOpenPack, back, "Maps/p.vrp", Rec));
        QCOMPARE(back.Title, QStringLiteral("Nouveau titre"));
        QCOMPARE(back.Info, QStringLiteral("Nouvelle info"));
        QCOMPARE(PackTitles(back), QStringList({"B", "A"}));
        QCOMPARE(Form->EditedPack().Title, QStringLiteral("Nouveau titre"));
    }

    // The pack's title and information go to the file as typed, trailing spaces and line
    // breaks included; the texts of its maps are trimmed when they are typed.
    void SavingKeepsPackTextsAsTyped() {
        AddMaps({"A"});
        Chooser.Save("Maps/t.vrp", "Titre  ", "Ligne 1 \r\nLigne 2  \r\n");
        Form->btSaveAs->click();
        QVERIFY(!Form->IsChanged());
        QCOMPARE(Form->EditedPack().Title, QStringLiteral("Titre  "));
        QCOMPARE(Form->EditedPack().Info, QStringLiteral("Ligne 1 \r\nLigne 2  \r\n"));
        QFile f(Dir.path() + "/Maps/t.vrp");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("VRP1-1\r\nTitre  \r\n2\r\nLigne 1 \r\nLigne 2  \r\nVRM1-"));
        // The next save proposes them as they are.
        Chooser.Save("Maps/t.vrp", "Titre  ", "Info");
        Form->btSaveAs->click();
        QCOMPARE(Chooser.Calls.last().Title, QStringLiteral("Titre  "));
        QCOMPARE(Chooser.Calls.last().Info, QStringLiteral("Ligne 1 \r\nLigne 2  \r\n"));
    }

    void SavingOverAnotherFile_data() {
        QTest::addColumn<int>("Answer");
        QTest::addColumn<bool>("Replaced");
        QTest::newRow("yes") << mrYes << true;
        QTest::newRow("no") << mrNo << false;
        QTest::newRow("escape") << mrCancel << false;
    }
    void SavingOverAnotherFile() {
        QFETCH(int, Answer);
        QFETCH(bool, Replaced);
        WritePackAt("Maps/other.vrp", "Autre", "", {SoundMap("X")});
        AddMaps({"A"});
        Rec.Answers = {Answer};
        Chooser.Save("Maps/other.vrp", "Mien");
        QCOMPARE(Form->SavePack(), Replaced);
        QCOMPARE(Rec.Texts().first(),
                 QStringLiteral("Remplacer le fichier existant par ce nouveau pack ?"));
        QCOMPARE(Rec.Shown.first().first, mtQuestion);
        TPack back;
        QVERIFY(ReadMaps(osOpenPack, back, "Maps/other.vrp", Rec));
        QCOMPARE(back.Title, Replaced ? QStringLiteral("Mien") : QStringLiteral("Autre"));
        QCOMPARE(Form->IsChanged(), !Replaced);
        QCOMPARE(Form->PackFileName(), Replaced ? QStringLiteral("Maps/other.vrp") : QString());
    }

    void SavingReportsDefects() {
        TMap untitled = SoundMap(QString(), QString());
        WriteMapFileAt("Maps/u.vrm", untitled);
        Chooser.Open("Maps/u.vrm");
        Form->btAdd->click();
        Rec.Shown.clear();
        Chooser.Save("Maps/new.vrp", "T", "Infos du pack");
        QVERIFY(Form->SavePack());
        QCOMPARE(Rec.Texts(),
                 QStringList{Heading +
                             "\r\nUn tableau n'a pas de titre (un vide apparaitra dans le menu du "
                             "bouton Pack).\r\nUn tableau n'a pas de solution incluse."});
        QVERIFY(Form->btPackInfo->isEnabled());
        QVERIFY(Form->btNewPack->isEnabled());
    }

    void TwentyMapsStopAdding() {
        WriteMapFileAt("Maps/m.vrm", SoundMap("M"));
        for (int k = 0; k < 20; ++k) Add("Maps/m.vrm");
        QCOMPARE(Form->lbMaps->count(), 20);
        QCOMPARE(Form->SelectedLine(), 19);
        QVERIFY(!Form->btAdd->isEnabled());
        const int calls = Chooser.Calls.size();
        Form->btAddClick(); // its accelerator while disabled
        QCOMPARE(Chooser.Calls.size(), calls);

        WriteMapFileAt("Maps/r.vrm", SoundMap("Remplaçant"));
        Form->SelectLine(4);
        Rec.Shown.clear();
        Chooser.Open("Maps/r.vrm");
        Form->btReplace->click();
        QVERIFY(Rec.Shown.isEmpty());
        QCOMPARE(Form->lbMaps->count(), 20);
        QCOMPARE(Form->lbMaps->item(4)->text(), QStringLiteral("Remplaçant"));
        QCOMPARE(Form->EditedPack().Maps[4].Title, QStringLiteral("Remplaçant"));
        QCOMPARE(Form->edMapTitle->text(), QStringLiteral("Remplaçant"));
    }

    void EscapeAsksWhenChanged_data() {
        QTest::addColumn<QList<int>>("Answers");
        QTest::addColumn<bool>("Saves");
        QTest::addColumn<bool>("Closed");
        QTest::newRow("escape again stays") << QList<int>{mrCancel} << false << false;
        QTest::newRow("no closes") << QList<int>{mrNo} << false << true;
        QTest::newRow("yes, saved, closes") << QList<int>{mrYes} << true << true;
        QTest::newRow("yes, save cancelled, stays") << QList<int>{mrYes} << false << false;
    }
    void EscapeAsksWhenChanged() {
        QFETCH(QList<int>, Answers);
        QFETCH(bool, Saves);
        QFETCH(bool, Closed);
        AddMaps({"A"});
        Rec.Answers = Answers;
        if (Saves) Chooser.Save("Maps/s.vrp");
        Form->edMapTitle->setFocus();
        QTest::keyClick(Form->edMapTitle, Qt::Key_Escape);
        QCOMPARE(Rec.Texts().value(0),
                 QStringLiteral("💾 Sauver les modifications faites avant de quitter ?"));
        QCOMPARE(Form->isHidden(), Closed);
        QCOMPARE(QFile::exists(Dir.path() + "/Maps/s.vrp"), Saves);
    }

    void AFailedSaveKeepsThePackUnsaved() {
        AddMaps({"A"});
        Chooser.Save("Absent/p.vrp", "Titre", "Info");
        QVERIFY(!Form->SavePack());
        QCOMPARE(Rec.Shown.size(), 1);
        QCOMPARE(Rec.Shown[0].first, mtError);
        QVERIFY(Form->IsChanged());
        QVERIFY(Form->PackFileName().isEmpty());
        QVERIFY(Form->EditedPack().Title.isEmpty());
    }

    void AnEmptyPackIsNeverWritten() {
        // Every map removed: the closing question's Yes cannot write a pack without maps.
        AddMaps({"A"});
        Rec.Answers = {mrYes, mrYes, mrOk, mrNo};
        Form->btRemove->click();
        Chooser.Save("Maps/vide.vrp");
        Form->reject();
        QVERIFY(Form->isVisible());
        QCOMPARE(Rec.Shown[2].first, mtError);
        QCOMPARE(
            Rec.Shown[2].second,
            QStringLiteral("Un pack sans tableau ne peut pas être sauvé :\r\najouter d'abord un "
                           "tableau."));
        QCOMPARE(Chooser.Calls.size(), 1); // only the map added
        QVERIFY(!QFile::exists(Dir.path() + "/Maps/vide.vrp"));
        Form->reject();
        QVERIFY(Form->isHidden());
    }

    void ShownModallyWithTheMessageDialog() {
        // The real question dialog, answered the way a player would: Escape, then No.
        TMessageForm msg;
        delete Form;
        Form = new TPackForm(msg, Chooser);
        WriteMapFileAt("Maps/A.vrm", SoundMap("A"));
        QStringList asked;
        auto answer = [&](int Key) {
            QTimer::singleShot(0, &msg, [&, Key] {
                asked << msg.lMessage->text();
                QTest::keyClick(&msg, Qt::Key(Key));
            });
        };
        bool stayed = false;
        QTimer::singleShot(0, Form, [&] {
            Add("Maps/A.vrm");
            answer(Qt::Key_Escape);
            QTest::keyClick(Form, Qt::Key_Escape);
            stayed = Form->isVisible();
            answer(Qt::Key_Backspace);
            QTest::keyClick(Form, Qt::Key_Escape);
        });
        Form->exec();
        QVERIFY(stayed);
        QVERIFY(Form->isHidden());
        const QString question =
            QStringLiteral("💾 Sauver les modifications faites avant de quitter ?");
        QCOMPARE(asked, QStringList({question, question}));
        delete Form; // it answers to msg, which goes first
        Form = nullptr;
    }

    void EscapeWithAModifierDoesNothing() {
        QTest::keyClick(Form, Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(Form->isVisible());
        QTest::keyClick(Form, Qt::Key_Escape);
        QVERIFY(Form->isHidden());
        QVERIFY(Rec.Shown.isEmpty());
    }

    void NewPackAsksFirst() {
        AddMaps({"A", "B"});
        Rec.Answers = {mrCancel};
        Form->btNewPack->click();
        QCOMPARE(Rec.Texts(),
                 QStringList{QStringLiteral(
                     "💾 Sauver les modifications faites avant de créer un nouveau pack ?")});
        QCOMPARE(Form->lbMaps->count(), 2);
        Rec.Answers = {mrNo};
        Form->btNewPack->click();
        QCOMPARE(Form->lbMaps->count(), 0);
        QVERIFY(!Form->IsChanged());
        QCOMPARE(Form->lMessage->text(), QStringLiteral("ℹ️Ajouter un tableau pour commencer"));
        QCOMPARE(Enabled(*Form), QStringLiteral("A"));
    }

    void InformationCallout() {
        WritePackAt("Maps/p.vrp", "P", "Un pack\r\npour essayer", {SoundMap("A")});
        Chooser.Open("Maps/p.vrp");
        Form->btLoad->click();
        QVERIFY(Form->crPackInfo->isHidden());
        Form->btPackInfo->click();
        QVERIFY(Form->crPackInfo->isVisible());
        QCOMPARE(Form->lPackInfo->text(), QStringLiteral("Un pack\npour essayer"));
        Form->btPackInfo->click();
        QVERIFY(Form->crPackInfo->isHidden());
        Form->btPackInfo->click();
        QTest::mouseClick(Form, Qt::LeftButton, {}, QPoint(3, 300)); // the background
        QVERIFY(Form->crPackInfo->isHidden());
        Form->btPackInfo->click();
        Form->SelectLine(0); // every button update hides it
        QVERIFY(Form->crPackInfo->isHidden());
    }

    // ---- The maps of the pack ----

    void AddingATitleAlreadyUsed() {
        AddMaps({"A", "B"});
        TMap again = SoundMap("A", QString());
        WriteMapFileAt("Maps/again.vrm", again);
        Chooser.Open("Maps/again.vrm");
        Form->btAdd->click();
        QCOMPARE(Chooser.Calls.last().OsType, osOpenMap);
        QCOMPARE(
            Rec.Texts(),
            QStringList{Heading +
                        "\r\n⚠️Le titre de ce tableau est déjà utilisé dans le pack.\r\nCe "
                        "tableau n'a pas de solution incluse."});
        QCOMPARE(ListLines(*Form), QStringList({"A", "B", "A"}));
        QCOMPARE(Form->SelectedLine(), 2);
        QCOMPARE(Form->lMessage->text(),
                 QStringLiteral(
                     "⚠️Ce titre est déjà utilisé dans le pack\r\nℹ️Pas de solution "
                     "incluse dans ce tableau"));
        QVERIFY(Form->IsChanged());
    }

    void AddingReportsTheMapsOwnDefects() {
        TMap noPawn = MapFromRows({"###########", "#........o#"});
        noPawn.Title = "Vide";
        WriteMapFileAt("Maps/v.vrm", noPawn);
        Chooser.Open("Maps/v.vrm");
        Form->btAdd->click();
        QCOMPARE(Rec.Texts(),
                 QStringList{Heading + "\r\nCe tableau n'a pas de solution incluse.\r\nIl faut au "
                                       "moins un pion."});
        QCOMPARE(ListLines(*Form), QStringList{"Vide"}); // taken all the same
        QCOMPARE(Form->ThumbnailPawnNb(), 0);
    }

    void ReplacingByTheSameMap() {
        AddMaps({"A", "B"});
        Form->SelectLine(1);
        Chooser.Open("Maps/B.vrm");
        Form->btReplace->click();
        QVERIFY(Rec.Shown.isEmpty());
        QCOMPARE(ListLines(*Form), QStringList({"A", "B"}));
        QCOMPARE(Form->SelectedLine(), 1);
        QCOMPARE(Form->lMessage->text(), QStringLiteral("ℹ️Solution en 1 coups"));
    }

    void RemovingSelectsTheNextMap_data() {
        QTest::addColumn<int>("Line");
        QTest::addColumn<QStringList>("Left");
        QTest::addColumn<int>("Selected");
        QTest::newRow("first") << 0 << QStringList{"B", "C"} << 0;
        QTest::newRow("middle") << 1 << QStringList{"A", "C"} << 1;
        QTest::newRow("last") << 2 << QStringList{"A", "B"} << 1;
    }
    void RemovingSelectsTheNextMap() {
        QFETCH(int, Line);
        QFETCH(QStringList, Left);
        QFETCH(int, Selected);
        AddMaps({"A", "B", "C"});
        Form->SelectLine(Line);
        Rec.Answers = {mrYes};
        Form->btRemove->click();
        QCOMPARE(Rec.Texts(),
                 QStringList{QStringLiteral("Etes-vous sûr de vouloir retirer ce tableau ?")});
        QCOMPARE(ListLines(*Form), Left);
        QCOMPARE(PackTitles(Form->EditedPack()), Left);
        QCOMPARE(Form->SelectedLine(), Selected);
        QCOMPARE(Form->edMapTitle->text(), Left[Selected]);
        QVERIFY(Form->edMapTitle->isEnabled());
        QCOMPARE(Form->ThumbnailPawnNb(), 1);
        QCOMPARE(Form->lMessage->text(), QStringLiteral("ℹ️Solution en 1 coups"));
        QCOMPARE(Enabled(*Form),
                 Selected == 0 ? QStringLiteral("SNAPRED") : QStringLiteral("SNAPREU"));
    }

    void RemovingTheLastMapLeavesNoSelection() {
        AddMaps({"A"});
        Rec.Answers = {mrNo};
        Form->btRemove->click();
        QCOMPARE(Form->lbMaps->count(), 1);
        Rec.Answers = {mrYes};
        Form->btRemove->click();
        QCOMPARE(Form->lbMaps->count(), 0);
        QCOMPARE(Form->SelectedLine(), -1);
        QVERIFY(!Form->edMapTitle->isEnabled());
        QVERIFY(Form->edMapTitle->text().isEmpty());
        QCOMPARE(Form->ThumbnailPawnNb(), 0);
        QVERIFY(Form->lMessage->text().isEmpty());
        QCOMPARE(Enabled(*Form), QStringLiteral("NA"));
        QVERIFY(Form->IsChanged());
    }

    void MovingUpAndDown() {
        AddMaps({"A", "B", "C"});
        Form->SelectLine(0);
        Form->btMoveUpClick(); // disabled on the first line
        QCOMPARE(ListLines(*Form), QStringList({"A", "B", "C"}));
        Form->btMoveDown->click();
        QCOMPARE(ListLines(*Form), QStringList({"B", "A", "C"}));
        QCOMPARE(Form->SelectedLine(), 1);
        Form->btMoveDown->click();
        QCOMPARE(ListLines(*Form), QStringList({"B", "C", "A"}));
        QCOMPARE(PackTitles(Form->EditedPack()), QStringList({"B", "C", "A"}));
        QVERIFY(!Form->btMoveDown->isEnabled());
        Form->btMoveUp->click();
        QCOMPARE(ListLines(*Form), QStringList({"B", "A", "C"}));
        QCOMPARE(Form->edMapTitle->text(), QStringLiteral("A"));
        QVERIFY(Form->IsChanged());
    }

    void ExportingOntoAnExistingFile_data() {
        QTest::addColumn<int>("Answer");
        QTest::addColumn<bool>("Replaced");
        QTest::newRow("yes") << mrYes << true;
        QTest::newRow("no") << mrNo << false;
        QTest::newRow("escape") << mrCancel << false;
    }
    void ExportingOntoAnExistingFile() {
        QFETCH(int, Answer);
        QFETCH(bool, Replaced);
        AddMaps({"A"});
        WriteMapFileAt("Maps/old.vrm", SoundMap("Ancien"));
        Rec.Answers = {Answer};
        Chooser.Save("Maps/old.vrm", "Exporté", "Info", "Aide");
        Form->btExport->click();
        QCOMPARE(Chooser.Calls.last().OsType, osSaveMap);
        QVERIFY(Chooser.Calls.last().FileNameIn.isEmpty());
        QCOMPARE(Chooser.Calls.last().Title, QStringLiteral("A"));
        QCOMPARE(Rec.Texts(), QStringList{QStringLiteral(
                                  "Maps/old.vrm existe déjà,\r\nvoulez-vous le remplacer ?")});
        TPack back;
        QVERIFY(ReadMaps(osOpenMap, back, "Maps/old.vrm", Rec));
        QCOMPARE(back.Maps[0].Title,
                 Replaced ? QStringLiteral("Exporté") : QStringLiteral("Ancien"));
        if (Replaced) QCOMPARE(back.Maps[0].Help, QStringLiteral("Aide"));
        // The pack keeps its own texts.
        QCOMPARE(Form->EditedPack().Maps[0].Title, QStringLiteral("A"));
    }

    void ExportingToANewFile() {
        AddMaps({"A"});
        const bool changed = Form->IsChanged();
        Chooser.Save("Maps/neuf.vrm", "A", "", "");
        Form->btExport->click();
        QVERIFY(Rec.Shown.isEmpty());
        TPack back;
        QVERIFY(ReadMaps(osOpenMap, back, "Maps/neuf.vrm", Rec));
        QCOMPARE(back.Maps[0].Board, SoundMap("A").Board);
        QCOMPARE(back.Maps[0].Solution, QStringLiteral("1R"));
        QCOMPARE(Form->IsChanged(), changed); // an export is no change to the pack
    }

    void TypingATitleInUse() {
        AddMaps({"Alpha", "Beta"});
        Form->SelectLine(1);
        Form->edMapTitle->setFocus();
        Form->edMapTitle->selectAll();
        QTest::keyClicks(Form->edMapTitle, "Alpha");
        QCOMPARE(
            Form->lMessage->text(),
            QStringLiteral(
                "⚠️Ce titre est déjà utilisé dans le pack\r\nℹ️Solution en 1 coups"));
        QCOMPARE(Form->lbMaps->item(1)->text(), QStringLiteral("Alpha"));
        QCOMPARE(Form->EditedPack().Maps[1].Title, QStringLiteral("Alpha"));
        QTest::keyClick(Form->edMapTitle, Qt::Key_Backspace);
        QCOMPARE(Form->lMessage->text(), QStringLiteral("ℹ️Solution en 1 coups"));
        QVERIFY(Form->IsChanged());
    }

    void EditingTheTexts() {
        AddMaps({"A"});
        Form->edMapInfo->setFocus();
        QTest::keyClicks(Form->edMapInfo, "Un");
        QTest::keyClick(Form->edMapInfo, Qt::Key_Return);
        QTest::keyClicks(Form->edMapInfo, "Deux ");
        QCOMPARE(Form->EditedPack().Maps[0].Info, QStringLiteral("Un\r\nDeux ")); // not trimmed
        Form->edMapHelp->setPlainText(QString(300, QLatin1Char('h')));
        QCOMPARE(Form->EditedPack().Maps[0].Help, QString(250, QLatin1Char('h')));
        QCOMPARE(Form->edMapHelp->toPlainText().size(), 250);
        QVERIFY(Form->IsChanged());
    }
};

QTEST_MAIN(TestPackForm)
#include "tst_packform.moc"
