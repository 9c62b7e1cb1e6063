// The window's layout: controls at their design places, the play/edit switch, the information
// callout, and a window too small for the board.
#include "platform/BitmapRect.h"
#include "platform/Callout.h"
#include "storage/Examples.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"
#include "tests/TestSupport.h"
#include "mainwindow/MainWindow.h"
#include "tests/mainwindow/WindowFixture.h"
#include "platform/TrackBar.h"

#include <QLabel>
#include <QSlider>
#include <QtTest>

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void designPlaces_data();
    void designPlaces();
    void buttonsDoNotOverlap();
    void startsOnExample1();
    void editGlyphSize_data();
    void editGlyphSize();
    void switchModes();
    void calloutTexts_data();
    void calloutTexts();
    void calloutCloses();
    void tooSmallGrows();
    void speedBarScales();

private:
    TVirelMain* W = nullptr;
    TWindowSeams Seams;
    TMessageRecorder& Messages = Seams.Messages;
};

void TestLayout::init() {
    Messages = TMessageRecorder();
    W = Seams.NewWindow();
    W->resize(764, 556);
    W->show();
    QVERIFY(QTest::qWaitForWindowExposed(W));
}

void TestLayout::cleanup() {
    delete W;
    W = nullptr;
}

void TestLayout::designPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("load") << "btLoad"
                          << "&Charger";
    QTest::newRow("load arrow") << "btLoadPopup"
                                << "6";
    QTest::newRow("save") << "btSave"
                          << "&Sauver";
    QTest::newRow("save as") << "btSaveAs"
                             << "Sau&ver...";
    QTest::newRow("pack") << "btPack"
                          << "&Pack";
    QTest::newRow("pack arrow") << "btPackPopup"
                                << "6";
    QTest::newRow("info") << "btInfo"
                          << "&Information";
    QTest::newRow("about") << "btAbout"
                           << "&A propos";
    QTest::newRow("edit") << "btEditPlay"
                          << "&Editer";
    QTest::newRow("undo") << "btUndo"
                          << "Annuler";
    QTest::newRow("replay") << "btReplay"
                            << "Rejouer";
    QTest::newRow("help") << "btHelp"
                          << "Aide";
    QTest::newRow("solution") << "btSolution"
                              << "";
}

// Each button inside its panel's design area, stretched on screen by the panel's factors.
void TestLayout::designPlaces() {
    QFETCH(QString, name);
    auto* b = Child<TRoundButton>(W, qPrintable(name));
    auto* s = qobject_cast<TScaledLayout*>(b->parentWidget());
    QVERIFY(s);
    const QRectF rect = s->DesignRect(b);
    QVERIFY(QRectF(0, 0, s->OriginalWidth(), s->OriginalHeight()).contains(rect));
    QTEST(b->text(), "text");
    QCOMPARE(b->focusPolicy(), Qt::NoFocus);
    QCOMPARE(b->DownArrow, b->text() == "6");
    const QRect g = b->geometry();
    QVERIFY(qAbs(g.left() - rect.left() * s->FactorX()) <= 1);
    QVERIFY(qAbs(g.width() - rect.width() * s->FactorX()) <= 1);
    QVERIFY(qAbs(g.height() - rect.height() * s->FactorY()) <= 1);
}

// The toolbar's buttons share one row and the side panel's one column; none covers another,
// except that a popup arrow starts one unit inside the button it belongs to.
void TestLayout::buttonsDoNotOverlap() {
    for (const char* panel : {"slToolBar", "slPlay"}) {
        auto* s = Child<TScaledLayout>(W, panel);
        QList<QRectF> rects;
        for (auto* b : s->findChildren<TRoundButton*>(QString(), Qt::FindDirectChildrenOnly))
            rects << s->DesignRect(b);
        QVERIFY(rects.size() >= 4);
        for (int i = 0; i < rects.size(); ++i) {
            QCOMPARE(QString(panel) == "slToolBar" ? rects[i].height() : rects[i].width(),
                     QString(panel) == "slToolBar" ? rects[0].height() : rects[0].width());
            for (int j = i + 1; j < rects.size(); ++j) {
                const QRectF both = rects[i].intersected(rects[j]);
                QVERIFY2(both.isEmpty() || both.width() <= 1,
                         qPrintable(QString("%1: %2 and %3 overlap").arg(panel).arg(i).arg(j)));
            }
        }
    }
}

