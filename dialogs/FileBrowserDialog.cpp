// Builds the file browser, lists the game folder's maps and packs, previews the selected one and
// creates, renames and deletes folders and files at the player's request.
#include "dialogs/FileBrowserDialog.h"

#include "platform/BitmapRect.h"
#include "dialogs/BoardThumbnail.h"
#include "platform/CenterForm.h"
#include "storage/FileNames.h"
#include "storage/FileOps.h"
#include "storage/GameFolder.h"
#include "platform/ImageList.h"
#include "storage/MemoText.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <cmath>

namespace {

constexpr double DesignWidth = 548;
constexpr double DesignHeight = 376;
constexpr double TextSize = 12;
constexpr int MaxNameLength = 40;
const QColor FormColor = QColor::fromRgba(0xFCD7E8F8);
constexpr int DiskNameRole = Qt::UserRole;
constexpr int ImageRole = Qt::UserRole + 1;

QIcon TreeIcon(int Image, qreal Dpr) {
    QIcon icon;
    // The same picture when selected: the toolkit's tint would turn the yellow folder green.
    for (int side : {16, 20, 24, 32, 48, 64}) {
        const QPixmap pixmap = Images::TreeView().Bitmap(Image, QSize(side, side), Dpr);
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(pixmap, QIcon::Selected);
    }
    return icon;
}

QColor Mix(const QColor& A, const QColor& B, double Weight) {
    return QColor::fromRgbF(float(A.redF() * Weight + B.redF() * (1 - Weight)),
                            float(A.greenF() * Weight + B.greenF() * (1 - Weight)),
                            float(A.blueF() * Weight + B.blueF() * (1 - Weight)));
}

// Shows Field as if drawn at Opacity over the form: its background and text fade into the
// form's colour (a graphics effect would blur the text and darken a memo's viewport).
void SetFieldOpacity(QWidget* Field, double Opacity) {
    const QPalette normal = QApplication::palette(Field);
    QPalette pal = normal;
    const QColor form(FormColor.rgb());
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        const QColor base = Mix(normal.color(group, QPalette::Base), form, Opacity);
        pal.setColor(group, QPalette::Base, base);
        pal.setColor(group, QPalette::Text,
                     Mix(normal.color(group, QPalette::Text), base, Opacity));
    }
    Field->setPalette(pal);
    Field->setProperty("Opacity", Opacity);
}

QString SaveStatus(const QString& FileName) {
    return QStringLiteral("💾 ") + FileName;
}

} // namespace

// The thumbnail's paint box: paints whatever map the dialog holds.
class TBoardViewBox : public QWidget {
public:
    TBoardViewBox(TLoadSaveForm* Form, QWidget* Parent) : QWidget(Parent), Owner(Form) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        Owner->pbBoardViewPaint(p);
    }

private:
    TLoadSaveForm* Owner;
};

