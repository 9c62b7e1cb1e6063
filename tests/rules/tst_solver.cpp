// The solver finds proven shortest solutions that the game's own rules accept, knows when there
// is none, stops when told to or when out of memory, and moves pawns exactly as the game does.
#include "storage/Examples.h"
#include "rules/Play.h"
#include "rules/Solver.h"
#include "rules/SolverBoard.h"
#include "tests/TestSupport.h"

#include <QtTest>
#include <random>
#include <thread>

namespace {

TPlay Started(const TMap& map) {
    TPlay p;
    p.CurMap = map;
    p.ResetPlay(true);
    return p;
}

// Plays Solution from Map's position; true when it solves the map with its last move only.
bool SolvesExactly(const TMap& Map, const QString& Solution) {
    TPlay p = Started(Map);
    if (Solution.size() % 2 != 0) return false;
    for (int i = 0; i < Solution.size(); i += 2) {
        const TMoveOutcome out = p.PlayMove(CodeValue(Solution[i]), Solution[i + 1]);
        if (out == moBlocked) return false;
        if ((out == moSolved) != (i + 2 == Solution.size())) return false;
    }
    return p.IsSolved();
}

// A random map: open floor with walls, goals, doors in both states, buttons, turns, stops, and
// 1 to 6 pawns anywhere a pawn may stand, doors and buttons included.
TMap RandomMap(std::mt19937& Rng) {
    auto roll = [&](int n) { return int(Rng() % unsigned(n)); };
    TMap m;
    for (auto& c : m.Board) c = roll(100) < 35 ? ctWall : ctVoid;
    auto place = [&](TCellType t, int count) {
        for (int i = 0; i < count; ++i) m.Board[std::size_t(roll(BoardCells))] = t;
    };
    const int pawns = 1 + roll(MaxPawns);
    place(ctGoal, pawns + roll(2));
    place(ctDoorUp, roll(4));
    place(ctDoorDown, roll(3));
    place(ctButton, roll(3));
    place(ctTurnA, roll(4));
    place(ctTurnB, roll(4));
    place(ctStop, roll(3));
    for (int tries = 0; m.PawnNb < pawns && tries < 500; ++tries) {
        const int c = roll(BoardCells);
        const TSmallPoint p{std::int16_t(c % BoardCols), std::int16_t(c / BoardCols)};
        if (m.Board[std::size_t(c)] == ctWall) continue;
        bool taken = false;
        for (int i = 0; i < m.PawnNb; ++i) taken = taken || m.PawnPos[std::size_t(i)] == p;
        if (!taken) m.PawnPos[std::size_t(m.PawnNb++)] = p;
    }
    return m;
}

// The game's position as a solver key: pawn cells and the doors as the board shows them.
std::uint64_t KeyOfPlay(const TSolverBoard& B, const TPlay& P) {
    return B.KeyOf(P.CurMap);
}

const QStringList Loop = {
    "#####o#####", //
    "##A.1B#####", //
    "##.##.#####", //
    "##.##.#####", //
    "##B..A#####", //
};

} // namespace

class TestSolver : public QObject {
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void drawnMaps_data();
    void drawnMaps();
    void unplayableMapsAreNotSearched_data();
    void unplayableMapsAreNotSearched();
    void solvesFromTheGameInProgress();
    void bothStoresAndBothWaysAgree();
    void movesMatchTheGame();
    void movesBackMirrorMoves();
    void movesKeepTheDenseIndex();
    void cancelledBeforeStart();
    void cancelledFromAnotherThread();
    void memoryLimitStops_data();
    void memoryLimitStops();
};

void TestSolver::examples_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("optimum");
    const int optima[ExampleCount] = {7, 14, 12, 8, 17, 22, 29, 24, 34, 57};
    for (int n = 1; n <= ExampleCount; ++n) QTest::addRow("example %d", n) << n << optima[n - 1];
}

void TestSolver::examples() {
    QFETCH(int, number);
    QFETCH(int, optimum);
    const TMap& map = ExampleMap(number);
    const TSolveResult r = Solve(map);
    QCOMPARE(r.Status, ssSolved);
    QCOMPARE(r.Moves, optimum);
    QCOMPARE(r.Solution.size(), 2 * optimum);
    QVERIFY(SolvesExactly(map, r.Solution));
    QVERIFY(r.States > 0);
}

