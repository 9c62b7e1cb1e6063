// Input: presses on the board, keys and the side panel's buttons, turned into calls on the play
// session.
#include "MainWindow.h"

#include "Callout.h"
#include "RoundButton.h"

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
        Session.EditPress(col, row, SelectedTool());
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
    if (Session.EditMode) {
        if (enter && held == Qt::ControlModifier)
            btEditPlayClick();
        else if (key == Qt::Key_R && held == Qt::ControlModifier)
            mnSolveClick();
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
            mnHintClick();
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

void TVirelMain::BuildBoardMenu() {
    pmBoard = new QMenu(this);
    struct TItemRow {
        const char* Name;
        QString Text;
        QString Key; // shown beside the text
        bool InEditMode;
        std::function<void()> Click;
        std::function<bool()> CanAct;
    };
    // The items in the order the menu shows them; each mode shows its own.
    const TItemRow rows[] = {
        {"mnHint", QStringLiteral("Indice"), QStringLiteral("i"), false, [this] { mnHintClick(); },
         [this] { return Session.CanHint() && Session.Searching() == TSearch::None; }},
        {"mnSolve", QStringLiteral("Résoudre"), QStringLiteral("Ctrl+R"), true,
         [this] { mnSolveClick(); }, [this] { return Session.CanSolveMap(); }},
        {"mnNew", QStringLiteral("Nouveau"), QString(), true, [this] { btNewClick(); },
         [this] { return btNew->isEnabled(); }},
    };
    for (const TItemRow& row : rows) {
        QAction* item =
            pmBoard->addAction(row.Key.isEmpty() ? row.Text : row.Text + u'\t' + row.Key);
        item->setObjectName(QLatin1String(row.Name));
        connect(item, &QAction::triggered, this, row.Click);
        BoardItems.push_back({item, row.InEditMode, row.CanAct});
    }
}

void TVirelMain::UpdateBoardMenu() {
    for (const TBoardItem& i : BoardItems) {
        i.Item->setVisible(i.InEditMode == Session.EditMode);
        i.Item->setEnabled(i.Item->isVisible() && i.CanAct());
    }
}

void TVirelMain::pbBoardContextMenu(QPoint GlobalPos) {
    UpdateBoardMenu();
    pmBoard->popup(GlobalPos);
}

void TVirelMain::mnHintClick() {
    Session.Hint();
}

void TVirelMain::mnSolveClick() {
    Session.SolveMap();
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
