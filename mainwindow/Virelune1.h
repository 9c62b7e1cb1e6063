// The game's main window: toolbar, board and side panel, the map shown and the game being played.
#pragma once

#include "Geometry.h"
#include "MapEdit.h"
#include "Messages.h"
#include "Play.h"
#include "Types.h"

#include <QPixmap>
#include <QWidget>
#include <array>

class QLabel;
class QMenu;
class QPropertyAnimation;
class QSizeGrip;
class QSlider;
class QTimer;
class QButtonGroup;
class TBitmapRect;
class TCalloutRect;
class TRoundButton;
class TScaledLayout;
class TMessenger;

// The paint box of the board: hands its paint, press and move events to the main window.
class TBoardBox : public QWidget {
    Q_OBJECT
public:
    explicit TBoardBox(class TVirelMain* Owner, QWidget* Parent);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    // The second press of a double click arrives marked as such.
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;

private:
    TVirelMain* Owner;
};

class TVirelMain : public QWidget, private TPlayListener, private TMessenger {
    Q_OBJECT
public:
    TVirelMain();
    ~TVirelMain() override;

    // CellSize / 56; the dialogs size themselves by it.
    float ScaleFactor = 1.0f;

    // --- The game ---
    TPlay Play; // CurMap, PawnIndex and the record of moves
    TPack CurPack;
    int LoadedMap = 0; // 1..10 an example, 0 a map file or a new map, -k map k of CurPack
    QString FileName;
    QString PackFileName;
    bool EditMode = false;
    int Changed = 0;
    // Where messages go; the message dialog unless a test says otherwise.
    TMessenger* Messenger = nullptr;

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

    // --- Animation (filled in by the move driver) ---
    int AnimationMode = 0; // 0 idle, 1 one move, 2 playback, 3 playback pausing
    bool AnimationStart = false;
    int AnimPawnX = 0; // top-left corner of the moving pawn's cell square, board coordinates
    int AnimPawnY = 0;
    int Step = 0; // pixels per tick
    QTimer* tAnimate;
    QTimer* tUndo;

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

    QWidget* pnEdit;
    TRoundButton* btNew;
    TBitmapRect* rNew;
    QWidget* LayoutEdit;
    TRoundButton* sbCell;
    TRoundButton* sbPawn;
    TRoundButton* sbGoal;
    TRoundButton* sbStop;
    TRoundButton* sbTurn;
    TRoundButton* sbButton;
    TRoundButton* sbDoor;
    TBitmapRect* rCell;
    TBitmapRect* rPawn;
    TBitmapRect* rGoal;
    TBitmapRect* rStop;
    TBitmapRect* rTurn;
    TBitmapRect* rButton;
    TBitmapRect* rDoor;
    QWidget* rFocus;
    QButtonGroup* PaletteGroup;

    TCalloutRect* crInfo;
    QLabel* lPackInfo;
    QLabel* lMapInfo;

    // --- Lifecycle and document (Virelune1.cpp) ---
    void FormCreate();
    void FormShow();
    void ShowMap(const TMap& Map);
    void UpdateCaption(bool InPack);
    void SetChanged(int Value);
    void CheckLoadedMenuItem();
    void btLoadClick();
    void btLoadPopupClick();
    void mnLoadClick(int Tag);
    void btSaveClick();
    void btSaveAsClick();
    void btPackClick();
    void btPackPopupClick();
    void btAboutClick();
    void DetachMap();
    // Starts play on the current map, checking it first when it is the player's own.
    void StartPlay();
    // Stops a running move and offers to save unsaved changes; true means go on.
    bool ConfirmDiscard();
    // Reads a map or pack file and shows its map Index; false when nothing changed.
    bool LoadFile(const QString& FName, int Index);
    // Writes the current map to its file, or to one chosen in the save dialog; true when written.
    bool SaveMap(bool AskName);
    // Where files are chosen; the load and save dialog unless a test says otherwise.
    class TFileChooser* Chooser = nullptr;
    // Shows a message through Messenger, else the message dialog.
    int ShowMsg(const QString& Msg, TMsgType DlgType) override;
    // Stops a running move and offers to save unsaved changes; false keeps the window open.
    bool FormCloseQuery();
    // Writes the settings and the game in progress (the close has been accepted).
    void FormClose();
    // The settings read when the window is created, kept until it is first shown.
    std::unique_ptr<struct TSettings> IniFile;
    // Set once the close has been accepted.
    bool Closing = false;

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

