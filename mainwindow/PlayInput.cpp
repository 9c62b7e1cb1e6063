// Play input: presses on the board, keys and the side panel's buttons. The window is wired to
// these; what they do to the game comes with the play controls.
#include "Virelune1.h"

#include "Callout.h"

#include <QKeyEvent>
#include <QSlider>
#include <QTimer>

void TVirelMain::pbBoardMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos,
                                  bool DoubleClick) {
    crInfo->hide();
    int col, row;
    if (!BoardCellAt(Pos, col, row) || !LeftButtonAlone(Button, Shift, DoubleClick)) return;
    if (EditMode) {
        EditBoardPress(col, row);
        return;
    }
}

void TVirelMain::pbBoardMouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift,
                                  QPointF Pos) {
    if (EditMode) EditBoardDrag(Buttons, Shift, Pos);
}

void TVirelMain::FormKeyDown(QKeyEvent* Event) {
    Event->ignore();
}

void TVirelMain::rFastClick() {
    tbSpeed->setValue(tbSpeed->minimum());
}

void TVirelMain::rSlowClick() {
    tbSpeed->setValue(tbSpeed->maximum());
}

void TVirelMain::btUndoClick() {
    crInfo->hide();
}

void TVirelMain::btReplayClick() {
    crInfo->hide();
    tUndo->stop();
    Play.ResetPlay(false);
    SetAnimationMode(0);
    InvalidateBoard();
}

void TVirelMain::btHelpClick() {
    crInfo->hide();
}

void TVirelMain::btSolutionClick() {
    crInfo->hide();
}

void TVirelMain::Undo() {
    tUndo->stop();
}
