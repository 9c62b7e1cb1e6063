// The play session: the game's clock, its commands and the open document, for any front end.
#include "session/PlaySession.h"

#include "session/AskToSave.h"
#include "storage/Examples.h"
#include "storage/GameFolder.h"
#include "storage/MapFile.h"
#include "rules/PlayInput.h"
#include "rules/Playback.h"
#include "storage/SavedGame.h"
#include "storage/Settings.h"
#include "rules/Solver.h"
#include "rules/Verify.h"

#include <QFileInfo>
#include <algorithm>
#include <memory>

namespace {

const QString MoveHint =
    QStringLiteral("🧭 Cliquer sur la ligne ou colonne du pion sélectionné pour le déplacer");
const QString GiveUpQuestion =
    QStringLiteral("Voulez-vous vraiment abandonner et voir la solution ?");
const QString NoHintText =
    QStringLiteral("🧭 Plus aucune solution depuis cette position : annulez des coups.");
const QString HintTooLongText =
    QStringLiteral("🧭 Recherche trop longue : pas d'indice pour ce tableau.");
const QString NoSolutionAtAllText = QStringLiteral("⛔ Ce tableau n'a pas de solution.");
const QString SolveTooLongText =
    QStringLiteral("⛔ Recherche trop longue : le tableau n'a pas pu être résolu.");

// How long a search may run before the board shows that the game is thinking.
constexpr int ThinkDelayMs = 500;

// The number of short waits that make the pause before each stored move of a playback; any
// command may end the pause between two of them.
constexpr int PauseWaits = 10;

// A stored file name the game may open: relative to the game's folder and inside it.
bool InGameFolder(const QString& Name) {
    if (Name.isEmpty() || QFileInfo(Name).isAbsolute() || Name.startsWith(u'/') ||
        Name.startsWith(u'\\'))
        return false;
    const QStringList parts = QString(Name).replace(u'\\', u'/').split(u'/');
    return !parts.contains(QStringLiteral("..")) && QFileInfo(GamePath(Name)).isFile();
}

} // namespace

TPlaySession::TPlaySession(TMessenger& MessageSink, TFileChooser& FileChooser)
    : Messenger(MessageSink), Chooser(FileChooser) {
    Play.Listener = this;
    AnimateTimer.setObjectName(QStringLiteral("tAnimate"));
    UndoTimer.setObjectName(QStringLiteral("tUndo"));
    PauseTimer.setObjectName(QStringLiteral("tPause"));
    AnimateTimer.setTimerType(Qt::PreciseTimer); // ticks of 15 to 27 ms must keep their pace
    AnimateTimer.setInterval(AnimationInterval(SpeedValue));
    connect(&AnimateTimer, &QTimer::timeout, this, [this] { Tick(); });
    UndoTimer.setInterval(350);
    connect(&UndoTimer, &QTimer::timeout, this, [this] { UndoTick(); });
    PauseTimer.setSingleShot(true);
    connect(&PauseTimer, &QTimer::timeout, this, [this] { PauseTick(); });
    connect(&Optima, &TOptimumFinder::Found, this,
            [this](const QString& ID, int Moves) { SetOptimum(ID, Moves); });
    ThinkTimer.setObjectName(QStringLiteral("tThink"));
    ThinkTimer.setSingleShot(true);
    ThinkTimer.setInterval(ThinkDelayMs);
    connect(&ThinkTimer, &QTimer::timeout, this, [this] { ThinkTick(); });
    connect(&Solver, &TSolverJob::Finished, this,
            [this](const TSolveResult& Result) { SearchFinished(Result); });
}

TPlaySession::~TPlaySession() {
    Play.Listener = nullptr;
}

// --- What the rules report ---

void TPlaySession::CellChanged(int x, int y) {
    View->CellChanged(x, y);
}

void TPlaySession::SelectionChanged(int OldIndex, int NewIndex) {
    if (OldIndex > 0) View->PawnChanged(OldIndex);
    if (NewIndex > 0) View->PawnChanged(NewIndex);
}

void TPlaySession::BoardChanged() {
    View->BoardChanged();
}

void TPlaySession::MoveCountChanged(int /*MoveCount*/) {
    View->CountersChanged();
}