void TestLayout::startsOnExample1() {
    QCOMPARE(W->windowTitle(), QStringLiteral("Virelune  \u25CF  Exemple 1"));
    QCOMPARE(W->Session.LoadedMap.Stored(), 1);
    QVERIFY(!W->Session.EditMode);
    QCOMPARE(W->Session.Play.CurMap.Board, ExampleMap(1).Board);
    QCOMPARE(W->Session.Play.PawnIndex, 1);
    QCOMPARE(Child<QLabel>(W, "lbCount")->text(), QStringLiteral("000"));
    QCOMPARE(Child<QSlider>(W, "tbSpeed")->value(), 2);
    QCOMPARE(W->palette().color(QPalette::Window).rgba(), 0xFFD7E8F8u);
    QVERIFY(!Child<TRoundButton>(W, "btPackPopup")->isEnabled());
    QVERIFY(!Child<TRoundButton>(W, "btUndo")->isEnabled() &&
            !Child<TRoundButton>(W, "btReplay")->isEnabled());
    QCOMPARE(Child<TRoundButton>(W, "btSolution")->isEnabled(), !ExampleMap(1).Solution.isEmpty());
    QCOMPARE(Child<TBoardBox>(W, "pbBoard")->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!Child<TBitmapRect>(W, "rEditPlay")->Bitmap().isNull());
    // Example 1 has a text: it opens by itself.
    QCOMPARE(W->InfoVisible(), !ExampleMap(1).Info.isEmpty());
    QVERIFY(Messages.Shown.isEmpty());
}

void TestLayout::editGlyphSize_data() {
    QTest::addColumn<bool>("toEdit");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("size");
    QTest::newRow("pencil at 88") << false << 88 << 46;
    QTest::newRow("pencil at 92") << false << 92 << 76;
    QTest::newRow("die at 84") << true << 84 << 44;
    QTest::newRow("die at 88") << true << 88 << 88;
}

void TestLayout::editGlyphSize() {
    QFETCH(bool, toEdit);
    QFETCH(int, cell);
    W->Session.EditMode = !toEdit;
    W->CellSize = cell;
    W->ToggleEditMode();
    const QPixmap glyph = Child<TBitmapRect>(W, "rEditPlay")->Bitmap();
    QTEST(qRound(glyph.width() / glyph.devicePixelRatio()), "size");
    QCOMPARE(Child<TRoundButton>(W, "btEditPlay")->text(),
             toEdit ? QStringLiteral("&Jouer") : QStringLiteral("&Editer"));
}

void TestLayout::switchModes() {
    const TSmallPoint start = W->Session.Play.CurMap.PawnPos[0];
    // Find a direction the first pawn can move in, and move it.
    bool moved = false;
    for (const QChar d : QStringLiteral("LURD")) {
        W->Session.Play.PlayMove(1, d);
        if (W->Session.Play.MoveCount > 0) {
            moved = true;
            break;
        }
    }
    QVERIFY(moved);
    QCOMPARE(Child<QLabel>(W, "lbCount")->text(), QStringLiteral("001"));
    QVERIFY(Child<TRoundButton>(W, "btUndo")->isEnabled());

    W->btEditPlayClick(); // to edit: rewound to the map's start
    QVERIFY(W->Session.EditMode);
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(W->Session.Play.CurMap.PawnPos[0], start);
    QCOMPARE(W->Session.Play.PawnIndex, 0);
    QVERIFY(Child<QWidget>(W, "pnEdit")->isVisible());
    const QPixmap cellTool = Child<TBitmapRect>(W, "rCell")->Bitmap();
    QCOMPARE(qRound(cellTool.width() / cellTool.devicePixelRatio()), W->CellSize);
    QVERIFY(!Child<TBitmapRect>(W, "rPawn")->Bitmap().isNull());
    W->resize(900, 1000); // a new cell size: new palette pictures
    QTRY_COMPARE(W->CellSize, 64);
    QCOMPARE(qRound(Child<TBitmapRect>(W, "rCell")->Bitmap().width() /
                    Child<TBitmapRect>(W, "rCell")->Bitmap().devicePixelRatio()),
             64);
    QVERIFY(Child<TRoundButton>(W, "btSaveAs")->isEnabled());
    QVERIFY(!Child<TRoundButton>(W, "btSave")->isEnabled());
    QCOMPARE(Child<TBoardBox>(W, "pbBoard")->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!W->InfoVisible());

    W->Session.SetChanged(1); // an edit: the example becomes a new map of the player's
    QVERIFY(Child<TRoundButton>(W, "btSave")->isEnabled());
    QCOMPARE(W->windowTitle(), QStringLiteral("Virelune  \u25CF  Nouveau tableau"));

    W->btEditPlayClick(); // back to play, from the start
    QVERIFY(!W->Session.EditMode);
    QVERIFY(!Child<QWidget>(W, "pnEdit")->isVisible());
    QVERIFY(!Child<TRoundButton>(W, "btSave")->isEnabled() &&
            !Child<TRoundButton>(W, "btSaveAs")->isEnabled());
    QCOMPARE(W->Session.Play.PawnIndex, 1);
    QCOMPARE(W->Session.Play.MoveCount, 0);
    QCOMPARE(Child<TBoardBox>(W, "pbBoard")->cursor().shape(), Qt::PointingHandCursor);
}

