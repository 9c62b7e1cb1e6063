// The small picture of a map that the load and save dialog and the pack editor show.
#pragma once

#include "Types.h"

class QPainter;

// Draws Board with its pawns and a dark frame into a paint box Width pixels wide (tiles of
// (Width - 8) div 11); draws nothing at all when PawnNb is 0. Keeps no state.
void DrawBoardThumbnail(QPainter& Canvas, qreal Width, const TBoard& Board, int PawnNb,
                        const TPawnArray& PawnPos);

// Side of one tile for a paint box Width pixels wide.
int ThumbnailTileSize(qreal Width);
