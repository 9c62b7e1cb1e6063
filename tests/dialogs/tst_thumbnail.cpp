// The small picture of a map in the file browser and the pack editor: tile size, frame, pawns
// over tiles, doors alike, and nothing at all without pawns.
#include "dialogs/BoardThumbnail.h"
#include "platform/ImageList.h"
#include "tests/TestSupport.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

namespace {

const QStringList Rows = {"###########", "#1.......o#", "#.........#", "#...d.D...#",
                          "#.........#", "#....b....#", "#.s.A.B..o#", "###########"};

QImage Draw(const TMap& Map, int Width = 198, int Height = 148, qreal Scale = 1) {
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    DrawBoardThumbnail(p, Width, Map.Board, Map.PawnNb, Map.PawnPos, Scale);
    return image;
}

QPoint CellCentre(int X, int Y, int Tile) {
    return {4 + X * Tile + Tile / 2, 4 + Y * Tile + Tile / 2};
}

} // namespace

class TestThumbnail : public QObject {
    Q_OBJECT

private slots:
    void tileSize_data();
    void tileSize();
    void nothingWithoutPawns();
    void frame();
    void frameFollowsScale_data();
    void frameFollowsScale();
    void pawnsOverTiles();
    void doorsAlike();
};

void TestThumbnail::tileSize_data() {
    QTest::addColumn<qreal>("width");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<int>("tile");
    QTest::newRow("the dialogs' paint box") << qreal(198) << qreal(1) << 17;
    QTest::newRow("100 wide") << qreal(100) << qreal(1) << 8;
    QTest::newRow("96 wide") << qreal(96) << qreal(1) << 8;
    QTest::newRow("wider at design scale") << qreal(297) << qreal(1) << 26;
    QTest::newRow("enlarged by half") << qreal(297) << qreal(1.5) << 25;
    QTest::newRow("doubled") << qreal(396) << qreal(2) << 34;
    QTest::newRow("rounded to the nearest") << qreal(95.6) << qreal(1) << 8;
    QTest::newRow("too small for a tile") << qreal(18) << qreal(1) << 0;
    QTest::newRow("no scale counts as 1") << qreal(198) << qreal(0) << 17;
}

void TestThumbnail::tileSize() {
    QFETCH(qreal, width);
    QFETCH(qreal, scale);
    QTEST(ThumbnailTileSize(width, scale), "tile");
}

void TestThumbnail::nothingWithoutPawns() {
    TMap map = MapFromRows(Rows);
    map.PawnNb = 0;
    const QImage image = Draw(map);
    QImage blank(image.size(), image.format());
    blank.fill(Qt::transparent);
    QCOMPARE(image, blank);
}

void TestThumbnail::frame() {
    const QImage image = Draw(MapFromRows(Rows));
    const QRgb frame = 0xFF56443B;
    // The stroke of 5 runs along (2, 2)-(193, 142) and covers the outer edge of the tiles.
    for (const QPoint& p : {QPoint(2, 70), QPoint(0, 70), QPoint(193, 70), QPoint(195, 70),
                            QPoint(100, 2), QPoint(100, 142), QPoint(0, 0), QPoint(195, 144)})
        QCOMPARE(image.pixel(p), frame);
    for (const QPoint& p : {QPoint(197, 70), QPoint(100, 146)}) QCOMPARE(qAlpha(image.pixel(p)), 0);
}

void TestThumbnail::frameFollowsScale_data() {
    QTest::addColumn<qreal>("scale");
    QTest::newRow("design size") << qreal(1);
    QTest::newRow("doubled") << qreal(2);
    QTest::newRow("tripled") << qreal(3);
}

// Enlarged with its dialog, the picture keeps its proportions: a margin of 4 and a frame of 5
// at design size grow by the dialog's scale, the frame still covering the tiles' outer edge.
void TestThumbnail::frameFollowsScale() {
    QFETCH(qreal, scale);
    const int width = int(198 * scale), height = int(148 * scale);
    const QImage image = Draw(MapFromRows(Rows), width, height, scale);
    const int tile = ThumbnailTileSize(width, scale);
    QCOMPARE(tile, int(std::lround(198 * scale - 8 * scale)) / 11);
    const int margin = int(4 * scale);
    const QRgb frame = 0xFF56443B;
    const int midY = height / 2;
    // From the picture's edge across the margin: frame; half a design pixel further, the tiles.
    const int inside = margin + int(std::ceil(scale / 2));
    for (int x = 0; x < margin; ++x) QCOMPARE(image.pixel(x, midY), frame);
    for (int y = 0; y < margin; ++y) QCOMPARE(image.pixel(width / 2, y), frame);
    QVERIFY(image.pixel(inside, midY) != frame);
    QVERIFY(image.pixel(width / 2, inside) != frame);
    const QImage wall = Images::OverView().Bitmap(ctWall, QSize(tile, tile)).toImage();
    QCOMPARE(image.pixel(CellCentre(0, 3, tile) + QPoint(margin - 4, margin - 4)),
             wall.pixel(tile / 2, tile / 2));
    const int right = margin + 11 * tile; // just past the last column of tiles
    for (int x = right; x < right + margin - int(scale / 2); ++x)
        QCOMPARE(image.pixel(x, midY), frame);
    // Nothing beyond the frame's outer edge.
    const int outside = right + margin + int(std::ceil(scale / 2));
    for (int x = outside; x < width; ++x) QCOMPARE(qAlpha(image.pixel(x, midY)), 0);
}

void TestThumbnail::pawnsOverTiles() {
    constexpr int tile = 17;
    TMap onGoal = MapFromRows(Rows);
    onGoal.PawnPos[0] = {9, 1};
    const QImage image = Draw(onGoal);
    const QImage pawn = Images::OverView().Bitmap(8, QSize(tile, tile)).toImage();
    const QImage goal = Images::OverView().Bitmap(ctGoal, QSize(tile, tile)).toImage();
    const QPoint middle(tile / 2, tile / 2);
    QVERIFY(pawn.pixel(middle) != goal.pixel(middle));
    QCOMPARE(image.pixel(CellCentre(9, 1, tile)), pawn.pixel(middle));
    QCOMPARE(image.pixel(CellCentre(9, 6, tile)), goal.pixel(middle));
    // Every pawn is drawn, not only the first.
    onGoal.PawnNb = 2;
    onGoal.PawnPos[1] = {9, 6};
    QCOMPARE(Draw(onGoal).pixel(CellCentre(9, 6, tile)), pawn.pixel(middle));
}

void TestThumbnail::doorsAlike() {
    TMap raised = MapFromRows(Rows);
    TMap lowered = raised;
    lowered.SetCell(6, 3, ctDoorDown);
    QCOMPARE(raised.Cell(6, 3), ctDoorUp);
    const QImage picture = Draw(raised);
    QCOMPARE(picture, Draw(lowered));
    // The routine keeps no state: the same map gives the same picture again.
    QCOMPARE(Draw(raised), picture);
}

QTEST_MAIN(TestThumbnail)
#include "tst_thumbnail.moc"
