// The play session without a window: moves and their clock, undo chains, the playback of the
// stored solution with its pause, verdicts, the document commands and the game kept across runs.
#include "storage/Examples.h"
#include "storage/GameFolder.h"
#include "storage/MapFile.h"
#include "session/PlaySession.h"
#include "rules/Playback.h"
#include "storage/SavedGame.h"
#include "tests/ScriptedChooser.h"
#include "storage/Settings.h"
#include "tests/TestSupport.h"

#include <QtTest>

Q_DECLARE_METATYPE(TSmallPoint)

namespace {

// Counts what the session reports, as a window would see it.
class TRecordingView : public TSessionView {
public:
    int Documents = 0, Packs = 0, Shown = 0, Modes = 0, Starts = 0, Ends = 0, Slides = 0;
    QList<bool> Searches; // SearchShown, in order
    void SearchShown(bool On) override { Searches << On; }
    QList<TSmallPoint> MoveStarts;
    void DocumentChanged() override { ++Documents; }
    void PackLoaded() override { ++Packs; }
    void MapShown() override { ++Shown; }
    void ModeChanged() override { ++Modes; }
    void PlaybackStarted() override { ++Starts; }
    void PlaybackEnded() override { ++Ends; }
    void MoveStarted(TSmallPoint From) override { MoveStarts << From; }
    // Each stretch takes two ticks, as a gliding pawn takes several.
    bool SlideStep() override { return ++Slides % 2 == 0; }
};

// Notes what the settings file holds when each message shows.
class TFileWatchingMessenger : public TMessageRecorder {
public:
    QList<QByteArray> FileAtMessage;
    int ShowMsg(const QString& Msg, TMsgType DlgType) override {
        QFile f(SettingsFilePath());
        FileAtMessage << (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
        return TMessageRecorder::ShowMsg(Msg, DlgType);
    }
};

// One pawn at (2, 1): Right reaches the goal at (4, 1).
const QStringList Short = {"###########", "#.1.o#....#"};
// Pawn 1 pushed down from (2, 1) meets the turn cell at (2, 2) and goes on sideways: one move of
// two stretches.
const QStringList Turning = {"###########", "#.1.......#", "#.A.......#"};
// The pawn slides over its goal whichever way it goes: it can never stop there.
const QStringList Unsolvable = {"###########", "#.1o.....##"};
// No goal at all.
const QStringList NoGoal = {"###########", "#.1......##"};

// An open room without goals: pawn 1 goes round it, (1, 1) R (9, 1) D (9, 3) L (1, 3) U.
const QStringList Room = {"###########", "#1........#", "#.........#", "#.........#"};

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void moveRunsOnTheClock();
    void verdictOffersToSave();
    void undoChainStepsBack();
    void playbackPausesBeforeEachStoredMove();
    void pauseEndsOnCommand_data();
    void pauseEndsOnCommand();
    void slowestSpeedGoesStepByStep();
    void documentCommands();
    void unsavedEditsAsk_data();
    void unsavedEditsAsk();
    void gameKeptAcrossRuns();
    void hintsReachTheVerdict();
    void hintLineReusedWhileFollowed();
    void hintWithoutSolution_data();
    void hintWithoutSolution();
    void searchCancelledByCommand();
    void hintIgnored_data();
    void hintIgnored();
    void solveInEditor_data();
    void solveInEditor();
    void solveEditedMap();
    void solvedMapSavedOnOui();

