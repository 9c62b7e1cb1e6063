// The board's geometry as numbers: the cell size a window can hold, every size derived from it,
// and where the board sits in its paint box. The window applies these; tests read them directly.
#pragma once

#include "storage/WindowSize.h"

#include <QSize>

// Sizes that follow from one cell size (logical pixels).
struct TCellMetrics {
    int CellSize = 0;
    float ScaleFactor = 1.0f; // CellSize / 56
    int PawnSize = 0;
    int PawnDelta = 0;
    int RisedSize = 0;
    int WallDelta = 0;
    int ToolBarHeight = 0; // height of the toolbar
    int PlayWidth = 0;     // width of the side panel
};

// Design sizes of the two scaled panels.
constexpr int ToolBarDesignWidth = 764;
constexpr int ToolBarDesignHeight = 40;
constexpr int PlayDesignWidth = 70;
constexpr int PlayDesignHeight = 516;
// Smallest cell (the smallest window is in WindowSize.h).
constexpr int MinCellSize = 44;

// The cell size a client area can hold: a multiple of 4 (may be below the minimum).
int CandidateCellSize(QSize Client);
// Whether a new candidate is worth a new geometry: the first time, or when it differs from the
// current size by more than max(CellSize / 24, 3).
bool CellSizeChanges(int CellSize, int Candidate, bool Initialized);
TCellMetrics CellMetrics(int CellSize);
// Offset of the board in a paint box with Free pixels to spare along one axis: centred when
// more than one cell is free, else a little past the centre.
int BoardBorder(int Free, int CellSize);
// Horizontal over vertical stretch of the side panel at PlayWidth × PlayHeight, or 1 when that
// is more than 1.06 (or undefined): the vertical scale that keeps its palette square.
double PanelAspect(int PlayWidth, int PlayHeight);

// One whole geometry pass for a window whose client area is Client.
struct TBoardGeometry {
    TCellMetrics Metrics;
    int BorderX = 0;
    int BorderY = 0;
    double Aspect = 1.0;
    bool Initialized = false;

    // What the last pass did.
    bool TooSmall = false;       // the window must grow first; nothing else changed
    bool Recomputed = false;     // a new cell size and everything that follows from it
    bool BordersChanged = false; // the board moved in its paint box: repaint it all

    // Runs the pass; CellSize must be set (56 before the first pass) or nothing happens.
    void Resize(QSize Client);
    // The paint box: what the toolbar and the side panel leave of the client area.
    static QSize BoardBox(QSize Client, const TCellMetrics& Metrics);
};
