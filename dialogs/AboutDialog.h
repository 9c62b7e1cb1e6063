// The about box: the game's name and emblem, its version, what it is about and the link to the
// game's own guide page.
#pragma once

#include "platform/CenterForm.h"

#include <QDialog>
#include <QString>

class QLabel;
class QWidget;
class TBitmapRect;
class TMessenger;
class TScaledLayout;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    // A missing guide is reported to Messenger; the box is sized at Scale when it opens.
    explicit TAboutForm(TMessenger& Messenger, QWidget* Parent = nullptr,
                        const float& Scale = DesignScale);

    // Sizes and centres the box, then shows it modally until a key or a click closes it.
    void ShowModal();

    // The four lines beside the emblem: free game, version, this platform with the build's
    // word size ("Linux 64 bits"), date; joined with CR LF.
    static QString VersionText();
    // The game's guide, a page in the game folder beside the program, which the link shows
    // and opens.
    static const QString WebPage;
    // The file:// address of the guide in the game folder.
    static QString WebPageUrl();

    TScaledLayout* Layout;
    QWidget* Panel1;
    QLabel* Label0;
    TBitmapRect* Rectangle1;
    QLabel* lInfo;
    QLabel* Desc;
    QLabel* lLink;

    // Opens the guide in the desktop's browser, or says that it is missing; the about box
    // stays open.
    void lLinkClick();
    // Replaces the desktop's "open" (tests do); it receives the address.
    void SetUrlOpener(bool (*Opener)(const QString&)) { UrlOpener = Opener; }

protected:
    bool event(QEvent* Event) override;
    void showEvent(QShowEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    void FormShow();
    void LayoutClick();
    bool (*UrlOpener)(const QString&);
    TMessenger& Messenger;
    const float& Scale;
};