TLoadSaveForm::TLoadSaveForm(TMessenger& MessageSink, TFileOps& Disk, QWidget* Parent,
                             const float& DialogScale)
    : QDialog(Parent, DialogFormFlags), Messenger(MessageSink), Folders(MessageSink, Disk),
      Scale(DialogScale) {
    Layout = SetUpDialogForm(this, FormColor, QSizeF(DesignWidth, DesignHeight));

    auto iconButton = [this](const QString& text, const QRectF& rect, TBitmapRect*& icon,
                             const QRectF& iconRect) {
        auto* b = new TRoundButton(text, Layout);
        b->TextPlace = TRoundButton::tpRight;
        Layout->Place(b, rect, TextSize);
        icon = new TBitmapRect(b);
        Layout->Place(icon, iconRect);
        return b;
    };
    btDelete = iconButton(QStringLiteral("Su&pprimer"), {15, 8, 98, 32}, rDelete, {5, 4, 24, 24});
    btCreateFolder = iconButton(QStringLiteral("Créer &dossier"), {123, 8, 108, 32}, rCreateFolder,
                                {4, 6, 25, 20});
    btRename = iconButton(QStringLiteral("&Renommer"), {240, 8, 100, 32}, rRename, {5, 4, 24, 24});

    lName = new QLabel(QStringLiteral("Nom :"), Layout);
    Layout->Place(lName, {357, 6, 120, 19}, TextSize);
    edFileName = new QLineEdit(Layout);
    edFileName->setMaxLength(MaxNameLength);
    Layout->Place(edFileName, {356, 26, 180, 22}, TextSize);

    tvFiles = new QTreeWidget(Layout);
    tvFiles->setHeaderHidden(true);
    tvFiles->setColumnCount(1);
    tvFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    tvFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvFiles->setUniformRowHeights(true);
    tvFiles->setAnimated(false);
    Layout->Place(tvFiles, {8, 52, 229, 289}, TextSize);

    lTitle = new QLabel(QStringLiteral("Titre :"), Layout);
    Layout->Place(lTitle, {249, 58, 200, 19}, TextSize);
    edTitle = new QLineEdit(Layout);
    edTitle->setMaxLength(MaxTitleLength);
    Layout->Place(edTitle, {250, 80, 286, 22}, TextSize);

    lInfo = new QLabel(QStringLiteral("Information :"), Layout);
    Layout->Place(lInfo, {249, 108, 200, 19}, TextSize);
    edInfo = new QPlainTextEdit(Layout);
    Layout->Place(edInfo, {250, 128, 286, 84}, TextSize);

    lHelp = new QLabel(QStringLiteral("Aide :"), Layout);
    Layout->Place(lHelp, {249, 219, 200, 19}, TextSize);
    edHelp = new QPlainTextEdit(Layout);
    Layout->Place(edHelp, {250, 240, 286, 84}, TextSize);
    for (QPlainTextEdit* memo : {edInfo, edHelp}) {
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->setTabChangesFocus(true);
        connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] { LimitMemo(memo); });
    }

    pbBoardView = new TBoardViewBox(this, Layout);
    Layout->Place(pbBoardView, {250, 220, 198, 148});

    lMessage = new QLabel(Layout);
    lMessage->setTextFormat(Qt::PlainText);
    Layout->Place(lMessage, {12, 348, 417, 18}, TextSize);

    btLoadSave =
        iconButton(QStringLiteral("&Charger"), {454, 334, 81, 32}, rLoadSave, {3, 2, 28, 28});
    btLoadSave->ModalResult = mrOk;
    btLoadSave->setEnabled(false);

    // The icon rectangles sit on their buttons and let the clicks through to them.
    for (TBitmapRect* icon : {rDelete, rCreateFolder, rRename, rLoadSave})
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(btDelete, &QAbstractButton::clicked, this, &TLoadSaveForm::btDeleteClick);
    connect(btCreateFolder, &QAbstractButton::clicked, this, &TLoadSaveForm::btCreateFolderClick);
    connect(btRename, &QAbstractButton::clicked, this, &TLoadSaveForm::btRenameClick);
    connect(btLoadSave, &QAbstractButton::clicked, this, [this] {
        if (btLoadSave->isEnabled()) done(btLoadSave->ModalResult);
    });
    connect(tvFiles, &QTreeWidget::itemSelectionChanged, this, &TLoadSaveForm::tvFilesChange);
    connect(edFileName, &QLineEdit::textChanged, this, &TLoadSaveForm::edFileNameChangeTracking);

    setTabOrder(tvFiles, edFileName);
    setTabOrder(edFileName, edTitle);
    setTabOrder(edTitle, edInfo);
    setTabOrder(edInfo, edHelp);

    // The folder tree and the icons are filled in each time the dialog is opened, so the
    // game's start neither lists the game folder nor draws pictures it does not show yet.
    UpdateButtons();
}