void TestSolver::drawnMaps_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<int>>("onLoweredDoor"); // these pawns stand on a lowered door
    QTest::addColumn<int>("optimum");              // -1: no solution

    QTest::newRow("already solved") << QStringList{"#u..#"} << QList<int>{} << 0;
    QTest::newRow("one move from solved") << QStringList{"#1..o#"} << QList<int>{} << 1;
    QTest::newRow("more goals than pawns") << QStringList{"#o..1..o###"} << QList<int>{} << 1;
    QTest::newRow("three stretches through turns, one move")
        << QStringList{"#1..B######", "####.######", "#o..A######"} << QList<int>{} << 1;
    QTest::newRow("stop cell") << QStringList{"#1.s.o#"} << QList<int>{} << 2;
    QTest::newRow("loop guard ends the circle on its first turn cell") << Loop << QList<int>{} << 2;
    QTest::newRow("pawn circling for ever, goal out of reach")
        << QStringList{"###########", "##A1.B#####", "##.##.#####", "##.##.#####",
                       "##B..A#####", "###########", "#######o###"}
        << QList<int>{} << -1;
    QTest::newRow("walled in") << QStringList{"#1#o#"} << QList<int>{} << -1;
    // Pawn 1 rests on the button to drop the raised door for pawn 2, then leaves; pawn 2 holds
    // the lowered door it stands on down through the flip.
    QTest::newRow("door held down by a pawn, doors out of step")
        << QStringList{"#o.D..2..##", "#########b#", "#########1#", "#########o#"} << QList<int>{2}
        << 3;
    QTest::newRow("raised door stops, button opens it")
        << QStringList{"#b1.Do#"} << QList<int>{} << 2;
}

void TestSolver::drawnMaps() {
    QFETCH(QStringList, rows);
    QFETCH(QList<int>, onLoweredDoor);
    QFETCH(int, optimum);
    TMap map = MapFromRows(rows);
    for (int pawn : onLoweredDoor) {
        const TSmallPoint at = map.PawnPos[std::size_t(pawn - 1)];
        map.SetCell(at.x, at.y, ctDoorDown);
    }
    for (bool both : {true, false}) {
        TSolveOptions options;
        options.Bidirectional = both;
        const TSolveResult r = Solve(map, options);
        QVERIFY(!r.Unplayable);
        if (optimum < 0) {
            QCOMPARE(r.Status, ssNoSolution);
            continue;
        }
        QCOMPARE(r.Status, ssSolved);
        QCOMPARE(r.Moves, optimum);
        if (optimum > 0)
            QVERIFY(SolvesExactly(map, r.Solution));
        else
            QVERIFY(r.Solution.isEmpty());
    }
}

void TestSolver::unplayableMapsAreNotSearched_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("pawnOnWall"); // pawn moved onto the wall at (0, 0), or 0
    QTest::addColumn<bool>("shareCell"); // pawn 2 put on pawn 1's cell

    QTest::newRow("no pawn") << QStringList{"#..o#"} << 0 << false;
    QTest::newRow("no goal") << QStringList{"#1..#"} << 0 << false;
    QTest::newRow("fewer goals than pawns") << QStringList{"#1.2o#"} << 0 << false;
    QTest::newRow("pawn on a wall") << QStringList{"#1.2oo"} << 2 << false;
    QTest::newRow("two pawns on one cell") << QStringList{"#1.2oo"} << 0 << true;
}

void TestSolver::unplayableMapsAreNotSearched() {
    QFETCH(QStringList, rows);
    QFETCH(int, pawnOnWall);
    QFETCH(bool, shareCell);
    TMap map = MapFromRows(rows);
    if (pawnOnWall > 0) map.PawnPos[std::size_t(pawnOnWall - 1)] = {0, 0};
    if (shareCell) map.PawnPos[1] = map.PawnPos[0];
    QVERIFY(UnplayableAsDrawn(map));
    const TSolveResult r = Solve(map);
    QCOMPARE(r.Status, ssNoSolution);
    QVERIFY(r.Unplayable);
    QCOMPARE(r.States, std::uint64_t(0));
}

