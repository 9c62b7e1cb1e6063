// The about box: the game's emblem, its purpose and where to read more (its content comes later).
#pragma once

#include <QDialog>

class TScaledLayout;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* Parent = nullptr);
    TScaledLayout* Layout;

protected:
    void resizeEvent(QResizeEvent* Event) override;
};

extern TAboutForm* AboutForm;
