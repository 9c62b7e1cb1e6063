// The pack editor: assembles up to twenty maps into a pack file (its content comes later).
#pragma once

#include <QDialog>

class TScaledLayout;

class TPackForm : public QDialog {
    Q_OBJECT
public:
    explicit TPackForm(QWidget* Parent = nullptr);
    TScaledLayout* Layout;

protected:
    void resizeEvent(QResizeEvent* Event) override;
};

extern TPackForm* PackForm;
