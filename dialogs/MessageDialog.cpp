// Builds the message dialog and shows one message at a time, answering with the button pressed.
#include "dialogs/MessageDialog.h"

#include "platform/BitmapRect.h"
#include "platform/CenterForm.h"
#include "platform/ImageList.h"
#include "platform/RoundButton.h"
#include "platform/ScaledLayout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QResizeEvent>

namespace {
constexpr double DesignWidth = 316;
constexpr double DesignHeight = 136;
const QColor FormColor = QColor::fromRgba(0xFCD7E8F8);
} // namespace

TMessageForm::TMessageForm(QWidget* Parent, const float& DialogScale)
    : QDialog(Parent, DialogFormFlags), Scale(DialogScale) {
    setWindowTitle(QStringLiteral("Virelune - Message"));
    Layout = SetUpDialogForm(this, FormColor, QSizeF(DesignWidth, DesignHeight));
    rImage = new TBitmapRect(Layout);
    lMessage = new QLabel(Layout);
    lMessage->setWordWrap(true);
    lMessage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lMessage->setTextFormat(Qt::PlainText);
    btYes = new TRoundButton(QStringLiteral("&Oui"), Layout);
    btOK = new TRoundButton(QStringLiteral("&OK"), Layout);
    btNo = new TRoundButton(QStringLiteral("&Non"), Layout);
    btYes->ModalResult = mrYes;
    btOK->ModalResult = mrOk;
    btNo->ModalResult = mrNo;

    Layout->Place(rImage, {8, 14, 64, 64});
    Layout->Place(lMessage, {80, -3, 218, 98}, 12);
    for (auto* b : {btYes, btOK, btNo}) {
        connect(b, &QAbstractButton::clicked, this, [this, b] { done(b->ModalResult); });
    }
    Layout->Place(btYes, {90, 103, 75, 25}, 12);
    Layout->Place(btOK, {134, 103, 75, 25}, 12);
    Layout->Place(btNo, {182, 103, 75, 25}, 12);
}

int TMessageForm::ImageIndex(TMsgType DlgType) {
    switch (DlgType) {
    case mtWarning:
        return 1;
    case mtError:
        return 2;
    case mtQuestion:
        return 4;
    case mtInformation:
        return 3;
    default:
        return 0;
    }
}

void TMessageForm::Prepare(const QString& Msg, TMsgType DlgType) {
    const bool question = DlgType == mtQuestion || DlgType == mtFlagQuestion;
    btYes->setVisible(question);
    btNo->setVisible(question);
    btOK->setVisible(!question);

    ImageShown = ImageIndex(DlgType);
    const QSize iconSize(96, 96);
    const qreal dpr = devicePixelRatioF();
    if (ImageShown >= 3)
        rImage->SetBitmap(Images::Menu().Bitmap(ImageShown == 3 ? Images::miInfo : Images::miAbout,
                                                iconSize, dpr));
    else
        rImage->SetBitmap(Images::Message().Bitmap(ImageShown, iconSize, dpr));

    FontSize = ImageShown == 0 ? 16 : 12;
    Layout->SetFontSize(lMessage, FontSize);
    // Lines joined by CR LF show as lines.
    lMessage->setText(QString(Msg).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    CenterForm(this, Layout, Scale);
}

int TMessageForm::ShowMsg(const QString& Msg, TMsgType DlgType) {
    Prepare(Msg, DlgType);
    return exec();
}

void TMessageForm::FormKeyDown(QKeyEvent* Event) {
    // Keypad keys carry a flag of their own that is no modifier the player holds.
    if (Event->modifiers() & ~Qt::KeypadModifier) return;
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        done(btYes->isVisibleTo(this) ? mrYes : mrOk);
        break;
    case Qt::Key_Backspace:
        done(mrNo);
        break;
    case Qt::Key_Escape:
        done(mrCancel);
        break;
    default:
        break;
    }
}

void TMessageForm::keyPressEvent(QKeyEvent* Event) {
    // Every key is the form's own: the buttons take no focus, and Enter or Escape must not
    // reach the toolkit's default-button handling.
    FormKeyDown(Event);
    Event->accept();
}

void TMessageForm::reject() {
    done(mrCancel);
}

void TMessageForm::resizeEvent(QResizeEvent* Event) {
    QDialog::resizeEvent(Event);
    Layout->setGeometry(rect());
}