void TLoadSaveForm::UpdateIcons() {
    const qreal dpr = devicePixelRatioF();
    rDelete->SetBitmap(Images::Menu().Bitmap(Images::miRemove, QSize(82, 82), dpr));
    rCreateFolder->SetBitmap(Images::TreeView().Bitmap(Images::tiFolder, QSize(54, 44), dpr));
    rRename->SetBitmap(Images::DialogIcons().Bitmap(Images::diRename, QSize(82, 82), dpr));
    const bool save = IsSaveMode(OpenSaveType);
    rLoadSave->SetBitmap(
        Images::Menu().Bitmap(save ? Images::miSaveAs : Images::miLoad, QSize(96, 96), dpr));
}

void TLoadSaveForm::Prepare(TOpenSaveType OsType, const QString& Title, const QString& Info,
                            const QString& Help) {
    CenterForm(this, Layout, Scale);
    SetEditText(edTitle, Title);
    SetMemoText(edInfo, Info);
    SetMemoText(edHelp, Help);
    OpenSaveType = OsType;

    const bool save = IsSaveMode(OsType);
    switch (OsType) {
    case osOpenMap:
        setWindowTitle(QStringLiteral("Charger un tableau"));
        break;
    case osOpenPack:
        setWindowTitle(QStringLiteral("Charger un pack"));
        break;
    case osSaveMap:
        setWindowTitle(QStringLiteral("Sauver le tableau"));
        break;
    case osSavePack:
        setWindowTitle(QStringLiteral("Sauver le pack"));
        break;
    default:
        setWindowTitle(QStringLiteral("Charger un tableau ou un pack"));
        break;
    }
    Filter = ModeFilter(OsType);
    btLoadSave->setText(save ? QStringLiteral(" &Sauver") : QStringLiteral("&Charger"));
    UpdateIcons();
    edTitle->setReadOnly(!save);
    edInfo->setReadOnly(!save);
    SetFieldOpacity(edTitle, save ? 1 : 0.5);
    SetFieldOpacity(edInfo, save ? 1 : 0.5);

    const bool help = OsType == osSaveMap;
    lHelp->setVisible(help);
    edHelp->setVisible(help);
    pbBoardView->setVisible(!help);
}

bool TLoadSaveForm::Execute(TOpenSaveType OsType, const QString& Title, const QString& Info,
                            const QString& Help) {
    Prepare(OsType, Title, Info, Help);
    return exec() == mrOk;
}

void TLoadSaveForm::GetTitleInfo(QString& Title, QString& Info) {
    Title = edTitle->text();
    Info = MemoText(edInfo);
}

void TLoadSaveForm::GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) {
    GetTitleInfo(Title, Info);
    Help = MemoText(edHelp);
    TrimLineEnds(Title);
    TrimLineEnds(Info);
    TrimLineEnds(Help);
}

// ----- the tree -----

int TLoadSaveForm::ItemImage(const QTreeWidgetItem* Item) {
    return Item ? Item->data(0, ImageRole).toInt() : -1;
}

QString TLoadSaveForm::DiskName(const QTreeWidgetItem* Item) {
    return Item ? Item->data(0, DiskNameRole).toString() : QString();
}

QTreeWidgetItem* TLoadSaveForm::Selected() const {
    const QList<QTreeWidgetItem*> items = tvFiles->selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

bool TLoadSaveForm::FieldNamesFile(const QTreeWidgetItem* Item) const {
    if (!Item || !Item->parent()) return false;
    const QString shown = edFileName->text();
    return shown == Item->text(0) || (!NameTyped && shown == Item->text(0).left(MaxNameLength));
}

QTreeWidgetItem* TLoadSaveForm::AddItem(QTreeWidgetItem* Parent, const QString& Text,
                                        const QString& DiskName, int Image) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, Text);
    item->setData(0, DiskNameRole, DiskName);
    item->setData(0, ImageRole, Image);
    item->setIcon(0, TreeIcon(Image, devicePixelRatioF()));
    if (Parent)
        Parent->addChild(item);
    else
        tvFiles->addTopLevelItem(item);
    PlaceSorted(item);
    return item;
}

