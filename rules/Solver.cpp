// Breadth-first search for the shortest solution, from the start and back from every solved
// position at once, over positions reduced to what the rules look at.
#include "rules/Solver.h"

#include "rules/Play.h"
#include "rules/SolverBoard.h"

#include <boost/unordered/unordered_flat_set.hpp>

#include <algorithm>
#include <new>
#ifdef __linux__
#include <sys/mman.h>
#endif
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Large blocks come straight from the system, laid on huge page boundaries and asking for huge
// pages: the search touches its memory once and widely, and with small pages it spends much of
// its time on page faults. Small blocks go through the usual allocator.
constexpr std::size_t HugePage = std::size_t(1) << 21;
constexpr std::size_t LargeBlock = HugePage;

std::size_t RoundUp(std::size_t Bytes, std::size_t Unit) {
    return (Bytes + Unit - 1) / Unit * Unit;
}

#ifdef __linux__
// What a block of Bytes takes from the system.
std::size_t MappedBytes(std::size_t Bytes, bool Huge) {
    return Huge ? RoundUp(Bytes, HugePage) : Bytes;
}
#endif

// Whether a block of Bytes is worth huge pages: whole huge pages are then taken for it.
bool WorthHugePages(std::size_t Bytes) {
    return Bytes >= HugePage / 2;
}

// Zeroed memory, or nullptr. Huge: in whole huge pages, laid on their boundaries. Reserve:
// address space only, the system promises no memory behind it until it is written.
void* AllocatePages(std::size_t Bytes, bool Huge, bool Reserve = false) {
#ifdef __linux__
    const std::size_t length = MappedBytes(Bytes, Huge);
    const std::size_t slack = Huge ? HugePage : 0;
    void* p = mmap(nullptr, length + slack, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS | (Reserve ? MAP_NORESERVE : 0), -1, 0);
    if (p == MAP_FAILED) return nullptr;
    if (!Huge) return p;
    // Keep the huge page aligned part only.
    char* const raw = static_cast<char*>(p);
    char* const start =
        raw + (HugePage - reinterpret_cast<std::uintptr_t>(raw) % HugePage) % HugePage;
    if (start > raw) munmap(raw, std::size_t(start - raw));
    if (raw + length + slack > start + length)
        munmap(start + length, std::size_t(raw + length + slack - (start + length)));
    madvise(start, length, MADV_HUGEPAGE);
    return start;
#else
    (void)Huge;
    (void)Reserve;
    return std::calloc(Bytes, 1);
#endif
}

void FreePages(void* p, std::size_t Bytes, bool Huge) {
#ifdef __linux__
    if (p) munmap(p, MappedBytes(Bytes, Huge));
#else
    (void)Bytes;
    (void)Huge;
    std::free(p);
#endif
}

template <class T> struct TPageAllocator {
    using value_type = T;
    TPageAllocator() = default;
    template <class U> TPageAllocator(const TPageAllocator<U>&) {}
    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < LargeBlock) return std::allocator<T>().allocate(n);
        void* p = AllocatePages(bytes, true);
        if (!p) throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < LargeBlock)
            std::allocator<T>().deallocate(p, n);
        else
            FreePages(p, bytes, true);
    }
    template <class U> bool operator==(const TPageAllocator<U>&) const { return true; }
};

// The keys of every layer of the search, both ends, one layer after another: a layer is done
// before the next begins, so each lies in one piece. Where the system allows, the whole limit is
// reserved at once as address space: the keys never move and only the pages written are used.
class TKeyStore {
public:
    explicit TKeyStore(std::size_t MaxBytes) {
#ifdef __linux__
        // Under a small limit the keys take small pages, so that the memory used stays close
        // to the limit. A system that will not reserve that much still gets a search, a
        // smaller one.
        Huge = MaxBytes >= SmallLimit;
        const std::size_t unit = Huge ? HugePage : PageSize;
        for (std::size_t bytes = RoundUp(std::max<std::size_t>(MaxBytes, 1), unit);
             bytes >= unit && !Keys; bytes = RoundUp(bytes / 2, unit)) {
            Keys = static_cast<std::uint64_t*>(AllocatePages(bytes, Huge, true));
            if (Keys) Reserved = bytes;
            if (bytes == unit) break;
        }
#else
        (void)MaxBytes;
#endif
    }
    ~TKeyStore() {
        FreePages(Keys, Reserved, Huge);
    }
    TKeyStore(const TKeyStore&) = delete;
    TKeyStore& operator=(const TKeyStore&) = delete;

