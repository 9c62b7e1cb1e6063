// Small queries on a map that the rules and the editor share.
#include "rules/Types.h"

#include <algorithm>

int TMap::PawnAt(int x, int y) const {
    for (int i = std::min(PawnNb, MaxPawns); i >= 1; --i)
        if (PawnPos[i - 1].x == x && PawnPos[i - 1].y == y) return i;
    return 0;
}

int CountCells(const TMap& Map, TCellType CellType) {
    return int(std::count(Map.Board.begin(), Map.Board.end(), CellType));
}