void TPlaySession::SolutionChanged(const QString& /*Solution*/) {
    View->CountersChanged();
}

// --- The document ---

QString TPlaySession::Caption() const {
    return MapCaption(Play.CurMap.Title, FileName, CaptionInPack, CurPack.Title, PackFileName);
}

bool TPlaySession::HasInfo() const {
    return !Play.CurMap.Info.isEmpty() || (CaptionInPack && !CurPack.Info.isEmpty());
}

void TPlaySession::UpdateCaption(bool InPack) {
    CaptionInPack = InPack;
    View->DocumentChanged();
}

void TPlaySession::ShowMap(const TMap& Map) {
    CancelSearch();
    const TMap copy = Map; // Map may be CurMap itself or a record that a message could change
    TMap& cur = Play.CurMap;
    cur.ID = copy.ID;
    cur.Title = copy.Title;
    cur.Info = copy.Info;
    cur.Help = copy.Help;
    UpdateCaption(LoadedMap.IsPackMap());
    cur.PawnNb = std::clamp(copy.PawnNb, 0, MaxPawns);
    for (int i = 0; i < cur.PawnNb; ++i) cur.PawnPos[size_t(i)] = copy.PawnPos[size_t(i)];
    cur.Board = copy.Board;
    Play.SetSolution(copy.Solution);
    SetChanged(0);
    if (!EditMode) {
        StartPlay();
        View->MapShown();
    }
    View->BoardChanged();
}

void TPlaySession::SetChanged(int Value) {
    Changed = Value;
    View->DocumentChanged();
    if (Changed == 1) {
        Play.CurMap.ID.clear();
        if (!LoadedMap.IsFile())
            DetachMap();
        else
            Play.SetSolution(QString());
    }
}

void TPlaySession::DetachMap() {
    LoadedMap = TLoadedMap::File();
    FileName.clear();
    Play.SetSolution(QString());
    TMap& map = Play.CurMap;
    map.ID.clear();
    map.Title.clear();
    map.Info.clear();
    map.Help.clear();
    UpdateCaption(false);
}

void TPlaySession::StartPlay() {
    if (LoadedMap.IsFile()) Verify(Play.CurMap, QString(), Messenger);
    ForgetUndone();
    Play.ResetPlay(true);
    HintLine.clear(); // a solution found on another map, or before edits, leads nowhere here
}

bool TPlaySession::ConfirmDiscard() {
    CancelMove(true);
    if (Changed <= 0) return true;
    switch (
        AskToSave(Messenger,
                  QStringLiteral(
                      "💾 Sauver les modifications faites avant de charger un nouveau tableau ?"))) {
    case TSaveAnswer::Discard:
        return true;
    case TSaveAnswer::Save:
        return SaveMap(false);
    case TSaveAnswer::Cancel:
        break;
    }
    return false;
}

bool TPlaySession::LoadFile(const QString& FName, int Index) {
    // Read into a scratch pack: a file that fails changes nothing.
    const auto scratch = std::make_unique<TPack>();
    if (!ReadMaps(osOpenBoth, *scratch, FName, Messenger)) return false;
    if (scratch->MapNb > 0) {
        if (Index < 1 || Index > int(scratch->MapNb)) return false;
        PackFileName = FName;
        FileName.clear();
        CurPack = *scratch;
        View->PackLoaded();
        SeekOptima();
        LoadedMap = TLoadedMap::PackMap(Index);
    } else {
        // A map file holds one map, whatever number was asked for.
        FileName = FName;
        LoadedMap = TLoadedMap::File();
        Index = 1;
    }
    ShowMap(scratch->Maps[size_t(Index - 1)]);
    return true;
}

void TPlaySession::ChooseMap(int Tag) {
    if (Tag == 0 || Tag > ExampleCount || (Tag < 0 && -Tag > int(CurPack.MapNb))) return;
    if (!ConfirmDiscard()) return;
    LoadedMap = TLoadedMap::FromStored(Tag);
    FileName.clear();
    ShowMap(Tag > 0 ? ExampleMap(Tag) : CurPack.Maps[size_t(-Tag - 1)]);
}

