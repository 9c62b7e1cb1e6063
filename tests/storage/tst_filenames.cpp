// The file browser's names, order, listing and status texts, without any widget.
#include "storage/FileNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestFileNames : public QObject {
    Q_OBJECT

private slots:
    void buildFileName_data();
    void buildFileName();
    void forbiddenCharacters_data();
    void forbiddenCharacters();
    void splitFileName_data();
    void splitFileName();
    void treeOrder_data();
    void treeOrder();
    void modes_data();
    void modes();
    void listing();
    void summary_data();
    void summary();
    void previewTexts();
};

void TestFileNames::buildFileName_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder alone") << "Maps"
                                  << ""
                                  << ".vrm"
                                  << "Maps";
    QTest::newRow("its map") << "Maps"
                             << "one"
                             << ".vrm"
                             << "Maps/one.vrm";
    QTest::newRow("typed pack") << "Maps"
                                << "two"
                                << ".vrp"
                                << "Maps/two.vrp";
    QTest::newRow("typed with its extension") << "Maps"
                                              << "two.vrm"
                                              << ".vrm"
                                              << "Maps/two.vrm";
    QTest::newRow("extension in capitals") << "Maps"
                                           << "two.VRM"
                                           << ".vrm"
                                           << "Maps/two.VRM";
    QTest::newRow("pack extension in a map mode") << "Maps"
                                                  << "two.vrp"
                                                  << ".vrm"
                                                  << "Maps/two.vrp.vrm";
    QTest::newRow("a dot in the name") << "Maps"
                                       << "v1.2"
                                       << ".vrm"
                                       << "Maps/v1.2.vrm";
}

void TestFileNames::buildFileName() {
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, extension);
    QFETCH(QString, expected);
    QCOMPARE(BuildFileName(folder, name, extension), expected);
}

void TestFileNames::forbiddenCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("colon") << "a:b"
                           << "a_b";
    QTest::newRow("every forbidden sign") << "\"*/:<>?\\|"
                                          << "_________";
    QTest::newRow("control characters") << QString("a\tb\nc") + QChar(0) + QChar(31) << "a_b_c__";
    QTest::newRow("separators cannot climb out") << "../x"
                                                 << "___x";
    QTest::newRow("accents, spaces and emoji stay") << "Été 2 🌙"
                                                    << "Été 2 🌙";
    // A leading dot would hide the new file or folder from the browser itself.
    QTest::newRow("leading dots") << ".."
                                  << "__";
    QTest::newRow("hidden name") << ".secret"
                                 << "_secret";
    QTest::newRow("dots further on stay") << "a..b."
                                          << "a..b.";
}

void TestFileNames::forbiddenCharacters() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(ReplaceForbiddenChars(typed), kept);
}

void TestFileNames::splitFileName_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("folder and file") << "Maps/one.vrm"
                                     << "Maps"
                                     << "one.vrm";
    QTest::newRow("no folder") << "one.vrm"
                               << ""
                               << "one.vrm";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("last folder counts") << "a/b/one.vrm"
                                        << "b"
                                        << "one.vrm";
}

void TestFileNames::splitFileName() {
    QFETCH(QString, fileName);
    QString folder = "x", name = "x";
    SplitFileName(fileName, folder, name);
    QTEST(folder, "folder");
    QTEST(name, "name");
}

void TestFileNames::treeOrder_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("letter case aside") << QStringList{"beta", "Alpha", "gamma", "Delta"}
                                       << QStringList{"Alpha", "beta", "Delta", "gamma"};
    QTest::newRow("numbers by value")
        << QStringList{"Niveau 10", "Niveau 2", "Niveau 1", "Niveau 02"}
        << QStringList{"Niveau 1", "Niveau 02", "Niveau 2", "Niveau 10"};
    QTest::newRow("accents aside")
        << QStringList{"Fin", "Été", "école", "Eau"} << QStringList{"Eau", "école", "Été", "Fin"};
    QTest::newRow("same text in two cases") << QStringList{"a", "A"} << QStringList{"A", "a"};
    QTest::newRow("prefix first") << QStringList{"ab", "a"} << QStringList{"a", "ab"};
}

void TestFileNames::treeOrder() {
    QFETCH(QStringList, texts);
    QFETCH(QStringList, sorted);
    std::sort(texts.begin(), texts.end(), TreeTextLess);
    QCOMPARE(texts, sorted);
    for (const QString& t : sorted) QVERIFY(!TreeTextLess(t, t));
}

void TestFileNames::modes_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("maps");
    QTest::addColumn<bool>("packs");
    QTest::addColumn<QString>("newExtension");
    QTest::newRow("open both") << int(osOpenBoth) << "*.vr?" << true << true << ".vrm";
    QTest::newRow("open map") << int(osOpenMap) << "*.vrm" << true << false << ".vrm";
    QTest::newRow("open pack") << int(osOpenPack) << "*.vrp" << false << true << ".vrp";
    QTest::newRow("save map") << int(osSaveMap) << "*.vrm" << true << false << ".vrm";
    QTest::newRow("save pack") << int(osSavePack) << "*.vrp" << false << true << ".vrp";
}

