// The background search: its answer comes back through the event loop, a newer search or a
// cancel drops the older one's answer, and the job may go away while a search runs.
#include "storage/Examples.h"
#include "session/SolverJob.h"
#include "tests/TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(TSolveResult)

class TestSolverJob : public QObject {
    Q_OBJECT
private slots:
    void answersThroughTheLoop();
    void newerSearchWins();
    void cancelDropsTheAnswer();
    void destroyedWhileSearching();
};

void TestSolverJob::answersThroughTheLoop() {
    TSolverJob job;
    QSignalSpy spy(&job, &TSolverJob::Finished);
    job.Start(ExampleMap(1));
    QVERIFY(job.Running());
    QCOMPARE(spy.count(), 0); // never from inside Start
    while (spy.isEmpty()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QVERIFY(!job.Running());
    const auto result = spy.at(0).at(0).value<TSolveResult>();
    QCOMPARE(result.Status, ssSolved);
    QCOMPARE(result.Moves, 7);
}

void TestSolverJob::newerSearchWins() {
    TSolverJob job;
    QSignalSpy spy(&job, &TSolverJob::Finished);
    job.Start(ExampleMap(1));
    job.Start(ExampleMap(3)); // the first search is dropped, finished or not
    job.Wait();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<TSolveResult>().Moves, 12);
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 1);
}

void TestSolverJob::cancelDropsTheAnswer() {
    TSolverJob job;
    QSignalSpy spy(&job, &TSolverJob::Finished);
    job.Start(ExampleMap(2));
    job.Cancel();
    QVERIFY(!job.Running());
    job.Wait(); // nothing runs: returns at once
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0);
    // The job serves the next search as usual.
    job.Start(ExampleMap(4));
    job.Wait();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<TSolveResult>().Moves, 8);
}

void TestSolverJob::destroyedWhileSearching() {
    int answers = 0;
    {
        TSolverJob job;
        connect(&job, &TSolverJob::Finished, [&answers] { ++answers; });
        job.Start(ExampleMap(8));
    } // cancels and joins; an answer already posted goes with the job
    QCoreApplication::processEvents();
    QCOMPARE(answers, 0);
}

QTEST_GUILESS_MAIN(TestSolverJob)
#include "tst_solverjob.moc"
