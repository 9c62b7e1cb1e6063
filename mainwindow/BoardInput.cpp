// Input: presses on the board, keys and the side panel's buttons, turned into calls on the play
// session.
#include "mainwindow/MainWindow.h"

#include "platform/InfoCallout.h"
#include "panels/EditPanel.h"
#include "platform/RoundButton.h"
#include "session/BoardCommands.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QSlider>

namespace {
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
    if (Session.EditMode)
        Session.EditPress(col, row, pnEdit->SelectedTool());
    else
        Session.PressCell(col, row);
}

void TVirelMain::pbBoardMouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift,
                                  QPointF Pos) {
    if (Session.EditMode) EditBoardDrag(Buttons, Shift, Pos);
}

void TVirelMain::FormKeyDown(QKeyEvent* Event) {
    const Qt::KeyboardModifiers held = Held(Event);
    const int key = Event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool pageKey = key == Qt::Key_PageDown || key == Qt::Key_PageUp;
    const int pageStep = key == Qt::Key_PageDown ? 1 : -1;
    if (Session.EditMode) {
        if (enter && held == Qt::ControlModifier)
            btEditPlayClick();
        else if (key == Qt::Key_R && held == Qt::ControlModifier)
            Session.SolveMap();
        else if (pageKey && held == Qt::NoModifier)
            Session.GoToMap(pageStep);
        else
            Event->ignore();
        return;
    }
    if ((key == Qt::Key_Y && held == Qt::ControlModifier) ||
        (key == Qt::Key_Backspace && held == Qt::ShiftModifier)) {
        Session.Redo();
        return;
    }
    if (held == Qt::NoModifier) {
        const QString text = Event->text();
        if (key == Qt::Key_Backspace) {
            if (btUndo->isEnabled()) btUndoClick();
            return;
        }
        if (pageKey) {
            Session.GoToMap(pageStep);
            return;
        }
        if (text == QStringLiteral("m")) {
            SetShowStops(!ShowStops);
            return;
        }
        if (text == QStringLiteral(" ")) {
            Session.SelectNextPawn();
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
        if (text == QStringLiteral("i")) {
            Session.Hint();
            return;
        }
    }
    if (!Session.IsIdle()) return;
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
    if (held == Qt::NoModifier)
        Session.PushPawn(dir);
    else if (held == Qt::ControlModifier)
        Session.SelectPawnAlong(dir);
    else
        crInfo->hide();
}

void TVirelMain::pbBoardContextMenu(QPoint GlobalPos) {
    crInfo->hide();
    UpdateBoardMenu();
    pmBoard->popup(GlobalPos);
}

void TVirelMain::UpdateBoardMenu() {
    pmBoard->clear();
    for (const TBoardMenuItem& item : BoardMenuItems(Session, ShowStops)) {
        QAction* a = pmBoard->addAction(
            item.Key.isEmpty() ? item.Text : item.Text + QLatin1Char('\t') + item.Key);
        a->setObjectName(QLatin1String(item.Name));
        a->setEnabled(item.Enabled);
        a->setCheckable(item.Checked.has_value());
        a->setChecked(item.Checked.value_or(false));
        connect(a, &QAction::triggered, this, [this, c = item.Command] {
            if (!RunBoardCommand(Session, c)) SetShowStops(!ShowStops);
        });
    }
}

void TVirelMain::rFastClick() {
    tbSpeed->setValue(tbSpeed->minimum());
}

void TVirelMain::rSlowClick() {
    tbSpeed->setValue(tbSpeed->maximum());
}

void TVirelMain::btUndoClick() {
    Session.Undo();
}

void TVirelMain::btReplayClick() {
    Session.Replay();
}

void TVirelMain::btHelpClick() {
    if (!btHelp->isEnabled()) return;
    Session.Help();
}

void TVirelMain::btSolutionClick() {
    if (!btSolution->isEnabled()) return;
    Session.SolutionClick();
}
