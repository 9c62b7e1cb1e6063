// The move driver: each tick of the animation timer starts a move, slides the pawn a few pixels,
// applies what the cell it reaches does, and plays the stored solution move after move.
#include "Virelune1.h"

#include "BitmapRect.h"
#include "Callout.h"
#include "PlayInput.h"
#include "Playback.h"
#include "Wait.h"

#include <QPropertyAnimation>
#include <QSlider>
#include <QTimer>
#include <cstdlib>

void TVirelMain::SetAnimationMode(int Mode) {
    if (Mode == AnimationMode) return;
    if (AnimationMode == 2 || AnimationMode == 3) SolutionRotAnimation->stop();
    AnimationMode = Mode;
    AnimationStart = true;
    tbSpeedChange();
    if (Mode > 0)
        tAnimate->start();
    else
        tAnimate->stop();
}

void TVirelMain::tbSpeedChange() {
    crInfo->hide();
    const int value = tbSpeed->value();
    tAnimate->setInterval(AnimationInterval(value));
    const bool playback = AnimationMode == 2 || AnimationMode == 3;
    Step = AnimationStep(value, CellSize, playback && value == tbSpeed->maximum());
}

void TVirelMain::tAnimateTimer() {
    if (AnimationMode == 0) {
        tAnimate->stop();
        return;
    }
    if (!AnimationStart && !Play.MoveInFlight()) {
        // The move was rewound or its map replaced under it: there is nothing left to slide.
        SetAnimationMode(0);
        return;
    }
    if (AnimationStart && !BeginMove()) return;
    if (!SlidePawn()) return;
    // The stretch has arrived: its cell is the one the rules aimed at, whatever the cell size
    // did meanwhile.
    if (Play.Arrive() == arContinues) return;
    const bool solved = Play.MoveSolved();
    if (AnimationMode == 2)
        EndStoredMove(solved);
    else {
        SetAnimationMode(0);
        if (solved) PlayerVerdict();
    }
}

bool TVirelMain::BeginMove() {
    if (AnimationMode == 2) {
        // The pause before each stored move keeps the window alive: any handler may run
        // meanwhile, so the mode is looked at again after every wait.
        tAnimate->stop();
        AnimationMode = 3;
        for (int i = 0; i < 10; ++i) {
            (PauseWait ? PauseWait : WaitProcessingEvents)(PlaybackWait(tbSpeed->value()));
            if (AnimationMode != 3) return false;
        }
        AnimationMode = 2;
        FinishUndo();
        if (!Play.ReadStoredMove()) {
            SetAnimationMode(0);
            ShowMsg(IncompatibleSolutionText(), mtError);
            return false;
        }
        tAnimate->start();
    } else {
        // A move asked for while an undo still steps back: that undo ends at once first.
        FinishUndo();
    }
    // A move left in flight by a handler that only stopped the animation is drawn back on its
    // start already: it goes from the record too, rather than block every later move.
    if (Play.MoveInFlight()) Play.CancelMove();
    const TSmallPoint from = Play.StretchStart();
    if (!Play.StartMove()) {
        const bool playback = AnimationMode == 2;
        SetAnimationMode(0);
        if (playback) ShowMsg(IncompatibleSolutionText(), mtError);
        return false;
    }
    AnimPawnX = from.x * CellSize;
    AnimPawnY = from.y * CellSize;
    AnimationStart = false;
    return true;
}

bool TVirelMain::SlidePawn() {
    const int destX = Play.DestX * CellSize, destY = Play.DestY * CellSize;
    const bool horizontal = Play.PawnDirection == u'L' || Play.PawnDirection == u'R';
    // The pawn keeps to the line of its stretch.
    if (horizontal)
        AnimPawnY = destY;
    else
        AnimPawnX = destX;
    int left = BorderX + AnimPawnX + PawnDelta, top = BorderY + AnimPawnY + PawnDelta;
    int right = left + PawnSize, bottom = top + PawnSize;
    int& at = horizontal ? AnimPawnX : AnimPawnY;
    const int dest = horizontal ? destX : destY;
    const int d = std::min(Step, std::abs(dest - at));
    if (dest < at) {
        at -= d;
        (horizontal ? left : top) -= d;
    } else {
        at += d;
        (horizontal ? right : bottom) += d;
    }
    pbBoard->update(QRect(left, top, right - left, bottom - top));
    return AnimPawnX == destX && AnimPawnY == destY;
}

void TVirelMain::EndStoredMove(bool Solved) {
    const TPlaybackNext next = AfterStoredMove(Play, Solved);
    if (next == pnNext) {
        AnimationStart = true;
        // At the slowest setting the playback goes step by step: the Solution button plays on.
        if (tbSpeed->value() == tbSpeed->maximum()) tAnimate->stop();
        return;
    }
    SetAnimationMode(0);
    ShowMsg(PlaybackEndText(next), PlaybackEndKind(next));
}

void TVirelMain::PlayerVerdict() {
    const QString found = Play.SolutionStack;
    const TVerdict verdict = JudgeSolution(Play.CurMap.Solution, Play.MoveCount, found);
    const int answer = ShowMsg(verdict.Text, verdict.Kind);
    if (!verdict.OfferSave || answer != mrYes) return;
    Play.CurMap.Solution = found;
    SaveMap(true);
    // Saved over the same file, under a new name (the window's map is now that file), or not
    // saved at all: the window's map keeps the new solution. Giving it back its old solution
    // after a save under a new name would let a later save erase the solution from that file.
    Play.SetSolution(found);
}

void TVirelMain::CancelMove(bool Stop) {
    if (AnimationMode == 0) return;
    tAnimate->stop();
    // Only a move in flight is taken back; between two moves there is nothing to undo.
    Play.CancelMove();
    if (Stop || AnimationMode == 1) SetAnimationMode(0);
    InvalidateBoard();
}
