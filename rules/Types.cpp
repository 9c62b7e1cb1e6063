// Small queries on a map that the rules and the editor share.
#include "Types.h"

#include <algorithm>

int CountCells(const TMap& Map, TCellType CellType) {
    return int(std::count(Map.Board.begin(), Map.Board.end(), CellType));
}
