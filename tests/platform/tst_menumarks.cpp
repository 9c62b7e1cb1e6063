// Check items with a picture keep their check mark, drawn where the style draws it for items
// without one, with the picture after it.
#include "platform/MenuMarks.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QtTest>

class TestMenuMarks : public QObject {
    Q_OBJECT
private slots:
    void checkMarkAndPicture();
};

namespace {
const QSize ItemSize(160, 24);

QImage DrawItem(const QStyle& Style, bool Checked, bool WithIcon, bool MenuHasIcons) {
    QStyleOptionMenuItem item;
    item.rect = QRect(QPoint(0, 0), ItemSize);
    item.state = QStyle::State_Enabled;
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.checkType = QStyleOptionMenuItem::NonExclusive;
    item.checked = Checked;
    item.text = QStringLiteral("Exemple 1");
    item.font = QApplication::font();
    item.fontMetrics = QFontMetrics(item.font);
    item.palette = Style.standardPalette();
    item.maxIconWidth = MenuHasIcons ? 20 : 0;
    if (WithIcon) {
        QPixmap red(16, 16);
        red.fill(Qt::red);
        item.icon = QIcon(red);
    }
    QImage image(ItemSize, QImage::Format_RGB32);
    image.fill(item.palette.window().color());
    QPainter painter(&image);
    Style.drawControl(QStyle::CE_MenuItem, &item, &painter);
    return image;
}

QImage Column(const QImage& Image, int Width) {
    return Image.copy(0, 0, Width, Image.height());
}

bool HasRed(const QImage& Image) {
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (Image.pixel(x, y) == qRgb(255, 0, 0)) return true;
    return false;
}
} // namespace

void TestMenuMarks::checkMarkAndPicture() {
    TMenuMarkStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    // The check box column: as wide as the style makes it, 21 pixels after a margin of 4.
    const int box = 25;
    const QImage plainChecked = DrawItem(style, true, false, false);
    const QImage marked = DrawItem(style, true, true, true);
    const QImage markedOff = DrawItem(style, false, true, true);
    const QImage plainOff = DrawItem(style, false, false, false);

    QCOMPARE(Column(marked, box), Column(plainChecked, box));
    QCOMPARE(Column(markedOff, box), Column(plainOff, box));
    QVERIFY(Column(marked, box) != Column(markedOff, box));
    QVERIFY(!HasRed(Column(marked, box)));
    QVERIFY(HasRed(marked));
    // Text of an item with a picture starts after it, as it does for an item without one in
    // the same menu.
    QCOMPARE(DrawItem(style, true, false, true).copy(box + 20, 0, 100, 24),
             marked.copy(box + 20, 0, 100, 24));

    QStyleOptionMenuItem option;
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.checkType = QStyleOptionMenuItem::NonExclusive;
    option.maxIconWidth = 20;
    option.rect = QRect(QPoint(0, 0), ItemSize);
    const QSize inner(60, 20);
    QVERIFY(style.sizeFromContents(QStyle::CT_MenuItem, &option, inner).width() >
            style.baseStyle()->sizeFromContents(QStyle::CT_MenuItem, &option, inner).width());
}

QTEST_MAIN(TestMenuMarks)
#include "tst_menumarks.moc"