    void redoPlaysUndoneMoves_data();
    void redoPlaysUndoneMoves();
    void neighbourMaps_data();
    void neighbourMaps();
    void winsRecordedBeforeTheVerdict_data();
    void winsRecordedBeforeTheVerdict();
    void optimaSoughtInTheBackground();

private:
    // Runs the clock until it stops: ticks, the pause's waits and the undo chain.
    int RunClock();
    void Show(const TMap& Map, TLoadedMap Loaded = TLoadedMap::File());
    std::unique_ptr<QTemporaryDir> Dir;
    TMessageRecorder Messages;
    TScriptedChooser Chooser;
    TRecordingView View;
    std::unique_ptr<TPlaySession> S;
};

void TestSession::init() {
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(Dir->isValid());
    SetGameDir(Dir->path());
    Messages = TMessageRecorder();
    Chooser = TScriptedChooser();
    View = TRecordingView();
    S = std::make_unique<TPlaySession>(Messages, Chooser);
    S->SetView(&View);
}

void TestSession::cleanup() {
    S.reset();
    SetGameDir(QString());
}

int TestSession::RunClock() {
    int n = 0;
    for (; n < 100000; ++n) {
        if (S->PauseRunning())
            S->PauseTick();
        else if (S->Sliding())
            S->Tick();
        else if (S->UndoChainRunning())
            S->UndoTick();
        else
            break;
    }
    return n;
}

void TestSession::Show(const TMap& Map, TLoadedMap Loaded) {
    S->LoadedMap = Loaded;
    S->ShowMap(Map);
    Messages.Shown.clear();
}

void TestSession::moveRunsOnTheClock() {
    Show(ExampleMap(1), TLoadedMap::Example(1));
    QVERIFY(S->IsIdle());
    S->PushPawn(u'D');
    QVERIFY(S->MoveRunning());
    QVERIFY(S->Sliding());
    S->PushPawn(u'R'); // taken only when idle
    QCOMPARE(S->Play.PawnDirection, QChar(u'D'));
    QVERIFY(RunClock() >= 2);
    QVERIFY(S->IsIdle());
    QCOMPARE(S->Play.MoveCount, 1);
    QCOMPARE(S->Play.SolutionStack, QStringLiteral("1D"));
    QCOMPARE(View.MoveStarts.size(), 1);
    QCOMPARE(View.MoveStarts[0], ExampleMap(1).PawnPos[0]);
    QVERIFY(Messages.Shown.isEmpty());
}

void TestSession::verdictOffersToSave() {
    TMap map = MapFromRows(Short);
    Show(map);
    S->PushPawn(u'R');
    Chooser.Answers = {QStringLiteral("maps/won.vrm")};
    QVERIFY(QDir(Dir->path()).mkpath(QStringLiteral("maps")));
    Messages.Answers = {mrYes};
    RunClock();
    QCOMPARE(Messages.Shown.size(), 1);
    QCOMPARE(Messages.Shown[0].first, mtFlagQuestion);
    QVERIFY(Messages.Shown[0].second.startsWith(QStringLiteral("Solution trouvée 😎")));
    // Saved from the game's start, with the player's solution.
    TPack read;
    QVERIFY(ReadMaps(osOpenBoth, read, QStringLiteral("maps/won.vrm"), Messages));
    QCOMPARE(read.Maps[0].Solution, QStringLiteral("1R"));
    QCOMPARE(read.Maps[0].PawnPos[0], map.PawnPos[0]);
    QCOMPARE(S->FileName, QStringLiteral("maps/won.vrm"));
    QCOMPARE(S->Play.CurMap.Solution, QStringLiteral("1R"));
}

void TestSession::undoChainStepsBack() {
    Show(MapFromRows(Turning));
    S->PushPawn(u'D'); // down onto the turn cell, then sideways to a wall
    RunClock();
    QCOMPARE(S->Play.MoveCount, 1);
    const TSmallPoint after = S->Play.CurMap.PawnPos[0];
    QCOMPARE(after.y, qint16(2));
    QVERIFY(after.x != 2);
    S->Undo();
    QCOMPARE(S->Play.MoveCount, 0); // counted back at once, the pawn goes back stretch by stretch
    QVERIFY(S->UndoChainRunning());
    QCOMPARE(S->UndoInterval(), 350);
    QCOMPARE(S->Play.CurMap.PawnPos[0], (TSmallPoint{2, 2}));
    S->UndoTick();
    QCOMPARE(S->Play.CurMap.PawnPos[0], (TSmallPoint{2, 1}));
    QVERIFY(!S->UndoChainRunning());
    // A late tick finds nothing more to take back.
    S->UndoTick();
    QCOMPARE(S->Play.CurMap.PawnPos[0], (TSmallPoint{2, 1}));
}

void TestSession::playbackPausesBeforeEachStoredMove() {
    Show(ExampleMap(1), TLoadedMap::Example(1));
    S->SolutionClick();
    QCOMPARE(S->Animation(), TAnimation::Playback);
    QCOMPARE(View.Starts, 1);
    QCOMPARE(S->Play.PawnIndex, 0); // no pawn picked before the first stored move
    S->Tick();
    // The first tick only begins the pause: ten short waits, no move yet.
    QCOMPARE(S->Animation(), TAnimation::PlaybackPausing);
    QVERIFY(S->PauseRunning());
    QVERIFY(!S->Sliding());
    QCOMPARE(S->PauseTicksLeft(), 10);
    for (int i = 0; i < 9; ++i) S->PauseTick();
    QCOMPARE(S->Play.MoveCount, 0);
    S->PauseTick(); // the last wait: the stored move sets off
    QCOMPARE(S->Animation(), TAnimation::Playback);
    QCOMPARE(S->Play.MoveCount, 1);
    QVERIFY(S->Sliding());
    RunClock();
    QCOMPARE(Messages.Texts(), QStringList{QStringLiteral("   Terminé 🥷")});
    QCOMPARE(S->Play.SolutionStack, ExampleMap(1).Solution);
    QVERIFY(S->IsIdle());
    QCOMPARE(View.Ends, 1);
}

void TestSession::pauseEndsOnCommand_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("animation");
    QTest::addColumn<int>("moves");
    // The Solution button ends the wait and stays paused; Undo takes back the last stored move
    // and stays paused; a press on the board ends the playback.
    QTest::newRow("solution") << "solution" << int(TAnimation::Playback) << 2;
    QTest::newRow("undo") << "undo" << int(TAnimation::Playback) << 1;
    QTest::newRow("press") << "press" << int(TAnimation::Idle) << 2;
}

