// The map editor in the window: presses and drags on the board turned into cells for the session
// to draw with the palette's tool.
#include "mainwindow/MainWindow.h"

#include "panels/EditPanel.h"

#include <QGuiApplication>
#include <cmath>

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
    if (!Session.EditMode || CellSize <= 0 || pnEdit->SelectedTool() != etCell) return;
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
