// The message dialog: every notice, warning, error, verdict and yes/no question of the game.
#pragma once

#include "platform/CenterForm.h"
#include "rules/Messages.h"

#include <QDialog>

class QLabel;
class TBitmapRect;
class TRoundButton;
class TScaledLayout;

class TMessageForm : public QDialog, public TMessenger {
    Q_OBJECT
public:
    // Sized at Scale (read each time it opens) and centred over the active window or Parent.
    explicit TMessageForm(QWidget* Parent = nullptr, const float& Scale = DesignScale);

    // Shows Msg modally with the icon, buttons and text size of DlgType; returns the answer:
    // mrOk, mrYes, mrNo, or mrCancel when closed with Escape or the close box.
    int ShowMsg(const QString& Msg, TMsgType DlgType) override;
    // Everything ShowMsg does before it opens the dialog (tests look at the result).
    void Prepare(const QString& Msg, TMsgType DlgType);

    // Icon image index of a kind: 0 flag, 1 warning, 2 error, 3 information, 4 question.
    static int ImageIndex(TMsgType DlgType);

    TScaledLayout* Layout;
    TBitmapRect* rImage;
    QLabel* lMessage;
    TRoundButton* btYes;
    TRoundButton* btOK;
    TRoundButton* btNo;

    // The icon's index and the text size of the message on show.
    int ImageShown = -1;
    int FontSize = 12;

    // Escape and the close box answer Cancel.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    void FormKeyDown(QKeyEvent* Event);
    const float& Scale;
};