int TPlaySession::NeighbourMap(int Step) const {
    if (LoadedMap.IsFile()) return 0;
    const int n = LoadedMap.Number() + Step;
    const int last = LoadedMap.IsExample() ? ExampleCount : int(CurPack.MapNb);
    if (n < 1 || n > last) return 0;
    return LoadedMap.IsExample() ? n : -n;
}

bool TPlaySession::CanGoToMap(int Step) const {
    return (EditMode || IsIdle()) && NeighbourMap(Step) != 0;
}

void TPlaySession::GoToMap(int Step) {
    if (!CanGoToMap(Step)) return;
    View->CommandStarted();
    ChooseMap(NeighbourMap(Step));
}

void TPlaySession::OpenChosenFile() {
    BeginCommand();
    if (!ConfirmDiscard()) return;
    if (Chooser.Execute(osOpenBoth, QString(), QString(), QString())) LoadFile(Chooser.FileName, 1);
}

bool TPlaySession::SaveMap(bool AskName) {
    BeginCommand();
    // The map goes to the file from a copy, so a failed write leaves its name, texts and ID.
    TMap map = Play.CurMap;
    QString name = FileName;
    const bool asked = AskName || name.isEmpty();
    if (asked) {
        Chooser.FileName = FileName;
        if (!Chooser.Execute(osSaveMap, map.Title, map.Info, map.Help)) return false;
        const QString chosen = Chooser.FileName;
        if (chosen.isEmpty()) return false;
        // Only a clear Yes replaces another file; No, Escape or the close box keep it.
        if (chosen != FileName && QFileInfo::exists(GamePath(chosen)) &&
            ShowMsg(chosen + QStringLiteral(" existe déjà,\r\nvoulez-vous le remplacer ?"),
                    mtQuestion) != mrYes)
            return false;
        // Saved under another name, the map keeps its own texts.
        if (FileName.isEmpty() || FileName == chosen)
            Chooser.GetTitleInfoHelp(map.Title, map.Info, map.Help);
        name = chosen;
    }
    // Saved during a game, the file holds the position the game started from.
    if (!WriteMapFile(name, map, EditMode ? nullptr : &Play, Messenger)) return false;
    TMap& cur = Play.CurMap;
    cur.ID = map.ID;
    cur.Title = map.Title;
    cur.Info = map.Info;
    cur.Help = map.Help;
    FileName = name;
    if (asked) UpdateCaption(false);
    SetChanged(0);
    return true;
}

void TPlaySession::NewMap() {
    BeginCommand();
    if (!EditMode || !ConfirmDiscard()) return;
    TMap& map = Play.CurMap;
    map.PawnNb = 0;
    map.Board.fill(ctVoid);
    View->BoardChanged();
    SetChanged(0);
    DetachMap();
}

void TPlaySession::SetEditMode(bool On) {
    CancelSearch();
    EditMode = On;
    ForgetUndone();
    if (On) Play.SelectPawn(0);
    View->ModeChanged();
    View->DocumentChanged();
}

void TPlaySession::EditPlayClick() {
    if (EditMode) {
        BeginCommand();
        StartPlay();
        View->BoardChanged();
    } else {
        Replay();
    }
    SetEditMode(!EditMode);
}

// --- Start and close ---

void TPlaySession::ReadProgress() {
    ProgressStore.Load(SettingsFilePath());
    View->ProgressChanged();
    SeekOptima();
}

void TPlaySession::SeekOptima() {
    const auto seek = [this](const TMap& Map) {
        if (ProgressStore.Best(Map.ID) > 0 && ProgressStore.Optimum(Map.ID) <= 0) Optima.Want(Map);
    };
    for (int i = 1; i <= ExampleCount; ++i) seek(ExampleMap(i));
    for (size_t i = 0; i < CurPack.MapNb; ++i) seek(CurPack.Maps[i]);
}

void TPlaySession::SetOptimum(const QString& ID, int Moves) {
    if (!TProgressStore::IsMapID(ID) || Moves <= 0) return;
    // The cache only saves searching again: a file that cannot take it says nothing, and the
    // menus know the optimum for this run all the same.
    TSilentMessenger quiet;
    RecordOptimum(SettingsFilePath(), ID, Moves, quiet);
    if (ProgressStore.SetOptimum(ID, Moves)) View->ProgressChanged();
}

