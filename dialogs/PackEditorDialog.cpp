// Builds the pack editor and runs its commands: new, load, save, the pack's information, and the
// maps of the pack (edit their texts, add, replace, remove, reorder, export).
#include "dialogs/PackEditorDialog.h"

#include "platform/BitmapRect.h"
#include "platform/CenterForm.h"
#include "dialogs/BoardThumbnail.h"
#include "platform/Callout.h"
#include "session/FileChooser.h"
#include "platform/ImageList.h"
#include "session/AskToSave.h"
#include "storage/MapFile.h"
#include "storage/MemoText.h"
#include "storage/PackEdit.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <cmath>
#include <functional>

namespace {

constexpr double DesignWidth = 604;
constexpr double DesignHeight = 400;
constexpr double FontSize = 12;
constexpr double ListFontSize = 11;
constexpr double ListItemHeight = 13;
const QString CaptionHead = QStringLiteral("Virelune  ●  ");
const QColor FormColor = QColor(0xEE, 0xF4, 0xFB);

// A paint box: whatever it shows is drawn by its owner's paint handler.
class TPaintBox : public QWidget {
public:
    std::function<void(QPainter&)> OnPaint;
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (OnPaint) OnPaint(p);
    }
};

// Lines of the list at their design height, whatever the scale.
class TListLineHeight : public QStyledItemDelegate {
public:
    TListLineHeight(const TScaledLayout* Layout, QObject* Parent)
        : QStyledItemDelegate(Parent), Owner(Layout) {}
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
        QSize s = QStyledItemDelegate::sizeHint(Option, Index);
        s.setHeight(std::max(1, int(std::lround(ListItemHeight * Owner->FactorY()))));
        return s;
    }

private:
    const TScaledLayout* Owner;
};

} // namespace

