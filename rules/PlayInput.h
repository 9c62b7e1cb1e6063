// Decisions behind the play controls that need no window: which way a press pushes the pawn,
// which pawn Ctrl+arrow selects, how fast the pawn glides, what the window's caption says.
#pragma once

#include "rules/Play.h"

// The direction a press on (Col, Row) pushes the pawn standing on PawnCell: 'U' or 'D' in its
// column, 'L' or 'R' in its row, blank elsewhere (and on the pawn's own cell).
QChar DirectionToward(TSmallPoint PawnCell, int Col, int Row);

// The pawn Ctrl+arrow selects from the selected pawn, looking in direction Dir ('L','U','R','D'):
// its own row (or column) first, then a cone widening ahead, then the whole half-board ahead;
// nearer rows (or columns) first, the upper row (or left column) first at equal distance.
// 0 when none is found.
int NearestPawnAlong(const TPlay& Play, QChar Dir);

// Where pawn Pawn would come to rest, turns, stops and doors included, if pushed towards Dir;
// none when it cannot leave its cell. Play itself is left untouched.
struct TStopMark {
    QChar Direction;
    TSmallPoint Cell;
};
std::vector<TStopMark> StopsOf(const TPlay& Play, int Pawn);

// Animation pace for the speed setting (0 fastest .. 4 slowest).
int AnimationInterval(int Speed);
// Pixels a pawn advances per tick at CellSize; Playback is true during a stored-solution playback.
int AnimationStep(int Speed, int CellSize, bool Playback);
// Length of one of the ten waits before each stored move of a playback.
int PlaybackWait(int Speed);

// The window's caption: "Virelune  ●  " + the map's title (or its file name without extension,
// or "Nouveau tableau"), with the pack's title (or file name) in front for a pack map.
QString MapCaption(const QString& MapTitle, const QString& FileName, bool InPack,
                   const QString& PackTitle, const QString& PackFileName);

// The move counter as shown: at least three digits ("000", "007", "1234").
QString MoveCountText(int MoveCount);
// The solution button's count: "(?)" without stored solution, else "(N coups)".
QString SolutionCountText(const QString& Solution);