    std::size_t Size() const {
        return Count;
    }
    std::uint64_t operator[](std::size_t i) const {
        return Data()[i];
    }
    const std::uint64_t* Data() const {
        return Keys ? Keys : Grown.data();
    }
    // Bytes held for the keys.
    std::size_t Bytes() const {
        return Keys ? Count * sizeof(std::uint64_t) : Grown.capacity() * sizeof(std::uint64_t);
    }
    // Whether one more key fits in Budget more bytes.
    bool CanPush(std::size_t Budget) const {
        if (Keys)
            return Count < Reserved / sizeof(std::uint64_t) && Budget >= sizeof(std::uint64_t);
        if (Grown.size() < Grown.capacity()) return true;
        // The old block is still held while its contents move to the new one.
        return std::max<std::size_t>(64, 2 * Grown.capacity()) * sizeof(std::uint64_t) <= Budget;
    }
    void Push(std::uint64_t Key) {
        if (Keys) {
            Keys[Count++] = Key;
            return;
        }
        if (Grown.size() == Grown.capacity())
            Grown.reserve(std::max<std::size_t>(64, 2 * Grown.capacity()));
        Grown.push_back(Key);
        ++Count;
    }

private:
    static constexpr std::size_t PageSize = 4096;
    static constexpr std::size_t SmallLimit = 16 * MiB;
    std::uint64_t* Keys = nullptr;
    std::size_t Reserved = 0;
    bool Huge = false;
    std::size_t Count = 0;
    std::vector<std::uint64_t, TPageAllocator<std::uint64_t>> Grown; // without a reservation
};

// Where one layer lies in the key store.
struct TLayer {
    std::size_t Begin = 0, End = 0;
    std::size_t Size() const { return End - Begin; }
};

// One bit per possible position, addressed by the position's dense index. The pages the search
// never touches are never handed out by the system.
class TDenseSet {
public:
    TDenseSet(const TSolverBoard& Board, bool Wanted) {
        if (!Wanted) return;
        Words = std::size_t((Board.DenseSize() + 63) / 64);
        const std::size_t bytes = Words * sizeof(std::uint64_t);
        Bits.reset(static_cast<std::uint64_t*>(AllocatePages(bytes, WorthHugePages(bytes))));
        Bits.get_deleter().Bytes = bytes;
        if (!Bits) Words = 0;
    }
    bool Valid() const { return Bits != nullptr; }
    // Where a position with this key and dense index lives.
    template <class K> static std::uint64_t Slot(const K& /*KeyOf*/, std::uint64_t Dense) {
        return Dense;
    }
    bool Insert(std::uint64_t i) {
        std::uint64_t& w = Bits.get()[i >> 6];
        const std::uint64_t bit = std::uint64_t(1) << (i & 63);
        if (w & bit) return false;
        w |= bit;
        ++Count;
        return true;
    }
    bool Contains(std::uint64_t i) const { return (Bits.get()[i >> 6] >> (i & 63)) & 1; }
    // The next insertion never needs more memory.
    bool CanInsert(std::size_t /*Budget*/) const { return true; }
    std::size_t Bytes() const { return Words * sizeof(std::uint64_t); }
    std::uint64_t Size() const { return Count; }

private:
    struct TFree {
        std::size_t Bytes = 0;
        void operator()(std::uint64_t* p) const { FreePages(p, Bytes, WorthHugePages(Bytes)); }
    };
    std::unique_ptr<std::uint64_t, TFree> Bits{nullptr, TFree{}};
    std::size_t Words = 0;
    std::uint64_t Count = 0;
};

