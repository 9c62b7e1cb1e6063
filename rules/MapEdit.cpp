// What each editor tool does to each kind of cell, within the map's limits.
#include "rules/MapEdit.h"

int RemovePawnAt(TMap& Map, int x, int y) {
    const int found = Map.PawnAt(x, y);
    if (!found) return 0;
    Map.PawnPos[found - 1] = Map.PawnPos[Map.PawnNb - 1];
    --Map.PawnNb;
    return found;
}

namespace {

TEditResult Refuse(const char* prefix) {
    return {TEditResult::erRefused,
            QString::fromUtf8(prefix) + QString::number(MaxOfAKind) + QStringLiteral(") atteint")};
}

TEditResult Set(TMap& Map, int x, int y, TCellType t) {
    Map.SetCell(x, y, t);
    return {TEditResult::erCell, {}};
}

} // namespace

TEditResult ApplyTool(TMap& Map, TEditTool Tool, int x, int y, TCellType& CurCellType) {
    if (!OnBoard(x, y)) return {};
    const TCellType cell = Map.Cell(x, y);
    switch (Tool) {
    case etCell:
        if (cell == ctWall) {
            CurCellType = ctVoid;
            return Set(Map, x, y, ctVoid);
        }
        RemovePawnAt(Map, x, y);
        CurCellType = ctWall;
        return Set(Map, x, y, ctWall);
    case etGoal:
        if (cell == ctGoal) return Set(Map, x, y, ctVoid);
        if (CountCells(Map, ctGoal) >= MaxOfAKind) return Refuse("Nombre maxi de buts (");
        return Set(Map, x, y, ctGoal);
    case etStop:
        if (cell == ctStop) return Set(Map, x, y, ctVoid);
        if (CountCells(Map, ctStop) >= MaxOfAKind) return Refuse("Nombre maxi de stops (");
        return Set(Map, x, y, ctStop);
    case etButton:
        if (cell == ctButton) return Set(Map, x, y, ctVoid);
        if (CountCells(Map, ctButton) >= MaxOfAKind) return Refuse("Nombre maxi de boutons (");
        RemovePawnAt(Map, x, y);
        return Set(Map, x, y, ctButton);
    case etDoor:
        if (cell == ctDoorUp) return Set(Map, x, y, ctDoorDown);
        if (cell == ctDoorDown) return Set(Map, x, y, ctVoid);
        if (CountCells(Map, ctDoorUp) + CountCells(Map, ctDoorDown) >= MaxOfAKind)
            return Refuse("Nombre maxi de portes (");
        RemovePawnAt(Map, x, y);
        return Set(Map, x, y, ctDoorUp);
    case etTurn:
        if (cell == ctTurnB) return Set(Map, x, y, ctVoid);
        if (cell == ctTurnA) return Set(Map, x, y, ctTurnB);
        if (CountCells(Map, ctTurnA) + CountCells(Map, ctTurnB) >= MaxOfAKind)
            return Refuse("Nombre maxi de virages (");
        return Set(Map, x, y, ctTurnA);
    case etPawn:
        if (cell == ctWall || cell == ctButton || cell == ctDoorUp) return {};
        if (Map.PawnAt(x, y) > 0) {
            RemovePawnAt(Map, x, y);
            return {TEditResult::erCell, {}};
        }
        if (Map.PawnNb >= MaxPawns) return Refuse("Nombre maxi de pions (");
        Map.PawnPos[Map.PawnNb] = {std::int16_t(x), std::int16_t(y)};
        ++Map.PawnNb;
        return {TEditResult::erPawnAdded, {}};
    }
    return {};
}

bool DragPaint(TMap& Map, int x, int y, TCellType CurCellType) {
    if (!OnBoard(x, y) || Map.Cell(x, y) == CurCellType) return false;
    if (Map.Cell(x, y) != ctWall) RemovePawnAt(Map, x, y);
    Map.SetCell(x, y, CurCellType);
    return true;
}

bool SaveReminderDue(int Changed) {
    return Changed == 40 || Changed == 70;
}

QString SaveReminderText() {
    return QStringLiteral("💾 Pensez à sauvegarder de temps en temps !");
}
