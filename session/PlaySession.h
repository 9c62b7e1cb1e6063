// The play session: the game in progress with its clock (moves, undo chains, the playback of
// the stored solution and its pauses), the open document (which map, from which file, unsaved
// edits, load, save, confirm-discard), the verdicts and the game kept across runs. It has no
// widgets: the window turns its reports into pixels, and tests drive it without a screen.
#pragma once

#include "session/FileChooser.h"
#include "session/LoadedMap.h"
#include "session/OptimumFinder.h"
#include "rules/MapEdit.h"
#include "rules/Messages.h"
#include "rules/Play.h"
#include "session/SolverJob.h"
#include "storage/Progress.h"
#include "rules/Types.h"

#include <QObject>
#include <QTimer>
#include <optional>

struct TSettings;

// What the animation clock is doing.
enum class TAnimation {
    Idle,
    OneMove,         // the player's move slides
    Playback,        // the stored solution plays (or stands paused between two of its moves)
    PlaybackPausing, // the short pause before the next stored move
};

// What the search running on the worker thread is for.
enum class TSearch {
    None,
    Hint,     // the next move from the current position (play mode)
    SolveMap, // the map as drawn, from its start (edit mode)
};

// What the session tells the window. Every method has a default that does nothing, so a test
// or a tool can watch only what it needs.
class TSessionView {
public:
    virtual ~TSessionView() = default;
    // Repaint requests, in cells.
    virtual void CellChanged(int /*Col*/, int /*Row*/) {}
    virtual void PawnChanged(int /*Index*/) {}
    virtual void BoardChanged() {}
    // The move counter or the stored solution changed.
    virtual void CountersChanged() {}
    // The caption, the unsaved-edit state, which map is checked in the menus, the Info and Help
    // buttons: whatever describes the document.
    virtual void DocumentChanged() {}
    // A pack was read: its maps make the Pack menu.
    virtual void PackLoaded() {}
    // A map was just shown in play mode: time to open its information, if it has any.
    virtual void MapShown() {}
    // Edit mode was entered or left.
    virtual void ModeChanged() {}
    // The animation state changed (the pace of the pawn may depend on it); Playback tells
    // whether a stored-solution playback began or ended with it.
    virtual void AnimationChanged() {}
    virtual void PlaybackStarted() {}
    virtual void PlaybackEnded() {}
    // A stretch of a move sets off from cell From; the window places the gliding pawn there.
    virtual void MoveStarted(TSmallPoint /*From*/) {}
    // One tick of the gliding pawn along the current stretch; true once it has reached the
    // stretch's end. Without a window, a stretch takes one tick.
    virtual bool SlideStep() { return true; }
    // A command began: transient information (the callout) goes away.
    virtual void CommandStarted() {}
    // A search has run long enough for the player to wait on it (On), or it has ended (Off):
    // the board shows that the game is thinking.
    virtual void SearchShown(bool /*On*/) {}
    // A win or an optimum was recorded: the menus' marks may change.
    virtual void ProgressChanged() {}
};

class TPlaySession : public QObject, private TPlayListener {
    Q_OBJECT
public:
    // Messages go to Messenger and files are chosen with Chooser; both outlive the session.
    TPlaySession(TMessenger& Messenger, TFileChooser& Chooser);
    ~TPlaySession() override;
    void SetView(TSessionView* NewView) { View = NewView ? NewView : &NoView; }

    // --- The game and the document ---
    TPlay Play; // CurMap, PawnIndex and the record of moves
    TPack CurPack;
    TLoadedMap LoadedMap;
    QString FileName;     // the map file shown (LoadedMap a file), relative to the game folder
    QString PackFileName; // the pack file whose maps the Pack menu lists
    bool EditMode = false;
    // Edits since the map was shown or saved. The first edit (1) detaches the map from its
    // example or pack and clears its ID and stored solution; at 40 and 70 the editor reminds the
    // player to save; any value above 0 makes closing and loading ask to save first.
    int Changed = 0;
    // What the last cell-tool press put down; drag painting paints it.
    TCellType CurCellType = ctWall;

    // The window's caption, and whether it names the pack: a pack map says so until it is
    // detached or saved under a name of its own.
    QString Caption() const;
    void UpdateCaption(bool InPack);
    bool HasInfo() const;
    bool HasHelp() const { return !Play.CurMap.Help.isEmpty(); }
    bool HasSolution() const { return !Play.CurMap.Solution.isEmpty(); }
    bool CanUndo() const { return Play.MoveCount > 0; }
    // Moves taken back by Annuler or Rejouer that Rétablir can play again.
    bool CanRedo() const { return !EditMode && !RedoMoves.isEmpty(); }
    // The undone moves in solution notation, the next one to play again first.
    const QString& UndoneMoves() const { return RedoMoves; }
    bool CanSave() const { return Changed > 0 && EditMode; }

