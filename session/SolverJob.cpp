// Runs the solver on a worker thread and hands its answer back to the thread that asked.
#include "session/SolverJob.h"

#include "rules/Play.h"

#include <QCoreApplication>
#include <QMetaObject>

TSolverJob::TSolverJob(QObject* Parent) : QObject(Parent) {}

TSolverJob::~TSolverJob() {
    Cancel();
    Reap(true);
    // The answers the workers posted go with this object: QObject drops its pending events.
}

void TSolverJob::Start(const TMap& Map, const TSolveOptions& Options) {
    Cancel();
    Reap(false);
    const unsigned generation = ++Generation;
    Current = std::make_unique<TWorker>();
    TWorker* worker = Current.get();
    // The worker owns its copies; it touches this object only to post its answer, which the
    // destructor outlives by joining every thread first.
    worker->Thread = std::thread([this, worker, generation, map = Map, options = Options] {
        const TSolveResult result = Solve(map, options, &worker->Cancel);
        if (!worker->Cancel.load())
            QMetaObject::invokeMethod(
                this, [this, generation, result] { Deliver(generation, result); },
                Qt::QueuedConnection);
        worker->Done.store(true);
    });
}

void TSolverJob::Start(const TPlay& Play, const TSolveOptions& Options) {
    Start(Play.CurMap, Options);
}

void TSolverJob::Cancel() {
    if (!Current) return;
    ++Generation; // an answer already on its way is dropped on arrival
    Current->Cancel.store(true);
    Cancelled.push_back(std::move(Current));
}

void TSolverJob::Wait() {
    if (!Current) return;
    Current->Thread.join();
    // The answer is posted before the thread ends; deliver it now rather than from the loop.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void TSolverJob::Deliver(unsigned ForGeneration, const TSolveResult& Result) {
    if (ForGeneration != Generation || !Current) return;
    Cancelled.push_back(std::move(Current)); // finished: joined by the next Reap
    Reap(false);
    emit Finished(Result);
}

void TSolverJob::Reap(bool All) {
    for (auto it = Cancelled.begin(); it != Cancelled.end();) {
        TWorker& w = **it;
        if (All || w.Done.load() || !w.Thread.joinable()) {
            if (w.Thread.joinable()) w.Thread.join();
            it = Cancelled.erase(it);
        } else {
            ++it;
        }
    }
}
