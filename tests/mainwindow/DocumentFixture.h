// A game folder of its own with a few map and pack files, a scripted file chooser and a main
// window started on it, for the tests of the document commands and the settings.
#pragma once

#include "storage/GameFolder.h"
#include "storage/MapFile.h"
#include "tests/TestSupport.h"
#include "mainwindow/MainWindow.h"
#include "tests/mainwindow/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A map of one pawn that slides right to the goal.
inline TMap DocMap(const QString& Title) {
    TMap m = MapFromRows({"###########", "#1.......o#", "#.........#", "#.........#", "#.........#",
                          "#.........#", "#.........#", "###########"});
    m.Title = Title;
    m.Info = Title.isEmpty() ? QString() : Title + QStringLiteral(" : information");
    return m;
}

struct TDocumentFixture {
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<TVirelMain> W;
    TMessageRecorder Messages;
    TScriptedChooser Chooser;

    // maps/titled.vrm ("Titled"), maps/untitled.vrm (no title), packs/three.vrp ("Trois
    // cartes": First, Second, Third), packs/bare.vrp (no title; one map without title).
    void MakeFolder() {
        Dir = std::make_unique<QTemporaryDir>();
        QVERIFY(Dir->isValid());
        SetGameDir(Dir->path());
        QDir(Dir->path()).mkpath(QStringLiteral("maps"));
        QDir(Dir->path()).mkpath(QStringLiteral("packs"));
        TMessageRecorder quiet;
        TMap titled = DocMap(QStringLiteral("Titled"));
        titled.Solution = QStringLiteral("1R");
        QVERIFY(WriteMapFile(QStringLiteral("maps/titled.vrm"), titled, nullptr, quiet));
        TMap untitled = DocMap(QString());
        QVERIFY(WriteMapFile(QStringLiteral("maps/untitled.vrm"), untitled, nullptr, quiet));
        TPack three;
        three.Title = QStringLiteral("Trois cartes");
        three.MapNb = 3;
        three.Maps[0] = DocMap(QStringLiteral("First"));
        three.Maps[1] = DocMap(QStringLiteral("Second"));
        three.Maps[2] = DocMap(QStringLiteral("Third"));
        QVERIFY(WritePackFile(QStringLiteral("packs/three.vrp"), three, quiet));
        TPack bare;
        bare.MapNb = 1;
        bare.Maps[0] = DocMap(QString());
        QVERIFY(WritePackFile(QStringLiteral("packs/bare.vrp"), bare, quiet));
        QVERIFY2(quiet.Shown.isEmpty(), qPrintable(quiet.Texts().join(u'|')));
    }

    // A new window on the folder, shown, reading whatever settings the folder holds.
    void Start() {
        Messages = TMessageRecorder();
        Chooser = TScriptedChooser();
        W = std::make_unique<TVirelMain>(Messages, Chooser);
        W->show();
        QVERIFY(QTest::qWaitForWindowExposed(W.get()));
    }

    // Closes the window as the player would; true when it closed.
    bool Close() {
        const bool closed = W->close();
        if (closed) W.reset();
        return closed;
    }

    void Finish() {
        W.reset();
        SetGameDir(QString());
        Dir.reset();
    }

    QByteArray FileText(const QString& Relative) const {
        QFile f(GamePath(Relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