void TestSession::pauseEndsOnCommand() {
    QFETCH(QString, command);
    QFETCH(int, animation);
    QFETCH(int, moves);
    Show(ExampleMap(1), TLoadedMap::Example(1));
    S->SolutionClick();
    for (int n = 0; n < 10000 && (S->Play.MoveCount < 2 || !S->Pausing()); ++n) {
        if (S->PauseRunning())
            S->PauseTick();
        else
            S->Tick();
    }
    QCOMPARE(S->Play.MoveCount, 2);
    if (command == "solution")
        S->SolutionClick();
    else if (command == "undo")
        S->Undo();
    else
        S->PressCell(0, 0);
    QCOMPARE(int(S->Animation()), animation);
    QVERIFY(!S->PauseRunning());
    QVERIFY(!S->Sliding());
    S->FinishUndo();
    QCOMPARE(S->Play.MoveCount, moves);
    if (command == "press") return;
    // Resumed, the playback plays on from where it stands to the end.
    S->SolutionClick();
    RunClock();
    QCOMPARE(Messages.Texts().last(), QStringLiteral("   Terminé 🥷"));
    QCOMPARE(S->Play.SolutionStack, ExampleMap(1).Solution);
}

void TestSession::slowestSpeedGoesStepByStep() {
    Show(ExampleMap(1), TLoadedMap::Example(1));
    S->SetSpeed(TPlaySession::SlowestSpeed);
    S->SolutionClick();
    RunClock();
    QCOMPARE(S->Play.MoveCount, 1); // one stored move, then it waits for the button
    QCOMPARE(S->Animation(), TAnimation::Playback);
    S->SolutionClick();
    RunClock();
    QCOMPARE(S->Play.MoveCount, 2);
}

void TestSession::documentCommands() {
    TPack pack;
    pack.Title = QStringLiteral("Trois");
    pack.MapNb = 3;
    for (int i = 0; i < 3; ++i) pack.Maps[i] = MapFromRows(Short);
    pack.Maps[1].Title = QStringLiteral("Deuxième");
    QVERIFY(QDir(Dir->path()).mkpath(QStringLiteral("packs")));
    QVERIFY(WritePackFile(QStringLiteral("packs/trois.vrp"), pack, Messages));

    Chooser.Answers = {QStringLiteral("packs/trois.vrp")};
    S->OpenChosenFile();
    QCOMPARE(View.Packs, 1);
    QCOMPARE(S->LoadedMap, TLoadedMap::PackMap(1));
    QCOMPARE(S->PackFileName, QStringLiteral("packs/trois.vrp"));
    S->ChooseMap(-2);
    QCOMPARE(S->LoadedMap, TLoadedMap::PackMap(2));
    QCOMPARE(S->Caption(), QStringLiteral("Virelune  ●  Trois  ●  Deuxième"));
    S->ChooseMap(-4); // no such map
    QCOMPARE(S->LoadedMap, TLoadedMap::PackMap(2));
    S->ChooseMap(7);
    QCOMPARE(S->LoadedMap, TLoadedMap::Example(7));
    QCOMPARE(S->Play.CurMap.ID, ExampleMap(7).ID);

    // An edit detaches the map; saving it gives it a file and a fresh ID.
    S->SetEditMode(true);
    S->EditPress(0, 0, etCell);
    QCOMPARE(S->Changed, 1);
    QVERIFY(S->LoadedMap.IsFile());
    QVERIFY(S->Play.CurMap.ID.isEmpty());
    QVERIFY(S->CanSave());
    Chooser.Answers = {QStringLiteral("packs/mine.vrm")};
    QVERIFY(S->SaveMap(false));
    QCOMPARE(S->FileName, QStringLiteral("packs/mine.vrm"));
    QCOMPARE(S->Changed, 0);
    QVERIFY(MapIdIsValid(S->Play.CurMap.ID));
}

void TestSession::unsavedEditsAsk_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("chosen"); // the file browser's answer when the map is saved
    QTest::addColumn<int>("shown");      // the example shown afterwards
    QTest::newRow("no: the edits go") << int(mrNo) << "" << 2;
    QTest::newRow("cancel: the map stays") << int(mrCancel) << "" << 0;
    QTest::newRow("yes, saved") << int(mrYes) << "kept.vrm" << 2;
    QTest::newRow("yes, save dialog closed") << int(mrYes) << "" << 0;
}

