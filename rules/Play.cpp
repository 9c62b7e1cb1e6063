// Slides pawns, flips doors and keeps the record of the game in progress, with undo and rewind.
#include "rules/Play.h"

namespace {

TSmallPoint Point(int x, int y) {
    return {std::int16_t(x), std::int16_t(y)};
}

void Step(QChar dir, int& x, int& y) {
    switch (dir.unicode()) {
    case u'L':
        --x;
        break;
    case u'R':
        ++x;
        break;
    case u'U':
        --y;
        break;
    case u'D':
        ++y;
        break;
    default:
        break;
    }
}

QChar TurnA(QChar d) {
    switch (d.unicode()) {
    case u'D':
        return u'L';
    case u'L':
        return u'D';
    case u'R':
        return u'U';
    case u'U':
        return u'R';
    default:
        return d;
    }
}

QChar TurnB(QChar d) {
    switch (d.unicode()) {
    case u'D':
        return u'R';
    case u'L':
        return u'U';
    case u'R':
        return u'D';
    case u'U':
        return u'L';
    default:
        return d;
    }
}

} // namespace

int TPlay::PawnAt(int x, int y) const {
    return CurMap.PawnAt(x, y);
}

bool TPlay::FindDestination(int x0, int y0) {
    if (!OnBoard(x0, y0)) return false;
    const bool startOnButton = CurMap.PawnNb > 1 && CurMap.Cell(x0, y0) == ctButton;
    int x = x0, y = y0;
    for (;;) {
        int nx = x, ny = y;
        Step(PawnDirection, nx, ny);
        if (!OnBoard(nx, ny) || (nx == x && ny == y) || PawnAt(nx, ny) > 0) break;
        const TCellType next = CurMap.Cell(nx, ny);
        bool pass = false;
        switch (next) {
        case ctWall:
            break;
        case ctStop:
        case ctTurnA:
        case ctTurnB:
            x = nx;
            y = ny;
            break;
        case ctDoorUp:
            pass = startOnButton;
            break;
        case ctDoorDown:
            pass = !startOnButton;
            break;
        case ctVoid:
        case ctGoal:
        case ctButton:
            pass = true;
            break;
        }
        if (!pass) break;
        x = nx;
        y = ny;
    }
    if (x == x0 && y == y0) return false;
    DestX = x;
    DestY = y;
    return true;
}

void TPlay::ToggleDoors(bool Pop) {
    if (DoorPosSave.empty()) return;
    if (Pop) {
        if (!DoorStateStack.empty()) DoorStateStack.pop_back();
    } else {
        DoorStateStack.emplace_back(DoorPosSave.size(), ctDoorDown);
    }
    for (std::size_t i = 0; i < DoorPosSave.size(); ++i) {
        const int x = DoorPosSave[i].Col, y = DoorPosSave[i].Row;
        const TCellType was = CurMap.Cell(x, y);
        if (!Pop) DoorStateStack.back()[i] = was;
        TCellType now = was;
        if (was == ctDoorUp)
            now = ctDoorDown;
        else if (PawnAt(x, y) == 0)
            now = ctDoorUp;
        if (now != was) {
            CurMap.SetCell(x, y, now);
            if (Listener) Listener->CellChanged(x, y);
        }
    }
}

void TPlay::ResetPlay(bool Start) {
    ChainPending = false;
    InFlight = false;
    if (Start) {
        PawnPosSave = CurMap.PawnPos;
        DoorPosSave.clear();
        for (int y = 0; y < BoardRows; ++y)
            for (int x = 0; x < BoardCols; ++x) {
                const TCellType t = CurMap.Cell(x, y);
                if (t == ctDoorDown || t == ctDoorUp)
                    DoorPosSave.push_back({t, std::uint8_t(x), std::uint8_t(y)});
            }
    } else {
        for (const TDoorPos& d : DoorPosSave) CurMap.SetCell(d.Col, d.Row, d.CellType);
        CurMap.PawnPos = PawnPosSave;
    }
    DoorStateStack.clear();
    SolutionStack.clear();
    PawnMoveStack.clear();
    SetMoveCount(0);
    PawnDirection = QChar(NoDirection);
    SelectPawn(1);
    NotifyBoard();
}

void TPlay::SetMoveCount(int Value) {
    MoveCount = Value;
    if (Listener) Listener->MoveCountChanged(Value);
}

void TPlay::SetSolution(const QString& Text) {
    CurMap.Solution = Text;
    if (Listener) Listener->SolutionChanged(Text);
}

void TPlay::SelectPawn(int Index) {
    if (Index == PawnIndex) return;
    const int old = PawnIndex;
    PawnIndex = Index;
    if (Listener) Listener->SelectionChanged(old, Index);
}

void TPlay::NotifyBoard() {
    if (Listener) Listener->BoardChanged();
}

TSmallPoint TPlay::StretchStart() const {
    if (PawnIndex < 1 || PawnIndex > CurMap.PawnNb) return {};
    return CurMap.PawnPos[PawnIndex - 1];
}

bool TPlay::StartMove() {
    if (InFlight) return false;
    if (ChainPending) {
        // The player moved on before the undo ran out: finish it, keep their pawn selected.
        const int selected = PawnIndex;
        FinishUndoChain();
        SelectPawn(selected);
    }
    const int k = PawnIndex;
    if (k < 1 || k > CurMap.PawnNb || Directions.indexOf(PawnDirection) < 0) return false;
    const TSmallPoint from = CurMap.PawnPos[k - 1];
    if (!FindDestination(from.x, from.y)) return false;
    SolutionStack += QString::number(k);
    SolutionStack += PawnDirection;
    PawnMoveStack.push_back({std::int8_t(k), from});
    if (CurMap.PawnNb > 1 && CurMap.Cell(from.x, from.y) == ctButton) ToggleDoors(false);
    InFlight = true;
    SetMoveCount(MoveCount + 1);
    return true;
}

