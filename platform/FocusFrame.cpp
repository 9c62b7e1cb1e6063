// A frame whose stroke follows its size (3 pixels around a 56-pixel tool).
#include "platform/FocusFrame.h"

#include <QPainter>
#include <algorithm>

TFocusFrame::TFocusFrame(QWidget* Parent) : QWidget(Parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TFocusFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double stroke = std::max(1.5, 3.0 * width() / 56.0);
    p.setPen(QPen(QColor(0x1E, 0x90, 0xFF), stroke));
    p.drawRect(QRectF(rect()).adjusted(stroke / 2, stroke / 2, -stroke / 2, -stroke / 2));
}