void TestSession::unsavedEditsAsk() {
    QFETCH(int, answer);
    QFETCH(QString, chosen);
    QFETCH(int, shown);
    QVERIFY(QDir(Dir->path()).mkpath(QStringLiteral("maps")));
    Show(ExampleMap(1), TLoadedMap::Example(1));
    S->SetEditMode(true);
    S->EditPress(0, 0, etCell);
    Messages.Answers = {answer};
    if (!chosen.isEmpty()) Chooser.Answers = {QStringLiteral("maps/") + chosen};
    S->ChooseMap(2);
    QCOMPARE(
        Messages.Texts(),
        QStringList{"💾 Sauver les modifications faites avant de charger un nouveau tableau ?"});
    QCOMPARE(S->LoadedMap.Stored(), shown);
    QCOMPARE(QFileInfo::exists(GamePath(QStringLiteral("maps/kept.vrm"))), !chosen.isEmpty());
}

void TestSession::gameKeptAcrossRuns() {
    Show(ExampleMap(2), TLoadedMap::Example(2));
    for (const QChar dir : {u'U', u'R', u'D', u'L'}) {
        S->PushPawn(dir);
        RunClock();
    }
    const int moves = S->Play.MoveCount;
    QVERIFY(moves > 0);
    const TPawnArray where = S->Play.CurMap.PawnPos;
    TSettings window;
    window.Width = 800;
    window.Height = 600;
    QVERIFY(S->WriteSettingsAtClose(window));

    TPlaySession next(Messages, Chooser);
    next.RestoreSettings(ReadSettings(SettingsFilePath()));
    QCOMPARE(next.LoadedMap, TLoadedMap::Example(2));
    QCOMPARE(next.Play.MoveCount, moves);
    QCOMPARE(next.Play.CurMap.PawnPos, where);
    QCOMPARE(next.Play.SolutionStack, S->Play.SolutionStack);
    // Undo walks the restored record back to the start.
    while (next.CanUndo()) {
        next.Undo();
        next.FinishUndo();
    }
    QCOMPARE(next.Play.CurMap.PawnPos, ExampleMap(2).PawnPos);
}

// Example 3, hint after hint: each plays one move of a shortest solution as the player's own,
// one search answers them all, and the last one earns the verdict of a 12-move solution.
void TestSession::hintsReachTheVerdict() {
    Show(ExampleMap(3), TLoadedMap::Example(3));
    QCOMPARE(S->ThinkDelay(), 500);
    int searches = 0;
    for (int n = 0; n < 20 && Messages.Shown.isEmpty(); ++n) {
        S->Hint();
        if (S->Searching() == TSearch::Hint) {
            ++searches;
            QVERIFY(S->ThinkRunning());
            S->WaitForSearch();
            QCOMPARE(S->Searching(), TSearch::None);
            QVERIFY(!S->ThinkRunning());
        }
        QVERIFY(S->MoveRunning()); // animated like any move
        RunClock();
    }
    QCOMPARE(searches, 1);
    QCOMPARE(S->Play.MoveCount, 12);
    QVERIFY(S->Play.IsSolved());
    QCOMPARE(Messages.Shown.size(), 1);
    QCOMPARE(Messages.Shown[0].first, mtFlagQuestion);
    QVERIFY(Messages.Shown[0].second.startsWith(QStringLiteral("Formidable !")));
    QVERIFY(View.Searches.isEmpty()); // answered before the board had to show it thinks
    // Asked at the start, the search found the map's optimum, kept with the win.
    QFile ini(SettingsFilePath());
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(ini.readAll().count((ExampleMap(3).ID + QStringLiteral("=12\n")).toUtf8()), 2);
    ini.close();
    // Recorded like the player's moves: undone one by one.
    S->Undo();
    S->FinishUndo();
    QCOMPARE(S->Play.MoveCount, 11);
    // Solved, then undone, and a hint again: the known line answers at once.
    S->Hint();
    QCOMPARE(S->Searching(), TSearch::None);
    RunClock();
    QCOMPARE(S->Play.MoveCount, 12);
    // On a solved position a hint does nothing.
    Messages.Shown.clear();
    S->Hint();
    QVERIFY(S->IsIdle());
    QCOMPARE(S->Searching(), TSearch::None);
    QVERIFY(Messages.Shown.isEmpty());
}

void TestSession::hintLineReusedWhileFollowed() {
    Show(ExampleMap(3), TLoadedMap::Example(3));
    S->Hint();
    S->WaitForSearch();
    RunClock();
    const QString first = S->Play.SolutionStack;
    QCOMPARE(first.size(), 2);
    // Back to the start: the start of the line is followed again.
    S->Undo();
    S->FinishUndo();
    S->Hint();
    QCOMPARE(S->Searching(), TSearch::None);
    RunClock();
    QCOMPARE(S->Play.SolutionStack, first);
    // Rewound and then off the line: a new search.
    S->Replay();
    for (int p = 1; p <= S->Play.CurMap.PawnNb && S->Play.MoveCount == 0; ++p)
        for (const QChar dir : QStringLiteral("LURD"))
            if (S->Play.MoveCount == 0 && QString::number(p) + dir != first) {
                S->Play.SelectPawn(p);
                S->PushPawn(dir);
                RunClock();
            }
    QCOMPARE(S->Play.MoveCount, 1);
    S->Hint();
    QCOMPARE(S->Searching(), TSearch::Hint);
    S->WaitForSearch();
    QVERIFY(S->MoveRunning());
    RunClock();
    QVERIFY(Messages.Shown.isEmpty());
}

