// The browser's file operations on the disk: nothing is replaced, and links are never followed.
#include "storage/FileOps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestFileOps : public QObject {
    Q_OBJECT

private slots:
    void init();
    void existence();
    void createFolder();
    void renameNeverReplaces();
    void removeFile();
    void removeEmptyFolder();
    void linksAreNotFollowed();

private:
    std::unique_ptr<QTemporaryDir> Dir;
    QString Root;
    TFileOps& Ops = DiskFileOps();
    void Touch(const QString& Rel) {
        QFile f(Root + Rel);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
};

void TestFileOps::init() {
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(Dir->isValid());
    Root = Dir->path() + "/";
    QVERIFY(QDir().mkpath(Root + "Maps"));
    Touch("Maps/one.vrm");
}

void TestFileOps::existence() {
    QVERIFY(Ops.FolderExists(Root + "Maps"));
    QVERIFY(!Ops.FolderExists(Root + "Maps/one.vrm"));
    QVERIFY(Ops.FileExists(Root + "Maps/one.vrm"));
    QVERIFY(!Ops.FileExists(Root + "Maps"));
    QVERIFY(Ops.EntryExists(Root + "Maps"));
    QVERIFY(!Ops.EntryExists(Root + "Nothing"));
    QVERIFY(!Ops.FolderIsEmpty(Root + "Maps"));
    QVERIFY(QDir().mkpath(Root + "Hidden"));
    QVERIFY(Ops.FolderIsEmpty(Root + "Hidden"));
    Touch("Hidden/.dot");
    QVERIFY(!Ops.FolderIsEmpty(Root + "Hidden"));
}

void TestFileOps::createFolder() {
    QVERIFY(Ops.CreateFolder(Root + "New"));
    QVERIFY(QFileInfo(Root + "New").isDir());
    QVERIFY(!Ops.CreateFolder(Root + "New"));
    QVERIFY(!Ops.CreateFolder(Root + "Maps/one.vrm"));
    QVERIFY(!Ops.CreateFolder(Root + "Missing/New"));
}

void TestFileOps::renameNeverReplaces() {
    Touch("Maps/two.vrm");
    QVERIFY(!Ops.Rename(Root + "Maps/one.vrm", Root + "Maps/two.vrm"));
    QVERIFY(QFile::exists(Root + "Maps/one.vrm"));
    QVERIFY(QDir().mkpath(Root + "Empty"));
    QVERIFY(!Ops.Rename(Root + "Maps", Root + "Empty"));
    QVERIFY(Ops.FileExists(Root + "Maps/one.vrm"));
    QVERIFY(!Ops.Rename(Root + "Maps/none.vrm", Root + "Maps/three.vrm"));

    QVERIFY(Ops.Rename(Root + "Maps/one.vrm", Root + "Maps/three.vrm"));
    QVERIFY(!QFile::exists(Root + "Maps/one.vrm"));
    QVERIFY(Ops.Rename(Root + "Maps", Root + "Cartes"));
    QVERIFY(QFile::exists(Root + "Cartes/three.vrm"));
}

void TestFileOps::removeFile() {
    QVERIFY(Ops.RemoveFile(Root + "Maps/one.vrm"));
    QVERIFY(!QFile::exists(Root + "Maps/one.vrm"));
    QVERIFY(!Ops.RemoveFile(Root + "Maps/one.vrm"));
    QVERIFY(!Ops.RemoveFile(Root + "Maps"));
    QVERIFY(QFileInfo(Root + "Maps").isDir());
}

void TestFileOps::removeEmptyFolder() {
    QVERIFY(!Ops.RemoveEmptyFolder(Root + "Maps"));
    QVERIFY(QFile::exists(Root + "Maps/one.vrm"));
    QVERIFY(!Ops.RemoveEmptyFolder(Root + "Maps/one.vrm"));
    QVERIFY(QDir().mkpath(Root + "Empty"));
    QVERIFY(Ops.RemoveEmptyFolder(Root + "Empty"));
    QVERIFY(!QFileInfo::exists(Root + "Empty"));
}

void TestFileOps::linksAreNotFollowed() {
    QTemporaryDir outside;
    const QString target = outside.path() + "/kept.vrm";
    {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir().mkpath(outside.path() + "/folder"));
    QVERIFY(QFile::link(target, Root + "Maps/link.vrm"));
    QVERIFY(QFile::link(outside.path() + "/folder", Root + "Linked"));
    QVERIFY(QFile::link(outside.path() + "/gone", Root + "Maps/dangling.vrm"));

    QVERIFY(Ops.FileExists(Root + "Maps/dangling.vrm"));
    QVERIFY(!Ops.RemoveEmptyFolder(Root + "Linked"));
    QVERIFY(QFileInfo(outside.path() + "/folder").isDir());
    QVERIFY(!Ops.Rename(Root + "Maps/one.vrm", Root + "Maps/dangling.vrm"));

    QVERIFY(Ops.RemoveFile(Root + "Maps/link.vrm"));
    QVERIFY(QFile::exists(target));
    QVERIFY(Ops.RemoveFile(Root + "Maps/dangling.vrm"));
    QVERIFY(!Ops.EntryExists(Root + "Maps/dangling.vrm"));
    QVERIFY(Ops.RemoveFile(Root + "Linked"));
    QVERIFY(QFileInfo(outside.path() + "/folder").isDir());
}

QTEST_GUILESS_MAIN(TestFileOps)
#include "tst_fileops.moc"
