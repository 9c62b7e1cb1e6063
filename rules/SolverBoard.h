// The board as the solver sees it: positions packed into one number, and the game's moves
// played on them quickly, forwards and backwards.
#pragma once

#include "rules/Types.h"

#include <array>
#include <cstdint>
#include <vector>

// A position is the set of occupied cells and the state of each door: the rules never look at
// a pawn's number except to choose the one that moves, and any pawn may end on any goal.
// Its key holds the occupied cells in increasing order, seven bits each, above one bit per door
// (set: raised), door i being the i-th door cell in board order.
class TSolverBoard {
public:
    static constexpr int CellBits = 7;

    explicit TSolverBoard(const TMap& Map);

    // Keys need 7 bits per pawn and one per door in 64 bits: false for a map with more doors
    // than that leaves room for.
    bool Representable() const { return Representable_; }
    int PawnCount() const { return PawnNb; }
    int DoorCount() const { return DoorNb; }
    // Board index (y * 11 + x) of door i.
    int DoorCell(int i) const { return DoorCells[std::size_t(i)]; }

    // The key of Map's position (its pawns, its doors as drawn).
    std::uint64_t KeyOf(const TMap& Map) const;
    std::uint64_t StartKey() const { return Start; }
    // The occupied cells (board indices, increasing) and the door bits of Key.
    void Unpack(std::uint64_t Key, int* Cells, std::uint32_t& Doors) const {
        Doors = std::uint32_t(Key & AllDoors);
        std::uint64_t rest = Key >> CellShift;
        for (int i = 0; i < PawnNb; ++i) {
            Cells[i] = int(rest & ((1u << CellBits) - 1));
            rest >>= CellBits;
        }
    }
    bool IsSolvedKey(std::uint64_t Key) const;

    // Number of possible positions: free cells choose pawns, times two per door; the dense
    // index of a position runs below it. 0 when it does not fit 64 bits.
    std::uint64_t DenseSize() const { return DenseSize_; }
    std::uint64_t DenseIndex(std::uint64_t Key) const {
        std::uint64_t rest = Key >> CellShift;
        std::uint64_t rank = 0;
        for (int i = 0; i < PawnNb; ++i) {
            rank += RankPart[std::size_t(i)][std::size_t(rest & ((1u << CellBits) - 1))];
            rest >>= CellBits;
        }
        return (rank << DoorNb) | (Key & AllDoors);
    }

    // Every position with all pawns on goals, every door state.
    std::uint64_t SolvedKeyCount() const;
    template <class F> void ForEachSolvedKey(F&& Visit) const;

    // Pushes the pawn on Cell towards Dir (0..3 for "LURD") from position Key. False when it
    // cannot leave its cell; otherwise Next is the position once the move has ended.
    bool PlayMove(std::uint64_t Key, int Cell, int Dir, std::uint64_t& Next) const;

    // Visit(next, cell, dir) for every move of every pawn that is not blocked.
    template <class F> void ForEachSuccessor(std::uint64_t Key, F&& Visit) const {
        ForEachSuccessorIndexed(Key, [&](std::uint64_t, const auto& NextKey, int Cell, int Dir) {
            Visit(NextKey(), Cell, Dir);
        });
    }
    // Visit(dense index, key, cell, dir), the same moves; key() packs the position, which a
    // search needs only for the positions it has not met yet.
    template <class F> void ForEachSuccessorIndexed(std::uint64_t Key, F&& Visit) const;
    // Visit(previous) for every position that one move turns into Key (a position may be
    // visited more than once).
    template <class F> void ForEachPredecessor(std::uint64_t Key, F&& Visit) const {
        ForEachPredecessorIndexed(
            Key, [&](std::uint64_t, const auto& PreviousKey) { Visit(PreviousKey()); });
    }
    // Visit(dense index, key), the same positions, key() as above.
    template <class F> void ForEachPredecessorIndexed(std::uint64_t Key, F&& Visit) const;

private:
    struct TCells {
        std::uint64_t Lo = 0, Hi = 0;
        void Set(int i) { (i < 64 ? Lo : Hi) |= std::uint64_t(1) << (i & 63); }
        void Clear(int i) { (i < 64 ? Lo : Hi) &= ~(std::uint64_t(1) << (i & 63)); }
        bool Has(int i) const { return ((i < 64 ? Lo : Hi) >> (i & 63)) & 1; }
        TCells operator|(const TCells& o) const { return {Lo | o.Lo, Hi | o.Hi}; }
        TCells operator&(const TCells& o) const { return {Lo & o.Lo, Hi & o.Hi}; }
        bool Empty() const { return (Lo | Hi) == 0; }
        // The lowest and the highest cell of a set that is not empty.
        int Lowest() const { return Lo ? __builtin_ctzll(Lo) : 64 + __builtin_ctzll(Hi); }
        int Highest() const { return Hi ? 127 - __builtin_clzll(Hi) : 63 - __builtin_clzll(Lo); }
    };