// The positions by their packed keys, for state spaces too large for one bit each.
class THashSet {
public:
    THashSet(const TSolverBoard&, bool) {}
    bool Valid() const { return true; }
    template <class K> static std::uint64_t Slot(const K& KeyOf, std::uint64_t /*Dense*/) {
        return KeyOf();
    }
    bool Insert(std::uint64_t Key) { return Set.insert(Key).second; }
    bool Contains(std::uint64_t Key) const { return Set.contains(Key); }
    // A full table is rebuilt twice as large while the old one is still held.
    bool CanInsert(std::size_t Budget) const {
        if (Set.size() < Set.max_load()) return true;
        const std::size_t grown = Set.bucket_count() == 0 ? 1024 : 2 * Bytes();
        return grown <= Budget;
    }
    std::size_t Bytes() const { return Set.bucket_count() * (sizeof(std::uint64_t) + 1); }
    std::uint64_t Size() const { return Set.size(); }

private:
    boost::unordered_flat_set<std::uint64_t> Set;
};

// How often the search looks at the cancel flag and at its memory: a few thousand positions
// take well under a millisecond.
constexpr int CheckEvery = 1024;

template <class TSet> class TSearch {
public:
    TSearch(const TSolverBoard& Board, const TSolveOptions& Options, const std::atomic_bool* Cancel)
        : B(Board), Opt(Options),
          CancelFlag(Cancel), Seen{TSet(Board, true), TSet(Board, Options.Bidirectional)},
          Keys(Options.MemoryLimit) {}

    bool Valid() const { return Seen[0].Valid() && (!Opt.Bidirectional || Seen[1].Valid()); }

    // Runs the search; on success Path holds the positions from the start to a solved one.
    TSolveResult Run(std::uint64_t Start, std::vector<std::uint64_t>& Path) {
        TSolveResult r;
        r.Status = ssStopped;
        if (!Begin(Start)) return Finish(r);
        for (;;) {
            const int side = !Opt.Bidirectional                                   ? 0
                             : Layers[0].back().Size() <= Layers[1].back().Size() ? 0
                                                                                  : 1;
            if (Layers[side].back().Size() == 0) {
                r.Status = ssNoSolution;
                return Finish(r);
            }
            const TLayer frontier = Layers[side].back();
            const std::size_t begin = Keys.Size(); // of the next layer
            bool met = false;
            std::uint64_t metA = 0, metB = 0; // a move from metA leads to metB
            for (std::size_t i = frontier.Begin; i < frontier.End && !met && Stop == srNone; ++i) {
                if (!Tick()) break;
                const std::uint64_t key = Keys[i];
                if (side == 0) {
                    B.ForEachSuccessorIndexed(key, [&](std::uint64_t dense, const auto& keyOf, int,
                                                       int) {
                        if (met || Stop != srNone) return;
                        const std::uint64_t slot = TSet::Slot(keyOf, dense);
                        if (Opt.Bidirectional ? Seen[1].Contains(slot) : B.IsSolvedKey(keyOf())) {
                            met = true;
                            metA = key;
                            metB = keyOf();
                            return;
                        }
                        Add(0, keyOf, slot);
                    });
                } else {
                    B.ForEachPredecessorIndexed(key, [&](std::uint64_t dense, const auto& keyOf) {
                        if (met || Stop != srNone) return;
                        const std::uint64_t slot = TSet::Slot(keyOf, dense);
                        if (Seen[0].Contains(slot)) {
                            met = true;
                            metA = keyOf();
                            metB = key;
                            return;
                        }
                        Add(1, keyOf, slot);
                    });
                }
            }
            if (met) {
                Rebuild(metA, metB, Path);
                r.Status = ssSolved;
                r.Moves = int(Path.size()) - 1;
                return Finish(r);
            }
            if (Stop != srNone) return Finish(r);
            Layers[side].push_back({begin, Keys.Size()});
        }
    }

private:
    const TSolverBoard& B;
    const TSolveOptions& Opt;
    const std::atomic_bool* CancelFlag;
    TSet Seen[2]; // from the start; back from the solved positions
    TKeyStore Keys;
    std::vector<TLayer> Layers[2];
    std::size_t Peak = 0;
    TStopReason Stop = srNone;
    int Countdown = CheckEvery;

    std::size_t Used() const { return Seen[0].Bytes() + Seen[1].Bytes() + Keys.Bytes(); }

    void Note() { Peak = std::max(Peak, Used()); }

    bool Tick() {
        if (--Countdown > 0) return true;
        Countdown = CheckEvery;
        if (CancelFlag && CancelFlag->load(std::memory_order_relaxed)) Stop = srCancelled;
        return Stop == srNone;
    }

    std::size_t Budget() const {
        const std::size_t used = Used();
        return used >= Opt.MemoryLimit ? 0 : Opt.MemoryLimit - used;
    }

    // Slot: where the position lives in either set; KeyOf() gives its key, which joins the
    // layer being built.
    template <class K> void Add(int Side, const K& KeyOf, std::uint64_t Slot) {
        if (!Seen[Side].CanInsert(Budget())) {
            Stop = srMemory;
            return;
        }
        if (!Seen[Side].Insert(Slot)) return;
        if (!Keys.CanPush(Budget())) {
            Stop = srMemory;
            return;
        }
        Keys.Push(KeyOf());
        Note();
    }

    bool Begin(std::uint64_t Start) {
        const auto start = [Start] { return Start; };
        Add(0, start, TSet::Slot(start, B.DenseIndex(Start)));
        Layers[0].push_back({0, Keys.Size()});
        if (Opt.Bidirectional) {
            const std::size_t begin = Keys.Size();
            B.ForEachSolvedKey([&](std::uint64_t k) {
                const auto solved = [k] { return k; };
                if (Stop == srNone) Add(1, solved, TSet::Slot(solved, B.DenseIndex(k)));
            });
            Layers[1].push_back({begin, Keys.Size()});
        }
        if (Used() > Opt.MemoryLimit) Stop = srMemory;
        return Stop == srNone;
    }

    TSolveResult& Finish(TSolveResult& r) {
        r.Stop = r.Status == ssStopped ? (Stop == srNone ? srMemory : Stop) : srNone;
        r.States = Seen[0].Size() + Seen[1].Size();
        r.PeakBytes = Peak;
        return r;
    }

    // The first of Candidates found in Layer, or Fallback. A scan of the layer against the few
    // candidates costs less than sorting every layer.
    std::uint64_t FindIn(const TLayer& Layer, std::vector<std::uint64_t>& Candidates,
                         std::uint64_t Fallback) const {
        std::sort(Candidates.begin(), Candidates.end());
        for (std::size_t i = Layer.Begin; i < Layer.End; ++i)
            if (std::binary_search(Candidates.begin(), Candidates.end(), Keys[i])) return Keys[i];
        return Fallback;
    }

    // Walks from the meeting move back to the start and on to a solved position, one layer at
    // a time: every position of layer d has a neighbour in layer d - 1.
    void Rebuild(std::uint64_t A, std::uint64_t Bk, std::vector<std::uint64_t>& Path) {
        std::vector<std::uint64_t> head{A}, candidates;
        std::uint64_t x = A;
        for (std::size_t d = Layers[0].size() - 1; d > 0; --d) {
            candidates.clear();
            B.ForEachPredecessor(x, [&](std::uint64_t p) { candidates.push_back(p); });
            x = FindIn(Layers[0][d - 1], candidates, x);
            head.push_back(x);
        }
        Path.assign(head.rbegin(), head.rend());
        Path.push_back(Bk);
        x = Bk;
        if (!Opt.Bidirectional) return;
        for (std::size_t d = Layers[1].size() - 1; d > 0; --d) {
            candidates.clear();
            B.ForEachSuccessor(x, [&](std::uint64_t n, int, int) { candidates.push_back(n); });
            x = FindIn(Layers[1][d - 1], candidates, x);
            Path.push_back(x);
        }
    }
};