void TLoadSaveForm::PlaceSorted(QTreeWidgetItem* Item) {
    // The tree stays sorted by text: the item moves to where its text belongs.
    QTreeWidgetItem* parent = Item->parent();
    const bool selected = Item->isSelected();
    const bool expanded = Item->isExpanded();
    const bool blocked = tvFiles->blockSignals(true);
    const int from = parent ? parent->indexOfChild(Item) : tvFiles->indexOfTopLevelItem(Item);
    if (parent)
        parent->takeChild(from);
    else
        tvFiles->takeTopLevelItem(from);
    const int count = parent ? parent->childCount() : tvFiles->topLevelItemCount();
    int to = 0;
    while (to < count) {
        const QTreeWidgetItem* other = parent ? parent->child(to) : tvFiles->topLevelItem(to);
        if (TreeTextLess(Item->text(0), other->text(0))) break;
        ++to;
    }
    if (parent)
        parent->insertChild(to, Item);
    else
        tvFiles->insertTopLevelItem(to, Item);
    Item->setExpanded(expanded);
    if (selected) tvFiles->setCurrentItem(Item);
    tvFiles->blockSignals(blocked);
}

void TLoadSaveForm::SelectItem(QTreeWidgetItem* Item) {
    tvFiles->setCurrentItem(Item);
    tvFiles->scrollToItem(Item);
}

void TLoadSaveForm::RemoveItem(QTreeWidgetItem* Item) {
    const bool blocked = tvFiles->blockSignals(true);
    tvFiles->clearSelection();
    delete Item;
    tvFiles->clearSelection();
    tvFiles->blockSignals(blocked);
}

void TLoadSaveForm::FormShow() {
    PawnNbView = 0;
    QString target, targetName;
    if (IsSaveMode(OpenSaveType)) SplitFileName(FileName, target, targetName);
    bool found = false;
    QTreeWidgetItem* chosen = nullptr;
    int maps = 0, packs = 0;

    const bool blocked = tvFiles->blockSignals(true);
    tvFiles->setUpdatesEnabled(false);
    tvFiles->clear();
    const QList<TListedFolder> folders = ListGameFolder(GameDir(), OpenSaveType);
    for (const TListedFolder& folder : folders) {
        QTreeWidgetItem* folderItem = AddItem(nullptr, folder.Name, folder.Name, Images::tiFolder);
        if (!target.isEmpty() && folder.Name == target) {
            found = true;
            target = targetName;
        }
        for (const TListedFile& file : folder.Files) {
            (file.IsPack ? packs : maps)++;
            QTreeWidgetItem* fileItem =
                AddItem(folderItem, file.Text, file.DiskName,
                        file.IsPack ? Images::tiPackFile : Images::tiMapFile);
            // The open modes offer the first file in the tree's order.
            if (!chosen && !IsSaveMode(OpenSaveType)) chosen = fileItem;
            if (found && file.DiskName == target) {
                chosen = fileItem;
                target.clear();
                found = false;
            }
        }
    }
    lMessage->setText(FolderSummary(OpenSaveType, int(folders.size()), maps, packs));
    tvFiles->expandAll();
    tvFiles->blockSignals(blocked);
    if (chosen) SelectItem(chosen);
    tvFiles->setUpdatesEnabled(true);
    tvFiles->setFocus();
    UpdateButtons();
}

void TLoadSaveForm::FormClose() {
    BuildFileName(true);
    Updating = true;
    edFileName->clear();
    const bool blocked = tvFiles->blockSignals(true);
    tvFiles->clear();
    tvFiles->blockSignals(blocked);
    Updating = false;
}

void TLoadSaveForm::BuildFileName(bool UseEdit) {
    const QTreeWidgetItem* item = Selected();
    if (!item) {
        FileName.clear();
        return;
    }
    const bool isFile = item->parent() != nullptr;
    const QString folder = isFile ? item->parent()->text(0) : item->text(0);
    const bool typed = UseEdit && !edFileName->text().isEmpty();
    if (isFile && (!typed || FieldNamesFile(item))) {
        // The selected file itself: its own name on disk, whatever the letter case of its
        // extension, the dots in its name or its length.
        FileName = folder + FolderSeparator + DiskName(item);
        return;
    }
    const QString name = typed ? edFileName->text() : QString();
    FileName = ::BuildFileName(
        folder, name, DefaultExtension(OpenSaveType, ItemImage(item) == Images::tiPackFile));
}

