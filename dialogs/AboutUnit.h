// The about box: the game's name and emblem, its version, what it is about and its web page.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QWidget;
class TBitmapRect;
class TScaledLayout;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* Parent = nullptr);

    // The four lines beside the emblem: free game, version, this platform with the build's
    // word size ("Linux 64 bits"), date; joined with CR LF.
    static QString VersionText();
    // The game's web page, which the link shows and opens.
    static const QString WebPage;

    TScaledLayout* Layout;
    QWidget* Panel1;
    QLabel* Label0;
    TBitmapRect* Rectangle1;
    QLabel* lInfo;
    QLabel* Desc;
    QLabel* lLink;

    // Opens the web page in the desktop's browser; the about box stays open.
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
};

// The one about box, created at start.
extern TAboutForm* AboutForm;
