// Finds the fewest moves that bring every pawn onto a goal, with one solution that takes them.
#pragma once

#include "rules/Types.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

class TPlay;

constexpr std::size_t MiB = std::size_t(1) << 20;
// The game's default memory limit for one search; the command-line checker raises it.
constexpr std::size_t DefaultSolverMemory = 1024 * MiB;

struct TSolveOptions {
    // Bytes the search may hold at once (visited states and their layers); past it, it stops.
    std::size_t MemoryLimit = DefaultSolverMemory;
    // Search from both ends at once (the fast way); false searches from the start only, which
    // the tests use to check the two agree.
    bool Bidirectional = true;
    // How visited positions are kept: one bit per possible position when that fits in half the
    // limit, else a hash set of the positions met. The tests force each.
    enum TStore { stAuto, stDense, stHash } Store = stAuto;
};

enum TSolveStatus {
    ssSolved,     // Moves and Solution hold a shortest solution (Moves 0: already solved)
    ssNoSolution, // no sequence of moves solves the map, or it cannot be solved as drawn
    ssStopped,    // cancelled, or the memory limit was reached: nothing is known
};

enum TStopReason { srNone, srCancelled, srMemory };

struct TSolveResult {
    TSolveStatus Status = ssNoSolution;
    TStopReason Stop = srNone;
    // No pawn, no goal, fewer goals than pawns, a pawn off the floor or two on one cell: the
    // map was not searched (Status ssNoSolution).
    bool Unplayable = false;
    int Moves = -1;
    // Two characters per move, the pawn numbers of the position searched from ("1L2U…").
    QString Solution;
    // Positions (sets of occupied cells and door states) the search visited, both ends.
    std::uint64_t States = 0;
    // The most memory the search held at once, in bytes.
    std::size_t PeakBytes = 0;
};

// True when the map as drawn cannot be solved whatever is played: no pawn, no goal, fewer
// goals than pawns, a pawn off the board or on a wall, or two pawns on one cell.
bool UnplayableAsDrawn(const TMap& Map);

// Solves Map from its position as given: the pawns where PawnPos puts them and the doors as the
// board shows them (a map mid-game is searched from where it stands). A move is what the game
// counts as one: a push with every stretch it takes through turn cells.
//
// Safe to run on a worker thread: it reads only its arguments. Setting *Cancel (when given)
// makes it return ssStopped / srCancelled within a few milliseconds.
TSolveResult Solve(const TMap& Map, const TSolveOptions& Options = {},
                   const std::atomic_bool* Cancel = nullptr);

// Solves the game in progress from its current position (Play.CurMap), between two moves; the
// solution uses that position's pawn numbers. A worker thread should be handed a copy of
// Play.CurMap instead, so that the game can go on while it searches.
TSolveResult Solve(const TPlay& Play, const TSolveOptions& Options = {},
                   const std::atomic_bool* Cancel = nullptr);