void TPlaySession::RecordProgress() {
    const QString& id = Play.CurMap.ID;
    if (!TProgressStore::IsMapID(id)) return; // a new or edited map is no map of record
    RecordWin(SettingsFilePath(), id, Play.MoveCount, Messenger);
    ReadProgress();
}

TProgressMark TPlaySession::MarkOf(const TMap& Map) const {
    const int best = ProgressStore.Best(Map.ID);
    return ProgressMark(best, KnownOptimum(best, ProgressStore.Optimum(Map.ID), Map.Solution));
}

QString TPlaySession::TipOf(const TMap& Map) const {
    const int best = ProgressStore.Best(Map.ID);
    return ProgressTip(best, KnownOptimum(best, ProgressStore.Optimum(Map.ID), Map.Solution));
}

void TPlaySession::RestoreSettings(const TSettings& Stored) {
    ReadProgress();
    LoadedMap = TLoadedMap::Example(1);
    SetEditMode(Stored.EditMode);
    const int stored = Stored.LoadedMap;
    if (stored > 0 && stored <= ExampleCount) {
        LoadedMap = TLoadedMap::Example(stored);
    } else if (stored <= 0 && stored >= -MaxMaps) {
        // A file that has gone, or that cannot be read, leaves the first example.
        if (!InGameFolder(Stored.FileName) || !LoadFile(Stored.FileName, stored == 0 ? 1 : -stored))
            LoadedMap = TLoadedMap::Example(1);
    }
    if (LoadedMap.IsExample()) {
        FileName.clear();
        ShowMap(ExampleMap(LoadedMap.Number()));
    }
    // The game comes back only onto the very map it was played on; RestoreGame replays it and
    // leaves the map at its start when anything disagrees.
    const TSavedGame& game = Stored.Game;
    if (!EditMode && game.MoveCount > 0 && !game.ID.isEmpty() && game.ID == Play.CurMap.ID)
        RestoreGame(Play, game);
    View->BoardChanged();
}

bool TPlaySession::CloseQuery() {
    CancelMove(true);
    if (Changed <= 0) return true;
    switch (AskToSave(Messenger,
                      QStringLiteral("💾 Sauver les modifications faites avant de quitter ?"))) {
    case TSaveAnswer::Discard:
        return true;
    case TSaveAnswer::Save:
        return SaveMap(true);
    case TSaveAnswer::Cancel:
        break;
    }
    return false;
}

void TPlaySession::FillSettings(TSettings& Out) const {
    Out.EditMode = EditMode;
    Out.LoadedMap = LoadedMap.Stored();
    if (!LoadedMap.IsExample()) Out.FileName = LoadedMap.IsFile() ? FileName : PackFileName;
    Out.Game = SavedGameOf(Play);
    Out.Game.MoveCount = Play.MoveCount;
}

bool TPlaySession::WriteSettingsAtClose(TSettings WindowPart) {
    FillSettings(WindowPart);
    return WriteSettings(SettingsFilePath(), WindowPart, GameIsSaved(Play, EditMode), Messenger);
}

// --- Play commands ---

void TPlaySession::PressCell(int Col, int Row) {
    CancelSearch();
    if (MoveRunning() || Play.CurMap.PawnNb <= 0) return;
    // A press ends a playback; its move in flight goes back, so the record never counts a move
    // whose pawn is drawn back on its start.
    if (InPlayback()) CancelMove(true);
    SetAnimation(TAnimation::Idle);
    FinishUndo();
    if (const int p = Play.PawnAt(Col, Row); p > 0) {
        Play.SelectPawn(p);
        return;
    }
    const int k = Play.PawnIndex;
    if (k < 1 || k > Play.CurMap.PawnNb) return; // no pawn picked yet (start of a playback)
    const QChar dir = DirectionToward(Play.CurMap.PawnPos[size_t(k - 1)], Col, Row);
    if (dir == QChar(NoDirection)) {
        if (LoadedMap.IsExample()) ShowMsg(MoveHint, mtInformation);
        return;
    }
    Play.PawnDirection = dir;
    SetAnimation(TAnimation::OneMove);
}

