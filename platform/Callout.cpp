// Paints the callout's bubble and reports clicks on it.
#include "platform/Callout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

TCalloutRect::TCalloutRect(QWidget* Parent) : QWidget(Parent) {}

void TCalloutRect::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double f = DesignWidth > 0 ? width() / DesignWidth : 1.0;
    const double pointerLength = PointerLength * f;
    const double halfPointer = PointerWidth * f / 2;
    const double radius = Radius * f;
    const QRectF body = QRectF(rect()).adjusted(1, pointerLength + 1, -1, -1);
    const double cx = body.center().x();

    QPainterPath bubble;
    bubble.addRoundedRect(body, radius, radius);
    QPainterPath pointer;
    pointer.moveTo(cx - halfPointer, body.top() + 1);
    pointer.lineTo(cx, 1);
    pointer.lineTo(cx + halfPointer, body.top() + 1);
    pointer.closeSubpath();
    const QPainterPath shape = bubble.united(pointer);

    p.fillPath(shape.translated(2, 2), QColor(0, 0, 0, 40));
    p.fillPath(shape, QColor(0xFF, 0xFF, 0xFF));
    QPen pen(QColor(0x50, 0x50, 0x50), 1.0);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.drawPath(shape);
}

void TCalloutRect::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton) emit Clicked();
    Event->accept();
}