void TestSession::hintWithoutSolution_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<qulonglong>("memory");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("dead position")
        << Unsolvable << qulonglong(DefaultSolverMemory) << int(mtWarning)
        << "🧭 Plus aucune solution depuis cette position : annulez des coups.";
    QTest::newRow("search stopped at its limit")
        << Unsolvable << qulonglong(1) << int(mtInformation)
        << "🧭 Recherche trop longue : pas d'indice pour ce tableau.";
}

void TestSession::hintWithoutSolution() {
    QFETCH(QStringList, rows);
    QFETCH(qulonglong, memory);
    QFETCH(int, kind);
    QFETCH(QString, text);
    Show(MapFromRows(rows));
    S->SolverOptions.MemoryLimit = memory;
    S->Hint();
    // Long enough to show that the game thinks; the answer takes that away again.
    S->ThinkTick();
    QVERIFY(S->SearchShowing());
    S->WaitForSearch();
    QVERIFY(!S->SearchShowing());
    QCOMPARE(View.Searches, (QList<bool>{true, false}));
    QCOMPARE(Messages.Shown.size(), 1);
    QCOMPARE(int(Messages.Shown[0].first), kind);
    QCOMPARE(Messages.Shown[0].second, text);
    QCOMPARE(S->Play.MoveCount, 0);
    QVERIFY(S->IsIdle());
}

// Any other command drops the search: its answer never plays a move.
void TestSession::searchCancelledByCommand() {
    Show(ExampleMap(3), TLoadedMap::Example(3));
    S->Hint();
    S->ThinkTick();
    S->PushPawn(u'L');
    QCOMPARE(S->Searching(), TSearch::None);
    QVERIFY(!S->SearchShowing());
    QCOMPARE(View.Searches, (QList<bool>{true, false}));
    RunClock();
    const QString played = S->Play.SolutionStack;
    // A late answer of the dropped search, if the worker posted one, is not delivered.
    QCoreApplication::processEvents();
    S->WaitForSearch();
    QCOMPARE(S->Play.SolutionStack, played);
    QVERIFY(S->IsIdle());

    // The same in the editor: a press on the board drops the solving of the map.
    S->SetEditMode(true);
    S->SolveMap();
    QCOMPARE(S->Searching(), TSearch::SolveMap);
    S->EditPress(0, 0, etCell);
    QCOMPARE(S->Searching(), TSearch::None);
    QCoreApplication::processEvents();
    QCOMPARE(S->Changed, 1);
    QVERIFY(S->Play.CurMap.Solution.isEmpty());
    QVERIFY(Messages.Shown.isEmpty());
}

void TestSession::hintIgnored_data() {
    QTest::addColumn<QString>("when");
    QTest::newRow("edit mode") << "edit";
    QTest::newRow("during a move") << "move";
    QTest::newRow("during an undo chain") << "undo";
    QTest::newRow("during a playback") << "playback";
    QTest::newRow("solved position") << "solved";
}

void TestSession::hintIgnored() {
    QFETCH(QString, when);
    if (when == "undo") {
        Show(MapFromRows(Turning));
        S->PushPawn(u'D');
        RunClock();
        S->Undo();
        QVERIFY(S->UndoChainRunning());
    } else if (when == "solved") {
        Show(MapFromRows({"###########", "#.u.......#"}));
    } else {
        Show(ExampleMap(3), TLoadedMap::Example(3));
        if (when == "edit") S->SetEditMode(true);
        if (when == "move") S->PushPawn(u'L');
        if (when == "playback") S->SolutionClick();
    }
    const TAnimation before = S->Animation();
    const QString stack = S->Play.SolutionStack;
    S->Hint();
    QCOMPARE(S->Searching(), TSearch::None);
    QCOMPARE(S->Animation(), before);
    QCOMPARE(S->Play.SolutionStack, stack);
    QVERIFY(Messages.Shown.isEmpty());
}

