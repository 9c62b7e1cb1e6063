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
#include <functional>

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
        // Keys read by the character they type, whatever the keyboard.
        const std::pair<QChar, std::function<void()>> typed[] = {
            {u'm', [this] { SetShowStops(!ShowStops); }},
            {u' ', [this] { Session.SelectNextPawn(); }},
            {u'+', [this] { tbSpeed->setValue(tbSpeed->value() - 1); }},
            {u'-', [this] { tbSpeed->setValue(tbSpeed->value() + 1); }},
            {u'a', [this] { btHelpClick(); }},
            {u's', [this] { btSolutionClick(); }},
            {u'i', [this] { Session.Hint(); }},
        };
        for (const auto& [typedChar, act] : typed)
            if (text == QString(typedChar)) return act();
    }
    if (!Session.IsIdle()) return;
    // The arrows, in the order of the directions "LURD".
    const qsizetype way =
        QList<int>{Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}.indexOf(key);
    if (way < 0) {
        if (enter && held == Qt::ControlModifier && btReplay->isEnabled())
            btReplayClick();
        else
            Event->ignore();
        return;
    }
    const QChar dir = Directions[way];
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
