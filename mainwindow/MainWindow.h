// The game's main window: toolbar, board and side panel. It shows what the play session holds
// and turns keys and clicks into calls on it.
#pragma once

#include "board/BoardBox.h"
#include "board/BoardPainter.h"
#include "session/BoardGeometry.h"
#include "rules/MapEdit.h"
#include "session/PlaySession.h"
#include "rules/Types.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPropertyAnimation;
class QSizeGrip;
class QSlider;
class QButtonGroup;
class TBitmapRect;
class TCalloutRect;
class TEditPanel;
class TInfoCallout;
class TRoundButton;
class TScaledLayout;

// The dialogs the toolbar opens besides messages and files; each is built when first opened.
struct TMainWindowDialogs {
    std::function<void()> ShowPackEditor;
    std::function<void()> ShowAbout;
};

class TVirelMain : public QWidget, private TSessionView {
    Q_OBJECT
public:
    // Messages go to Messenger and files are chosen with Chooser; both outlive the window.
    TVirelMain(TMessenger& Messenger, TFileChooser& Chooser, TMainWindowDialogs Dialogs = {});
    ~TVirelMain() override;

    // The game in progress and the open document.
    TPlaySession Session;

    // CellSize / 56; the dialogs size themselves by it.
    float ScaleFactor = 1.0f;

    // --- Geometry (logical pixels) ---
    int CellSize = 0;
    int PawnSize = 0;
    int PawnDelta = 0;
    int RisedSize = 0;
    int WallDelta = 0;
    int BorderX = 0;
    int BorderY = 0;
    bool Initialized = false;
    double PanelScaleY = 1.0; // vertical scale of the palette and speed icons

    // --- The gliding pawn ---
    int AnimPawnX = 0; // top-left corner of the moving pawn's cell square, board coordinates
    int AnimPawnY = 0;
    int Step = 0; // pixels per tick

    // --- Toolbar and document commands (MainWindow.cpp) ---
    void btLoadClick();
    void btLoadPopupClick();
    void mnLoadClick(int Tag);
    void btSaveClick();
    void btSaveAsClick();
    void btPackClick();
    void btPackPopupClick();
    void btAboutClick();
    void CheckLoadedMenuItem();
    // A check item for a map in Menu; choosing it loads the map of that Tag (see mnLoadClick).
    void AddMapItem(QMenu* Menu, const QString& Title, const QString& Name, int Tag);
    // Each map's mark (none, star outline, full star) and tooltip in the Load and Pack menus.
    void ShowProgressMarks();
    // Stops a running move and offers to save unsaved changes; false keeps the window open.
    bool FormCloseQuery();
    // Writes the settings and the game in progress (the close has been accepted).
    void FormClose();

    // --- Geometry and drawing (Layout.cpp, BoardPaint.cpp) ---
    void FormResize();
    // Draws the board; Pending is the region waiting to be repainted, in board-box coordinates.
    void pbBoardPaint(QPainter& Canvas, const QRegion& Pending);
    void InvalidateBoard();
    void InvalidateCell(int Col, int Row);
    void InvalidatePawn(int Index);
    // The rectangles those three ask to repaint, in board-box coordinates.
    QRect BoardRect() const;
    QRect CellRect(int Col, int Row) const;
    QRect PawnRect(int Index) const;
    // How the last paint went: true when only the cells under one rectangle and the moving pawn
    // were drawn.
    bool LastPaintPartial = false;
    int FullPaints = 0;
    int PartialPaints = 0;

    // --- Layout, mode switch and callout (Layout.cpp) ---
    void ToggleEditMode();
    void btEditPlayClick();
    void btInfoClick();
    void crInfoClick();
    void FormMouseDown();
    bool InfoVisible() const;

