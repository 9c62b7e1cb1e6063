// Drawing the board: what the player sees at known pixels, the partial paint of an animation
// against the full paint, and the rectangles the repaint requests ask for.
#include "platform/ImageList.h"
#include "tests/TestSupport.h"
#include "mainwindow/MainWindow.h"
#include "tests/mainwindow/WindowFixture.h"

#include <QPainter>
#include <QTimer>
#include <QtTest>

namespace {
const QRgb Fill = 0xFFD7E8F8;

// Pawn 1 (selected) at (2, 2), pawn 2 at (5, 2); a raised door at (3, 4) and a lowered door at
// (6, 4), each with floor to the left, above, right and below.
const QStringList Rows = {"###########", "#.........#", "#.1..2....#", "#.........#",
                          "#..D..d...#", "#.........#", "#.........#", "###########"};

// The picture Index of List drawn at size Size over the window's fill, as the board shows it
// where nothing else overlaps.
QImage OverFill(const TImageList& List, int Index, int Size, QImage Under = QImage(),
                QPoint At = QPoint()) {
    QImage out = Under.isNull() ? QImage(Size, Size, QImage::Format_ARGB32_Premultiplied) : Under;
    if (Under.isNull()) out.fill(Fill);
    QPainter p(&out);
    p.drawPixmap(At, List.Bitmap(Index, QSize(Size, Size), 1.0));
    return out;
}
} // namespace

class TestBoardPaint : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void marginIsWalledUp();
    void pawnsAndDoors();
    void editModeGreen();
    void paintPath_data();
    void paintPath();
    void animationRepaintIsPartial();
    void repaintRectangles();

private:
    QImage Render();
    QImage Cell(const QImage& Board, int Col, int Row) const;
    TVirelMain* W = nullptr;
    TWindowSeams Seams;
};

void TestBoardPaint::init() {
    W = Seams.NewWindow();
    W->resize(764, 556); // cell 52, borders 60 × 51
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W));
    W->Session.Play.CurMap = MapFromRows(Rows);
    W->Session.Play.ResetPlay(true); // selects pawn 1
    QCOMPARE(W->CellSize, 52);
}

void TestBoardPaint::cleanup() {
    delete W;
    W = nullptr;
}

QImage TestBoardPaint::Render() {
    QImage image(Child<TBoardBox>(W, "pbBoard")->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Fill); // the window's fill, which the paint box shows through
    QPainter p(&image);
    W->pbBoardPaint(p, QRegion(Child<TBoardBox>(W, "pbBoard")->rect()));
    return image;
}

QImage TestBoardPaint::Cell(const QImage& Board, int Col, int Row) const {
    return Board.copy(W->BorderX + Col * W->CellSize, W->BorderY + Row * W->CellSize, W->CellSize,
                      W->CellSize);
}

void TestBoardPaint::marginIsWalledUp() {
    const QImage board = Render();
    QVERIFY(!W->LastPaintPartial);
    const int w = board.width() - 1, h = board.height() - 1;
    const QPoint edges[] = {{0, 0},     {w, 0},     {0, h},
                            {w, h},     {w / 2, 0}, {w / 2, h},
                            {0, h / 2}, {w, h / 2}, {W->BorderX - 1, W->BorderY + 100}};
    for (const QPoint& p : edges)
        QVERIFY2(board.pixel(p) != Fill,
                 qPrintable(QStringLiteral("(%1, %2) shows the fill").arg(p.x()).arg(p.y())));
}

void TestBoardPaint::pawnsAndDoors() {
    const QImage board = Render();
    const int c = W->CellSize, d = W->PawnDelta;
    const QImage floor = OverFill(Images::Cell(), Images::ciVoid, c);

    // Floor, then the pawn's picture at its inset: blue for the selected pawn, green otherwise.
    QCOMPARE(Cell(board, 2, 2),
             OverFill(Images::Pawn(), Images::piPawnB, W->PawnSize, floor, QPoint(d, d)));
    QCOMPARE(Cell(board, 5, 2),
             OverFill(Images::Pawn(), Images::piPawnG, W->PawnSize, floor, QPoint(d, d)));
    // A lowered door lies flat: just its slab.
    QCOMPARE(Cell(board, 6, 4), OverFill(Images::Cell(), Images::ciDoorDown, c));
    // A raised door has no floor under it: only its block, over the window's fill.
    QImage raised(c, c, QImage::Format_ARGB32_Premultiplied);
    raised.fill(Fill);
    {
        QPainter p(&raised);
        p.drawPixmap(-W->WallDelta, -W->WallDelta,
                     Images::Rised().Bitmap(Images::riDoorUp, QSize(W->RisedSize, W->RisedSize)));
    }
    QCOMPARE(Cell(board, 3, 4), raised);
    // A plain floor cell.
    QCOMPARE(Cell(board, 8, 5), floor);

    // Selecting pawn 2 swaps the colours.
    W->Session.Play.SelectPawn(2);
    const QImage after = Render();
    QCOMPARE(Cell(after, 5, 2),
             OverFill(Images::Pawn(), Images::piPawnB, W->PawnSize, floor, QPoint(d, d)));
    QCOMPARE(Cell(after, 2, 2),
             OverFill(Images::Pawn(), Images::piPawnG, W->PawnSize, floor, QPoint(d, d)));
}