    // Shows Map (a copy is taken first): the document's texts, its pawns and board, and, in
    // play mode, a fresh game with its information.
    void ShowMap(const TMap& Map);
    void SetChanged(int Value);
    // The map becomes a map of its own: no example, pack or file, no ID, title or texts.
    void DetachMap();
    // Starts play on the current map, checking it first when it is the player's own.
    void StartPlay();
    // Stops a running move and offers to save unsaved changes; true means go on.
    bool ConfirmDiscard();
    // Reads a map or pack file and shows its map Index; false when nothing changed.
    bool LoadFile(const QString& FName, int Index);
    // Example Tag (1..10) or map -Tag of the loaded pack, after the unsaved-changes question.
    void ChooseMap(int Tag);
    // The example or pack map Step places after (1) or before (-1) the one shown; 0 when there
    // is none: a single file, a new or detached map, or the end of the examples or of the pack.
    int NeighbourMap(int Step) const;
    // Whether Tableau suivant / précédent can act now: in edit mode, or idle in play mode.
    bool CanGoToMap(int Step) const;
    // Shows that neighbour, after the same unsaved-changes question as the menus.
    void GoToMap(int Step);
    // Opens a file chosen in the file browser.
    void OpenChosenFile();
    // Writes the current map to its file, or to one chosen in the save dialog; true when written.
    bool SaveMap(bool AskName);
    // An empty board in edit mode, after the unsaved-changes question.
    void NewMap();
    // Play mode to edit mode and back (the Edit/Play button).
    void EditPlayClick();
    // Turns edit mode on or off without touching the game.
    void SetEditMode(bool On);

    // --- Progress per map ---
    // The fewest moves and the optima recorded in the settings file, as last read.
    const TProgressStore& Progress() const { return ProgressStore; }
    void ReadProgress();
    // The optimum found for the map with this ID (by the solver): cached in the settings file at
    // once and shown in the menus.
    void SetOptimum(const QString& ID, int Moves);
    // Blocks until the background searches for optima have ended (tests).
    void WaitForOptima() { Optima.WaitAll(); }
    bool SeekingOptima() const { return Optima.Busy(); }
    // How the menus mark a map, and the tooltip that goes with the mark.
    TProgressMark MarkOf(const TMap& Map) const;
    QString TipOf(const TMap& Map) const;

    // --- Start and close ---
    // The stored mode, map and game at start (the speed is the window's).
    void RestoreSettings(const TSettings& Stored);
    // Stops a running move and offers to save unsaved changes; false keeps the window open.
    bool CloseQuery();
    // The document's and the game's part of the settings written at close.
    void FillSettings(TSettings& Out) const;
    // Writes the settings file at close: WindowPart holds the window's placement and speed, the
    // session adds the rest. A failure is shown; the game closes all the same.
    bool WriteSettingsAtClose(TSettings WindowPart);

    // --- Play commands (each taken only when it can act) ---
    // A press on cell (Col, Row): selects the pawn there or pushes the selected one.
    void PressCell(int Col, int Row);
    // Pushes the selected pawn towards Dir (an arrow key); only when idle.
    void PushPawn(QChar Dir);
    // Selects the next pawn (Space); true when taken.
    bool SelectNextPawn();
    // Selects the pawn nearest along Dir (Ctrl+arrow); only when idle.
    void SelectPawnAlong(QChar Dir);
    void Undo();
    void Replay();
    // Plays the next undone move again, animated like any move; only when idle in play mode.
    void Redo();
    void Help();
    // Starts, pauses and resumes the playback of the stored solution.
    void SolutionClick();
    // The speed setting, 0 (fastest) to SlowestSpeed.
    void SetSpeed(int Value);
    int Speed() const { return SpeedValue; }
    static constexpr int SlowestSpeed = 4;

    // --- Edit commands ---
    void EditPress(int Col, int Row, TEditTool Tool);
    void EditDrag(int Col, int Row);

    // --- The solver: hints in play, solving the map in the editor ---
    // Plays the first move of a shortest solution from the current position as the player's
    // own move. The search runs on a worker thread; while the player follows the solution it
    // found, the next hints come from it at once.
    void Hint();
    // Idle in play mode, between two moves, on a position that is not solved yet.
    bool CanHint() const;
    // Solves the map as drawn, from its start (edit mode).
    void SolveMap();
    bool CanSolveMap() const { return EditMode && Search == TSearch::None; }
    // Drops the search in progress: every command but the one that started it does this.
    void CancelSearch();
    TSearch Searching() const { return Search; }
    // The board is showing that the game thinks.
    bool SearchShowing() const { return Thinking; }
    // How long a search runs before the board shows it thinks.
    int ThinkDelay() const { return ThinkTimer.interval(); }
    bool ThinkRunning() const { return ThinkTimer.isActive(); }
    // The end of that delay (its timer calls this; tests call it by hand).
    void ThinkTick();
    // Blocks until the search in progress has answered and handles the answer at once.
    void WaitForSearch();
    // The search's limits; tests lower the memory to see a search stop.
    TSolveOptions SolverOptions;

