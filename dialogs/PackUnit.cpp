// Builds the pack editor and runs its commands: new, load, save, the pack's information, and the
// maps of the pack (edit their texts, add, replace, remove, reorder, export).
#include "PackUnit.h"

#include "BitmapRect.h"
#include "CenterForm.h"
#include "BoardThumbnail.h"
#include "Callout.h"
#include "FileChooser.h"
#include "GameFolder.h"
#include "ImageList.h"
#include "LoadSaveDialogUnit.h"
#include "MapFile.h"
#include "MemoText.h"
#include "MessageUnit.h"
#include "PackEdit.h"
#include "RoundButton.h"
#include "ScaledLayout.h"
#include "Verify.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QSvgRenderer>
#include <cmath>
#include <functional>

TPackForm* PackForm = nullptr;

namespace {

constexpr double DesignWidth = 604;
constexpr double DesignHeight = 400;
constexpr double FontSize = 12;
constexpr double ListFontSize = 11;
constexpr double ListItemHeight = 13;
const QString CaptionHead = QStringLiteral("Virelune  ●  ");
const QColor FormColor = QColor(0xEE, 0xF4, 0xFB);
const QString EmptyPackText =
    QStringLiteral("Un pack sans tableau ne peut pas être sauvé :\r\najouter d'abord un tableau.");

// The form's own pictures: add, replace, move up, move down.
const char* const AddSvg =
    R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 48 48">)"
    R"(<circle cx="24" cy="24" r="21" fill="#35a853" stroke="#1f7a38" stroke-width="2"/>)"
    R"(<path d="M24 13v22M13 24h22" stroke="#fff" stroke-width="6" stroke-linecap="round"/>)"
    R"(</svg>)";
const char* const ReplaceSvg =
    R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 48 48">)"
    R"(<circle cx="24" cy="24" r="21" fill="#e8912a" stroke="#a9620f" stroke-width="2"/>)"
    R"(<g fill="none" stroke="#fff" stroke-width="4" stroke-linecap="round">)"
    R"(<path d="M13.5 22a11 11 0 0 1 18.5-6.5"/><path d="M34.5 26a11 11 0 0 1-18.5 6.5"/></g>)"
    R"(<path d="M36 10v10h-10z" fill="#fff"/><path d="M12 38v-10h10z" fill="#fff"/>)"
    R"(</svg>)";
const char* const MoveUpSvg =
    R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 48 48">)"
    R"(<circle cx="24" cy="24" r="21" fill="#3d7fd0" stroke="#245a9c" stroke-width="2"/>)"
    R"(<path d="M24 10l12 13h-7.5v14h-9v-14h-7.5z" fill="#fff"/>)"
    R"(</svg>)";
const char* const MoveDownSvg =
    R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 48 48">)"
    R"(<circle cx="24" cy="24" r="21" fill="#3d7fd0" stroke="#245a9c" stroke-width="2"/>)"
    R"(<path d="M24 38l12-13h-7.5v-14h-9v14h-7.5z" fill="#fff"/>)"
    R"(</svg>)";

QPixmap OwnPicture(const char* Svg, int Side, qreal Dpr) {
    QSvgRenderer renderer{QByteArray(Svg)};
    QPixmap pm(QSize(Side, Side) * Dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    renderer.render(&p);
    p.end();
    pm.setDevicePixelRatio(Dpr);
    return pm;
}

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

// Answers when the editor has nobody to show its messages to.
class TSilentMessenger : public TMessenger {
public:
    int ShowMsg(const QString&, TMsgType DlgType) override {
        return DlgType == mtQuestion || DlgType == mtFlagQuestion ? mrCancel : mrOk;
    }
};

} // namespace

TPackForm::TPackForm(QWidget* Parent) : TPackForm(nullptr, nullptr, Parent) {}

TPackForm::TPackForm(TMessenger* Messenger, TFileChooser* Chooser, QWidget* Parent)
    : QDialog(Parent, DialogFormFlags), Msgr(Messenger), Files(Chooser) {
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
    auto own = [](const char* Svg) {
        return [Svg](qreal dpr) { return OwnPicture(Svg, 48, dpr); };
    };
    button(btLoad, rLoad, QStringLiteral("&Charger"), {48, 8, 84, 32}, menu(Images::miLoad, 92));
    button(btSaveAs, rSaveAs, QStringLiteral("Sau&ver..."), {146, 8, 86, 32},
           menu(Images::miSaveAs, 92));
    button(btNewPack, rNewPack, QStringLiteral("&Nouveau"), {247, 8, 88, 32},
           menu(Images::miPack, 96));
    button(btPackInfo, rInfoPack, QStringLiteral("&Information"), {352, 8, 103, 32},
           menu(Images::miInfo, 92));
    button(btAdd, rAdd, QStringLiteral("&Ajouter"), {224, 70, 92, 32}, own(AddSvg));
    button(btReplace, rReplace, QStringLiteral("Rem&placer"), {224, 108, 92, 32}, own(ReplaceSvg));
    button(btRemove, rRemove, QStringLiteral("&Retirer"), {224, 146, 92, 32},
           menu(Images::miRemove, 82));
    button(btExport, rExport, QStringLiteral("&Exporter"), {224, 194, 92, 32},
           menu(Images::miSaveAs, 92));
    button(btMoveUp, rMoveUp, QStringLiteral("Re&monter"), {224, 242, 92, 32}, own(MoveUpSvg));
    button(btMoveDown, rMoveDown, QStringLiteral("&Descendre"), {224, 280, 92, 32},
           own(MoveDownSvg));

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

TMessenger& TPackForm::Messenger() {
    static TSilentMessenger silent;
    if (Msgr) return *Msgr;
    if (MessageForm) return *MessageForm;
    return silent;
}

TFileChooser* TPackForm::Chooser() const {
    if (Files) return Files;
    return dynamic_cast<TFileChooser*>(LoadSaveForm);
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
    Changed = false;
    btNewPackClick();
    lMessage->setText(QStringLiteral("ℹ️Charger un pack ou ajouter un tableau pour commencer"));
}

bool TPackForm::FormCloseQuery() {
    if (!Changed) return true;
    switch (Messenger().ShowMsg(
        QStringLiteral("💾 Sauver les modifications faites avant de quitter ?"), mtQuestion)) {
    case mrNo:
        return true;
    case mrYes:
        return SavePack();
    default:
        return false;
    }
}

void TPackForm::reject() {
    if (FormCloseQuery()) QDialog::reject();
}

void TPackForm::keyPressEvent(QKeyEvent* Event) {
    if (Event->key() == Qt::Key_Escape) {
        if (!(Event->modifiers() & ~Qt::KeypadModifier)) reject();
        Event->accept();
        return;
    }
    QDialog::keyPressEvent(Event);
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
    const TPackButtons b = PackButtonStates(Pack, lbMaps->count(), SelectedLine());
    btSaveAs->setEnabled(b.SaveAs);
    btAdd->setEnabled(b.Add);
    btReplace->setEnabled(b.Replace);
    btRemove->setEnabled(b.Remove);
    btExport->setEnabled(b.Export);
    btMoveUp->setEnabled(b.MoveUp);
    btMoveDown->setEnabled(b.MoveDown);
}

void TPackForm::SetChanged(bool Value) {
    Changed = Value;
    if (Value) btNewPack->setEnabled(true);
    UpdateButtons();
}

void TPackForm::ShowMapStatus() {
    lMessage->setText(MapStatusText(Pack, SelectedLine(), edMapTitle->text()));
}

void TPackForm::lbMapsChange() {
    Updating = true;
    const int i = SelectedLine();
    if (i >= 0 && i < int(Pack.MapNb)) {
        const TMap& m = Pack.Maps[i];
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
    DrawBoardThumbnail(Canvas, pbBoardView->width(), BoardView, PawnNbView, PawnPosView);
}

// ---- The pack as a whole ----

void TPackForm::btNewPackClick() {
    if (!btNewPack->isEnabled()) return;
    if (Changed) {
        switch (Messenger().ShowMsg(
            QStringLiteral("💾 Sauver les modifications faites avant de créer un nouveau pack ?"),
            mtQuestion)) {
        case mrNo:
            Changed = false;
            break;
        case mrYes:
            if (!SavePack()) return;
            Changed = false;
            break;
        default:
            return;
        }
    }
    SetCaption(QStringLiteral("Nouveau pack"));
    FileName.clear();
    btNewPack->setEnabled(false);
    btPackInfo->setEnabled(false);
    Pack = TPack();
    {
        const QSignalBlocker block(lbMaps);
        lbMaps->clear();
    }
    lbMapsChange();
    lMessage->setText(QStringLiteral("ℹ️Ajouter un tableau pour commencer"));
}

void TPackForm::btLoadClick() {
    if (Changed) {
        switch (Messenger().ShowMsg(
            QStringLiteral("💾 Sauver les modifications faites avant de charger un nouveau pack ?"),
            mtQuestion)) {
        case mrNo:
            break;
        case mrYes:
            if (!SavePack()) return;
            break;
        default:
            return;
        }
    }
    TFileChooser* files = Chooser();
    if (!files || !files->Execute(osOpenPack, QString(), QString(), QString())) return;
    const QString chosen = files->FileName;
    TPack read;
    if (!ReadMaps(osOpenPack, read, chosen, Messenger())) return;

    FileName = chosen;
    SetCaption(read.Title);
    Pack = TPack();
    Pack.Title = read.Title;
    Pack.Info = read.Info;
    lbMaps->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(lbMaps);
        lbMaps->clear();
    }
    lbMapsChange();
    const unsigned count = std::min(read.MapNb, unsigned(MaxMaps));
    for (unsigned k = 0; k < count; ++k) {
        AppendMap(Pack, read.Maps[k]);
        lbMaps->addItem(read.Maps[k].Title);
    }
    lbMaps->setUpdatesEnabled(true);
    const TPackDefects d = FindPackDefects(Pack);
    ReportPackDefects(d.NoTitle, d.SameTitles, d.NoSolution, Messenger());
    btNewPack->setEnabled(true);
    btPackInfo->setEnabled(!Pack.Info.isEmpty());
    SetChanged(false);
}

void TPackForm::btSaveAsClick() {
    if (!btSaveAs->isEnabled()) return;
    SavePack();
}

bool TPackForm::SavePack() {
    // A pack file holds at least one map; an empty one could never be read back.
    if (Pack.MapNb == 0) {
        Messenger().ShowMsg(EmptyPackText, mtError);
        return false;
    }
    TFileChooser* files = Chooser();
    if (!files) return false;
    files->FileName = FileName;
    if (!files->Execute(osSavePack, Pack.Title, Pack.Info, QString())) return false;
    const QString chosen = files->FileName;
    if (chosen.isEmpty()) return false;
    // Only a clear Yes replaces another file; Escape and the close box keep it.
    if (chosen != FileName && QFileInfo::exists(GamePath(chosen)) &&
        Messenger().ShowMsg(QStringLiteral("Remplacer le fichier existant par ce nouveau pack ?"),
                            mtQuestion) != mrYes)
        return false;

    QString title, info, help;
    files->GetTitleInfoHelp(title, info, help);
    TPack saved = Pack;
    saved.Title = title;
    saved.Info = info;
    // The writer reports its own failure; the pack then stays as it was, still unsaved.
    if (!WritePackFile(chosen, saved, Messenger())) return false;

    FileName = chosen;
    Pack.Title = title;
    Pack.Info = info;
    const TPackDefects d = FindPackDefects(Pack);
    ReportPackDefects(d.NoTitle, d.SameTitles, d.NoSolution, Messenger());
    btPackInfo->setEnabled(!Pack.Info.isEmpty());
    SetChanged(false);
    return true;
}

void TPackForm::btPackInfoClick() {
    if (!btPackInfo->isEnabled()) return;
    if (crPackInfo->isHidden()) {
        lPackInfo->setText(TextToMemo(Pack.Info));
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
    if (Updating || i < 0 || i >= int(Pack.MapNb)) return;
    ShowMapStatus();
    Pack.Maps[i].Title = edMapTitle->text();
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
    if (Updating || i < 0 || i >= int(Pack.MapNb)) return;
    Pack.Maps[i].*Field = text;
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
    TFileChooser* files = Chooser();
    if (!files || !files->Execute(osOpenMap, QString(), QString(), QString())) return;
    TPack read;
    if (!ReadMaps(osOpenMap, read, files->FileName, Messenger())) return;
    const TMap m = read.Maps[0];
    const int i = SelectedLine();
    if (Replace && (i < 0 || i >= int(Pack.MapNb))) return;
    if (!Replace && Pack.MapNb >= unsigned(MaxMaps)) return;

    // The map is taken whatever is found; the player is only told.
    Verify(m, MapIntakeRemarks(Pack, m, Replace ? i : -1), Messenger());

    if (Replace) {
        Pack.Maps[i] = m;
        lbMaps->item(i)->setText(m.Title);
        lbMapsChange();
    } else {
        AppendMap(Pack, m);
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
    if (i < 0) return;
    if (Messenger().ShowMsg(QStringLiteral("Etes-vous sûr de vouloir retirer ce tableau ?"),
                            mtQuestion) != mrYes)
        return;
    const int next = RemoveMap(Pack, i);
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
    if (i < 0 || !SwapMaps(Pack, i, j)) return;
    lbMaps->item(i)->setText(Pack.Maps[i].Title);
    lbMaps->item(j)->setText(Pack.Maps[j].Title);
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
    const int i = SelectedLine();
    TFileChooser* files = Chooser();
    if (!files || i < 0 || i >= int(Pack.MapNb)) return;
    files->FileName.clear();
    TMap m = Pack.Maps[i];
    if (!files->Execute(osSaveMap, m.Title, m.Info, m.Help)) return;
    const QString chosen = files->FileName;
    if (chosen.isEmpty()) return;
    if (QFileInfo::exists(GamePath(chosen)) &&
        Messenger().ShowMsg(chosen + QStringLiteral(" existe déjà,") + QStringLiteral("\r\n") +
                                QStringLiteral("voulez-vous le remplacer ?"),
                            mtQuestion) != mrYes)
        return;
    files->GetTitleInfoHelp(m.Title, m.Info, m.Help);
    // The copy gets the texts and the ID; the pack itself is left as it was.
    WriteMapFile(chosen, m, nullptr, Messenger());
}
