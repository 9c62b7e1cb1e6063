// The gliding pawn: the session's clock ticks, the window moves the pawn a few pixels along the
// current stretch and asks for the repaint of the square it swept.
#include "mainwindow/MainWindow.h"

#include "platform/InfoCallout.h"
#include "rules/PlayInput.h"

#include <QPropertyAnimation>
#include <QSlider>
#include <cstdlib>

void TVirelMain::tbSpeedChange() {
    crInfo->hide();
    const int value = tbSpeed->value();
    Session.SetSpeed(value);
    Step =
        AnimationStep(value, CellSize, Session.InPlayback() && value == TPlaySession::SlowestSpeed);
}

void TVirelMain::AnimationChanged() {
    // The pace depends on whether a playback runs.
    tbSpeedChange();
    // Stop marks go while a pawn moves and come back where it now stands.
    if (ShowStops) InvalidateBoard();
}

void TVirelMain::PlaybackStarted() {
    SolutionRotAnimation->start();
}

void TVirelMain::PlaybackEnded() {
    SolutionRotAnimation->stop();
}

void TVirelMain::MoveStarted(TSmallPoint From) {
    AnimPawnX = From.x * CellSize;
    AnimPawnY = From.y * CellSize;
}

bool TVirelMain::SlideStep() {
    const TPlay& play = Session.Play;
    const int destX = play.DestX * CellSize, destY = play.DestY * CellSize;
    const bool horizontal = play.PawnDirection == u'L' || play.PawnDirection == u'R';
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