TPackForm::TPackForm(TMessenger& MessageSink, TFileChooser& FileChooser, QWidget* Parent,
                     const float& DialogScale)
    : QDialog(Parent, DialogFormFlags), Messenger(MessageSink), Editing(MessageSink, FileChooser),
      Scale(DialogScale) {
    Layout = SetUpDialogForm(this, FormColor, QSizeF(DesignWidth, DesignHeight));
    // A button with its icon on the left and its text on the right. The icons are drawn when
    // the editor is first shown, so the game starts without rendering them.
    auto button = [&](TRoundButton*& Button, TBitmapRect*& Icon, const QString& Text,
                      const QRectF& Rect, std::function<QPixmap(qreal)> Picture) {
        Button = new TRoundButton(Text, Layout);
        Button->TextPlace = TRoundButton::tpRight;
        Layout->Place(Button, Rect, FontSize);
        Icon = new TBitmapRect(Button);
        PendingIcons.push_back({Icon, std::move(Picture)});
        Layout->Place(Icon, {5, 5, 22, 22});
    };
    auto menu = [](int Index, int Side) {
        return [Index, Side](qreal dpr) {
            return Images::Menu().Bitmap(Index, QSize(Side, Side), dpr);
        };
    };
    auto own = [](int Index) {
        return
            [Index](qreal dpr) { return Images::DialogIcons().Bitmap(Index, QSize(48, 48), dpr); };
    };
    button(btLoad, rLoad, QStringLiteral("&Charger"), {48, 8, 84, 32}, menu(Images::miLoad, 92));
    button(btSaveAs, rSaveAs, QStringLiteral("Sau&ver..."), {146, 8, 86, 32},
           menu(Images::miSaveAs, 92));
    button(btNewPack, rNewPack, QStringLiteral("&Nouveau"), {247, 8, 88, 32},
           menu(Images::miPack, 96));
    button(btPackInfo, rInfoPack, QStringLiteral("&Information"), {352, 8, 103, 32},
           menu(Images::miInfo, 92));
    button(btAdd, rAdd, QStringLiteral("&Ajouter"), {224, 70, 92, 32}, own(Images::diAdd));
    button(btReplace, rReplace, QStringLiteral("Rem&placer"), {224, 108, 92, 32},
           own(Images::diReplace));
    button(btRemove, rRemove, QStringLiteral("&Retirer"), {224, 146, 92, 32},
           menu(Images::miRemove, 82));
    button(btExport, rExport, QStringLiteral("&Exporter"), {224, 194, 92, 32},
           menu(Images::miSaveAs, 92));
    button(btMoveUp, rMoveUp, QStringLiteral("Re&monter"), {224, 242, 92, 32},
           own(Images::diMoveUp));
    button(btMoveDown, rMoveDown, QStringLiteral("&Descendre"), {224, 280, 92, 32},
           own(Images::diMoveDown));

    lbMaps = new QListWidget(Layout);
    lbMaps->setToolTip(QStringLiteral("Titres des tableaux du pack"));
    lbMaps->setSelectionMode(QAbstractItemView::SingleSelection);
    lbMaps->setUniformItemSizes(true);
    lbMaps->setItemDelegate(new TListLineHeight(Layout, lbMaps));
    lbMaps->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Layout->Place(lbMaps, {8, 50, 200, 186}, ListFontSize);

    auto label = [&](const QString& Text, const QRectF& Rect) {
        auto* l = new QLabel(Text, Layout);
        Layout->Place(l, Rect, FontSize);
        return l;
    };
    Label3 = label(QStringLiteral("Titre :"), {332, 50, 120, 20});
    edMapTitle = new QLineEdit(Layout);
    Layout->Place(edMapTitle, {332, 72, 260, 22}, FontSize);
    Label2 = label(QStringLiteral("Information :"), {332, 104, 120, 20});
    edMapInfo = new QPlainTextEdit(Layout);
    Layout->Place(edMapInfo, {332, 124, 260, 84}, FontSize);
    Label1 = label(QStringLiteral("Aide :"), {332, 215, 120, 20});
    edMapHelp = new QPlainTextEdit(Layout);
    Layout->Place(edMapHelp, {332, 236, 260, 106}, FontSize);
    for (QPlainTextEdit* memo : {edMapInfo, edMapHelp}) {
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        memo->setTabChangesFocus(true);
    }

    auto* box = new TPaintBox(Layout);
    box->OnPaint = [this](QPainter& p) { pbBoardViewPaint(p); };
    pbBoardView = box;
    Layout->Place(pbBoardView, {9, 246, 198, 148});

    lMessage = new QLabel(Layout);
    lMessage->setTextFormat(Qt::PlainText);
    lMessage->setWordWrap(true);
    lMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Layout->Place(lMessage, {220, 358, 360, 32}, FontSize);

    // The callout hangs below its button, over the fields.
    crPackInfo = new TCalloutRect(Layout);
    crPackInfo->DesignWidth = 217;
    Layout->Place(crPackInfo, {352 - 52, 8 + 28, 217, 69});
    lPackInfo = new QLabel(crPackInfo);
    lPackInfo->setTextFormat(Qt::PlainText);
    lPackInfo->setWordWrap(true);
    lPackInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lPackInfo->setAttribute(Qt::WA_TransparentForMouseEvents);
    Layout->Place(lPackInfo, {6, 16, 205, 47}, FontSize);
    crPackInfo->hide();
    crPackInfo->raise();

    connect(btLoad, &QAbstractButton::clicked, this, [this] { btLoadClick(); });
    connect(btSaveAs, &QAbstractButton::clicked, this, [this] { btSaveAsClick(); });
    connect(btNewPack, &QAbstractButton::clicked, this, [this] { btNewPackClick(); });
    connect(btPackInfo, &QAbstractButton::clicked, this, [this] { btPackInfoClick(); });
    connect(btAdd, &QAbstractButton::clicked, this, [this] { btAddClick(); });
    connect(btReplace, &QAbstractButton::clicked, this, [this] { btReplaceClick(); });
    connect(btRemove, &QAbstractButton::clicked, this, [this] { btRemoveClick(); });
    connect(btExport, &QAbstractButton::clicked, this, [this] { btExportClick(); });
    connect(btMoveUp, &QAbstractButton::clicked, this, [this] { btMoveUpClick(); });
    connect(btMoveDown, &QAbstractButton::clicked, this, [this] { btMoveDownClick(); });
    connect(crPackInfo, &TCalloutRect::Clicked, this, [this] { crPackInfoClick(); });
    connect(lbMaps, &QListWidget::itemSelectionChanged, this, [this] { lbMapsChange(); });
    connect(edMapTitle, &QLineEdit::textChanged, this, [this] { edMapTitleChangeTracking(); });
    connect(edMapInfo, &QPlainTextEdit::textChanged, this, [this] { edMapInfoChange(); });
    connect(edMapHelp, &QPlainTextEdit::textChanged, this, [this] { edMapHelpChange(); });

    // The state of a new, empty pack, as every showing starts.
    SetCaption(QStringLiteral("Nouveau pack"));
    btNewPack->setEnabled(false);
    btPackInfo->setEnabled(false);
    lbMapsChange();
}