void TLoadSaveForm::UpdateButtons() {
    const QTreeWidgetItem* item = Selected();
    const QString typed = edFileName->text();
    btDelete->setEnabled(item);
    btCreateFolder->setEnabled(!typed.isEmpty());
    btRename->setEnabled(item && !typed.isEmpty() && typed != item->text(0) &&
                         !FieldNamesFile(item));
    btLoadSave->setEnabled(item && (!typed.isEmpty() || item->parent()));
    for (TRoundButton* b : {btDelete, btCreateFolder, btRename, btLoadSave}) b->update();
}

void TLoadSaveForm::tvFilesChange() {
    lMessage->clear();
    PawnNbView = 0;
    const bool save = IsSaveMode(OpenSaveType);
    const QTreeWidgetItem* item = Selected();
    if (!item) {
        if (save) {
            lMessage->setText(QStringLiteral("⚠️Sélectionner un dossier de destination"));
        } else {
            SetEditText(edTitle, QString());
            SetMemoText(edInfo, QString());
            SetMemoText(edHelp, QString());
        }
    } else if (!item->parent()) {
        if (!save) {
            SetEditText(edTitle, QString());
            SetMemoText(edInfo, QString());
        }
        BuildFileName(true);
        lMessage->setText(edFileName->text().isEmpty() ? QStringLiteral("⚠️Saisir un nom")
                                                       : SaveStatus(FileName));
    } else {
        SetEditText(edTitle, QString());
        SetMemoText(edInfo, QString());
        SetMemoText(edHelp, QString());
        SetEditText(edFileName, item->text(0));
        NameTyped = false;
        BuildFileName(false);
        if (ItemImage(item) == Images::tiMapFile) {
            if (ReadMaps(osOpenMap, TmpPack, FileName, Messenger)) {
                const TMap& map = TmpPack.Maps[0];
                SetEditText(edTitle, map.Title);
                SetMemoText(edInfo, map.Info);
                SetMemoText(edHelp, map.Help);
                BoardView = map.Board;
                PawnNbView = map.PawnNb;
                PawnPosView = map.PawnPos;
                lMessage->setText(SolutionSummary(map.Solution));
            } else {
                lMessage->setText(QStringLiteral("Tableau incorrect"));
            }
        } else {
            if (ReadMaps(osViewPack, TmpPack, FileName, Messenger)) {
                SetEditText(edTitle, TmpPack.Title);
                SetMemoText(edInfo, TmpPack.Info);
                lMessage->setText(PackSummary(TmpPack.MapNb));
            } else {
                lMessage->setText(QStringLiteral("Pack incorrect"));
            }
        }
    }
    pbBoardView->update();
    UpdateButtons();
}

void TLoadSaveForm::edFileNameChangeTracking() {
    if (Updating) return;
    NameTyped = true;
    const QString typed = edFileName->text();
    if (typed.isEmpty()) {
        lMessage->setText(QStringLiteral("⚠️Saisir un nom"));
    } else {
        const QString kept = ReplaceForbiddenChars(typed);
        if (kept != typed) {
            const int cursor = edFileName->cursorPosition();
            SetEditText(edFileName, kept);
            edFileName->setCursorPosition(cursor);
        }
        if (!Selected()) {
            lMessage->setText(QStringLiteral("💾 Selectionner ou créer aussi un dossier"));
        } else {
            BuildFileName(true);
            lMessage->setText(SaveStatus(FileName));
        }
    }
    UpdateButtons();
}

void TLoadSaveForm::pbBoardViewPaint(QPainter& Canvas) {
    DrawBoardThumbnail(Canvas, pbBoardView->width(), BoardView, PawnNbView, PawnPosView,
                       Layout->FactorX());
}