    int PawnNb = 0;
    int DoorNb = 0;
    int FreeNb = 0;
    int CellShift = 0; // where the cells start in a key: DoorNb
    bool Representable_ = true;
    std::uint32_t AllDoors = 0;
    std::uint64_t Start = 0;
    std::uint64_t DenseSize_ = 0;
    // Each cell's kind; doors are all ctDoorDown here, their state lives in the key.
    std::array<TCellType, BoardCells> Kind{};
    std::array<std::int8_t, BoardCells> DoorOf{};
    // The door's bit in a position's door state, 0 for any other cell.
    std::array<std::uint32_t, BoardCells> DoorBit{};
    // Stop and turn cells: a sliding pawn halts on them.
    std::array<bool, BoardCells> Halts{};
    std::array<std::int8_t, BoardCells> FreeOf{};
    std::vector<int> DoorCells;
    std::vector<int> GoalCells;
    TCells Goals;
    // The cells a pawn would cross from each cell in each direction, up to a wall or the edge.
    std::array<std::array<std::uint16_t, 4>, BoardCells> RayFrom{};
    std::array<std::array<std::uint8_t, 4>, BoardCells> RayLen{};
    // The same cells as a set, and the last of them (the cell itself when there is none).
    std::array<std::array<TCells, 4>, BoardCells> RayCells{};
    std::array<std::array<std::uint8_t, 4>, BoardCells> RayEnd{};
    static constexpr int Step[4] = {-1, -BoardCols, 1, BoardCols}; // "LURD" on board indices
    TCells HaltCells;
    std::vector<TCells> DoorCellSet;
    // The raised door cells of each door state, for maps with few doors.
    std::vector<TCells> RaisedDoors;
    std::vector<std::uint8_t> Rays;
    std::array<std::array<std::uint64_t, MaxPawns + 1>, BoardCells + 1> Binom{};
    // What the cell adds to a position's dense index when it is the i-th occupied cell.
    std::array<std::array<std::uint64_t, BoardCells>, MaxPawns> RankPart{};

