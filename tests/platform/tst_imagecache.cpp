// Checks the disk cache of rendered pictures: reused when it matches, rebuilt whenever an entry
// is damaged, truncated, foreign, of another size or drawn from an older picture, and simply
// skipped when its folder cannot be written.
#include "platform/ImageList.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
// A square filled with Colour and a second colour in its middle.
QByteArray Svg(const char* Colour) {
    return QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                      "<rect width='10' height='10' fill='") +
           Colour + "'/><circle cx='5' cy='5' r='3' fill='white'/></svg>";
}

void WriteFile(const QString& Path, const QByteArray& Data) {
    QFile f(Path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Data);
}

QByteArray ReadFile(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TstImageCache : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ReusesMatchingEntry();
    void KeyedByRatio();
    void RebuildsBadEntry_data();
    void RebuildsBadEntry();
    void RebuildsStaleEntry();
    void WorksWithoutWritableFolder();
    void SkipsEntryThatIsNoFile_data();
    void SkipsEntryThatIsNoFile();

private:
    QImage Draw(QSize Size = QSize(20, 20), qreal Ratio = 1.0, int* Rendered = nullptr) {
        const TImageList list({Picture});
        const QImage image = list.Bitmap(0, Size, Ratio).toImage();
        if (Rendered) *Rendered = list.Rendered();
        return image;
    }

    std::unique_ptr<QTemporaryDir> Dir;
    QString Picture;
    QString Entry;
};

void TstImageCache::init() {
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(Dir->isValid());
    QVERIFY(QDir(Dir->path()).mkpath("art/cells"));
    Picture = Dir->filePath("art/cells/Goal.svg");
    WriteFile(Picture, Svg("red"));
    TImageList::SetCacheFolder(Dir->filePath("cache/pictures"));
    Entry = TImageList::CacheEntry(Picture, QSize(20, 20), 1.0);
}

void TstImageCache::cleanup() {
    TImageList::SetCacheFolder(QString());
}

// The second start draws from the entry the first one left, with the same pixels.
void TstImageCache::ReusesMatchingEntry() {
    QVERIFY(Entry.startsWith(Dir->filePath("cache/pictures/")));
    int rendered = -1;
    const QImage first = Draw(QSize(20, 20), 1.0, &rendered);
    QCOMPARE(rendered, 1);
    QVERIFY(QFile::exists(Entry));
    const QImage second = Draw(QSize(20, 20), 1.0, &rendered);
    QCOMPARE(rendered, 0);
    QCOMPARE(second, first);
    QCOMPARE(second.pixelColor(1, 1), QColor(Qt::red));
}

void TstImageCache::KeyedByRatio() {
    int rendered = -1;
    Draw(QSize(20, 20), 1.0, &rendered);
    const QImage doubled = Draw(QSize(10, 10), 2.0, &rendered);
    QCOMPARE(rendered, 1); // same device size, another ratio: its own entry
    QCOMPARE(doubled.size(), QSize(20, 20));
    QVERIFY(QFile::exists(TImageList::CacheEntry(Picture, QSize(20, 20), 2.0)));
    Draw(QSize(10, 10), 2.0, &rendered);
    QCOMPARE(rendered, 0);
}

void TstImageCache::RebuildsBadEntry_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("pixel flipped") << "flip";
    QTest::newRow("truncated") << "truncate";
    QTest::newRow("padded") << "pad";
    QTest::newRow("foreign file") << "foreign";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("entry of another size") << "size";
    QTest::newRow("key overwritten") << "key";
}

// A damaged entry is never shown: the picture is drawn again and the entry rewritten.
void TstImageCache::RebuildsBadEntry() {
    QFETCH(QString, damage);
    const QImage good = Draw();
    QByteArray bytes = ReadFile(Entry);
    QVERIFY(!bytes.isEmpty());
    if (damage == "flip") bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x5A);
    if (damage == "truncate") bytes.chop(9);
    if (damage == "pad") bytes.append('\0');
    if (damage == "foreign") bytes = QByteArray(bytes.size(), 'x');
    if (damage == "empty") bytes.clear();
    if (damage == "key") bytes[20] = char(bytes[20] ^ 1);
    if (damage == "size") {
        // A valid entry of the same picture at 10 x 10 put in the place of the 20 x 20 one.
        Draw(QSize(10, 10));
        bytes = ReadFile(TImageList::CacheEntry(Picture, QSize(10, 10), 1.0));
        QVERIFY(!bytes.isEmpty());
    }
    WriteFile(Entry, bytes);
    int rendered = -1;
    const QImage again = Draw(QSize(20, 20), 1.0, &rendered);
    QCOMPARE(rendered, 1);
    QCOMPARE(again, good);
    Draw(QSize(20, 20), 1.0, &rendered);
    QCOMPARE(rendered, 0); // the entry was rebuilt
}

// A picture whose SVG changed is drawn anew, not taken from the entry of its old text.
void TstImageCache::RebuildsStaleEntry() {
    QCOMPARE(Draw().pixelColor(1, 1), QColor(Qt::red));
    WriteFile(Picture, Svg("blue"));
    int rendered = -1;
    QCOMPARE(Draw(QSize(20, 20), 1.0, &rendered).pixelColor(1, 1), QColor(Qt::blue));
    QCOMPARE(rendered, 1);
}

// A cache folder that cannot be made (here under a plain file, which holds even for root) only
// means every picture is drawn from its SVG.
void TstImageCache::WorksWithoutWritableFolder() {
    WriteFile(Dir->filePath("plain"), "not a folder");
    TImageList::SetCacheFolder(Dir->filePath("plain/pictures"));
    int rendered = -1;
    QCOMPARE(Draw(QSize(20, 20), 1.0, &rendered).pixelColor(1, 1), QColor(Qt::red));
    QCOMPARE(rendered, 1);
    QCOMPARE(Draw(QSize(20, 20), 1.0, &rendered).pixelColor(1, 1), QColor(Qt::red));
    QCOMPARE(rendered, 1);
}

void TstImageCache::SkipsEntryThatIsNoFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("folder") << "folder";
}

// Whatever stands in an entry's place is neither opened (a FIFO would block the start) nor
// replaced: the picture is drawn from its SVG every time.
void TstImageCache::SkipsEntryThatIsNoFile() {
    QFETCH(QString, kind);
    QVERIFY(QDir().mkpath(QFileInfo(Entry).absolutePath()));
    if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(Entry).constData(), 0600), 0);
    else
        QVERIFY(QDir().mkpath(Entry));
    for (int run = 0; run < 2; ++run) {
        int rendered = -1;
        QCOMPARE(Draw(QSize(20, 20), 1.0, &rendered).pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(rendered, 1);
    }
    QVERIFY(!QFileInfo(Entry).isFile());
}

QTEST_MAIN(TstImageCache)
#include "tst_imagecache.moc"
