// Finds, one map at a time on a worker thread, the fewest moves each map of record needs, so
// that the menus can tell a win in the fewest moves from another one.
#pragma once

#include "rules/Types.h"
#include "session/SolverJob.h"

#include <QObject>
#include <QSet>
#include <deque>

class TOptimumFinder : public QObject {
    Q_OBJECT
public:
    explicit TOptimumFinder(QObject* Parent = nullptr);

    // Queues Map, from its start, unless it has no ID or was asked for already in this run
    // (whatever came of that: a map without solution or too large is not searched twice).
    void Want(const TMap& Map);
    // A search runs or waits.
    bool Busy() const { return Job.Running() || !Queue.empty(); }
    // Blocks until every map asked for has been searched (Found emitted on the way).
    void WaitAll();

    // A search in the background never holds more than this.
    static constexpr std::size_t MemoryLimit = 256 * MiB;

signals:
    // The map with this ID needs Moves moves at the fewest (never 0: a map solved from its start
    // is not worth a star).
    void Found(const QString& ID, int Moves);

private:
    void Next();
    void Finished(const TSolveResult& Result);

    TSolverJob Job{this};
    std::deque<TMap> Queue;
    QString Searched; // the ID of the map being searched
    QSet<QString> Asked;
};
