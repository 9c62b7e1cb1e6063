// Builds the pack editor's window (its controls come with the pack editor itself).
#include "PackUnit.h"

#include "ScaledLayout.h"

#include <QResizeEvent>

TPackForm* PackForm = nullptr;

TPackForm::TPackForm(QWidget* Parent) : QDialog(Parent) {
    setWindowTitle(QStringLiteral("Virelune - Pack"));
    setModal(true);
    Layout = new TScaledLayout(QSizeF(604, 400), this);
    resize(604, 400);
}

void TPackForm::resizeEvent(QResizeEvent* Event) {
    QDialog::resizeEvent(Event);
    Layout->setGeometry(rect());
}