void TPlaySession::PushPawn(QChar Dir) {
    if (!IsIdle()) return;
    BeginCommand();
    if (Play.CurMap.PawnNb <= 0) return;
    Play.PawnDirection = Dir;
    SetAnimation(TAnimation::OneMove);
}

bool TPlaySession::SelectNextPawn() {
    const int n = Play.CurMap.PawnNb;
    if (!IsIdle() || n <= 0) return false;
    BeginCommand();
    FinishUndo();
    Play.SelectPawn(Play.PawnIndex >= n || Play.PawnIndex < 1 ? 1 : Play.PawnIndex + 1);
    return true;
}

void TPlaySession::SelectPawnAlong(QChar Dir) {
    if (!IsIdle()) return;
    BeginCommand();
    if (Play.CurMap.PawnNb <= 1) return;
    FinishUndo();
    if (const int p = NearestPawnAlong(Play, Dir); p > 0) Play.SelectPawn(p);
}

void TPlaySession::Undo() {
    BeginCommand();
    if (Sliding()) {
        // A move in flight goes back; a playback pauses and plays that stored move again later.
        CancelMove(false);
        AnimationStart = true;
        return;
    }
    if (UndoChainRunning() || Play.MoveCount <= 0) return;
    // The player's own moves can be played again; a playback's belong to the stored solution.
    if (!InPlayback()) RedoMoves.prepend(Play.SolutionStack.mid(2 * (Play.MoveCount - 1), 2));
    if (Play.BeginUndo()) UndoTimer.start(); // the pawn goes back stretch by stretch
    if (Play.MoveCount == 0) {
        SetAnimation(TAnimation::Idle);
    } else if (InPlayback()) {
        // The playback stays paused one move earlier; resuming plays the undone move again.
        StayPaused();
        Play.SolutionStep = std::max(0, Play.SolutionStep - 2);
    }
}

void TPlaySession::Replay() {
    BeginCommand();
    UndoTimer.stop();
    if (InPlayback())
        ForgetUndone();
    else
        RedoMoves.prepend(Play.SolutionStack.left(2 * Play.MoveCount));
    RedoBeforeMove.reset();
    Play.ResetPlay(false);
    SetAnimation(TAnimation::Idle);
    View->BoardChanged();
}

void TPlaySession::Redo() {
    if (EditMode || !IsIdle() || UndoChainRunning() || RedoMoves.size() < 2) return;
    View->CommandStarted();
    const int pawn = CodeValue(RedoMoves[0]);
    const QChar dir = RedoMoves[1];
    if (pawn < 1 || pawn > Play.CurMap.PawnNb || !Directions.contains(dir)) {
        ForgetUndone();
        return;
    }
    Play.SelectPawn(pawn);
    Play.PawnDirection = dir;
    SetAnimation(TAnimation::OneMove);
}

void TPlaySession::ForgetUndone() {
    RedoMoves.clear();
    RedoBeforeMove.reset();
}

void TPlaySession::MoveTakenBack() {
    if (RedoBeforeMove) RedoMoves = *RedoBeforeMove;
    RedoBeforeMove.reset();
}

void TPlaySession::MovePlayed() {
    RedoBeforeMove = RedoMoves;
    if (RedoMoves.isEmpty()) return;
    const QString played = Play.SolutionStack.mid(2 * (Play.MoveCount - 1), 2);
    if (RedoMoves.startsWith(played))
        RedoMoves.remove(0, 2);
    else
        ForgetUndone();
}

void TPlaySession::Help() {
    if (!HasHelp()) return;
    BeginCommand();
    // The help is modal: a move in flight goes back first rather than slide on beneath it.
    if (Sliding()) {
        CancelMove(false);
        AnimationStart = true;
    }
    ShowMsg(Play.CurMap.Help, mtInformation);
}

