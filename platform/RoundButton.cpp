// Paints the game's rounded buttons and their split-button arrows.
#include "platform/RoundButton.h"

#include "platform/DropDownArrow.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

TRoundButton::TRoundButton(const QString& Text, QWidget* Parent) : QAbstractButton(Parent) {
    setText(Text);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QSize TRoundButton::sizeHint() const {
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(text()) + 16, fm.height() + 10);
}

QPainterPath RoundedPath(const QRectF& R, double Radius, int Corners) {
    QPainterPath p;
    const double d = 2 * Radius;
    using B = TRoundButton;
    p.moveTo(R.left() + ((Corners & B::rcTopLeft) ? Radius : 0), R.top());
    if (Corners & B::rcTopRight) {
        p.lineTo(R.right() - Radius, R.top());
        p.arcTo(R.right() - d, R.top(), d, d, 90, -90);
    } else {
        p.lineTo(R.topRight());
    }
    if (Corners & B::rcBottomRight) {
        p.lineTo(R.right(), R.bottom() - Radius);
        p.arcTo(R.right() - d, R.bottom() - d, d, d, 0, -90);
    } else {
        p.lineTo(R.bottomRight());
    }
    if (Corners & B::rcBottomLeft) {
        p.lineTo(R.left() + Radius, R.bottom());
        p.arcTo(R.left(), R.bottom() - d, d, d, 270, -90);
    } else {
        p.lineTo(R.bottomLeft());
    }
    if (Corners & B::rcTopLeft) {
        p.lineTo(R.left(), R.top() + Radius);
        p.arcTo(R.left(), R.top(), d, d, 180, -90);
    }
    p.closeSubpath();
    return p;
}

void TRoundButton::enterEvent(QEnterEvent* Event) {
    Hovered = true;
    update();
    QAbstractButton::enterEvent(Event);
}

void TRoundButton::leaveEvent(QEvent* Event) {
    Hovered = false;
    update();
    QAbstractButton::leaveEvent(Event);
}

void TRoundButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = std::max(1.0, Radius * height() / 32.0);
    const QPainterPath path = RoundedPath(r, radius, Corners);

    const bool enabled = isEnabled();
    const bool down = isDown() || isChecked();
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (down) {
        fill.setColorAt(0, QColor(0xC4, 0xDD, 0xF5));
        fill.setColorAt(1, QColor(0xA9, 0xCC, 0xEE));
    } else if (Hovered && enabled) {
        fill.setColorAt(0, QColor(0xF4, 0xF9, 0xFE));
        fill.setColorAt(1, QColor(0xD9, 0xEA, 0xFA));
    } else {
        fill.setColorAt(0, QColor(0xFD, 0xFD, 0xFD));
        fill.setColorAt(1, QColor(0xE6, 0xE6, 0xE6));
    }
    p.fillPath(path, fill);
    p.setPen(QPen(
        enabled && (Hovered || down) ? QColor(0x3C, 0x7F, 0xB1) : QColor(0xA0, 0xA0, 0xA0), 1.0));
    p.drawPath(path);

    const QColor ink = enabled ? QColor(0x20, 0x20, 0x20) : QColor(0xA0, 0xA0, 0xA0);
    if (DownArrow) {
        DrawDropDownArrow(p, QRectF(rect()), font(), ink);
        return;
    }
    if (text().isEmpty()) return;
    p.setPen(ink);
    p.setFont(font());
    const double pad = std::max(2.0, height() / 10.0);
    QRectF textBox = QRectF(rect()).adjusted(pad, 0, -pad, 0);
    int align = Qt::AlignCenter;
    if (TextPlace == tpRight) align = Qt::AlignRight | Qt::AlignVCenter;
    if (TextPlace == tpBottom) {
        textBox = QRectF(rect()).adjusted(1, 0, -1, -pad / 2);
        align = Qt::AlignHCenter | Qt::AlignBottom;
    }
    style()->drawItemText(&p, textBox.toRect(), align | Qt::TextShowMnemonic, palette(), enabled,
                          text());
}