void TestLayout::calloutTexts_data() {
    QTest::addColumn<QString>("packText");
    QTest::addColumn<QString>("mapText");
    QTest::addColumn<bool>("packShown");
    QTest::newRow("map text only") << ""
                                   << "Un texte" << false;
    QTest::newRow("pack text only") << "Le pack"
                                    << "" << true;
    QTest::newRow("both, wrapping")
        << "Le pack"
        << "Un texte assez long pour tenir sur plusieurs lignes dans la bulle" << true;
}

void TestLayout::calloutTexts() {
    QFETCH(QString, packText);
    QFETCH(QString, mapText);
    QFETCH(bool, packShown);
    Child<TCalloutRect>(W, "crInfo")->hide();
    W->Session.CurPack.Info = packText;
    W->Session.CurPack.MapNb = 1;
    W->Session.LoadedMap = TLoadedMap::FromStored(packText.isEmpty() ? 0 : -1);
    W->Session.Play.CurMap.Info = mapText;
    W->Session.UpdateCaption(W->Session.LoadedMap.Stored() < 0);
    QVERIFY(Child<TRoundButton>(W, "btInfo")->isEnabled());
    W->btInfoClick();
    QVERIFY(W->InfoVisible());
    QCOMPARE(Child<QLabel>(W, "lPackInfo")->isVisibleTo(Child<TCalloutRect>(W, "crInfo")),
             packShown);
    QCOMPARE(Child<QLabel>(W, "lMapInfo")->text(), mapText);
    QVERIFY(Child<QLabel>(W, "lPackInfo")->font().bold());
    // Height: the labels' wrapped text plus 20, in the toolbar's design units, hanging from
    // (-52, 28) of the Information button.
    const QRectF r =
        Child<TScaledLayout>(W, "slToolBar")->DesignRect(Child<TCalloutRect>(W, "crInfo"));
    const double pack = packShown ? Child<TScaledLayout>(W, "slToolBar")
                                        ->DesignRect(Child<QLabel>(W, "lPackInfo"))
                                        .height()
                                  : 0;
    const double map = mapText.isEmpty() ? 0
                                         : Child<TScaledLayout>(W, "slToolBar")
                                               ->DesignRect(Child<QLabel>(W, "lMapInfo"))
                                               .height();
    QCOMPARE(r, QRectF(414 - 52, 4 + 28, 217, pack + map + 20));
    QVERIFY(map > 0 || pack > 0);
    if (mapText.size() > 40) QVERIFY(map > 1.5 * pack); // wrapped on several lines
    // The pointer reaches into the button; the bubble lies under it, over the board.
    const double fy = Child<TScaledLayout>(W, "slToolBar")->FactorY();
    QVERIFY(Child<TCalloutRect>(W, "crInfo")->geometry().top() <
            Child<TRoundButton>(W, "btInfo")->geometry().bottom());
    QVERIFY(Child<TCalloutRect>(W, "crInfo")->geometry().top() + 11 * fy >=
            Child<TRoundButton>(W, "btInfo")->geometry().bottom() - 1);
    QVERIFY(Child<TCalloutRect>(W, "crInfo")->geometry().bottom() >
            Child<TBoardBox>(W, "pbBoard")->geometry().top());
    QVERIFY(Child<TCalloutRect>(W, "crInfo")->isVisible());
}

