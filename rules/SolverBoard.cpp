// Packs positions into keys and plays the game's moves on them: slides, turns, stops, doors.
#include "rules/SolverBoard.h"

#include <algorithm>

namespace {

constexpr int CellBits = 7;
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
            DoorCells.push_back(i);
            t = ctDoorDown;
        }
        if (t == ctGoal) {
            GoalCells.push_back(i);
            Goals.Set(i);
        }
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

void TSolverBoard::Unpack(std::uint64_t Key, int* Cells, std::uint32_t& Doors) const {
    Doors = std::uint32_t(Key & AllDoors);
    std::uint64_t rest = Key >> CellShift;
    for (int i = 0; i < PawnNb; ++i) {
        Cells[i] = int(rest & ((1u << CellBits) - 1));
        rest >>= CellBits;
    }
}

bool TSolverBoard::IsSolvedKey(std::uint64_t Key) const {
    std::uint64_t rest = Key >> CellShift;
    for (int i = 0; i < PawnNb; ++i) {
        if (!Goals.Has(int(rest & ((1u << CellBits) - 1)))) return false;
        rest >>= CellBits;
    }
    return true;
}

std::uint64_t TSolverBoard::DenseIndex(std::uint64_t Key) const {
    std::uint64_t rest = Key >> CellShift;
    std::uint64_t rank = 0;
    for (int i = 0; i < PawnNb; ++i) {
        const int cell = int(rest & ((1u << CellBits) - 1));
        rank += RankPart[std::size_t(i)][std::size_t(cell)];
        rest >>= CellBits;
    }
    return (rank << DoorNb) | (Key & AllDoors);
}

std::uint64_t TSolverBoard::SolvedKeyCount() const {
    const std::uint64_t placements = Binom[std::size_t(GoalCells.size())][std::size_t(PawnNb)];
    return DoorNb >= 40 ? ~std::uint64_t(0) : placements << DoorNb;
}

std::uint32_t TSolverBoard::HeldDoors(const int* Cells, int Except) const {
    std::uint32_t held = 0;
    for (int i = 0; i < PawnNb; ++i) {
        const int d = DoorOf[std::size_t(Cells[i])];
        if (d >= 0 && Cells[i] != Except) held |= 1u << d;
    }
    return held;
}

int TSolverBoard::Turn(TCellType Kind, int Dir) {
    // Turn A: down and left swap, right and up swap. Turn B: down and right, left and up.
    static constexpr int TurnA[4] = {3, 2, 1, 0};
    static constexpr int TurnB[4] = {1, 0, 3, 2};
    return Kind == ctTurnA ? TurnA[Dir] : TurnB[Dir];
}

int TSolverBoard::Slide(int From, int Dir, std::uint32_t Doors, const TCells& Others) const {
    const std::uint8_t* ray = &Rays[RayFrom[std::size_t(From)][std::size_t(Dir)]];
    const int len = RayLen[std::size_t(From)][std::size_t(Dir)];
    int at = From;
    for (int k = 0; k < len; ++k) {
        const int c = ray[k];
        if (Others.Has(c)) break;
        const TCellType kind = Kind[std::size_t(c)];
        if (kind == ctStop || kind == ctTurnA || kind == ctTurnB) return c;
        if (kind == ctDoorDown && ((Doors >> DoorOf[std::size_t(c)]) & 1)) break;
        at = c;
    }
    return at;
}

bool TSolverBoard::Move(const TCells& Others, std::uint32_t Held, int From, int Dir,
                        std::uint32_t Doors, int& End, std::uint32_t& DoorsAfter) const {
    // Leaving a button with other pawns on the map flips the doors as the pawn sets off, so the
    // first stretch already meets them flipped.
    std::uint32_t doors = Doors;
    if (PawnNb > 1 && Kind[std::size_t(From)] == ctButton) doors = Flip(doors, Held);
    int at = Slide(From, Dir, doors, Others);
    if (at == From) return false;
    TCells starts;
    starts.Set(From);
    int dir = Dir;
    for (;;) {
        const TCellType kind = Kind[std::size_t(at)];
        if (kind == ctButton) {
            doors = Flip(doors, Held);
            break;
        }
        if (kind != ctTurnA && kind != ctTurnB) break;
        dir = Turn(kind, dir);
        const int next = Slide(at, dir, doors, Others);
        // A pawn circling between turn cells ends on the first stretch start it meets again.
        if (next == at || starts.Has(at)) break;
        starts.Set(at);
        at = next;
    }
    End = at;
    DoorsAfter = doors;
    return true;
}

std::uint64_t TSolverBoard::Replace(const int* Cells, int Old, int New, std::uint32_t Doors) const {
    int cells[MaxPawns];
    int n = 0;
    for (int i = 0; i < PawnNb; ++i)
        if (Cells[i] != Old) cells[n++] = Cells[i];
    // Insert New keeping the cells in increasing order.
    int j = n;
    while (j > 0 && cells[j - 1] > New) {
        cells[j] = cells[j - 1];
        --j;
    }
    cells[j] = New;
    return Pack(cells, Doors);
}

bool TSolverBoard::PlayMove(std::uint64_t Key, int Cell, int Dir, std::uint64_t& Next) const {
    int cells[MaxPawns];
    std::uint32_t doors;
    Unpack(Key, cells, doors);
    TCells others;
    bool found = false;
    for (int i = 0; i < PawnNb; ++i) {
        if (cells[i] == Cell)
            found = true;
        else
            others.Set(cells[i]);
    }
    if (!found || Dir < 0 || Dir > 3) return false;
    int end;
    std::uint32_t after;
    if (!Move(others, HeldDoors(cells, Cell), Cell, Dir, doors, end, after)) return false;
    Next = Replace(cells, Cell, end, after);
    return true;
}