    // --- The clock ---
    TAnimation Animation() const { return Anim; }
    bool IsIdle() const { return Anim == TAnimation::Idle; }
    bool MoveRunning() const { return Anim == TAnimation::OneMove; }
    bool InPlayback() const {
        return Anim == TAnimation::Playback || Anim == TAnimation::PlaybackPausing;
    }
    bool Pausing() const { return Anim == TAnimation::PlaybackPausing; }
    // The pawn is gliding: the animation timer runs.
    bool Sliding() const { return AnimateTimer.isActive(); }
    bool UndoChainRunning() const { return UndoTimer.isActive(); }
    int TickInterval() const { return AnimateTimer.interval(); }
    int UndoInterval() const { return UndoTimer.interval(); }
    // The next tick begins a move rather than continue one.
    bool AnimationStart = false;
    void SetAnimation(TAnimation Mode);
    // Takes back the move in flight; Stop also ends a playback.
    void CancelMove(bool Stop);
    // Takes back at once what remains of a move being undone stretch by stretch.
    void FinishUndo();
    // One tick of the animation timer, of the undo chain's timer and of the playback's pause.
    // Timers call these; tests call them to run the clock by hand.
    void Tick();
    void UndoTick();
    void PauseTick();
    bool PauseRunning() const { return PauseTimer.isActive(); }
    // How many of the ten short waits of the pause before a stored move are left.
    int PauseTicksLeft() const { return PauseLeft; }
    // How long each of those waits lasts at the current speed.
    int PauseInterval() const;

private:
    // TPlayListener
    void CellChanged(int x, int y) override;
    void SelectionChanged(int OldIndex, int NewIndex) override;
    void BoardChanged() override;
    void MoveCountChanged(int MoveCount) override;
    void SolutionChanged(const QString& Solution) override;

    int ShowMsg(const QString& Msg, TMsgType Kind) { return Messenger.ShowMsg(Msg, Kind); }
    // Begins the move of a tick; false when none started or the tick must leave.
    bool BeginMove();
    // A stored move of the playback ended: the next one, or the message that ends it.
    void EndStoredMove(bool Solved);
    // The player solved the map: the verdict, and the offer to save the new solution.
    void PlayerVerdict();
    // Oui to an offer to save a better solution: Found goes into a file chosen by the player,
    // and the map keeps it.
    void SaveNewSolution(const QString& Found);
    // Every command first drops a search in progress and the callout.
    void BeginCommand();
    void StartSearch(TSearch Kind);
    void SearchFinished(const TSolveResult& Result);
    void HintFound(const TSolveResult& Result);
    void MapSolved(const TSolveResult& Result);
    // The player's moves so far lead along the known solution, which has a move left.
    bool FollowsHintLine() const;
    void PlayHintMove();
    void EndThinking();
    // The player's win goes into the settings file at once.
    void RecordProgress();
    // Queues the search for the optimum of every map in the menus that the player has solved
    // and whose optimum is not known yet.
    void SeekOptima();
    // A playback that was pausing or gliding stands still between two stored moves.
    void StayPaused();
    // The player's move that just set off: the next undone move keeps the rest, any other
    // move forgets them.
    void MovePlayed();
    // A move in flight was taken back: it was never played.
    void MoveTakenBack();
    void ForgetUndone();

    TMessenger& Messenger;
    TFileChooser& Chooser;
    TSessionView NoView;
    bool CaptionInPack = false;
    TSessionView* View = &NoView;
    TAnimation Anim = TAnimation::Idle;
    int SpeedValue = 2;
    // Named tAnimate, tUndo and tPause, so a benchmark can watch them.
    QTimer AnimateTimer{this};
    QTimer UndoTimer{this};
    QTimer PauseTimer{this};
    int PauseLeft = 0;
    // The pause before the stored move has been waited: the next tick plays that move.
    bool PauseDone = false;

    TSolverJob Solver{this};
    TSearch Search = TSearch::None;
    QTimer ThinkTimer{this};
    bool Thinking = false;
    // The moves from the start of the game through the last solution found for a hint: the
    // player's moves when it was asked for, then that solution. HintFrom is where it begins.
    QString HintLine;
    qsizetype HintFrom = 0;
    // The record when the running hint search began.
    QString HintBase;
    // Undone moves, oldest first; and as they stood before the move in flight, so that a move
    // taken back before it arrives leaves them as they were.
    QString RedoMoves;
    TProgressStore ProgressStore;
    TOptimumFinder Optima{this};
    std::optional<QString> RedoBeforeMove;
};