void TestLayout::calloutCloses() {
    W->Session.Play.CurMap.Info = QStringLiteral("Texte");
    W->Session.LoadedMap = TLoadedMap::FromStored(1);
    W->Session.UpdateCaption(false);
    Child<TCalloutRect>(W, "crInfo")->hide();
    // Two clicks on Information: open, close.
    QTest::mouseClick(Child<TRoundButton>(W, "btInfo"), Qt::LeftButton);
    QVERIFY(W->InfoVisible());
    QTest::mouseClick(Child<TRoundButton>(W, "btInfo"), Qt::LeftButton);
    QVERIFY(!W->InfoVisible());
    // A click on the callout, or on the window's own surface, closes it.
    W->btInfoClick();
    QTest::mouseClick(Child<TCalloutRect>(W, "crInfo"), Qt::LeftButton, {},
                      QPoint(Child<TCalloutRect>(W, "crInfo")->width() / 2, 30));
    QVERIFY(!W->InfoVisible());
    W->btInfoClick();
    QTest::mouseClick(Child<TScaledLayout>(W, "slToolBar"), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!W->InfoVisible());
    // So does a change of speed.
    W->btInfoClick();
    Child<QSlider>(W, "tbSpeed")->setValue(3);
    QVERIFY(!W->InfoVisible());
    // With no text the button is disabled and does nothing.
    W->Session.Play.CurMap.Info.clear();
    W->Session.UpdateCaption(false);
    QVERIFY(!Child<TRoundButton>(W, "btInfo")->isEnabled());
    W->btInfoClick();
    QVERIFY(!W->InfoVisible());
}

void TestLayout::tooSmallGrows() {
    W->resize(500, 400);
    QTRY_VERIFY(W->frameGeometry().width() >= 640 && W->frameGeometry().height() >= 512);
    QCOMPARE(W->CellSize, CandidateCellSize(W->size()));
    QVERIFY(W->CellSize >= 44);
}

// The speed bar's track and thumb follow the side panel's scale, and a press at a thumb's place
// gives that value at any size.
void TestLayout::speedBarScales() {
    auto* bar = qobject_cast<TTrackBar*>(Child<QSlider>(W, "tbSpeed"));
    QVERIFY(bar);
    const auto measure = [&] {
        QCOMPARE(bar->Scale(), bar->width() / 19.0);
        QVERIFY(qAbs(bar->width() - 19 * Child<TScaledLayout>(W, "slPlay")->FactorX()) <= 1);
        // The thumbs of the lowest and highest values sit at the ends of the track.
        QVERIFY(qAbs(bar->ThumbRect(0).center().y() - bar->TrackRect().top()) < 0.01);
        QVERIFY(qAbs(bar->ThumbRect(4).center().y() - bar->TrackRect().bottom()) < 0.01);
        for (int v = 0; v <= 4; ++v) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->ThumbRect(v).center().toPoint());
            QCOMPARE(bar->value(), v);
        }
    };
    measure();
    const double factor = Child<TScaledLayout>(W, "slPlay")->FactorX();
    const QSizeF thumb = bar->ThumbRect(2).size();
    const double track = bar->TrackRect().width();
    W->resize(764 * 2, 556 * 2);
    QTRY_VERIFY(Child<TScaledLayout>(W, "slPlay")->FactorX() > 1.9 * factor);
    measure();
    const double grown = Child<TScaledLayout>(W, "slPlay")->FactorX() / factor;
    QVERIFY(qAbs(bar->ThumbRect(2).width() / thumb.width() - grown) < 0.1);
    QVERIFY(qAbs(bar->ThumbRect(2).height() / thumb.height() - grown) < 0.1);
    QVERIFY(qAbs(bar->TrackRect().width() / track - grown) < 0.1);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
