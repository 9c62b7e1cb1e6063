// Paints an icon rectangle: its bitmap stretched, dimmed when its button is disabled.
#include "platform/BitmapRect.h"

#include <QMouseEvent>
#include <QPainter>

TBitmapRect::TBitmapRect(QWidget* Parent, bool HitTest) : QWidget(Parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !HitTest);
    if (HitTest) setCursor(Qt::PointingHandCursor);
}

void TBitmapRect::SetBitmap(const QPixmap& Bitmap) {
    Fill = Bitmap;
    update();
}

void TBitmapRect::SetRotationAngle(qreal Degrees) {
    Angle = Degrees;
    update();
}

void TBitmapRect::paintEvent(QPaintEvent*) {
    if (Fill.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) p.setOpacity(0.4);
    const QRectF box = rect();
    if (Angle != 0) {
        p.translate(box.center());
        p.rotate(Angle);
        p.translate(-box.center());
    }
    p.drawPixmap(box, Fill, QRectF(Fill.rect()));
}

void TBitmapRect::mousePressEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton) emit Clicked();
    Event->accept();
}