void TPackForm::ShowModal() {
    CenterForm(this, Layout, Scale);
    exec();
}

void TPackForm::SetCaption(const QString& Tail) {
    setWindowTitle(CaptionHead + Tail);
}

int TPackForm::SelectedLine() const {
    const QList<QListWidgetItem*> items = lbMaps->selectedItems();
    return items.isEmpty() ? -1 : lbMaps->row(items.first());
}

void TPackForm::SelectLine(int Row) {
    {
        const QSignalBlocker block(lbMaps);
        if (Row >= 0 && Row < lbMaps->count()) {
            lbMaps->setCurrentRow(Row, QItemSelectionModel::ClearAndSelect);
        } else {
            lbMaps->clearSelection();
            lbMaps->setCurrentRow(-1);
        }
    }
    lbMapsChange();
}

// ---- The window ----

void TPackForm::showEvent(QShowEvent* Event) {
    const qreal dpr = devicePixelRatioF();
    for (auto& [icon, picture] : PendingIcons) icon->SetBitmap(picture(dpr));
    PendingIcons.clear();
    QDialog::showEvent(Event);
    if (!Event->spontaneous()) FormShow();
}

void TPackForm::FormShow() {
    edMapTitle->setMaxLength(MaxTitleLength);
    InfoLimit = MaxTextLength;
    HelpLimit = MaxTextLength;
    Editing.Changed = false;
    btNewPackClick();
    lMessage->setText(QStringLiteral("ℹ️Charger un pack ou ajouter un tableau pour commencer"));
}

bool TPackForm::MayDropChanges(const QString& Question) {
    if (!Editing.Changed) return true;
    switch (AskToSave(Messenger, Question)) {
    case TSaveAnswer::Discard:
        return true;
    case TSaveAnswer::Save:
        return SavePack();
    default:
        return false;
    }
}

bool TPackForm::FormCloseQuery() {
    return MayDropChanges(QStringLiteral("💾 Sauver les modifications faites avant de quitter ?"));
}

void TPackForm::reject() {
    if (FormCloseQuery()) QDialog::reject();
}

void TPackForm::keyPressEvent(QKeyEvent* Event) {
    if (!RejectOnEscape(this, Event)) QDialog::keyPressEvent(Event);
}

void TPackForm::mousePressEvent(QMouseEvent* Event) {
    crPackInfo->hide();
    QDialog::mousePressEvent(Event);
}

void TPackForm::resizeEvent(QResizeEvent* Event) {
    QDialog::resizeEvent(Event);
    Layout->setGeometry(rect());
}

// ---- State shown by the controls ----

void TPackForm::UpdateButtons() {
    crPackInfo->hide();
    const TPackButtons b = PackButtonStates(Editing.Pack(), lbMaps->count(), SelectedLine());
    btSaveAs->setEnabled(b.SaveAs);
    btAdd->setEnabled(b.Add);
    btReplace->setEnabled(b.Replace);
    btRemove->setEnabled(b.Remove);
    btExport->setEnabled(b.Export);
    btMoveUp->setEnabled(b.MoveUp);
    btMoveDown->setEnabled(b.MoveDown);
}

