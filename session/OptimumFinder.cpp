// The background search for the optimum of the maps the player has solved.
#include "session/OptimumFinder.h"

#include "storage/Progress.h"

TOptimumFinder::TOptimumFinder(QObject* Parent) : QObject(Parent) {
    connect(&Job, &TSolverJob::Finished, this, &TOptimumFinder::Finished);
}

void TOptimumFinder::Want(const TMap& Map) {
    if (!TProgressStore::IsMapID(Map.ID) || Asked.contains(Map.ID)) return;
    Asked.insert(Map.ID);
    Queue.push_back(Map);
    if (!Job.Running()) Next();
}

void TOptimumFinder::Next() {
    if (Queue.empty()) return;
    Searched = Queue.front().ID;
    TSolveOptions options;
    options.MemoryLimit = MemoryLimit;
    Job.Start(Queue.front(), options);
    Queue.pop_front();
}

void TOptimumFinder::Finished(const TSolveResult& Result) {
    const QString id = Searched;
    Searched.clear();
    Next();
    if (Result.Status == ssSolved && Result.Moves > 0) emit Found(id, Result.Moves);
}

void TOptimumFinder::WaitAll() {
    while (Job.Running()) Job.Wait();
}
