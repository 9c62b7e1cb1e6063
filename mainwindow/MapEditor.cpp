// The map editor in the window: the palette of tools, and presses and drags on the board turned
// into cells for the session to draw.
#include "mainwindow/MainWindow.h"

#include "platform/InfoCallout.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <cmath>

void TVirelMain::sbClick(TRoundButton* Tool) {
    crInfo->hide();
    QRectF r = slPlay->DesignRect(rFocus);
    r.moveTop(slPlay->DesignRect(Tool).top() - 3);
    slPlay->SetDesignRect(rFocus, r);
}

TEditTool TVirelMain::SelectedTool() const {
    const QAbstractButton* b = PaletteGroup->checkedButton();
    if (b == sbPawn) return etPawn;
    if (b == sbGoal) return etGoal;
    if (b == sbStop) return etStop;
    if (b == sbTurn) return etTurn;
    if (b == sbButton) return etButton;
    if (b == sbDoor) return etDoor;
    return etCell;
}

bool TVirelMain::BoardCellAt(QPointF Pos, int& Col, int& Row) const {
    if (CellSize <= 0 || !(std::abs(Pos.x()) < 1e6 && std::abs(Pos.y()) < 1e6)) return false;
    // The left and top edges are tested on the unrounded position: the division truncates
    // towards zero, so a press just left of or above the board would give column or row 0.
    if (Pos.x() < BorderX || Pos.y() < BorderY) return false;
    Col = (qRound(Pos.x()) - BorderX) / CellSize;
    Row = (qRound(Pos.y()) - BorderY) / CellSize;
    return Col >= 0 && Col < BoardCols && Row >= 0 && Row < BoardRows;
}

bool TVirelMain::LeftButtonAlone(Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                 bool DoubleClick) {
    // Another button already held down counts as well as the one just pressed.
    const Qt::MouseButtons held = QGuiApplication::mouseButtons() | Button;
    return Button == Qt::LeftButton && held == Qt::LeftButton && Shift == Qt::NoModifier &&
           !DoubleClick;
}

void TVirelMain::EditBoardDrag(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, QPointF Pos) {
    if (!Session.EditMode || CellSize <= 0 || SelectedTool() != etCell) return;
    if (Buttons != Qt::LeftButton || Shift != Qt::NoModifier) return;
    const double dx = Pos.x() - BorderX, dy = Pos.y() - BorderY;
    if (!(std::abs(dx) < 1e6 && std::abs(dy) < 1e6)) return;
    // Rounded first, then divided rounding down: anything left of or above the board is
    // negative and falls off it.
    const double rx = std::round(dx), ry = std::round(dy);
    if (rx < 0 || ry < 0 || rx >= BoardCols * CellSize || ry >= BoardRows * CellSize) return;
    Session.EditDrag(int(rx) / CellSize, int(ry) / CellSize);
}

void TVirelMain::btNewClick() {
    Session.NewMap();
}
