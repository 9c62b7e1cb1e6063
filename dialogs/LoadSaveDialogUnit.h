// The load and save dialog: the game's own browser of the maps and packs in its folder (its
// content comes later; until then it chooses nothing).
#pragma once

#include <QDialog>
#include <QString>

class TScaledLayout;

class TLoadSaveForm : public QDialog {
    Q_OBJECT
public:
    explicit TLoadSaveForm(QWidget* Parent = nullptr);
    TScaledLayout* Layout;

    // The chosen file, relative to the game's folder ("folder\name.ext").
    QString FileName;

    // Shows the dialog in mode OsType (a TOpenSaveType) with the three texts; true when the
    // player confirmed a file.
    bool Execute(int OsType, const QString& Title, const QString& Info, const QString& Help);
    // The dialog's three texts, trimmed.
    void GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) const;

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    QString EdTitle, EdInfo, EdHelp;
};

extern TLoadSaveForm* LoadSaveForm;