    // --- Input (BoardInput.cpp) ---
    void pbBoardMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos,
                          bool DoubleClick);
    void pbBoardMouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, QPointF Pos);
    void FormKeyDown(QKeyEvent* Event);
    // The board's right-click menu: its items for the mode and state, then shown at GlobalPos.
    void pbBoardContextMenu(QPoint GlobalPos);
    void UpdateBoardMenu();
    // Afficher les arrêts: marks where the selected pawn would stop in each direction.
    bool ShowStops = false;
    void SetShowStops(bool On);
    void tbSpeedChange();
    void rFastClick();
    void rSlowClick();
    void btUndoClick();
    void btReplayClick();
    void btHelpClick();
    void btSolutionClick();
    void btNewClick();

    // --- Map editor (MapEditor.cpp) ---
    // The cell under a board press at Pos (paint-box coordinates); false off the board.
    bool BoardCellAt(QPointF Pos, int& Col, int& Row) const;
    // A board press counts only with the left button alone: no modifier key, no other button,
    // not the second press of a double click.
    static bool LeftButtonAlone(Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                bool DoubleClick);
    // Edit mode's part of a pointer move over the board: paints walls or floor.
    void EditBoardDrag(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, QPointF Pos);

protected:
    void showEvent(QShowEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    // TSessionView: what the session reports, turned into repaints and controls.
    void CellChanged(int Col, int Row) override;
    void PawnChanged(int Index) override;
    void BoardChanged() override;
    void CountersChanged() override;
    void DocumentChanged() override;
    void PackLoaded() override;
    void MapShown() override;
    void ModeChanged() override;
    void AnimationChanged() override;
    void PlaybackStarted() override;
    void PlaybackEnded() override;
    void MoveStarted(TSmallPoint From) override;
    bool SlideStep() override;
    void CommandStarted() override;
    void SearchShown(bool On) override;
    void ProgressChanged() override;

    void FormCreate();
    void FormShow();
    // Gives every control the name it has in the code, so tests and tools can find it.
    void NameControls();
    void BuildToolBar();
    void BuildPlayPanel();
    void BuildEditPanel();
    void BuildCallout();
    void PlaceChildren(const TCellMetrics& Metrics);
    void FetchSizedIcons();
    QPixmap Picture(const class TImageList& List, int Index, int Size) const;

    // What the board shows now, for the painter and the repaint requests.
    TBoardScene Scene() const;

    TMainWindowDialogs Dialogs;
    TBoardPainter Painter;
    TBoardGeometry Geometry;
    bool Shown = false;
    // Set once the close has been accepted.
    bool Closing = false;
    // The settings read when the window is created, kept until it is first shown.
    std::unique_ptr<struct TSettings> IniFile;

    // --- Controls ---
    TScaledLayout* slToolBar;
    TScaledLayout* slPlay;
    TBoardBox* pbBoard;

    TRoundButton* btLoad;
    TRoundButton* btLoadPopup;
    TRoundButton* btSave;
    TRoundButton* btSaveAs;
    TRoundButton* btPack;
    TRoundButton* btPackPopup;
    TRoundButton* btInfo;
    TRoundButton* btAbout;
    TRoundButton* btEditPlay;
    TBitmapRect* rLoad;
    TBitmapRect* rSave;
    TBitmapRect* rSaveAs;
    TBitmapRect* rPack;
    TBitmapRect* rInfo;
    TBitmapRect* rAbout;
    TBitmapRect* rEditPlay;
    QMenu* pmLoad;
    QMenu* pmPack;
    QMenu* pmBoard;

    QLabel* lbCount;
    QSlider* tbSpeed;
    TBitmapRect* rFast;
    TBitmapRect* rSlow;
    TRoundButton* btUndo;
    TRoundButton* btReplay;
    TRoundButton* btHelp;
    TRoundButton* btSolution;
    TBitmapRect* rUndo;
    TBitmapRect* rReplay;
    TBitmapRect* rHelp;
    TBitmapRect* rSolution;
    QLabel* lSolution;
    QLabel* lSolutionCount;
    QPropertyAnimation* SolutionRotAnimation;
    QSizeGrip* SizeGrip;

    TEditPanel* pnEdit;

    TInfoCallout* crInfo;
    // Shown while a long search runs.
    TCalloutRect* crSearch;
    QLabel* lSearch;
};
