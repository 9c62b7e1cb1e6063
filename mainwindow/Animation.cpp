// The move animation's pace and modes; the ticks that slide the pawn come with the move driver.
#include "Virelune1.h"

#include "BitmapRect.h"
#include "Callout.h"

#include <QPropertyAnimation>
#include <QSlider>
#include <QTimer>

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
    tAnimate->setInterval(value * 3 + 15);
    if ((AnimationMode == 2 || AnimationMode == 3) && value == tbSpeed->maximum())
        Step = CellSize / 3;
    else
        Step = (6 - value) * CellSize / 16;
}

void TVirelMain::tAnimateTimer() {
    if (AnimationMode == 0) tAnimate->stop();
}

void TVirelMain::CancelMove(bool /*Stop*/) {}
