// Play input: presses on the board, keys and the side panel's buttons, turned into moves,
// selections, undo, rewind and the playback of the stored solution.
#include "Virelune1.h"

#include "Callout.h"
#include "PlayInput.h"
#include "RoundButton.h"

#include <QKeyEvent>
#include <QPropertyAnimation>
#include <QSlider>
#include <QTimer>

namespace {
const QString MoveHint =
    QStringLiteral("🧭 Cliquer sur la ligne ou colonne du pion sélectionné pour le déplacer");
const QString GiveUpQuestion =
    QStringLiteral("Voulez-vous vraiment abandonner et voir la solution ?");

// The modifiers that count: the keypad flag only says where a key sits.
Qt::KeyboardModifiers Held(const QKeyEvent* Event) {
    return Event->modifiers() & ~Qt::KeypadModifier;
}
} // namespace

void TVirelMain::pbBoardMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos,
                                  bool DoubleClick) {
    crInfo->hide();
    int col, row;
    if (!BoardCellAt(Pos, col, row) || !LeftButtonAlone(Button, Shift, DoubleClick)) return;
    if (EditMode) {
        EditBoardPress(col, row);
        return;
    }
    PlayBoardPress(col, row);
}

void TVirelMain::PlayBoardPress(int Col, int Row) {
    if (AnimationMode == 1 || Play.CurMap.PawnNb <= 0) return;
    // A press ends a playback; its move in flight goes back, so the record never counts a move
    // whose pawn is drawn back on its start.
    if (AnimationMode >= 2) CancelMove(true);
    SetAnimationMode(0);
    FinishUndo();
    if (const int p = Play.PawnAt(Col, Row); p > 0) {
        Play.SelectPawn(p);
        return;
    }
    const int k = Play.PawnIndex;
    if (k < 1 || k > Play.CurMap.PawnNb) return; // no pawn picked yet (start of a playback)
    const QChar dir = DirectionToward(Play.CurMap.PawnPos[size_t(k - 1)], Col, Row);
    if (dir == QChar(NoDirection)) {
        if (LoadedMap > 0) ShowMsg(MoveHint, mtInformation);
        return;
    }
    Play.PawnDirection = dir;
    SetAnimationMode(1);
}

void TVirelMain::pbBoardMouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift,
                                  QPointF Pos) {
    if (EditMode) EditBoardDrag(Buttons, Shift, Pos);
}

void TVirelMain::FormKeyDown(QKeyEvent* Event) {
    const Qt::KeyboardModifiers held = Held(Event);
    const int key = Event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (EditMode) {
        if (enter && held == Qt::ControlModifier)
            btEditPlayClick();
        else
            Event->ignore();
        return;
    }
    if (held == Qt::NoModifier) {
        const QString text = Event->text();
        if (key == Qt::Key_Backspace) {
            if (btUndo->isEnabled()) btUndoClick();
            return;
        }
        if (text == QStringLiteral(" ")) {
            const int n = Play.CurMap.PawnNb;
            if (AnimationMode == 0 && n > 0) {
                crInfo->hide();
                FinishUndo();
                Play.SelectPawn(Play.PawnIndex >= n || Play.PawnIndex < 1 ? 1 : Play.PawnIndex + 1);
            }
            return;
        }
        if (text == QStringLiteral("+")) {
            tbSpeed->setValue(tbSpeed->value() - 1);
            return;
        }
        if (text == QStringLiteral("-")) {
            tbSpeed->setValue(tbSpeed->value() + 1);
            return;
        }
        if (text == QStringLiteral("a")) {
            btHelpClick();
            return;
        }
        if (text == QStringLiteral("s")) {
            btSolutionClick();
            return;
        }
    }
    if (AnimationMode > 0) return;
    QChar dir;
    switch (key) {
    case Qt::Key_Left:
        dir = u'L';
        break;
    case Qt::Key_Up:
        dir = u'U';
        break;
    case Qt::Key_Right:
        dir = u'R';
        break;
    case Qt::Key_Down:
        dir = u'D';
        break;
    default:
        if (enter && held == Qt::ControlModifier && btReplay->isEnabled())
            btReplayClick();
        else
            Event->ignore();
        return;
    }
    crInfo->hide();
    if (held == Qt::NoModifier) {
        if (Play.CurMap.PawnNb <= 0) return;
        Play.PawnDirection = dir;
        SetAnimationMode(1);
    } else if (held == Qt::ControlModifier && Play.CurMap.PawnNb > 1) {
        FinishUndo();
        if (const int p = NearestPawnAlong(Play, dir); p > 0) Play.SelectPawn(p);
    }
}

void TVirelMain::rFastClick() {
    tbSpeed->setValue(tbSpeed->minimum());
}

void TVirelMain::rSlowClick() {
    tbSpeed->setValue(tbSpeed->maximum());
}

void TVirelMain::btUndoClick() {
    crInfo->hide();
    if (tAnimate->isActive()) {
        // A move in flight goes back; a playback pauses and plays that stored move again later.
        CancelMove(false);
        AnimationStart = true;
        return;
    }
    if (tUndo->isActive() || Play.MoveCount <= 0) return;
    if (Play.BeginUndo()) tUndo->start(); // the pawn goes back stretch by stretch
    if (Play.MoveCount == 0) {
        SetAnimationMode(0);
    } else if (AnimationMode == 2 || AnimationMode == 3) {
        // The playback stays paused one move earlier; resuming plays the undone move again.
        AnimationMode = 2;
        Play.SolutionStep = std::max(0, Play.SolutionStep - 2);
    }
}

void TVirelMain::Undo() {
    tUndo->stop();
    // Only the stretches of a move being undone: a finished chain leaves nothing to do here.
    if (Play.UndoChainPending() && Play.UndoStep()) tUndo->start();
}

void TVirelMain::FinishUndo() {
    tUndo->stop();
    if (!Play.UndoChainPending()) return;
    const int selected = Play.PawnIndex;
    Play.FinishUndoChain();
    Play.SelectPawn(selected);
}

void TVirelMain::btReplayClick() {
    crInfo->hide();
    tUndo->stop();
    Play.ResetPlay(false);
    SetAnimationMode(0);
    InvalidateBoard();
}

void TVirelMain::btHelpClick() {
    if (!btHelp->isEnabled()) return;
    crInfo->hide();
    // The help is modal: a move in flight goes back first rather than slide on beneath it.
    if (tAnimate->isActive()) {
        CancelMove(false);
        AnimationStart = true;
    }
    ShowMsg(Play.CurMap.Help, mtInformation);
}

void TVirelMain::btSolutionClick() {
    if (!btSolution->isEnabled()) return;
    crInfo->hide();
    // An undo stepping back through a move's stretches finishes now, so any answer below
    // leaves a whole record.
    FinishUndo();
    if (AnimationMode == 0 || AnimationMode == 1) {
        CancelMove(true);
        if (Play.MoveCount != 0 && ShowMsg(GiveUpQuestion, mtQuestion) != mrYes) return;
        btReplayClick();
        Play.SolutionStep = 0;
        Play.SelectPawn(0); // no pawn is highlighted until the first stored move picks one
        SolutionRotAnimation->start();
        SetAnimationMode(2);
    } else if (tAnimate->isActive()) {
        CancelMove(false); // pause; the stored move taken back is played again on resume
        AnimationStart = true;
    } else if (AnimationMode == 3) {
        AnimationMode = 2; // ends the wait before the next stored move and stays paused
    } else {
        tAnimate->start(); // resume
    }
}
