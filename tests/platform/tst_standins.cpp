// The small stand-ins for what the toolkit lacks: the scaled layout, the drop-down arrow, the
// open-URL guard and the game's fonts.
#include "platform/Fonts.h"
#include "platform/DropDownArrow.h"
#include "platform/OpenUrl.h"
#include "platform/ScaledLayout.h"

#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QtTest>

class TestStandIns : public QObject {
    Q_OBJECT
private slots:
    void scaledLayout();
    void scaledFonts();
    void nestedScaleY();
    void floating();
    void dropDownArrow();
    void openUrlRefusesNonsense();
    void arialIsLiberationSans();
};

void TestStandIns::scaledLayout() {
    TScaledLayout layout(QSizeF(70, 516));
    layout.show();
    QWidget child(&layout);
    layout.Place(&child, {8, 182, 56, 56});
    layout.resize(140, 258); // twice as wide, half as high
    QCOMPARE(layout.FactorX(), 2.0);
    QCOMPARE(layout.FactorY(), 0.5);
    QCOMPARE(child.geometry(), QRect(16, 91, 112, 28));
    // A widget placed after the layout has its size is placed at once.
    QWidget late(&layout);
    layout.Place(&late, {0, 0, 70, 54});
    QCOMPARE(late.geometry(), QRect(0, 0, 140, 27));
    layout.SetDesignRect(&late, {10, 10, 10, 10});
    QCOMPARE(late.geometry(), QRect(20, 5, 20, 5));
}

void TestStandIns::scaledFonts() {
    TScaledLayout layout(QSizeF(764, 40));
    layout.show();
    QLabel label(QStringLiteral("Texte"), &layout);
    layout.Place(&label, {0, 0, 100, 20}, 12);
    layout.resize(764 * 2, 40 * 3 / 2);
    // Height from the vertical factor, width stretched to the horizontal one.
    QCOMPARE(label.font().pixelSize(), 18);
    QCOMPARE(label.font().stretch(), 133);
    const QFont f = ScaledFont(QFont(), 28, 1.0, 1.0);
    QCOMPARE(f.pixelSize(), 28);
    QCOMPARE(f.stretch(), 100);
    QCOMPARE(ScaledFont(QFont(), 9, 0.01, 0.01).pixelSize(), 1);
}

void TestStandIns::nestedScaleY() {
    // A panel whose palette keeps square buttons: the vertical scale applies to the widget
    // and everything inside it, from its top edge.
    TScaledLayout layout(QSizeF(70, 516));
    layout.show();
    QWidget panel(&layout);
    QWidget inner(&panel);
    QWidget tool(&inner);
    layout.Place(&panel, {0, 0, 70, 516});
    layout.Place(&inner, {0, 64, 70, 430});
    layout.Place(&tool, {10, 12, 50, 50});
    layout.resize(89, 955);
    layout.SetScaleY(&inner, 0.687);
    const double fx = 89.0 / 70, fy = 955.0 / 516;
    QCOMPARE(inner.y(), qRound(64 * fy));
    QCOMPARE(inner.height(), qRound(430 * fy * 0.687));
    QCOMPARE(tool.height(), qRound(50 * fy * 0.687));
    QCOMPARE(tool.width(), qRound(60 * fx) - qRound(10 * fx));
    QVERIFY(qAbs(tool.width() - tool.height()) <= 2); // square again
    QCOMPARE(layout.ScaleY(&inner), 0.687);
}

void TestStandIns::floating() {
    // A widget that hangs out of the layout over its neighbours: placed in the layout's design
    // units, parented to the window.
    QWidget window;
    window.resize(800, 600);
    window.show();
    TScaledLayout bar(QSizeF(764, 40), &window);
    bar.setGeometry(0, 10, 764 * 2, 20);
    QWidget bubble(&window);
    bar.PlaceFloating(&bubble, {362, 32, 217, 60});
    QCOMPARE(bubble.geometry(), QRect(724, 10 + 16, 434, 30));
}

void TestStandIns::dropDownArrow() {
    QImage image(20, 32, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        QFont f;
        f.setPixelSize(12);
        f.setBold(true);
        DrawDropDownArrow(p, QRectF(0, 0, 20, 32), f, Qt::black);
    }
    // Pointing down: wide above the centre, a point below it.
    const auto dark = [&](int y) {
        int n = 0;
        for (int x = 0; x < 20; ++x) n += qGray(image.pixel(x, y)) < 128;
        return n;
    };
    QVERIFY(dark(14) > dark(17));
    QVERIFY(dark(14) >= 4);
    QCOMPARE(dark(2), 0);
    QCOMPARE(dark(29), 0);
}

void TestStandIns::openUrlRefusesNonsense() {
    QVERIFY(!OpenUrl(QString()));
    QVERIFY(!OpenUrl(QStringLiteral("pas une adresse")));
}

void TestStandIns::arialIsLiberationSans() {
    InstallGameFonts();
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(28);
    QCOMPARE(QFontInfo(arial).family(), QStringLiteral("Liberation Sans"));
    QVERIFY(QApplication::font().families().contains(QStringLiteral("Noto Color Emoji")));
}

QTEST_MAIN(TestStandIns)
#include "tst_standins.moc"