void TPlaySession::SolutionClick() {
    if (!HasSolution()) return;
    BeginCommand();
    // An undo stepping back through a move's stretches finishes now, so any answer below
    // leaves a whole record.
    FinishUndo();
    if (IsIdle() || MoveRunning()) {
        CancelMove(true);
        if (Play.MoveCount != 0 && ShowMsg(GiveUpQuestion, mtQuestion) != mrYes) return;
        Replay();
        ForgetUndone();
        Play.SolutionStep = 0;
        Play.SelectPawn(0); // no pawn is highlighted until the first stored move picks one
        View->PlaybackStarted();
        SetAnimation(TAnimation::Playback);
    } else if (Sliding()) {
        CancelMove(false); // pause; the stored move taken back is played again on resume
        AnimationStart = true;
    } else if (Pausing()) {
        StayPaused(); // ends the wait before the next stored move and stays paused
    } else {
        AnimateTimer.start(); // resume
    }
}

void TPlaySession::SetSpeed(int Value) {
    SpeedValue = std::clamp(Value, 0, SlowestSpeed);
    AnimateTimer.setInterval(AnimationInterval(SpeedValue));
}

// --- Edit commands ---

void TPlaySession::EditPress(int Col, int Row, TEditTool Tool) {
    if (!EditMode || !OnBoard(Col, Row)) return;
    CancelSearch();
    TMap& map = Play.CurMap;
    const TEditResult r = ApplyTool(map, Tool, Col, Row, CurCellType);
    switch (r.Kind) {
    case TEditResult::erNothing:
        return;
    case TEditResult::erRefused:
        ShowMsg(r.Message, mtError);
        return;
    case TEditResult::erPawnAdded:
        View->PawnChanged(map.PawnNb);
        SetChanged(Changed + 1);
        return;
    case TEditResult::erCell:
        View->CellChanged(Col, Row);
        SetChanged(Changed + 1);
        if (SaveReminderDue(Changed)) ShowMsg(SaveReminderText(), mtWarning);
        return;
    }
}

void TPlaySession::EditDrag(int Col, int Row) {
    if (!EditMode) return;
    if (!DragPaint(Play.CurMap, Col, Row, CurCellType)) return;
    CancelSearch(); // the map being solved is no longer the one drawn
    View->CellChanged(Col, Row);
}

// --- The solver ---

void TPlaySession::BeginCommand() {
    CancelSearch();
    View->CommandStarted();
}

bool TPlaySession::CanHint() const {
    return !EditMode && IsIdle() && !UndoChainRunning() && Play.CurMap.PawnNb > 0 &&
           !Play.IsSolved();
}

void TPlaySession::Hint() {
    // A second hint while the first is being searched waits for the same answer.
    if (!CanHint() || Search != TSearch::None) return;
    BeginCommand();
    if (FollowsHintLine()) {
        PlayHintMove();
        return;
    }
    HintLine.clear();
    HintBase = Play.SolutionStack;
    StartSearch(TSearch::Hint);
}

void TPlaySession::SolveMap() {
    if (!CanSolveMap()) return;
    BeginCommand();
    // In edit mode the map stands as drawn, at its start.
    if (UnplayableAsDrawn(Play.CurMap)) {
        Verify(Play.CurMap, QString(), Messenger);
        return;
    }
    StartSearch(TSearch::SolveMap);
}

void TPlaySession::StartSearch(TSearch Kind) {
    Search = Kind;
    Solver.Start(Play.CurMap, SolverOptions);
    ThinkTimer.start();
}

void TPlaySession::CancelSearch() {
    if (Search == TSearch::None) return;
    Search = TSearch::None;
    Solver.Cancel();
    EndThinking();
}

void TPlaySession::ThinkTick() {
    ThinkTimer.stop();
    if (Search == TSearch::None || Thinking) return;
    Thinking = true;
    View->SearchShown(true);
}

void TPlaySession::EndThinking() {
    ThinkTimer.stop();
    if (!Thinking) return;
    Thinking = false;
    View->SearchShown(false);
}

void TPlaySession::WaitForSearch() {
    Solver.Wait();
}

void TPlaySession::SearchFinished(const TSolveResult& Result) {
    const TSearch kind = Search;
    Search = TSearch::None;
    EndThinking();
    if (kind == TSearch::Hint)
        HintFound(Result);
    else if (kind == TSearch::SolveMap)
        MapSolved(Result);
}