    // --- Play input and the animation (PlayInput.cpp, Animation.cpp) ---
    void pbBoardMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos,
                          bool DoubleClick);
    void pbBoardMouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, QPointF Pos);
    void FormKeyDown(QKeyEvent* Event);
    void tbSpeedChange();
    void rFastClick();
    void rSlowClick();
    void btUndoClick();
    void btReplayClick();
    void btHelpClick();
    void btSolutionClick();
    void btNewClick();
    void sbClick(TRoundButton* Tool);
    void tAnimateTimer();
    void Undo();
    void SetAnimationMode(int Mode);
    // Takes back the move whose animation runs; Stop also ends a playback.
    void CancelMove(bool Stop);
    // A press on cell (Col, Row) in play mode: selects the pawn there or pushes the selected one.
    void PlayBoardPress(int Col, int Row);
    // Takes back at once what remains of a move being undone stretch by stretch; the selected
    // pawn stays selected.
    void FinishUndo();
    // The tick that begins a move (after the pause before a stored move); false when no move
    // started or the tick must leave.
    bool BeginMove();
    // Advances the moving pawn one step and asks for the repaint of the square it swept;
    // true when it reached the end of its stretch.
    bool SlidePawn();
    // A stored move of the playback ended: next move, or the message that ends the playback.
    void EndStoredMove(bool Solved);
    // The player solved the map: the verdict, and the offer to save a new solution.
    void PlayerVerdict();
    // Each of the ten short waits of the pause before a stored move; WaitProcessingEvents
    // unless a test hurries the playback along.
    void (*PauseWait)(int Ms) = nullptr;

    // --- Map editor (MapEditor.cpp) ---
    // What the last cell-tool press put down; drag painting paints it.
    TCellType CurCellType = ctWall;
    // The tool whose palette button is down.
    TEditTool SelectedTool() const;
    // The cell under a board press at Pos (paint-box coordinates); false off the board.
    bool BoardCellAt(QPointF Pos, int& Col, int& Row) const;
    // A board press counts only with the left button alone: no modifier key, no other button,
    // not the second press of a double click.
    static bool LeftButtonAlone(Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                                bool DoubleClick);
    // Edit mode's part of a board press that landed on cell (Col, Row): applies the tool.
    void EditBoardPress(int Col, int Row);
    // Edit mode's part of a pointer move over the board: paints walls or floor.
    void EditBoardDrag(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, QPointF Pos);

protected:
    void showEvent(QShowEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    // TPlayListener: the rules say what changed, the window asks for the repaint.
    void CellChanged(int x, int y) override;
    void SelectionChanged(int OldIndex, int NewIndex) override;
    void BoardChanged() override;
    void MoveCountChanged(int MoveCount) override;
    void SolutionChanged(const QString& Solution) override;

    void BuildToolBar();
    void BuildPlayPanel();
    void BuildEditPanel();
    void BuildCallout();
    void PlaceChildren(const TCellMetrics& Metrics);
    void FetchIcons();
    void FetchSizedIcons();
    void FetchPaletteIcons();
    int PaletteIconSize = 0; // cell size the palette's pictures were fetched at
    QPixmap Picture(const class TImageList& List, int Index, int Size) const;

    // The board's pictures at the current cell size and pixel ratio.
    struct TBoardPictures {
        int CellSize = 0;
        qreal Ratio = 0;
        std::array<QPixmap, 8> Cell;
        std::array<QPixmap, 2> Rised;
        std::array<QPixmap, 2> Pawn;
    };
    const TBoardPictures& BoardPictures();
    void PaintFloor(QPainter& Canvas, int Col0, int Row0, int Col1, int Row1);

    TBoardPictures Pictures;
    TBoardGeometry Geometry;
    bool Shown = false;
};

extern TVirelMain* VirelMain;