void TestSolver::solvesFromTheGameInProgress() {
    // Four moves into example 3's stored solution (14 moves, the optimum being 12), the search
    // starts from where the game stands.
    const TMap& map = ExampleMap(3);
    TPlay p = Started(map);
    for (int i = 0; i < 8; i += 2)
        QVERIFY(p.PlayMove(CodeValue(map.Solution[i]), map.Solution[i + 1]) != moBlocked);
    const TSolveResult fromHere = Solve(p);
    QCOMPARE(fromHere.Status, ssSolved);
    QVERIFY(fromHere.Moves >= 12 - 4 && fromHere.Moves <= 14 - 4);
    // The solution is in this position's pawn numbers: the game goes on with it.
    for (int i = 0; i < fromHere.Solution.size(); i += 2)
        QVERIFY(p.PlayMove(CodeValue(fromHere.Solution[i]), fromHere.Solution[i + 1]) != moBlocked);
    QVERIFY(p.IsSolved());
    QCOMPARE(p.MoveCount, 4 + fromHere.Moves);
}

void TestSolver::bothStoresAndBothWaysAgree() {
    // Small random maps: from both ends or from the start only, bits or a hash set, the same
    // verdict and the same optimum.
    std::mt19937 rng(7);
    int solved = 0, none = 0;
    for (int i = 0; i < 150; ++i) {
        TMap map = RandomMap(rng);
        map.PawnNb = std::min(map.PawnNb, 3);
        if (UnplayableAsDrawn(map)) continue;
        TSolveOptions reference;
        reference.Bidirectional = false;
        reference.Store = TSolveOptions::stHash;
        const TSolveResult want = Solve(map, reference);
        QVERIFY(want.Status != ssStopped);
        for (auto store : {TSolveOptions::stDense, TSolveOptions::stHash}) {
            TSolveOptions options;
            options.Store = store;
            const TSolveResult got = Solve(map, options);
            QCOMPARE(got.Status, want.Status);
            QCOMPARE(got.Moves, want.Moves);
            if (got.Status == ssSolved && got.Moves > 0) QVERIFY(SolvesExactly(map, got.Solution));
        }
        (want.Status == ssSolved ? solved : none)++;
    }
    qInfo("%d random maps solved, %d without a solution", solved, none);
    QVERIFY(solved > 20);
    QVERIFY(none > 5);
}

void TestSolver::movesMatchTheGame() {
    // From positions reached by random play, every pawn pushed every way, by the game's rules
    // and by the solver's: same blocked / ended / solved, same pawn cells, same doors.
    std::mt19937 rng(12);
    std::vector<TMap> maps(ExampleMaps().begin(), ExampleMaps().end());
    while (maps.size() < 400) {
        const TMap m = RandomMap(rng);
        if (!UnplayableAsDrawn(m)) maps.push_back(m);
    }
    long compared = 0;
    for (const TMap& map : maps) {
        const TSolverBoard board(map);
        QVERIFY(board.Representable());
        TPlay walk = Started(map);
        for (int step = 0; step < 40; ++step) {
            const std::uint64_t here = KeyOfPlay(board, walk);
            for (int pawn = 1; pawn <= walk.CurMap.PawnNb; ++pawn)
                for (int dir = 0; dir < 4; ++dir) {
                    TPlay game = walk;
                    const TSmallPoint at = game.CurMap.PawnPos[std::size_t(pawn - 1)];
                    const TMoveOutcome out = game.PlayMove(pawn, Directions[dir]);
                    std::uint64_t next = 0;
                    const bool moved = board.PlayMove(here, CellIndex(at.x, at.y), dir, next);
                    QCOMPARE(moved, out != moBlocked);
                    ++compared;
                    if (!moved) continue;
                    QCOMPARE(next, KeyOfPlay(board, game));
                    QCOMPARE(board.IsSolvedKey(next), out == moSolved);
                }
            const int pawn = 1 + int(rng() % unsigned(walk.CurMap.PawnNb));
            walk.PlayMove(pawn, Directions[int(rng() % 4)]);
        }
    }
    qInfo("%ld moves compared on %zu maps", compared, maps.size());
}

