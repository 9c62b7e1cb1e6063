// Builds the about box, fills in its version text and closes it on any key or click but the link.
#include "dialogs/AboutDialog.h"

#include "platform/BitmapRect.h"
#include "storage/GameFolder.h"
#include "platform/ImageList.h"
#include "rules/Messages.h"
#include "platform/OpenUrl.h"
#include "platform/ScaledLayout.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QSysInfo>
#include <QUrl>
#include <functional>

const QString TAboutForm::WebPage = QStringLiteral("Virelune.html");

QString TAboutForm::WebPageUrl() {
    // Fully encoded, so a game folder whose path holds spaces or accents stays one address.
    return QUrl::fromLocalFile(QFileInfo(GamePath(WebPage)).absoluteFilePath())
        .toString(QUrl::FullyEncoded);
}

namespace {

constexpr double DesignWidth = 276;
constexpr double DesignHeight = 232;
const QColor RoyalBlue(0x41, 0x69, 0xE1);
const QColor FormColor(0xF7, 0xFA, 0xFE);
const QColor FrameColor(0x7F, 0x9D, 0xB9);

QString PlatformName() {
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#else
    return QSysInfo::kernelType();
#endif
}

// The one label that takes clicks: the link.
class TLinkLabel : public QLabel {
public:
    std::function<void()> OnClick;
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* Event) override {
        Event->accept();
        if (Event->button() == Qt::LeftButton && OnClick) OnClick();
    }
};

QLabel* MouseBlindLabel(const QString& Text, QWidget* Parent) {
    auto* l = new QLabel(Text, Parent);
    l->setTextFormat(Qt::PlainText);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

} // namespace

QString TAboutForm::VersionText() {
    return QStringLiteral("Jeu gratuit\r\nVersion 1.2.1\r\n") + PlatformName() + QLatin1Char(' ') +
           QString::number(QSysInfo::WordSize) + QStringLiteral(" bits") + QStringLiteral("\r\n") +
           QStringLiteral("Juin 2023");
}

TAboutForm::TAboutForm(TMessenger& MessageSink, QWidget* Parent, const float& DialogScale)
    : QDialog(Parent, Qt::Dialog | Qt::FramelessWindowHint), UrlOpener(&OpenUrl),
      Messenger(MessageSink), Scale(DialogScale) {
    setModal(true);
    resize(int(DesignWidth), int(DesignHeight));

    Layout = new TScaledLayout(QSizeF(DesignWidth, DesignHeight), this);
    // Inner margins of the layout: 12 left, 8 top, 12 right.
    Panel1 = new QWidget(Layout);
    Panel1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Layout->Place(Panel1, {12, 8, 252, 124});

    Label0 = MouseBlindLabel(QStringLiteral("Virelune"), Panel1);
    Label0->setAlignment(Qt::AlignCenter);
    QPalette blue = Label0->palette();
    blue.setColor(QPalette::WindowText, RoyalBlue);
    Label0->setPalette(blue);
    Layout->Place(Label0, {8, 4, 236, 30}, 22);

    Rectangle1 = new TBitmapRect(Panel1);
    Layout->Place(Rectangle1, {8, 38, 80, 80});

    lInfo = MouseBlindLabel(QString(), Panel1);
    lInfo->setAlignment(Qt::AlignCenter);
    Layout->Place(lInfo, {96, 38, 148, 80}, 12);

    Desc = MouseBlindLabel(
        QStringLiteral("Ce jeu consiste à amener un ou plusieurs pions sur des buts en un minimum "
                       "de déplacements.\r\nPour plus de précisions, lire le fichier Virelune.txt "
                       "ou consulter le site Internet :"),
        Layout);
    Desc->setWordWrap(true);
    Desc->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Layout->Place(Desc, {12, 132, 252, 76}, 12);

    auto* link = new TLinkLabel(WebPage, Layout);
    link->setTextFormat(Qt::PlainText);
    link->setCursor(Qt::PointingHandCursor);
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    link->setPalette(blue);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    link->OnClick = [this] { lLinkClick(); };
    lLink = link;
    Layout->Place(lLink, {12, 208, 252, 24}, 14);
}

void TAboutForm::ShowModal() {
    CenterForm(this, Layout, Scale);
    exec();
}

void TAboutForm::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    if (!Event->spontaneous()) FormShow();
}

void TAboutForm::FormShow() {
    if (Rectangle1->Bitmap().isNull())
        Rectangle1->SetBitmap(Images::Emblem().Bitmap(0, QSize(160, 160), devicePixelRatioF()));
    lInfo->setText(VersionText());
}

void TAboutForm::lLinkClick() {
    if (!QFileInfo(GamePath(WebPage)).isFile()) {
        Messenger.ShowMsg(QStringLiteral("Le fichier ") + WebPage + QStringLiteral(" n'existe pas"),
                          mtError);
        return;
    }
    if (UrlOpener) UrlOpener(WebPageUrl());
}

void TAboutForm::LayoutClick() {
    accept();
}

bool TAboutForm::event(QEvent* Event) {
    // Every key closes the box, Tab and Escape included, before anything else can take it.
    if (Event->type() == QEvent::KeyPress) {
        Event->accept();
        accept();
        return true;
    }
    return QDialog::event(Event);
}

void TAboutForm::mousePressEvent(QMouseEvent* Event) {
    // Every click that the link does not take lands here: the panel, the picture and the
    // other labels let it through. Any button closes, as a left click does.
    Event->accept();
    LayoutClick();
}

void TAboutForm::paintEvent(QPaintEvent*) {
    // A borderless window still needs an edge to stand out from what lies behind it.
    QPainter p(this);
    p.fillRect(rect(), FormColor);
    p.setPen(FrameColor);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TAboutForm::resizeEvent(QResizeEvent* Event) {
    QDialog::resizeEvent(Event);
    Layout->setGeometry(rect());
}
