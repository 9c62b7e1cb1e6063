// The game in progress: the current map, the play-start snapshot and the record of moves,
// with the operations that move pawns, flip doors, undo, rewind and take back a move in flight.
#pragma once

#include "rules/Messages.h"
#include "rules/Types.h"

// Told what changed, so a window can repaint just that.
class TPlayListener {
public:
    virtual ~TPlayListener() = default;
    virtual void CellChanged(int /*x*/, int /*y*/) {}
    // The selection moved from pawn OldIndex to NewIndex (either may be 0).
    virtual void SelectionChanged(int /*OldIndex*/, int /*NewIndex*/) {}
    // Many cells or pawns may have changed (rewind, undo, cancel, a whole new map).
    virtual void BoardChanged() {}
    virtual void MoveCountChanged(int /*MoveCount*/) {}
    virtual void SolutionChanged(const QString& /*Solution*/) {}
};

// How a whole move ended.
enum TMoveOutcome { moBlocked, moEnded, moSolved };

// What the end of a stretch led to.
enum TArrival { arEnded, arContinues };

class TPlay {
public:
    TMap CurMap;

    // Play-start snapshot.
    TPawnArray PawnPosSave{};
    std::vector<TDoorPos> DoorPosSave;

    // The record.
    std::vector<TPawnMove> PawnMoveStack;
    QString SolutionStack;
    std::vector<TDoorState> DoorStateStack;
    int MoveCount = 0;

    int PawnIndex = 0;
    QChar PawnDirection = QChar(NoDirection);
    int SolutionStep = 0;

    // End of the current stretch, in cells.
    int DestX = 0;
    int DestY = 0;

    TPlayListener* Listener = nullptr;

    int DoorNb() const { return int(DoorPosSave.size()); }

    // The pawn standing on (x, y), highest number first, or 0.
    int PawnAt(int x, int y) const;

    // Slides an imaginary pawn from (x0, y0) in PawnDirection; true when it can leave the
    // cell, with DestX, DestY set to where it stops.
    bool FindDestination(int x0, int y0);

    // Flips every door; Pop drops the newest saved state instead of pushing a new one.
    void ToggleDoors(bool Pop);

    // Start (true) or rewind (false) play. Checking the map is the caller's business.
    void ResetPlay(bool Start);

    void SetMoveCount(int Value);
    void SetSolution(const QString& Text);
    void SelectPawn(int Index);

    // --- One move, step by step (the animation drives these) ---

    // Starts moving pawn PawnIndex towards PawnDirection: records the move, flips the doors
    // when it leaves a button with other pawns on the map, counts it. False: nothing happens.
    bool StartMove();
    // The moving pawn reached (DestX, DestY): applies what that cell does.
    TArrival Arrive();
    // True between StartMove and the arrival that ends the move.
    bool MoveInFlight() const { return InFlight; }
    // Cell the moving pawn stands on while its current stretch runs.
    TSmallPoint StretchStart() const;

    bool IsSolved() const;
    // The move that just ended brought every pawn onto a goal (only a move ending on a goal can).
    bool MoveSolved() const;

    // A whole move in one call.
    TMoveOutcome PlayMove(int Pawn, QChar Direction);

    // --- Taking back ---

    // Takes back the newest door flip; no repaint.
    void RestoreDoors();
    // One undo step: puts the pawn of the newest record entry back where that stretch began.
    // True when that entry was a continuation, so the move still has stretches to undo.
    bool UndoStep();
    // The Undo button: first step of taking back the newest move, the move count and the
    // solution text cut at once. True while stretches of that move remain to undo.
    bool BeginUndo();
    // Remaining stretches of a move being undone, if any.
    bool UndoChainPending() const { return ChainPending; }
    // Finishes an interrupted undo chain at once, so the record stays whole.
    void FinishUndoChain();
    // Takes back the move in flight, if there is one; a completed move is never touched.
    // True when a move was taken back.
    bool CancelMove();

    // --- Stored solution playback ---

    // Reads the stored move at SolutionStep and selects its pawn and direction. False when
    // that move names no pawn of this map or no direction.
    bool ReadStoredMove();

private:
    void PawnMovedTo(int Pawn, TSmallPoint Pos);
    void NotifyBoard();
    bool InFlight = false;
    bool ChainPending = false;
};
