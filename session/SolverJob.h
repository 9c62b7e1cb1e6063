// A search for the shortest solution that runs on a worker thread and answers on the GUI thread.
#pragma once

#include "rules/Solver.h"
#include "rules/Types.h"

#include <QObject>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

class TPlay;

// One search at a time. The job works on its own copy of the map, so the game goes on while it
// searches; the answer comes back as Finished, on the thread the job lives on, through its event
// loop. Cancel is immediate for the caller: whatever the cancelled search finds later is dropped.
// Destroying the job cancels its searches and waits for their threads.
class TSolverJob : public QObject {
    Q_OBJECT
public:
    explicit TSolverJob(QObject* Parent = nullptr);
    ~TSolverJob() override;

    // Starts solving Map from its position as given; a search still running is cancelled first.
    void Start(const TMap& Map, const TSolveOptions& Options = {});
    // The game in progress from its current position (between two moves).
    void Start(const TPlay& Play, const TSolveOptions& Options = {});
    // Drops the running search, if any: Finished will not be emitted for it.
    void Cancel();
    // A search was started and has not answered or been cancelled yet.
    bool Running() const { return Current != nullptr; }
    // Blocks until the running search has ended, then delivers its answer at once (Finished is
    // emitted before Wait returns). For tests and tools that have nothing else to do meanwhile.
    void Wait();

signals:
    void Finished(const TSolveResult& Result);

private:
    struct TWorker {
        std::thread Thread;
        std::atomic_bool Cancel{false};
        std::atomic_bool Done{false};
    };
    void Deliver(unsigned Generation, const TSolveResult& Result);
    // Joins the cancelled workers whose search has come to its end.
    void Reap(bool All);

    std::unique_ptr<TWorker> Current;
    std::vector<std::unique_ptr<TWorker>> Cancelled;
    // Tells each answer from those of the searches started before it.
    unsigned Generation = 0;
};