// ----- folders and files -----

void TLoadSaveForm::btCreateFolderClick() {
    if (!btCreateFolder->isEnabled()) return;
    // New folders always go straight into the game folder, whatever is selected.
    const QString name = edFileName->text();
    if (Folders.CreateFolder(name)) SelectItem(AddItem(nullptr, name, name, Images::tiFolder));
}

void TLoadSaveForm::btRenameClick() {
    if (!btRename->isEnabled()) return;
    QTreeWidgetItem* item = Selected();
    if (!item) return;
    BuildFileName(false);
    const QString typed = edFileName->text();
    const bool isFile = item->parent() != nullptr;
    const QString ext = !isFile                                 ? QString()
                        : ItemImage(item) == Images::tiPackFile ? PackExtension
                                                                : MapExtension;
    if (!Folders.Rename(FileName, isFile ? item->parent()->text(0) : QString(), typed, ext)) return;
    item->setText(0, typed);
    item->setData(0, DiskNameRole, typed + ext);
    PlaceSorted(item);
    BuildFileName(true);
    if (lMessage->text().startsWith(QStringLiteral("💾 "))) lMessage->setText(SaveStatus(FileName));
    UpdateButtons();
}

void TLoadSaveForm::btDeleteClick() {
    if (!btDelete->isEnabled()) return;
    QTreeWidgetItem* item = Selected();
    if (!item) return;
    BuildFileName(false);

    if (!item->parent() && item->childCount() > 0) {
        QStringList names;
        for (int k = 0; k < item->childCount(); ++k) names << DiskName(item->child(k));
        const TDeleteOutcome outcome =
            Folders.DeleteFolderFiles(FileName, names, [item] { delete item->child(0); });
        if (outcome != TDeleteOutcome::Failed) tvFilesChange();
        return;
    }

    const TDeleteOutcome outcome =
        item->parent() ? Folders.DeleteFile(FileName, ItemImage(item) == Images::tiMapFile)
                       : Folders.DeleteEmptyFolder(FileName);
    if (outcome == TDeleteOutcome::Deleted) {
        RemoveItem(item);
        tvFilesChange();
    } else if (outcome == TDeleteOutcome::Declined && item->parent()) {
        tvFilesChange();
    }
}

// ----- fields -----

void TLoadSaveForm::SetEditText(QLineEdit* Edit, const QString& Text) {
    const bool was = Updating;
    Updating = true;
    Edit->setText(Text);
    Updating = was;
}

void TLoadSaveForm::SetMemoText(QPlainTextEdit* Memo, const QString& Text) {
    const bool was = Updating;
    Updating = true;
    Memo->setPlainText(TextToMemo(Text));
    Updating = was;
}

QString TLoadSaveForm::MemoText(const QPlainTextEdit* Memo) {
    return MemoToText(Memo->toPlainText());
}

void TLoadSaveForm::LimitMemo(QPlainTextEdit* Memo) {
    if (Updating) return;
    const QString text = MemoText(Memo);
    if (text.size() <= MaxTextLength) return;
    SetMemoText(Memo, CutMemoText(text, MaxTextLength));
    QTextCursor cursor = Memo->textCursor();
    cursor.movePosition(QTextCursor::End);
    Memo->setTextCursor(cursor);
}

// ----- the window -----

void TLoadSaveForm::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    FormShow();
}

void TLoadSaveForm::done(int Result) {
    FormClose();
    QDialog::done(Result);
}

void TLoadSaveForm::keyPressEvent(QKeyEvent* Event) {
    if (!RejectOnEscape(this, Event)) QDialog::keyPressEvent(Event);
}

void TLoadSaveForm::resizeEvent(QResizeEvent* Event) {
    QDialog::resizeEvent(Event);
    Layout->setGeometry(rect());
    const int side = std::max(12, int(std::lround(18 * Layout->FactorY())));
    tvFiles->setIconSize(QSize(side, side));
    tvFiles->setIndentation(std::max(12, int(std::lround(18 * Layout->FactorX()))));
}
