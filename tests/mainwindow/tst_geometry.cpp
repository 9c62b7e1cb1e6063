// The board's geometry: every size that follows from the cell size, the cell size a window
// holds, its hysteresis, the board's borders and the side panel's aspect; and the real window.
#include "session/BoardGeometry.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"
#include "mainwindow/MainWindow.h"
#include "tests/mainwindow/WindowFixture.h"

#include <QtTest>

class TestGeometry : public QObject {
    Q_OBJECT
private slots:
    void metrics_data();
    void metrics();
    void pass_data();
    void pass();
    void hysteresis_data();
    void hysteresis();
    void tooSmall();
    void aspect_data();
    void aspect();
    void window();
};

void TestGeometry::metrics_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("pawn");
    QTest::addColumn<int>("pawnDelta");
    QTest::addColumn<int>("rised");
    QTest::addColumn<int>("wallDelta");
    QTest::addColumn<int>("toolbar");
    QTest::addColumn<int>("panel");
    const int rows[][7] = {{44, 32, 7, 52, 4, 31, 61},    {48, 36, 7, 57, 4, 34, 67},
                           {52, 38, 8, 61, 4, 37, 72},    {56, 42, 8, 66, 5, 40, 78},
                           {60, 44, 9, 71, 5, 42, 84},    {64, 48, 9, 75, 5, 45, 89},
                           {72, 53, 10, 85, 6, 51, 100},  {88, 65, 12, 104, 8, 62, 123},
                           {96, 72, 13, 113, 8, 68, 134}, {112, 84, 15, 132, 10, 80, 156}};
    for (const auto& r : rows)
        QTest::addRow("%d", r[0]) << r[0] << r[1] << r[2] << r[3] << r[4] << r[5] << r[6];
}

void TestGeometry::metrics() {
    QFETCH(int, cell);
    const TCellMetrics m = CellMetrics(cell);
    QCOMPARE(m.ScaleFactor, float(cell) / 56.0f);
    QTEST(m.PawnSize, "pawn");
    QTEST(m.PawnDelta, "pawnDelta");
    QTEST(m.RisedSize, "rised");
    QTEST(m.WallDelta, "wallDelta");
    QTEST(m.ToolBarHeight, "toolbar");
    QTEST(m.PlayWidth, "panel");
}

void TestGeometry::pass_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QSize>("board");
    QTest::addColumn<int>("borderX");
    QTest::addColumn<int>("borderY");
    // Design size: free 120 × 103, centred.
    QTest::newRow("764x556") << QSize(764, 556) << 52 << QSize(692, 519) << 60 << 51;
    // Smallest window: both free spaces under a cell, so the board sits past the centre.
    QTest::newRow("624x473") << QSize(624, 473) << 44 << QSize(563, 442) << 39 << 45;
    // Free width 90 is not more than a cell of 96: 90 * 3 / 5, not 45.
    QTest::newRow("1280x984") << QSize(1280, 984) << 96 << QSize(1146, 916) << 54 << 74;
    QTest::newRow("1600x980") << QSize(1600, 980) << 92 << QSize(1472, 915) << 230 << 89;
}

void TestGeometry::pass() {
    QFETCH(QSize, client);
    TBoardGeometry g;
    g.Metrics.CellSize = 56; // as the window sets it before its first pass
    g.Resize(client);
    QVERIFY(g.Recomputed);
    QTEST(g.Metrics.CellSize, "cell");
    QTEST(TBoardGeometry::BoardBox(client, g.Metrics), "board");
    QTEST(g.BorderX, "borderX");
    QTEST(g.BorderY, "borderY");
}

void TestGeometry::hysteresis_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("candidate");
    QTest::addColumn<bool>("recomputes");
    QTest::newRow("96 to 100: within 4") << 96 << 100 << false;
    QTest::newRow("96 to 104") << 96 << 104 << true;
    QTest::newRow("96 to 92") << 96 << 92 << false;
    QTest::newRow("92 to 96: below 96 every change counts") << 92 << 96 << true;
    QTest::newRow("192 to 200: within 8") << 192 << 200 << false;
    QTest::newRow("192 to 204") << 192 << 204 << true;
}