void TPackForm::SetChanged(bool Value) {
    Editing.Changed = Value;
    if (Value) btNewPack->setEnabled(true);
    UpdateButtons();
}

void TPackForm::ShowMapStatus() {
    lMessage->setText(MapStatusText(Editing.Pack(), SelectedLine(), edMapTitle->text()));
}

void TPackForm::lbMapsChange() {
    Updating = true;
    const int i = SelectedLine();
    if (Editing.HasMap(i)) {
        const TMap& m = Editing.Pack().Maps[i];
        edMapTitle->setText(m.Title);
        edMapInfo->setPlainText(TextToMemo(m.Info));
        edMapHelp->setPlainText(TextToMemo(m.Help));
        BoardView = m.Board;
        PawnNbView = m.PawnNb;
        PawnPosView = m.PawnPos;
        for (QWidget* w : {static_cast<QWidget*>(edMapTitle), static_cast<QWidget*>(edMapInfo),
                           static_cast<QWidget*>(edMapHelp)})
            w->setEnabled(true);
        ShowMapStatus();
    } else {
        PawnNbView = 0;
        edMapTitle->clear();
        edMapInfo->clear();
        edMapHelp->clear();
        for (QWidget* w : {static_cast<QWidget*>(edMapTitle), static_cast<QWidget*>(edMapInfo),
                           static_cast<QWidget*>(edMapHelp)})
            w->setEnabled(false);
        lMessage->clear();
    }
    Updating = false;
    pbBoardView->update();
    UpdateButtons();
}

void TPackForm::pbBoardViewPaint(QPainter& Canvas) {
    DrawBoardThumbnail(Canvas, pbBoardView->width(), BoardView, PawnNbView, PawnPosView,
                       Layout->FactorX());
}

// ---- The pack as a whole ----

void TPackForm::btNewPackClick() {
    if (!btNewPack->isEnabled()) return;
    if (!MayDropChanges(
            QStringLiteral("💾 Sauver les modifications faites avant de créer un nouveau pack ?")))
        return;
    Editing.Changed = false;
    SetCaption(QStringLiteral("Nouveau pack"));
    btNewPack->setEnabled(false);
    btPackInfo->setEnabled(false);
    Editing.Clear();
    {
        const QSignalBlocker block(lbMaps);
        lbMaps->clear();
    }
    lbMapsChange();
    lMessage->setText(QStringLiteral("ℹ️Ajouter un tableau pour commencer"));
}

void TPackForm::btLoadClick() {
    if (!MayDropChanges(
            QStringLiteral("💾 Sauver les modifications faites avant de charger un nouveau pack ?")))
        return;
    TPack read;
    QString chosen;
    if (!Editing.ChoosePack(read, chosen)) return;

    Editing.StartPack(read, chosen);
    SetCaption(read.Title);
    lbMaps->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(lbMaps);
        lbMaps->clear();
    }
    lbMapsChange();
    Editing.TakeMaps(read);
    for (unsigned k = 0; k < Editing.Pack().MapNb; ++k)
        lbMaps->addItem(Editing.Pack().Maps[k].Title);
    lbMaps->setUpdatesEnabled(true);
    Editing.ReportDefects();
    btNewPack->setEnabled(true);
    btPackInfo->setEnabled(!Editing.Pack().Info.isEmpty());
    SetChanged(false);
}

void TPackForm::btSaveAsClick() {
    if (!btSaveAs->isEnabled()) return;
    SavePack();
}

bool TPackForm::SavePack() {
    if (!Editing.Save()) return false;
    btPackInfo->setEnabled(!Editing.Pack().Info.isEmpty());
    SetChanged(false);
    return true;
}

void TPackForm::btPackInfoClick() {
    if (!btPackInfo->isEnabled()) return;
    if (crPackInfo->isHidden()) {
        lPackInfo->setText(TextToMemo(Editing.Pack().Info));
        // The label takes the height of its text; the callout wraps it with its margins.
        const double fy = Layout->FactorY() > 0 ? Layout->FactorY() : 1.0;
        const double labelHeight = lPackInfo->heightForWidth(lPackInfo->width()) / fy;
        QRectF r = Layout->DesignRect(lPackInfo);
        r.setHeight(labelHeight);
        Layout->SetDesignRect(lPackInfo, r);
        QRectF c = Layout->DesignRect(crPackInfo);
        c.setHeight(labelHeight + 20);
        Layout->SetDesignRect(crPackInfo, c);
        crPackInfo->raise();
    }
    crPackInfo->setVisible(crPackInfo->isHidden());
}

