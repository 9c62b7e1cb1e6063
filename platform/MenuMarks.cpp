// Check items with a picture: the check box where the style puts it, the picture after it, then
// the text. A menu none of whose items has a picture is drawn by the style as it always is.
#include "platform/MenuMarks.h"

#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {
// The check item of a menu in which some item has a picture.
const QStyleOptionMenuItem* MarkedCheckItem(QStyle::ControlElement Element,
                                            const QStyleOption* Option) {
    if (Element != QStyle::CE_MenuItem) return nullptr;
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(Option);
    if (!item || item->menuItemType != QStyleOptionMenuItem::Normal) return nullptr;
    if (item->checkType != QStyleOptionMenuItem::NonExclusive || item->maxIconWidth <= 0)
        return nullptr;
    return item;
}

// Lengths in pixels at 96 dots per inch, scaled to the screen as the style scales its own.
qreal Scaled(qreal Value, const QWidget* Widget) {
    qreal dpi = 96;
    if (Widget)
        dpi = Widget->logicalDpiX();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        dpi = screen->logicalDotsPerInchX();
    return Value * std::max<qreal>(1.0, dpi / 96.0);
}

// The column of the check box, as wide as the style makes it when no item has a picture.
int CheckColumn(const QStyleOption* Option, const QWidget* Widget) {
    return std::max(int(Option->rect.height() * 0.79), int(std::lround(Scaled(21, Widget))));
}
} // namespace

TMenuMarkStyle::TMenuMarkStyle(QStyle* Base) : QProxyStyle(Base) {}

void TMenuMarkStyle::drawControl(ControlElement Element, const QStyleOption* Option,
                                 QPainter* Painter, const QWidget* Widget) const {
    const QStyleOptionMenuItem* item = MarkedCheckItem(Element, Option);
    if (!item) {
        QProxyStyle::drawControl(Element, Option, Painter, Widget);
        return;
    }
    // The item's background and highlight, as the style draws them for a plain item.
    QStyleOptionMenuItem plain = *item;
    plain.icon = QIcon();
    plain.text.clear();
    plain.checkType = QStyleOptionMenuItem::NotCheckable;
    plain.checked = false;
    QProxyStyle::drawControl(Element, &plain, Painter, Widget);

    const QRect r = item->rect;
    const int margin = int(std::lround(Scaled(4, Widget)));
    const int column = CheckColumn(item, Widget);
    const qreal boxMargin = Scaled(3.5, Widget);
    const int boxSide = std::max(4, int(std::lround(column - 2 * boxMargin)));
    QStyleOptionButton box;
    box.QStyleOption::operator=(*item);
    box.rect = QRect(r.left() + margin + int(std::lround(boxMargin)),
                     r.center().y() - boxSide / 2 + 1, boxSide, boxSide);
    box.state &= ~(State_On | State_Off);
    box.state |= item->checked ? State_On : State_Off;
    proxy()->drawPrimitive(PE_IndicatorCheckBox, &box, Painter, Widget);

    const bool enabled = item->state & State_Enabled;
    const bool selected = enabled && (item->state & State_Selected);
    const int iconSide = proxy()->pixelMetric(PM_SmallIconSize, item, Widget);
    const int iconLeft = r.left() + margin + column;
    if (!item->icon.isNull()) {
        const QRect iconRect(iconLeft, r.center().y() - iconSide / 2 + 1, iconSide, iconSide);
        item->icon.paint(Painter, iconRect, Qt::AlignCenter,
                         enabled ? (selected ? QIcon::Active : QIcon::Normal) : QIcon::Disabled);
    }

    const int textLeft = iconLeft + iconSide + 2 * margin;
    QRect textRect(textLeft, r.top(), r.right() - margin - textLeft, r.height());
    const qsizetype tab = item->text.indexOf(QLatin1Char('\t'));
    const QString text = tab < 0 ? item->text : item->text.left(tab);
    const QPalette::ColorRole role = selected ? QPalette::HighlightedText : QPalette::Text;
    Painter->save();
    Painter->setFont(item->font);
    int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
    if (!proxy()->styleHint(SH_UnderlineShortcut, item, Widget)) flags |= Qt::TextHideMnemonic;
    proxy()->drawItemText(Painter, textRect, flags | Qt::AlignLeft, item->palette, enabled, text,
                          role);
    if (tab >= 0)
        proxy()->drawItemText(Painter, textRect, flags | Qt::AlignRight, item->palette, enabled,
                              item->text.mid(tab + 1), role);
    Painter->restore();
}

QSize TMenuMarkStyle::sizeFromContents(ContentsType Type, const QStyleOption* Option,
                                       const QSize& Size, const QWidget* Widget) const {
    QSize size = QProxyStyle::sizeFromContents(Type, Option, Size, Widget);
    if (Type == CT_MenuItem && MarkedCheckItem(CE_MenuItem, Option))
        size.rwidth() += proxy()->pixelMetric(PM_SmallIconSize, Option, Widget) +
                         int(std::lround(Scaled(8, Widget)));
    return size;
}

void KeepCheckMarksWithIcons(QMenu* Menu) {
    auto* style = new TMenuMarkStyle;
    style->setParent(Menu);
    Menu->setStyle(style);
}