// Turns the positions of Path into the moves between them, played on the game's own rules to
// number the pawns; false if the rules disagree with the search.
bool WriteSolution(const TSolverBoard& B, const TMap& Map, const std::vector<std::uint64_t>& Path,
                   QString& Solution) {
    TPlay play;
    play.CurMap = Map;
    play.ResetPlay(true);
    TMoveOutcome last = moEnded;
    for (std::size_t i = 0; i + 1 < Path.size(); ++i) {
        int cell = -1, dir = -1;
        B.ForEachSuccessor(Path[i], [&](std::uint64_t n, int from, int d) {
            if (cell < 0 && n == Path[i + 1]) {
                cell = from;
                dir = d;
            }
        });
        if (cell < 0) return false;
        const int pawn = play.PawnAt(cell % BoardCols, cell / BoardCols);
        last = play.PlayMove(pawn, Directions.at(dir));
        if (last == moBlocked) return false;
    }
    Solution = play.SolutionStack;
    return last == moSolved;
}

template <class TSet>
TSolveResult RunSearch(const TSolverBoard& B, const TMap& Map, const TSolveOptions& Options,
                       const std::atomic_bool* Cancel, bool& Valid) {
    TSolveResult r;
    std::vector<std::uint64_t> path;
    try {
        TSearch<TSet> search(B, Options, Cancel);
        Valid = search.Valid();
        if (!Valid) return r;
        r = search.Run(B.StartKey(), path);
    } catch (const std::bad_alloc&) {
        // The system refused memory below our own limit: the same as reaching it.
        Valid = true;
        r = {};
        r.Status = ssStopped;
        r.Stop = srMemory;
        return r;
    }
    if (r.Status == ssSolved && !WriteSolution(B, Map, path, r.Solution)) {
        // Never happens while the search and the game agree on the rules; say nothing rather
        // than something false.
        r.Status = ssStopped;
        r.Stop = srCancelled;
        r.Moves = -1;
    }
    return r;
}

} // namespace