bool TPlaySession::FollowsHintLine() const {
    const QString& done = Play.SolutionStack;
    return done.size() >= HintFrom && done.size() < HintLine.size() && HintLine.startsWith(done);
}

void TPlaySession::PlayHintMove() {
    const QString move = HintLine.mid(Play.SolutionStack.size(), 2);
    Play.SelectPawn(CodeValue(move[0]));
    Play.PawnDirection = move[1];
    SetAnimation(TAnimation::OneMove);
}

void TPlaySession::HintFound(const TSolveResult& Result) {
    switch (Result.Status) {
    case ssSolved:
        // Asked before the first move, the search found the map's optimum.
        if (HintBase.isEmpty()) SetOptimum(Play.CurMap.ID, Result.Moves);
        HintLine = HintBase + Result.Solution;
        HintFrom = HintBase.size();
        // Every command drops the search, so the game still stands where it was asked; the
        // check only guards the record against a surprise.
        if (CanHint() && FollowsHintLine()) PlayHintMove();
        return;
    case ssNoSolution:
        ShowMsg(NoHintText, mtWarning);
        return;
    case ssStopped:
        ShowMsg(HintTooLongText, mtInformation);
        return;
    }
}

void TPlaySession::MapSolved(const TSolveResult& Result) {
    if (Result.Status == ssNoSolution) {
        ShowMsg(NoSolutionAtAllText, mtWarning);
        return;
    }
    if (Result.Status == ssStopped) {
        ShowMsg(SolveTooLongText, mtWarning);
        return;
    }
    const QString optimum = QStringLiteral("✅ Solution optimale : %1 coups").arg(Result.Moves);
    if (Changed > 0) {
        // The map has lost its ID and stored solution already: the optimum is one more edit.
        SetChanged(Changed + 1);
        Play.SetSolution(Result.Solution);
        ShowMsg(optimum + u'.', mtInformation);
        return;
    }
    // An unedited map keeps its identity and texts: the solution only goes to a file if the
    // player wants it there. Its optimum is known from now on.
    SetOptimum(Play.CurMap.ID, Result.Moves);
    const QString& stored = Play.CurMap.Solution;
    const int storedMoves = int(stored.size() / 2);
    if (!stored.isEmpty() && storedMoves == Result.Moves) {
        ShowMsg(optimum + QStringLiteral(", comme la solution enregistrée."), mtInformation);
        return;
    }
    const QString text = stored.isEmpty()
                             ? optimum + u'.'
                             : optimum + QStringLiteral(" (au lieu de %1).").arg(storedMoves);
    if (ShowMsg(SaveOfferText(text), mtFlagQuestion) == mrYes) SaveNewSolution(Result.Solution);
}

// --- The clock ---

void TPlaySession::SetAnimation(TAnimation Mode) {
    if (Mode == Anim) return;
    const bool wasPlayback = InPlayback();
    Anim = Mode;
    AnimationStart = true;
    PauseTimer.stop();
    PauseDone = false;
    if (Mode != TAnimation::Idle)
        AnimateTimer.start();
    else
        AnimateTimer.stop();
    View->AnimationChanged();
    if (wasPlayback && !InPlayback()) View->PlaybackEnded();
}

void TPlaySession::StayPaused() {
    PauseTimer.stop();
    PauseDone = false;
    Anim = TAnimation::Playback;
}

int TPlaySession::PauseInterval() const {
    return PlaybackWait(SpeedValue);
}

void TPlaySession::Tick() {
    if (IsIdle()) {
        AnimateTimer.stop();
        return;
    }
    if (!AnimationStart && !Play.MoveInFlight()) {
        // The move was rewound or its map replaced under it: there is nothing left to slide.
        SetAnimation(TAnimation::Idle);
        return;
    }
    if (AnimationStart && !BeginMove()) return;
    if (!View->SlideStep()) return;
    // The stretch has arrived: its cell is the one the rules aimed at, whatever the window's
    // cell size did meanwhile.
    if (Play.Arrive() == arContinues) return;
    RedoBeforeMove.reset();
    const bool solved = Play.MoveSolved();
    if (Anim == TAnimation::Playback) {
        EndStoredMove(solved);
    } else {
        SetAnimation(TAnimation::Idle);
        if (solved) PlayerVerdict();
    }
}

