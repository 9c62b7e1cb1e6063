// Computes the board's cell size and everything that follows from it.
#include "session/BoardGeometry.h"

#include <algorithm>
#include <cmath>

int CandidateCellSize(QSize Client) {
    return 4 * std::min(Client.width() / 53, Client.height() / 41);
}

bool CellSizeChanges(int CellSize, int Candidate, bool Initialized) {
    const int threshold = std::max(CellSize / 24, 3);
    return !Initialized || std::abs(Candidate - CellSize) > threshold;
}

TCellMetrics CellMetrics(int CellSize) {
    TCellMetrics m;
    m.CellSize = CellSize;
    m.ScaleFactor = float(CellSize) / 56.0f;
    // The stored float lies just below CellSize / 56 for many sizes; the pawn follows it, so it
    // is often one pixel under three quarters of a cell.
    m.PawnSize = int(std::floor(42.0 * double(m.ScaleFactor)));
    m.PawnDelta = (CellSize - m.PawnSize + 2) / 2;
    m.RisedSize = int(std::nearbyint(66.0 * double(m.ScaleFactor)));
    m.WallDelta = (m.RisedSize - CellSize) / 2;
    m.ToolBarHeight = CellSize * 5 / 7;
    m.PlayWidth = CellSize * 7 / 5;
    return m;
}

int BoardBorder(int Free, int CellSize) {
    return Free > CellSize ? Free / 2 : Free * 3 / 5;
}

double PanelAspect(int PlayWidth, int PlayHeight) {
    const double r =
        (double(PlayWidth) * PlayDesignHeight) / (double(PlayHeight) * PlayDesignWidth);
    return (std::isnan(r) || r > 1.06) ? 1.0 : r;
}

QSize TBoardGeometry::BoardBox(QSize Client, const TCellMetrics& Metrics) {
    return QSize(std::max(0, Client.width() - Metrics.PlayWidth),
                 std::max(0, Client.height() - Metrics.ToolBarHeight));
}

void TBoardGeometry::Resize(QSize Client) {
    TooSmall = Recomputed = BordersChanged = false;
    if (Metrics.CellSize <= 0) return;
    const int candidate = CandidateCellSize(Client);
    if (candidate < MinCellSize) {
        TooSmall = true;
        return;
    }
    if (CellSizeChanges(Metrics.CellSize, candidate, Initialized)) {
        Metrics = CellMetrics(candidate);
        Initialized = true;
        Recomputed = true;
    }
    const QSize box = BoardBox(Client, Metrics);
    const int borderX = BoardBorder(box.width() - 11 * Metrics.CellSize, Metrics.CellSize);
    const int borderY = BoardBorder(box.height() - 8 * Metrics.CellSize, Metrics.CellSize);
    if (borderX != BorderX || borderY != BorderY) {
        BorderX = borderX;
        BorderY = borderY;
        BordersChanged = true;
    }
    Aspect = PanelAspect(Metrics.PlayWidth, std::max(0, Client.height() - Metrics.ToolBarHeight));
}
