// Times the solver: each built-in example, then hard random maps (4 to 6 pawns, doors, turns)
// drawn from a fixed seed; prints the optimum, positions visited, time and memory of each.
#include "storage/Examples.h"
#include "rules/Play.h"
#include "rules/Solver.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <ctime>
#include <random>

namespace {

// The process's peak resident memory so far, in MiB (0 where the system does not say).
double PeakResidentMiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

const char* StatusText(const TSolveResult& r) {
    switch (r.Status) {
    case ssSolved:
        return "solved";
    case ssNoSolution:
        return "none";
    case ssStopped:
        break;
    }
    return "stopped";
}

// CPU time of this thread in milliseconds: other programs on a busy machine do not count.
double CpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct TTotals {
    double Ms = 0;
    double CpuMs = 0;
    std::uint64_t States = 0;
    std::size_t Peak = 0;
};

void Report(const char* Name, const TMap& Map, TTotals& Totals) {
    QElapsedTimer t;
    t.start();
    const double cpu0 = CpuMs();
    const TSolveResult r = Solve(Map);
    const double cpu = CpuMs() - cpu0;
    const double ms = double(t.nsecsElapsed()) / 1e6;
    Totals.Ms += ms;
    Totals.CpuMs += cpu;
    Totals.States += r.States;
    Totals.Peak = std::max(Totals.Peak, r.PeakBytes);
    std::printf("%-12s %d pawns  %-8s %4d moves  %11llu states  %9.1f ms  %9.1f ms cpu  %8.1f "
                "MiB\n",
                Name, Map.PawnNb, StatusText(r), r.Moves, static_cast<unsigned long long>(r.States),
                ms, cpu, double(r.PeakBytes) / double(MiB));
}

// A random map: walls around open floor, then goals, pawns, doors, buttons, turns and stops.
TMap RandomMap(std::mt19937& Rng, int Pawns) {
    TMap m;
    auto roll = [&](int n) { return int(Rng() % unsigned(n)); };
    for (int i = 0; i < BoardCells; ++i) m.Board[std::size_t(i)] = roll(100) < 30 ? ctWall : ctVoid;
    auto place = [&](TCellType t, int count) {
        for (int placed = 0, tries = 0; placed < count && tries < 1000; ++tries) {
            const int c = roll(BoardCells);
            if (m.Board[std::size_t(c)] != ctVoid) continue;
            m.Board[std::size_t(c)] = t;
            ++placed;
        }
    };
    place(ctGoal, Pawns);
    place(ctDoorUp, 1 + roll(3));
    place(ctDoorDown, roll(2));
    place(ctButton, 1 + roll(2));
    place(ctTurnA, roll(3));
    place(ctTurnB, roll(3));
    place(ctStop, roll(3));
    m.PawnNb = 0;
    for (int tries = 0; m.PawnNb < Pawns && tries < 1000; ++tries) {
        const int c = roll(BoardCells);
        if (m.Board[std::size_t(c)] != ctVoid) continue;
        const TSmallPoint p{std::int16_t(c % BoardCols), std::int16_t(c / BoardCols)};
        bool taken = false;
        for (int i = 0; i < m.PawnNb; ++i) taken = taken || m.PawnPos[std::size_t(i)] == p;
        if (!taken) m.PawnPos[std::size_t(m.PawnNb++)] = p;
    }
    return m;
}

} // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("%-12s %-7s  %-8s %10s  %18s  %12s  %12s\n", "map", "pawns", "result", "optimum",
                "states", "time", "peak");
    TTotals examples;
    for (int n = 1; n <= ExampleCount; ++n) {
        const QByteArray name = QStringLiteral("exemple %1").arg(n).toUtf8();
        Report(name.constData(), ExampleMap(n), examples);
    }
    std::printf("ten examples: %.1f ms (%.1f ms cpu), %llu states, largest search %.1f MiB, "
                "process peak %.1f MiB\n\n",
                examples.Ms, examples.CpuMs, static_cast<unsigned long long>(examples.States),
                double(examples.Peak) / double(MiB), PeakResidentMiB());

    // Keep the first maps of each pawn count whose optimum is long; the draw is fixed.
    std::mt19937 rng(20240612);
    TTotals hard;
    int kept = 0;
    for (int pawns = 4; pawns <= 6; ++pawns) {
        int found = 0;
        for (int tries = 0; found < 3 && tries < 400; ++tries) {
            const TMap m = RandomMap(rng, pawns);
            TSolveOptions quick;
            quick.MemoryLimit = 256 * MiB;
            const TSolveResult r = Solve(m, quick);
            if (r.Status != ssSolved || r.Moves < 14) continue;
            ++found;
            const QByteArray name = QStringLiteral("random %1").arg(++kept).toUtf8();
            Report(name.constData(), m, hard);
        }
    }
    std::printf("%d hard random maps: %.1f ms (%.1f ms cpu), %llu states, largest search %.1f MiB, "
                "process peak %.1f MiB\n",
                kept, hard.Ms, hard.CpuMs, static_cast<unsigned long long>(hard.States),
                double(hard.Peak) / double(MiB), PeakResidentMiB());
    return 0;
}
