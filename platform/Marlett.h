// The symbol-font glyphs the game's buttons use, drawn as shapes: Marlett's "6" is a small
// down-pointing triangle.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;

// Draws Marlett "6" centred in Box, as large as a bold glyph of Font would be.
void DrawMarlettDown(QPainter& Painter, const QRectF& Box, const QFont& Font, const QColor& Color);
