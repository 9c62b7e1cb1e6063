// The load and save dialog: the game's own browser of the maps and packs in its folder (its
// content comes later; until then it chooses nothing).
#pragma once

#include "FileChooser.h"

#include <QDialog>
#include <QString>

class TScaledLayout;

class TLoadSaveForm : public QDialog, public TFileChooser {
    Q_OBJECT
public:
    explicit TLoadSaveForm(QWidget* Parent = nullptr);
    TScaledLayout* Layout;

    // Shows the dialog in mode OsType with the three texts; true when the player confirmed a
    // file, then in FileName.
    bool Execute(TOpenSaveType OsType, const QString& Title, const QString& Info,
                 const QString& Help) override;
    void GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) override;

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    QString EdTitle, EdInfo, EdHelp;
};

extern TLoadSaveForm* LoadSaveForm;
