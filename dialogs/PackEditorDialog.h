// The pack editor: assembles up to twenty maps from map files into a pack file.
#pragma once

#include "platform/CenterForm.h"
#include "rules/Messages.h"
#include "session/PackEditorSession.h"
#include "rules/Types.h"

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class TBitmapRect;
class TCalloutRect;
class TFileChooser;
class TRoundButton;
class TScaledLayout;

class TPackForm : public QDialog {
    Q_OBJECT
public:
    // Messages go to Messenger and files are chosen with Chooser; the editor is sized at Scale
    // each time it opens.
    TPackForm(TMessenger& Messenger, TFileChooser& Chooser, QWidget* Parent = nullptr,
              const float& Scale = DesignScale);

    // Sizes and centres the editor, then shows it modally until it closes.
    void ShowModal();

    TScaledLayout* Layout;
    TRoundButton* btLoad;
    TRoundButton* btSaveAs;
    TRoundButton* btNewPack;
    TRoundButton* btPackInfo;
    TRoundButton* btAdd;
    TRoundButton* btReplace;
    TRoundButton* btRemove;
    TRoundButton* btExport;
    TRoundButton* btMoveUp;
    TRoundButton* btMoveDown;
    TBitmapRect* rLoad;
    TBitmapRect* rSaveAs;
    TBitmapRect* rNewPack;
    TBitmapRect* rInfoPack;
    TBitmapRect* rAdd;
    TBitmapRect* rReplace;
    TBitmapRect* rRemove;
    TBitmapRect* rExport;
    TBitmapRect* rMoveUp;
    TBitmapRect* rMoveDown;
    TCalloutRect* crPackInfo;
    QLabel* lPackInfo;
    QListWidget* lbMaps;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* edMapTitle;
    QPlainTextEdit* edMapInfo;
    QPlainTextEdit* edMapHelp;
    QWidget* pbBoardView;
    QLabel* lMessage;

    // Asks for a pack file in the save dialog and writes the pack there; true when written.
    bool SavePack();

    // What the editor holds, for the window's tests.
    const TPack& EditedPack() const { return Editing.Pack(); }
    const QString& PackFileName() const { return Editing.FileName(); }
    bool IsChanged() const { return Editing.Changed; }
    // The selected line of the list, -1 for none.
    int SelectedLine() const;
    // Selects line Row (-1: none) as a click would.
    void SelectLine(int Row);
    // Pawns of the map the thumbnail shows (0: nothing shown).
    int ThumbnailPawnNb() const { return PawnNbView; }

    // The commands, as the buttons run them; each does nothing while its button is disabled
    // (loading always works).
    void btLoadClick();
    void btSaveAsClick();
    void btNewPackClick();
    void btPackInfoClick();
    void btAddClick();
    void btReplaceClick();
    void btRemoveClick();
    void btMoveUpClick();
    void btMoveDownClick();
    void btExportClick();

    // True when the editor may close: unsaved changes were saved or given up.
    bool FormCloseQuery();
    // Escape and the close box ask first.
    void reject() override;

protected:
    void showEvent(QShowEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    // Icons drawn when the editor is first shown.
    std::vector<std::pair<class TBitmapRect*, std::function<QPixmap(qreal)>>> PendingIcons;
    void FormShow();
    void crPackInfoClick();
    void lbMapsChange();
    void edMapTitleChangeTracking();
    void edMapInfoChange();
    void edMapHelpChange();
    void pbBoardViewPaint(QPainter& Canvas);
    void UpdateButtons();
    void SetChanged(bool Value);
    void ShowMapStatus();
    void AddMapFromFile(bool Replace);
    // Asks Question when the pack holds unsaved edits; true when they were saved or dropped.
    bool MayDropChanges(const QString& Question);
    void SetCaption(const QString& Tail);
    void MoveSelectedMap(int Step);
    void MemoChanged(QPlainTextEdit* Memo, int Limit, QString TMap::*Field);

    TMessenger& Messenger;
    TPackEditorSession Editing;
    const float& Scale;
    bool Updating = false;
    int InfoLimit = 0; // 0: none yet; the limits are set when the editor is shown
    int HelpLimit = 0;
    TBoard BoardView{};
    int PawnNbView = 0;
    TPawnArray PawnPosView{};
};
