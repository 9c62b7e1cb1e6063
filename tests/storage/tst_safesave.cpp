// Saves that fail (a full disk, a FIFO, a link out of the game's folder) keep the earlier file
// byte for byte and say why; special files and outside links are never read or listed.
#include "storage/Examples.h"
#include "storage/FileNames.h"
#include "storage/GameFolder.h"
#include "storage/MapFile.h"
#include "storage/SafeSave.h"
#include "storage/Settings.h"
#include "tests/TestSupport.h"

#include <QStorageInfo>
#include <QtTest>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray FileBytes(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void WriteBytes(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(Bytes), Bytes.size());
}

// A pack of twenty examples with long texts: far more than the space left on the small disk.
TPack BigPack() {
    TPack pack;
    pack.Title = QStringLiteral("Gros pack");
    pack.MapNb = MaxMaps;
    for (int i = 0; i < MaxMaps; ++i) {
        pack.Maps[i] = ExampleMap(i % ExampleCount + 1);
        pack.Maps[i].Info = QString(900, QLatin1Char('x'));
    }
    return pack;
}

} // namespace

class TestSafeSave : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fullDisk_data();
    void fullDisk();
    void diskFillsDuringWrite();
    void fifoIsNeverOpened();
    void linksOutOfTheGameFolder();

private:
    // Mounts a small file system over Disk; false (with the reason in Skip) when it cannot.
    bool MountSmallDisk(int KiB);
    // Writes a filler file until the disk refuses more, leaving Spare bytes or fewer free.
    void FillDisk(qint64 Spare = 0);
    QTemporaryDir Dir;
    QString Disk;
    QString Skip;
    bool Mounted = false;
};

void TestSafeSave::init() {
    QVERIFY(Dir.isValid());
    Disk = Dir.filePath(QStringLiteral("game"));
    QVERIFY(QDir().mkpath(Disk));
    SetGameDir(Disk);
}

void TestSafeSave::cleanup() {
    SetGameDir(QString());
    if (Mounted) umount2(Disk.toLocal8Bit().constData(), MNT_DETACH);
    Mounted = false;
    QDir(Disk).removeRecursively();
}

