// Checks that every picture of every image list renders at the board's sizes and is cached.
#include "platform/ImageList.h"

#include <QImage>
#include <QTest>

class TstImageList : public QObject {
    Q_OBJECT
private slots:
    void Renders_data();
    void Renders();
    void CachesPerSizeAndRatio();
    void KeepsShapeInWideBox();
    void RejectsBadRequests_data();
    void RejectsBadRequests();
};

static const TImageList& ListNamed(const QString& Name) {
    if (Name == "Cell") return Images::Cell();
    if (Name == "Rised") return Images::Rised();
    if (Name == "Pawn") return Images::Pawn();
    if (Name == "Glyph") return Images::Glyph();
    if (Name == "Menu") return Images::Menu();
    if (Name == "Buttons") return Images::Buttons();
    if (Name == "Message") return Images::Message();
    if (Name == "OverView") return Images::OverView();
    if (Name == "TreeView") return Images::TreeView();
    return Images::Emblem();
}

void TstImageList::Renders_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    const QList<QPair<QString, int>> lists = {
        {"Cell", 8},    {"Rised", 2},   {"Pawn", 2},     {"Glyph", 4},    {"Menu", 6},
        {"Buttons", 5}, {"Message", 3}, {"OverView", 9}, {"TreeView", 3}, {"Emblem", 1}};
    for (const auto& [name, count] : lists) QTest::newRow(qPrintable(name)) << name << count;
}

// Each picture draws something visible (not a blank or broken file) at every cell size.
void TstImageList::Renders() {
    QFETCH(QString, list);
    QFETCH(int, count);
    const TImageList& images = ListNamed(list);
    QCOMPARE(images.Count(), count);
    for (int i = 0; i < count; ++i) {
        for (int size : {44, 56, 112}) {
            for (qreal ratio : {1.0, 2.0}) {
                const QPixmap pixmap = images.Bitmap(i, QSize(size, size), ratio);
                QVERIFY2(!pixmap.isNull(), qPrintable(QString("%1 #%2").arg(list).arg(i)));
                QCOMPARE(pixmap.devicePixelRatio(), ratio);
                QCOMPARE(pixmap.size(), QSize(qRound(size * ratio), qRound(size * ratio)));
                const QImage image = pixmap.toImage();
                int opaque = 0;
                for (int y = 0; y < image.height(); y += 2)
                    for (int x = 0; x < image.width(); x += 2)
                        opaque += qAlpha(image.pixel(x, y)) > 128;
                QVERIFY2(opaque > image.width() * image.height() / 4 / 20,
                         qPrintable(QString("%1 #%2 is nearly empty").arg(list).arg(i)));
            }
        }
    }
}

void TstImageList::CachesPerSizeAndRatio() {
    const TImageList& cells = Images::Cell();
    const QPixmap a = cells.Bitmap(Images::ciGoal, QSize(56, 56));
    QCOMPARE(cells.Bitmap(Images::ciGoal, QSize(56, 56)).cacheKey(), a.cacheKey());
    QVERIFY(cells.Bitmap(Images::ciGoal, QSize(56, 56), 2.0).cacheKey() != a.cacheKey());
    QVERIFY(cells.Bitmap(Images::ciGoal, QSize(60, 60)).cacheKey() != a.cacheKey());
    QVERIFY(cells.Bitmap(Images::ciStop, QSize(56, 56)).cacheKey() != a.cacheKey());
}

// The folder icon asked for at 54 x 44 is drawn square in the middle, with clear sides.
void TstImageList::KeepsShapeInWideBox() {
    const QImage image = Images::TreeView().Bitmap(Images::tiFolder, QSize(54, 44)).toImage();
    QCOMPARE(image.size(), QSize(54, 44));
    auto columnEmpty = [&](int x) {
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) != 0) return false;
        return true;
    };
    QVERIFY(columnEmpty(0));
    QVERIFY(columnEmpty(53));
    QVERIFY(!columnEmpty(27));
}

void TstImageList::RejectsBadRequests_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("negative index") << -1 << QSize(56, 56) << 1.0;
    QTest::newRow("index past end") << 8 << QSize(56, 56) << 1.0;
    QTest::newRow("empty size") << 0 << QSize(0, 56) << 1.0;
    QTest::newRow("zero ratio") << 0 << QSize(56, 56) << 0.0;
    QTest::newRow("huge size") << 0 << QSize(100000, 100000) << 1.0;
}

// Requests outside the list or of no sensible size give a null pixmap, never a crash.
void TstImageList::RejectsBadRequests() {
    QFETCH(int, index);
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    QVERIFY(Images::Cell().Bitmap(index, size, ratio).isNull());
}

QTEST_MAIN(TstImageList)
#include "tst_imagelist.moc"
