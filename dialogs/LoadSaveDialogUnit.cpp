// Builds the load and save dialog's window; choosing files comes with the dialog itself.
#include "LoadSaveDialogUnit.h"

#include "ScaledLayout.h"

#include <QResizeEvent>

TLoadSaveForm* LoadSaveForm = nullptr;

TLoadSaveForm::TLoadSaveForm(QWidget* Parent) : QDialog(Parent) {
    setWindowTitle(QStringLiteral("Virelune"));
    setModal(true);
    Layout = new TScaledLayout(QSizeF(548, 376), this);
    resize(548, 376);
}

bool TLoadSaveForm::Execute(TOpenSaveType /*OsType*/, const QString& Title, const QString& Info,
                            const QString& Help) {
    EdTitle = Title;
    EdInfo = Info;
    EdHelp = Help;
    return false;
}

void TLoadSaveForm::GetTitleInfoHelp(QString& Title, QString& Info, QString& Help) {
    Title = EdTitle;
    Info = EdInfo;
    Help = EdHelp;
}

void TLoadSaveForm::resizeEvent(QResizeEvent* Event) {
    QDialog::resizeEvent(Event);
    Layout->setGeometry(rect());
}