void TestBoardPaint::editModeGreen() {
    W->btEditPlayClick();
    QVERIFY(W->Session.EditMode);
    QCOMPARE(W->Session.Play.PawnIndex, 0);
    const QImage board = Render();
    const QImage floor = OverFill(Images::Cell(), Images::ciVoid, W->CellSize);
    const QImage green = OverFill(Images::Pawn(), Images::piPawnG, W->PawnSize, floor,
                                  QPoint(W->PawnDelta, W->PawnDelta));
    QCOMPARE(Cell(board, 2, 2), green);
    QCOMPARE(Cell(board, 5, 2), green);
}

void TestBoardPaint::paintPath_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<QRect>>("rects");
    QTest::addColumn<bool>("partial");
    // Board-box coordinates; the board spans (60, 51) to (632, 467).
    const QRect sweep(60 + 2 * 52 + 8, 51 + 2 * 52 + 8, 38 + 14, 38);
    QTest::newRow("one rectangle inside the board") << 1 << QList<QRect>{sweep} << true;
    QTest::newRow("the whole board exactly") << 2 << QList<QRect>{QRect(60, 51, 572, 416)} << true;
    QTest::newRow("two rectangles")
        << 1 << QList<QRect>{sweep, sweep.translated(200, 100)} << false;
    QTest::newRow("reaching the left margin") << 1 << QList<QRect>{QRect(59, 200, 40, 40)} << false;
    QTest::newRow("reaching the bottom margin")
        << 1 << QList<QRect>{QRect(300, 430, 40, 40)} << false;
    QTest::newRow("no animation") << 0 << QList<QRect>{sweep} << false;
}

void TestBoardPaint::paintPath() {
    QFETCH(int, mode);
    QFETCH(QList<QRect>, rects);
    W->Session.SetAnimation(TAnimation(mode));
    W->AnimPawnX = 2 * 52 + 7;
    W->AnimPawnY = 2 * 52;
    QRegion pending;
    for (const QRect& r : rects) pending += r;
    QImage image(Child<TBoardBox>(W, "pbBoard")->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Fill);
    {
        QPainter p(&image);
        W->pbBoardPaint(p, pending);
    }
    QTEST(W->LastPaintPartial, "partial");
    if (W->LastPaintPartial) {
        // The moving pawn is drawn blue where the animation puts it, over the floor.
        const QImage pawn = Images::Pawn()
                                .Bitmap(Images::piPawnB, QSize(W->PawnSize, W->PawnSize))
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QPoint at(W->BorderX + W->AnimPawnX + W->PawnDelta,
                        W->BorderY + W->AnimPawnY + W->PawnDelta);
        const QPoint mid(pawn.width() / 2, pawn.height() / 2);
        if (qAlpha(pawn.pixel(mid)) == 255) QCOMPARE(image.pixel(at + mid), pawn.pixel(mid));
        // Nothing outside the board is drawn.
        QCOMPARE(image.pixel(5, 5), Fill);
    }
    W->Session.SetAnimation(TAnimation::Idle);
}

void TestBoardPaint::animationRepaintIsPartial() {
    // A real repaint request during an animation reaches the paint as one rectangle.
    QTest::qWait(50);
    // The pawn's first tick sweeps one rectangle, before the move ends.
    W->crInfoClick();
    QTest::qWait(50);
    const int partial = W->PartialPaints, full = W->FullPaints;
    W->Session.PushPawn(u'R');
    QTRY_VERIFY(W->PartialPaints > partial);
    QCOMPARE(W->FullPaints, full);
    W->Session.SetAnimation(TAnimation::Idle);
}

void TestBoardPaint::repaintRectangles() {
    // Cell 52: wall outset 4, raised 61, pawn 38 inset 8.
    QCOMPARE(W->BoardRect(), QRect(56, 47, 572, 416));
    QCOMPARE(W->CellRect(0, 0), QRect(56, 47, 62, 62));
    QCOMPARE(W->CellRect(10, 7), QRect(60 + 520 - 4, 51 + 364 - 4, 62, 62));
    QCOMPARE(W->PawnRect(2), QRect(60 + 5 * 52 + 8, 51 + 2 * 52 + 8, 38, 38));
    // The pawn's own cell, not where an animation draws it.
    W->AnimPawnX = 300;
    QCOMPARE(W->PawnRect(1), QRect(60 + 2 * 52 + 8, 51 + 2 * 52 + 8, 38, 38));
    QVERIFY(W->PawnRect(0).isNull());
    QVERIFY(W->PawnRect(3).isNull());
}

QTEST_MAIN(TestBoardPaint)
#include "tst_boardpaint.moc"
