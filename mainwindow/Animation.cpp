// The gliding pawn: the session's clock ticks, the window moves the pawn a few pixels along the
// current stretch and asks for the repaint of the square it swept.
#include "mainwindow/MainWindow.h"

#include "board/Glide.h"
#include "platform/InfoCallout.h"
#include "rules/PlayInput.h"

#include <QPropertyAnimation>
#include <QSlider>

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
    QPoint at(AnimPawnX, AnimPawnY);
    QRect swept;
    const bool arrived = GlideStep(at, QPoint(play.DestX, play.DestY) * CellSize,
                                   play.PawnDirection == u'L' || play.PawnDirection == u'R', Step,
                                   PawnDelta, PawnSize, swept);
    AnimPawnX = at.x();
    AnimPawnY = at.y();
    pbBoard->update(swept.translated(BorderX, BorderY));
    return arrived;
}