bool UnplayableAsDrawn(const TMap& Map) {
    if (Map.PawnNb < 1 || Map.PawnNb > MaxPawns) return true;
    if (CountCells(Map, ctGoal) < Map.PawnNb) return true;
    for (int i = 0; i < Map.PawnNb; ++i) {
        const TSmallPoint p = Map.PawnPos[i];
        if (!OnBoard(p.x, p.y) || Map.Cell(p.x, p.y) == ctWall) return true;
        for (int j = 0; j < i; ++j)
            if (Map.PawnPos[j] == p) return true;
    }
    return false;
}

TSolveResult Solve(const TMap& Map, const TSolveOptions& Options, const std::atomic_bool* Cancel) {
    TSolveResult r;
    if (UnplayableAsDrawn(Map)) {
        r.Unplayable = true;
        return r;
    }
    TPlay play;
    play.CurMap = Map;
    if (play.IsSolved()) {
        r.Status = ssSolved;
        r.Moves = 0;
        return r;
    }
    const TSolverBoard board(Map);
    if (!board.Representable()) {
        r.Status = ssStopped;
        r.Stop = srMemory;
        return r;
    }
    TSolveOptions options = Options;
    // Every solved position starts the search backwards; when there are too many of them the
    // search goes forwards only.
    if (board.SolvedKeyCount() > (std::uint64_t(1) << 20)) options.Bidirectional = false;

    const std::uint64_t dense = board.DenseSize();
    const int sides = options.Bidirectional ? 2 : 1;
    bool valid = false;
    const bool denseFits = dense > 0 && dense / 8 * sides <= options.MemoryLimit / 2;
    if (options.Store == TSolveOptions::stDense && dense / 8 * sides > options.MemoryLimit) {
        r.Status = ssStopped;
        r.Stop = srMemory;
        return r;
    }
    if (dense > 0 && (options.Store == TSolveOptions::stDense ||
                      (options.Store == TSolveOptions::stAuto && denseFits))) {
        r = RunSearch<TDenseSet>(board, Map, options, Cancel, valid);
        if (valid) return r;
    }
    r = RunSearch<THashSet>(board, Map, options, Cancel, valid);
    return r;
}

TSolveResult Solve(const TPlay& Play, const TSolveOptions& Options,
                   const std::atomic_bool* Cancel) {
    return Solve(Play.CurMap, Options, Cancel);
}