    std::uint64_t Pack(const int* Cells, std::uint32_t Doors) const;
    // Doors flip together: raised ones drop, lowered ones rise unless a pawn holds them down.
    std::uint32_t Flip(std::uint32_t Doors, std::uint32_t Held) const {
        return ~Doors & ~Held & AllDoors;
    }
    // The cells where a slide ends, on them or before them, with Doors: pawns, raised doors,
    // stops and turns.
    TCells Stoppers(const TCells& Others, std::uint32_t Doors) const {
        TCells raised;
        if (Doors < RaisedDoors.size())
            raised = RaisedDoors[Doors];
        else
            for (std::uint32_t d = Doors; d; d &= d - 1)
                raised = raised | DoorCellSet[std::size_t(__builtin_ctz(d))];
        return Others | raised | HaltCells;
    }
    // Where one straight stretch from From towards Dir stops (From when it cannot leave):
    // Stop is Stoppers(Others, the doors as they are).
    int Slide(int From, int Dir, const TCells& Stop, const TCells& Others) const {
        const TCells met = RayCells[std::size_t(From)][std::size_t(Dir)] & Stop;
        if (met.Empty()) return RayEnd[std::size_t(From)][std::size_t(Dir)];
        // Right and down go up the board's order, left and up down it.
        const int first = Dir >= 2 ? met.Lowest() : met.Highest();
        if (Halts[std::size_t(first)] && !Others.Has(first)) return first;
        return first - Step[Dir];
    }
    // The doors as a pawn leaving From sets off: leaving a button with other pawns on the map
    // flips them as the pawn sets off, so the first stretch already meets them flipped.
    std::uint32_t DoorsLeaving(int From, std::uint32_t Doors, std::uint32_t Held) const {
        return PawnNb > 1 && Kind[std::size_t(From)] == ctButton ? Flip(Doors, Held) : Doors;
    }
    // A move once under way, Doors as it sets off and Stop = Stoppers(Others, Doors): every
    // stretch through turn cells with the loop guard, the arrival flip. False when the pawn
    // cannot leave From.
    bool Travel(const TCells& Others, const TCells& Stop, std::uint32_t Held, int From, int Dir,
                std::uint32_t Doors, int& End, std::uint32_t& DoorsAfter) const;
    // A whole move, from the departure flip on.
    bool Move(const TCells& Others, std::uint32_t Held, int From, int Dir, std::uint32_t Doors,
              int& End, std::uint32_t& DoorsAfter) const {
        const std::uint32_t doors = DoorsLeaving(From, Doors, Held);
        return Travel(Others, Stoppers(Others, doors), Held, From, Dir, doors, End, DoorsAfter);
    }
    static int Turn(TCellType Kind, int Dir) {
        // Turn A: down and left swap, right and up swap. Turn B: down and right, left and up.
        static constexpr int TurnA[4] = {3, 2, 1, 0};
        static constexpr int TurnB[4] = {1, 0, 3, 2};
        return Kind == ctTurnA ? TurnA[Dir] : TurnB[Dir];
    }
    bool IsRaised(int Cell, std::uint32_t Doors) const {
        return DoorBit[std::size_t(Cell)] & Doors;
    }
    // Whether a pawn sliding onto Cell towards Dir may stop there because of the next cell;
    // Doors are the doors it slid through, unless DoorsUnknown (it ended on a button, which
    // flipped them).
    bool BlockedBeyond(int Cell, int Dir, std::uint32_t Doors, const TCells& Others,
                       bool DoorsUnknown) const {
        if (RayLen[std::size_t(Cell)][std::size_t(Dir)] == 0) return true;
        const int next = Rays[RayFrom[std::size_t(Cell)][std::size_t(Dir)]];
        if (Others.Has(next)) return true;
        switch (Kind[std::size_t(next)]) {
        case ctDoorDown:
            return DoorsUnknown || ((Doors >> DoorOf[std::size_t(next)]) & 1);
        case ctWall:
            return true;
        default:
            return false;
        }
    }
    // A position taken apart for moving its pawns one at a time: what a moved pawn's new key and
    // dense index are worked out from.
    struct TPawns {
        // The increasing cells, padded to MaxPawns with BoardCells.
        int Cells[MaxPawns];
        std::uint32_t Doors;
        TCells All;         // the occupied cells as a set
        std::uint32_t Held; // the doors pawns stand on
        // The cells one byte each, the top bit of each byte set: a subtraction from it tells
        // which cells lie below a given one.
        std::uint64_t Bytes;
        std::uint64_t Rank; // the dense index without the doors
        // What the k-th cell adds to Rank, and the sums over the cells below k of what each adds
        // more as one place higher (Up) or less as one place lower (Down) in the order.
        std::uint64_t Own[MaxPawns], Up[MaxPawns + 1], Down[MaxPawns + 1];
    };
    static constexpr std::uint64_t ByteTops = 0x808080808080; // MaxPawns bytes
    static constexpr std::uint64_t ByteOnes = 0x010101010101;
    void Spread(std::uint64_t Key, TPawns& P) const {
        Unpack(Key, P.Cells, P.Doors);
        for (int i = PawnNb; i < MaxPawns; ++i) P.Cells[i] = BoardCells;
        P.Bytes = ByteTops;
        P.Rank = 0;
        P.Up[0] = P.Down[0] = P.Down[1] = 0;
        for (int k = 0; k < MaxPawns; ++k) P.Bytes |= std::uint64_t(P.Cells[k]) << (8 * k);
        P.All = TCells();
        P.Held = 0;
        for (int k = 0; k < PawnNb; ++k) {
            const std::size_t c = std::size_t(P.Cells[k]);
            P.All.Set(P.Cells[k]);
            P.Held |= DoorBit[c];
            P.Own[k] = RankPart[std::size_t(k)][c];
            P.Rank += P.Own[k];
            P.Up[k + 1] =
                P.Up[k] + (k + 1 < MaxPawns ? RankPart[std::size_t(k + 1)][c] : 0) - P.Own[k];
            if (k > 0) P.Down[k + 1] = P.Down[k] + P.Own[k] - RankPart[std::size_t(k - 1)][c];
        }
    }
    // The other pawns' cells and the doors they hold, as P's Index-th pawn moves.
    void OthersThan(const TPawns& P, int Index, TCells& Others, std::uint32_t& Held) const {
        const int cell = P.Cells[Index];
        Others = P.All;
        Others.Clear(cell);
        Held = P.Held & ~DoorBit[std::size_t(cell)];
    }
    // The key fields of every pawn but the Index-th.
    std::uint64_t FieldsWithout(std::uint64_t Key, int Index) const {
        const std::uint64_t fields = Key >> CellShift;
        const int at = CellBits * Index;
        return (fields & ((std::uint64_t(1) << at) - 1)) | ((fields >> (at + CellBits)) << at);
    }
    // The place in the order of P's Index-th pawn once moved to New: the cells below New, less
    // itself if it was below.
    static int PlaceOf(const TPawns& P, int Index, int New) {
        const std::uint64_t atOrAbove = ((P.Bytes - ByteOnes * std::uint64_t(New)) & ByteTops) >> 7;
        return MaxPawns - int((atOrAbove * ByteOnes) >> 40 & 0xff) - (P.Cells[Index] < New);
    }
    // The dense index of P with its Index-th pawn moved to New, To-th in the order, the doors
    // set to Doors.
    std::uint64_t DenseWith(const TPawns& P, int Index, int To, int New,
                            std::uint32_t Doors) const {
        // The pawns passed over shift one place in the order.
        const std::uint64_t shift =
            To > Index ? P.Down[Index + 1] - P.Down[To + 1] : P.Up[Index] - P.Up[To];
        const std::uint64_t rank =
            P.Rank - P.Own[Index] + shift + RankPart[std::size_t(To)][std::size_t(New)];
        return (rank << DoorNb) | Doors;
    }
    // The key of that position; Rest: FieldsWithout(Index).
    std::uint64_t KeyWith(std::uint64_t Rest, int To, int New, std::uint32_t Doors) const {
        const int put = CellBits * To;
        const std::uint64_t fields = (Rest & ((std::uint64_t(1) << put) - 1)) |
                                     (std::uint64_t(New) << put) |
                                     ((Rest >> put) << (put + CellBits));
        return (fields << CellShift) | Doors;
    }
};