void TestSolver::movesBackMirrorMoves() {
    // The search backwards must find every position that one move turns into the one at hand,
    // and nothing else.
    std::mt19937 rng(5);
    long checked = 0;
    for (int m = 0; m < 300; ++m) {
        const TMap map = RandomMap(rng);
        if (UnplayableAsDrawn(map)) continue;
        const TSolverBoard board(map);
        TPlay walk = Started(map);
        for (int step = 0; step < 20; ++step) {
            const std::uint64_t here = KeyOfPlay(board, walk);
            board.ForEachSuccessor(here, [&](std::uint64_t next, int, int) {
                bool found = false;
                board.ForEachPredecessor(next, [&](std::uint64_t back) {
                    found = found || back == here;
                    bool leads = false;
                    board.ForEachSuccessor(back, [&](std::uint64_t again, int, int) {
                        leads = leads || again == next;
                    });
                    QVERIFY(leads);
                });
                QVERIFY(found);
                ++checked;
            });
            const int pawn = 1 + int(rng() % unsigned(walk.CurMap.PawnNb));
            walk.PlayMove(pawn, Directions[int(rng() % 4)]);
        }
    }
    qInfo("%ld moves found again backwards", checked);
}

void TestSolver::movesKeepTheDenseIndex() {
    // A move works out the dense index of where it leads without packing the position again:
    // both ways, it must be the one the position's key gives.
    std::mt19937 rng(9);
    long checked = 0;
    for (int m = 0; m < 200; ++m) {
        const TMap map = RandomMap(rng);
        if (UnplayableAsDrawn(map)) continue;
        const TSolverBoard board(map);
        if (board.DenseSize() == 0) continue;
        TPlay walk = Started(map);
        for (int step = 0; step < 10; ++step) {
            const std::uint64_t here = KeyOfPlay(board, walk);
            board.ForEachSuccessorIndexed(here,
                                          [&](std::uint64_t dense, const auto& next, int, int) {
                                              QCOMPARE(dense, board.DenseIndex(next()));
                                              QVERIFY(dense < board.DenseSize());
                                              ++checked;
                                          });
            board.ForEachPredecessorIndexed(here, [&](std::uint64_t dense, const auto& back) {
                QCOMPARE(dense, board.DenseIndex(back()));
                ++checked;
            });
            const int pawn = 1 + int(rng() % unsigned(walk.CurMap.PawnNb));
            walk.PlayMove(pawn, Directions[int(rng() % 4)]);
        }
    }
    qInfo("%ld dense indexes compared", checked);
    QVERIFY(checked > 1000);
}

void TestSolver::cancelledBeforeStart() {
    std::atomic_bool cancel{true};
    const TSolveResult r = Solve(ExampleMap(8), {}, &cancel);
    QCOMPARE(r.Status, ssStopped);
    QCOMPARE(r.Stop, srCancelled);
    QVERIFY(r.Solution.isEmpty());
}

void TestSolver::cancelledFromAnotherThread() {
    // From the start only, example 8 takes far longer than the wait before the flag is set.
    std::atomic_bool cancel{false};
    TSolveOptions slow;
    slow.Bidirectional = false;
    TSolveResult r;
    std::thread worker([&] { r = Solve(ExampleMap(8), slow, &cancel); });
    QTest::qWait(20);
    cancel = true;
    worker.join();
    QCOMPARE(r.Status, ssStopped);
    QCOMPARE(r.Stop, srCancelled);
}

void TestSolver::memoryLimitStops_data() {
    QTest::addColumn<int>("store");
    QTest::newRow("bits") << int(TSolveOptions::stDense);
    QTest::newRow("hash set") << int(TSolveOptions::stHash);
    QTest::newRow("chosen") << int(TSolveOptions::stAuto);
}

void TestSolver::memoryLimitStops() {
    QFETCH(int, store);
    TSolveOptions tiny;
    tiny.MemoryLimit = 64 * 1024;
    tiny.Store = TSolveOptions::TStore(store);
    const TSolveResult r = Solve(ExampleMap(8), tiny);
    QCOMPARE(r.Status, ssStopped);
    QCOMPARE(r.Stop, srMemory);
    QVERIFY(r.PeakBytes <= tiny.MemoryLimit);
}

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