bool TestSafeSave::MountSmallDisk(int KiB) {
    if (geteuid() != 0) {
        Skip = QStringLiteral("mounting a small disk needs root");
        return false;
    }
    const QByteArray options = "size=" + QByteArray::number(KiB) + "k";
    if (mount("tmpfs", Disk.toLocal8Bit().constData(), "tmpfs", 0, options.constData()) != 0) {
        Skip =
            QStringLiteral("cannot mount a small disk: ") + QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    Mounted = true;
    return true;
}

void TestSafeSave::FillDisk(qint64 Spare) {
    QFile filler(Disk + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(512, 'f');
    for (;;) {
        if (Spare > 0) {
            QStorageInfo info(Disk);
            info.refresh();
            if (info.bytesAvailable() <= Spare) break;
        }
        if (filler.write(block) != block.size()) break;
    }
}

void TestSafeSave::fullDisk_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("map") << "map";
    QTest::newRow("pack") << "pack";
    QTest::newRow("settings") << "settings";
}

void TestSafeSave::fullDisk() {
    QFETCH(QString, kind);
    if (!MountSmallDisk(64)) QSKIP(qPrintable(Skip));
    const QString name = kind == "map"    ? QStringLiteral("m.vrm")
                         : kind == "pack" ? QStringLiteral("p.vrp")
                                          : QStringLiteral("Virelune.ini");
    const QString path = GamePath(name);
    const QByteArray old = "the earlier file, " + kind.toUtf8() + "\r\n";
    WriteBytes(path, old);
    FillDisk();

    TMessageRecorder rec;
    bool saved = true;
    if (kind == "map") {
        TMap map = ExampleMap(3);
        saved = WriteMapFile(name, map, nullptr, rec);
    } else if (kind == "pack") {
        saved = WritePackFile(name, BigPack(), rec);
    } else {
        TSettings s;
        s.Width = 900;
        s.Height = 700;
        saved = WriteSettings(path, s, false, rec);
    }
    QVERIFY(!saved);
    QCOMPARE(FileBytes(path), old);
    QCOMPARE(rec.Shown.size(), 1);
    QVERIFY2(IsWriteError(rec.Shown[0], path), qPrintable(rec.Shown[0].second));
    // The temporary file is gone: only the earlier file and the filler are left.
    QCOMPARE(QDir(Disk).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestSafeSave::diskFillsDuringWrite() {
    if (!MountSmallDisk(64)) QSKIP(qPrintable(Skip));
    const QString path = GamePath(QStringLiteral("p.vrp"));
    TMessageRecorder rec;
    TPack small;
    small.MapNb = 1;
    small.Maps[0] = ExampleMap(1);
    QVERIFY(WritePackFile(QStringLiteral("p.vrp"), small, rec));
    const QByteArray old = FileBytes(path);
    // Some room is left, but less than the big pack needs: the write starts and then fails.
    FillDisk(12 * 1024);
    QVERIFY(QStorageInfo(Disk).bytesAvailable() > 4096);
    QVERIFY(!WritePackFile(QStringLiteral("p.vrp"), BigPack(), rec));
    QCOMPARE(FileBytes(path), old);
    QCOMPARE(rec.Shown.size(), 1);
    QVERIFY(rec.Shown[0].second.startsWith(QStringLiteral("Erreur lors de l'écriture du fichier")));
    QCOMPARE(QDir(Disk).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestSafeSave::fifoIsNeverOpened() {
    const QString fifo = GamePath(QStringLiteral("Virelune.ini"));
    QCOMPARE(mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
    const QString fifoMap = GamePath(QStringLiteral("maps/f.vrm"));
    QVERIFY(QDir().mkpath(GamePath(QStringLiteral("maps"))));
    QCOMPARE(mkfifo(fifoMap.toLocal8Bit().constData(), 0644), 0);

    // The settings: defaults at start, and the close says why nothing was written.
    TIniStore ini;
    QString error;
    QVERIFY(!ini.Load(fifo, &error));
    QCOMPARE(error, NotRegularFileText());
    QCOMPARE(ReadSettings(fifo).LoadedMap, 1);
    TMessageRecorder rec;
    QVERIFY(!WriteSettings(fifo, TSettings(), false, rec));
    QCOMPARE(rec.Texts(), QStringList{WriteErrorText(fifo, "ce n'est pas un fichier ordinaire")});

    // A map: as good as missing when read; refused when saved over.
    rec.Shown.clear();
    TPack pack;
    QVERIFY(!ReadMaps(osOpenBoth, pack, QStringLiteral("maps/f.vrm"), rec));
    QCOMPARE(rec.Texts(), QStringList{"Le fichier maps/f.vrm n'existe pas"});
    rec.Shown.clear();
    TMap map = ExampleMap(1);
    QVERIFY(!WriteMapFile(QStringLiteral("maps/f.vrm"), map, nullptr, rec));
    QCOMPARE(rec.Texts(), QStringList{WriteErrorText(fifoMap, NotRegularFileText())});
    QVERIFY(QFileInfo(fifoMap).exists() && !QFileInfo(fifoMap).isFile());
    // Nor does the browser list it.
    QVERIFY(ListGameFolder(Disk, osOpenBoth).first().Files.isEmpty());
}

void TestSafeSave::linksOutOfTheGameFolder() {
    const QString outside = Dir.filePath(QStringLiteral("outside.vrm"));
    TMessageRecorder rec;
    TMap map = ExampleMap(2);
    QVERIFY(WriteMapFile(outside, map, nullptr, rec)); // an absolute name: the checker's way
    const QByteArray outsideBytes = FileBytes(outside);
    QVERIFY(QDir().mkpath(GamePath(QStringLiteral("maps"))));
    QVERIFY(QFile::link(outside, GamePath(QStringLiteral("maps/out.vrm"))));
    QVERIFY(QFile::link(Dir.filePath(QStringLiteral("gone.vrm")),
                        GamePath(QStringLiteral("maps/dangling.vrm"))));
    QVERIFY(WriteMapFile(QStringLiteral("maps/real.vrm"), map, nullptr, rec));
    QVERIFY(QFile::link(GamePath(QStringLiteral("maps/real.vrm")),
                        GamePath(QStringLiteral("maps/in.vrm"))));
    QVERIFY(rec.Shown.isEmpty());

    // Neither listed nor read...
    QStringList listed;
    const QList<TListedFolder> folders = ListGameFolder(Disk, osOpenBoth);
    for (const TListedFile& f : folders.first().Files) listed << f.DiskName;
    QCOMPARE(listed, (QStringList{"in.vrm", "real.vrm"}));
    TPack pack;
    QVERIFY(!ReadMaps(osOpenBoth, pack, QStringLiteral("maps/out.vrm"), rec));
    QCOMPARE(rec.Texts(), QStringList{"Le fichier maps/out.vrm n'existe pas"});
    rec.Shown.clear();
    QVERIFY(ReadMaps(osOpenBoth, pack, QStringLiteral("maps/in.vrm"), rec));

    // ...nor written, a dangling link included; a link inside the folder is saved through.
    for (const char* name : {"maps/out.vrm", "maps/dangling.vrm"}) {
        rec.Shown.clear();
        QVERIFY(!WriteMapFile(QString::fromLatin1(name), map, nullptr, rec));
        QCOMPARE(rec.Texts(), QStringList{WriteErrorText(GamePath(name), OutsideGameFolderText())});
    }
    QCOMPARE(FileBytes(outside), outsideBytes);
    QVERIFY(!QFileInfo::exists(Dir.filePath(QStringLiteral("gone.vrm"))));
    rec.Shown.clear();
    QVERIFY(WriteMapFile(QStringLiteral("maps/in.vrm"), map, nullptr, rec));

    // The game folder itself may be reached through a link.
    const QString linkedGame = Dir.filePath(QStringLiteral("linked-game"));
    QVERIFY(QFile::link(Disk, linkedGame));
    SetGameDir(linkedGame);
    QVERIFY(ReadMaps(osOpenBoth, pack, QStringLiteral("maps/real.vrm"), rec));
    QVERIFY(WriteMapFile(QStringLiteral("maps/new.vrm"), map, nullptr, rec));
    QVERIFY(!WriteMapFile(QStringLiteral("maps/out.vrm"), map, nullptr, rec));
    QCOMPARE(FileBytes(outside), outsideBytes);
}

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