TArrival TPlay::Arrive() {
    if (!InFlight) return arEnded;
    const int k = PawnIndex;
    const int x = DestX, y = DestY;
    CurMap.PawnPos[k - 1] = Point(x, y);
    const TCellType cell = CurMap.Cell(x, y);
    if (cell == ctButton) {
        ToggleDoors(false);
    } else if (cell == ctTurnA || cell == ctTurnB) {
        PawnDirection = cell == ctTurnA ? TurnA(PawnDirection) : TurnB(PawnDirection);
        if (FindDestination(x, y)) {
            // A pawn circling between turn cells ends on the first one it meets again.
            bool loop = false;
            for (auto it = PawnMoveStack.rbegin(); it != PawnMoveStack.rend(); ++it) {
                if (it->Pos.x == x && it->Pos.y == y) {
                    loop = true;
                    break;
                }
                if (it->Num > 0) break;
            }
            if (!loop) {
                PawnMoveStack.push_back({std::int8_t(-k), Point(x, y)});
                return arContinues;
            }
        }
    }
    InFlight = false;
    return arEnded;
}

bool TPlay::IsSolved() const {
    if (CurMap.PawnNb < 1) return false;
    for (int i = 0; i < CurMap.PawnNb; ++i)
        if (CurMap.Cell(CurMap.PawnPos[i].x, CurMap.PawnPos[i].y) != ctGoal) return false;
    return true;
}

bool TPlay::MoveSolved() const {
    if (PawnIndex < 1 || PawnIndex > CurMap.PawnNb) return false;
    const TSmallPoint at = CurMap.PawnPos[PawnIndex - 1];
    return CurMap.Cell(at.x, at.y) == ctGoal && IsSolved();
}

TMoveOutcome TPlay::PlayMove(int Pawn, QChar Direction) {
    if (Pawn < 1 || Pawn > CurMap.PawnNb) return moBlocked;
    SelectPawn(Pawn);
    PawnDirection = Direction;
    if (!StartMove()) return moBlocked;
    while (Arrive() == arContinues) {
    }
    NotifyBoard();
    return MoveSolved() ? moSolved : moEnded;
}

void TPlay::RestoreDoors() {
    if (DoorStateStack.empty()) return;
    const TDoorState& s = DoorStateStack.back();
    for (std::size_t i = 0; i < DoorPosSave.size() && i < s.size(); ++i)
        CurMap.SetCell(DoorPosSave[i].Col, DoorPosSave[i].Row, s[i]);
    DoorStateStack.pop_back();
}

bool TPlay::UndoStep() {
    if (PawnMoveStack.empty()) {
        ChainPending = false;
        return false;
    }
    const TPawnMove e = PawnMoveStack.back();
    const int k = std::abs(int(e.Num));
    if (k < 1 || k > CurMap.PawnNb) {
        // A record that names no pawn cannot be undone; drop it rather than misplace a pawn.
        PawnMoveStack.pop_back();
        ChainPending = false;
        return false;
    }
    SelectPawn(k);
    const TSmallPoint at = CurMap.PawnPos[k - 1];
    if (CurMap.Cell(at.x, at.y) == ctButton) RestoreDoors();
    CurMap.PawnPos[k - 1] = e.Pos;
    PawnMoveStack.pop_back();
    NotifyBoard();
    if (e.Num < 0) {
        ChainPending = true;
        return true;
    }
    ChainPending = false;
    if (CurMap.PawnNb > 1 && CurMap.Cell(e.Pos.x, e.Pos.y) == ctButton) {
        RestoreDoors();
        NotifyBoard();
    }
    return false;
}

bool TPlay::BeginUndo() {
    if (ChainPending) FinishUndoChain();
    if (MoveCount <= 0 || PawnMoveStack.empty()) return false;
    const bool more = UndoStep();
    SetMoveCount(MoveCount - 1);
    SolutionStack.truncate(2 * MoveCount);
    return more;
}

void TPlay::FinishUndoChain() {
    while (ChainPending && UndoStep()) {
    }
    ChainPending = false;
}

bool TPlay::CancelMove() {
    if (!InFlight) return false;
    InFlight = false;
    SetMoveCount(MoveCount - 1);
    std::size_t first = PawnMoveStack.size();
    while (first > 0) {
        --first;
        if (PawnMoveStack[first].Num > 0) break;
    }
    const TPawnMove start = PawnMoveStack[first];
    const int k = start.Num;
    if (k >= 1 && k <= CurMap.PawnNb) {
        CurMap.PawnPos[k - 1] = start.Pos;
        if (CurMap.PawnNb > 1 && CurMap.Cell(start.Pos.x, start.Pos.y) == ctButton)
            ToggleDoors(true);
    }
    PawnMoveStack.resize(first);
    SolutionStack.truncate(2 * MoveCount);
    NotifyBoard();
    return true;
}

bool TPlay::ReadStoredMove() {
    const QString& s = CurMap.Solution;
    if (SolutionStep < 0 || SolutionStep + 1 >= s.size()) return false;
    const int pawn = CodeValue(s.at(SolutionStep));
    const QChar dir = s.at(SolutionStep + 1);
    if (pawn < 1 || pawn > CurMap.PawnNb || Directions.indexOf(dir) < 0) return false;
    SelectPawn(pawn);
    PawnDirection = dir;
    return true;
}
