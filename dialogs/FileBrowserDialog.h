// The load and save dialog: the game's own browser of the maps and packs in the sub-folders of
// its folder, with a preview of the selected file and the management of folders and files.
#pragma once

#include "platform/CenterForm.h"
#include "session/FileChooser.h"
#include "storage/FileOps.h"
#include "storage/FolderCommands.h"
#include "storage/MapFile.h"
#include "rules/Types.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class TBitmapRect;
class TMessenger;
class TRoundButton;
class TScaledLayout;

class TLoadSaveForm : public QDialog, public TFileChooser {
    Q_OBJECT
public:
    // Messages go to Messenger, file operations to FileOps; the dialog is sized at Scale each
    // time it opens.
    explicit TLoadSaveForm(TMessenger& Messenger, TFileOps& FileOps = DiskFileOps(),
                           QWidget* Parent = nullptr, const float& Scale = DesignScale);

    // Shows the dialog modally in mode OsType with the three texts; true when the player
    // confirmed a file. FileName then holds it ("folder/name.ext", relative to the game
    // folder); it is rebuilt from the selection however the dialog closes.
    bool Execute(TOpenSaveType OsType, const QString& Title, const QString& Info,
                 const QString& Help) override;
    void GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) override;
    void GetTitleInfo(QString& Title, QString& Info) override;

    // Everything Execute does before the dialog opens: size, texts and the look of the mode.
    // The tree is built when the dialog shows.
    void Prepare(TOpenSaveType OsType, const QString& Title, const QString& Info,
                 const QString& Help);

    TScaledLayout* Layout;
    TRoundButton* btDelete;
    TRoundButton* btCreateFolder;
    TRoundButton* btRename;
    TBitmapRect* rDelete;
    TBitmapRect* rCreateFolder;
    TBitmapRect* rRename;
    QLabel* lName;
    QLineEdit* edFileName;
    QTreeWidget* tvFiles;
    QLabel* lTitle;
    QLineEdit* edTitle;
    QLabel* lInfo;
    QPlainTextEdit* edInfo;
    QLabel* lHelp;
    QPlainTextEdit* edHelp;
    QWidget* pbBoardView;
    QLabel* lMessage;
    TRoundButton* btLoadSave;
    TBitmapRect* rLoadSave;

    // The mode of the current showing and its file pattern.
    TOpenSaveType OpenSaveType = osOpenBoth;
    QString Filter;

    // The map the thumbnail shows; PawnNbView 0 blanks it.
    TBoard BoardView{};
    int PawnNbView = 0;
    TPawnArray PawnPosView{};

    // Item images of the tree: a folder, a map file, a pack file.
    static int ItemImage(const QTreeWidgetItem* Item);

    void btCreateFolderClick();
    void btRenameClick();
    void btDeleteClick();

    void done(int Result) override;

protected:
    void showEvent(QShowEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    friend class TBoardViewBox;
    TMessenger& Messenger;
    TFolderCommands Folders;
    const float& Scale;
    bool Updating = false;
    // The player has typed in the name field since the dialog last filled it from a file.
    bool NameTyped = false;
    TPack TmpPack;

    QTreeWidgetItem* Selected() const;
    // The name field names Item, a file: it shows the file's name (cut to the field's limit
    // when the file came in with a longer one) or the player typed exactly that name.
    bool FieldNamesFile(const QTreeWidgetItem* Item) const;
    // The name on disk of a file item (its text and its own extension), or a folder's name.
    static QString DiskName(const QTreeWidgetItem* Item);
    QTreeWidgetItem* AddItem(QTreeWidgetItem* Parent, const QString& Text, const QString& DiskName,
                             int Image);
    void PlaceSorted(QTreeWidgetItem* Item);
    void SelectItem(QTreeWidgetItem* Item);
    void RemoveItem(QTreeWidgetItem* Item);
    void SetEditText(QLineEdit* Edit, const QString& Text);
    void SetMemoText(QPlainTextEdit* Memo, const QString& Text);
    static QString MemoText(const QPlainTextEdit* Memo);
    void LimitMemo(QPlainTextEdit* Memo);
    void UpdateIcons();

    void FormShow();
    void FormClose();
    void BuildFileName(bool UseEdit);
    void UpdateButtons();
    void tvFilesChange();
    void edFileNameChangeTracking();
    void pbBoardViewPaint(QPainter& Canvas);
};