void TestFileNames::modes() {
    QFETCH(int, mode);
    const auto m = TOpenSaveType(mode);
    QTEST(ModeFilter(m), "filter");
    bool isPack = true;
    QTEST(ModeListsFile(m, ".VRM", isPack), "maps");
    QCOMPARE(isPack && ModeListsFile(m, ".vrm", isPack), false);
    QTEST(ModeListsFile(m, ".vrp", isPack), "packs");
    QVERIFY(!ModeListsFile(m, ".vrx", isPack));
    QVERIFY(!ModeListsFile(m, "", isPack));
    QTEST(DefaultExtension(m, false), "newExtension");
    QCOMPARE(DefaultExtension(m, true), QString(".vrp"));
}

void TestFileNames::listing() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.path() + "/";
    auto touch = [&](const QString& rel) {
        QFile f(root + rel);
        QVERIFY(f.open(QIODevice::WriteOnly));
    };
    for (const char* d : {"zeta", "Alpha", "beta", "beta/deeper", ".hidden", "Empty"})
        QVERIFY(QDir().mkpath(root + d));
    for (const char* f :
         {"loose.vrm", "zeta/b.vrm", "zeta/A.VRM", "zeta/p.vrp", "zeta/x.vrx", "zeta/notes.txt",
          "beta/deeper/deep.vrm", ".hidden/h.vrm", "Alpha/Niveau 10.vrm", "Alpha/Niveau 9.vrm"})
        touch(f);
    QVERIFY(QFile::link(root + "zeta", root + "linked"));

    const QList<TListedFolder> both = ListGameFolder(dir.path(), osOpenBoth);
    QStringList names;
    for (const auto& f : both) names << f.Name;
    QCOMPARE(names, (QStringList{"Alpha", "beta", "Empty", "zeta"}));
    QCOMPARE(both[0].Files.size(), 2);
    QCOMPARE(both[0].Files[0].Text, QString("Niveau 9"));
    QCOMPARE(both[1].Files.size(), 0);
    const auto& zeta = both[3].Files;
    QCOMPARE(zeta.size(), 3);
    QCOMPARE(zeta[0].Text, QString("A"));
    QCOMPARE(zeta[0].DiskName, QString("A.VRM"));
    QVERIFY(!zeta[0].IsPack);
    QCOMPARE(zeta[1].Text, QString("b"));
    QCOMPARE(zeta[2].Text, QString("p"));
    QVERIFY(zeta[2].IsPack);

    const QList<TListedFolder> maps = ListGameFolder(dir.path(), osOpenMap);
    QCOMPARE(maps[3].Files.size(), 2);
    const QList<TListedFolder> packs = ListGameFolder(dir.path(), osSavePack);
    QCOMPARE(packs[3].Files.size(), 1);
    QCOMPARE(packs[0].Files.size(), 0);

    QVERIFY(ListGameFolder(root + "missing", osOpenBoth).isEmpty());
}

void TestFileNames::summary_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("folders");
    QTest::addColumn<int>("maps");
    QTest::addColumn<int>("packs");
    QTest::addColumn<QString>("text");
    QTest::newRow("maps and a pack") << int(osOpenBoth) << 2 << 3 << 1
                                     << "ℹ️2 dossiers contenant 3 tableaux et 1 pack au total";
    QTest::newRow("one map two packs") << int(osOpenBoth) << 1 << 1 << 2
                                       << "ℹ️1 dossier contenant 1 tableau et 2 packs au total";
    QTest::newRow("packs only") << int(osOpenPack) << 3 << 0 << 4
                                << "ℹ️3 dossiers contenant 4 packs au total";
    QTest::newRow("no map") << int(osOpenMap) << 1 << 0 << 0
                            << "ℹ️1 dossier ne contenant aucun tableau";
    QTest::newRow("no pack") << int(osOpenPack) << 2 << 0 << 0
                             << "ℹ️2 dossiers ne contenant aucun pack";
    QTest::newRow("nothing to open")
        << int(osOpenBoth) << 1 << 0 << 0 << "ℹ️1 dossier ne contenant aucun tableau ni pack";
    QTest::newRow("nothing to replace")
        << int(osSaveMap) << 1 << 0 << 0 << "ℹ️1 dossier ne contenant aucun tableau ni pack";
    QTest::newRow("no folder, open")
        << int(osOpenBoth) << 0 << 0 << 0 << "⚠️Aucun tableau ni pack à charger";
    QTest::newRow("no folder, open a map")
        << int(osOpenMap) << 0 << 0 << 0 << "⚠️Aucun tableau à charger";
    QTest::newRow("no folder, open a pack")
        << int(osOpenPack) << 0 << 0 << 0 << "⚠️Aucun tableau ni pack à charger";
    QTest::newRow("no folder, save")
        << int(osSavePack) << 0 << 0 << 0
        << "ℹ️Saisir d'abord un nom pour créer un dossier puis un nom pour le fichier";
}

void TestFileNames::summary() {
    QFETCH(int, mode);
    QFETCH(int, folders);
    QFETCH(int, maps);
    QFETCH(int, packs);
    QTEST(FolderSummary(TOpenSaveType(mode), folders, maps, packs), "text");
}

void TestFileNames::previewTexts() {
    QCOMPARE(SolutionSummary(""), QString("ℹ️Pas de solution incluse dans ce tableau"));
    QCOMPARE(SolutionSummary("0R"), QString("ℹ️Solution en 1 coups"));
    QCOMPARE(SolutionSummary("0R1L2U"), QString("ℹ️Solution en 3 coups"));
    QCOMPARE(PackSummary(20), QString("ℹ️Nombre de tableaux dans le pack : 20"));
}

QTEST_GUILESS_MAIN(TestFileNames)
#include "tst_filenames.moc"