// Résoudre in the editor on a map that is not edited, or that cannot be solved.
void TestSession::solveInEditor_data() {
    QTest::addColumn<QStringList>("rows"); // empty: example 1 or 3 (stored)
    QTest::addColumn<int>("example");
    QTest::addColumn<qulonglong>("memory");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    const qulonglong dflt = DefaultSolverMemory;
    QTest::newRow("unplayable: the map's defects")
        << NoGoal << 0 << dflt << int(mtWarning)
        << "🪳 Un ou plusieurs défauts détectés :\r\nIl faut au moins une case but.";
    QTest::newRow("no solution") << Unsolvable << 0 << dflt << int(mtWarning)
                                 << "⛔ Ce tableau n'a pas de solution.";
    QTest::newRow("stopped") << Unsolvable << 0 << qulonglong(1) << int(mtWarning)
                             << "⛔ Recherche trop longue : le tableau n'a pas pu être résolu.";
    QTest::newRow("as stored") << QStringList() << 1 << dflt << int(mtInformation)
                               << "✅ Solution optimale : 7 coups, comme la solution enregistrée.";
    QTest::newRow("shorter than stored")
        << QStringList() << 3 << dflt << int(mtFlagQuestion)
        << "✅ Solution optimale : 12 coups (au lieu de 14).\r\nFaut-il l'écrire dans un fichier ?";
    QTest::newRow("none stored") << (QStringList{"###########", "#.1.o#....#"}) << 0 << dflt
                                 << int(mtFlagQuestion)
                                 << "✅ Solution optimale : 1 coups.\r\nFaut-il l'écrire dans un "
                                    "fichier ?";
}

void TestSession::solveInEditor() {
    QFETCH(QStringList, rows);
    QFETCH(int, example);
    QFETCH(qulonglong, memory);
    QFETCH(int, kind);
    QFETCH(QString, text);
    S->SetEditMode(true);
    if (example > 0)
        Show(ExampleMap(example), TLoadedMap::Example(example));
    else
        Show(MapFromRows(rows));
    const TMap before = S->Play.CurMap;
    S->SolverOptions.MemoryLimit = memory;
    S->SolveMap();
    S->WaitForSearch();
    QCOMPARE(Messages.Shown.size(), 1);
    QCOMPARE(int(Messages.Shown[0].first), kind);
    QCOMPARE(Messages.Shown[0].second, text);
    // Declined or not offered: the map is not edited and keeps what it had.
    QCOMPARE(S->Changed, 0);
    QCOMPARE(S->Play.CurMap.Solution, before.Solution);
    QCOMPARE(S->Play.CurMap.ID, before.ID);
    QCOMPARE(S->LoadedMap.Stored(), example);
    QVERIFY(Chooser.Modes.isEmpty());
}

// An edited map takes the shortest solution as one more edit; saving keeps it.
void TestSession::solveEditedMap() {
    S->SetEditMode(true);
    Show(ExampleMap(3), TLoadedMap::Example(3));
    S->EditPress(0, 0, etCell); // a wall corner turns to floor: the same puzzle, now detached
    QCOMPARE(S->Changed, 1);
    QVERIFY(S->Play.CurMap.Solution.isEmpty());
    S->SolveMap();
    S->WaitForSearch();
    QCOMPARE(Messages.Texts(), QStringList{QStringLiteral("✅ Solution optimale : 12 coups.")});
    QCOMPARE(Messages.Shown[0].first, mtInformation);
    QCOMPARE(S->Changed, 2);
    const QString found = S->Play.CurMap.Solution;
    QCOMPARE(found.size(), 24);
    QVERIFY(S->CanSave());
    QVERIFY(QDir(Dir->path()).mkpath(QStringLiteral("maps")));
    Chooser.Answers = {QStringLiteral("maps/three.vrm")};
    QVERIFY(S->SaveMap(false));
    TPack read;
    QVERIFY(ReadMaps(osOpenBoth, read, QStringLiteral("maps/three.vrm"), Messages));
    QCOMPARE(read.Maps[0].Solution, found);
    // The solution solves the map: its playback ends as it should.
    TPlay play;
    play.CurMap = read.Maps[0];
    play.ResetPlay(true);
    Messages.Shown.clear();
    QVERIFY(PlayStoredSolution(play, Messages));
}

// Oui to the offer runs the end-of-game offer's steps: a file chosen, written with the shortest
// solution, and the map keeps it; the example keeps its ID and is not edited.
void TestSession::solvedMapSavedOnOui() {
    QVERIFY(QDir(Dir->path()).mkpath(QStringLiteral("maps")));
    S->SetEditMode(true);
    Show(ExampleMap(3), TLoadedMap::Example(3));
    Messages.Answers = {mrYes};
    Chooser.Answers = {QStringLiteral("maps/best3.vrm")};
    S->SolveMap();
    S->WaitForSearch();
    QCOMPARE(Messages.Shown.size(), 1);
    QCOMPARE(Chooser.Modes, QList<TOpenSaveType>{osSaveMap});
    TPack read;
    QVERIFY(ReadMaps(osOpenBoth, read, QStringLiteral("maps/best3.vrm"), Messages));
    QCOMPARE(read.Maps[0].Solution.size(), 24);
    QCOMPARE(read.Maps[0].ID, ExampleMap(3).ID);
    QCOMPARE(read.Maps[0].PawnPos, ExampleMap(3).PawnPos);
    QCOMPARE(S->Play.CurMap.Solution, read.Maps[0].Solution);
    QCOMPARE(S->FileName, QStringLiteral("maps/best3.vrm"));
    QCOMPARE(S->Changed, 0);
}

