// A small game folder of maps and packs and a load and save dialog open on it, for the tests of
// the file browser.
#pragma once

#include "storage/GameFolder.h"
#include "dialogs/FileBrowserDialog.h"
#include "storage/MapFile.h"
#include "tests/TestSupport.h"
#include "tests/storage/FailingOps.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

// A map with one pawn, the given texts and solution.
inline TMap SampleMap(const QString& Title, const QString& Solution = QString()) {
    TMap m = MapFromRows({"###########", "#1.......o#", "#.........#", "#...d.D...#", "#.........#",
                          "#....b....#", "#.........#", "###########"});
    m.Title = Title;
    m.Info = Title + QStringLiteral(" : information");
    m.Help = Title + QStringLiteral(" : aide");
    m.Solution = Solution;
    return m;
}

struct TGameFolderFixture {
    std::unique_ptr<QTemporaryDir> Dir;
    QString Root;
    TMessageRecorder Recorder;
    TFailingOps Ops;
    std::unique_ptr<TLoadSaveForm> Form;

    // Maps: one (solution of one move), two and pack (two maps); Packs: big (three maps);
    // Empty: nothing; Other: only a text file.
    void Setup() {
        Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(Dir->isValid());
        Root = Dir->path() + QLatin1Char('/');
        SetGameDir(Dir->path());
        for (const char* d : {"Maps", "Packs", "Empty", "Other"}) QVERIFY(QDir().mkpath(Root + d));
        TMap one = SampleMap(QStringLiteral("Un"), QStringLiteral("1R"));
        TMap two = SampleMap(QStringLiteral("Deux"));
        QVERIFY(WriteMapFile(QStringLiteral("Maps/one.vrm"), one, nullptr, Recorder));
        QVERIFY(WriteMapFile(QStringLiteral("Maps/two.vrm"), two, nullptr, Recorder));
        WritePack(QStringLiteral("Maps/pack.vrp"), QStringLiteral("Petit pack"), 2);
        WritePack(QStringLiteral("Packs/big.vrp"), QStringLiteral("Grand pack"), 3);
        WriteRaw(QStringLiteral("Other/readme.txt"), "texte");
        Recorder.Shown.clear();
        Recorder.Answers.clear();
        Ops.FailOn.clear();
        Form = std::make_unique<TLoadSaveForm>(Recorder, Ops);
    }

    void Teardown() {
        Form.reset();
        SetGameDir(QString());
        Dir.reset();
    }

    void WritePack(const QString& Rel, const QString& Title, int Maps) {
        TPack pack;
        pack.Title = Title;
        pack.Info = Title + QStringLiteral(" : information");
        pack.MapNb = unsigned(Maps);
        for (int i = 0; i < Maps; ++i) pack.Maps[i] = SampleMap(QString::number(i + 1));
        QVERIFY(WritePackFile(Rel, pack, Recorder));
    }

    void WriteRaw(const QString& Rel, const QByteArray& Data) {
        QFile f(Root + Rel);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Data);
    }

    // Opens the dialog as Execute would, without a modal loop.
    void Open(TOpenSaveType Mode, const QString& FileName = QString(),
              const QString& Title = QStringLiteral("Titre"),
              const QString& Info = QStringLiteral("Info"),
              const QString& Help = QStringLiteral("Aide")) {
        if (Form->isVisible()) Form->reject();
        Form->FileName = FileName;
        Form->Prepare(Mode, Title, Info, Help);
        Form->show();
    }

    // The item at "Folder" or "Folder/file" (texts), or null.
    QTreeWidgetItem* Item(const QString& Path) const {
        const QStringList parts = Path.split(QLatin1Char('/'));
        for (int i = 0; i < Form->tvFiles->topLevelItemCount(); ++i) {
            QTreeWidgetItem* folder = Form->tvFiles->topLevelItem(i);
            if (folder->text(0) != parts[0]) continue;
            if (parts.size() == 1) return folder;
            for (int j = 0; j < folder->childCount(); ++j)
                if (folder->child(j)->text(0) == parts[1]) return folder->child(j);
        }
        return nullptr;
    }

    void Select(const QString& Path) {
        QTreeWidgetItem* item = Item(Path);
        QVERIFY2(item, qPrintable(Path));
        Form->tvFiles->setCurrentItem(item);
    }

    // "" when nothing is selected, else "Folder" or "Folder/file".
    QString SelectedPath() const {
        const QList<QTreeWidgetItem*> items = Form->tvFiles->selectedItems();
        if (items.isEmpty()) return QString();
        const QTreeWidgetItem* item = items.first();
        return item->parent() ? item->parent()->text(0) + QLatin1Char('/') + item->text(0)
                              : item->text(0);
    }

    // The tree as text: "Empty;Maps(one,pack,two)".
    QString Listing() const {
        QStringList folders;
        for (int i = 0; i < Form->tvFiles->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* folder = Form->tvFiles->topLevelItem(i);
            QStringList files;
            for (int j = 0; j < folder->childCount(); ++j) files << folder->child(j)->text(0);
            folders << folder->text(0) +
                           (files.isEmpty() ? QString() : "(" + files.join(',') + ")");
        }
        return folders.join(';');
    }

    // Replaces the name field's text key by key, as the player types it.
    void Type(const QString& Text) {
        Form->edFileName->setFocus();
        Form->edFileName->selectAll();
        QTest::keyClick(Form->edFileName, Qt::Key_Backspace);
        for (QChar c : Text) {
            if (c.unicode() > 32 && c.unicode() < 127)
                QTest::keyClick(Form->edFileName, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, Form->edFileName, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    bool OnDisk(const QString& Rel) const { return QFileInfo::exists(Root + Rel); }
};
