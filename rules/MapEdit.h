// The map editor's tools applied to a map: what each tool does to each kind of cell, the
// limits on special cells and pawns, and drag painting with walls or floor.
#pragma once

#include "rules/Types.h"

enum TEditTool { etCell, etPawn, etGoal, etStop, etTurn, etButton, etDoor };

struct TEditResult {
    enum TKind {
        erNothing,   // nothing changed, nothing to say
        erCell,      // the cell changed (and maybe a pawn went): repaint the cell, count a change
        erPawnAdded, // a pawn was added: repaint it, count a change, never remind to save
        erRefused,   // a limit: show Message as an error, nothing changed
    };
    TKind Kind = erNothing;
    QString Message;
};

// Removes the pawn on (x, y), the last pawn taking its number; returns the former number or 0.
int RemovePawnAt(TMap& Map, int x, int y);

// A press of Tool on cell (x, y). CurCellType is what the cell tool put down last; the cell tool
// updates it.
TEditResult ApplyTool(TMap& Map, TEditTool Tool, int x, int y, TCellType& CurCellType);

// Drag painting with the cell tool: paints CurCellType on (x, y); true when the cell changed.
bool DragPaint(TMap& Map, int x, int y, TCellType CurCellType);

// The reminder to save, due after exactly 40 and 70 counted changes.
bool SaveReminderDue(int Changed);
QString SaveReminderText();