void TestSession::redoPlaysUndoneMoves_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("record"); // the moves played afterwards
    QTest::addColumn<QString>("undone"); // what Rétablir can still play, next first
    QTest::addColumn<TSmallPoint>("pawn");
    // L U R D push the pawn, u undo, r redo, p rewind (Rejouer), e edit mode and back,
    // m the map shown again, s the stored solution played to its end, k a redo taken back by
    // Annuler before it arrives; each runs the clock to rest.
    QTest::newRow("nothing undone") << "RDr"
                                    << "1R1D"
                                    << "" << TSmallPoint{9, 3};
    QTest::newRow("two undos, one redo") << "RDLuur"
                                         << "1R1D"
                                         << "1L" << TSmallPoint{9, 3};
    QTest::newRow("two undos, two redos") << "RDLuurr"
                                          << "1R1D1L"
                                          << "" << TSmallPoint{1, 3};
    QTest::newRow("redo past the end") << "RDuurrr"
                                       << "1R1D"
                                       << "" << TSmallPoint{9, 3};
    QTest::newRow("same move keeps the rest") << "RDLuuD"
                                              << "1R1D"
                                              << "1L" << TSmallPoint{9, 3};
    QTest::newRow("other move drops them") << "RDLuuL"
                                           << "1R1L"
                                           << "" << TSmallPoint{1, 1};
    QTest::newRow("blocked move keeps them") << "RDuuU"
                                             << ""
                                             << "1R1D" << TSmallPoint{1, 1};
    QTest::newRow("rewind, then redo") << "RDpr"
                                       << "1R"
                                       << "1D" << TSmallPoint{9, 1};
    QTest::newRow("undo then rewind") << "RDLupr"
                                      << "1R"
                                      << "1D1L" << TSmallPoint{9, 1};
    QTest::newRow("edit mode drops them") << "RDuer"
                                          << ""
                                          << "" << TSmallPoint{1, 1};
    QTest::newRow("another map drops them") << "RDumr"
                                            << ""
                                            << "" << TSmallPoint{1, 1};
    QTest::newRow("a playback drops them") << "RDusr"
                                           << "1R1D"
                                           << "" << TSmallPoint{9, 3};
    QTest::newRow("redo taken back") << "RDuuk"
                                     << ""
                                     << "1R1D" << TSmallPoint{1, 1};
}

void TestSession::redoPlaysUndoneMoves() {
    QFETCH(QString, script);
    QFETCH(QString, record);
    QFETCH(QString, undone);
    QFETCH(TSmallPoint, pawn);
    TMap map = MapFromRows(Room);
    map.Solution = QStringLiteral("1R1D");
    Show(map);
    for (const QChar c : script) {
        switch (c.unicode()) {
        case 'u':
            S->Undo();
            break;
        case 'r':
            S->Redo();
            break;
        case 'p':
            S->Replay();
            break;
        case 'e':
            S->EditPlayClick();
            S->EditPlayClick();
            break;
        case 'm':
            S->ShowMap(map);
            break;
        case 's':
            Messages.Answers = {mrYes};
            S->SolutionClick();
            break;
        case 'k':
            View.Slides = 0; // the next slide step does not arrive yet
            S->Redo();
            S->Tick();
            QVERIFY(S->Play.MoveInFlight());
            S->Undo();
            break;
        default:
            S->PushPawn(c);
        }
        RunClock();
    }
    QCOMPARE(S->Play.SolutionStack, record);
    QCOMPARE(S->Play.MoveCount, int(record.size() / 2));
    QCOMPARE(S->UndoneMoves(), undone);
    QCOMPARE(S->CanRedo(), !undone.isEmpty());
    QCOMPARE(S->Play.CurMap.PawnPos[0], pawn);
}

void TestSession::neighbourMaps_data() {
    QTest::addColumn<int>("shown"); // as the settings number it: example, 0 a file, -k pack map
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("moving");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("after");
    QTest::newRow("example 1, next") << 1 << false << false << 1 << 2;
    QTest::newRow("example 1, previous") << 1 << false << false << -1 << 1;
    QTest::newRow("example 10, next") << 10 << false << false << 1 << 10;
    QTest::newRow("example 10, previous") << 10 << false << false << -1 << 9;
    QTest::newRow("pack map 1, next") << -1 << false << false << 1 << -2;
    QTest::newRow("pack map 1, previous") << -1 << false << false << -1 << -1;
    QTest::newRow("last pack map, next") << -3 << false << false << 1 << -3;
    QTest::newRow("last pack map, previous") << -3 << false << false << -1 << -2;
    QTest::newRow("a single file") << 0 << false << false << 1 << 0;
    QTest::newRow("edit mode") << 3 << true << false << 1 << 4;
    QTest::newRow("during a move") << 1 << false << true << 1 << 1;
}

