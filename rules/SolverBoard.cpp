// Packs positions into keys and plays the game's moves on them: slides, turns, stops, doors.
#include "rules/SolverBoard.h"

#include <algorithm>

namespace {

constexpr int StepX[4] = {-1, 0, 1, 0}; // "LURD"
constexpr int StepY[4] = {0, -1, 0, 1};

} // namespace

TSolverBoard::TSolverBoard(const TMap& Map) {
    PawnNb = std::max(0, std::min(Map.PawnNb, MaxPawns));
    DoorOf.fill(-1);
    FreeOf.fill(-1);
    for (int i = 0; i < BoardCells; ++i) {
        TCellType t = Map.Board[std::size_t(i)];
        if (t >= CellTypeCount) t = ctWall;
        if (t == ctDoorDown || t == ctDoorUp) {
            DoorOf[std::size_t(i)] = std::int8_t(DoorCells.size() < 127 ? DoorCells.size() : 127);
            if (DoorCells.size() < 32) DoorBit[std::size_t(i)] = 1u << DoorCells.size();
            DoorCells.push_back(i);
            t = ctDoorDown;
        }
        if (t == ctGoal) {
            GoalCells.push_back(i);
            Goals.Set(i);
        }
        Halts[std::size_t(i)] = t == ctStop || t == ctTurnA || t == ctTurnB;
        if (t != ctWall) FreeOf[std::size_t(i)] = std::int8_t(FreeNb++);
        Kind[std::size_t(i)] = t;
    }
    DoorNb = int(DoorCells.size());
    CellShift = DoorNb;
    Representable_ = DoorNb + CellBits * PawnNb <= 64 && DoorNb < 32;
    if (!Representable_) return;
    AllDoors = DoorNb == 0 ? 0 : std::uint32_t((std::uint64_t(1) << DoorNb) - 1);

    for (int y = 0; y < BoardRows; ++y)
        for (int x = 0; x < BoardCols; ++x)
            for (int d = 0; d < 4; ++d) {
                const int c = CellIndex(x, y);
                RayFrom[std::size_t(c)][std::size_t(d)] = std::uint16_t(Rays.size());
                int nx = x + StepX[d], ny = y + StepY[d];
                int len = 0;
                while (OnBoard(nx, ny) && Kind[std::size_t(CellIndex(nx, ny))] != ctWall) {
                    Rays.push_back(std::uint8_t(CellIndex(nx, ny)));
                    ++len;
                    nx += StepX[d];
                    ny += StepY[d];
                }
                RayLen[std::size_t(c)][std::size_t(d)] = std::uint8_t(len);
                RayEnd[std::size_t(c)][std::size_t(d)] = std::uint8_t(len ? Rays.back() : c);
                for (int k = 0; k < len; ++k)
                    RayCells[std::size_t(c)][std::size_t(d)].Set(
                        Rays[Rays.size() - 1 - std::size_t(k)]);
            }
    for (int c = 0; c < BoardCells; ++c)
        if (Halts[std::size_t(c)]) HaltCells.Set(c);
    for (int cell : DoorCells) {
        DoorCellSet.emplace_back();
        DoorCellSet.back().Set(cell);
    }
    if (DoorNb <= 8) {
        RaisedDoors.resize(std::size_t(1) << DoorNb);
        for (std::uint32_t doors = 0; doors < RaisedDoors.size(); ++doors)
            for (int d = 0; d < DoorNb; ++d)
                if ((doors >> d) & 1)
                    RaisedDoors[doors] = RaisedDoors[doors] | DoorCellSet[std::size_t(d)];
    }

    for (int n = 0; n <= BoardCells; ++n) {
        Binom[std::size_t(n)][0] = 1;
        for (int k = 1; k <= MaxPawns; ++k)
            Binom[std::size_t(n)][std::size_t(k)] =
                n == 0 ? 0
                       : Binom[std::size_t(n - 1)][std::size_t(k - 1)] +
                             Binom[std::size_t(n - 1)][std::size_t(k)];
    }
    for (int i = 0; i < MaxPawns; ++i)
        for (int c = 0; c < BoardCells; ++c)
            if (FreeOf[std::size_t(c)] >= 0)
                RankPart[std::size_t(i)][std::size_t(c)] =
                    Binom[std::size_t(FreeOf[std::size_t(c)])][std::size_t(i + 1)];
    const std::uint64_t sets = Binom[std::size_t(FreeNb)][std::size_t(PawnNb)];
    DenseSize_ = DoorNb >= 40 || sets > (~std::uint64_t(0) >> DoorNb) ? 0 : sets << DoorNb;

    Start = KeyOf(Map);
}

std::uint64_t TSolverBoard::KeyOf(const TMap& Map) const {
    int cells[MaxPawns];
    for (int i = 0; i < PawnNb; ++i) {
        const TSmallPoint p = Map.PawnPos[std::size_t(i)];
        int c = OnBoard(p.x, p.y) ? CellIndex(p.x, p.y) : 0;
        int j = i;
        for (; j > 0 && cells[j - 1] > c; --j) cells[j] = cells[j - 1];
        cells[j] = c;
    }
    std::uint32_t doors = 0;
    for (int i = 0; i < DoorNb; ++i)
        if (Map.Board[std::size_t(DoorCells[std::size_t(i)])] == ctDoorUp) doors |= 1u << i;
    return Pack(cells, doors);
}

std::uint64_t TSolverBoard::Pack(const int* Cells, std::uint32_t Doors) const {
    std::uint64_t key = 0;
    for (int i = PawnNb - 1; i >= 0; --i) key = (key << CellBits) | std::uint64_t(Cells[i]);
    return (key << CellShift) | Doors;
}

bool TSolverBoard::IsSolvedKey(std::uint64_t Key) const {
    std::uint64_t rest = Key >> CellShift;
    for (int i = 0; i < PawnNb; ++i) {
        if (!Goals.Has(int(rest & ((1u << CellBits) - 1)))) return false;
        rest >>= CellBits;
    }
    return true;
}

std::uint64_t TSolverBoard::SolvedKeyCount() const {
    const std::uint64_t placements = Binom[std::size_t(GoalCells.size())][std::size_t(PawnNb)];
    return DoorNb >= 40 ? ~std::uint64_t(0) : placements << DoorNb;
}

bool TSolverBoard::PlayMove(std::uint64_t Key, int Cell, int Dir, std::uint64_t& Next) const {
    TPawns pawns;
    Spread(Key, pawns);
    int index = 0;
    while (index < PawnNb && pawns.Cells[index] != Cell) ++index;
    if (index == PawnNb || Dir < 0 || Dir > 3) return false;
    TCells others;
    std::uint32_t held;
    OthersThan(pawns, index, others, held);
    int end;
    std::uint32_t after;
    if (!Move(others, held, Cell, Dir, pawns.Doors, end, after)) return false;
    Next = KeyWith(FieldsWithout(Key, index), PlaceOf(pawns, index, end), end, after);
    return true;
}
