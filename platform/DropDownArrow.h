// The drop-down arrow of the game's menu buttons: the small down-pointing triangle of the
// Marlett symbol font ("6"), drawn as a shape.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

// Draws the arrow centred in Box, as large as a bold glyph of Font would be.
void DrawDropDownArrow(QPainter& Painter, const QRectF& Box, const QFont& Font,
                       const QColor& Color);