void TestSession::neighbourMaps() {
    QFETCH(int, shown);
    QFETCH(bool, edit);
    QFETCH(bool, moving);
    QFETCH(int, step);
    QFETCH(int, after);
    TPack pack;
    pack.MapNb = 3;
    for (int i = 0; i < 3; ++i) pack.Maps[size_t(i)] = MapFromRows(Short);
    QVERIFY(QDir(Dir->path()).mkpath(QStringLiteral("packs")));
    QVERIFY(WritePackFile(QStringLiteral("packs/trois.vrp"), pack, Messages));
    QVERIFY(WriteMapFile(QStringLiteral("packs/one.vrm"), pack.Maps[0], nullptr, Messages));
    S->SetEditMode(edit);
    if (shown > 0)
        Show(ExampleMap(shown), TLoadedMap::Example(shown));
    else if (shown < 0)
        QVERIFY(S->LoadFile(QStringLiteral("packs/trois.vrp"), -shown));
    else
        QVERIFY(S->LoadFile(QStringLiteral("packs/one.vrm"), 1));
    if (moving) S->PushPawn(u'D');
    QCOMPARE(S->CanGoToMap(step), after != shown);
    S->GoToMap(step);
    QCOMPARE(S->LoadedMap.Stored(), after);
    if (after > 0) QCOMPARE(S->Play.CurMap.ID, ExampleMap(after).ID);
    QCOMPARE(S->EditMode, edit);
}

void TestSession::winsRecordedBeforeTheVerdict_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("progress"); // the line in [Progress] when the verdict shows
    QTest::newRow("the player's win") << "play" << QByteArray("00000000000101=7");
    QTest::newRow("a longer win keeps the best") << "longer" << QByteArray("00000000000101=5");
    QTest::newRow("a playback is no win") << "playback" << QByteArray();
    QTest::newRow("an edited map has no ID") << "edited" << QByteArray();
}

void TestSession::winsRecordedBeforeTheVerdict() {
    QFETCH(QString, how);
    QFETCH(QByteArray, progress);
    TFileWatchingMessenger watcher;
    TPlaySession s(watcher, Chooser);
    QFile ini(SettingsFilePath());
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Mine]\nunknown=kept\n");
    if (how == "longer") ini.write("[Progress]\n00000000000101=5\n");
    ini.close();
    s.RestoreSettings(TSettings()); // example 1
    const QString moves = ExampleMap(1).Solution;
    if (how == "playback") {
        s.SolutionClick();
        for (int n = 0; n < 100000 && !s.IsIdle(); ++n) s.PauseRunning() ? s.PauseTick() : s.Tick();
    } else {
        if (how == "edited") {
            s.SetEditMode(true);
            s.EditPress(0, 0, etCell);
            s.EditPress(0, 0, etCell);
            s.SetEditMode(false);
            s.StartPlay();
        }
        for (const QChar dir : moves) {
            if (!dir.isLetter()) continue;
            s.PushPawn(dir);
            while (s.Sliding()) s.Tick();
        }
    }
    QCOMPARE(watcher.FileAtMessage.size(), 1); // the verdict, or the playback's end
    const QByteArray file = watcher.FileAtMessage[0];
    QVERIFY(file.contains("unknown=kept"));
    QCOMPARE(file.contains("[Progress]"), !progress.isEmpty());
    if (!progress.isEmpty()) QVERIFY(file.contains("\n" + progress + "\n"));
    QCOMPARE(s.MarkOf(ExampleMap(1)), progress.isEmpty() ? pgNone : pgOptimal);
}

void TestSession::optimaSoughtInTheBackground() {
    // Solved in 3 moves, the length of the stored solution, while Right alone solves it.
    TMap detour = MapFromRows({"###########", "#1.o#######", "#.#########"});
    detour.ID = QStringLiteral("00000000000199");
    detour.Solution = QStringLiteral("1D1U1R");
    QFile ini(SettingsFilePath());
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Progress]\n00000000000199=3\n00000000000101=7\n[Optimum]\n00000000000101=7\n");
    ini.close();
    S->CurPack.MapNb = 1;
    S->CurPack.Maps[0] = detour;
    S->ReadProgress();
    QCOMPARE(S->MarkOf(detour), pgOptimal); // while the optimum is unknown
    QVERIFY(S->SeekingOptima());
    S->WaitForOptima();
    QCOMPARE(S->MarkOf(detour), pgSolved);
    QCOMPARE(S->TipOf(detour), QStringLiteral("Résolu en 3 coups (optimum : 1)"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray file = ini.readAll();
    ini.close();
    QVERIFY(file.contains("00000000000199=1"));
    QVERIFY(file.contains("00000000000101=7"));
    QCOMPARE(file.count("00000000000101="), 2); // example 1's optimum was known: not sought
    // Known now, it is not sought again.
    S->ReadProgress();
    QVERIFY(!S->SeekingOptima());
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