void TestGeometry::hysteresis() {
    QFETCH(int, from);
    QFETCH(int, candidate);
    TBoardGeometry g;
    g.Metrics = CellMetrics(from);
    g.Initialized = true;
    // A client area whose candidate is exactly `candidate`.
    const QSize client(53 * candidate / 4, 41 * candidate / 4);
    QCOMPARE(CandidateCellSize(client), candidate);
    g.Resize(client);
    QTEST(g.Recomputed, "recomputes");
    QCOMPARE(g.Metrics.CellSize, g.Recomputed ? candidate : from);
    // The borders follow the window in any case, from the cell size in force.
    const QSize box = TBoardGeometry::BoardBox(client, g.Metrics);
    QCOMPARE(g.BorderX, BoardBorder(box.width() - 11 * g.Metrics.CellSize, g.Metrics.CellSize));
}

void TestGeometry::tooSmall() {
    TBoardGeometry g;
    g.Metrics = CellMetrics(52);
    g.Initialized = true;
    g.BorderX = 60;
    g.Resize(QSize(600, 473)); // 4 × min(11, 11) = 44 fits; 600 / 53 = 11
    QVERIFY(!g.TooSmall);
    g.Resize(QSize(580, 473)); // 4 × 10 = 40
    QVERIFY(g.TooSmall);
    QVERIFY(!g.Recomputed);
    QCOMPARE(g.Metrics.CellSize, 44);

    TBoardGeometry notShown; // before the window is shown nothing happens
    notShown.Resize(QSize(764, 556));
    QVERIFY(!notShown.Recomputed && !notShown.TooSmall);
    QCOMPARE(notShown.Metrics.CellSize, 0);
}

void TestGeometry::aspect_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<double>("aspect");
    QTest::newRow("tall 900x1000") << QSize(900, 1000) << 89.0 * 516 / (955 * 70);
    QTest::newRow("wide 1024x700: 1.074 is more than 1.06") << QSize(1024, 700) << 1.0;
    QTest::newRow("design size") << QSize(764, 556) << 72.0 * 516 / (519 * 70);
}

void TestGeometry::aspect() {
    QFETCH(QSize, client);
    TBoardGeometry g;
    g.Metrics.CellSize = 56;
    g.Resize(client);
    QTEST(g.Aspect, "aspect");
    QCOMPARE(PanelAspect(0, 0), 1.0);
}

void TestGeometry::window() {
    TWindowSeams seams;
    TVirelMain w(seams.Messages, seams.Chooser);
    w.resize(764, 556);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), QSize(764, 556));
    QCOMPARE(w.CellSize, 52);
    QCOMPARE(w.ScaleFactor, 52.0f / 56.0f);
    QCOMPARE(w.PawnSize, 38);
    QCOMPARE(w.RisedSize, 61);
    QCOMPARE(w.BorderX, 60);
    QCOMPARE(w.BorderY, 51);
    QCOMPARE(Child<TScaledLayout>(&w, "slToolBar")->geometry(), QRect(0, 0, 764, 37));
    QCOMPARE(Child<TScaledLayout>(&w, "slPlay")->geometry(), QRect(692, 37, 72, 519));
    QCOMPARE(Child<TBoardBox>(&w, "pbBoard")->geometry(), QRect(0, 37, 692, 519));
    QCOMPARE(w.windowTitle(), QStringLiteral("Virelune  \u25CF  Exemple 1"));

    // Controls sit at their design positions, stretched by the panels' factors.
    // Toolbar: 764 wide as designed, 37 of 40 high.
    QCOMPARE(Child<TRoundButton>(&w, "btInfo")->geometry(), QRect(414, 4, 103, 30));
    const double fy = 519.0 / 516.0, fx = 72.0 / 70.0;
    QCOMPARE(Child<TRoundButton>(&w, "btUndo")->geometry().topLeft(),
             QPoint(qRound(8 * fx), qRound(182 * fy)));
    QVERIFY(!Child<QWidget>(&w, "pnEdit")->isVisible());
    QVERIFY(!Child<TRoundButton>(&w, "btSaveAs")->isEnabled());

    // Growing to a cell of 64 moves and stretches everything.
    w.resize(900, 1000);
    QTRY_COMPARE(w.CellSize, 64);
    QCOMPARE(Child<TScaledLayout>(&w, "slPlay")->geometry(), QRect(900 - 89, 45, 89, 955));
    QVERIFY(qAbs(w.PanelScaleY - 0.687) < 0.001);

    // A pawn gliding while the window shrinks keeps its place on the board.
    w.AnimPawnX = 3 * 64 + 32;
    w.AnimPawnY = 5 * 64;
    w.resize(764, 556);
    QTRY_COMPARE(w.CellSize, 52);
    QCOMPARE(w.AnimPawnX, 3 * 52 + 26);
    QCOMPARE(w.AnimPawnY, 5 * 52);
}

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