inline bool TSolverBoard::Travel(const TCells& Others, const TCells& Stop, std::uint32_t Held,
                                 int From, int Dir, std::uint32_t Doors, int& End,
                                 std::uint32_t& DoorsAfter) const {
    std::uint32_t doors = Doors;
    int at = Slide(From, Dir, Stop, Others);
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
        const int next = Slide(at, dir, Stop, Others);
        // A pawn circling between turn cells ends on the first stretch start it meets again.
        if (next == at || starts.Has(at)) break;
        starts.Set(at);
        at = next;
    }
    End = at;
    DoorsAfter = doors;
    return true;
}

template <class F> void TSolverBoard::ForEachSolvedKey(F&& Visit) const {
    const int g = int(GoalCells.size());
    if (g < PawnNb) return;
    std::array<int, MaxPawns> pick{};
    for (int i = 0; i < PawnNb; ++i) pick[std::size_t(i)] = i;
    for (;;) {
        int cells[MaxPawns];
        for (int i = 0; i < PawnNb; ++i) cells[i] = GoalCells[std::size_t(pick[std::size_t(i)])];
        for (std::uint32_t doors = 0;; ++doors) {
            Visit(Pack(cells, doors));
            if (doors == AllDoors) break;
        }
        int i = PawnNb - 1;
        while (i >= 0 && pick[std::size_t(i)] == g - PawnNb + i) --i;
        if (i < 0) return;
        ++pick[std::size_t(i)];
        for (int j = i + 1; j < PawnNb; ++j) pick[std::size_t(j)] = pick[std::size_t(j - 1)] + 1;
    }
}

