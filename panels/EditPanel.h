// The editor's side panel: "Nouveau" and the palette of tools (cell, pawn, goal, stop, turn,
// button, door), the chosen one framed in blue. It replaces the play panel in edit mode.
#pragma once

#include "rules/MapEdit.h"

#include <QWidget>

class QButtonGroup;
class TBitmapRect;
class TRoundButton;
class TScaledLayout;

class TEditPanel : public QWidget {
    Q_OBJECT
public:
    // Placed over the whole of Layout, whose design units place its children too; its texts are
    // TextSize high.
    TEditPanel(TScaledLayout& Layout, double TextSize);

    // The tool whose button is down.
    TEditTool SelectedTool() const;
    void SelectTool(TEditTool Tool);
    // The pictures at a cell size of CellSize logical pixels and pixel ratio Ratio; nothing
    // when they are at that size already.
    void FetchPictures(int CellSize, qreal Ratio);
    // Pictures fetched so far no longer match (the cell size changed while the panel was hidden).
    void ForgetPictures() { PictureSize = 0; }
    // The palette, stretched vertically with the panel's aspect.
    QWidget* Tools() const { return LayoutEdit; }

    TRoundButton* btNew;

signals:
    // A tool button was pressed (even the one already chosen).
    void ToolPressed();

private:
    // Moves the focus frame to Tool.
    void sbClick(TRoundButton* Tool);

    TScaledLayout& Layout;
    int PictureSize = 0;
    TBitmapRect* rNew;
    QWidget* LayoutEdit;
    QButtonGroup* PaletteGroup;
    // Tool buttons and their pictures, in the order of TEditTool.
    static constexpr int ToolCount = etDoor + 1;
    TRoundButton* Buttons[ToolCount];
    TBitmapRect* Pictures[ToolCount];
    QWidget* rFocus;
};
