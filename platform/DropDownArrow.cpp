// Draws the drop-down arrow as a plain shape, since no Marlett font exists on the desktop.
#include "platform/DropDownArrow.h"

#include <QFontInfo>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

void DrawDropDownArrow(QPainter& Painter, const QRectF& Box, const QFont& Font,
                       const QColor& Color) {
    // Marlett's arrow is about half the em wide and a quarter of it high.
    const double em = QFontInfo(Font).pixelSize();
    const double halfWidth = std::max(2.0, std::min(em * 0.28, Box.width() * 0.3));
    const double height = halfWidth;
    const QPointF c = Box.center();
    const QPolygonF triangle{QPointF(c.x() - halfWidth, c.y() - height / 2),
                             QPointF(c.x() + halfWidth, c.y() - height / 2),
                             QPointF(c.x(), c.y() + height / 2)};
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(Color);
    Painter.drawPolygon(triangle);
    Painter.restore();
}