template <class F> void TSolverBoard::ForEachSuccessorIndexed(std::uint64_t Key, F&& Visit) const {
    TPawns pawns;
    Spread(Key, pawns);
    const std::uint32_t doors = pawns.Doors;
    for (int i = 0; i < PawnNb; ++i) {
        const int from = pawns.Cells[i];
        TCells others;
        std::uint32_t held;
        OthersThan(pawns, i, others, held);
        const std::uint64_t rest = FieldsWithout(Key, i);
        const std::uint32_t leaving = DoorsLeaving(from, doors, held);
        const TCells stop = Stoppers(others, leaving);
        for (int dir = 0; dir < 4; ++dir) {
            int end;
            std::uint32_t after;
            if (!Travel(others, stop, held, from, dir, leaving, end, after)) continue;
            const int to = PlaceOf(pawns, i, end);
            Visit(
                DenseWith(pawns, i, to, end, after),
                [&, to, end, after] { return KeyWith(rest, to, end, after); }, from, dir);
        }
    }
}

template <class F>
void TSolverBoard::ForEachPredecessorIndexed(std::uint64_t Key, F&& Visit) const {
    TPawns pawns;
    Spread(Key, pawns);
    const std::uint32_t doors = pawns.Doors;
    for (int i = 0; i < PawnNb; ++i) {
        const int end = pawns.Cells[i];
        TCells others;
        std::uint32_t held;
        OthersThan(pawns, i, others, held);
        const std::uint64_t rest = FieldsWithout(Key, i);
        // The position with the pawn back on Start, with Doors.
        auto visitFrom = [&](int start, std::uint32_t doorsBefore) {
            const int to = PlaceOf(pawns, i, start);
            Visit(DenseWith(pawns, i, to, start, doorsBefore),
                  [&, to, start, doorsBefore] { return KeyWith(rest, to, start, doorsBefore); });
        };
        const bool arrivalFlip = Kind[std::size_t(end)] == ctButton;
        // A start on From towards Dir is a candidate; the forward move decides.
        auto tryStart = [&](int from, int dir) {
            const bool departureFlip = PawnNb > 1 && Kind[std::size_t(from)] == ctButton;
            const int flips = int(arrivalFlip) + int(departureFlip);
            std::uint32_t base = doors;
            if (flips > 0) {
                // A flip leaves every held door lowered, whatever it was before.
                if (doors & held) return;
                if (flips == 1) base = Flip(doors, held);
            }
            const std::uint32_t free = flips > 0 ? held : 0;
            for (std::uint32_t sub = free;; sub = (sub - 1) & free) {
                const std::uint32_t before = base | sub;
                int stop;
                std::uint32_t after;
                if (Move(others, held, from, dir, before, stop, after) && stop == end &&
                    after == doors)
                    visitFrom(from, before);
                if (sub == 0) break;
            }
        };
        const TCellType endKind = Kind[std::size_t(end)];
        const bool passable = endKind != ctStop && endKind != ctTurnA && endKind != ctTurnB;
        for (int lastDir = 0; lastDir < 4; ++lastDir) {
            // A pawn that could slide on past End did not stop there.
            if (passable && !BlockedBeyond(end, lastDir, doors, others, arrivalFlip)) continue;
            // Walk back along the last stretch; a turn cell met may be where it began, after
            // an earlier stretch that entered the turn (each turn at most once per move).
            TCells turnsUsed;
            int at = end, dir = lastDir;
            // One stretch, no flip, ending where it cannot go on: the walk back itself says
            // which starts work, as long as no raised door lies between.
            bool direct = endKind != ctButton && endKind != ctTurnA && endKind != ctTurnB;
            bool raisedBetween = IsRaised(end, doors);
            for (;;) {
                const int back = (dir + 2) & 3;
                const std::uint8_t* ray = &Rays[RayFrom[std::size_t(at)][std::size_t(back)]];
                const int len = RayLen[std::size_t(at)][std::size_t(back)];
                int turnAt = -1;
                for (int k = 0; k < len; ++k) {
                    const int c = ray[k];
                    if (others.Has(c)) break;
                    if (direct && (PawnNb == 1 || Kind[std::size_t(c)] != ctButton)) {
                        if (!raisedBetween) visitFrom(c, doors);
                    } else {
                        tryStart(c, dir);
                    }
                    raisedBetween = raisedBetween || IsRaised(c, doors);
                    const TCellType kind = Kind[std::size_t(c)];
                    if (kind == ctStop) break;
                    if (kind == ctTurnA || kind == ctTurnB) {
                        if (!turnsUsed.Has(c)) turnAt = c;
                        break;
                    }
                }
                if (turnAt < 0) break;
                direct = false;
                turnsUsed.Set(turnAt);
                dir = Turn(Kind[std::size_t(turnAt)], dir);
                at = turnAt;
            }
        }
    }
}
