// The small picture of a map that the load and save dialog and the pack editor show.
#pragma once

#include "rules/Types.h"

class QPainter;

// Draws Board with its pawns and a dark frame into a paint box Width pixels wide; draws nothing
// at all when PawnNb is 0. Keeps no state. Scale is the dialog's: the 4-pixel margin and the
// 5-pixel frame grow with it, and the tiles share what the margins leave, (Width - 8 × Scale)
// div 11.
void DrawBoardThumbnail(QPainter& Canvas, qreal Width, const TBoard& Board, int PawnNb,
                        const TPawnArray& PawnPos, qreal Scale = 1);

// Side of one tile for a paint box Width pixels wide at the dialog's Scale.
int ThumbnailTileSize(qreal Width, qreal Scale = 1);