void TPackForm::crPackInfoClick() {
    crPackInfo->hide();
}

// ---- The maps of the pack ----

void TPackForm::edMapTitleChangeTracking() {
    const int i = SelectedLine();
    if (Updating || !Editing.HasMap(i)) return;
    ShowMapStatus();
    Editing.SetMapText(i, &TMap::Title, edMapTitle->text());
    lbMaps->item(i)->setText(edMapTitle->text());
    SetChanged(true);
}

void TPackForm::MemoChanged(QPlainTextEdit* Memo, int Limit, QString TMap::*Field) {
    QString text = MemoToText(Memo->toPlainText());
    if (Limit > 0 && text.size() > Limit) {
        // Too long: the typed or pasted text is cut at the limit, never the start of a line break.
        text = CutMemoText(text, Limit);
        const int cursor = Memo->textCursor().position();
        const QSignalBlocker block(Memo);
        Memo->setPlainText(TextToMemo(text));
        QTextCursor c = Memo->textCursor();
        c.setPosition(std::min(cursor, int(Memo->document()->characterCount()) - 1));
        Memo->setTextCursor(c);
    }
    const int i = SelectedLine();
    if (Updating || !Editing.HasMap(i)) return;
    Editing.SetMapText(i, Field, text);
    SetChanged(true);
}

void TPackForm::edMapInfoChange() {
    MemoChanged(edMapInfo, InfoLimit, &TMap::Info);
}

void TPackForm::edMapHelpChange() {
    MemoChanged(edMapHelp, HelpLimit, &TMap::Help);
}

void TPackForm::btAddClick() {
    if (!btAdd->isEnabled()) return;
    AddMapFromFile(false);
}

void TPackForm::btReplaceClick() {
    if (!btReplace->isEnabled()) return;
    AddMapFromFile(true);
}

void TPackForm::AddMapFromFile(bool Replace) {
    const int i = SelectedLine();
    if (!Editing.AddMapFromFile(Replace, i)) return;
    const TMap& m = Editing.Pack().Maps[Replace ? i : int(Editing.Pack().MapNb) - 1];
    if (Replace) {
        lbMaps->item(i)->setText(m.Title);
        lbMapsChange();
    } else {
        {
            const QSignalBlocker block(lbMaps);
            lbMaps->addItem(m.Title);
        }
        SelectLine(lbMaps->count() - 1);
        lbMaps->scrollToItem(lbMaps->item(lbMaps->count() - 1));
    }
    SetChanged(true);
}

void TPackForm::btRemoveClick() {
    if (!btRemove->isEnabled()) return;
    const int i = SelectedLine();
    int next = -1;
    if (!Editing.RemoveMap(i, next)) return;
    {
        const QSignalBlocker block(lbMaps);
        delete lbMaps->takeItem(i);
    }
    SelectLine(next);
    SetChanged(true);
}

void TPackForm::MoveSelectedMap(int Step) {
    const int i = SelectedLine();
    const int j = i + Step;
    if (!Editing.MoveMap(i, Step)) return;
    lbMaps->item(i)->setText(Editing.Pack().Maps[i].Title);
    lbMaps->item(j)->setText(Editing.Pack().Maps[j].Title);
    SelectLine(j);
    SetChanged(true);
}

void TPackForm::btMoveUpClick() {
    if (!btMoveUp->isEnabled()) return;
    MoveSelectedMap(-1);
}

void TPackForm::btMoveDownClick() {
    if (!btMoveDown->isEnabled()) return;
    MoveSelectedMap(+1);
}

void TPackForm::btExportClick() {
    if (!btExport->isEnabled()) return;
    Editing.ExportMap(SelectedLine());
}