bool TPlaySession::BeginMove() {
    if (Anim == TAnimation::Playback) {
        if (!PauseDone) {
            // The pause before each stored move: the clock waits in short steps, and any
            // command meanwhile may end the pause or the playback.
            AnimateTimer.stop();
            Anim = TAnimation::PlaybackPausing;
            PauseLeft = PauseWaits;
            PauseTimer.start(PauseInterval());
            return false;
        }
        PauseDone = false;
        FinishUndo();
        if (!Play.ReadStoredMove()) {
            SetAnimation(TAnimation::Idle);
            ShowMsg(IncompatibleSolutionText(), mtError);
            return false;
        }
        AnimateTimer.start();
    } else {
        // A move asked for while an undo still steps back: that undo ends at once first.
        FinishUndo();
    }
    // A move left in flight by a command that only stopped the animation is drawn back on its
    // start already: it goes from the record too, rather than block every later move.
    if (Play.MoveInFlight() && Play.CancelMove()) MoveTakenBack();
    const TSmallPoint from = Play.StretchStart();
    if (!Play.StartMove()) {
        const bool playback = Anim == TAnimation::Playback;
        SetAnimation(TAnimation::Idle);
        if (playback) ShowMsg(IncompatibleSolutionText(), mtError);
        return false;
    }
    RedoBeforeMove.reset();
    if (Anim == TAnimation::OneMove) MovePlayed();
    View->MoveStarted(from);
    AnimationStart = false;
    return true;
}

void TPlaySession::PauseTick() {
    if (Anim != TAnimation::PlaybackPausing) {
        PauseTimer.stop();
        return;
    }
    if (--PauseLeft > 0) {
        PauseTimer.start(PauseInterval());
        return;
    }
    PauseTimer.stop();
    Anim = TAnimation::Playback;
    PauseDone = true;
    Tick();
}

void TPlaySession::EndStoredMove(bool Solved) {
    const TPlaybackNext next = AfterStoredMove(Play, Solved);
    if (next == pnNext) {
        AnimationStart = true;
        // At the slowest setting the playback goes step by step: the Solution button plays on.
        if (SpeedValue == SlowestSpeed) AnimateTimer.stop();
        return;
    }
    SetAnimation(TAnimation::Idle);
    ShowMsg(PlaybackEndText(next), PlaybackEndKind(next));
}

void TPlaySession::PlayerVerdict() {
    // Recorded before the verdict shows, so a game killed meanwhile keeps its win.
    RecordProgress();
    const QString found = Play.SolutionStack;
    const TVerdict verdict = JudgeSolution(Play.CurMap.Solution, Play.MoveCount, found);
    const int answer = ShowMsg(verdict.Text, verdict.Kind);
    if (verdict.OfferSave && answer == mrYes) SaveNewSolution(found);
}

void TPlaySession::SaveNewSolution(const QString& Found) {
    Play.CurMap.Solution = Found;
    SaveMap(true);
    // Saved over the same file, under a new name (the map is now that file), or not saved at
    // all: the map keeps the new solution. Giving it back its old solution after a save under
    // a new name would let a later save erase the solution from that file.
    Play.SetSolution(Found);
}

void TPlaySession::CancelMove(bool Stop) {
    CancelSearch(); // whatever stops a move stops a search too: a load, the close, the packs
    if (IsIdle()) return;
    AnimateTimer.stop();
    // Only a move in flight is taken back; between two moves there is nothing to undo. A move
    // of the player's that never arrived leaves the undone moves as they were.
    if (Play.CancelMove()) MoveTakenBack();
    if (Stop || MoveRunning()) SetAnimation(TAnimation::Idle);
    View->BoardChanged();
}

void TPlaySession::UndoTick() {
    UndoTimer.stop();
    // Only the stretches of a move being undone: a finished chain leaves nothing to do here.
    if (Play.UndoChainPending() && Play.UndoStep()) UndoTimer.start();
}

void TPlaySession::FinishUndo() {
    UndoTimer.stop();
    if (!Play.UndoChainPending()) return;
    const int selected = Play.PawnIndex;
    Play.FinishUndoChain();
    Play.SelectPawn(selected);
}
